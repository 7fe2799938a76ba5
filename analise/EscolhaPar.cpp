// SPDX-License-Identifier: GPL-3.0-or-later
#include "analise/EscolhaPar.h"

#include "plan/VerificacaoPlano.h"

namespace {

// a before b: cheaper to the cent, then faster.
bool MaisBarato(const TResultadoPlano& a, const TResultadoPlano& b) {
    const qint64 ca = CentavosCusto(a.Custo);
    const qint64 cb = CentavosCusto(b.Custo);
    return ca != cb ? ca < cb : a.Dias < b.Dias;
}

// a before b: faster, then cheaper to the cent.
bool MaisRapido(const TResultadoPlano& a, const TResultadoPlano& b) {
    return a.Dias != b.Dias ? a.Dias < b.Dias : CentavosCusto(a.Custo) < CentavosCusto(b.Custo);
}

} // namespace

int EscolhePar(const QList<TResultadoPlano>& frente, const TResultadoPlano& jogo) {
    int dentro = -1;
    int rapido = -1;
    for (int i = 0; i < frente.size(); ++i) {
        const TResultadoPlano& plano = frente.at(i);
        if (!plano.Concluido) {
            continue;
        }
        if (plano.Dias <= jogo.Dias && (dentro < 0 || MaisBarato(plano, frente.at(dentro)))) {
            dentro = i;
        }
        if (rapido < 0 || MaisRapido(plano, frente.at(rapido))) {
            rapido = i;
        }
    }
    return dentro >= 0 ? dentro : rapido;
}
