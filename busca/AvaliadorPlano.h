// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "busca/CodificacaoPlano.h"
#include "plan/Plano.h"

#include <memory>
#include <span>

class TSimuladorProjeto;

// Plays the plans of decision vectors on a simulator of its own. One per
// thread: the model is not shared between threads.
class TAvaliadorPlano {
public:
    TAvaliadorPlano();
    ~TAvaliadorPlano();
    TAvaliadorPlano(const TAvaliadorPlano&) = delete;
    TAvaliadorPlano& operator=(const TAvaliadorPlano&) = delete;

    const TCodificacaoPlano& Codificacao() const { return *FCodificacao; }
    TSimuladorProjeto& Simulador() { return *FSimulador; }

    // The result of the vector's plan played from the start of a game; a plan
    // that cannot end (TCodificacaoPlano::PodeConcluir) is not played and
    // comes back not concluded after its most days. Allocates nothing once
    // its plan has held one of as many events.
    TResultadoPlano Avalia(std::span<const double> genes);

private:
    std::unique_ptr<TSimuladorProjeto> FSimulador;
    std::unique_ptr<TCodificacaoPlano> FCodificacao;
    TPlano FRascunho;
};
