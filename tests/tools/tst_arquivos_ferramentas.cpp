// SPDX-License-Identifier: GPL-3.0-or-later
// The headless tools read no file of the game's but their inputs: each one,
// copied alone into a folder of its own, runs under strace, and no file
// system call of any of its threads names a picture or a picture folder.

#include "tests/tools/ExecucaoPrograma.h"
#include "tests/tools/PlanosJson.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

bool Grava(const QString& caminho, const QByteArray& dados) {
    QFile arquivo(caminho);
    return arquivo.open(QIODevice::WriteOnly) && arquivo.write(dados) == dados.size();
}

// Run A as the game records it: its meta and the result it gives.
QByteArray RegistroCorvin() {
    QJsonObject plano = PlanoCorvin(8);
    plano.insert("result", QJsonObject{{"concluded", true}, {"days", 81}, {"cost", 16200}});
    plano.insert("meta", QJsonObject{{"program", "Orvanta 1.0"},
                                     {"manager", "Ana"},
                                     {"game", 1},
                                     {"started", "2024-03-01T09:00:00+01:00"},
                                     {"days_played_at", QJsonArray{}}});
    return Texto(plano);
}

// The paths that the traced calls name (the first quoted argument of each).
QStringList CaminhosNomeados(const QByteArray& registro) {
    static const QRegularExpression chamada(QStringLiteral(R"re(^\d+\s+\w+\([^"]*"([^"]*)")re"),
                                            QRegularExpression::MultilineOption);
    QStringList caminhos;
    for (auto m = chamada.globalMatch(QString::fromUtf8(registro)); m.hasNext();) {
        caminhos.append(m.next().captured(1));
    }
    return caminhos;
}

} // namespace

class TstArquivosFerramentas : public QObject {
    Q_OBJECT

    QString FStrace;

private slots:
    void initTestCase() {
        FStrace = QStandardPaths::findExecutable(QStringLiteral("strace"));
        if (FStrace.isEmpty()) {
            QSKIP("strace is not installed");
        }
        // Where tracing is forbidden (a container without ptrace) there is nothing to see.
        const TExecucao prova = ExecutaPrograma(FStrace, {u"-qq"_s, u"true"_s});
        if (prova.status != 0) {
            QSKIP("this system forbids tracing a program");
        }
    }

    void NoToolLooksForAPicture_data() {
        QTest::addColumn<QString>("ferramenta");
        QTest::addColumn<QStringList>("preparo");
        QTest::addColumn<QStringList>("argumentos");
        QTest::addColumn<int>("status");
        QTest::newRow("orvanta-sim") << u"orvanta-sim"_s << QStringList{}
                                     << QStringList{u"--json"_s, u"--verify"_s, u"game.json"_s}
                                     << 0;
        QTest::newRow("orvanta-best")
            << u"orvanta-best"_s << QStringList{}
            << QStringList{u"--evaluations"_s, u"100"_s, u"--threads"_s, u"2"_s,
                           u"--out"_s, u"front"_s}
            << 0;
        QTest::newRow("orvanta-class") << u"orvanta-class"_s << QStringList{}
                                       << QStringList{u"game.json"_s} << 0;
        QTest::newRow("orvanta-report") << u"orvanta-report"_s << QStringList{}
                                        << QStringList{u"game.json"_s, u"-o"_s, u"game.pdf"_s}
                                        << 0;
        // The class is made first, untraced; the import replays the record.
        QTest::newRow("orvanta-server import")
            << u"orvanta-server"_s
            << QStringList{u"class"_s, u"create"_s, u"Class"_s, u"--json"_s, u"--data"_s,
                           u"data"_s}
            << QStringList{u"import"_s, u"--class"_s, u"CODE"_s, u"--data"_s, u"data"_s,
                           u"game.json"_s}
            << 0;
    }
    // guards against a tool that looks for the game's pictures (and fails or
    // slows down where there are none) when it builds a simulator
    void NoToolLooksForAPicture() {
        QFETCH(QString, ferramenta);
        QFETCH(QStringList, preparo);
        QFETCH(QStringList, argumentos);
        QFETCH(int, status);
        QTemporaryDir pasta;
        QVERIFY(pasta.isValid());
        const QString copia = pasta.filePath(ferramenta);
        QVERIFY(QFile::copy(QStringLiteral(ORVANTA_BIN_DIR "/") + ferramenta, copia));
        QVERIFY(Grava(pasta.filePath(u"game.json"_s), RegistroCorvin()));
        const QStringList ambiente{u"QT_QPA_PLATFORM=offscreen"_s,
                                   u"HOME="_s + pasta.path()};
        if (!preparo.isEmpty()) {
            const TExecucao feito = ExecutaPrograma(copia, preparo, {}, pasta.path(), ambiente);
            QVERIFY2(feito.status == 0, feito.erros.constData());
            const QString codigo =
                QJsonDocument::fromJson(feito.saida).object().value(u"class"_s).toString();
            QVERIFY(!codigo.isEmpty());
            argumentos.replaceInStrings(u"CODE"_s, codigo);
        }
        const QString registro = pasta.filePath(u"strace.log"_s);
        const TExecucao r = ExecutaPrograma(
            FStrace,
            QStringList{u"-f"_s, u"-qq"_s, u"-e"_s, u"trace=%file"_s, u"-o"_s, registro,
                        copia} +
                argumentos,
            {}, pasta.path(), ambiente);
        QVERIFY2(r.status == status, r.erros.constData());
        QFile arquivo(registro);
        QVERIFY(arquivo.open(QIODevice::ReadOnly));
        const QStringList caminhos = CaminhosNomeados(arquivo.readAll());
        // The program itself is among them: the trace was read.
        QVERIFY(caminhos.contains(copia));
        QDir pastaConstrucao(QStringLiteral(ORVANTA_BIN_DIR));
        pastaConstrucao.cdUp();
        const QString construcao = pastaConstrucao.path() + u'/';
        for (const QString& caminho : caminhos) {
            QVERIFY2(!caminho.contains(u"imagens"_s, Qt::CaseInsensitive) &&
                         !caminho.endsWith(u".bmp"_s, Qt::CaseInsensitive),
                     qPrintable(caminho));
            // Nor any file of the project's sources (the build's programs
            // and libraries aside).
            QVERIFY2(!caminho.startsWith(QStringLiteral(ORVANTA_SOURCE_DIR "/")) ||
                         caminho.startsWith(construcao),
                     qPrintable(caminho));
        }
    }
};

QTEST_GUILESS_MAIN(TstArquivosFerramentas)
#include "tst_arquivos_ferramentas.moc"
