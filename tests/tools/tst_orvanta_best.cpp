// SPDX-License-Identifier: GPL-3.0-or-later
// The best-plan finder as its users see it: the folder it writes, the plans
// the runner verifies, its progress, and its answer to bad usage and to
// folders it must not touch.

#include "tests/tools/ExecucaoPrograma.h"

#include <QCryptographicHash>
#include <QDirIterator>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>

namespace {

const QString Programa = QStringLiteral(ORVANTA_BIN_DIR "/orvanta-best");

TExecucao Executa(const QString& programa, const QStringList& argumentos,
                  const QString& pastaTrabalho = QStringLiteral(ORVANTA_BIN_DIR)) {
    return ExecutaPrograma(programa, argumentos, {}, pastaTrabalho);
}

// A small search into pasta.
TExecucao Busca(const QString& pasta, const QString& semente = QStringLiteral("1")) {
    return Executa(Programa,
                   {"--evaluations", "300", "--threads", "2", "--seed", semente, "--out", pasta});
}

QStringList Linhas(const QByteArray& texto) {
    return QString::fromUtf8(texto).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

// Every file below pasta with a digest of its bytes, to see that nothing changed.
QMap<QString, QByteArray> Conteudo(const QString& pasta) {
    QMap<QString, QByteArray> conteudo;
    QDirIterator it(pasta, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString caminho = it.next();
        QFile arquivo(caminho);
        QByteArray digest;
        if (arquivo.open(QIODevice::ReadOnly)) {
            digest = QCryptographicHash::hash(arquivo.readAll(), QCryptographicHash::Sha256);
        }
        conteudo.insert(QDir(pasta).relativeFilePath(caminho), digest);
    }
    return conteudo;
}

bool Grava(const QString& caminho, const QByteArray& dados) {
    QFile arquivo(caminho);
    return arquivo.open(QIODevice::WriteOnly) && arquivo.write(dados) == dados.size();
}

QJsonArray LeFrente(const QString& pasta) {
    QFile arquivo(QDir(pasta).filePath("front.json"));
    return arquivo.open(QIODevice::ReadOnly) ? QJsonDocument::fromJson(arquivo.readAll()).array()
                                             : QJsonArray();
}

// The files front.json lists, front.json itself first.
QStringList Listados(const QJsonArray& frente) {
    QStringList nomes{"front.json"};
    for (const QJsonValue& v : frente) {
        nomes.append(v.toObject().value("plan").toString());
    }
    return nomes;
}

QStringList Arquivos(const QString& pasta) {
    QStringList nomes =
        QDir(pasta).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    nomes.removeOne("front.json");
    nomes.prepend("front.json");
    return nomes;
}

} // namespace

using TPreparo = std::function<bool(const QString& pasta)>;
Q_DECLARE_METATYPE(TPreparo)

class TstOrvantaBest : public QObject {
    Q_OBJECT

private slots:
    // Guards against a help text that is missing or goes to the wrong stream.
    void HelpPrintsTheUsageAndExitsZero() {
        const TExecucao r = Executa(Programa, {"--help"});
        QCOMPARE(r.status, 0);
        QVERIFY(r.saida.startsWith("usage: orvanta-best"));
        QVERIFY(r.erros.isEmpty());
    }

    void BadUsageIsOneLineAndStatusTwo_data() {
        QTest::addColumn<QStringList>("argumentos");
        QTest::newRow("unknown option") << QStringList{"--fast", "--out", "OUT"};
        QTest::newRow("no --out") << QStringList{"--seed", "3"};
        QTest::newRow("empty --out") << QStringList{"--out", ""};
        QTest::newRow("a stray argument") << QStringList{"--out", "OUT", "extra"};
        QTest::newRow("negative seed") << QStringList{"--seed", "-1", "--out", "OUT"};
        QTest::newRow("seed past 32 bits") << QStringList{"--seed", "4294967296", "--out", "OUT"};
        QTest::newRow("too few evaluations") << QStringList{"--evaluations", "99", "--out", "OUT"};
        QTest::newRow("evaluations not a number")
            << QStringList{"--evaluations", "1e5", "--out", "OUT"};
        QTest::newRow("no threads") << QStringList{"--threads", "0", "--out", "OUT"};
        QTest::newRow("a line break in a value")
            << QStringList{"--threads", "2\nx", "--out", "OUT"};
    }

    // Guards against bad usage that crashes, starts a search, writes
    // anything or says more than one line.
    void BadUsageIsOneLineAndStatusTwo() {
        QFETCH(QStringList, argumentos);
        QTemporaryDir temporaria;
        const QString pasta = temporaria.filePath("front");
        argumentos.replaceInStrings(QRegularExpression("^OUT$"), pasta);
        const TExecucao r = Executa(Programa, argumentos);
        QCOMPARE(r.status, 2);
        QVERIFY(r.saida.isEmpty());
        QCOMPARE(Linhas(r.erros).size(), 1);
        QVERIFY(r.erros.startsWith("orvanta-best: "));
        QVERIFY(!QFileInfo::exists(pasta));
    }

    void AFolderHoldingOtherFilesIsRefusedAndLeftAlone_data() {
        QTest::addColumn<TPreparo>("prepara");
        QTest::newRow("notes of the user")
            << TPreparo([](const QString& p) { return Grava(p + "/notes.txt", "mine"); });
        QTest::newRow("a plan the user wrote") << TPreparo([](const QString& p) {
            return Grava(p + "/plan-001.json",
                         R"({"team": ["Corvin"], "meta": {"program": "me"}})");
        });
        QTest::newRow("a front.json of the user") << TPreparo(
            [](const QString& p) { return Grava(p + "/front.json", R"({"mine": true})"); });
        QTest::newRow("a folder") << TPreparo(
            [](const QString& p) { return QDir(p).mkdir("old"); });
        QTest::newRow("a plan file of another name") << TPreparo([](const QString& p) {
            return Grava(p + "/plan-1.json", R"({"meta": {"program": "orvanta-best"}})");
        });
    }

    // Guards against the tool overwriting or removing files it did not write.
    void AFolderHoldingOtherFilesIsRefusedAndLeftAlone() {
        QFETCH(TPreparo, prepara);
        QTemporaryDir temporaria;
        QVERIFY(prepara(temporaria.path()));
        const QMap<QString, QByteArray> antes = Conteudo(temporaria.path());
        const TExecucao r = Busca(temporaria.path());
        QCOMPARE(r.status, 2);
        QCOMPARE(Linhas(r.erros).size(), 1);
        QVERIFY(r.erros.contains("did not write"));
        QCOMPARE(Conteudo(temporaria.path()), antes);
    }

    // Guards against a --out that names a file being written over.
    void AFileGivenAsTheFolderIsRefused() {
        QTemporaryDir temporaria;
        const QString arquivo = temporaria.filePath("front");
        QVERIFY(Grava(arquivo, "mine"));
        const TExecucao r = Busca(arquivo);
        QCOMPARE(r.status, 2);
        QCOMPARE(r.erros, QByteArray("orvanta-best: " + arquivo.toUtf8() + " is not a folder\n"));
    }

    void AnOutThatCannotBeMadeIsFoundBeforeTheSearch_data() {
        QTest::addColumn<QString>("relativo");
        QTest::addColumn<QString>("mensagem");
        QTest::newRow("below a file") << "file/front" << "cannot create the folder ";
        QTest::newRow("placeholders in the name")
            << "file/%1 %2 100%" << "cannot create the folder ";
    }
    // Guards against an unwritable --out found only once the whole search
    // was spent: the first progress line came before the refusal.
    void AnOutThatCannotBeMadeIsFoundBeforeTheSearch() {
        QFETCH(QString, relativo);
        QFETCH(QString, mensagem);
        QTemporaryDir temporaria;
        QVERIFY(Grava(temporaria.filePath("file"), "mine"));
        const QString pasta = temporaria.filePath(relativo);
        const TExecucao r = Executa(Programa, {"--evaluations", "2000", "--out", pasta});
        QCOMPARE(r.status, 1);
        QCOMPARE(QString::fromUtf8(r.erros),
                 QStringLiteral("orvanta-best: ") + mensagem + pasta + QLatin1Char('\n'));
        QCOMPARE(Conteudo(temporaria.path()).keys(), QStringList{"file"});
    }

    // Guards against a front.json that lists files missing, out of order or
    // not verifiable, and against anything else written into the folder.
    void TheFrontIsWrittenAsPlansTheRunnerVerifies() {
        QTemporaryDir temporaria;
        const QString pasta = temporaria.filePath("new/front");
        const TExecucao r = Busca(pasta);
        QCOMPARE(r.status, 0);
        QVERIFY(r.saida.isEmpty());
        const QJsonArray frente = LeFrente(pasta);
        QVERIFY(!frente.isEmpty());
        QCOMPARE(Arquivos(pasta), Listados(frente));
        int diasAntes = 0;
        for (int i = 0; i < frente.size(); ++i) {
            const QJsonObject entrada = frente.at(i).toObject();
            QCOMPARE(entrada.value("plan").toString(), QString::asprintf("plan-%03d.json", i + 1));
            QVERIFY(entrada.value("days").toInt() > diasAntes);
            diasAntes = entrada.value("days").toInt();
            const QString caminho = QDir(pasta).filePath(entrada.value("plan").toString());
            const TExecucao v =
                Executa(QStringLiteral(ORVANTA_BIN_DIR "/orvanta-sim"), {"--verify", caminho});
            QVERIFY2(v.status == 0, v.erros.constData());
            QFile arquivo(caminho);
            QVERIFY(arquivo.open(QIODevice::ReadOnly));
            const QJsonObject plano = QJsonDocument::fromJson(arquivo.readAll()).object();
            const QJsonObject resultado = plano.value("result").toObject();
            QCOMPARE(resultado.value("days"), entrada.value("days"));
            QCOMPARE(resultado.value("cost"), entrada.value("cost"));
            QCOMPARE(plano.value("meta").toObject().value("program").toString(),
                     QString("orvanta-best"));
        }
    }

    // Guards against stale plans of an earlier, larger front staying beside
    // the new one, and against a rerun refusing the tool's own folder.
    void ARerunReplacesAnEarlierFrontAndItsExtraPlans() {
        QTemporaryDir temporaria;
        const QString pasta = temporaria.path();
        QCOMPARE(Busca(pasta).status, 0);
        QJsonArray frente = LeFrente(pasta);
        QVERIFY(QFile::copy(pasta + "/plan-001.json", pasta + "/plan-050.json"));
        frente.append(QJsonObject{{"plan", "plan-050.json"}, {"days", 500}, {"cost", 1.0}});
        QVERIFY(Grava(pasta + "/front.json", QJsonDocument(frente).toJson()));
        const TExecucao r = Busca(pasta, "2");
        QCOMPARE(r.status, 0);
        QVERIFY(!QFileInfo::exists(pasta + "/plan-050.json"));
        QCOMPARE(Arquivos(pasta), Listados(LeFrente(pasta)));
    }

    // Guards against progress that is missing, goes to standard output or
    // rewrites itself in place when standard error is not a terminal.
    void ProgressGoesToStandardErrorAsPlainLines() {
        QTemporaryDir temporaria;
        const TExecucao r = Busca(temporaria.path());
        QCOMPARE(r.status, 0);
        QVERIFY(!r.erros.contains('\r'));
        const QStringList linhas = Linhas(r.erros);
        QVERIFY(linhas.size() >= 2);
        QVERIFY(linhas.first().contains(
            QRegularExpression("^\\d+ evaluations, \\d+ per second, front \\d+, best days \\d+, "
                               "best cost \\d+\\.\\d\\d$")));
        QVERIFY(linhas.last().startsWith("orvanta-best: 300 evaluations in "));
        QVERIFY(linhas.last().contains(" per second on 2 threads"));
    }

    // Guards against a search that needs the game's pictures.
    void ACopyAloneInAFolderOfItsOwnWritesItsFront() {
        QTemporaryDir temporaria;
        const QString copia = temporaria.filePath("orvanta-best");
        QVERIFY(QFile::copy(Programa, copia));
        const QString pasta = temporaria.filePath("front");
        const TExecucao r =
            Executa(copia, {"--evaluations", "300", "--out", pasta}, temporaria.path());
        QCOMPARE(r.status, 0);
        QVERIFY(QFileInfo(pasta + "/front.json").isFile());
        QVERIFY(QFileInfo(pasta + "/plan-001.json").isFile());
    }
};

QTEST_GUILESS_MAIN(TstOrvantaBest)
#include "tst_orvanta_best.moc"
