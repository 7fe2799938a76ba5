// SPDX-License-Identifier: GPL-3.0-or-later
// Full repaints of the activity chart and of the team panel, as the main
// window asks for after every day step.

#include "controls/Fontes.h"
#include "controls/PainelVisao.h"
#include "controls/mDesenvolvedorVisao.h"
#include "figuras/ImagensDesenvolvedor.h"
#include "model/mAtividade.h"
#include "model/mDesenvolvedor.h"
#include "model/mProjeto.h"
#include "model/mSimulador.h"
#include "ui/PainelTarefas.h"

#include <QImage>
#include <QPainter>
#include <QWidget>
#include <benchmark/benchmark.h>

namespace {

// A game a few days in: three developers on the first activities, the
// inspections given time, some overtime.
void PreparaJogo(TSimuladorProjeto& sim) {
    TProjetoSoftware* p = sim.Projeto();
    for (int i = 0; i < 7; ++i) {
        p->Equipe().append(sim.Desenvolvedores().at(i));
    }
    for (int i = 0; i < p->NumeroAtividades(); ++i) {
        TAtividade* a = p->Atividade(i);
        a->SetDesenvolvedor(sim.Desenvolvedores().at(i % 7));
        if (a->Tipo() == TipoInspecao && i != 9) {
            a->SetDuracao(0.5);
        }
    }
    sim.Desenvolvedores().at(1)->SetHorasTrabalho(10.0);
    sim.Desenvolvedores().at(2)->SetHorasTrabalho(12.0);
    for (int dia = 0; dia < 3; ++dia) {
        sim.AvancarDia(nullptr);
    }
}

QWidget* NovaJanela(int largura, int altura) {
    auto* janela = new QWidget;
    const QFont fonte = FonteJogo(11);
    janela->setFont(fonte);
    janela->resize(largura, altura);
    return janela;
}

void Repinta(benchmark::State& state, QWidget* alvo) {
    QImage imagem(alvo->size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        alvo->render(&imagem);
        benchmark::DoNotOptimize(imagem.constBits());
    }
}

void BM_PainelAtividades(benchmark::State& state) {
    TSimuladorProjeto sim(CarregaImagensDesenvolvedor);
    PreparaJogo(sim);
    std::unique_ptr<QWidget> janela(NovaJanela(571, 380));
    auto* painel = new TPainelAtividades(janela.get());
    painel->DefineAtividades(&sim.Projeto()->Atividades());
    painel->SelecionaAtividade(sim.Projeto()->Atividade(3));
    janela->show();
    Repinta(state, state.range(0) ? static_cast<QWidget*>(painel) : painel->AreaDesenho());
}
// 0: the chart alone (drawing area); 1: the whole panel with its backdrop.
BENCHMARK(BM_PainelAtividades)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_PainelVisao(benchmark::State& state) {
    TSimuladorProjeto sim(CarregaImagensDesenvolvedor);
    PreparaJogo(sim);
    TControladorVisaoDesenvolvedores controlador;
    std::unique_ptr<QWidget> janela(NovaJanela(89, 380));
    auto* painel = new TPainelVisao(janela.get());
    painel->DefineDesenvolvedores(&sim.Projeto()->Equipe(), &controlador);
    painel->SelecionaDesenvolvedor(sim.Projeto()->Equipe().at(2));
    janela->show();
    Repinta(state, state.range(0) ? static_cast<QWidget*>(painel) : painel->AreaDesenho());
}
// 0: the cards alone (drawing area); 1: the whole panel with backdrop and strips.
BENCHMARK(BM_PainelVisao)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

} // namespace
