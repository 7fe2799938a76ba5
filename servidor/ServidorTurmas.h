#pragma once

// The class server's HTTP(S) side: the HTTP library's server set up with
// its limits, the routes, the address it listens on.

#include <QString>

#include <functional>
#include <memory>

namespace httplib {
class Server;
}

class TApiTurmas;
class TPoolTrabalho;

struct TOpcoesServidor {
    QString Endereco = QStringLiteral("127.0.0.1"); // an IPv4 or IPv6 address
    int Porta = 8737;                                // 0: any free port
    int LimitePorMinuto = 120;                       // records per address; 0: none
    // Both or neither: HTTPS with this certificate (PEM, with its chain)
    // and private key.
    QString Certificado;
    QString ChavePrivada;
};

// The HTTP library's limits, with the reasons.
namespace LimitesServidor {
// Connections served at once; more wait to be accepted. Each holds a
// thread, not a simulator or a database connection, so a slow client costs
// little and leaves the others served.
inline constexpr int Conexoes = 64;
// A client silent this long, reading or writing, is dropped.
inline constexpr int PrazoSegundos = 10;
inline constexpr int PrazoManterAberta = 5;
inline constexpr int PedidosPorConexao = 100;
// Pending connections the system holds for the server; the library's own
// default (5) would turn a class connecting at once into retries a second
// apart.
inline constexpr int FilaConexoes = 256;
} // namespace LimitesServidor

// Registers further routes beside API v1's (the teacher's board).
using TRegistraRotas = std::function<void(httplib::Server&)>;

class TServidorTurmas {
public:
    TServidorTurmas(const TOpcoesServidor& opcoes, TPoolTrabalho& pool,
                    TRegistraRotas outrasRotas = {});
    ~TServidorTurmas();
    TServidorTurmas(const TServidorTurmas&) = delete;
    TServidorTurmas& operator=(const TServidorTurmas&) = delete;

    // Takes the address (the port chosen when 0 was asked): false, with the
    // reason in erro (one line), when the certificate or the key cannot be
    // loaded or the address cannot be taken.
    bool Liga(QString& erro);

    // "http://ADDR:PORT" or "https://...", the port the one taken.
    QString Url() const;

    // Serves until Para; then waits for the requests in flight to be
    // answered. False when serving failed.
    bool Serve();

    // Stops serving; safe from another thread, and before Serve has begun
    // (Serve then returns at once).
    void Para();

private:
    struct TEstado;
    std::unique_ptr<TEstado> F;
};
