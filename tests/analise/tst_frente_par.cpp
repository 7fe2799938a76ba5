// SPDX-License-Identifier: GPL-3.0-or-later
// The par of a game: the best known plans shipped in best/ replay to what
// they claim, the copy the programs find is that one, a front that cannot be
// read is told and not used, and the par plan is chosen by its rule.
#include "analise/AnaliseJogo.h"
#include "analise/EscolhaPar.h"
#include "analise/FrentePar.h"
#include "analise/ParJogo.h"
#include "model/mSimulador.h"
#include "plan/JogoPlano.h"
#include "plan/PlanoReferencia.h"
#include "plan/VerificacaoPlano.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

Q_DECLARE_METATYPE(TResultadoPlano)

namespace {

const QString PastaFonte = QStringLiteral(ORVANTA_SOURCE_DIR "/best");

QByteArray Bytes(const QString& caminho) {
    QFile arquivo(caminho);
    return arquivo.open(QIODevice::ReadOnly) ? arquivo.readAll() : QByteArray("(unreadable)");
}

bool Escreve(const QString& caminho, const QByteArray& dados) {
    QFile arquivo(caminho);
    return arquivo.open(QIODevice::WriteOnly) && arquivo.write(dados) == dados.size();
}

TResultadoPlano Concluido(int dias, double custo) {
    return {true, dias, custo};
}

} // namespace

class TstFrentePar : public QObject {
    Q_OBJECT

    TSimuladorProjeto FSim;

private slots:
    // Guards against a change of the model that moves a shipped plan's
    // result (the front must then be regenerated), and against a shipped
    // "front" with a point that another beats on both days and cost.
    void EveryShippedPlanReplaysToItsStoredResult() {
        const TFrentePar frente = LeFrentePar(PastaFonte, FSim);
        QVERIFY(frente.Planos.size() >= 5);
        for (qsizetype i = 0; i < frente.Planos.size(); ++i) {
            const TPlanoPar& par = frente.Planos.at(i);
            const TVerificacao v = VerificaPlano(FSim, par.Plano);
            QVERIFY2(v.Confere, qPrintable(par.Arquivo + QStringLiteral(": ") + v.Diferenca()));
            QVERIFY(ResultadosConferem(par.Resultado, v.Rejogado));
            if (i > 0) {
                const TResultadoPlano& antes = frente.Planos.at(i - 1).Resultado;
                QVERIFY(par.Resultado.Dias > antes.Dias);
                QVERIFY(par.Resultado.Custo < antes.Custo);
            }
        }
        // Far better than the reference runs, as a long search finds it.
        const TResultadoPlano a = JogaPlano(FSim, PlanoReferencia(HorasReferenciaA));
        QVERIFY(frente.Planos.first().Resultado.Dias < a.Dias / 4);
        QVERIFY(frente.Planos.last().Resultado.Custo < a.Custo * 0.6);
    }

    // Guards against the programs comparing games with a stale or partial
    // copy of the front, or with a user's own best/ in the working folder.
    void TheProgramsFindTheShippedFrontBesideThem() {
        QTemporaryDir trabalho;
        const QString antes = QDir::currentPath();
        QVERIFY(QDir::setCurrent(trabalho.path()));
        QVERIFY(QDir().mkdir(QStringLiteral("best")));
        const TFrentePar achada = CarregaFrentePar(FSim);
        QVERIFY(QDir::setCurrent(antes));
        QVERIFY2(achada.Erro.isEmpty(), qPrintable(achada.Erro));
        QCOMPARE(QDir(achada.Pasta).canonicalPath(),
                 QDir(QCoreApplication::applicationDirPath() + QStringLiteral("/best")).canonicalPath());
        const TFrentePar fonte = LeFrentePar(PastaFonte, FSim);
        QCOMPARE(achada.Resultados(), fonte.Resultados());
        QStringList arquivos{QStringLiteral("front.json")};
        for (const TPlanoPar& p : fonte.Planos) {
            arquivos.append(p.Arquivo);
        }
        for (const QString& nome : arquivos) {
            QCOMPARE(Bytes(QDir(achada.Pasta).filePath(nome)), Bytes(QDir(PastaFonte).filePath(nome)));
        }
    }

    void AFrontThatCannotBeReadIsToldAndNotUsed_data() {
        QTest::addColumn<QByteArray>("lista");
        QTest::addColumn<QString>("erro");
        QTest::newRow("no front.json") << QByteArray() << QStringLiteral("does not exist");
        QTest::newRow("not JSON") << QByteArray("[{\"plan\": ") << QStringLiteral("is not JSON");
        QTest::newRow("empty list") << QByteArray("[]") << QStringLiteral("must list 1 to 200");
        QTest::newRow("a plan outside its folder")
            << QByteArray(R"([{"plan": "../plan-001.json", "days": 15, "cost": 1}])")
            << QStringLiteral("has no \"plan\" naming a file beside it");
        QTest::newRow("a plan that is not there")
            << QByteArray(R"([{"plan": "plan-999.json", "days": 15, "cost": 1}])")
            << QStringLiteral("plan-999.json");
        QTest::newRow("fractional days")
            << QByteArray(R"([{"plan": "plan-001.json", "days": 15.5, "cost": 1}])")
            << QStringLiteral("no whole number of \"days\"");
        QTest::newRow("negative cost")
            << QByteArray(R"([{"plan": "plan-001.json", "days": 15, "cost": -1}])")
            << QStringLiteral("no \"cost\" of 0 or more");
        QTest::newRow("a result the plan does not claim")
            << QByteArray(R"([{"plan": "plan-001.json", "days": 14, "cost": 100}])")
            << QStringLiteral("lists 14 days, cost 100.00 but");
    }

    // Guards against a damaged or hostile front shown as if it were the
    // best known plans (a par the game cannot reach), or crashing the
    // debrief: it comes back empty with the reason.
    void AFrontThatCannotBeReadIsToldAndNotUsed() {
        QFETCH(QByteArray, lista);
        QFETCH(QString, erro);
        QTemporaryDir pasta;
        QVERIFY(QFile::copy(QDir(PastaFonte).filePath(QStringLiteral("plan-001.json")),
                            pasta.filePath(QStringLiteral("plan-001.json"))));
        if (!lista.isNull()) {
            QVERIFY(Escreve(pasta.filePath(QStringLiteral("front.json")), lista));
        }
        const TFrentePar frente = CarregaFrentePar(FSim, pasta.path());
        QVERIFY(frente.Planos.isEmpty());
        QVERIFY2(frente.Erro.contains(erro), qPrintable(frente.Erro));
        QVERIFY(!frente.Erro.contains(QLatin1Char('\n')));
    }

    void TheParIsTheCheapestPlanWithinTheGamesDays_data() {
        QTest::addColumn<QList<TResultadoPlano>>("frente");
        QTest::addColumn<TResultadoPlano>("jogo");
        QTest::addColumn<int>("par");
        const QList<TResultadoPlano> frente{Concluido(15, 11236.23), Concluido(16, 10787.50),
                                            Concluido(20, 9753.86), Concluido(36, 9182.62)};
        QTest::newRow("as many days as a plan") << frente << Concluido(20, 12000.0) << 2;
        QTest::newRow("between two plans") << frente << Concluido(19, 9000.0) << 1;
        QTest::newRow("slower than the whole front") << frente << Concluido(81, 16200.0) << 3;
        QTest::newRow("faster than the whole front: the fastest")
            << frente << Concluido(12, 20000.0) << 0;
        QTest::newRow("not concluded: the days so far")
            << frente << TResultadoPlano{false, 17, 5000.0} << 1;
        QTest::newRow("no day played: the fastest") << frente << TResultadoPlano{false, 0, 0.0} << 0;
        // Not a front in order: the rule is the cheapest within the days,
        // not the last listed within them.
        const QList<TResultadoPlano> desordem{Concluido(30, 9500.0), Concluido(10, 9400.0),
                                              Concluido(25, 9600.0)};
        QTest::newRow("the cheapest, wherever it is listed") << desordem << Concluido(40, 1.0) << 1;
        QTest::newRow("the fastest, wherever it is listed") << desordem << Concluido(5, 1.0) << 1;
        const QList<TResultadoPlano> empate{Concluido(22, 9560.304), Concluido(20, 9560.30),
                                            Concluido(21, 9560.296)};
        QTest::newRow("the same cost to the cent: fewer days") << empate << Concluido(30, 1.0) << 1;
        const QList<TResultadoPlano> inacabado{TResultadoPlano{false, 10, 100.0},
                                               Concluido(14, 9000.0)};
        QTest::newRow("a plan not concluded is never the par") << inacabado << Concluido(30, 1.0)
                                                               << 1;
        QTest::newRow("nor the fastest") << inacabado << Concluido(12, 1.0) << 1;
        QTest::newRow("no plan") << QList<TResultadoPlano>() << Concluido(30, 1.0) << -1;
        QTest::newRow("no concluded plan")
            << QList<TResultadoPlano>{TResultadoPlano{false, 10, 100.0}} << Concluido(30, 1.0)
            << -1;
    }

    // Guards against a par slower than the game (the comparison would flatter
    // it), a dearer plan chosen within the days, ties resolved by chance, or
    // an unfinished plan shown as par.
    void TheParIsTheCheapestPlanWithinTheGamesDays() {
        QFETCH(QList<TResultadoPlano>, frente);
        QFETCH(TResultadoPlano, jogo);
        QFETCH(int, par);
        QCOMPARE(EscolhePar(frente, jogo), par);
    }

    // Guards against a debrief whose par plan, as played, is not the plan
    // chosen, or whose reference runs are not runs A and B as played.
    void TheParOfAGameIsPlayedAsTheFrontClaims() {
        TComparadorPar comparador(LeFrentePar(PastaFonte, FSim));
        const TResultadoPlano a = JogaPlano(FSim, PlanoReferencia(HorasReferenciaA));
        const std::shared_ptr<const TParJogo> par = comparador.ParDe(a, FSim);
        QVERIFY(par->Erro.isEmpty());
        const QList<TResultadoPlano> resultados = comparador.Frente().Resultados();
        QCOMPARE(par->Escolhido, EscolhePar(resultados, a));
        QCOMPARE(par->Arquivo, comparador.Frente().Planos.at(par->Escolhido).Arquivo);
        QVERIFY(par->Analise);
        QVERIFY(ResultadosConferem(resultados.at(par->Escolhido), par->Analise->Capa.Rejogado));
        QCOMPARE(par->Referencias.size(), 2);
        QCOMPARE(par->Referencias.at(0).Resultado, a);
        QCOMPARE(par->Referencias.at(1).Resultado,
                 JogaPlano(FSim, PlanoReferencia(HorasReferenciaB)));
        // The same game again is worked out once.
        QCOMPARE(comparador.ParDe(a, FSim), par);
    }

    // Guards against a debrief with no front drawing a par from nothing.
    void WithoutAFrontThereIsNoPar() {
        TFrentePar nenhuma;
        nenhuma.Erro = QStringLiteral("the best known plans were not found");
        TComparadorPar comparador(nenhuma);
        const std::shared_ptr<const TParJogo> par = comparador.ParDe(Concluido(40, 9000.0), FSim);
        QCOMPARE(par->Escolhido, -1);
        QVERIFY(!par->Analise);
        QCOMPARE(par->Erro, nenhuma.Erro);
    }
};

QTEST_GUILESS_MAIN(TstFrentePar)
#include "tst_frente_par.moc"
