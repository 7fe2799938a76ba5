// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/mVisaoTermometro.h"

#include "model/mDesenvolvedor.h"

#include <cmath>

TVisaoTermometro::TVisaoTermometro(TColor cor, double minimo, double maximo)
    : FCor(cor), FMinimo(minimo), FMaximo(maximo) {}

double TVisaoTermometro::ValorRelativo(const void* objeto) const {
    double r = (Valor(objeto) - FMinimo) / (FMaximo - FMinimo);
    // Written so that a NaN (0 / 0) also ends at 0.
    if (!(r >= 0.0)) {
        r = 0.0;
    }
    if (r > 1.0) {
        r = 1.0;
    }
    return r;
}

int TVisaoTermometro::AlturaBarra(double relativo, int altura) {
    if (!(relativo > 0.0)) {
        return 0;
    }
    if (relativo >= 1.0) {
        return altura;
    }
    return static_cast<int>(std::trunc(relativo * altura));
}

double TTermometroExaustao::Valor(const void* objeto) const {
    return static_cast<const TDesenvolvedor*>(objeto)->Exaustao();
}
