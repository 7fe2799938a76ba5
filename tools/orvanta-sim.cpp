// SPDX-License-Identifier: GPL-3.0-or-later
// orvanta-sim: plays a scripted plan with the simulation model alone, with no
// window, prints the game's messages and its result, and with --verify checks
// the result the plan records (a game record of the window, for example).
//
// The whole plan is checked before the first day is played, so a bad plan
// produces one line on standard error, exit status 2 and nothing else.

#include "model/mAtividade.h"
#include "model/mDesenvolvedor.h"
#include "model/mProjeto.h"
#include "model/mSimulador.h"
#include "plan/JogoPlano.h"
#include "plan/JsonContinuo.h"
#include "plan/LeitorPlano.h"
#include "plan/VerificacaoPlano.h"
#include "texto/TextoEscapado.h"
#include "tools/ExecucaoFerramenta.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonObject>

#include <cstdio>
#include <optional>

namespace {

const char* const Uso = "usage: orvanta-sim [--json [--trace]] [--verify] PLAN.json";

const char* const Ajuda = R"(usage: orvanta-sim [--json [--trace]] [--verify] PLAN.json
       orvanta-sim --help

Plays a scripted plan of the Orvanta project game with no window. PLAN.json
is a file, or - for standard input, of at most 8 MiB. A game record written
by the game is such a plan.

Options:
  --json     print one JSON object instead of text
  --trace    with --json: add "trace", the state after every day step
  --verify   check the result the plan records against the replay
  -h, --help print this help

The plan format (its keys, and how a plan is played day by day) is
described in the README, section "Plans" (installed as
/usr/share/doc/orvanta/README.md). A plan names developers and activities
as the game does: Corvin, Fennick, Ysolde, Tamsin, Idony, Oswin, Brannoc;
activities "1".."16" or their exact names.

Output: every message as the game shows it ("Day 6: ..."), then
"Result: concluded in D days, cost C" or "Result: not concluded after D days,
cost C". With --json: one object with "concluded", "days", "cost",
"messages" (each "day", "text"), "activities" (each "name", "executed",
"duration", "errors", "found", "percent") and "developers" (each "name",
"hours", "exhaustion", "exhausted", "days_in_project"), and with --trace:

  "trace"   one entry per day step played, after the step:
            "day"          the project's day count (1 after the first step)
            "cost"         the project's cost so far
            "activities"   in the order of "activities": "percent" (0..1),
                           "errors", "found", "developer" (name or null),
                           "running", "accomplished", "started" (has taken
                           its predecessors' errors), "executed", "cost"
                           (what its developers' time has cost so far)
            "developers"   in the order of "developers": "hours",
                           "exhaustion", "exhausted", "in_team", "working",
                           "step_hours" (the hours the step was worked at),
                           "days_used" (days of his time the step used)
            "messages"     the step's messages, each "day", "text"

With --verify the output is the same; the replay must give the recorded
"concluded" and "days" and a cost equal to the cent, or one line on standard
error names both results:
  orvanta-sim: result differs: recorded D days, cost C; replayed D days, cost C
(a result not concluded reads "not concluded after D days, cost C").

The output is written as the game is played, day by day, so a long game
takes no more memory than a short one.

Exit status: 0 when the plan was played (concluded or not) and, with
--verify, the results agree; 3 when they differ; 2 for a bad plan or bad
arguments (also a plan without "result" under --verify, a plan larger than
8 MiB), with one line on standard error and nothing on standard output; 1
when the output cannot be written (a full disk), with one line on standard
error. It reads no file but the plan: it needs none of the game's pictures.
)";

// Quoted text is escaped where it is quoted; this keeps the line whole
// whatever else it holds (an option typed on the command line).
void EscreveErro(const QString& linha) {
    EscreveErroFerramenta("orvanta-sim", linha);
}

// Each message printed as soon as the model posts it.
class TMensagensTexto : public TReceptorMensagens {
public:
    explicit TMensagensTexto(TSaidaPadrao& saida) : FSaida(saida) {}
    void AdicionaMensagem(const QString& texto, double dia) override {
        FSaida.Escreve((FormataLinhaMensagem(texto, dia) + QLatin1Char('\n')).toUtf8());
    }

private:
    TSaidaPadrao& FSaida;
};

// Each message as the next element of the open "messages" list.
class TMensagensJson : public TReceptorMensagens {
public:
    explicit TMensagensJson(TObjetoJsonContinuo& saida) : FSaida(saida) {}
    void AdicionaMensagem(const QString& texto, double dia) override {
        FSaida.Elemento(MensagemEmJson({texto, dia}));
    }

private:
    TObjetoJsonContinuo& FSaida;
};

QByteArray LinhaResultado(const TResultadoPlano& resultado) {
    return (resultado.Concluido ? QStringLiteral("Result: concluded in %1 days, cost %2\n")
                                : QStringLiteral("Result: not concluded after %1 days, cost %2\n"))
        .arg(QString::number(resultado.Dias), QString::number(resultado.Custo, 'f', 2))
        .toUtf8();
}

// The members that describe the game's end, which the object's text puts
// before its messages and trace.
QJsonObject EstadoFinalJson(const TSimuladorProjeto& sim) {
    const TProjetoSoftware* p = sim.Projeto();
    QJsonArray atividades;
    for (const TAtividade* a : p->Atividades()) {
        atividades.append(QJsonObject{{"name", a->Nome()},
                                      {"executed", a->TempoExecutado()},
                                      {"duration", a->Duracao()},
                                      {"errors", a->Erros()},
                                      {"found", a->ErrosEncontrados()},
                                      {"percent", a->Percentual()}});
    }
    QJsonArray desenvolvedores;
    for (const TDesenvolvedor* d : sim.Desenvolvedores()) {
        desenvolvedores.append(QJsonObject{{"name", d->Nome()},
                                           {"hours", d->HorasTrabalho()},
                                           {"exhaustion", d->Exaustao()},
                                           {"exhausted", d->Exausto()},
                                           {"days_in_project", d->TempoProjeto()}});
    }
    const TResultadoPlano resultado = ResultadoAtual(sim);
    return QJsonObject{{"concluded", resultado.Concluido}, {"days", resultado.Dias},
                       {"cost", resultado.Custo},          {"activities", atividades},
                       {"developers", desenvolvedores}};
}

struct TOpcoes {
    QString caminho;
    bool json = false;
    bool rastro = false;
    bool verifica = false;
};

// Plays the plan and writes what it shows as it is played, so that memory
// stays the same whatever max_days is. The JSON object's keys come in
// alphabetical order, and its first members are the game's end: the game is
// played once for them, then again for "messages" and again for "trace",
// each written as it is played (the model is deterministic: every replay is
// the same game). Returns the result.
TResultadoPlano JogaEEscreve(TSimuladorProjeto& sim, const TPlano& plano, const TOpcoes& opcoes,
                             TSaidaPadrao& saida) {
    if (!opcoes.json) {
        TMensagensTexto mensagens(saida);
        const TResultadoPlano resultado = JogaPlano(sim, plano, &mensagens);
        saida.Escreve(LinhaResultado(resultado));
        return resultado;
    }
    const TResultadoPlano resultado = JogaPlano(sim, plano);
    TObjetoJsonContinuo objeto([&saida](QByteArrayView texto) { saida.Escreve(texto); });
    objeto.Membros(EstadoFinalJson(sim));
    objeto.AbreLista(QStringLiteral("messages"));
    TMensagensJson mensagens(objeto);
    JogaPlano(sim, plano, &mensagens);
    objeto.FechaLista();
    if (opcoes.rastro) {
        objeto.AbreLista(QStringLiteral("trace"));
        JogaPlanoPassoAPasso(sim, plano, nullptr, [&](TRastroDia&& dia) {
            // Once the output has failed nothing more is made for it.
            if (saida.Erro().isEmpty()) {
                objeto.Elemento(DiaRastroEmJson(dia, sim));
            }
        });
        objeto.FechaLista();
    }
    objeto.Fecha();
    return resultado;
}

int Executa(const TOpcoes& opcoes) {
    TSimuladorProjeto sim;
    TPlano plano;
    try {
        plano = LePlano(LeArquivoPlano(opcoes.caminho), NomeArquivoPlano(opcoes.caminho), sim);
        if (opcoes.verifica) {
            ExigeResultado(plano);
        }
    } catch (const EPlano& e) {
        EscreveErro(e.mensagem);
        return 2;
    }
    TSaidaPadrao saida;
    const TResultadoPlano resultado = JogaEEscreve(sim, plano, opcoes, saida);
    if (!saida.Termina()) {
        EscreveErro(saida.Erro());
        return 1;
    }
    if (opcoes.verifica && !ResultadosConferem(*plano.Resultado, resultado)) {
        EscreveErro(TVerificacao{*plano.Resultado, resultado, false}.Diferenca());
        return 3;
    }
    return 0;
}

// The options, or the line that says what is wrong with them.
std::optional<TOpcoes> LeOpcoes(const QStringList& argumentos, bool& ajuda, QString& erro) {
    QCommandLineParser parser;
    const QCommandLineOption opcaoJson("json");
    const QCommandLineOption opcaoRastro("trace");
    const QCommandLineOption opcaoVerifica("verify");
    parser.addOptions({opcaoJson, opcaoRastro, opcaoVerifica});
    if (!AnalisaArgumentos(parser, argumentos, QLatin1Char(' ') + QLatin1String(Uso), ajuda,
                           erro)) {
        return std::nullopt;
    }
    TOpcoes opcoes;
    opcoes.json = parser.isSet(opcaoJson);
    opcoes.rastro = parser.isSet(opcaoRastro);
    opcoes.verifica = parser.isSet(opcaoVerifica);
    if (parser.positionalArguments().size() != 1) {
        erro = QLatin1String(Uso);
        return std::nullopt;
    }
    if (opcoes.rastro && !opcoes.json) {
        erro = QStringLiteral("--trace needs --json; ") + QLatin1String(Uso);
        return std::nullopt;
    }
    opcoes.caminho = parser.positionalArguments().constFirst();
    return opcoes;
}

} // namespace

int main(int argc, char** argv) {
    return ExecutaFerramenta<TOpcoes>(argc, argv, "orvanta-sim", Ajuda, LeOpcoes, Executa);
}
