// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Anything the model can post its day-stamped messages to. In the game this
// is the message panel; the headless runner and the tests use their own.
class TReceptorMensagens {
public:
    virtual ~TReceptorMensagens() = default;
    // texto: the message; dia: the day stamp in project days.
    virtual void AdicionaMensagem(const QString& texto, double dia) = 0;
};

// The line a message panel shows for a message: "Day 6: text".
QString FormataLinhaMensagem(const QString& texto, double dia);
