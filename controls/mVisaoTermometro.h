// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/Cores.h"

// A thermometer view: maps an object to a value on the fixed scale
// Minimo..Maximo, shown by the team panel as a vertical bar in colour Cor.
class TVisaoTermometro {
public:
    TVisaoTermometro(TColor cor, double minimo, double maximo);
    virtual ~TVisaoTermometro() = default;
    TVisaoTermometro(const TVisaoTermometro&) = delete;
    TVisaoTermometro& operator=(const TVisaoTermometro&) = delete;

    TColor Cor() const { return FCor; }
    double Minimo() const { return FMinimo; }
    double Maximo() const { return FMaximo; }

    // The object's value on the view's scale.
    virtual double Valor(const void* objeto) const = 0;
    // (Valor - Minimo) / (Maximo - Minimo), clamped to 0..1. A value that gives
    // no number (an empty scale with the value on it) counts as 0.
    double ValorRelativo(const void* objeto) const;
    // Height in pixels of the bar for a relative value r on a bar of altura pixels.
    static int AlturaBarra(double relativo, int altura);

private:
    TColor FCor;
    double FMinimo;
    double FMaximo;
};

// A developer's exhaustion (objects are TDesenvolvedor).
class TTermometroExaustao : public TVisaoTermometro {
public:
    using TVisaoTermometro::TVisaoTermometro;
    double Valor(const void* objeto) const override;
};
