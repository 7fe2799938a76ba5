// SPDX-License-Identifier: GPL-3.0-or-later
// The game's record of itself: what keeping games/game-N.json adds to a turn
// of the window (the state before and after the step, the whole record
// written out and handed to the writing thread), and, apart, the writing
// thread's own work per record (QSaveFile, flushed to the disk), which the
// turn does not wait for.

#include "arquivos/EscritorArquivos.h"
#include "model/mAtividade.h"
#include "model/mProjeto.h"
#include "model/mSimulador.h"
#include "plan/EscritorPlano.h"
#include "plan/JogoPlano.h"
#include "registro/GravacaoJogo.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// Corvin alone on every activity, as "R" leaves it.
void PreparaA(TSimuladorProjeto& sim) {
    sim.Reiniciar();
    sim.Projeto()->Equipe().append(sim.Desenvolvedores().at(0));
    for (TAtividade* a : sim.Projeto()->Atividades()) {
        a->SetDesenvolvedor(sim.Desenvolvedores().at(0));
    }
}

// One iteration is a whole game of run A recorded (81 turns, then the
// result); only the recording's calls are timed. The time shown is per
// turn; "last_turn_us" is the last turn's, the one that writes out the
// largest record.
void BM_RecordingAddsToATurn(benchmark::State& state) {
    QTemporaryDir pasta;
    TSimuladorProjeto sim;
    TGravacaoJogo gravacao(sim);
    double ultimos = 0.0;
    int jogo = 0;
    for (auto _ : state) {
        PreparaA(sim);
        gravacao.Reinicia();
        QElapsedTimer relogio;
        qint64 total = 0;
        relogio.start();
        gravacao.IniciaJogo(++jogo, pasta.path(), QStringLiteral("Bench"));
        total += relogio.nsecsElapsed();
        int turnos = 0;
        while (!sim.Projeto()->Concluido()) {
            relogio.restart();
            gravacao.AntesDoPasso();
            const qint64 antes = relogio.nsecsElapsed();
            sim.AvancarDia(nullptr);
            relogio.restart();
            gravacao.DepoisDoPasso();
            const qint64 turno = antes + relogio.nsecsElapsed();
            if (sim.Projeto()->Concluido()) {
                ultimos += turno / 1e3;
            }
            total += turno;
            ++turnos;
        }
        relogio.restart();
        gravacao.RegistraResultado();
        total += relogio.nsecsElapsed();
        state.SetIterationTime(total / 1e9 / turnos);
        // The writing thread catches up outside the timed calls.
        gravacao.AguardaGravacoes();
    }
    state.counters["last_turn_us"] = benchmark::Counter(ultimos, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_RecordingAddsToATurn)->UseManualTime()->Unit(benchmark::kMicrosecond);

// The writing thread's work for one 81-day record: the folder checked, the
// file written whole, flushed to the disk and renamed over the old one.
// Mostly waiting for the disk.
void BM_WritingThreadSavesA81DayRecord(benchmark::State& state) {
    QTemporaryDir pasta;
    TSimuladorProjeto sim;
    TGravacaoJogo gravacao(sim);
    PreparaA(sim);
    gravacao.IniciaJogo(1, pasta.path(), QStringLiteral("Bench"));
    while (!sim.Projeto()->Concluido()) {
        gravacao.AntesDoPasso();
        sim.AvancarDia(nullptr);
        gravacao.DepoisDoPasso();
    }
    gravacao.AguardaGravacoes();
    const QByteArray texto = EscrevePlano(gravacao.Plano(), sim);
    TEscritorArquivos escritor;
    const QString caminho = TGravacaoJogo::CaminhoJogo(pasta.path(), 1);
    for (auto _ : state) {
        escritor.Grava(caminho, texto, 1);
        escritor.Aguarda();
    }
    state.SetBytesProcessed(state.iterations() * texto.size());
}
BENCHMARK(BM_WritingThreadSavesA81DayRecord)->UseRealTime()->Unit(benchmark::kMillisecond);

} // namespace
