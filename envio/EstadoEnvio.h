#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// What became of each game record given to a class: the state file
// games/sending.state beside the records (JSON, UTF-8):
//
//   {"format": 1, "records": [
//     {"class": "http://HOST:PORT/classes/CODE/", "file": "game-3.json",
//      "sha256": "...", "state": "sent", "id": 12, "check": "verified"},
//     {"class": ..., "file": "game-4.json", "sha256": "...", "state": "waiting"},
//     {"class": ..., "file": "game-5.json", "sha256": "...", "state": "refused",
//      "reason": "..."}]}
//
// A record is one class's and one content's (the SHA-256 of its bytes): a
// record acknowledged by a class is never sent to it again. A waiting
// record whose file no longer holds those bytes (the file replaced by
// another game's) is "lost", with why in "reason": what the file now holds
// is another record.
struct TRegistroEnvio {
    enum class ESituacao { Aguardando, Enviado, Recusado, Perdido };

    QString Turma;   // the class link, TLinkTurma::Texto
    QString Arquivo; // the file's name in games/
    QString Sha256;  // lower-case hex
    ESituacao Situacao = ESituacao::Aguardando;
    QString Motivo;      // Recusado: the server's reason; Perdido: why
    qint64 Id = 0;       // Enviado: the server's id
    QString Conferencia; // Enviado: the server's check

    bool operator==(const TRegistroEnvio&) const = default;
};

class TEstadoEnvio {
public:
    QList<TRegistroEnvio> Registros;

    // The record of this class with this content; null when none.
    TRegistroEnvio* Procura(const QString& turma, const QString& sha256);
    // The first record of this class still waiting; null when none.
    TRegistroEnvio* ProximoAguardando(const QString& turma);
    int Conta(const QString& turma, TRegistroEnvio::ESituacao situacao) const;

    QByteArray Json() const;
    // Reads a state file's bytes. False, with why in motivo, for anything
    // that is not one (the state is then left as it was).
    bool LeJson(const QByteArray& dados, QString& motivo);

    static QString CaminhoEstado(const QString& pastaRegistro); // games/sending.state
};
