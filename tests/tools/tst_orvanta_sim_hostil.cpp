// The headless runner against hostile conditions: output written as the game
// is played (byte for byte what the whole document was, in a fixed memory),
// input without end, and output that cannot be written.

#include "ExecucaoPrograma.h"
#include "PlanosJson.h"
#include "model/mAtividade.h"
#include "model/mDesenvolvedor.h"
#include "model/mProjeto.h"
#include "model/mSimulador.h"
#include "plan/JogoPlano.h"
#include "plan/LeitorPlano.h"
#include "plan/Rastro.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <cerrno>
#include <cstring>

namespace {

TExecucao Executa(const QStringList& argumentos, const QByteArray& entrada = {}) {
    return ExecutaPrograma(QStringLiteral(ORVANTA_BIN_DIR "/orvanta-sim"), argumentos, entrada);
}

// The runner's JSON made here the plain way, as one document built whole:
// what its day-by-day writing must give byte for byte.
QByteArray JsonInteiro(const QByteArray& texto, bool comRastro) {
    TSimuladorProjeto sim;
    const TPlano plano = LePlano(texto, QStringLiteral("plan"), sim);
    TListaMensagens receptor;
    TRastro rastro;
    const TResultadoPlano r = JogaPlano(sim, plano, &receptor, &rastro);
    QJsonArray mensagens;
    for (const TMensagemJogo& m : receptor.Mensagens) {
        mensagens.append(QJsonObject{{"day", m.Dia}, {"text", m.Texto}});
    }
    QJsonArray atividades;
    for (const TAtividade* a : sim.Projeto()->Atividades()) {
        atividades.append(QJsonObject{{"name", a->Nome()}, {"executed", a->TempoExecutado()},
                                      {"duration", a->Duracao()}, {"errors", a->Erros()},
                                      {"found", a->ErrosEncontrados()},
                                      {"percent", a->Percentual()}});
    }
    QJsonArray desenvolvedores;
    for (const TDesenvolvedor* d : sim.Desenvolvedores()) {
        desenvolvedores.append(QJsonObject{{"name", d->Nome()}, {"hours", d->HorasTrabalho()},
                                           {"exhaustion", d->Exaustao()},
                                           {"exhausted", d->Exausto()},
                                           {"days_in_project", d->TempoProjeto()}});
    }
    QJsonObject saida{{"concluded", r.Concluido}, {"days", r.Dias},
                      {"cost", r.Custo},          {"messages", mensagens},
                      {"activities", atividades}, {"developers", desenvolvedores}};
    if (comRastro) {
        saida.insert("trace", RastroEmJson(rastro, sim));
    }
    return QJsonDocument(saida).toJson(QJsonDocument::Indented);
}

const QString Programa = QStringLiteral(ORVANTA_BIN_DIR "/orvanta-sim");

// A plan that never concludes (nobody on most activities) but keeps a
// developer in the team, for as many days as asked.
QByteArray PlanoSemFim(int dias) {
    return Texto(QJsonObject{{"team", QJsonArray{"Corvin"}},
                             {"assign", QJsonObject{{"1", "Corvin"}}},
                             {"max_days", dias}});
}

} // namespace

class TstOrvantaSimHostil : public QObject {
    Q_OBJECT

private slots:
    void TheJsonIsTheWholeDocumentsTextByteForByte_data() {
        QTest::addColumn<QByteArray>("plano");
        QJsonObject eventos = PlanoCorvin(12);
        eventos.insert("events",
                       QJsonArray{QJsonObject{{"day", 3},
                                              {"team", QJsonArray{"Corvin", "Tamsin"}},
                                              {"hours", QJsonObject{{"Tamsin", 10}}},
                                              {"assign", QJsonObject{{"4", "Tamsin"}}}}});
        QTest::newRow("concluded, with an event") << Texto(eventos);
        QTest::newRow("not concluded") << PlanoSemFim(30);
        QTest::newRow("no day played: empty lists") << QByteArray(R"({"max_days": 0})");
    }
    // Guards against output written as the game is played that differs in
    // any byte from the document the runner wrote whole (order of keys,
    // indentation, separators, empty lists, numbers).
    void TheJsonIsTheWholeDocumentsTextByteForByte() {
        QFETCH(QByteArray, plano);
        for (const bool rastro : {false, true}) {
            const TExecucao r = Executa(rastro ? QStringList{"--json", "--trace", "-"}
                                               : QStringList{"--json", "-"},
                                        plano);
            QCOMPARE(r.status, 0);
            QVERIFY(r.saida == JsonInteiro(plano, rastro));
        }
    }

    // Guards against a trace held whole in memory until the game ends: a
    // plan that never concludes grew without bound with max_days.
    void ALongTraceIsWrittenWithinAFixedMemory() {
        if (!LimitaDados()) {
            QSKIP("no limit on a program's data memory here");
        }
        QTemporaryDir pasta;
        const QString caminho = pasta.filePath(QStringLiteral("plan.json"));
        QFile arquivo(caminho);
        QVERIFY(arquivo.open(QIODevice::WriteOnly));
        arquivo.write(PlanoSemFim(2000));
        arquivo.close();
        // 2,000 days make 16 MB of text; the whole trace took over 64 MB.
        const TExecucao r = ExecutaSob(Programa, {"--json", "--trace", caminho},
                                       {QString(), QProcess::nullDevice(), 32 << 20});
        QVERIFY2(r.status == 0, r.erros.constData());
        QVERIFY(r.erros.isEmpty());
    }

    void EndlessOrHugeInputIsRefusedInOneLine_data() {
        QTest::addColumn<QString>("programa");
        QTest::addColumn<QStringList>("argumentos");
        QTest::addColumn<QString>("entrada");
        QTest::addColumn<QString>("mensagem");
        QTest::newRow("/dev/zero named") << Programa << QStringList{"/dev/zero"} << QString()
                                         << "the plan /dev/zero is larger than 8 MiB";
        QTest::newRow("/dev/zero on standard input")
            << Programa << QStringList{"-"} << "/dev/zero"
            << "the plan standard input is larger than 8 MiB";
        QTest::newRow("a program that never stops writing")
            << "/bin/sh" << QStringList{"-c", "yes | exec \"$0\" -", Programa} << QString()
            << "the plan standard input is larger than 8 MiB";
    }
    // Guards against reading input without end: the runner grew until it
    // ran out of memory and died in two lines with status 134.
    void EndlessOrHugeInputIsRefusedInOneLine() {
        QFETCH(QString, programa);
        QFETCH(QStringList, argumentos);
        QFETCH(QString, entrada);
        QFETCH(QString, mensagem);
        if (!QFileInfo::exists(QStringLiteral("/dev/zero"))) {
            QSKIP("no /dev/zero here");
        }
        const TExecucao r = ExecutaSob(programa, argumentos, {entrada, QString(), 256 << 20});
        QCOMPARE(r.status, 2);
        QVERIFY(r.saida.isEmpty());
        QCOMPARE(QString::fromUtf8(r.erros), QStringLiteral("orvanta-sim: ") + mensagem + '\n');
    }

    // Guards against a limit that refuses a plan of exactly the size allowed.
    void APlanOfEightMebibytesIsRead() {
        QByteArray plano = Texto(PlanoCorvin(8));
        plano += QByteArray((8 << 20) - plano.size(), ' ');
        const TExecucao r = Executa({"-"}, plano);
        QCOMPARE(r.status, 0);
        QVERIFY(r.erros.isEmpty());
    }

    void AnOutputThatCannotBeWrittenIsAnError_data() {
        QTest::addColumn<QStringList>("argumentos");
        QTest::newRow("text") << QStringList{"-"};
        QTest::newRow("json") << QStringList{"--json", "-"};
        QTest::newRow("trace") << QStringList{"--json", "--trace", "-"};
        QTest::newRow("verify") << QStringList{"--verify", "-"};
        QTest::newRow("help") << QStringList{"--help"};
    }
    // Guards against output lost on a full disk reported as success (status 0).
    void AnOutputThatCannotBeWrittenIsAnError() {
        QFETCH(QStringList, argumentos);
        if (!QFileInfo::exists(QStringLiteral("/dev/full"))) {
            QSKIP("no /dev/full here");
        }
        QTemporaryDir pasta;
        const QString caminho = pasta.filePath(QStringLiteral("plan.json"));
        QFile arquivo(caminho);
        QVERIFY(arquivo.open(QIODevice::WriteOnly));
        QJsonObject plano = PlanoCorvin(8);
        plano.insert("result", QJsonObject{{"concluded", true}, {"days", 81}, {"cost", 16200}});
        arquivo.write(Texto(plano));
        arquivo.close();
        const TExecucao r = ExecutaSob(Programa, argumentos, {caminho, QStringLiteral("/dev/full")});
        QCOMPARE(r.status, 1);
        QCOMPARE(QString::fromUtf8(r.erros),
                 QStringLiteral("orvanta-sim: cannot write to standard output: ") +
                     QString::fromLocal8Bit(std::strerror(ENOSPC)) + '\n');
    }
};

QTEST_GUILESS_MAIN(TstOrvantaSimHostil)
#include "tst_orvanta_sim_hostil.moc"
