// The class server under a class's load: 300 uploads from 30 clients at
// once (goal on SQLite: all answered within 3 s on the project's 2-core
// machine), the uploads a second and the 95th percentile of their latency,
// on SQLite and on PostgreSQL 15; and the server's memory after 10,000
// stored records. Real orvanta-server processes on 127.0.0.1. PostgreSQL
// runs in the throwaway cluster of scripts/throwaway-postgresql.sh (as the
// tests do: fsync off), or in the database ORVANTA_BENCH_POSTGRESQL names.

#include "model/mSimulador.h"
#include "plan/EscritorPlano.h"
#include "plan/JogoPlano.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <httplib.h>
#include <signal.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <thread>

namespace {

using TRelogio = std::chrono::steady_clock;

const QString Programa = QStringLiteral(ORVANTA_BIN_DIR "/orvanta-server");

// Record i: one developer on every activity, as the game writes it.
QByteArray Registro(TSimuladorProjeto& sim, int i) {
    const int d = i % 7;
    TPlano plano;
    plano.Inicio.Equipe = QList<int>{d};
    plano.Inicio.Horas = {{d, 8 + i % 5}};
    for (int a = 0; a < 16; ++a) {
        plano.Inicio.Alocacoes.append({a, d});
    }
    plano.Meta = QJsonObject{{"program", "Orvanta 1.0"},
                             {"manager", QStringLiteral("Student %1").arg(i / 3)},
                             {"game", i + 1},
                             {"started", "2024-03-01T09:00:00+01:00"},
                             {"days_played_at", QJsonArray{}}};
    plano.Resultado = JogaPlano(sim, plano);
    plano.MaximoDias = plano.Resultado->Dias;
    return EscrevePlano(plano, sim);
}

const std::vector<std::string>& Registros(int quantos) {
    static std::vector<std::string> registros;
    if (registros.size() < static_cast<size_t>(quantos)) {
        TSimuladorProjeto sim;
        for (int i = static_cast<int>(registros.size()); i < quantos; ++i) {
            registros.push_back(Registro(sim, i).toStdString());
        }
    }
    return registros;
}

// The database of a run: an SQLite folder, or PostgreSQL (its own cluster,
// started once for the whole run, or the one named by the environment).
struct TBanco {
    QTemporaryDir pasta;
    QStringList argumentos;
    QString erro;
};

QString UrlPostgreSQL(QString& erro) {
    static QString url = qEnvironmentVariable("ORVANTA_BENCH_POSTGRESQL");
    static QTemporaryDir estado;
    if (url.isEmpty()) {
        QProcess script;
        script.start(QStringLiteral(ORVANTA_SOURCE_DIR "/scripts/throwaway-postgresql.sh"),
                     {"start", estado.filePath("cluster")});
        script.waitForFinished(120000);
        if (script.exitCode() != 0) {
            erro = QString::fromUtf8(script.readAllStandardError()).section(u'\n', 0, 0);
            return {};
        }
        url = QString::fromUtf8(script.readAllStandardOutput()).trimmed();
        std::atexit([] {
            QProcess::execute(QStringLiteral(ORVANTA_SOURCE_DIR "/scripts/throwaway-postgresql.sh"),
                              {"stop", estado.filePath("cluster")});
        });
    }
    return url;
}

std::unique_ptr<TBanco> Banco(bool postgresql) {
    auto banco = std::make_unique<TBanco>();
    if (postgresql) {
        const QString url = UrlPostgreSQL(banco->erro);
        banco->argumentos = {"--database", url};
    } else {
        banco->argumentos = {"--data", banco->pasta.path()};
    }
    return banco;
}

// A new class; its code and key.
std::pair<std::string, std::string> Turma(const TBanco& banco) {
    QProcess p;
    p.start(Programa, QStringList{"class", "create", "Load", "--json"} + banco.argumentos);
    p.waitForFinished(60000);
    const QJsonObject o = QJsonDocument::fromJson(p.readAllStandardOutput()).object();
    return {o["class"].toString().toStdString(), o["teacher_key"].toString().toStdString()};
}

// A server on a free port.
class TServidor {
public:
    explicit TServidor(const TBanco& banco) {
        FProcesso.start(Programa, QStringList{"serve", "--listen", "127.0.0.1:0",
                                              "--rate-limit", "0"} + banco.argumentos);
        QByteArray linha;
        for (int i = 0; i < 400 && !linha.contains('\n'); ++i) {
            FProcesso.waitForReadyRead(50);
            linha += FProcesso.readAllStandardOutput();
        }
        Porta = linha.trimmed().split(':').last().toInt();
    }
    ~TServidor() {
        ::kill(static_cast<pid_t>(FProcesso.processId()), SIGTERM);
        FProcesso.waitForFinished(60000);
    }
    // The server's resident memory (VmRSS) and its peak (VmHWM), in KiB.
    std::pair<double, double> Memoria() const {
        QFile status(QStringLiteral("/proc/%1/status").arg(FProcesso.processId()));
        double rss = 0;
        double pico = 0;
        if (status.open(QIODevice::ReadOnly)) {
            for (const QByteArray& l : status.readAll().split('\n')) {
                const QList<QByteArray> campos = l.simplified().split(' ');
                if (campos.value(0) == "VmRSS:") {
                    rss = campos.value(1).toDouble();
                } else if (campos.value(0) == "VmHWM:") {
                    pico = campos.value(1).toDouble();
                }
            }
        }
        return {rss, pico};
    }
    int Porta = 0;

private:
    QProcess FProcesso;
};

// Sends registros[inicio, fim) from clientes clients at once (each its
// own keep-alive connection, taking every clientes-th record); the latency
// of each upload in milliseconds, and false when one was not stored.
bool Envia(int porta, const std::string& codigo, int inicio, int fim, int clientes,
           std::vector<double>& latencias) {
    const std::vector<std::string>& registros = Registros(fim);
    const std::string caminho = "/api/v1/classes/" + codigo + "/records";
    std::vector<std::vector<double>> porCliente(clientes);
    std::atomic<bool> falhou{false};
    std::vector<std::thread> fios;
    for (int c = 0; c < clientes; ++c) {
        fios.emplace_back([&, c] {
            httplib::Client cliente("127.0.0.1", porta);
            cliente.set_read_timeout(60);
            for (int i = inicio + c; i < fim; i += clientes) {
                const auto t0 = TRelogio::now();
                const httplib::Result r = cliente.Post(caminho, registros[i], "application/json");
                porCliente[c].push_back(
                    std::chrono::duration<double, std::milli>(TRelogio::now() - t0).count());
                if (!r || r->status != 201) {
                    falhou = true;
                }
            }
        });
    }
    for (std::thread& f : fios) {
        f.join();
    }
    for (const std::vector<double>& l : porCliente) {
        latencias.insert(latencias.end(), l.begin(), l.end());
    }
    return !falhou;
}

double Percentil(std::vector<double> valores, double p) {
    std::sort(valores.begin(), valores.end());
    return valores.empty() ? 0.0
                           : valores[std::min(valores.size() - 1,
                                              static_cast<size_t>(p * valores.size()))];
}

// arg 0: 0 SQLite, 1 PostgreSQL. Each iteration a new class receives the
// same 300 records, all new to it.
void BM_ClassUploads300From30Clients(benchmark::State& state) {
    const auto banco = Banco(state.range(0) == 1);
    if (!banco->erro.isEmpty()) {
        state.SkipWithError(banco->erro.toUtf8().constData());
        return;
    }
    TServidor servidor(*banco);
    if (servidor.Porta == 0) {
        state.SkipWithError("the server did not start");
        return;
    }
    Registros(300);
    std::vector<double> latencias;
    for (auto _ : state) {
        state.PauseTiming();
        const std::string codigo = Turma(*banco).first;
        state.ResumeTiming();
        const auto t0 = TRelogio::now();
        const bool ok = Envia(servidor.Porta, codigo, 0, 300, 30, latencias);
        state.SetIterationTime(std::chrono::duration<double>(TRelogio::now() - t0).count());
        if (!ok) {
            state.SkipWithError("an upload was not stored");
            return;
        }
    }
    state.counters["uploads/s"] =
        benchmark::Counter(300.0 * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
    state.counters["p50_ms"] = Percentil(latencias, 0.50);
    state.counters["p95_ms"] = Percentil(latencias, 0.95);
    state.counters["max_ms"] = Percentil(latencias, 1.0);
}
BENCHMARK(BM_ClassUploads300From30Clients)
    ->ArgName("postgresql")
    ->Arg(0)
    ->Arg(1)
    ->Iterations(5)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// The server's memory with 10,000 records stored, and after answering
// their results as JSON and as CSV.
void BM_ServerMemoryAfter10000Records(benchmark::State& state) {
    const auto banco = Banco(state.range(0) == 1);
    if (!banco->erro.isEmpty()) {
        state.SkipWithError(banco->erro.toUtf8().constData());
        return;
    }
    TServidor servidor(*banco);
    const auto [codigo, chave] = Turma(*banco);
    Registros(10000);
    for (auto _ : state) {
        std::vector<double> latencias;
        if (!Envia(servidor.Porta, codigo, 0, 10000, 30, latencias)) {
            state.SkipWithError("an upload was not stored");
            return;
        }
        state.counters["rss_stored_MiB"] = servidor.Memoria().first / 1024;
        httplib::Client cliente("127.0.0.1", servidor.Porta);
        cliente.set_read_timeout(60);
        const httplib::Headers chaveHttp{{"Authorization", "Bearer " + chave}};
        for (const char* lista : {"/results", "/results.csv"}) {
            const httplib::Result r =
                cliente.Get("/api/v1/classes/" + codigo + lista, chaveHttp);
            if (!r || r->status != 200) {
                state.SkipWithError("the results were not answered");
                return;
            }
        }
        const auto [rss, pico] = servidor.Memoria();
        state.counters["rss_after_results_MiB"] = rss / 1024;
        state.counters["peak_MiB"] = pico / 1024;
    }
}
BENCHMARK(BM_ServerMemoryAfter10000Records)
    ->ArgName("postgresql")
    ->Arg(0)
    ->Arg(1)
    ->Iterations(1)
    ->Unit(benchmark::kSecond);

} // namespace
