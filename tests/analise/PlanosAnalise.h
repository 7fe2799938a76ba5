#pragma once

// Plans the debrief's analysis is tried on: the reference runs with a
// change, and seeded random players' plans.

#include "analise/DecisoesJogo.h"
#include "plan/Plano.h"
#include "plan/PlanoReferencia.h"

#include <QMetaType>
#include <QRandomGenerator>

Q_DECLARE_METATYPE(TPlano)

// Run B (Corvin alone at 12 hours) with his hours set to 12 again on day 30,
// while he is exhausted and held at 8.
inline TPlano PlanoCorvinDia30() {
    TPlano plano = PlanoReferencia(HorasReferenciaB);
    TMudancasPlano dia30;
    dia30.Dia = 30;
    dia30.Horas = {{0, HorasReferenciaB}};
    plano.Eventos = {dia30};
    return plano;
}

// Changes a random player might make before day dia: the team now and
// then, some hours, some inspection times, some assignments (also of
// nobody); never none at all.
inline TMudancasPlano MudancasAleatorias(QRandomGenerator& rng, int dia) {
    TMudancasPlano m;
    m.Dia = dia;
    if (dia == 0 || rng.bounded(3) == 0) {
        QList<int> equipe;
        for (int d = 0; d < 7; ++d) {
            if (rng.bounded(3) == 0) {
                equipe.append(d);
            }
        }
        m.Equipe = equipe;
    }
    for (int d = 0; d < 7; ++d) {
        if (rng.bounded(5) == 0) {
            m.Horas.append({d, TPlano::MinimoHoras + static_cast<int>(rng.bounded(5))});
        }
    }
    for (int a : {7, 8, 9}) {
        if (rng.bounded(4) == 0) {
            m.Inspecoes.append({a, 8 * static_cast<int>(rng.bounded(5))});
        }
    }
    for (int a = 0; a < 16; ++a) {
        if (rng.bounded(3) == 0) {
            m.Alocacoes.append({a, static_cast<int>(rng.bounded(8)) - 1});
        }
    }
    if (m.Vazia()) {
        m.Horas.append({0, TPlano::MaximoHoras});
    }
    return m;
}

inline TPlano PlanoAleatorio(quint32 semente) {
    QRandomGenerator rng(semente);
    TPlano plano;
    plano.MaximoDias = 20 + static_cast<int>(rng.bounded(140));
    plano.Inicio = MudancasAleatorias(rng, 0);
    for (int dia = 1 + static_cast<int>(rng.bounded(10)); dia < plano.MaximoDias + 5;
         dia += 1 + static_cast<int>(rng.bounded(12))) {
        plano.Eventos.append(MudancasAleatorias(rng, dia));
    }
    return plano;
}

// The decisions of one day put back together as the plan's changes.
inline TMudancasPlano Remonta(const QList<TDecisao>& decisoes, int dia) {
    TMudancasPlano m;
    m.Dia = dia;
    for (const TDecisao& d : decisoes) {
        if (d.Dia != dia) {
            continue;
        }
        switch (d.Tipo) {
        case ETipoMarco::Equipe:
            m.Equipe = d.Equipe;
            break;
        case ETipoMarco::Horas:
            m.Horas.append({d.Desenvolvedor, d.Valor});
            break;
        case ETipoMarco::Inspecao:
            m.Inspecoes.append({d.Atividade, d.Valor});
            break;
        default:
            m.Alocacoes.append({d.Atividade, d.Desenvolvedor});
            break;
        }
    }
    return m;
}

// The initial changes without what a new game already has: an empty team,
// 8 hours, inspections of no time, nobody on any activity.
inline TMudancasPlano SemOPadrao(const TMudancasPlano& inicio) {
    TMudancasPlano m;
    if (inicio.Equipe && !inicio.Equipe->isEmpty()) {
        m.Equipe = inicio.Equipe;
    }
    for (const auto& h : inicio.Horas) {
        if (h.second != TPlano::MinimoHoras) {
            m.Horas.append(h);
        }
    }
    for (const auto& i : inicio.Inspecoes) {
        if (i.second != 0) {
            m.Inspecoes.append(i);
        }
    }
    for (const auto& a : inicio.Alocacoes) {
        if (a.second != -1) {
            m.Alocacoes.append(a);
        }
    }
    return m;
}
