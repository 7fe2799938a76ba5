// SPDX-License-Identifier: GPL-3.0-or-later
// Plans: reference run A played through the plan library (one evaluation of
// a plan search), the per-turn work of recording a game, and an 81-day game
// record read, replayed and verified in-process (orvanta-sim --verify once
// started).

#include "model/mAtividade.h"
#include "model/mDesenvolvedor.h"
#include "model/mProjeto.h"
#include "model/mSimulador.h"
#include "plan/EscritorPlano.h"
#include "plan/EstadoJogador.h"
#include "plan/GravadorPlano.h"
#include "plan/JogoPlano.h"
#include "plan/LeitorPlano.h"
#include "plan/VerificacaoPlano.h"

#include <QDateTime>
#include <QJsonArray>
#include <benchmark/benchmark.h>

namespace {

// Corvin alone on every activity: "R", then "Next Turn" to the end.
void PreparaA(TSimuladorProjeto& sim) {
    TDesenvolvedor* corvin = sim.Desenvolvedores().at(0);
    sim.Projeto()->Equipe().append(corvin);
    for (TAtividade* a : sim.Projeto()->Atividades()) {
        a->SetDesenvolvedor(corvin);
    }
}

// Run A as the game records it, with the meta a game record carries.
TPlano RegistroA(TSimuladorProjeto& sim) {
    sim.Reiniciar();
    PreparaA(sim);
    TGravadorPlano gravador;
    QJsonArray horarios;
    const QDateTime inicio(QDate(2024, 3, 1), QTime(9, 0));
    while (!sim.Projeto()->Concluido()) {
        gravador.AntesDoPasso(sim);
        sim.AvancarDia(nullptr);
        gravador.DepoisDoPasso(sim);
        horarios.append(inicio.addSecs(7 * horarios.size()).toOffsetFromUtc(3600).toString(
            Qt::ISODate));
    }
    TPlano plano = gravador.Plano();
    plano.Meta = QJsonObject{{"program", "Orvanta 1.0"},
                             {"manager", "Tester"},
                             {"game", 1},
                             {"started", horarios.first()},
                             {"days_played_at", horarios}};
    return plano;
}

void BM_PlayReferenceA(benchmark::State& state) {
    TSimuladorProjeto sim;
    TPlano plano = RegistroA(sim);
    plano.MaximoDias = TPlano::PadraoMaximoDias;
    for (auto _ : state) {
        benchmark::DoNotOptimize(JogaPlano(sim, plano).Custo);
    }
}
BENCHMARK(BM_PlayReferenceA)->Unit(benchmark::kMicrosecond);

void BM_PlayReferenceAWithMessagesAndTrace(benchmark::State& state) {
    TSimuladorProjeto sim;
    const TPlano plano = RegistroA(sim);
    for (auto _ : state) {
        TListaMensagens receptor;
        TRastro rastro;
        benchmark::DoNotOptimize(JogaPlano(sim, plano, &receptor, &rastro).Custo);
    }
}
BENCHMARK(BM_PlayReferenceAWithMessagesAndTrace)->Unit(benchmark::kMicrosecond);

// What the window adds to a turn to keep its record: the state before and
// after the step, and the whole 81-day record written out as text.
void BM_RecordTurnOf81DayGame(benchmark::State& state) {
    TSimuladorProjeto sim;
    const TPlano plano = RegistroA(sim);
    const TEstadoJogador estado = CapturaEstado(sim);
    for (auto _ : state) {
        const TMudancasPlano mudancas = MudancasEntre(estado, CapturaEstado(sim), 81);
        benchmark::DoNotOptimize(mudancas.Vazia());
        benchmark::DoNotOptimize(EscrevePlano(plano, sim).size());
    }
}
BENCHMARK(BM_RecordTurnOf81DayGame)->Unit(benchmark::kMicrosecond);

// The runner's whole work after start-up: the scenario built, the record
// read, replayed with its messages, verified, and the output formatted.
void BM_VerifyRecordOf81Days(benchmark::State& state) {
    QByteArray texto;
    {
        TSimuladorProjeto sim;
        TPlano plano = RegistroA(sim);
        plano.Resultado = ResultadoAtual(sim);
        texto = EscrevePlano(plano, sim);
    }
    for (auto _ : state) {
        TSimuladorProjeto sim;
        const TPlano plano = LePlano(texto, QStringLiteral("game-1.json"), sim);
        TListaMensagens receptor;
        const TVerificacao v = VerificaPlano(sim, plano, &receptor);
        QString saida;
        for (const TMensagemJogo& m : receptor.Mensagens) {
            saida += FormataLinhaMensagem(m.Texto, m.Dia) + QLatin1Char('\n');
        }
        benchmark::DoNotOptimize(saida.toUtf8().size());
        if (!v.Confere) {
            state.SkipWithError("the record does not verify");
        }
    }
}
BENCHMARK(BM_VerifyRecordOf81Days)->Unit(benchmark::kMillisecond);

} // namespace
