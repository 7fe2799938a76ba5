// SPDX-License-Identifier: GPL-3.0-or-later
// One full paint of the backdrop at its main-window sizes and of a full
// message log.
#include "controls/Backdrop.h"
#include "controls/Fontes.h"
#include "ui/PainelMensagens.h"

#include <QImage>
#include <QWidget>
#include <benchmark/benchmark.h>

namespace {

void PinturaFundo(benchmark::State& state) {
    QWidget host;
    host.resize(int(state.range(0)), int(state.range(1)));
    auto* fundo = new TBackDrop(&host);
    fundo->SetDirection(bdDown);
    fundo->SetColor(clBlack);
    fundo->SetBackColor(clGreen);
    fundo->SetStrength(2.0);
    QImage imagem(host.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        fundo->render(&imagem);
        benchmark::DoNotOptimize(imagem.constBits());
    }
}

void PinturaMensagens(benchmark::State& state) {
    QWidget host;
    const QFont fonte = FonteJogo(11);
    host.setFont(fonte);
    host.resize(550, 55);
    auto* painel = new TPainelMensagens(&host);
    for (int i = 0; i < TPainelMensagens::MaximoMensagens; ++i) {
        painel->AdicionaMensagem(QStringLiteral("Activity Coding - Users and Professors: 12 errors "
                                                "found and corrected"),
                                 i);
    }
    QImage imagem(host.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        painel->render(&imagem);
        benchmark::DoNotOptimize(imagem.constBits());
    }
}

} // namespace

// The command column and the activity chart.
BENCHMARK(PinturaFundo)->Args({80, 378})->Args({571, 380})->Unit(benchmark::kMicrosecond);
BENCHMARK(PinturaMensagens)->Unit(benchmark::kMicrosecond);
