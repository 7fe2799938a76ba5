// SPDX-License-Identifier: GPL-3.0-or-later
#include "plan/PlanoReferencia.h"

TPlano PlanoReferencia(int horas) {
    TPlano plano;
    plano.Inicio.Equipe = QList<int>{0};
    plano.Inicio.Horas = {{0, horas}};
    for (int a = 0; a < 16; ++a) {
        plano.Inicio.Alocacoes.append({a, 0});
    }
    return plano;
}
