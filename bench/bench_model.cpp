// SPDX-License-Identifier: GPL-3.0-or-later
// A whole game of the model: the scenario built from scratch and reference
// run A (Corvin alone on every activity, 8 hours a day) played to the end;
// and the scenario's build alone. Goals: a whole game in 10 microseconds.

#include "model/mAtividade.h"
#include "model/mDesenvolvedor.h"
#include "model/mProjeto.h"
#include "model/mSimulador.h"

#include <benchmark/benchmark.h>

namespace {

// Says it throws the messages away, as a sink that keeps nothing should: the
// model then spares writing them.
class TReceptorDescarta : public TReceptorMensagens {
public:
    void AdicionaMensagem(const QString&, double) override {}
    bool Descarta() const override { return true; }
};

// Formats every line as the message panel would, and keeps only its length.
class TReceptorFormata : public TReceptorMensagens {
public:
    void AdicionaMensagem(const QString& texto, double dia) override {
        caracteres += FormataLinhaMensagem(texto, dia).size();
    }
    qsizetype caracteres = 0;
};

double JogoCompleto(TReceptorMensagens& receptor) {
    TSimuladorProjeto sim;
    TProjetoSoftware* p = sim.Projeto();
    TDesenvolvedor* corvin = sim.Desenvolvedores().at(0);
    p->Equipe().append(corvin);
    for (TAtividade* a : p->Atividades()) {
        a->SetDesenvolvedor(corvin);
    }
    const auto responde = [](const QString&) { return true; }; // the player answers Yes
    while (!p->Concluido() && sim.ConfirmarTurno(responde)) {
        sim.AvancarDia(&receptor);
    }
    return p->Custo();
}

void BM_FullGameDiscard(benchmark::State& state) {
    TReceptorDescarta receptor;
    for (auto _ : state) {
        benchmark::DoNotOptimize(JogoCompleto(receptor));
    }
}
BENCHMARK(BM_FullGameDiscard)->Unit(benchmark::kMicrosecond);

void BM_FullGameFormatted(benchmark::State& state) {
    TReceptorFormata receptor;
    for (auto _ : state) {
        benchmark::DoNotOptimize(JogoCompleto(receptor));
    }
    benchmark::DoNotOptimize(receptor.caracteres);
}
BENCHMARK(BM_FullGameFormatted)->Unit(benchmark::kMicrosecond);

// What a game adds to its arithmetic: the scenario made and taken down.
void BM_BuildScenario(benchmark::State& state) {
    for (auto _ : state) {
        TSimuladorProjeto sim;
        benchmark::DoNotOptimize(sim.Projeto());
    }
}
BENCHMARK(BM_BuildScenario)->Unit(benchmark::kMicrosecond);

} // namespace
