// SPDX-License-Identifier: GPL-3.0-or-later
// orvanta-best: searches for the best plans of the game, the trade-off between
// days and cost, and writes them as plans the runner verifies.
//
// Everything the user gives is checked before the search starts, so bad usage
// costs no time: one line on standard error and exit status 2.

#include "busca/BuscaPlanos.h"
#include "busca/PastaFrente.h"
#include "model/mSimulador.h"
#include "texto/TextoEscapado.h"
#include "tools/ExecucaoFerramenta.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QJsonObject>
#include <QThread>

#include <cstdio>
#include <optional>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

namespace {

const char* const Uso = "usage: orvanta-best [--seed N] [--evaluations N] [--threads N] --out DIR";

const char* const Ajuda =
    R"(usage: orvanta-best [--seed N] [--evaluations N] [--threads N] --out DIR
       orvanta-best --help

Searches for the best plans of the Orvanta project game: those no other plan
found beats on both days and cost (the front). Writes them into DIR as plans
that orvanta-sim plays and verifies.

Options:
  --seed N          seed of the search, 0..4294967295 (default 1)
  --evaluations N   plans to evaluate, 100..1000000000 (default 200000)
  --threads N       threads that evaluate plans, 1..256 (default: one per core)
  --out DIR         the folder to write; created when missing
  -h, --help        print this help

The same seed and number of evaluations give the same front, whatever the
number of threads.

The plans searched: each activity's developer (an inspection may have
nobody), the team being every developer assigned, in pool order; each team
member's daily hours 8..12; each inspection's dedication 0..200 hours; in the
second half of the search also one change of each member's hours on a day of
the game. Both days and cost are to be made small; a plan that does not
conclude within max_days (1000) is never reported. The search is NSGA-II,
started from reference runs A and B (Corvin alone on every activity at 8 and
at 12 hours), simple plans and random ones.

Costs are compared in whole cents, as the game shows them: a plan cheaper
only in a later decimal is no cheaper.

Files written into DIR:
  front.json      a list of {"plan": "plan-001.json", "days": D, "cost": C},
                  in increasing days (and so decreasing cost, to the cent);
                  no plan in it is as slow and as expensive as another
  plan-NNN.json   each plan of the list, a plan for orvanta-sim (see its
                  --help) with its "result", which orvanta-sim --verify
                  accepts, and "meta": {"program": "orvanta-best", "seed",
                  "evaluations", "stage": "static" or "hour changes"}

DIR may be new, empty or hold an earlier front of this program, which is
replaced (plan files of a larger earlier front are removed). Any other file
in it makes the program refuse the folder: it never overwrites or removes a
file it did not write.

Progress goes to standard error: evaluations done, evaluations per second,
the size of the front, its fewest days and its lowest cost; updated in place
on a terminal, one line a second otherwise. The last line gives the whole
run's evaluations per second.

Before the search starts, DIR is created when missing and a file is made
and removed in it, so that a folder that cannot be written costs no time.

Exit status: 0 the front was written; 2 bad usage (an unknown option, a
missing --out, a number out of range, a DIR that is not a folder or holds
other files), with one line on standard error; 1 DIR cannot be created or
written (found before the search), with one line on standard error.
)";

void EscreveErro(const QString& linha) {
    EscreveErroFerramenta("orvanta-best", linha);
}

bool ErrosNoTerminal() {
#ifdef Q_OS_WIN
    return _isatty(_fileno(stderr)) != 0;
#else
    return isatty(fileno(stderr)) != 0;
#endif
}

struct TOpcoes {
    TParametrosBusca busca;
    QString pasta;
};

// A whole number option within its range, or the line that says what is wrong.
std::optional<qint64> LeNumero(const QCommandLineParser& parser, const QCommandLineOption& opcao,
                               qint64 minimo, qint64 maximo, qint64 padrao, QString& erro) {
    if (!parser.isSet(opcao)) {
        return padrao;
    }
    const QString texto = parser.value(opcao);
    bool ok = false;
    const qint64 valor = texto.toLongLong(&ok);
    if (!ok || valor < minimo || valor > maximo) {
        erro = QStringLiteral("--%1 must be a whole number from %2 to %3, not %4")
                   .arg(opcao.names().constFirst(), QString::number(minimo),
                        QString::number(maximo), Citado(texto));
        return std::nullopt;
    }
    return valor;
}

std::optional<TOpcoes> LeOpcoes(const QStringList& argumentos, bool& ajuda, QString& erro) {
    QCommandLineParser parser;
    const QCommandLineOption opcaoSemente("seed", {}, "N");
    const QCommandLineOption opcaoAvaliacoes("evaluations", {}, "N");
    const QCommandLineOption opcaoThreads("threads", {}, "N");
    const QCommandLineOption opcaoPasta("out", {}, "DIR");
    parser.addOptions({opcaoSemente, opcaoAvaliacoes, opcaoThreads, opcaoPasta});
    if (!AnalisaArgumentos(parser, argumentos, QStringLiteral("; ") + QLatin1String(Uso), ajuda,
                           erro)) {
        return std::nullopt;
    }
    if (!parser.positionalArguments().isEmpty()) {
        erro = QStringLiteral("unexpected argument %1; %2")
                   .arg(Citado(parser.positionalArguments().constFirst()), QLatin1String(Uso));
        return std::nullopt;
    }
    if (!parser.isSet(opcaoPasta) || parser.value(opcaoPasta).isEmpty()) {
        erro = QStringLiteral("--out DIR is required; ") + QLatin1String(Uso);
        return std::nullopt;
    }
    const auto semente = LeNumero(parser, opcaoSemente, 0, 4294967295LL, 1, erro);
    if (!semente) {
        return std::nullopt;
    }
    const auto avaliacoes = LeNumero(parser, opcaoAvaliacoes, TParametrosBusca::TamanhoPopulacao,
                                     1000000000LL, 200000, erro);
    if (!avaliacoes) {
        return std::nullopt;
    }
    const auto threads =
        LeNumero(parser, opcaoThreads, 1, 256, std::max(QThread::idealThreadCount(), 1), erro);
    if (!threads) {
        return std::nullopt;
    }
    TOpcoes opcoes;
    opcoes.busca.Semente = static_cast<quint32>(*semente);
    opcoes.busca.Avaliacoes = *avaliacoes;
    opcoes.busca.Threads = static_cast<int>(*threads);
    opcoes.pasta = parser.value(opcaoPasta);
    return opcoes;
}

// The progress line: in place on a terminal, one line a second otherwise.
class TProgresso {
public:
    TProgresso() : FTerminal(ErrosNoTerminal()) { FRelogio.start(); }

    void Mostra(const TProgressoBusca& p) {
        const qint64 intervalo = FTerminal ? 100 : 1000;
        if (FRelogio.elapsed() - FUltimo < intervalo) {
            return;
        }
        FUltimo = FRelogio.elapsed();
        QString linha =
            QStringLiteral("%1 evaluations, %2 per second, front %3")
                .arg(QString::number(p.Avaliacoes),
                     QString::number(qRound64(p.Avaliacoes / std::max(p.Segundos, 1e-9))),
                     QString::number(p.Frente->Planos().size()));
        if (!p.Frente->Vazia()) {
            linha += QStringLiteral(", best days %1, best cost %2")
                         .arg(QString::number(p.Frente->MaisRapido().Resultado.Dias),
                              QString::number(p.Frente->MaisBarato().Resultado.Custo, 'f', 2));
        }
        if (FTerminal) {
            // Spaces clear what a longer line left.
            const QString texto = linha.leftJustified(FLargura);
            FLargura = static_cast<int>(linha.size());
            std::fprintf(stderr, "\r%s", texto.toUtf8().constData());
        } else {
            std::fprintf(stderr, "%s\n", linha.toUtf8().constData());
        }
        std::fflush(stderr);
    }

    void Termina() {
        if (FTerminal && FLargura > 0) {
            std::fputs("\n", stderr);
        }
    }

private:
    bool FTerminal;
    QElapsedTimer FRelogio;
    qint64 FUltimo = -1000000;
    int FLargura = 0;
};

// The plans of the front, each replayed for the result it records.
QList<TPlano> PlanosDaFrente(const TResultadoBusca& resultado, const TOpcoes& opcoes,
                             TSimuladorProjeto& sim) {
    QList<TPlano> planos;
    const TCodificacaoPlano codificacao(sim);
    for (const TPlanoEncontrado& encontrado : resultado.Frente) {
        TPlano plano = PlanoDaFrente(codificacao, encontrado, sim);
        plano.Meta = QJsonObject{{QLatin1String("program"), ProgramaPastaFrente},
                                 {QLatin1String("seed"), static_cast<qint64>(opcoes.busca.Semente)},
                                 {QLatin1String("evaluations"), resultado.Avaliacoes},
                                 {QLatin1String("stage"), encontrado.Etapa == 1
                                                              ? QLatin1String("static")
                                                              : QLatin1String("hour changes")}};
        planos.append(plano);
    }
    return planos;
}

int Executa(const TOpcoes& opcoes) {
    try {
        VerificaPastaFrente(opcoes.pasta);
    } catch (const EPastaFrente& e) {
        EscreveErro(e.mensagem);
        return 2;
    }
    // Made only once everything given is known good: bad usage leaves no folder.
    try {
        PreparaPastaFrente(opcoes.pasta);
    } catch (const EPastaFrente& e) {
        EscreveErro(e.mensagem);
        return e.Uso ? 2 : 1;
    }
    TProgresso progresso;
    const TResultadoBusca resultado =
        BuscaPlanos(opcoes.busca, [&](const TProgressoBusca& p) { progresso.Mostra(p); });
    progresso.Termina();
    TSimuladorProjeto sim;
    // As the folder lists them, so that the summary counts what is written.
    const QList<TPlano> planos = PlanosNaoBatidos(PlanosDaFrente(resultado, opcoes, sim));
    try {
        EscrevePastaFrente(opcoes.pasta, planos, sim);
    } catch (const EPastaFrente& e) {
        EscreveErro(e.mensagem);
        return e.Uso ? 2 : 1;
    }
    QString resumo =
        QStringLiteral("%1 evaluations in %2 s, %3 per second on %4 threads; %5 plans in %6")
            .arg(QString::number(resultado.Avaliacoes), QString::number(resultado.Segundos, 'f', 1),
                 QString::number(qRound64(resultado.Avaliacoes / std::max(resultado.Segundos, 1e-9))),
                 QString::number(opcoes.busca.Threads), QString::number(planos.size()),
                 opcoes.pasta);
    if (!planos.isEmpty()) {
        const TResultadoPlano& rapido = *planos.constFirst().Resultado;
        const TResultadoPlano& barato = *planos.constLast().Resultado;
        resumo += QStringLiteral(": fastest %1 days, cost %2; cheapest %3 days, cost %4")
                      .arg(QString::number(rapido.Dias), QString::number(rapido.Custo, 'f', 2),
                           QString::number(barato.Dias), QString::number(barato.Custo, 'f', 2));
    }
    EscreveErro(resumo);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    return ExecutaFerramenta<TOpcoes>(argc, argv, "orvanta-best", Ajuda, LeOpcoes, Executa);
}
