#pragma once

#include <QByteArray>
#include <QString>
#include <chrono>

class QNetworkAccessManager;
class QNetworkReply;
class QNetworkRequest;

// One request of the game to a class server, with the game's limits: the
// whole of it (asking, waiting, the last byte of the answer) within limite,
// so that a server that stalls or sends a byte now and then never holds a
// record for long, and an answer of at most LimiteResposta bytes. Past
// either, the request is cut off, and its answer says why.

// An answer body larger than this is cut off as a failure.
inline constexpr qint64 LimiteResposta = 1 << 20;

// A POST of corpo (application/json), or a GET when corpo is null.
QNetworkReply* PedeLimitado(QNetworkAccessManager& rede, const QNetworkRequest& pedido,
                            const QByteArray* corpo, std::chrono::milliseconds limite);

// A finished request as the game takes it.
struct TRespostaRede {
    // The HTTP status of an answer that came whole; 0 when none did (nothing
    // reached, the connection cut, a limit passed, not HTTP at all).
    int Status = 0;
    QByteArray Corpo;
    QByteArray RetryAfter;
    // Status 0: what went wrong, after the server's address ("HOST:PORT: ...").
    QString Erro;
};
TRespostaRede LeResposta(QNetworkReply* resposta);
