#include "ServidorTurmas.h"

#include "ApiTurmas.h"
#include "RegistroRecebido.h"
#include "RotasServidor.h"

#include <QFile>
#include <QFileInfo>

#include <httplib.h>
#include <sys/socket.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <functional>
#include <thread>

namespace {

// The library listens with a short queue of its own; this lets the server
// lengthen it once bound (listen() again on a listening socket only changes
// its queue).
template <typename TBase> class TComFila : public TBase {
public:
    using TBase::TBase;
    void AmpliaFila(int tamanho) { ::listen(this->svr_sock_, tamanho); }
};

} // namespace

struct TServidorTurmas::TEstado {
    TOpcoesServidor Opcoes;
    TApiTurmas Api;
    TRegistraRotas OutrasRotas;
    std::unique_ptr<httplib::Server> Http;
    std::function<void(int)> AmpliaFila;
    int Porta = 0;
    std::atomic<bool> Parar{false};
    std::atomic<bool> Servindo{false};
    std::atomic<bool> Terminou{false};

    TEstado(const TOpcoesServidor& opcoes, TPoolTrabalho& pool, TRegistraRotas outrasRotas)
        : Opcoes(opcoes), Api(pool, opcoes.LimitePorMinuto), OutrasRotas(std::move(outrasRotas)) {}
};

TServidorTurmas::TServidorTurmas(const TOpcoesServidor& opcoes, TPoolTrabalho& pool,
                                 TRegistraRotas outrasRotas)
    : F(std::make_unique<TEstado>(opcoes, pool, std::move(outrasRotas))) {}

TServidorTurmas::~TServidorTurmas() = default;

bool TServidorTurmas::Liga(QString& erro) {
    const TOpcoesServidor& o = F->Opcoes;
    if (o.Certificado.isEmpty()) {
        auto http = std::make_unique<TComFila<httplib::Server>>();
        F->AmpliaFila = [s = http.get()](int n) { s->AmpliaFila(n); };
        F->Http = std::move(http);
    } else {
        for (const QString& arquivo : {o.Certificado, o.ChavePrivada}) {
            if (!QFileInfo(arquivo).isReadable()) {
                erro = QStringLiteral("cannot read ") + arquivo;
                return false;
            }
        }
        auto https = std::make_unique<TComFila<httplib::SSLServer>>(
            QFile::encodeName(o.Certificado).constData(),
            QFile::encodeName(o.ChavePrivada).constData());
        if (!https->is_valid()) {
            erro = QStringLiteral("cannot use the TLS certificate ") + o.Certificado +
                   QStringLiteral(" with the key ") + o.ChavePrivada +
                   QStringLiteral(" (PEM files, the key unencrypted and matching)");
            return false;
        }
        F->AmpliaFila = [s = https.get()](int n) { s->AmpliaFila(n); };
        F->Http = std::move(https);
    }
    httplib::Server& s = *F->Http;
    using namespace LimitesServidor;
    s.new_task_queue = [] { return new httplib::ThreadPool(Conexoes); };
    s.set_read_timeout(PrazoSegundos);
    s.set_write_timeout(PrazoSegundos);
    s.set_keep_alive_timeout(PrazoManterAberta);
    s.set_keep_alive_max_count(PedidosPorConexao);
    s.set_payload_max_length(static_cast<size_t>(TamanhoMaximoRegistroEnviado));
    s.set_tcp_nodelay(true);
    // The library's default also sets SO_REUSEPORT, with which a second
    // server on the same port would quietly share the first one's
    // connections instead of being told the address is in use.
    s.set_socket_options([](socket_t soquete) {
        const int sim = 1;
        ::setsockopt(soquete, SOL_SOCKET, SO_REUSEADDR, &sim, sizeof sim);
    });
    RegistraRespostasGerais(s);
    RegistraRotasApi(s, F->Api);
    if (F->OutrasRotas) {
        F->OutrasRotas(s);
    }

    const std::string endereco = o.Endereco.toStdString();
    errno = 0;
    if (o.Porta == 0) {
        F->Porta = s.bind_to_any_port(endereco);
    } else {
        F->Porta = s.bind_to_port(endereco, o.Porta) ? o.Porta : -1;
    }
    if (F->Porta <= 0) {
        const int codigo = errno;
        erro = QStringLiteral("cannot listen on ") + Url().section(QStringLiteral("://"), 1) +
               (codigo != 0 ? QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(codigo))
                            : QString());
        return false;
    }
    F->AmpliaFila(FilaConexoes);
    return true;
}

QString TServidorTurmas::Url() const {
    const TOpcoesServidor& o = F->Opcoes;
    const QString endereco =
        o.Endereco.contains(QLatin1Char(':')) ? u'[' + o.Endereco + u']' : o.Endereco;
    const int porta = F->Porta > 0 ? F->Porta : o.Porta;
    return (o.Certificado.isEmpty() ? QStringLiteral("http://") : QStringLiteral("https://")) +
           endereco + u':' + QString::number(porta);
}

bool TServidorTurmas::Serve() {
    F->Servindo = true;
    bool servido = true;
    if (!F->Parar) {
        servido = F->Http->listen_after_bind();
    }
    F->Terminou = true;
    return servido || F->Parar;
}

void TServidorTurmas::Para() {
    F->Parar = true;
    if (!F->Http) {
        return;
    }
    // The library only stops a server that has begun to serve: wait for it
    // to begin, unless it is not going to.
    while (F->Servindo && !F->Terminou && !F->Http->is_running()) {
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    if (F->Http->is_running()) {
        F->Http->stop();
    }
}
