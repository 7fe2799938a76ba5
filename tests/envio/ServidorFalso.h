#pragma once

// A server on 127.0.0.1 that is not the class server: a listening socket
// that accepts and never answers, or that gives every request one fixed
// answer (an error status, bytes that are not HTTP, a body that is no
// receipt). The class server's faults the game must live with, made on
// purpose.

#include <QByteArray>
#include <QCryptographicHash>
#include <QHash>
#include <QHostAddress>
#include <QList>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <functional>

class TServidorFalso {
public:
    // The answer to a request, given its body; empty: never answer.
    using TResposta = std::function<QByteArray(const QByteArray& corpo)>;

    explicit TServidorFalso(TResposta resposta) : FResposta(std::move(resposta)) {
        FServidor.listen(QHostAddress::LocalHost);
        QObject::connect(&FServidor, &QTcpServer::newConnection, [this] { Aceita(); });
    }

    int Porta() const { return FServidor.serverPort(); }
    void DefineResposta(TResposta resposta) { FResposta = std::move(resposta); }
    QString Link(const char* codigo = "FALSO234") const {
        return QStringLiteral("http://127.0.0.1:%1/classes/%2/").arg(Porta()).arg(codigo);
    }
    // Connections accepted, and requests read whole (head and body).
    int Conexoes = 0;
    int Pedidos = 0;

    // Never answers: what the connection brings is read and dropped.
    static TResposta Mudo() {
        return [](const QByteArray&) { return QByteArray(); };
    }
    static TResposta Bytes(const QByteArray& bytes) {
        return [bytes](const QByteArray&) { return bytes; };
    }
    // An HTTP answer of the status with a JSON body.
    static TResposta Http(int status, const QByteArray& corpo) {
        return Bytes(Resposta(status, corpo));
    }
    // The receipt the class server gives, for the bytes received.
    static TResposta Recibo() {
        return [](const QByteArray& corpo) {
            const QByteArray sha =
                QCryptographicHash::hash(corpo, QCryptographicHash::Sha256).toHex();
            return Resposta(201, R"({"id": 7, "check": "verified", "sha256": ")" + sha + "\"}");
        };
    }
    static QByteArray Resposta(int status, const QByteArray& corpo) {
        return "HTTP/1.1 " + QByteArray::number(status) +
               " Whatever\r\nContent-Type: application/json; charset=utf-8\r\nContent-Length: " +
               QByteArray::number(corpo.size()) + "\r\nConnection: close\r\n\r\n" + corpo;
    }

private:
    void Aceita() {
        while (QTcpSocket* s = FServidor.nextPendingConnection()) {
            ++Conexoes;
            QObject::connect(s, &QTcpSocket::readyRead, s, [this, s] { Le(s); });
            QObject::connect(s, &QTcpSocket::disconnected, s, [this, s] {
                FLidos.remove(s);
                s->deleteLater();
            });
        }
    }

    void Le(QTcpSocket* s) {
        QByteArray& lido = FLidos[s];
        lido += s->readAll();
        const qsizetype fimCabeca = lido.indexOf("\r\n\r\n");
        if (fimCabeca < 0) {
            return;
        }
        qsizetype tamanho = 0;
        for (const QByteArray& linha : lido.left(fimCabeca).split('\n')) {
            if (linha.toLower().startsWith("content-length:")) {
                tamanho = linha.mid(15).trimmed().toLongLong();
            }
        }
        if (lido.size() < fimCabeca + 4 + tamanho) {
            return;
        }
        ++Pedidos;
        const QByteArray resposta = FResposta(lido.mid(fimCabeca + 4, tamanho));
        FLidos.remove(s);
        if (!resposta.isEmpty()) {
            s->write(resposta);
            s->disconnectFromHost();
        }
    }

    TResposta FResposta;
    QTcpServer FServidor;
    QHash<QTcpSocket*, QByteArray> FLidos;
};
