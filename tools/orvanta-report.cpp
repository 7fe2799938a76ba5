// SPDX-License-Identifier: GPL-3.0-or-later
// orvanta-report: the debrief's charts of a plan or game record, written to a
// PDF, SVG or PNG file without a window, for handouts and reviews.

#include "analise/AnaliseJogo.h"
#include "debrief/GraficosDebrief.h"
#include "graficos/ExportaGraficos.h"
#include "model/mSimulador.h"
#include "plan/LeitorPlano.h"
#include "tools/AplicacaoGrafica.h"
#include "tools/ExecucaoFerramenta.h"

#include <QCommandLineParser>
#include <QFile>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>

namespace {

const char* const Uso =
    "usage: orvanta-report PLAN.json -o FILE.pdf|FILE.svg|FILE.png [--chart NAME]";

const char* const Ajuda = R"(usage: orvanta-report PLAN.json -o FILE.pdf|FILE.svg|FILE.png [--chart NAME]
       orvanta-report --help

Replays a plan of the Orvanta project game (a game record written by the
game is one; see orvanta-sim --help for the format) and draws the debrief,
as the game's F8 window shows it, in colours and dash styles readable on
paper, also in grey. Numbers are written as the game writes them (days
"1,234", money "10,796.21", with the user's separators). The charts, and
the NAME that chooses one:

  summary    the cover: manager, game number, when it was played, its
             result and whether the record replays to it (from the plan's
             "meta" and "result"); where the days and money went, per
             developer (cost, hours worked, overtime, days in the team,
             idle and exhausted) and per functional area (cost, inspection
             hours given, errors the inspection found and that reached the
             test)
  decisions  every change the player made (team, hours, inspection time,
             assignments) on a timeline, with the warnings, exhaustion and
             inspections skipped for want of time, over each day's cost
  cost       the cost so far, and each day's cost on a plot of its own
  quality    a plot per functional area: errors made, found and corrected,
             and still in the product, with the level its test must reach
  team       a row per developer in the team: exhaustion (below 0, rest in
             hand) with the warning (25) and exhaustion (50) levels and his
             exhausted days shaded, and the hours of each day under it
  schedule   when each activity was worked on, by whom, the critical path
             as played, inspections skipped, and the idle team members

The day charts mark the player's decisions and what followed on a strip
above them. A game longer than a few thousand days is summarised: its
daily values are merged into at most 4,000 points (the charts say how many
days a point stands for), so the files stay small whatever its length.

PLAN.json is a file, or - for standard input. The output's extension (any
case) chooses its format:
  .pdf   the summary as its cover, then one chart per A4 landscape page,
         then the decisions listed day by day (up to 300 of them); its
         title and author name the game and its manager
  .svg   one drawing per chart, beside FILE: FILE-summary.svg,
         FILE-decisions.svg, FILE-cost.svg, FILE-quality.svg,
         FILE-team.svg and FILE-schedule.svg
  .png   one picture per chart (1920 x 1200 pixels), named as for .svg
With --chart NAME, that chart alone is written, to FILE itself.

Options:
  -o, --output FILE  the file to write (each replaced only once it is whole)
  --chart NAME       one chart only: summary, decisions, cost, quality, team
                     or schedule
  -h, --help         print this help

Exit status: 0 when every file was written; 2 for bad arguments, an unknown
extension or chart, a bad plan, an output that is the plan itself (also
through a link) or an output that cannot be written, with one line on
standard error and the output files left as they were (of several files,
those written before the one that failed are kept). It reads no file but
the plan: it needs none of the game's pictures.
)";

void EscreveErro(const QString& linha) {
    EscreveErroFerramenta("orvanta-report", linha);
}

struct TOpcoes {
    QString plano;
    QString saida;
    int grafico = TodosGraficosDebrief;
};

std::optional<TOpcoes> LeOpcoes(const QStringList& argumentos, bool& ajuda, QString& erro) {
    QCommandLineParser parser;
    const QCommandLineOption opcaoSaida(QStringList{"o", "output"}, QString(), "FILE");
    const QCommandLineOption opcaoGrafico(QStringLiteral("chart"), QString(), "NAME");
    parser.addOptions({opcaoSaida, opcaoGrafico});
    if (!AnalisaArgumentos(parser, argumentos, QLatin1Char(' ') + QLatin1String(Uso), ajuda,
                           erro)) {
        return std::nullopt;
    }
    if (parser.positionalArguments().size() != 1 || !parser.isSet(opcaoSaida) ||
        parser.values(opcaoSaida).size() != 1 || parser.values(opcaoGrafico).size() > 1) {
        erro = QLatin1String(Uso);
        return std::nullopt;
    }
    TOpcoes opcoes{parser.positionalArguments().constFirst(), parser.value(opcaoSaida)};
    if (!FormatoPorNome(opcoes.saida)) {
        erro = QStringLiteral("unknown output extension (use .pdf, .svg or .png): ") + opcoes.saida;
        return std::nullopt;
    }
    if (parser.isSet(opcaoGrafico)) {
        const QStringList nomes = ArquivosGraficosDebrief();
        opcoes.grafico = static_cast<int>(nomes.indexOf(parser.value(opcaoGrafico)));
        if (opcoes.grafico < 0) {
            erro = QStringLiteral("unknown chart (use %1): ").arg(nomes.join(QStringLiteral(", "))) +
                   parser.value(opcaoGrafico);
            return std::nullopt;
        }
    }
    return opcoes;
}

// Whether two paths name one file, also through links (symbolic or hard);
// false when either does not exist.
bool MesmoArquivo(const QString& a, const QString& b) {
    namespace fs = std::filesystem;
    std::error_code erro;
    const bool mesmo = fs::equivalent(fs::path(QFile::encodeName(a).toStdString()),
                                      fs::path(QFile::encodeName(b).toStdString()), erro);
    return mesmo && !erro;
}

int Executa(const TOpcoes& opcoes) {
    // A report written over the plan it reads would lose the student's record.
    if (opcoes.plano != QLatin1String("-")) {
        for (const QString& saida : ArquivosExportacao(opcoes.saida, opcoes.grafico)) {
            if (MesmoArquivo(saida, opcoes.plano)) {
                EscreveErro(QStringLiteral("the output %1 is the plan it reads; give another name")
                                .arg(saida));
                return 2;
            }
        }
    }
    TSimuladorProjeto sim;
    TAnaliseJogo analise;
    try {
        const TPlano plano =
            LePlano(LeArquivoPlano(opcoes.plano), NomeArquivoPlano(opcoes.plano), sim);
        analise = AnalisaPlano(sim, plano);
    } catch (const EPlano& e) {
        EscreveErro(e.mensagem);
        return 2;
    }
    QString erro;
    if (!ExportaDebrief(analise, opcoes.saida, erro, opcoes.grafico)) {
        EscreveErro(erro);
        return 2;
    }
    return 0;
}

std::unique_ptr<QCoreApplication> CriaAplicacao(int& argc, char** argv, const TOpcoes&) {
    return CriaAplicacaoGrafica(argc, argv, "orvanta-report", true);
}

} // namespace

int main(int argc, char** argv) {
    return ExecutaFerramenta<TOpcoes>(argc, argv, "orvanta-report", Ajuda, LeOpcoes, Executa,
                                      CriaAplicacao);
}
