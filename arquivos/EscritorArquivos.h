// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QString>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

// Writes whole files atomically (QSaveFile: a new file renamed over the old
// one, flushed to the disk first) on a thread of its own, so that whoever
// asks never waits for the disk. Files are written in the order asked; a
// write still waiting when a newer one for the same file and owner is asked
// is replaced by the newer one.
//
// Each write names its owner (any number the caller chooses, e.g. one per
// game). A file in the way that this writer has not written for the same
// owner is never overwritten: it is first renamed, in its folder, to
// "earlier-" + its name ("earlier-game-3.json", then "earlier-game-3-2.json",
// ...); when that cannot be done the write fails. A file that is the
// writer's own whatever was there before (a state file kept across runs) is
// written with Substitui instead, and replaces what it finds.
//
// The thread starts with the first write asked: a writer never used costs
// no thread.
class TEscritorArquivos : public QObject {
    Q_OBJECT
public:
    explicit TEscritorArquivos(QObject* parent = nullptr);
    // Finishes every write asked, then ends the thread.
    ~TEscritorArquivos() override;

    // Asks for caminho to hold dados; makes the folder when missing.
    void Grava(const QString& caminho, const QByteArray& dados, quint64 dono);
    // Asks for caminho to hold dados, replacing whatever file is there;
    // makes the folder when missing.
    void Substitui(const QString& caminho, const QByteArray& dados);
    // Asks for caminho to be removed if this writer wrote it for dono, after
    // the writes asked before (a write still waiting for it is dropped).
    void Remove(const QString& caminho, quint64 dono);
    // Returns once every write asked so far has been made or has failed.
    void Aguarda();

    // The name a file in the way gets: "earlier-game-3.json" for vez 1,
    // "earlier-game-3-2.json" for vez 2.
    static QString NomeAnterior(const QString& caminho, int vez);

signals:
    // A write failed; motivo says why in words. Emitted on the writing
    // thread: receivers living on another thread get it queued.
    void Falhou(const QString& caminho, const QString& motivo);

private:
    struct TPedido {
        QString Caminho;
        QByteArray Dados;
        quint64 Dono = 0;
        bool Remove = false;
        bool Substitui = false;
    };

    // Queues pedido, in place of a write of the same kind still waiting for
    // the same file and owner; starts the thread when none runs yet. Called
    // with FTrava held.
    void Enfileira(TPedido pedido);

    void Executa();
    bool Escreve(const TPedido& pedido, QString& motivo);
    bool AfastaAnterior(const QString& caminho, QString& motivo);

    std::mutex FTrava;
    std::condition_variable FHaTrabalho;
    std::condition_variable FOcioso;
    std::deque<TPedido> FFila;
    bool FOcupado = false;
    bool FParar = false;
    // Used by the writing thread only: who each file it wrote belongs to.
    QHash<QString, quint64> FDonos;
    std::thread FLinha;
};
