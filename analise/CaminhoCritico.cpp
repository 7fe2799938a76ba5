// SPDX-License-Identifier: GPL-3.0-or-later
#include "analise/CaminhoCritico.h"

#include "analise/CenarioAnalise.h"

#include <algorithm>

namespace {

// The position in candidatas with the latest end; ties to the later position.
int MaisTardia(const QList<int>& candidatas, const QList<double>& fim) {
    int melhor = -1;
    for (int i : candidatas) {
        if (melhor < 0 || fim.at(i) > fim.at(melhor) || (fim.at(i) == fim.at(melhor) && i > melhor)) {
            melhor = i;
        }
    }
    return melhor;
}

} // namespace

QList<int> CaminhoCritico(const TCenarioAnalise& cenario, const QList<double>& fim) {
    if (fim.isEmpty()) {
        return {};
    }
    QList<int> todas;
    for (int i = 0; i < fim.size(); ++i) {
        todas.append(i);
    }
    QList<int> caminho;
    int atual = MaisTardia(todas, fim);
    while (atual >= 0) {
        caminho.append(atual);
        atual = MaisTardia(cenario.Predecessoras.at(atual), fim);
    }
    std::reverse(caminho.begin(), caminho.end());
    return caminho;
}
