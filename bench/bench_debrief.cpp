// The debrief: opening its window over an 81-day game (goal: under 100 ms),
// following one more turn with each tab in view (under 10 ms), writing the
// report's PDF (orvanta-report's work after start-up; under 1 s), and the
// report of a game that never ends, a million days (memory and files
// bounded: a few hundred MB and a few MB at most).

#include "debrief/GraficosDebrief.h"
#include "debrief/JanelaDebrief.h"
#include "model/mSimulador.h"
#include "plan/PlanoReferencia.h"

#include <qcustomplot.h>

#include <QDirIterator>
#include <QTabWidget>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <sys/resource.h>

namespace {

// Built and shown, and its first tab (the summary) painted, as F8 does.
void BM_OpenTheDebriefOfAn81DayGame(benchmark::State& state) {
    const TPlano plano = PlanoReferencia(HorasReferenciaA);
    for (auto _ : state) {
        TJanelaDebrief janela([&plano] { return plano; });
        janela.show();
        benchmark::DoNotOptimize(janela.grab());
    }
}
BENCHMARK(BM_OpenTheDebriefOfAn81DayGame)->Unit(benchmark::kMillisecond);

// The game moves from day 80 to day 81 with tab state.range(0) in view:
// replayed, analysed, the tab drawn again and painted.
void BM_FollowATurnOfAn81DayGame(benchmark::State& state) {
    TPlano plano = PlanoReferencia(HorasReferenciaA);
    TJanelaDebrief janela([&plano] { return plano; });
    janela.show();
    auto* abas = janela.findChild<QTabWidget*>();
    abas->setCurrentIndex(static_cast<int>(state.range(0)));
    state.SetLabel(abas->tabText(abas->currentIndex()).toStdString());
    int dias = 80;
    for (auto _ : state) {
        plano.MaximoDias = dias;
        janela.Atualiza();
        // The replot Atualiza queued, done now, and the tab painted.
        if (auto* grafico = abas->currentWidget()->findChild<QCustomPlot*>()) {
            grafico->replot();
        }
        benchmark::DoNotOptimize(abas->currentWidget()->grab());
        dias = dias == 80 ? 81 : 80;
    }
}
BENCHMARK(BM_FollowATurnOfAn81DayGame)->DenseRange(0, 6)->Unit(benchmark::kMillisecond);

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

// Run B with its last test left to nobody: it never ends. Analysed and
// written as SVG files, one a chart; reported: the process's peak memory
// and the largest file.
void BM_ReportOfAMillionDayGame(benchmark::State& state) {
    QTemporaryDir pasta;
    TSimuladorProjeto sim;
    TPlano plano = PlanoReferencia(HorasReferenciaB);
    plano.Inicio.Alocacoes.removeLast();
    plano.MaximoDias = TPlano::LimiteDias;
    const QString caminho = pasta.filePath(QStringLiteral("r.svg"));
    for (auto _ : state) {
        const TAnaliseJogo analise = AnalisaPlano(sim, plano);
        QString erro;
        if (!ExportaDebrief(analise, caminho, erro)) {
            state.SkipWithError(qPrintable(erro));
            return;
        }
    }
    qint64 maior = 0;
    for (QDirIterator it(pasta.path(), QDir::Files); it.hasNext();) {
        maior = std::max(maior, it.nextFileInfo().size());
    }
    rusage uso{};
    getrusage(RUSAGE_SELF, &uso);
    state.counters["peak_rss_MB"] = static_cast<double>(uso.ru_maxrss) / 1024.0;
    state.counters["largest_file_KB"] = static_cast<double>(maior) / 1024.0;
}
BENCHMARK(BM_ReportOfAMillionDayGame)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
