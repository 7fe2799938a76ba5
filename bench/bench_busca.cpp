// SPDX-License-Identifier: GPL-3.0-or-later
// The best-plan search: one plan evaluated from its decision vector (decoded
// and played on the thread's own simulator), the unit of the search's work.
// The search's goal is 20,000 evaluations per second per core, 50 µs each.

#include "busca/AvaliadorPlano.h"
#include "busca/SementesBusca.h"
#include "plan/LeitorPlano.h"

#include <benchmark/benchmark.h>

namespace {

// The fastest plan of a search: seven developers, two hour changes, 15 days.
const char* const PlanoRapido = R"({
    "team": ["Corvin", "Fennick", "Ysolde", "Tamsin", "Idony", "Oswin", "Brannoc"],
    "hours": {"Brannoc": 12, "Corvin": 12, "Fennick": 9, "Idony": 12, "Oswin": 10,
              "Tamsin": 9, "Ysolde": 9},
    "inspection_hours": {"8": 0, "9": 8, "10": 7},
    "assign": {"1": "Fennick", "2": "Fennick", "3": "Fennick", "4": "Ysolde", "5": "Oswin",
               "6": "Tamsin", "7": "Tamsin", "8": "Brannoc", "9": "Corvin", "10": "Idony",
               "11": "Tamsin", "12": "Ysolde", "13": "Ysolde", "14": "Brannoc", "15": "Idony",
               "16": "Corvin"},
    "events": [{"day": 2, "hours": {"Fennick": 10}}, {"day": 8, "hours": {"Tamsin": 12}}]})";

// 0: reference run A, Corvin alone for 81 days (the search's first seed);
// 1: the fastest plan above.
void BM_EvaluatePlan(benchmark::State& state) {
    TAvaliadorPlano avaliador;
    const TGenes genes =
        state.range(0) == 0
            ? SementesBusca(avaliador.Simulador(), avaliador.Codificacao()).front()
            : avaliador.Codificacao()
                  .Codifica(LePlano(PlanoRapido, QStringLiteral("plan"), avaliador.Simulador()))
                  .value_or(TGenes{});
    if (genes.empty()) {
        state.SkipWithError("the plan has no decision vector");
        return;
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(avaliador.Avalia(genes).Custo);
    }
    state.SetLabel(QStringLiteral("%1 days").arg(avaliador.Avalia(genes).Dias).toStdString());
}
BENCHMARK(BM_EvaluatePlan)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

} // namespace
