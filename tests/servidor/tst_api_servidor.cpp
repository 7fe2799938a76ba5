// SPDX-License-Identifier: GPL-3.0-or-later
// API v1 of the class server against a real server process and a real
// database: every answer it gives, the records it keeps, retries, the
// teacher's key and hostile bodies (its limits are tst_limites_servidor's).
// Run on SQLite, and on PostgreSQL when the fixture's cluster is named.

#include "plan/EscritorPlano.h"
#include "plan/JogoPlano.h"
#include "tests/servidor/ServidorTeste.h"
#include "tests/tools/PlanosRuins.h"
#include "tests/turma/RegistrosTurma.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QJsonArray>

using namespace Qt::StringLiterals;

namespace {

QString Digesto(const QByteArray& dados) {
    return QString::fromLatin1(QCryptographicHash::hash(dados, QCryptographicHash::Sha256).toHex());
}

// What orvanta-sim says of a plan read from standard input, without its
// name and the input's.
QString MensagemDoRunner(const QByteArray& plano) {
    QProcess sim;
    sim.start(QStringLiteral(ORVANTA_BIN_DIR "/orvanta-sim"), {"-"});
    sim.waitForStarted();
    sim.write(plano);
    sim.closeWriteChannel();
    sim.waitForFinished(60000);
    QString linha = QString::fromUtf8(sim.readAllStandardError()).trimmed();
    for (const QString& prefixo : {u"orvanta-sim: "_s, u"standard input: "_s}) {
        if (linha.startsWith(prefixo)) {
            linha = linha.mid(prefixo.size());
        }
    }
    return linha;
}

} // namespace

class TstApiServidor : public QObject {
    Q_OBJECT

    TBancoTeste FBanco;
    TSimuladorProjeto FSim;
    std::unique_ptr<TServidorTeste> FServidor;

    // A record as the game writes it: developer d alone at the given hours.
    QByteArray Registro(int d, int horas, const QString& gerente, int jogo) {
        return EscrevePlano(RegistroTurma(FSim, d, horas, gerente, jogo), FSim);
    }

private slots:
    void initTestCase() {
        QVERIFY2(FBanco.Valido(), "the PostgreSQL fixture's state file cannot be read");
        FServidor = std::make_unique<TServidorTeste>(FBanco, QStringList{"--rate-limit", "0"});
        QVERIFY2(FServidor->Porta() > 0, FServidor->Erros().constData());
    }

    // guards against a server that cannot stop cleanly after the suite's load
    void cleanupTestCase() { QCOMPARE(FServidor->Sinaliza(SIGTERM), 0); }

    void UploadsAreAnsweredWithTheirCheck_data() {
        QTest::addColumn<QByteArray>("corpo");
        QTest::addColumn<QString>("conferencia");
        QTest::addColumn<bool>("concluido");
        QTest::addColumn<int>("dias");
        QTest::addColumn<double>("custo");
        TPlano plano = RegistroTurma(FSim, 0, 8, u"Ana"_s, 1);
        QTest::newRow("verified") << EscrevePlano(plano, FSim) << u"verified"_s << true << 81
                                  << 16200.0;
        plano.Resultado->Custo -= 250.5;
        QTest::newRow("mismatch: the claim is kept")
            << EscrevePlano(plano, FSim) << u"mismatch"_s << true << 81 << 15949.5;
        plano.Resultado.reset();
        plano.MaximoDias = 40;
        QTest::newRow("unverified: the replay's result")
            << EscrevePlano(plano, FSim) << u"unverified"_s << false << 40 << 8000.0;
    }

    // Guards against a record kept with a wrong check or result, a retry
    // stored twice or answered differently, and bytes changed on the way.
    void UploadsAreAnsweredWithTheirCheck() {
        QFETCH(QByteArray, corpo);
        QFETCH(QString, conferencia);
        QFETCH(bool, concluido);
        QFETCH(int, dias);
        QFETCH(double, custo);
        const TTurmaTeste turma = CriaTurmaTeste(FBanco, u"Checks"_s);
        const httplib::Result primeiro = FServidor->EnviaRegistro(turma.codigo, corpo);
        QVERIFY(primeiro);
        QCOMPARE(primeiro->status, 201);
        const QJsonObject recibo = ObjetoJson(primeiro->body);
        QCOMPARE(recibo.keys(),
                 (QStringList{"check", "concluded", "cost", "days", "id", "sha256"}));
        QCOMPARE(recibo.value("check").toString(), conferencia);
        QCOMPARE(recibo.value("concluded").toBool(), concluido);
        QCOMPARE(recibo.value("days").toInt(), dias);
        QCOMPARE(recibo.value("cost").toDouble(), custo);
        QCOMPARE(recibo.value("sha256").toString(), Digesto(corpo));

        const httplib::Result segundo = FServidor->EnviaRegistro(turma.codigo, corpo);
        QVERIFY(segundo);
        QCOMPARE(segundo->status, 200);
        QCOMPARE(ObjetoJson(segundo->body), recibo);

        const std::string id = QString::number(recibo.value("id").toInteger()).toStdString();
        const httplib::Result bytes = FServidor->Cliente()->Get(
            Caminho(turma.codigo, "/records/") + id, ComChave(turma.chave));
        QVERIFY(bytes);
        QCOMPARE(bytes->status, 200);
        QCOMPARE(QByteArray::fromStdString(bytes->body), corpo);
    }

    // Guards against results that miss a record or a column, disagree with
    // the CSV, or a CSV that is not orvanta-class's table for the same records.
    void ResultsAreTheClassTablesRows() {
        const TTurmaTeste turma = CriaTurmaTeste(FBanco, u"Table"_s);
        const QStringList gerentes{u"Ana %1 \"the \u00e1rbiter\", Jr."_s, u"Bo\nline"_s, u"Cy"_s};
        QTemporaryDir pasta;
        QList<QByteArray> corpos;
        for (int i = 0; i < gerentes.size(); ++i) {
            corpos.append(Registro(i, 8 + i, gerentes.at(i), i + 1));
            QVERIFY(FServidor->EnviaRegistro(turma.codigo, corpos.last()));
        }
        // The second record claims another result.
        TPlano falso = RegistroTurma(FSim, 3, 9, u"Di"_s, 7);
        falso.Resultado->Dias += 2;
        corpos.append(EscrevePlano(falso, FSim));
        QVERIFY(FServidor->EnviaRegistro(turma.codigo, corpos.last()));

        const auto cliente = FServidor->Cliente();
        const httplib::Result lista =
            cliente->Get(Caminho(turma.codigo, "/results"), ComChave(turma.chave));
        QVERIFY(lista);
        QCOMPARE(lista->status, 200);
        const QJsonArray linhas =
            QJsonDocument::fromJson(QByteArray::fromStdString(lista->body)).array();
        QCOMPARE(linhas.size(), corpos.size());
        const httplib::Result csv =
            cliente->Get(Caminho(turma.codigo, "/results.csv"), ComChave(turma.chave));
        QVERIFY(csv);
        QCOMPARE(csv->status, 200);
        const QList<QStringList> tabela = LeCsv(QByteArray::fromStdString(csv->body));
        QCOMPARE(tabela.size(), corpos.size() + 1);

        // orvanta-class on the same bytes, one file a record, named by its id.
        for (qsizetype i = 0; i < corpos.size(); ++i) {
            const QJsonObject l = linhas.at(i).toObject();
            QCOMPARE(l.keys(), (QStringList{"check", "concluded", "cost", "days", "file", "game",
                                            "id", "manager", "sha256", "uploaded"}));
            QCOMPARE(l.value("file").toString(), QString::number(l.value("id").toInteger()));
            QCOMPARE(l.value("sha256").toString(), Digesto(corpos.at(i)));
            const QDateTime enviado =
                QDateTime::fromString(l.value("uploaded").toString(), Qt::ISODateWithMs);
            QVERIFY(enviado.isValid() && enviado.timeSpec() == Qt::UTC);
            QVERIFY(qAbs(enviado.secsTo(QDateTime::currentDateTimeUtc())) < 600);
            QVERIFY(GravaArquivo(pasta.filePath(l.value("file").toString() + u".json"_s),
                                 corpos.at(i)));
        }
        QProcess classe;
        classe.setWorkingDirectory(pasta.path());
        classe.start(QStringLiteral(ORVANTA_BIN_DIR "/orvanta-class"), {"."});
        QVERIFY(classe.waitForFinished(60000));
        const QList<QStringList> daClasse = LeCsv(classe.readAllStandardOutput());
        QCOMPARE(tabela.first(), daClasse.first());
        for (qsizetype i = 0; i < corpos.size(); ++i) {
            const QJsonObject l = linhas.at(i).toObject();
            const QStringList linha = tabela.at(i + 1);
            QCOMPARE(linha.first(), l.value("file").toString());
            QCOMPARE(linha.mid(1), daClasse.at(i + 1).mid(1));
            QCOMPARE(linha.at(1), l.value("manager").toString());
            QCOMPARE(linha.at(2).toInt(), l.value("game").toInt());
            QCOMPARE(linha.at(3), l.value("concluded").toBool() ? u"true"_s : u"false"_s);
            QCOMPARE(linha.at(4).toInt(), l.value("days").toInt());
            QCOMPARE(linha.at(5), QString::number(l.value("cost").toDouble(), 'f', 2));
            QCOMPARE(linha.at(6), l.value("check").toString());
        }
        QCOMPARE(tabela.at(2).at(1), gerentes.at(1));
        QCOMPARE(tabela.at(4).at(6), u"mismatch"_s);
    }

    void TeacherRequestsNeedTheClassKey_data() {
        QTest::addColumn<QString>("autorizacao");
        QTest::addColumn<bool>("turmaExiste");
        QTest::newRow("no key") << QString() << true;
        QTest::newRow("another scheme") << u"Basic KEY"_s << true;
        QTest::newRow("a wrong key") << u"Bearer x"_s << true;
        QTest::newRow("the key of another class") << u"Bearer OTHER"_s << true;
        QTest::newRow("an unknown class") << u"Bearer KEY"_s << false;
    }

    // Guards against results handed out without the class's own key, or an
    // unknown class told apart from a wrong key.
    void TeacherRequestsNeedTheClassKey() {
        QFETCH(QString, autorizacao);
        QFETCH(bool, turmaExiste);
        const TTurmaTeste turma = CriaTurmaTeste(FBanco, u"Keys"_s);
        const TTurmaTeste outra = CriaTurmaTeste(FBanco, u"Other"_s);
        const httplib::Result enviado =
            FServidor->EnviaRegistro(turma.codigo, Registro(1, 8, u"Ana"_s, 1));
        QVERIFY(enviado);
        const std::string id =
            QString::number(ObjetoJson(enviado->body).value("id").toInteger()).toStdString();
        QString cabecalho = autorizacao;
        cabecalho.replace(u"KEY"_s, turma.chave).replace(u"OTHER"_s, outra.chave);
        const QString codigo = turmaExiste ? turma.codigo : u"ZZZZ2222"_s;
        httplib::Headers cabecalhos;
        if (!cabecalho.isEmpty()) {
            cabecalhos.emplace("Authorization", cabecalho.toStdString());
        }
        const auto cliente = FServidor->Cliente();
        for (const std::string& caminho :
             {Caminho(codigo, "/results"), Caminho(codigo, "/results.csv"),
              Caminho(codigo, "/records/") + id}) {
            const httplib::Result r = cliente->Get(caminho, cabecalhos);
            QVERIFY(r);
            QCOMPARE(r->status, 401);
            QVERIFY(r->has_header("WWW-Authenticate"));
            QVERIFY(!ErroJson(r->body).isEmpty());
            QVERIFY(r->body.find(turma.chave.toStdString()) == std::string::npos);
            QCOMPARE(r->get_header_value("Content-Type"), std::string(TipoJsonEsperado));
        }
        // The other class's key opens the other class only.
        const httplib::Result alheio =
            cliente->Get(Caminho(outra.codigo, "/records/") + id, ComChave(outra.chave));
        QVERIFY(alheio);
        QCOMPARE(alheio->status, 404);
    }

    // guards against a new key that leaves the old one working
    void ANewTeacherKeyVoidsTheOldOne() {
        const TTurmaTeste turma = CriaTurmaTeste(FBanco, u"Renewed"_s);
        const TExecucaoServidor r = ExecutaServidor(
            QStringList{"class", "key", turma.codigo.toLower(), "--json"} + FBanco.Argumentos());
        QCOMPARE(r.status, 0);
        const QString nova =
            QJsonDocument::fromJson(r.saida).object().value("teacher_key").toString();
        QVERIFY(nova.size() >= 22 && nova != turma.chave);
        const auto cliente = FServidor->Cliente();
        const auto status = [&](const QString& chave) {
            const httplib::Result g =
                cliente->Get(Caminho(turma.codigo, "/results"), ComChave(chave));
            return g ? g->status : -1;
        };
        QCOMPARE(status(turma.chave), 401);
        QCOMPARE(status(nova), 200);
    }

    // Guards against uploads to a class that does not exist being kept, and
    // a class's name changed on its way to the game (a "%1" in it filled in).
    void ClassesAreFoundByTheirCodeOnly() {
        const QString nome = u"9B %1 %2 \u00e9l\u00e8ves \"x\""_s;
        const TTurmaTeste turma = CriaTurmaTeste(FBanco, nome);
        const auto cliente = FServidor->Cliente();
        const httplib::Result achada = cliente->Get(Caminho(turma.codigo));
        QVERIFY(achada);
        QCOMPARE(achada->status, 200);
        QCOMPARE(ObjetoJson(achada->body), (QJsonObject{{"name", nome}}));
        // Typed in small letters, a code is the same class.
        const httplib::Result minusculas = cliente->Get(Caminho(turma.codigo.toLower()));
        QVERIFY(minusculas);
        QCOMPARE(minusculas->status, 200);
        for (const QString& codigo : {u"ZZZZ2222"_s, u"0OIL1234"_s, u"SHORT"_s}) {
            const httplib::Result get = cliente->Get(Caminho(codigo));
            QVERIFY(get);
            QCOMPARE(get->status, 404);
            const httplib::Result post =
                FServidor->EnviaRegistro(codigo, Registro(0, 8, u"Ana"_s, 1));
            QVERIFY(post);
            QCOMPARE(post->status, 404);
            QCOMPARE(ErroJson(post->body), u"no class "_s + codigo);
        }
    }

    void HostileBodiesAreRefusedWithTheRunnersMessage_data() {
        QTest::addColumn<QByteArray>("plano");
        QTest::addColumn<QString>("mensagem");
        LinhasPlanosRuins();
        QByteArray binario;
        for (int i = 0; i < 256; ++i) {
            binario.append(static_cast<char>(i));
        }
        QTest::newRow("empty") << QByteArray() << u"malformed JSON"_s;
        QTest::newRow("binary") << binario << u"malformed JSON"_s;
        QTest::newRow("not UTF-8")
            << QByteArray("{\"meta\": {\"manager\": \"\xff\xfe\"}}") << u"invalid UTF8"_s;
        QTest::newRow("deeply nested") << QByteArray(100000, '[') << u"too deeply nested"_s;
        QTest::newRow("a number beyond doubles")
            << QByteArray(R"({"max_days": 1e400})") << u"illegal number"_s;
        QTest::newRow("days out of range")
            << QByteArray(R"({"max_days": 1000001})") << u"max_days"_s;
    }

    // Guards against a body that is not a plan being kept, answered with
    // another message than the runner's, or taking the server down.
    void HostileBodiesAreRefusedWithTheRunnersMessage() {
        QFETCH(QByteArray, plano);
        QFETCH(QString, mensagem);
        const QString runner = MensagemDoRunner(plano);
        QVERIFY2(runner.contains(mensagem.section(u"standard input: "_s, -1)), qPrintable(runner));
        static const TTurmaTeste turma = CriaTurmaTeste(FBanco, u"Hostile"_s);
        const httplib::Result r = FServidor->EnviaRegistro(turma.codigo, plano);
        QVERIFY(r);
        QCOMPARE(r->status, 400);
        QCOMPARE(ErroJson(r->body), runner);
        const httplib::Result resultados =
            FServidor->Cliente()->Get(Caminho(turma.codigo, "/results"), ComChave(turma.chave));
        QVERIFY(resultados);
        QCOMPARE(resultados->body, std::string("[]"));
    }

    // guards against every response not naming its charset or letting browsers guess its type
    void EveryAnswerNamesItsCharsetAndForbidsSniffing() {
        const TTurmaTeste turma = CriaTurmaTeste(FBanco, u"Headers"_s);
        const auto cliente = FServidor->Cliente();
        const httplib::Result enviado =
            FServidor->EnviaRegistro(turma.codigo, Registro(6, 8, u"Ana"_s, 1));
        QVERIFY(enviado);
        const std::string id =
            QString::number(ObjetoJson(enviado->body).value("id").toInteger()).toStdString();
        std::vector<httplib::Result> respostas;
        respostas.push_back(cliente->Get("/nowhere"));
        respostas.push_back(cliente->Get(Caminho(turma.codigo)));
        respostas.push_back(cliente->Get(Caminho(turma.codigo, "/results")));
        respostas.push_back(cliente->Get(Caminho(turma.codigo, "/results"), ComChave(turma.chave)));
        respostas.push_back(
            cliente->Get(Caminho(turma.codigo, "/results.csv"), ComChave(turma.chave)));
        respostas.push_back(
            cliente->Get(Caminho(turma.codigo, "/records/") + id, ComChave(turma.chave)));
        respostas.push_back(
            cliente->Post(Caminho(turma.codigo, "/records"), "{", "application/json"));
        respostas.push_back(cliente->Delete(Caminho(turma.codigo)));
        for (const httplib::Result& r : respostas) {
            QVERIFY(r);
            QVERIFY2(r->get_header_value("Content-Type").find("; charset=utf-8") !=
                         std::string::npos,
                     r->get_header_value("Content-Type").c_str());
            QCOMPARE(r->get_header_value("X-Content-Type-Options"), std::string("nosniff"));
            if (r->status >= 400) {
                QVERIFY(!ErroJson(r->body).isEmpty());
            }
        }
    }
};

QTEST_GUILESS_MAIN(TstApiServidor)
#include "tst_api_servidor.moc"
