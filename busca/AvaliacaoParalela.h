// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "busca/AvaliadorPlano.h"
#include "plan/Plano.h"

#include <QThreadPool>
#include <memory>
#include <span>
#include <vector>

// Evaluates batches of decision vectors on several threads, each with its own
// evaluator (and so its own simulator). Each result depends on its vector
// alone, so a batch gives the same results whatever the number of threads.
class TAvaliacaoParalela {
public:
    // threads evaluators, built on the calling thread.
    explicit TAvaliacaoParalela(int threads);
    ~TAvaliacaoParalela();
    TAvaliacaoParalela(const TAvaliacaoParalela&) = delete;
    TAvaliacaoParalela& operator=(const TAvaliacaoParalela&) = delete;

    int Threads() const { return static_cast<int>(FAvaliadores.size()); }
    const TCodificacaoPlano& Codificacao() const { return FAvaliadores.front()->Codificacao(); }
    // The first thread's simulator, for work between batches.
    TSimuladorProjeto& Simulador() { return FAvaliadores.front()->Simulador(); }

    // genes holds resultados.size() vectors one after another; each result
    // goes to the same position as its vector. The calling thread takes part.
    void Avalia(std::span<const double> genes, std::span<TResultadoPlano> resultados);

private:
    struct TLote;

    std::vector<std::unique_ptr<TAvaliadorPlano>> FAvaliadores;
    QThreadPool FPool;
};
