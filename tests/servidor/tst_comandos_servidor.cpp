// orvanta-server as a teacher runs it: its help, its refusal of bad usage,
// the class commands and import, its runtime failures, stopping on a
// signal after the requests in flight, and HTTPS. On SQLite.

#include "../turma/RegistrosTurma.h"
#include "ServidorTeste.h"
#include "plan/EscritorPlano.h"
#include "plan/VerificacaoPlano.h"
#include "servidor/BancoTurmas.h"

#include <QJsonArray>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlQuery>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

QByteArray Conteudo(const QString& caminho) {
    QFile arquivo(caminho);
    return arquivo.open(QIODevice::ReadOnly) ? arquivo.readAll() : QByteArray();
}

// A connection to 127.0.0.1:porta; -1 when refused.
int Conecta(int porta) {
    const int s = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in destino{};
    destino.sin_family = AF_INET;
    destino.sin_port = htons(static_cast<uint16_t>(porta));
    destino.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::connect(s, reinterpret_cast<sockaddr*>(&destino), sizeof destino) != 0) {
        ::close(s);
        return -1;
    }
    timeval prazo{30, 0};
    ::setsockopt(s, SOL_SOCKET, SO_RCVTIMEO, &prazo, sizeof prazo);
    return s;
}

void EnviaTudo(int s, const QByteArray& dados) {
    ::send(s, dados.constData(), static_cast<size_t>(dados.size()), MSG_NOSIGNAL);
}

} // namespace

class TstComandosServidor : public QObject {
    Q_OBJECT

    TSimuladorProjeto FSim;

    static TExecucaoServidor Executa(const QStringList& argumentos, const TBancoTeste& banco) {
        return ExecutaServidor(argumentos + banco.Argumentos());
    }

private slots:
    // guards against help written to standard error or ending with a failure status
    void HelpPrintsTheUsageAndExitsZero() {
        const TExecucaoServidor r = ExecutaServidor({"--help"});
        QCOMPARE(r.status, 0);
        QVERIFY(r.saida.startsWith("usage: orvanta-server serve"));
        QVERIFY(r.saida.contains("Exit status"));
        QVERIFY(r.erros.isEmpty());
    }

    void BadUsageIsRefusedInOneLineWithStatusTwo_data() {
        QTest::addColumn<QStringList>("argumentos");
        QTest::addColumn<QString>("mensagem");
        QTest::newRow("no command") << QStringList() << u"usage: orvanta-server"_s;
        QTest::newRow("unknown command") << QStringList{"start"} << u"usage: orvanta-server"_s;
        QTest::newRow("unknown option") << QStringList{"serve", "--port", "1"} << u"'port'"_s;
        QTest::newRow("class without action") << QStringList{"class"} << u"class create NAME"_s;
        QTest::newRow("create without a name") << QStringList{"class", "create"}
                                               << u"class create NAME"_s;
        QTest::newRow("a blank name") << QStringList{"class", "create", "  "}
                                      << u"1 to 200 characters"_s;
        QTest::newRow("a name of two lines") << QStringList{"class", "create", "a\nb"}
                                             << u"one line"_s;
        QTest::newRow("an option of another command")
            << QStringList{"class", "list", "--listen", "127.0.0.1:1"}
            << u"--listen is not an option of class list"_s;
        QTest::newRow("listen without a port") << QStringList{"serve", "--listen", "127.0.0.1"}
                                               << u"--listen must be ADDR:PORT"_s;
        QTest::newRow("listen on a name") << QStringList{"serve", "--listen", "school:80"}
                                          << u"--listen must be ADDR:PORT"_s;
        QTest::newRow("a port beyond range")
            << QStringList{"serve", "--listen", "127.0.0.1:65536"} << u"--listen must be"_s;
        QTest::newRow("a negative rate") << QStringList{"serve", "--rate-limit", "-1"}
                                         << u"--rate-limit must be"_s;
        QTest::newRow("a certificate without its key")
            << QStringList{"serve", "--tls-cert", "c.pem"} << u"go together"_s;
        QTest::newRow("two databases")
            << QStringList{"class", "list", "--data", "d", "--database", "postgresql://u@/d"}
            << u"give one"_s;
        QTest::newRow("a database of another kind")
            << QStringList{"class", "list", "--database", "mysql://u@h/d"}
            << u"--database must be postgresql://"_s;
        QTest::newRow("import without a class") << QStringList{"import", "."}
                                                << u"import needs --class CODE"_s;
        QTest::newRow("import of nothing there")
            << QStringList{"import", "--class", "ABCD2345", "/nonexistent/x"}
            << u"no such file or folder: /nonexistent/x"_s;
        QTest::newRow("a front that cannot be read")
            << QStringList{"serve", "--front", "/nonexistent/front.json"}
            << u"/nonexistent/front.json"_s;
        QTest::newRow("a front of another command")
            << QStringList{"class", "list", "--front", "f.json"}
            << u"--front is not an option of class list"_s;
        QTest::newRow("a new key for no class")
            << QStringList{"class", "key", "ZZZZ2222", "--data", "DATA"} << u"no class ZZZZ2222"_s;
    }

    // guards against bad usage that runs anyway, writes something, or is told in several lines
    void BadUsageIsRefusedInOneLineWithStatusTwo() {
        QFETCH(QStringList, argumentos);
        QFETCH(QString, mensagem);
        QTemporaryDir pasta;
        argumentos.replaceInStrings(u"DATA"_s, pasta.path());
        const TExecucaoServidor r = ExecutaServidor(argumentos);
        QCOMPARE(r.status, 2);
        QVERIFY(r.saida.isEmpty());
        const QString erros = QString::fromUtf8(r.erros);
        QVERIFY2(erros.startsWith(u"orvanta-server: "_s) && erros.count(u'\n') == 1 &&
                     erros.contains(mensagem),
                 qPrintable(erros));
    }

    // Guards against a class's name changed on output (a "%1" in it filled
    // in), a key kept in clear in the database, and a list that misses a class.
    void ClassesAreMadeListedAndGivenNewKeys() {
        const TBancoTeste banco;
        const QString nome = u"Year 9 %1 %2, \"B\" \u00e9quipe"_s;
        const TExecucaoServidor texto = Executa({"class", "create", nome}, banco);
        QCOMPARE(texto.status, 0);
        const QStringList linhas = QString::fromUtf8(texto.saida).split(u'\n');
        const QRegularExpressionMatch classe =
            QRegularExpression(u"^class ([2-9A-Z]{8}): (.*)$"_s).match(linhas.value(0));
        QVERIFY2(classe.hasMatch(), texto.saida.constData());
        QCOMPARE(classe.captured(2), nome);
        QVERIFY(linhas.value(1).startsWith(u"teacher key: "_s));
        const QString chave = linhas.value(1).mid(13);
        QCOMPARE(chave.size(), 32);

        const TExecucaoServidor json = Executa({"class", "create", "Other", "--json"}, banco);
        QCOMPARE(json.status, 0);
        const QJsonObject criada = QJsonDocument::fromJson(json.saida).object();
        QCOMPARE(criada.keys(), (QStringList{"class", "name", "teacher_key"}));
        QCOMPARE(criada["name"].toString(), u"Other"_s);

        const TExecucaoServidor lista = Executa({"class", "list"}, banco);
        QCOMPARE(lista.status, 0);
        QVERIFY(lista.saida.contains((classe.captured(1) + u"  0 records  created "_s).toUtf8()));
        QVERIFY(lista.saida.contains((u"  "_s + nome + u"\n"_s).toUtf8()));
        const QJsonArray turmas =
            QJsonDocument::fromJson(Executa({"class", "list", "--json"}, banco).saida).array();
        QCOMPARE(turmas.size(), 2);
        QCOMPARE(turmas.at(0)["name"].toString(), nome);
        QCOMPARE(turmas.at(1)["class"].toString(), criada["class"].toString());

        const TExecucaoServidor nova = Executa({"class", "key", classe.captured(1)}, banco);
        QCOMPARE(nova.status, 0);
        QVERIFY(nova.saida.contains("The old key no longer works."));
        // Only digests are kept: no key is anywhere in the database's files.
        QByteArray arquivos;
        for (const char* sufixo : {"", "-wal", "-journal"}) {
            arquivos += Conteudo(banco.Pasta() + u"/classes.sqlite"_s + QLatin1String(sufixo));
        }
        QVERIFY(arquivos.contains(nome.toUtf8()));
        QVERIFY(!arquivos.contains(chave.toUtf8()));
        QVERIFY(!arquivos.contains(criada["teacher_key"].toString().toUtf8()));
    }

    // Guards against imported records that skip the check, a mismatch or an
    // unreadable file passing quietly, and a second import storing twice.
    void ImportStoresAFoldersRecordsOnce() {
        const TBancoTeste banco;
        const TTurmaTeste turma = CriaTurmaTeste(banco, u"Imported"_s);
        QTemporaryDir pasta;
        QVERIFY(GravaArquivo(pasta.filePath(u"c/ana/games/game-1.json"_s),
                             EscrevePlano(RegistroTurma(FSim, 0, 8, u"Ana %1"_s, 1), FSim)));
        TPlano falso = RegistroTurma(FSim, 2, 10, u"Ana %1"_s, 2);
        falso.Resultado->Custo += 1;
        QVERIFY(GravaArquivo(pasta.filePath(u"c/ana/games/game-2.json"_s), EscrevePlano(falso, FSim)));
        QVERIFY(GravaArquivo(pasta.filePath(u"c/ana/Orvanta.INI"_s), "[Orvanta]\r\nNTimes=2\r\n"));
        QVERIFY(GravaArquivo(pasta.filePath(u"c/junk/cut.json"_s), "{\"team\": ["));
        const QStringList argumentos{"import", "--class", turma.codigo.toLower(), pasta.filePath(u"c"_s)};

        const TExecucaoServidor primeira = Executa(argumentos, banco);
        QCOMPARE(primeira.status, 3);
        const QString c = pasta.filePath(u"c"_s);
        const QStringList linhas = QString::fromUtf8(primeira.saida).split(u'\n');
        QCOMPARE(linhas.size(), 4);
        QCOMPARE(linhas.at(0), u"class "_s + turma.codigo +
                                   u": 2 records stored (1 verified, 1 mismatch, 0 unverified), "
                                   "0 already stored, 1 unreadable, 1 record file skipped"_s);
        TPlano verdadeiro = falso;
        verdadeiro.Resultado = JogaPlano(FSim, falso);
        QCOMPARE(linhas.at(1), u"mismatch: "_s + c + u"/ana/games/game-2.json: result differs: "
                                                     "recorded "_s +
                                   DescreveResultado(*falso.Resultado) + u"; replayed "_s +
                                   DescreveResultado(*verdadeiro.Resultado));
        QVERIFY2(linhas.at(2).startsWith(u"unreadable: "_s + c + u"/junk/cut.json: malformed JSON"_s),
                 qPrintable(linhas.at(2)));
        QVERIFY(primeira.erros.isEmpty());

        const TExecucaoServidor segunda = Executa(argumentos, banco);
        QCOMPARE(segunda.status, 3);
        QVERIFY2(segunda.saida.contains(": 0 records stored (0 verified, 0 mismatch, 0 "
                                        "unverified), 2 already stored, 1 unreadable"),
                 segunda.saida.constData());
        const QJsonArray turmas =
            QJsonDocument::fromJson(Executa({"class", "list", "--json"}, banco).saida).array();
        QCOMPARE(turmas.at(0)["records"].toInt(), 2);
    }

    void RuntimeFailuresAreOneLineWithStatusOne_data() {
        QTest::addColumn<QStringList>("argumentos");
        QTest::addColumn<QString>("mensagem");
        QTest::newRow("address in use") << QStringList{"serve", "--listen", "127.0.0.1:PORT"}
                                        << u"cannot listen on 127.0.0.1:PORT: Address already in use"_s;
        QTest::newRow("database unreachable")
            << QStringList{"class", "list", "--database",
                           "postgresql://orvanta:s3cret@/orvanta?host=/nonexistent-folder"}
            << u"cannot open the database postgresql://orvanta@/orvanta?host=/nonexistent-folder: "_s;
        QTest::newRow("data folder cannot be made")
            << QStringList{"class", "list", "--data", "/proc/orvanta"}
            << u"cannot make the data folder /proc/orvanta"_s;
        QTest::newRow("certificate cannot be read")
            << QStringList{"serve", "--listen", "127.0.0.1:0", "--tls-cert", "/nonexistent/c.pem",
                           "--tls-key", "/nonexistent/k.pem"}
            << u"cannot read /nonexistent/c.pem"_s;
        QTest::newRow("a database of a newer schema") << QStringList{"class", "list", "NEWER"}
                                                     << u"has schema version 99"_s;
    }

    // Guards against a failure reported as success, told in several lines,
    // or naming the database's password.
    void RuntimeFailuresAreOneLineWithStatusOne() {
        QFETCH(QStringList, argumentos);
        QFETCH(QString, mensagem);
        const TBancoTeste banco;
        std::optional<TServidorTeste> ocupante;
        if (argumentos.contains(u"127.0.0.1:PORT"_s)) {
            ocupante.emplace(banco);
            QVERIFY(ocupante->Porta() > 0);
            const QString porta = QString::number(ocupante->Porta());
            argumentos.replaceInStrings(u"PORT"_s, porta);
            mensagem.replace(u"PORT"_s, porta);
        }
        if (argumentos.contains(u"NEWER"_s)) {
            CriaTurmaTeste(banco, u"Old"_s);
            {
                QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"newer"_s);
                db.setDatabaseName(banco.Pasta() + u"/classes.sqlite"_s);
                QVERIFY(db.open());
                QVERIFY(QSqlQuery(db).exec(u"UPDATE schema_version SET version = 99"_s));
            }
            QSqlDatabase::removeDatabase(u"newer"_s);
            argumentos.replaceInStrings(u"NEWER"_s, u"--data"_s);
            argumentos.append(banco.Pasta());
        } else if (argumentos.first() == u"serve"_s) {
            argumentos += banco.Argumentos();
        }
        const TExecucaoServidor r = ExecutaServidor(argumentos);
        QCOMPARE(r.status, 1);
        QVERIFY(r.saida.isEmpty());
        const QString erros = QString::fromUtf8(r.erros);
        QVERIFY2(erros.startsWith(u"orvanta-server: "_s) && erros.contains(mensagem) &&
                     erros.count(u'\n') == 1,
                 qPrintable(erros));
        QVERIFY(!erros.contains(u"s3cret"_s));
        if (ocupante) {
            QCOMPARE(ocupante->Sinaliza(SIGTERM), 0);
        }
    }

    void SignalsEndTheServerAfterTheRequestsInFlight_data() {
        QTest::addColumn<int>("sinal");
        QTest::newRow("SIGTERM") << int(SIGTERM);
        QTest::newRow("SIGINT") << int(SIGINT);
    }

    // Guards against a stop that cuts an upload half received, loses it,
    // or ends with a failure status.
    void SignalsEndTheServerAfterTheRequestsInFlight() {
        QFETCH(int, sinal);
        const TBancoTeste banco;
        const TTurmaTeste turma = CriaTurmaTeste(banco, u"Stopping"_s);
        TServidorTeste servidor(banco);
        QVERIFY(servidor.Porta() > 0);
        const QByteArray corpo = EscrevePlano(RegistroTurma(FSim, 1, 9, u"Ana"_s, 1), FSim);
        const int s = Conecta(servidor.Porta());
        QVERIFY(s >= 0);
        EnviaTudo(s, "POST " + QByteArray::fromStdString(Caminho(turma.codigo, "/records")) +
                         " HTTP/1.1\r\nHost: 127.0.0.1\r\nConnection: close\r\nContent-Length: " +
                         QByteArray::number(corpo.size()) + "\r\n\r\n" + corpo.left(100));
        QTest::qWait(300);
        ::kill(static_cast<pid_t>(servidor.Pid()), sinal);
        QTest::qWait(300);
        EnviaTudo(s, corpo.mid(100));
        QByteArray resposta;
        char bloco[4096];
        for (ssize_t n; (n = ::recv(s, bloco, sizeof bloco, 0)) > 0;) {
            resposta.append(bloco, n);
        }
        ::close(s);
        QVERIFY2(resposta.startsWith("HTTP/1.1 201 "), resposta.constData());
        QCOMPARE(servidor.Sinaliza(0), 0);
        const QJsonArray turmas =
            QJsonDocument::fromJson(Executa({"class", "list", "--json"}, banco).saida).array();
        QCOMPARE(turmas.at(0)["records"].toInt(), 1);
    }

    // Guards against a client that never finishes its request keeping a
    // stopped server alive, and such a stop reported as a clean one.
    void ASecondSignalStopsAServerHeldByAClient() {
        const TBancoTeste banco;
        const TTurmaTeste turma = CriaTurmaTeste(banco, u"Held"_s);
        TServidorTeste servidor(banco);
        QVERIFY(servidor.Porta() > 0);
        const int s = Conecta(servidor.Porta());
        QVERIFY(s >= 0);
        EnviaTudo(s, "POST " + QByteArray::fromStdString(Caminho(turma.codigo, "/records")) +
                         " HTTP/1.1\r\nHost: 127.0.0.1\r\nContent-Length: 1000\r\n\r\n{\"team\"");
        QTest::qWait(300);
        ::kill(static_cast<pid_t>(servidor.Pid()), SIGTERM);
        QTest::qWait(700);
        QVERIFY(servidor.Rodando());
        QCOMPARE(servidor.Sinaliza(SIGTERM), 1);
        QVERIFY(servidor.Erros().contains("requests still in flight; stopped without them"));
        ::close(s);
    }

    // Guards against TLS options that serve plain HTTP, or an https line
    // for a server that cannot be reached over TLS.
    void HttpsServesWithTheGivenCertificate() {
        const TBancoTeste banco;
        const TTurmaTeste turma = CriaTurmaTeste(banco, u"Secure"_s);
        const QString certificado = banco.Pasta() + u"/cert.pem"_s;
        const QString chave = banco.Pasta() + u"/key.pem"_s;
        QProcess openssl;
        openssl.start(u"openssl"_s, {"req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", "1",
                                     "-subj", "/CN=127.0.0.1", "-keyout", chave, "-out", certificado});
        QVERIFY(openssl.waitForFinished(60000) && openssl.exitCode() == 0);
        TServidorTeste servidor(banco, {"--tls-cert", certificado, "--tls-key", chave});
        QVERIFY2(servidor.Url().startsWith(u"https://127.0.0.1:"_s), servidor.Saida().constData());
        httplib::SSLClient seguro("127.0.0.1", servidor.Porta());
        seguro.enable_server_certificate_verification(false);
        seguro.set_connection_timeout(10);
        const httplib::Result r = seguro.Get(Caminho(turma.codigo));
        QVERIFY(r);
        QCOMPARE(r->status, 200);
        QCOMPARE(ObjetoJson(r->body)["name"].toString(), u"Secure"_s);
        httplib::Client claro("127.0.0.1", servidor.Porta());
        claro.set_read_timeout(5);
        const httplib::Result semTls = claro.Get(Caminho(turma.codigo));
        QVERIFY(!semTls || semTls->status != 200);
        QCOMPARE(servidor.Sinaliza(SIGTERM), 0);
    }
};

QTEST_GUILESS_MAIN(TstComandosServidor)
#include "tst_comandos_servidor.moc"
