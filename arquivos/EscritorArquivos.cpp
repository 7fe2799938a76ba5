// SPDX-License-Identifier: GPL-3.0-or-later
#include "arquivos/EscritorArquivos.h"

#include "arquivos/GravaArquivo.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace {

// How many earlier files of one name are kept before a write gives up.
constexpr int MaximoAnteriores = 1000;

} // namespace

TEscritorArquivos::TEscritorArquivos(QObject* parent) : QObject(parent) {}

TEscritorArquivos::~TEscritorArquivos() {
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

void TEscritorArquivos::Enfileira(TPedido pedido) {
    if (!FLinha.joinable()) {
        FLinha = std::thread([this] { Executa(); });
    }
    auto igual = [&](const TPedido& p) {
        return p.Caminho == pedido.Caminho && p.Dono == pedido.Dono && !p.Remove &&
               p.Substitui == pedido.Substitui;
    };
    auto pendente = std::find_if(FFila.begin(), FFila.end(), igual);
    if (!pedido.Remove && pendente != FFila.end()) {
        pendente->Dados = std::move(pedido.Dados);
    } else {
        FFila.push_back(std::move(pedido));
    }
}

void TEscritorArquivos::Grava(const QString& caminho, const QByteArray& dados, quint64 dono) {
    {
        std::lock_guard<std::mutex> trava(FTrava);
        Enfileira({caminho, dados, dono});
    }
    FHaTrabalho.notify_one();
}

void TEscritorArquivos::Substitui(const QString& caminho, const QByteArray& dados) {
    {
        std::lock_guard<std::mutex> trava(FTrava);
        Enfileira({caminho, dados, 0, false, true});
    }
    FHaTrabalho.notify_one();
}

void TEscritorArquivos::Remove(const QString& caminho, quint64 dono) {
    {
        std::lock_guard<std::mutex> trava(FTrava);
        std::erase_if(FFila, [&](const TPedido& p) { return p.Caminho == caminho && p.Dono == dono; });
        Enfileira({caminho, QByteArray(), dono, true});
    }
    FHaTrabalho.notify_one();
}

void TEscritorArquivos::Aguarda() {
    std::unique_lock<std::mutex> trava(FTrava);
    FOcioso.wait(trava, [this] { return FFila.empty() && !FOcupado; });
}

void TEscritorArquivos::Executa() {
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
        if (!Escreve(pedido, motivo)) {
            emit Falhou(pedido.Caminho, motivo);
        }
        trava.lock();
        FOcupado = false;
        if (FFila.empty()) {
            FOcioso.notify_all();
        }
    }
}

bool TEscritorArquivos::Escreve(const TPedido& pedido, QString& motivo) {
    if (pedido.Remove) {
        // Only a file of this owner's: another one in the way stays.
        if (FDonos.value(pedido.Caminho) == pedido.Dono) {
            FDonos.remove(pedido.Caminho);
            QFile::remove(pedido.Caminho);
        }
        return true;
    }
    const QFileInfo info(pedido.Caminho);
    if (!QDir().mkpath(info.absolutePath())) {
        motivo = QStringLiteral("the folder %1 cannot be made").arg(info.absolutePath());
        return false;
    }
    if (!pedido.Substitui && FDonos.value(pedido.Caminho) != pedido.Dono &&
        !AfastaAnterior(pedido.Caminho, motivo)) {
        return false;
    }
    if (!GravaArquivoInteiro(pedido.Caminho, pedido.Dados, motivo)) {
        return false;
    }
    if (pedido.Substitui) {
        return true;
    }
    FDonos.insert(pedido.Caminho, pedido.Dono);
    return true;
}

bool TEscritorArquivos::AfastaAnterior(const QString& caminho, QString& motivo) {
    // A dangling link is a name in the way too.
    if (!QFileInfo::exists(caminho) && !QFileInfo(caminho).isSymLink()) {
        return true;
    }
    for (int vez = 1; vez <= MaximoAnteriores; ++vez) {
        const QString anterior = NomeAnterior(caminho, vez);
        if (QFileInfo::exists(anterior) || QFileInfo(anterior).isSymLink()) {
            continue;
        }
        // rename() never replaces an existing file.
        QFile arquivo(caminho);
        if (arquivo.rename(anterior)) {
            return true;
        }
        motivo = QStringLiteral("an earlier file there cannot be moved to %1 (%2)")
                     .arg(anterior, arquivo.errorString());
        return false;
    }
    motivo = QStringLiteral("an earlier file there cannot be moved aside: too many earlier files");
    return false;
}

QString TEscritorArquivos::NomeAnterior(const QString& caminho, int vez) {
    const QFileInfo info(caminho);
    QString nome = QStringLiteral("earlier-") + info.completeBaseName();
    if (vez > 1) {
        nome += QLatin1Char('-') + QString::number(vez);
    }
    if (!info.suffix().isEmpty()) {
        nome += QLatin1Char('.') + info.suffix();
    }
    return info.dir().filePath(nome);
}
