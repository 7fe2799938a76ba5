// The debrief: opening its window over an 81-day game (goal: under 100 ms),
// following one more turn (under 10 ms), and writing the report's PDF
// (orvanta-report's work after start-up; under 1 s).

#include "debrief/GraficosDebrief.h"
#include "debrief/JanelaDebrief.h"
#include "model/mSimulador.h"
#include "plan/PlanoReferencia.h"

#include <qcustomplot.h>

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// Built and shown, and its first chart painted, as F8 does.
void BM_OpenTheDebriefOfAn81DayGame(benchmark::State& state) {
    const TPlano plano = PlanoReferencia(HorasReferenciaA);
    for (auto _ : state) {
        TJanelaDebrief janela([&plano] { return plano; });
        janela.show();
        benchmark::DoNotOptimize(janela.grab());
    }
}
BENCHMARK(BM_OpenTheDebriefOfAn81DayGame)->Unit(benchmark::kMillisecond);

// The game moves from day 80 to day 81: replayed, analysed, the chart in view
// drawn again and painted.
void BM_FollowATurnOfAn81DayGame(benchmark::State& state) {
    TPlano plano = PlanoReferencia(HorasReferenciaA);
    TJanelaDebrief janela([&plano] { return plano; });
    janela.show();
    int dias = 80;
    for (auto _ : state) {
        plano.MaximoDias = dias;
        janela.Atualiza();
        // The replot Atualiza queued, done now, and the widget painted.
        janela.Grafico(0)->replot();
        benchmark::DoNotOptimize(janela.Grafico(0)->grab());
        dias = dias == 80 ? 81 : 80;
    }
}
BENCHMARK(BM_FollowATurnOfAn81DayGame)->Unit(benchmark::kMillisecond);

void BM_WriteTheReportPdfOfAn81DayGame(benchmark::State& state) {
    QTemporaryDir pasta;
    TSimuladorProjeto sim;
    const QString caminho = pasta.filePath(QStringLiteral("r.pdf"));
    for (auto _ : state) {
        const TAnaliseJogo analise = AnalisaPlano(sim, PlanoReferencia(HorasReferenciaA));
        QString erro;
        if (!ExportaDebrief(analise, caminho, erro)) {
            state.SkipWithError(qPrintable(erro));
            return;
        }
    }
}
BENCHMARK(BM_WriteTheReportPdfOfAn81DayGame)->Unit(benchmark::kMillisecond);

} // namespace
