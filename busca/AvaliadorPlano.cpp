// SPDX-License-Identifier: GPL-3.0-or-later
#include "busca/AvaliadorPlano.h"

#include "model/mSimulador.h"
#include "plan/JogoPlano.h"

TAvaliadorPlano::TAvaliadorPlano()
    : FSimulador(std::make_unique<TSimuladorProjeto>()),
      FCodificacao(std::make_unique<TCodificacaoPlano>(*FSimulador)) {}

TAvaliadorPlano::~TAvaliadorPlano() = default;

TResultadoPlano TAvaliadorPlano::Avalia(std::span<const double> genes) {
    FCodificacao->DecodificaEm(genes, FRascunho);
    if (!FCodificacao->PodeConcluir(genes)) {
        return {false, FRascunho.MaximoDias, 0.0};
    }
    return JogaPlano(*FSimulador, FRascunho);
}
