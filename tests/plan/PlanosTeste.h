// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Plans and games played by hand, shared by the plan library's tests.

#include "model/mAtividade.h"
#include "model/mDesenvolvedor.h"
#include "model/mProjeto.h"
#include "model/mSimulador.h"
#include "plan/JogoPlano.h"
#include "plan/Plano.h"
#include "plan/PlanoReferencia.h"

#include <QtTest>
#include <functional>

// What a failed comparison shows.
inline char* toString(const TMensagemJogo& m) {
    return QTest::toString(FormataLinhaMensagem(m.Texto, m.Dia));
}
inline char* toString(const TResultadoPlano& r) {
    return QTest::toString(QStringLiteral("%1 %2 days, cost %3")
                               .arg(r.Concluido ? "concluded" : "not concluded")
                               .arg(r.Dias)
                               .arg(r.Custo, 0, 'g', 17));
}

// Corvin alone on every activity at the given hours (reference run A at 8,
// run B at 12), with the window's whole state as the initial changes.
inline TPlano PlanoCorvin(int horas) {
    return PlanoReferencia(horas);
}

// A game played on the model the way the window plays it: before the step
// that starts at project day k, the player's changes (antesDoPasso with k);
// then "Next Turn", which steps unless the project is concluded.
struct TJogoManual {
    TSimuladorProjeto sim;
    TListaMensagens receptor;
    int passos = 0;

    void Joga(const std::function<void(TSimuladorProjeto&, int)>& antesDoPasso, int maximo) {
        for (int k = 0; k < maximo; ++k) {
            antesDoPasso(sim, k);
            if (sim.Projeto()->Concluido()) {
                return;
            }
            sim.AvancarDia(&receptor);
            ++passos;
        }
    }
};

// Corvin on every activity of sim, at the given hours.
inline void CorvinEmTudo(TSimuladorProjeto& sim, double horas) {
    TDesenvolvedor* corvin = sim.Desenvolvedores().at(0);
    sim.Projeto()->Equipe().append(corvin);
    corvin->SetHorasTrabalho(horas);
    for (TAtividade* a : sim.Projeto()->Atividades()) {
        a->SetDesenvolvedor(corvin);
    }
}
