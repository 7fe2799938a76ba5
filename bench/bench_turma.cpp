// SPDX-License-Identifier: GPL-3.0-or-later
// Class results: a class of 1,000 game records found, read, replayed,
// verified and tabulated with its summary, as orvanta-class does after
// start-up (goal: under 2 s).

#include "model/mSimulador.h"
#include "plan/EscritorPlano.h"
#include "plan/JogoPlano.h"
#include "turma/ArquivosTurma.h"
#include "turma/LeitorTurma.h"
#include "turma/ResumoTurma.h"
#include "turma/TabelaCsv.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// Record i of a class: one developer on every activity, hours changed on
// day 10, with the meta and the result the game writes.
TPlano RegistroGerado(TSimuladorProjeto& sim, int i) {
    const int d = i % 7;
    TPlano plano;
    plano.Inicio.Equipe = QList<int>{d};
    plano.Inicio.Horas = {{d, 8 + i % 5}};
    for (int a = 0; a < 16; ++a) {
        plano.Inicio.Alocacoes.append({a, d});
    }
    TMudancasPlano evento;
    evento.Dia = 10;
    evento.Horas = {{d, 8 + (i / 7) % 5}};
    plano.Eventos.append(evento);
    plano.Meta = QJsonObject{{"program", "Orvanta 1.0"},
                             {"manager", QStringLiteral("Student %1").arg(i / 3)},
                             {"game", i % 3 + 1},
                             {"started", "2024-03-01T09:00:00+01:00"},
                             {"days_played_at", QJsonArray{}}};
    plano.Resultado = JogaPlano(sim, plano);
    plano.MaximoDias = plano.Resultado->Dias;
    return plano;
}

void BM_VerifyAndTabulateClassOf1000Records(benchmark::State& state) {
    QTemporaryDir pasta;
    {
        TSimuladorProjeto sim;
        for (int i = 0; i < 1000; ++i) {
            const QString caminho =
                pasta.filePath(QStringLiteral("s%1/games/game-%2.json").arg(i / 3).arg(i % 3 + 1));
            QDir().mkpath(QFileInfo(caminho).path());
            QFile arquivo(caminho);
            if (!arquivo.open(QIODevice::WriteOnly) ||
                arquivo.write(EscrevePlano(RegistroGerado(sim, i), sim)) < 0) {
                state.SkipWithError("cannot write the class");
                return;
            }
        }
    }
    for (auto _ : state) {
        TLeitorTurma leitor;
        const QList<TLinhaTurma> linhas = leitor.LeTodos(BuscaArquivosTurma({pasta.path()}));
        benchmark::DoNotOptimize(TabelaCsv(linhas).size());
        const TResumoTurma resumo = ResumeTurma(linhas);
        benchmark::DoNotOptimize(TextoResumo(resumo, linhas).size());
        if (resumo.Verificados != 1000) {
            state.SkipWithError("a generated record does not verify");
        }
    }
}
BENCHMARK(BM_VerifyAndTabulateClassOf1000Records)->Unit(benchmark::kMillisecond);

} // namespace
