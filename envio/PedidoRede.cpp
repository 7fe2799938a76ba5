#include "PedidoRede.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

namespace {

// Why the game cut a request off, kept on the reply.
const char* const Interrompido = "orvanta_interrompido";

void Interrompe(QNetworkReply* resposta, const QString& motivo) {
    if (resposta->isRunning()) {
        resposta->setProperty(Interrompido, motivo);
        resposta->abort();
    }
}

QString Endereco(const QUrl& url) {
    return url.port() < 0 ? url.host() : QStringLiteral("%1:%2").arg(url.host()).arg(url.port());
}

} // namespace

QNetworkReply* PedeLimitado(QNetworkAccessManager& rede, const QNetworkRequest& pedido,
                            const QByteArray* corpo, std::chrono::milliseconds limite) {
    QNetworkRequest p(pedido);
    p.setHeader(QNetworkRequest::UserAgentHeader, QStringLiteral("Orvanta/" ORVANTA_VERSION));
    QNetworkReply* resposta = nullptr;
    if (corpo) {
        p.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("application/json"));
        resposta = rede.post(p, *corpo);
    } else {
        resposta = rede.get(p);
    }
    auto* prazo = new QTimer(resposta);
    prazo->setSingleShot(true);
    const QString esgotado = QStringLiteral("no whole answer within %1 s")
                                 .arg(std::chrono::duration<double>(limite).count());
    QObject::connect(prazo, &QTimer::timeout, resposta,
                     [resposta, esgotado] { Interrompe(resposta, esgotado); });
    prazo->start(limite);
    QObject::connect(
        resposta, &QNetworkReply::downloadProgress, resposta, [resposta](qint64 recebidos, qint64) {
            if (recebidos > LimiteResposta) {
                Interrompe(
                    resposta,
                    QStringLiteral("the answer is larger than %1 bytes").arg(LimiteResposta));
            }
        });
    return resposta;
}

TRespostaRede LeResposta(QNetworkReply* resposta) {
    TRespostaRede r;
    const QString endereco = Endereco(resposta->url()) + QStringLiteral(": ");
    const QString interrompido = resposta->property(Interrompido).toString();
    if (!interrompido.isEmpty()) {
        r.Erro = endereco + interrompido;
        return r;
    }
    const QNetworkReply::NetworkError codigo = resposta->error();
    const int status = resposta->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    // Below the content errors lie the connection's and the proxy's; a
    // protocol failure is an answer that is not HTTP.
    if (status <= 0 ||
        (codigo != QNetworkReply::NoError && codigo < QNetworkReply::ContentAccessDenied) ||
        codigo == QNetworkReply::ProtocolFailure) {
        r.Erro = endereco + resposta->errorString();
        return r;
    }
    r.Status = status;
    r.Corpo = resposta->read(LimiteResposta);
    r.RetryAfter = resposta->rawHeader("Retry-After");
    return r;
}
