// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "arquivos/EscritorArquivos.h"
#include "envio/EstadoEnvio.h"
#include "envio/TurmaSalva.h"

#include <QDateTime>
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <chrono>
#include <optional>

class QNetworkAccessManager;
class QNetworkReply;
class QNetworkRequest;

// The game's part in a class: the class joined (TTurmaSalva, beside the
// record file) and the game records sent to its server, with what became of
// each (TEstadoEnvio, games/sending.state). Nothing here ever waits: the
// network is QNetworkAccessManager's, each request has a time limit, the
// state is written on a thread of its own, and what goes wrong is kept for
// the Class dialog to show, never put in front of the player.
//
// A record is sent when its result is recorded; what was not acknowledged
// (200 or 201 with the receipt of its bytes) waits and is tried again at
// the game's start, after each recorded result, and after a pause that
// grows from one failure to the next. 400, 404 and 413 refuse a record for
// good. Records go one at a time, in the order they were recorded.
class TEnvioTurma : public QObject {
    Q_OBJECT
public:
    struct TTempos {
        // The whole of one request, from asking to the last byte of the answer.
        std::chrono::milliseconds Limite{std::chrono::seconds(20)};
        // The pause after a failure, doubled after each further one up to the maximum.
        std::chrono::milliseconds PrimeiraPausa{std::chrono::minutes(2)};
        std::chrono::milliseconds PausaMaxima{std::chrono::minutes(30)};
    };

    explicit TEnvioTurma(QObject* parent = nullptr);
    ~TEnvioTurma() override;

    void DefineTempos(const TTempos& tempos) {
        FTempos = tempos;
        FPausa = tempos.PrimeiraPausa;
    }
    const TTempos& Tempos() const { return FTempos; }

    // The folder of the record file. A new folder is read afresh: its class
    // and its records' state; what was under way for the old one stops.
    void DefinePasta(const QString& pastaRegistro);
    const QString& Pasta() const { return FPasta; }

    // Sends the records waiting for the class joined, unless a request is
    // already under way.
    void Tenta();
    // Checks the class of the link on its server; joined when it answers
    // with the class's name (EntradaConcluida tells either way). A class
    // joined before stays joined until then, and when the check fails.
    void Entra(const QString& link);
    // Leaves the class: nothing more is sent; the records waiting for it
    // wait until it is joined again.
    void Sai();
    // A counted game's result was recorded; caminho is its games/game-N.json
    // and dados the bytes written there. Sent when a class is joined.
    void ResultadoRegistrado(const QString& caminho, const QByteArray& dados);

    // What the Class dialog shows.
    const std::optional<TTurmaSalva>& Turma() const { return FTurma; }
    // The link being checked by Join; none when no check is under way.
    std::optional<TLinkTurma> Verificando() const;
    // How the last Join ended when it did not plainly succeed ("Not joined:
    // why"), or why the class kept beside the record cannot be read; empty
    // otherwise.
    const QString& MensagemEntrada() const { return FMensagemEntrada; }
    int Conta(TRegistroEnvio::ESituacao situacao) const;
    // The class's records refused or lost, in order.
    QList<TRegistroEnvio> NaoEnviados() const;
    bool Enviando() const { return !FEnvio.isNull(); }
    const QString& UltimoErro() const { return FUltimoErro; }
    const QDateTime& HoraUltimoErro() const { return FHoraUltimoErro; }
    // When the records waiting are tried next; invalid when no try is due.
    const QDateTime& ProximaTentativa() const { return FProxima; }

    // Returns once the state asked to be written is on the disk (tests).
    void AguardaGravacoes() { FGravador.Aguarda(); }

signals:
    // Anything the Class dialog shows changed.
    void Mudou();
    // A Join ended: with the class's name, or why it was not joined.
    void EntradaConcluida(bool entrou, const QString& texto);

private:
    QNetworkReply* Pede(const QNetworkRequest& pedido, const QByteArray* corpo);
    void Verificado(QNetworkReply* resposta);
    void Respondido(QNetworkReply* resposta);
    void Envia(const TRegistroEnvio& registro, const QByteArray& dados);
    void Falha(const QString& motivo, int esperaSegundos = 0);
    void Erro(const QString& motivo);
    void CancelaVerificacao();
    void CancelaEnvio();
    void CarregaEstado();
    void SalvaEstado();
    // The bytes of a waiting record; null after marking it lost, or when the
    // file cannot be read (a failure, tried again later).
    QByteArray DadosRegistro(TRegistroEnvio& registro);

    TTempos FTempos;
    QString FPasta;
    std::optional<TTurmaSalva> FTurma;
    TEstadoEnvio FEstado;
    bool FEstadoValido = true;
    // The bytes of the records recorded in this run, by digest: sent as they
    // were handed over, whatever the disk is doing.
    QHash<QString, QByteArray> FDados;

    QNetworkAccessManager* FRede = nullptr;
    QPointer<QNetworkReply> FVerificacao;
    TLinkTurma FLinkVerificado;
    QPointer<QNetworkReply> FEnvio;
    QString FTurmaEnviada;
    QString FShaEnviado;

    QTimer FTemporizador;
    QDateTime FProxima;
    std::chrono::milliseconds FPausa;
    QString FMensagemEntrada;
    QString FUltimoErro;
    QDateTime FHoraUltimoErro;
    TEscritorArquivos FGravador;
};
