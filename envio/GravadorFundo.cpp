#include "GravadorFundo.h"

#include "arquivos/GravaArquivo.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

TGravadorFundo::TGravadorFundo(QObject* parent) : QObject(parent) {}

TGravadorFundo::~TGravadorFundo() {
    if (!FLinha.joinable()) {
        return;
    }
    {
        std::lock_guard<std::mutex> trava(FTrava);
        FParar = true;
    }
    FHaTrabalho.notify_all();
    FLinha.join();
}

void TGravadorFundo::Grava(const QString& caminho, const QByteArray& dados) {
    {
        std::lock_guard<std::mutex> trava(FTrava);
        // The thread is started by the first write: a game out of a class never has one.
        if (!FLinha.joinable()) {
            FLinha = std::thread([this] { Executa(); });
        }
        auto pendente = std::find_if(FFila.begin(), FFila.end(),
                                     [&](const TPedido& p) { return p.Caminho == caminho; });
        if (pendente != FFila.end()) {
            pendente->Dados = dados;
        } else {
            FFila.push_back({caminho, dados});
        }
    }
    FHaTrabalho.notify_one();
}

void TGravadorFundo::Aguarda() {
    std::unique_lock<std::mutex> trava(FTrava);
    FOcioso.wait(trava, [this] { return FFila.empty() && !FOcupado; });
}

void TGravadorFundo::Executa() {
    std::unique_lock<std::mutex> trava(FTrava);
    for (;;) {
        FHaTrabalho.wait(trava, [this] { return FParar || !FFila.empty(); });
        if (FFila.empty()) {
            return; // stopping, with nothing left to write
        }
        const TPedido pedido = std::move(FFila.front());
        FFila.pop_front();
        FOcupado = true;
        trava.unlock();
        QString motivo;
        const QString pasta = QFileInfo(pedido.Caminho).absolutePath();
        if (!QDir().mkpath(pasta)) {
            emit Falhou(pedido.Caminho, QStringLiteral("the folder %1 cannot be made")
                                            .arg(QDir::toNativeSeparators(pasta)));
        } else if (!GravaArquivoInteiro(pedido.Caminho, pedido.Dados, motivo)) {
            emit Falhou(pedido.Caminho, motivo);
        }
        trava.lock();
        FOcupado = false;
        if (FFila.empty()) {
            FOcioso.notify_all();
        }
    }
}
