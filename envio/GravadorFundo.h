#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

// Writes small files whole and atomically (the arquivos/ writer: a new file
// renamed over the old one) on a thread of its own, started by the first
// write, so that the event loop never waits for the disk. Writes are made
// in the order asked; a write of a file still waiting when a newer one of
// the same file is asked gives way to the newer. A missing folder is made.
class TGravadorFundo : public QObject {
    Q_OBJECT
public:
    explicit TGravadorFundo(QObject* parent = nullptr);
    // Makes every write asked, then ends the thread.
    ~TGravadorFundo() override;

    void Grava(const QString& caminho, const QByteArray& dados);
    // Returns once every write asked so far is made or has failed.
    void Aguarda();

signals:
    // A write failed; emitted on the writing thread (queued to receivers
    // on others).
    void Falhou(const QString& caminho, const QString& motivo);

private:
    struct TPedido {
        QString Caminho;
        QByteArray Dados;
    };
    void Executa();

    std::mutex FTrava;
    std::condition_variable FHaTrabalho;
    std::condition_variable FOcioso;
    std::deque<TPedido> FFila;
    bool FOcupado = false;
    bool FParar = false;
    std::thread FLinha;
};
