// SPDX-License-Identifier: GPL-3.0-or-later
// orvanta-report: the debrief's charts of a plan or game record, written to a
// PDF, SVG or PNG file without a window, for handouts and reviews.

#include "analise/AnaliseJogo.h"
#include "analise/FrentePar.h"
#include "analise/ParJogo.h"
#include "debrief/GraficosDebrief.h"
#include "graficos/ExportaGraficos.h"
#include "model/mSimulador.h"
#include "plan/LeitorPlano.h"
#include "tools/AplicacaoGrafica.h"
#include "tools/ExecucaoFerramenta.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>

namespace {

const char* const Uso =
    "usage: orvanta-report PLAN.json -o FILE.pdf|FILE.svg|FILE.png [--chart NAME] [--best DIR]";

const char* const Ajuda = R"(usage: orvanta-report PLAN.json -o FILE.pdf|FILE.svg|FILE.png [--chart NAME] [--best DIR]
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
  par        the game beside the best known plans: days against cost with
             the front as a line, the game, runs A and B and the par plan
             (the cheapest known plan that finishes in no more days than
             the game, or the fastest when none does; a game not concluded
             counts with the days played); the two side by side (team and
             when each member joined, overtime hours, inspection hours,
             idle and exhausted developer-days, errors that reached the
             tests); the par plan's schedule under the game's

The best known plans are those shipped with the game (best/ beside the
program, or ../share/orvanta/best when installed), or the front of
orvanta-best in DIR with --best DIR. A practice game's record (its "meta"
has "branch_of") is drawn beside the game it was played again from, when
that record lies beside it (game-G.json, or the practice record it names):
its cost line under the practice's, and both results.

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
         FILE-team.svg, FILE-schedule.svg and FILE-par.svg
  .png   one picture per chart (1920 x 1200 pixels), named as for .svg
With --chart NAME, that chart alone is written, to FILE itself.

Options:
  -o, --output FILE  the file to write (each replaced only once it is whole)
  --chart NAME       one chart only: summary, decisions, cost, quality, team,
                     schedule or par
  --best DIR         the best known plans to compare with: a folder
                     orvanta-best wrote (front.json and its plans)
  -h, --help         print this help

When the shipped plans cannot be found or read, the par page says so and
one line on standard error tells it; the files are written all the same.

Exit status: 0 when every file was written; 2 for bad arguments, an unknown
extension or chart, a bad plan, a --best DIR whose front cannot be read, an
output that is the plan itself (also through a link) or an output that
cannot be written, with one line on standard error and the output files
left as they were (of several files, those written before the one that
failed are kept). It reads no file but the plan and the best known plans:
it needs none of the game's pictures.
)";

void EscreveErro(const QString& linha) {
    EscreveErroFerramenta("orvanta-report", linha);
}

struct TOpcoes {
    QString plano;
    QString saida;
    int grafico = TodosGraficosDebrief;
    QString melhores; // --best DIR; empty for the shipped plans
};

std::optional<TOpcoes> LeOpcoes(const QStringList& argumentos, bool& ajuda, QString& erro) {
    QCommandLineParser parser;
    const QCommandLineOption opcaoSaida(QStringList{"o", "output"}, QString(), "FILE");
    const QCommandLineOption opcaoGrafico(QStringLiteral("chart"), QString(), "NAME");
    const QCommandLineOption opcaoMelhores(QStringLiteral("best"), QString(), "DIR");
    parser.addOptions({opcaoSaida, opcaoGrafico, opcaoMelhores});
    if (!AnalisaArgumentos(parser, argumentos, QLatin1Char(' ') + QLatin1String(Uso), ajuda,
                           erro)) {
        return std::nullopt;
    }
    if (parser.positionalArguments().size() != 1 || !parser.isSet(opcaoSaida) ||
        parser.values(opcaoSaida).size() != 1 || parser.values(opcaoGrafico).size() > 1 ||
        parser.values(opcaoMelhores).size() > 1) {
        erro = QLatin1String(Uso);
        return std::nullopt;
    }
    TOpcoes opcoes;
    opcoes.plano = parser.positionalArguments().constFirst();
    opcoes.saida = parser.value(opcaoSaida);
    opcoes.melhores = parser.value(opcaoMelhores);
    if (parser.isSet(opcaoMelhores) && opcoes.melhores.isEmpty()) {
        erro = QStringLiteral("--best needs a folder; ") + QLatin1String(Uso);
        return std::nullopt;
    }
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

// The record a practice game was played again from, when it lies beside the
// practice's own record: its analysis, or none.
std::shared_ptr<const TJogoOriginal> Original(const TOpcoes& opcoes, const TCapaJogo& capa,
                                              TSimuladorProjeto& sim) {
    if (!capa.Ramo || opcoes.plano == QLatin1String("-")) {
        return nullptr;
    }
    const TRamoJogo& ramo = *capa.Ramo;
    const QString nome = ramo.Registro.isEmpty() ? QStringLiteral("game-%1.json").arg(ramo.Jogo)
                                                 : ramo.Registro;
    // Only a file of the same folder, whatever the record says.
    if (nome.contains(QLatin1Char('/')) || nome.contains(QLatin1Char('\\')) ||
        nome.startsWith(QLatin1Char('.'))) {
        return nullptr;
    }
    const QString caminho = QFileInfo(opcoes.plano).dir().filePath(nome);
    if (!QFileInfo(caminho).isFile()) {
        EscreveErro(QStringLiteral("note: %1, the game this practice was played again from, is "
                                   "not beside it; the practice is drawn alone")
                        .arg(NomeArquivoPlano(caminho)));
        return nullptr;
    }
    try {
        const TPlano original = LePlano(LeArquivoPlano(caminho), NomeArquivoPlano(caminho), sim);
        return JogoOriginal(ramo, AnalisaPlano(sim, original));
    } catch (const EPlano& e) {
        EscreveErro(QStringLiteral("note: the practice is drawn alone: ") + e.mensagem);
        return nullptr;
    }
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
    TFrentePar frente;
    if (opcoes.melhores.isEmpty()) {
        frente = CarregaFrentePar(sim);
    } else {
        try {
            frente = LeFrentePar(opcoes.melhores, sim);
        } catch (const EPlano& e) {
            EscreveErro(e.mensagem);
            return 2;
        }
    }
    TAnaliseJogo analise;
    try {
        const TPlano plano =
            LePlano(LeArquivoPlano(opcoes.plano), NomeArquivoPlano(opcoes.plano), sim);
        analise = AnalisaPlano(sim, plano);
    } catch (const EPlano& e) {
        EscreveErro(e.mensagem);
        return 2;
    }
    if (!frente.Erro.isEmpty()) {
        EscreveErro(QStringLiteral("note: the par page compares with nothing: ") + frente.Erro);
    }
    TComparadorPar comparador(std::move(frente));
    analise.Par = comparador.ParDe(analise.Capa.Rejogado, sim);
    analise.Original = Original(opcoes, analise.Capa, sim);
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
