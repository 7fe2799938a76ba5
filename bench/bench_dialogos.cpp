// SPDX-License-Identifier: GPL-3.0-or-later
// Opening the player's dialogs: fill, show, paint and close. Each should take
// well under 50 ms so that the player never waits for a dialog.

#include "dialogs/DDedicacaoAtividade.h"
#include "dialogs/DDefineEquipe.h"
#include "dialogs/DDetalheAtividade.h"
#include "dialogs/DDetalheDesenvolvedor.h"
#include "dialogs/DNumeroHoras.h"
#include "figuras/ImagensDesenvolvedor.h"
#include "model/mAtividade.h"
#include "model/mProjeto.h"
#include "model/mSimulador.h"

#include <QApplication>
#include <QDialog>
#include <benchmark/benchmark.h>
#include <functional>

namespace {

// One showing: fill, show, paint everything once, hide.
void Abre(benchmark::State& state, QDialog& dialogo, const std::function<void()>& preenche) {
    for (auto _ : state) {
        preenche();
        dialogo.show();
        QImage imagem = dialogo.grab().toImage();
        benchmark::DoNotOptimize(imagem.constBits());
        dialogo.hide();
        QApplication::processEvents();
    }
}

void BM_AbreDefinicaoEquipe(benchmark::State& state) {
    TSimuladorProjeto sim(CarregaImagensDesenvolvedor);
    sim.Projeto()->Equipe() = {sim.Desenvolvedores().at(0), sim.Desenvolvedores().at(3)};
    TDlgDefinicaoEquipe dialogo;
    Abre(state, dialogo,
         [&] { dialogo.MostraEquipe(&sim.Projeto()->Equipe(), &sim.Desenvolvedores()); });
}
BENCHMARK(BM_AbreDefinicaoEquipe)->Unit(benchmark::kMillisecond);

void BM_AbreNumeroHoras(benchmark::State& state) {
    TSimuladorProjeto sim(CarregaImagensDesenvolvedor);
    TDlgNumeroHorasDesenvolvedor dialogo;
    Abre(state, dialogo, [&] { dialogo.MostraDesenvolvedor(sim.Desenvolvedores().at(1)); });
}
BENCHMARK(BM_AbreNumeroHoras)->Unit(benchmark::kMillisecond);

void BM_AbreDedicacaoAtividade(benchmark::State& state) {
    TSimuladorProjeto sim(CarregaImagensDesenvolvedor);
    TDlgDedicacaoAtividade dialogo;
    Abre(state, dialogo, [&] { dialogo.MostraAtividade(sim.Projeto()->Atividade(5)); });
}
BENCHMARK(BM_AbreDedicacaoAtividade)->Unit(benchmark::kMillisecond);

void BM_AbreDetalhesAtividade(benchmark::State& state) {
    TSimuladorProjeto sim(CarregaImagensDesenvolvedor);
    TAtividade* a = sim.Projeto()->Atividade(0);
    a->SetDesenvolvedor(sim.Desenvolvedores().at(2));
    TDlgDetalhesAtividade dialogo;
    Abre(state, dialogo, [&] { dialogo.MostraAtividade(sim.Projeto(), a); });
}
BENCHMARK(BM_AbreDetalhesAtividade)->Unit(benchmark::kMillisecond);

void BM_AbreDetalhesDesenvolvedor(benchmark::State& state) {
    TSimuladorProjeto sim(CarregaImagensDesenvolvedor);
    TDlgDetalhesDesenvolvedor dialogo;
    Abre(state, dialogo, [&] { dialogo.MostraDesenvolvedor(sim.Desenvolvedores().at(4)); });
}
BENCHMARK(BM_AbreDetalhesDesenvolvedor)->Unit(benchmark::kMillisecond);

} // namespace
