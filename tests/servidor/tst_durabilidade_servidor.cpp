// What the class server promises for a record it answered 201: it is in
// the database, even when the server is killed outright in the middle of a
// class's uploads, and sending it again never stores it twice. Run on
// SQLite, and on PostgreSQL when the fixture's cluster is named.

#include "../turma/RegistrosTurma.h"
#include "ServidorTeste.h"
#include "plan/EscritorPlano.h"

#include <QCryptographicHash>
#include <QJsonArray>

#include <atomic>
#include <mutex>
#include <thread>

using namespace Qt::StringLiterals;

class TstDurabilidadeServidor : public QObject {
    Q_OBJECT

    TBancoTeste FBanco;
    TSimuladorProjeto FSim;

    // What the restarted server lists: digest -> id.
    static QMap<QString, qint64> Guardados(TServidorTeste& servidor, const TTurmaTeste& turma,
                                           qsizetype& linhas) {
        QMap<QString, qint64> guardados;
        const httplib::Result r =
            servidor.Cliente()->Get(Caminho(turma.codigo, "/results"), ComChave(turma.chave));
        const QJsonArray lista =
            r ? QJsonDocument::fromJson(QByteArray::fromStdString(r->body)).array() : QJsonArray();
        linhas = lista.size();
        for (const QJsonValue& v : lista) {
            guardados.insert(v["sha256"].toString(), v["id"].toInteger());
        }
        return guardados;
    }

private slots:
    void initTestCase() {
        QVERIFY2(FBanco.Valido(), "the PostgreSQL fixture's state file cannot be read");
    }

    // Guards against an upload answered 201 (or 200) that a crash loses, a
    // record stored twice when the class sends everything again, and a
    // database left unusable by the kill.
    void AnsweredUploadsSurviveAKillDuringALoad() {
        auto servidor = std::make_unique<TServidorTeste>(FBanco, QStringList{"--rate-limit", "0"});
        QVERIFY2(servidor->Porta() > 0, servidor->Erros().constData());
        const TTurmaTeste turma = CriaTurmaTeste(FBanco, u"Durable"_s);
        QList<QByteArray> corpos;
        QStringList digestos;
        for (int i = 0; i < 300; ++i) {
            corpos.append(EscrevePlano(
                RegistroTurma(FSim, i % 7, 8 + (i / 7) % 5, u"Player %1"_s.arg(i / 3), i + 1),
                FSim));
            digestos.append(QString::fromLatin1(
                QCryptographicHash::hash(corpos.last(), QCryptographicHash::Sha256).toHex()));
        }

        // Thirty clients, each sending its tenth of the records in turn and
        // stopping at the first failure (the server gone).
        constexpr int Clientes = 30;
        std::mutex trava;
        QMap<int, qint64> respondidos; // record -> id, for every 200 or 201
        std::atomic<int> contagem{0};
        std::vector<std::thread> fios;
        for (int c = 0; c < Clientes; ++c) {
            fios.emplace_back([&, c, cliente = servidor->Cliente()] {
                for (qsizetype i = c; i < corpos.size(); i += Clientes) {
                    const httplib::Result r = cliente->Post(
                        Caminho(turma.codigo, "/records"), corpos.at(i).toStdString(), "application/json");
                    if (!r || (r->status != 201 && r->status != 200)) {
                        return;
                    }
                    const std::lock_guard t(trava);
                    respondidos.insert(static_cast<int>(i), ObjetoJson(r->body)["id"].toInteger());
                    ++contagem;
                }
            });
        }
        for (int i = 0; i < 60000 && contagem < 100; ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        servidor->Mata();
        for (std::thread& f : fios) {
            f.join();
        }
        QVERIFY2(contagem >= 100 && contagem < corpos.size(),
                 qPrintable(u"the kill came after %1 answers"_s.arg(contagem.load())));

        servidor = std::make_unique<TServidorTeste>(FBanco, QStringList{"--rate-limit", "0"});
        QVERIFY2(servidor->Porta() > 0, servidor->Erros().constData());
        qsizetype linhas = 0;
        const QMap<QString, qint64> guardados = Guardados(*servidor, turma, linhas);
        QCOMPARE(linhas, guardados.size()); // no digest twice
        for (auto i = respondidos.cbegin(); i != respondidos.cend(); ++i) {
            QCOMPARE(guardados.value(digestos.at(i.key()), -1), i.value());
        }

        // The class sends everything again: what was kept is found, the
        // rest is kept now, nothing twice.
        const auto cliente = servidor->Cliente();
        for (qsizetype i = 0; i < corpos.size(); ++i) {
            const httplib::Result r =
                cliente->Post(Caminho(turma.codigo, "/records"), corpos.at(i).toStdString(), "application/json");
            QVERIFY(r);
            const qint64 anterior = guardados.value(digestos.at(i), -1);
            QCOMPARE(r->status, anterior >= 0 ? 200 : 201);
            if (anterior >= 0) {
                QCOMPARE(ObjetoJson(r->body)["id"].toInteger(), anterior);
            }
        }
        const QMap<QString, qint64> todos = Guardados(*servidor, turma, linhas);
        QCOMPARE(linhas, corpos.size());
        QCOMPARE(todos.size(), corpos.size());
        QCOMPARE(servidor->Sinaliza(SIGTERM), 0);
    }
};

QTEST_GUILESS_MAIN(TstDurabilidadeServidor)
#include "tst_durabilidade_servidor.moc"
