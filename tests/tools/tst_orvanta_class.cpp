// SPDX-License-Identifier: GPL-3.0-or-later
// The class results tool as a teacher runs it: the exact table and exit
// status for a prepared class, names that survive a CSV reader, output that
// depends on nothing but the files, and its answer to bad usage.
#include "tests/tools/ExecucaoPrograma.h"
#include "tests/turma/RegistrosTurma.h"

#include <QCryptographicHash>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

TExecucao Executa(const QString& pasta, const QStringList& argumentos,
                  const QStringList& ambiente = {}) {
    return ExecutaPrograma(QStringLiteral(ORVANTA_BIN_DIR "/orvanta-class"), argumentos, {}, pasta,
                           ambiente);
}

QByteArray Conteudo(const QString& caminho) {
    QFile arquivo(caminho);
    return arquivo.open(QIODevice::ReadOnly) ? arquivo.readAll() : QByteArray();
}

QString Digesto(const QString& caminho) {
    return QString::fromLatin1(
        QCryptographicHash::hash(Conteudo(caminho), QCryptographicHash::Sha256).toHex());
}

QByteArray Json(const TPlano& plano, const TSimuladorProjeto& sim) {
    return EscrevePlano(plano, sim);
}

} // namespace

class TstOrvantaClass : public QObject {
    Q_OBJECT

    TSimuladorProjeto FSim;
    QTemporaryDir FPasta;
    QStringList FEsperadas; // the rows after the header, "sha256" for the digest

    QString Arquivo(const QString& relativo) const { return FPasta.filePath(relativo); }

    // A record written under c/, and its expected row.
    void Registro(const QString& relativo, TPlano plano, const QString& conferencia) {
        QVERIFY(GravaArquivo(Arquivo(u"c/"_s + relativo), Json(plano, FSim)));
        FEsperadas.append(QStringLiteral("c/%1,%2,%3,true,%4,%5,%6,")
                              .arg(relativo, plano.Meta->value("manager").toString())
                              .arg(plano.Meta->value("game").toInt())
                              .arg(plano.Resultado->Dias)
                              .arg(QString::number(plano.Resultado->Custo, 'f', 2), conferencia) +
                          Digesto(Arquivo(u"c/"_s + relativo)));
    }

private slots:
    void initTestCase() {
        QVERIFY(FPasta.isValid());
        const QByteArray ini = "[Orvanta]\r\nNTimes=3\r\nManager=Ana\r\n[#3]\r\nCost=20300,5\r\n"
                               "Time=90\r\n[#1]\r\nCost=812.25\r\nTime=7\r\n"_ba;
        QVERIFY(GravaArquivo(Arquivo(u"c/ana/Orvanta.INI"_s), ini));
        const QString d = Digesto(Arquivo(u"c/ana/Orvanta.INI"_s));
        FEsperadas << u"c/ana/Orvanta.INI,Ana,1,true,7,812.25,unverified,"_s + d
                   << u"c/ana/Orvanta.INI,Ana,3,true,90,20300.50,unverified,"_s + d;
        Registro(u"ana/games/game-1.json"_s, RegistroTurma(FSim, 0, 8, u"Ana"_s, 1), u"verified"_s);
        TPlano custo = RegistroTurma(FSim, 3, 10, u"Ana"_s, 2);
        custo.Resultado->Custo -= 250.5;
        Registro(u"ana/games/game-2.json"_s, custo, u"mismatch"_s);
        TPlano dias = RegistroTurma(FSim, 5, 12, u"Ana"_s, 10);
        dias.Resultado->Dias -= 1;
        Registro(u"ana/games/game-10.json"_s, dias, u"mismatch"_s);
        Registro(u"bo/games/game-1.json"_s, RegistroTurma(FSim, 2, 9, u"Bo"_s, 1), u"verified"_s);
        const QByteArray inteiro = Json(RegistroTurma(FSim, 1, 8, u"Cy"_s, 1), FSim);
        QVERIFY(GravaArquivo(Arquivo(u"c/junk/cut.json"_s), inteiro.left(inteiro.size() / 2)));
        QVERIFY(GravaArquivo(Arquivo(u"c/junk/list.json"_s), "[1, 2]"));
        for (const char* nome : {"cut", "list"}) {
            const QString relativo = QStringLiteral("c/junk/%1.json").arg(QLatin1String(nome));
            FEsperadas.append(relativo + u",,,,,,unreadable,"_s + Digesto(Arquivo(relativo)));
        }
    }

    // Guards against a wrong check, row, column or order, a changed cost or
    // day count verified, a digest of something else, and a wrong status.
    void APreparedClassGivesItsExactTableAndStatus() {
        const TExecucao r = Executa(FPasta.path(), {u"c"_s});
        QCOMPARE(r.status, 3);
        const QString esperado = (QStringList{QString::fromLatin1(
                                      "file,manager,game,concluded,days,cost,check,sha256")} +
                                  FEsperadas)
                                     .join(u"\r\n"_s) +
                                 u"\r\n"_s;
        QCOMPARE(QString::fromUtf8(r.saida), esperado);
        const QStringList resumo = QString::fromUtf8(r.erros).split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(resumo.value(0),
                 u"games: 8 (2 verified, 2 mismatch, 2 unverified, 2 unreadable)"_s);
        QCOMPARE(resumo.value(2), u"managers with more than one counted game: \"Ana\" (4)"_s);
        QVERIFY(resumo.value(3).startsWith(u"mismatch: c/ana/games/game-2.json: result differs"_s));
        QCOMPARE(resumo.size(), 3 + 4);
    }

    // Guards against a status of 3 without a mismatch, or 0 with one.
    void OnlyAMismatchMakesTheStatusThree() {
        QCOMPARE(Executa(FPasta.path(), {u"c/bo"_s, u"c/junk"_s, u"c/ana/Orvanta.INI"_s}).status,
                 0);
        QCOMPARE(Executa(FPasta.path(), {u"c/ana/games/game-10.json"_s}).status, 3);
    }

    // Guards against names split or changed on their way through the table:
    // commas, quotes, line breaks and non-ASCII letters, in the manager's
    // name and in the file's.
    void NamesSurviveACsvReader() {
        const QString gerente = u"Zoë \"Z\", Jr.\r\nÆrø 学生"_s;
        const QString relativo = u"n/Zoë, \"x\"\n2/game-1.json"_s;
        QVERIFY(
            GravaArquivo(Arquivo(relativo), Json(RegistroTurma(FSim, 4, 11, gerente, 1), FSim)));
        const TExecucao r = Executa(FPasta.path(), {u"n"_s});
        QCOMPARE(r.status, 0);
        const QList<QStringList> linhas = LeCsv(r.saida);
        QCOMPARE(linhas.size(), 2);
        QCOMPARE(linhas.at(1).size(), 8);
        QCOMPARE(linhas.at(1).at(0), relativo);
        QCOMPARE(linhas.at(1).at(1), gerente);
        QCOMPARE(linhas.at(1).at(6), u"verified"_s);
    }

    // Guards against output that depends on the run (folder listing order)
    // or on the user's locale (decimal commas, grouping, translated words).
    void OutputIsTheSameInEveryRunAndLocale() {
        const TExecucao c = Executa(FPasta.path(), {u"c"_s}, {u"LC_ALL=C"_s, u"LANG=C"_s});
        for (const QString& local : {u"de_DE.UTF-8"_s, u"fr_FR.UTF-8"_s, u"ar_EG.UTF-8"_s}) {
            const TExecucao r =
                Executa(FPasta.path(), {u"c"_s}, {u"LC_ALL="_s + local, u"LANG="_s + local});
            QCOMPARE(r.saida, c.saida);
            QCOMPARE(r.erros, c.erros);
        }
    }

    // Guards against --csv writing anything to standard output, or a table
    // and charts not written whole in each format.
    void OutputsGoToTheirFiles() {
        QVERIFY(GravaArquivo(Arquivo(u"front.json"_s),
                             R"([{"plan": "plan-001.json", "days": 40, "cost": 15000}])"));
        const TExecucao tabela = Executa(FPasta.path(), {u"c/bo"_s});
        for (const char* formato : {"png", "svg", "pdf"}) {
            const QString grafico = u"out/class."_s + QLatin1String(formato);
            QDir(FPasta.path()).mkpath(u"out"_s);
            const TExecucao r =
                Executa(FPasta.path(), {u"--csv"_s, u"out/class.csv"_s, u"--plot"_s, grafico,
                                        u"--front"_s, u"front.json"_s, u"c/bo"_s});
            QCOMPARE(r.status, 0);
            QVERIFY(r.saida.isEmpty());
            QCOMPARE(Conteudo(Arquivo(u"out/class.csv"_s)), tabela.saida);
            const QByteArray inicio = Conteudo(Arquivo(grafico)).left(5);
            QVERIFY2(inicio == "\x89PNG\r" || inicio == "<?xml" || inicio == "%PDF-",
                     inicio.constData());
        }
    }

    // Guards against a class chart without the front the game ships (or
    // with another), and a --no-front that still draws one.
    void TheChartDrawsTheShippedFrontUnlessToldOtherwise() {
        const QString enviada = QStringLiteral(ORVANTA_BIN_DIR "/best/front.json");
        QVERIFY(QFileInfo::exists(enviada));
        const TExecucao padrao = Executa(FPasta.path(), {u"--plot"_s, u"a.svg"_s, u"c/bo"_s});
        const TExecucao nomeada = Executa(
            FPasta.path(), {u"--plot"_s, u"b.svg"_s, u"--front"_s, enviada, u"c/bo"_s});
        const TExecucao nenhuma =
            Executa(FPasta.path(), {u"--plot"_s, u"n.svg"_s, u"--no-front"_s, u"c/bo"_s});
        for (const TExecucao* r : {&padrao, &nomeada, &nenhuma}) {
            QCOMPARE(r->status, 0);
            QVERIFY2(!r->erros.contains("note:"), r->erros.constData());
        }
        QCOMPARE(Conteudo(Arquivo(u"a.svg"_s)), Conteudo(Arquivo(u"b.svg"_s)));
        QVERIFY(Conteudo(Arquivo(u"a.svg"_s)) != Conteudo(Arquivo(u"n.svg"_s)));
    }

    void BadUsageIsOneLineAndWritesNothing_data() {
        QTest::addColumn<QStringList>("argumentos");
        QTest::addColumn<int>("status");
        QTest::newRow("no path") << QStringList{} << 2;
        QTest::newRow("unknown option") << QStringList{u"--x"_s, u"c"_s} << 2;
        QTest::newRow("missing path") << QStringList{u"c"_s, u"none\n"_s} << 2;
        QTest::newRow("Qt's own option") << QStringList{u"-platform"_s, u"c"_s} << 2;
        QTest::newRow("front without plot") << QStringList{u"--front"_s, u"f.json"_s, u"c"_s} << 2;
        QTest::newRow("no-front without plot") << QStringList{u"--no-front"_s, u"c"_s} << 2;
        QTest::newRow("front and no-front")
            << QStringList{u"--plot"_s, u"x.png"_s, u"--front"_s, u"f.png"_s, u"--no-front"_s,
                           u"c"_s}
            << 2;
        QTest::newRow("unknown chart format") << QStringList{u"--plot"_s, u"x.jpg"_s, u"c"_s} << 2;
        QTest::newRow("bad front")
            << QStringList{u"--plot"_s, u"x.png"_s, u"--front"_s, u"c/junk/list.json"_s, u"c"_s}
            << 2;
        QTest::newRow("table over a record")
            << QStringList{u"--csv"_s, u"c/bo/games/game-1.json"_s, u"c"_s} << 2;
        QTest::newRow("chart over the front")
            << QStringList{u"--plot"_s, u"f.png"_s, u"--front"_s, u"f.png"_s, u"c"_s} << 2;
        QTest::newRow("both outputs one file")
            << QStringList{u"--csv"_s, u"x.svg"_s, u"--plot"_s, u"./x.svg"_s, u"c"_s} << 2;
        QTest::newRow("unwritable table") << QStringList{u"--csv"_s, u"none/x.csv"_s, u"c"_s} << 1;
    }
    // Guards against a crash, a silent success, a message over several
    // lines or a file replaced or left behind on bad usage.
    void BadUsageIsOneLineAndWritesNothing() {
        QFETCH(QStringList, argumentos);
        QFETCH(int, status);
        QVERIFY(GravaArquivo(Arquivo(u"f.png"_s), "front"));
        const QByteArray registro = Conteudo(Arquivo(u"c/bo/games/game-1.json"_s));
        const QStringList antes = QDir(FPasta.path()).entryList(QDir::AllEntries);
        const TExecucao r = Executa(FPasta.path(), argumentos);
        QCOMPARE(r.status, status);
        QVERIFY(r.saida.isEmpty());
        QVERIFY2(r.erros.startsWith("orvanta-class: "), r.erros.constData());
        QCOMPARE(r.erros.count('\n'), 1);
        QVERIFY(r.erros.endsWith('\n'));
        QCOMPARE(QDir(FPasta.path()).entryList(QDir::AllEntries), antes);
        QCOMPARE(Conteudo(Arquivo(u"c/bo/games/game-1.json"_s)), registro);
        QCOMPARE(Conteudo(Arquivo(u"f.png"_s)), "front"_ba);
    }

    // Guards against a tool that needs the game's pictures to replay a class's records.
    void ACopyAloneInAFolderOfItsOwnVerifiesTheRecords() {
        QTemporaryDir pasta;
        const QString copia = pasta.filePath(u"orvanta-class"_s);
        QVERIFY(QFile::copy(QStringLiteral(ORVANTA_BIN_DIR "/orvanta-class"), copia));
        const TExecucao r = ExecutaPrograma(copia, {Arquivo(u"c/bo"_s)}, {}, pasta.path());
        QCOMPARE(r.status, 0);
        const QList<QStringList> linhas = LeCsv(r.saida);
        QCOMPARE(linhas.size(), 2);
        QCOMPARE(linhas.at(1).value(6), u"verified"_s);
    }

    void MessagesQuoteNamesFullOfPlaceholdersAsTheyAre_data() {
        QTest::addColumn<QString>("frente");
        QTest::addColumn<QByteArray>("conteudo");
        QTest::addColumn<QString>("mensagem");
        QTest::newRow("point not an object")
            << u"f%2.json"_s << "[1]"_ba << u"the front f%2.json: point 1 is not an object"_s;
        QTest::newRow("not JSON") << u"f%1 %2.json"_s << "x"_ba
                                  << u"the front f%1 %2.json is not JSON: "_s;
        QTest::newRow("no cost") << u"%1%2%3.json"_s << R"([{"days": 1}])"_ba
                                 << u"the front %1%2%3.json: point 1 has no number \"cost\""_s;
    }
    // Guards against text from outside (a file's name) read as placeholders
    // by a later substitution: "f%2.json" was reported as "f1.json".
    void MessagesQuoteNamesFullOfPlaceholdersAsTheyAre() {
        QFETCH(QString, frente);
        QFETCH(QByteArray, conteudo);
        QFETCH(QString, mensagem);
        QVERIFY(GravaArquivo(Arquivo(frente), conteudo));
        const TExecucao r =
            Executa(FPasta.path(), {u"--plot"_s, u"x.png"_s, u"--front"_s, frente, u"c/bo"_s});
        QCOMPARE(r.status, 2);
        QVERIFY2(QString::fromUtf8(r.erros).startsWith(u"orvanta-class: "_s + mensagem),
                 r.erros.constData());
    }

    void AnOutputThatCannotBeWrittenIsAnError_data() {
        QTest::addColumn<QStringList>("argumentos");
        QTest::newRow("table") << QStringList{Arquivo(u"c/bo"_s)};
        QTest::newRow("help") << QStringList{u"--help"_s};
    }
    // Guards against output lost on a full disk reported as success.
    void AnOutputThatCannotBeWrittenIsAnError() {
        QFETCH(QStringList, argumentos);
        if (!QFileInfo::exists(u"/dev/full"_s)) {
            QSKIP("no /dev/full here");
        }
        const TExecucao r = ExecutaSob(QStringLiteral(ORVANTA_BIN_DIR "/orvanta-class"), argumentos,
                                       {QString(), u"/dev/full"_s});
        QCOMPARE(r.status, 1);
        QVERIFY2(r.erros.startsWith("orvanta-class: cannot write to standard output: "),
                 r.erros.constData());
        QCOMPARE(r.erros.count('\n'), 1);
    }

    // Guards against --help failing or not documenting the table.
    void HelpDescribesTheTable() {
        const TExecucao r = Executa(FPasta.path(), {u"--help"_s});
        QCOMPARE(r.status, 0);
        QVERIFY(r.saida.startsWith("usage: orvanta-class"));
        QVERIFY(r.saida.contains("file,manager,game,concluded,days,cost,check,sha256"));
    }
};

QTEST_GUILESS_MAIN(TstOrvantaClass)
#include "tst_orvanta_class.moc"
