// SPDX-License-Identifier: GPL-3.0-or-later
// orvanta-class: a class's results table. Finds the students' game records
// and record files, replays every record to check the result it claims, and
// writes one CSV row per game, a summary, and on request a chart.
//
// Nothing is written but the outputs asked for, each replaced at once; bad
// usage produces one line on standard error, exit status 2 and nothing else.

#include "arquivos/GravaArquivo.h"
#include "graficos/ExportaGraficos.h"
#include "texto/TextoEscapado.h"
#include "tools/AplicacaoGrafica.h"
#include "tools/ExecucaoFerramenta.h"
#include "turma/ArquivosTurma.h"
#include "turma/FrenteTurma.h"
#include "turma/GraficoTurma.h"
#include "turma/LeitorTurma.h"
#include "turma/ResumoTurma.h"
#include "turma/TabelaCsv.h"

#include <QCommandLineParser>

#include <cstdio>
#include <memory>
#include <optional>

namespace {

const char* const Uso =
    "usage: orvanta-class [--csv FILE] [--plot FILE.svg|.pdf|.png [--front FRONT.json|--no-front]] "
    "PATH...";

const char* const Ajuda =
    R"(usage: orvanta-class [--csv FILE] [--plot FILE.svg|.pdf|.png [--front FRONT.json|--no-front]] PATH...
       orvanta-class --help

Builds a class's results table from the students' game records (the
games/game-N.json files the game writes beside its Orvanta.INI) and record
files (Orvanta.INI). Every game record is replayed: its result is verified
only when the replay gives it, as orvanta-sim --verify decides.

Each PATH is a game record, a record file, or a folder searched through its
subfolders for game records (names ending in ".json") and record files
(named "Orvanta.INI"), in any case. A file given by name is a record file
when its name ends in ".ini", a game record otherwise. Names starting with
"." are skipped; links to folders are not followed. A file reached twice is
read once.

Options:
  --csv FILE     write the table to FILE instead of standard output
  --plot FILE    draw days against cost to FILE (.svg, .pdf or .png)
  --front FILE   with --plot: draw this best-known front of orvanta-best
                 (its front.json: a list of {"plan", "days", "cost"});
                 without it, the front shipped with the game is drawn
  --no-front     with --plot: draw no front
  -h, --help     print this help

The table (CSV, RFC 4180: fields with a comma, a double quote or a line break
in double quotes, quotes doubled; lines end in CRLF; UTF-8) has the header
  file,manager,game,concluded,days,cost,check,sha256
and one row per game, ordered by file (folder by folder, numbers in names by
value: game-2 before game-10), then game number:
  file       the PATH as given (cleaned of "." and ".." parts), followed for
             a file found in a folder by its path inside it; "/" separators
  manager    a record's "meta" "manager"; a record file's "Manager"
  game       a record's "meta" "game"; the N of a record file's "#N" section;
             empty for a practice game's record (games/practice-G-N.json,
             whose "meta" has "branch_of": {"game": G, "day": N})
  concluded  true or false, as the record claims; a record file's game is
             true when its section holds both "Cost" and "Time"
  days       whole days, as claimed
  cost       two decimals, "." as decimal separator, as claimed
  check      verified    a record whose replay gives its result
             mismatch    a record whose replay gives another result
             unverified  a game of a record file (it holds no plan)
             unreadable  a file that cannot be read (missing, not a regular
                         file, too large: 8 MiB for a record, 1 MiB for a
                         record file), a name that is not UTF-8 text, a
                         folder that cannot be searched, a record that is not
                         a valid plan or has no "result", a record file with
                         no [Orvanta] section and no games
  sha256     the hex SHA-256 digest of the file's bytes: a receipt a student
             can send with the result; empty when the file was not read
Text that came from the students (file and manager) and begins with =, +,
-, @, a tab or a carriage return is written with a leading ' so that a
spreadsheet shows it as text instead of running it as a formula; control
characters other than tab, CR and LF are written as U+FFFD, the replacement
character. Numbers are never marked.
An unreadable row keeps what could be read (a record's "meta" and "result"
when they have the right types) and leaves the rest empty. A record without
"meta" has an empty manager and game. A record file gives one row per game
section (none when it holds no game), its "Cost" and "Time" read with "." or
"," as decimal separator; a section without them has those columns and
concluded empty.

Summary, on standard error: the count of games by check; over the verified
counted games that concluded, the median and the least days and cost (a
practice game's record is checked and listed, but counted apart and left
out of these and of the chart); the managers
with more than one counted game (different game numbers among the rows that
name manager and game); then one line per mismatch (both results) and per
unreadable file (the reason).

The chart (--plot): days (x) against cost (y), one point per verified game
that concluded, mismatching records apart at what they claim, reference runs
A and B (Corvin alone on every activity at 8 and at 12 hours) marked, and
the best-known front as a step line: the one --front names, or else the
one shipped with the game (best/front.json beside the program, or
../share/orvanta/best/front.json when installed); when that cannot be
found or read, a line on standard error says so and the chart has no
front.

Exit status: 0 when no game is mismatch; 3 when any is; 2 for bad usage (an
unknown option, no PATH, a PATH that does not exist, --front or --no-front
without --plot, both of them,
a --plot name without a known extension, a front file that cannot be read,
an output that is also an input or both outputs the same file), with one
line on standard error and nothing written; 1 when an output cannot be
written, with one line on standard error.
)";

// Quoted text is escaped where it is quoted; this keeps the line whole
// whatever else it holds (an option typed on the command line).
void EscreveErro(const QString& linha) {
    EscreveErroFerramenta("orvanta-class", linha);
}

struct TOpcoes {
    QStringList caminhos;
    QString csv;
    QString grafico;
    QString frente;
    bool semFrente = false;
};

// The options, or the line that says what is wrong with them.
std::optional<TOpcoes> LeOpcoes(const QStringList& argumentos, bool& ajuda, QString& erro) {
    QCommandLineParser parser;
    const QCommandLineOption opcaoCsv("csv", QString(), "FILE");
    const QCommandLineOption opcaoGrafico("plot", QString(), "FILE");
    const QCommandLineOption opcaoFrente("front", QString(), "FILE");
    const QCommandLineOption opcaoSemFrente("no-front");
    parser.addOptions({opcaoCsv, opcaoGrafico, opcaoFrente, opcaoSemFrente});
    if (!AnalisaArgumentos(parser, argumentos, QLatin1Char(' ') + QLatin1String(Uso), ajuda,
                           erro)) {
        return std::nullopt;
    }
    TOpcoes opcoes;
    opcoes.caminhos = parser.positionalArguments();
    opcoes.csv = parser.value(opcaoCsv);
    opcoes.grafico = parser.value(opcaoGrafico);
    opcoes.frente = parser.value(opcaoFrente);
    opcoes.semFrente = parser.isSet(opcaoSemFrente);
    const QList<std::pair<QCommandLineOption, QString>> arquivos{
        {opcaoCsv, opcoes.csv}, {opcaoGrafico, opcoes.grafico}, {opcaoFrente, opcoes.frente}};
    for (const auto& [opcao, valor] : arquivos) {
        if (parser.isSet(opcao) && valor.isEmpty()) {
            erro = QStringLiteral("--%1 needs a file name; ").arg(opcao.names().constFirst()) +
                   QLatin1String(Uso);
            return std::nullopt;
        }
    }
    if (opcoes.caminhos.isEmpty()) {
        erro = QLatin1String(Uso);
    } else if (parser.isSet(opcaoFrente) && !parser.isSet(opcaoGrafico)) {
        erro = QStringLiteral("--front needs --plot; ") + QLatin1String(Uso);
    } else if (opcoes.semFrente && !parser.isSet(opcaoGrafico)) {
        erro = QStringLiteral("--no-front needs --plot; ") + QLatin1String(Uso);
    } else if (opcoes.semFrente && parser.isSet(opcaoFrente)) {
        erro = QStringLiteral("--front and --no-front together; ") + QLatin1String(Uso);
    } else if (parser.isSet(opcaoGrafico) && !FormatoPorNome(opcoes.grafico)) {
        erro = QStringLiteral("--plot %1: the name must end in .svg, .pdf or .png")
                   .arg(opcoes.grafico);
    } else if (parser.isSet(opcaoCsv) && parser.isSet(opcaoGrafico) &&
               ChaveArquivo(opcoes.csv) == ChaveArquivo(opcoes.grafico)) {
        erro = QStringLiteral("--csv and --plot name the same file %1").arg(opcoes.csv);
    }
    if (!erro.isEmpty()) {
        return std::nullopt;
    }
    return opcoes;
}

// An output must never replace a file the tool reads.
void VerificaSaidas(const TOpcoes& opcoes, const QList<TArquivoTurma>& arquivos) {
    QList<QByteArray> entradas;
    for (const TArquivoTurma& a : arquivos) {
        entradas.append(a.Chave);
    }
    if (!opcoes.frente.isEmpty()) {
        entradas.append(ChaveArquivo(opcoes.frente));
    }
    for (const auto& [opcao, saida] :
         {std::pair{"--csv", &opcoes.csv}, std::pair{"--plot", &opcoes.grafico}}) {
        if (!saida->isEmpty() && entradas.contains(ChaveArquivo(*saida))) {
            throw ETurma{QStringLiteral("%1 %2 is a file the table reads; give another name")
                             .arg(QLatin1String(opcao), *saida)};
        }
    }
}

bool EscreveArquivo(const QString& caminho, const QByteArray& dados, QString& erro) {
    QString motivo;
    if (GravaArquivoInteiro(caminho, dados, motivo)) {
        return true;
    }
    erro = QStringLiteral("cannot write %1: %2").arg(caminho, motivo);
    return false;
}

// The front shipped with the game, for a chart whose user named none; none,
// with a line saying why, when it cannot be found or read.
QList<TPontoFrente> FrenteDoJogo() {
    try {
        return LeFrenteDoJogo();
    } catch (const ETurma& e) {
        EscreveErro(QStringLiteral("note: the chart has no front: ") + e.mensagem);
        return {};
    }
}

int Executa(const TOpcoes& opcoes) {
    QList<TArquivoTurma> arquivos;
    QList<TPontoFrente> frente;
    try {
        arquivos = BuscaArquivosTurma(opcoes.caminhos);
        if (!opcoes.frente.isEmpty()) {
            frente = LeArquivoFrente(opcoes.frente);
        }
        VerificaSaidas(opcoes, arquivos);
    } catch (const ETurma& e) {
        EscreveErro(e.mensagem);
        return 2;
    }
    if (!opcoes.grafico.isEmpty() && opcoes.frente.isEmpty() && !opcoes.semFrente) {
        frente = FrenteDoJogo();
    }
    TLeitorTurma leitor;
    const QList<TLinhaTurma> linhas = leitor.LeTodos(arquivos);
    const QList<TReferenciaTurma> referencias =
        opcoes.grafico.isEmpty() ? QList<TReferenciaTurma>() : ReferenciasTurma(leitor.Simulador());
    const QByteArray tabela = TabelaCsv(linhas);
    QString erro;
    if (opcoes.csv.isEmpty()) {
        TSaidaPadrao saida;
        if (!saida.Escreve(tabela) || !saida.Termina()) {
            EscreveErro(saida.Erro());
            return 1;
        }
    } else if (!EscreveArquivo(opcoes.csv, tabela, erro)) {
        EscreveErro(erro);
        return 1;
    }
    if (!opcoes.grafico.isEmpty() &&
        !ExportaGraficoTurma(opcoes.grafico, linhas, referencias, frente, erro)) {
        EscreveErro(QStringLiteral("cannot write the chart ") + erro);
        return 1;
    }
    const TResumoTurma resumo = ResumeTurma(linhas);
    std::fputs(TextoResumo(resumo, linhas).toUtf8().constData(), stderr);
    return resumo.Divergentes > 0 ? 3 : 0;
}

std::unique_ptr<QCoreApplication> CriaAplicacao(int& argc, char** argv, const TOpcoes& opcoes) {
    return CriaAplicacaoGrafica(argc, argv, "orvanta-class", !opcoes.grafico.isEmpty());
}

} // namespace

int main(int argc, char** argv) {
    return ExecutaFerramenta<TOpcoes>(argc, argv, "orvanta-class", Ajuda, LeOpcoes, Executa,
                                      CriaAplicacao);
}
