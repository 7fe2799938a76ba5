// SPDX-License-Identifier: GPL-3.0-or-later
// The class server's limits against a real server process and a real
// database: the size of a record, copies of one record arriving at once at
// two servers, slow clients, and the records one address may send a
// minute. Run on SQLite, and on PostgreSQL when the fixture's cluster is
// named.

#include "plan/EscritorPlano.h"
#include "tests/servidor/ServidorTeste.h"
#include "tests/turma/RegistrosTurma.h"

#include <QJsonArray>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <latch>
#include <thread>

using namespace Qt::StringLiterals;

namespace {

// A connection that sends a record's body a byte a second, as a client on
// a failing network does, until told to stop.
class TClienteLento {
public:
    TClienteLento(int porta, const QString& codigo, std::atomic<bool>& parar) {
        FFio = std::thread([this, porta, codigo, &parar] {
            const int s = ::socket(AF_INET, SOCK_STREAM, 0);
            sockaddr_in destino{};
            destino.sin_family = AF_INET;
            destino.sin_port = htons(static_cast<uint16_t>(porta));
            destino.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
            if (::connect(s, reinterpret_cast<sockaddr*>(&destino), sizeof destino) == 0) {
                const std::string cabecalho = "POST " + Caminho(codigo, "/records") +
                                              " HTTP/1.1\r\nHost: 127.0.0.1\r\n"
                                              "Content-Length: 1000\r\n\r\n";
                ::send(s, cabecalho.data(), cabecalho.size(), MSG_NOSIGNAL);
                // Bounded: at most a minute, whatever happens.
                for (int i = 0; i < 600 && !parar; ++i) {
                    if (i % 10 == 0) {
                        ::send(s, " ", 1, MSG_NOSIGNAL);
                    }
                    std::this_thread::sleep_for(std::chrono::milliseconds(100));
                }
            }
            ::close(s);
            FTerminou = true;
        });
    }
    ~TClienteLento() { FFio.join(); }
    bool Terminou() const { return FTerminou; }

private:
    std::atomic<bool> FTerminou{false};
    std::thread FFio;
};

} // namespace

class TstLimitesServidor : public QObject {
    Q_OBJECT

    TBancoTeste FBanco;
    TSimuladorProjeto FSim;
    std::unique_ptr<TServidorTeste> FServidor;

    QByteArray Registro(int d, int horas, const QString& gerente, int jogo) {
        return EscrevePlano(RegistroTurma(FSim, d, horas, gerente, jogo), FSim);
    }

private slots:
    void initTestCase() {
        QVERIFY2(FBanco.Valido(), "the PostgreSQL fixture's state file cannot be read");
        FServidor = std::make_unique<TServidorTeste>(FBanco, QStringList{"--rate-limit", "0"});
        QVERIFY2(FServidor->Porta() > 0, FServidor->Erros().constData());
    }

    // guards against a server that cannot stop cleanly after the limits were tried
    void cleanupTestCase() { QCOMPARE(FServidor->Sinaliza(SIGTERM), 0); }

    // Guards against the limit refusing a record of exactly 1 MiB, taking
    // one byte more, or a refusal that leaves the server deaf.
    void OneMebibyteIsTheLargestRecord() {
        const TTurmaTeste turma = CriaTurmaTeste(FBanco, u"Large"_s);
        QByteArray corpo = Registro(2, 10, u"Ana"_s, 1);
        // JSON allows any white space after the value.
        corpo.append(QByteArray(1024 * 1024 - corpo.size(), ' '));
        QCOMPARE(corpo.size(), 1024 * 1024);
        const httplib::Result demais = FServidor->EnviaRegistro(turma.codigo, corpo + ' ');
        QVERIFY(demais);
        QCOMPARE(demais->status, 413);
        QVERIFY(ErroJson(demais->body).contains(u"1 MiB"_s));
        const httplib::Result limite = FServidor->EnviaRegistro(turma.codigo, corpo);
        QVERIFY(limite);
        QCOMPARE(limite->status, 201);
        QCOMPARE(ObjetoJson(limite->body).value("check").toString(), u"verified"_s);
    }

    // Guards against a record stored twice when its copies arrive at once
    // (a game retrying, two servers behind one address), or copies answered
    // with different records.
    void ConcurrentDuplicatesAreStoredOnce() {
        const TTurmaTeste turma = CriaTurmaTeste(FBanco, u"Duplicates"_s);
        TServidorTeste outro(FBanco, {"--rate-limit", "0"});
        QVERIFY2(outro.Porta() > 0, outro.Erros().constData());
        const std::string corpo = Registro(4, 11, u"Ana"_s, 2).toStdString();
        constexpr int Copias = 20;
        std::latch largada(Copias);
        std::vector<int> status(Copias, -1);
        std::vector<std::string> respostas(Copias);
        std::vector<std::thread> fios;
        for (int i = 0; i < Copias; ++i) {
            // Half to each server.
            fios.emplace_back([&, i, cliente = (i % 2 ? FServidor.get() : &outro)->Cliente()] {
                largada.arrive_and_wait();
                if (const httplib::Result r = cliente->Post(Caminho(turma.codigo, "/records"),
                                                            corpo, "application/json")) {
                    status[i] = r->status;
                    respostas[i] = r->body;
                }
            });
        }
        for (std::thread& f : fios) {
            f.join();
        }
        QCOMPARE(std::count(status.begin(), status.end(), 201), 1);
        QCOMPARE(std::count(status.begin(), status.end(), 200), Copias - 1);
        for (const std::string& r : respostas) {
            QCOMPARE(ObjetoJson(r), ObjetoJson(respostas.front()));
        }
        // Each server sees what the other stored.
        for (TServidorTeste* s : {FServidor.get(), &outro}) {
            const httplib::Result lista =
                s->Cliente()->Get(Caminho(turma.codigo, "/results"), ComChave(turma.chave));
            QVERIFY(lista);
            QCOMPARE(QJsonDocument::fromJson(QByteArray::fromStdString(lista->body)).array().size(),
                     1);
        }
        const httplib::Result viaOutro =
            outro.Cliente()->Post(Caminho(turma.codigo, "/records"),
                                  Registro(5, 12, u"Bo"_s, 1).toStdString(), "application/json");
        QVERIFY(viaOutro);
        QCOMPARE(viaOutro->status, 201);
        const httplib::Result lista =
            FServidor->Cliente()->Get(Caminho(turma.codigo, "/results"), ComChave(turma.chave));
        QVERIFY(lista);
        QCOMPARE(QJsonDocument::fromJson(QByteArray::fromStdString(lista->body)).array().size(), 2);
        QCOMPARE(outro.Sinaliza(SIGTERM), 0);
    }

    // Guards against clients on a failing network (a body a byte a second)
    // taking every connection, so that the class's other uploads wait.
    void SlowClientsDoNotHoldTheServer() {
        const TTurmaTeste turma = CriaTurmaTeste(FBanco, u"Slow"_s);
        std::atomic<bool> parar{false};
        std::vector<std::unique_ptr<TClienteLento>> lentos;
        for (int i = 0; i < 16; ++i) {
            lentos.push_back(
                std::make_unique<TClienteLento>(FServidor->Porta(), turma.codigo, parar));
        }
        QTest::qWait(500);
        for (int jogo = 1; jogo <= 5; ++jogo) {
            const httplib::Result r =
                FServidor->EnviaRegistro(turma.codigo, Registro(jogo, 8, u"Fast"_s, jogo));
            QVERIFY(r);
            QCOMPARE(r->status, 201);
        }
        // Answered while every slow client was still sending.
        for (const auto& lento : lentos) {
            QVERIFY(!lento->Terminou());
        }
        parar = true;
    }

    // Guards against a runaway client sending without end, the limit
    // counting requests that are not records, or a refusal without a time
    // to come back.
    void TooManyRecordsFromOneAddressAreAskedToWait() {
        TServidorTeste limitado(FBanco, {"--rate-limit", "3"});
        QVERIFY2(limitado.Porta() > 0, limitado.Erros().constData());
        const TTurmaTeste turma = CriaTurmaTeste(FBanco, u"Limited"_s);
        const auto cliente = limitado.Cliente();
        for (int i = 0; i < 3; ++i) {
            const httplib::Result r =
                cliente->Post(Caminho(turma.codigo, "/records"), "[]", "application/json");
            QVERIFY(r);
            QCOMPARE(r->status, 400);
            QVERIFY(cliente->Get(Caminho(turma.codigo)));
        }
        const httplib::Result demais =
            cliente->Post(Caminho(turma.codigo, "/records"),
                          Registro(0, 8, u"Ana"_s, 9).toStdString(), "application/json");
        QVERIFY(demais);
        QCOMPARE(demais->status, 429);
        const int espera = std::stoi(demais->get_header_value("Retry-After"));
        QVERIFY2(espera >= 1 && espera <= 60, demais->get_header_value("Retry-After").c_str());
        QVERIFY(ErroJson(demais->body).contains(u"3 a minute"_s));
        const httplib::Result turmaAinda = cliente->Get(Caminho(turma.codigo));
        QVERIFY(turmaAinda);
        QCOMPARE(turmaAinda->status, 200);
        QCOMPARE(limitado.Sinaliza(SIGTERM), 0);
    }
};

QTEST_GUILESS_MAIN(TstLimitesServidor)
#include "tst_limites_servidor.moc"
