// SPDX-License-Identifier: GPL-3.0-or-later
// orvanta-report run as its users run it: a plan in, a PDF, SVG or PNG out;
// bad arguments and bad files refused in one line, leaving no file behind,
// and never writing over the plan it reads.
#include "model/mSimulador.h"
#include "plan/EscritorPlano.h"
#include "plan/JogoPlano.h"
#include "plan/PlanoReferencia.h"
#include "plan/RamoJogo.h"
#include "tests/tools/ExecucaoPrograma.h"

#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

namespace {

TExecucao Relatorio(const QStringList& argumentos, const QByteArray& entrada = {}) {
    return ExecutaPrograma(QStringLiteral(ORVANTA_BIN_DIR "/orvanta-report"), argumentos, entrada);
}

void Grava(const QString& caminho, const QByteArray& dados) {
    QFile arquivo(caminho);
    QVERIFY(arquivo.open(QIODevice::WriteOnly));
    arquivo.write(dados);
}

} // namespace

class TstOrvantaReport : public QObject {
    Q_OBJECT

    QTemporaryDir FPasta;
    QString FPlano;
    TSimuladorProjeto FSim;

private slots:
    void initTestCase() {
        FPlano = FPasta.filePath("b.json");
        Grava(FPlano, EscrevePlano(PlanoReferencia(HorasReferenciaB), FSim));
        Grava(FPasta.filePath("texto.json"), "not json at all");
        Grava(FPasta.filePath("lista.json"), "[1, 2, 3]");
    }

    // Guards against a report that differs by format in what it holds.
    void APlanGivesEachFormat() {
        const TExecucao pdf = Relatorio({FPlano, "-o", FPasta.filePath("r.PDF")});
        QCOMPARE(pdf.status, 0);
        QVERIFY(pdf.erros.isEmpty());
        QFile arquivo(FPasta.filePath("r.PDF"));
        QVERIFY(arquivo.open(QIODevice::ReadOnly));
        QVERIFY(arquivo.readAll().startsWith("%PDF"));

        QCOMPARE(Relatorio({"-", "-o", FPasta.filePath("r.svg")}, EscrevePlano(PlanoReferencia(8), FSim))
                     .status,
                 0);
        QVERIFY(QSvgRenderer(FPasta.filePath("r-quality.svg")).isValid());

        QCOMPARE(Relatorio({FPlano, "--output", FPasta.filePath("r.png")}).status, 0);
        QVERIFY(!QFile::exists(FPasta.filePath("r.png")));
        for (const char* grafico :
             {"summary", "decisions", "cost", "quality", "team", "schedule", "par"}) {
            const QString png = FPasta.filePath(QStringLiteral("r-%1.png").arg(QLatin1String(grafico)));
            QCOMPARE(QImage(png).size(), QSize(1920, 1200));
        }
    }

    // Guards against --chart ignored (every chart written) or written
    // under another name than the one given.
    void AChosenChartIsWrittenAloneToTheFileNamed() {
        const QString svg = FPasta.filePath("so-a-equipe.svg");
        const TExecucao r = Relatorio({FPlano, "-o", svg, "--chart", "team"});
        QCOMPARE(r.status, 0);
        QVERIFY(QSvgRenderer(svg).isValid());
        QVERIFY(QFile(svg).size() > 0);
        QVERIFY(QDir(FPasta.path()).entryList({"so-a-equipe-*"}).isEmpty());
    }

    // Guards against a game that never ends taking memory and file size in
    // proportion to its length (a million days once took gigabytes and
    // wrote hundreds of megabytes), or a summary that hides it.
    void AMillionDayGameGivesFilesOfAFewHundredKilobytes() {
        const QString plano = FPasta.filePath("sem-fim.json");
        TPlano semFim = PlanoReferencia(HorasReferenciaB);
        semFim.Inicio.Alocacoes.removeLast(); // the last test never runs
        semFim.MaximoDias = TPlano::LimiteDias;
        Grava(plano, EscrevePlano(semFim, FSim));
        const TExecucao r = Relatorio({plano, "-o", FPasta.filePath("sem-fim.svg")});
        QCOMPARE(r.status, 0);
        for (const QString& svg : QDir(FPasta.path()).entryList({"sem-fim-*.svg"})) {
            QVERIFY2(QFileInfo(FPasta.filePath(svg)).size() < 2 * 1024 * 1024, qPrintable(svg));
        }
        QFile custo(FPasta.filePath("sem-fim-cost.svg"));
        QVERIFY(custo.open(QIODevice::ReadOnly));
        QVERIFY(custo.readAll().contains("each point stands for 256 days"));
    }

    // Guards against a par page that ignores --best or the shipped plans,
    // and a practice record drawn without the game it branched from.
    void TheParPageAndAPracticesOriginalAreDrawn() {
        // The shipped front: the par of run B, slower than all, is its
        // cheapest plan, the last.
        const QString par = FPasta.filePath("par.svg");
        const TExecucao enviada = Relatorio({FPlano, "-o", par, "--chart", "par"});
        QCOMPARE(enviada.status, 0);
        QVERIFY2(enviada.erros.isEmpty(), enviada.erros.constData());
        QFile arquivo(par);
        QVERIFY(arquivo.open(QIODevice::ReadOnly));
        QVERIFY(arquivo.readAll().contains("plan-013.json"));

        // A front of one plan of its own.
        QTemporaryDir melhores;
        QVERIFY(QFile::copy(QStringLiteral(ORVANTA_BIN_DIR "/best/plan-004.json"),
                            melhores.filePath("plan-004.json")));
        QFile lista(QStringLiteral(ORVANTA_BIN_DIR "/best/front.json"));
        QVERIFY(lista.open(QIODevice::ReadOnly));
        const QJsonArray pontos = QJsonDocument::fromJson(lista.readAll()).array();
        Grava(melhores.filePath("front.json"), QJsonDocument(QJsonArray{pontos.at(3)}).toJson());
        QCOMPARE(Relatorio({FPlano, "-o", par, "--chart", "par", "--best", melhores.path()}).status,
                 0);
        arquivo.close();
        QVERIFY(arquivo.open(QIODevice::ReadOnly));
        const QByteArray svg = arquivo.readAll();
        QVERIFY(svg.contains("plan-004.json"));
        QVERIFY(!svg.contains("plan-013.json"));

        // A practice of game 1 from day 20, beside game-1.json, and alone.
        QTemporaryDir jogos;
        TPlano jogo1 = PlanoReferencia(HorasReferenciaB);
        jogo1.Resultado = JogaPlano(FSim, jogo1);
        Grava(jogos.filePath("game-1.json"), EscrevePlano(jogo1, FSim));
        TPlano pratica = PlanoReferencia(HorasReferenciaA);
        pratica.Meta = QJsonObject{{"branch_of", RamoEmJson(TRamoJogo{1, 20, {}})}};
        pratica.Resultado = JogaPlano(FSim, pratica);
        Grava(jogos.filePath("practice-1-20.json"), EscrevePlano(pratica, FSim));
        const QString custo = jogos.filePath("cost.svg");
        const TExecucao lado = Relatorio(
            {jogos.filePath("practice-1-20.json"), "-o", custo, "--chart", "cost"});
        QCOMPARE(lado.status, 0);
        QVERIFY2(lado.erros.isEmpty(), lado.erros.constData());
        QFile grafico(custo);
        QVERIFY(grafico.open(QIODevice::ReadOnly));
        QVERIFY(grafico.readAll().contains("Practice from day 20 of game 1: 81 days"));
        QVERIFY(QFile::remove(jogos.filePath("game-1.json")));
        const TExecucao so = Relatorio(
            {jogos.filePath("practice-1-20.json"), "-o", custo, "--chart", "cost"});
        QCOMPARE(so.status, 0);
        QVERIFY2(so.erros.contains("is not beside it; the practice is drawn alone"),
                 so.erros.constData());
    }

    void AnOutputThatIsThePlanIsRefused_data() {
        QTest::addColumn<QString>("plano");
        QTest::addColumn<QString>("saida");
        QTest::addColumn<QString>("ligacao"); // "symbolic" or "hard": saida made a link to plano
        QTest::addColumn<QStringList>("opcoes");
        QTest::newRow("the same name") << "jogo.svg" << "jogo.svg" << "" << QStringList{"--chart", "cost"};
        QTest::newRow("the same file by another path")
            << "jogo.svg" << "./../FOLDER//jogo.svg" << ""
            << QStringList{"--chart", "cost"};
        QTest::newRow("through a symbolic link")
            << "jogo.svg" << "ligacao.svg" << "symbolic" << QStringList{"--chart", "cost"};
        QTest::newRow("through a hard link") << "jogo.pdf" << "dura.pdf" << "hard" << QStringList{};
        QTest::newRow("one of the files of every chart")
            << "x-team.svg" << "x.svg" << "" << QStringList{};
    }

    // Guards against a student's record replaced by its own report.
    void AnOutputThatIsThePlanIsRefused() {
        QFETCH(QString, plano);
        QFETCH(QString, saida);
        QFETCH(QString, ligacao);
        QFETCH(QStringList, opcoes);
        QTemporaryDir pasta(FPasta.filePath("saida-XXXXXX"));
        plano = pasta.filePath(plano);
        saida = pasta.filePath(saida.replace("FOLDER", QFileInfo(pasta.path()).fileName()));
        const QByteArray registro = EscrevePlano(PlanoReferencia(HorasReferenciaA), FSim);
        Grava(plano, registro);
        if (ligacao == QLatin1String("symbolic")) {
            QVERIFY(QFile::link(plano, saida));
        } else if (ligacao == QLatin1String("hard")) {
            QCOMPARE(::link(QFile::encodeName(plano).constData(), QFile::encodeName(saida).constData()),
                     0);
        }
        const TExecucao r = Relatorio(QStringList{plano, "-o", saida} + opcoes);
        QCOMPARE(r.status, 2);
        QVERIFY2(r.erros.startsWith("orvanta-report: the output ") && r.erros.count('\n') == 1 &&
                     r.erros.contains("is the plan it reads"),
                 r.erros.constData());
        QFile arquivo(plano);
        QVERIFY(arquivo.open(QIODevice::ReadOnly));
        QCOMPARE(arquivo.readAll(), registro);
        QCOMPARE(QDir(pasta.path()).entryList(QDir::Files).size(), ligacao.isEmpty() ? 1 : 2);
    }

    void BadInputIsRefusedInOneLine_data() {
        QTest::addColumn<QStringList>("argumentos");
        QTest::addColumn<QString>("saida");
        QTest::addColumn<QString>("mensagem");
        const QString pdf = FPasta.filePath("nada.pdf");
        QTest::newRow("missing file") << QStringList{FPasta.filePath("falta.json"), "-o", pdf}
                                      << pdf << "cannot";
        QTest::newRow("not JSON") << QStringList{FPasta.filePath("texto.json"), "-o", pdf} << pdf
                                  << "JSON";
        QTest::newRow("not a plan") << QStringList{FPasta.filePath("lista.json"), "-o", pdf}
                                    << pdf << "object";
        // A folder that does not exist: writable by no one, root included.
        const QString fechada = FPasta.filePath("falta/r.pdf");
        QTest::newRow("unwritable output") << QStringList{FPlano, "-o", fechada} << fechada
                                           << "falta/r.pdf";
        const QString doc = FPasta.filePath("r.doc");
        QTest::newRow("unknown extension") << QStringList{FPlano, "-o", doc} << doc
                                           << "unknown output extension";
        QTest::newRow("no output") << QStringList{FPlano} << pdf << "usage:";
        QTest::newRow("two plans") << QStringList{FPlano, FPlano, "-o", pdf} << pdf << "usage:";
        QTest::newRow("unknown option") << QStringList{"--pages", FPlano, "-o", pdf} << pdf
                                        << "pages";
        QTest::newRow("best folder without a front")
            << QStringList{FPlano, "-o", pdf, "--best", FPasta.path()} << pdf << "front.json";
        QTest::newRow("best of no folder") << QStringList{FPlano, "-o", pdf, "--best", ""} << pdf
                                           << "--best needs a folder";
        QTest::newRow("unknown chart") << QStringList{FPlano, "-o", pdf, "--chart", "money"} << pdf
                                       << "unknown chart (use summary, decisions, cost";
    }

    // Guards against a crash, a status other than 2, a message of several
    // lines, or a partial file left where the report would go.
    void BadInputIsRefusedInOneLine() {
        QFETCH(QStringList, argumentos);
        QFETCH(QString, saida);
        QFETCH(QString, mensagem);
        const TExecucao r = Relatorio(argumentos);
        QCOMPARE(r.status, 2);
        QVERIFY(r.saida.isEmpty());
        QVERIFY2(r.erros.startsWith("orvanta-report: ") && r.erros.count('\n') == 1 &&
                     r.erros.endsWith('\n'),
                 r.erros.constData());
        QVERIFY2(r.erros.contains(mensagem.toUtf8()), r.erros.constData());
        QVERIFY(!QFile::exists(saida));
        QCOMPARE(QDir(QFileInfo(saida).absolutePath()).entryList(QDir::Files | QDir::Hidden)
                     .filter(QStringLiteral("nada")),
                 QStringList());
    }

    // Guards against a refused report that spoils the file already there.
    void ARefusedReportLeavesTheOldFileIntact() {
        const QString velho = FPasta.filePath("velho.pdf");
        Grava(velho, "old report");
        QCOMPARE(Relatorio({FPasta.filePath("texto.json"), "-o", velho}).status, 2);
        QFile arquivo(velho);
        QVERIFY(arquivo.open(QIODevice::ReadOnly));
        QCOMPARE(arquivo.readAll(), QByteArray("old report"));
    }

    // Guards against a report that needs the game's pictures, or any file but
    // its plan and the best known plans it is pointed at.
    void ACopyAloneInAFolderOfItsOwnWritesItsReport() {
        QTemporaryDir pasta;
        const QString copia = pasta.filePath("orvanta-report");
        QVERIFY(QFile::copy(QStringLiteral(ORVANTA_BIN_DIR "/orvanta-report"), copia));
        const TExecucao r = ExecutaPrograma(
            copia, {FPlano, "-o", pasta.filePath("b.svg"), "--best", ORVANTA_BIN_DIR "/best"}, {},
            pasta.path());
        QCOMPARE(r.status, 0);
        QCOMPARE(r.erros, QByteArray());
        // The team's chart, which names every developer, among the drawings.
        QVERIFY(QSvgRenderer(pasta.filePath("b-team.svg")).isValid());
    }

    // Guards against a help that is missing or sent to standard error.
    void HelpDocumentsTheFormatsAndStatuses() {
        const TExecucao r = Relatorio({"--help"});
        QCOMPARE(r.status, 0);
        QVERIFY(r.saida.contains("usage: orvanta-report PLAN.json -o"));
        QVERIFY(r.saida.contains("Exit status"));
    }
};

QTEST_GUILESS_MAIN(TstOrvantaReport)
#include "tst_orvanta_report.moc"
