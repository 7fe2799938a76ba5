// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "plan/Plano.h"

#include <QByteArray>
#include <QString>

class TSimuladorProjeto;

// Reads a plan from its JSON text, checked against the scenario of sim (the
// names of its developers and activities). origem names the text in a
// message about malformed JSON (a path, or "standard input"). The whole plan
// is checked: throws EPlano naming the first fault found. The format is
// described once, in the README's section "Plans".
TPlano LePlano(const QByteArray& dados, const QString& origem, const TSimuladorProjeto& sim);

// The largest plan read: a game record of a thousand days takes well under
// a megabyte.
constexpr qint64 TamanhoMaximoPlano = 8 * 1024 * 1024;

// The bytes of a plan file; "-" reads standard input. Throws EPlano ("cannot
// read the plan PATH: reason", "the plan PATH is larger than 8 MiB"); reads
// no more than one piece past the limit, whatever the file or input holds.
QByteArray LeArquivoPlano(const QString& caminho);

// How a plan file is named in messages: "standard input" for "-", otherwise
// the path with its control characters escaped.
QString NomeArquivoPlano(const QString& caminho);
