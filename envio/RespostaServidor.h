#pragma once

#include <QByteArray>
#include <QString>

// What the game makes of the class server's answers. An answer is its HTTP
// status (0 when none came: the server could not be reached, the connection
// broke, the time ran out, or what came was not HTTP), its body, and, when
// no answer came, what went wrong in words.

// A game record sent.
struct TRespostaEnvio {
    enum class ETipo {
        Aceito,   // 200 or 201 with the receipt of these very bytes: never sent again
        Recusado, // 400, 404 or 413: the server will never take it; not sent again
        Falhou,   // anything else: tried again later
    };
    ETipo Tipo = ETipo::Falhou;
    // Recusado: the server's reason; Falhou: what went wrong. One line.
    QString Motivo;
    // Aceito: the server's id of the record and its check ("verified", ...).
    qint64 Id = 0;
    QString Conferencia;
    // Falhou with 429 or 503: the seconds the server asks to wait (Retry-After); 0 otherwise.
    int Espera = 0;
};

// sha256 is the lower-case hex digest of the bytes sent: a receipt for other
// bytes (a proxy, another program answering) is no receipt.
TRespostaEnvio ClassificaEnvio(int status, const QByteArray& corpo, const QString& erroRede,
                               const QString& sha256, const QByteArray& retryAfter = {});

// A class checked (Join): its name, or why it cannot be joined.
struct TRespostaTurma {
    bool Ok = false;
    QString Nome;   // Ok: the class's name, one line
    QString Motivo; // otherwise: why, one line
};

TRespostaTurma ClassificaTurma(int status, const QByteArray& corpo, const QString& erroRede);

// The server's own one-line reason in an error body {"error": "..."}, or
// "HTTP status N" when the body says none.
QString MotivoErro(int status, const QByteArray& corpo);
// "the server answered HTTP N", with the server's reason when it gives one.
QString FalhaServidor(int status, const QByteArray& corpo);
