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

#include <cstdio>
#include <memory>
#include <optional>

namespace {

const char* const Uso = "usage: orvanta-report PLAN.json -o FILE.pdf|FILE.svg|FILE.png";

const char* const Ajuda = R"(usage: orvanta-report PLAN.json -o FILE.pdf|FILE.svg|FILE.png
       orvanta-report --help

Replays a plan of the Orvanta project game (a game record written by the
game is one; see orvanta-sim --help for the format) and draws the debrief's
charts, as the game's F8 window shows them, in colours readable on paper:

  Cost       cumulative cost and the cost of each day
  Quality    per functional area: errors made, found and corrected, and
             remaining, with the test's target level
  Team       per developer in the team: daily hours and exhaustion, the
             warning (25) and exhaustion (50) levels, exhausted days shaded
  Schedule   when each activity was worked on, by whom, the critical path
             as played, and the idle team members each day
  Summary    days, cost, cost per functional area, overtime hours,
             developer-days exhausted, idle developer-days, errors that
             reached the tests

PLAN.json is a file, or - for standard input. The output's extension (any
case) chooses its format:
  .pdf   one chart per A4 landscape page
  .svg   one drawing, the charts stacked top to bottom
  .png   one picture, the charts stacked, each 1920 x 1200 pixels

Options:
  -o, --output FILE  the file to write (replaced only once it is whole)
  -h, --help         print this help

Exit status: 0 when the file was written; 2 for bad arguments, an unknown
extension, a bad plan or an output that cannot be written, with one line on
standard error and the output file left as it was. It reads no file but
the plan: it needs none of the game's pictures.
)";

void EscreveErro(const QString& linha) {
    EscreveErroFerramenta("orvanta-report", linha);
}

struct TOpcoes {
    QString plano;
    QString saida;
};

std::optional<TOpcoes> LeOpcoes(const QStringList& argumentos, bool& ajuda, QString& erro) {
    QCommandLineParser parser;
    const QCommandLineOption opcaoSaida(QStringList{"o", "output"}, QString(), "FILE");
    parser.addOption(opcaoSaida);
    if (!AnalisaArgumentos(parser, argumentos, QLatin1Char(' ') + QLatin1String(Uso), ajuda,
                           erro)) {
        return std::nullopt;
    }
    if (parser.positionalArguments().size() != 1 || !parser.isSet(opcaoSaida) ||
        parser.values(opcaoSaida).size() != 1) {
        erro = QLatin1String(Uso);
        return std::nullopt;
    }
    TOpcoes opcoes{parser.positionalArguments().constFirst(), parser.value(opcaoSaida)};
    if (!FormatoPorNome(opcoes.saida)) {
        erro = QStringLiteral("unknown output extension (use .pdf, .svg or .png): ") + opcoes.saida;
        return std::nullopt;
    }
    return opcoes;
}

int Executa(const TOpcoes& opcoes) {
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
    if (!ExportaDebrief(analise, opcoes.saida, erro)) {
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
