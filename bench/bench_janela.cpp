// SPDX-License-Identifier: GPL-3.0-or-later
// Main window: start-up to a painted window, and one "Next Turn" with its repaint.
#include "controls/CommandButton.h"
#include "model/mAtividade.h"
#include "model/mProjeto.h"
#include "model/mSimulador.h"
#include "ui/Formularios.h"
#include "ui/JanelaPrincipal.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QPixmap>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// The eight forms created, then the main window painted into a pixmap.
void BM_InicioJanelaPintada(benchmark::State& state) {
    for (auto _ : state) {
        std::unique_ptr<TMainWindow> janela = CriaFormularios();
        QPixmap imagem = janela->grab();
        benchmark::DoNotOptimize(imagem);
    }
}
BENCHMARK(BM_InicioJanelaPintada)->Unit(benchmark::kMillisecond);

// Corvin alone on every activity.
void PreparaJogo(TMainWindow& janela) {
    TProjetoSoftware* projeto = janela.Projeto();
    projeto->Equipe().append(janela.Simulador()->Desenvolvedores().at(0));
    for (int i = 0; i < projeto->NumeroAtividades(); ++i) {
        projeto->Atividade(i)->SetDesenvolvedor(projeto->Equipe().at(0));
    }
}

// One day of reference run A through the window's command, then the repaint
// it asks for (read-outs, chart, team and message panels) on a shown window.
void BM_ProximoTurnoComPintura(benchmark::State& state) {
    QTemporaryDir pasta;
    const QString ini = pasta.filePath(QStringLiteral("Orvanta.INI"));
    {
        QFile arquivo(ini);
        if (arquivo.open(QIODevice::WriteOnly)) {
            arquivo.write("[Orvanta]\nManager=Bench\n");
        }
    }
    TMainWindow janela;
    janela.Registro().DefineCaminho(ini);
    janela.show();
    while (janela.PrimeiraAtivacao()) {
        QApplication::processEvents();
    }
    PreparaJogo(janela);
    QApplication::processEvents();
    auto* proximoTurno = janela.findChild<TCommandButton*>(QStringLiteral("BtPassaTempo"));
    for (auto _ : state) {
        if (janela.Projeto()->Concluido()) {
            state.PauseTiming();
            QKeyEvent f7(QEvent::KeyPress, Qt::Key_F7, Qt::NoModifier);
            QApplication::sendEvent(&janela, &f7);
            PreparaJogo(janela);
            QApplication::processEvents();
            state.ResumeTiming();
        }
        proximoTurno->OnClick(proximoTurno);
        QApplication::processEvents();
    }
}
BENCHMARK(BM_ProximoTurnoComPintura)->Unit(benchmark::kMicrosecond);

} // namespace
