// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <stdexcept>

// A stored value that should be a whole number is not: "'abc' is not a valid integer value".
class EErroConversao : public std::runtime_error {
public:
    explicit EErroConversao(const QString& mensagem) : std::runtime_error(mensagem.toStdString()) {}
};

// The record file could not be written: "Unable to write to /path/Orvanta.INI".
class EErroGravacao : public std::runtime_error {
public:
    explicit EErroGravacao(const QString& caminho)
        : std::runtime_error(QStringLiteral("Unable to write to %1").arg(caminho).toStdString()) {}
};
