// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The search for the best plans: NSGA-II over the decision vectors of
// TCodificacaoPlano, with days and cost as the two objectives to make small.
// The population starts from SementesBusca and random plans. A first stage
// keeps the plans static; the second lets each developer's hours change once
// on a day of the plan, starting from where the first stage ended. Every plan
// evaluated goes through TFrentePlanos, so the front holds the best of all of
// them, not only the last population's.
//
// The result depends on the seed and the number of evaluations alone: plans
// are evaluated in parallel, each result of its vector alone, and taken in
// in their order.

#include "busca/FrentePlanos.h"

#include <QtGlobal>
#include <functional>
#include <vector>

struct TParametrosBusca {
    quint32 Semente = 1;
    // Plans evaluated in all, the starting population's included; at least
    // TamanhoPopulacao.
    qint64 Avaliacoes = 200000;
    int Threads = 1;

    static constexpr int TamanhoPopulacao = 100;
    // Share of the generations played with static plans only.
    static constexpr double ParteEstatica = 0.5;
};

// Where a search stands, after each generation.
struct TProgressoBusca {
    qint64 Avaliacoes = 0;
    double Segundos = 0.0;
    int Etapa = 1;
    const TFrentePlanos* Frente = nullptr;
};

struct TResultadoBusca {
    // Increasing days, decreasing cost, concluded plans only.
    std::vector<TPlanoEncontrado> Frente;
    qint64 Avaliacoes = 0;
    double Segundos = 0.0;
};

// Runs a whole search.
TResultadoBusca BuscaPlanos(const TParametrosBusca& parametros,
                            const std::function<void(const TProgressoBusca&)>& progresso = {});
