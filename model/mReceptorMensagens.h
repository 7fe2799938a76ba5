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
    // True for a sink that throws every message away: the model then does
    // not even write them, so a game costs what its arithmetic costs.
    virtual bool Descarta() const { return false; }
};

// painel, or null when there is none or it throws its messages away: what
// the model posts to.
inline TReceptorMensagens* ReceptorAtento(TReceptorMensagens* painel) {
    return painel && !painel->Descarta() ? painel : nullptr;
}

// The line a message panel shows for a message: "Day 6: text".
QString FormataLinhaMensagem(const QString& texto, double dia);
