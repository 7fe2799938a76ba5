// SPDX-License-Identifier: GPL-3.0-or-later
#include "figuras/LocalizacaoImagens.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>

#include <cstdint>
#include <filesystem>
#include <system_error>

namespace {

// One file's identity: its absolute path, and its size and last write time,
// so that a file replaced in place is told apart without reading it.
struct TIdentidadeArquivo {
    QString caminho;
    qint64 tamanho = 0;
    qint64 modificado = 0; // in the file clock's ticks
    bool operator==(const TIdentidadeArquivo&) const = default;
};

size_t qHash(const TIdentidadeArquivo& id, size_t semente = 0) {
    return qHashMulti(semente, id.caminho, id.tamanho, id.modificado);
}

// No lock guards these: pictures are looked up and loaded on the user
// interface's thread only (the game's window and its views). A change that
// loads pictures on another thread must bring a lock.
QString PastaDefinida;
QString PastaSistema;

// A picture read once is shared by every later load of the same file (each
// window a test makes loads the developers' fourteen).
QHash<TIdentidadeArquivo, QImage> ImagensCarregadas;

// The identity of a regular file, or false when there is none at the path.
// Read through the standard library: QFileInfo gives a file's times only as
// local times, which costs a time zone check per time (some 300
// microseconds for the fourteen developer pictures). Two calls here cost two
// status reads.
bool Identifica(const QString& caminho, TIdentidadeArquivo& id) {
    const QFileInfo info(caminho); // reads nothing by itself
    const std::filesystem::path arquivo = info.filesystemAbsoluteFilePath();
    std::error_code erro;
    // Fails for anything but a regular file (a folder, a missing file).
    const std::uintmax_t tamanho = std::filesystem::file_size(arquivo, erro);
    if (erro) {
        return false;
    }
    const auto modificado = std::filesystem::last_write_time(arquivo, erro);
    if (erro) {
        return false;
    }
    id = {info.absoluteFilePath(), static_cast<qint64>(tamanho),
          static_cast<qint64>(modificado.time_since_epoch().count())};
    return true;
}

} // namespace

QString PastaPrograma() {
    if (!PastaDefinida.isEmpty()) {
        return PastaDefinida;
    }
    if (PastaSistema.isEmpty()) {
        // Only the application object knows the program's file. A program that
        // has none (a test, a tool) is taken to run from its working folder,
        // and that answer is not kept: an application object made later still
        // gives the real folder.
        if (QCoreApplication::instance() == nullptr) {
            return QDir::currentPath();
        }
        PastaSistema = QCoreApplication::applicationDirPath();
    }
    return PastaSistema;
}

void DefinePastaPrograma(const QString& pasta) {
    PastaDefinida = pasta;
    while (PastaDefinida.size() > 1 && PastaDefinida.endsWith(QLatin1Char('/'))) {
        PastaDefinida.chop(1);
    }
}

namespace {

QString AoLadoDoPrograma(const QString& caminhoRelativo) {
    return PastaPrograma() + QLatin1Char('/') + caminhoRelativo;
}

// The installed copy of a file the program loads: ORVANTA_DADOS_INSTALADOS is
// the installed data folder relative to the installed program's folder
// (../share/orvanta), so "imagens/BigCorvin.bmp" is looked for as
// <program folder>/../share/orvanta/imagens/BigCorvin.bmp.
QString Instalada(const QString& caminhoRelativo) {
    return QDir::cleanPath(PastaPrograma() + QStringLiteral("/" ORVANTA_DADOS_INSTALADOS "/") +
                           caminhoRelativo);
}

// Reads the picture at caminho, whose identity is id, once per process.
QImage CarregaIdentificada(const QString& caminho, const TIdentidadeArquivo& id) {
    const auto achada = ImagensCarregadas.constFind(id);
    if (achada != ImagensCarregadas.constEnd()) {
        return achada.value();
    }
    QImage imagem;
    if (!imagem.load(caminho)) {
        throw EErroArquivo(QStringLiteral("Cannot read the picture file ") +
                           QFileInfo(caminho).absoluteFilePath());
    }
    ImagensCarregadas.insert(id, imagem);
    return imagem;
}

// Loads the first of the candidate paths that is a file. When none is, the
// error names the first candidate beside the program, where a copy of the
// game keeps its pictures.
QImage CarregaPrimeira(const QStringList& candidatos, const QString& nomeNoErro) {
    TIdentidadeArquivo id;
    for (const QString& caminho : candidatos) {
        if (Identifica(caminho, id)) {
            return CarregaIdentificada(caminho, id);
        }
    }
    throw EErroArquivo(QStringLiteral("Cannot open the picture file ") + nomeNoErro);
}

} // namespace

QString LocalizaImagem(const QString& caminhoRelativo) {
    TIdentidadeArquivo id;
    if (Identifica(caminhoRelativo, id)) {
        return QDir::current().absoluteFilePath(caminhoRelativo);
    }
    for (const QString& caminho : {AoLadoDoPrograma(caminhoRelativo), Instalada(caminhoRelativo)}) {
        if (Identifica(caminho, id)) {
            return caminho;
        }
    }
    return QString();
}

QImage CarregaImagem(const QString& caminhoRelativo) {
    // The working folder's copy first (a relative path is resolved against it),
    // then the one beside the program, then the installed one.
    const QString aoLado = AoLadoDoPrograma(caminhoRelativo);
    return CarregaPrimeira({caminhoRelativo, aoLado, Instalada(caminhoRelativo)}, aoLado);
}

QImage CarregaImagemDoPrograma(const QString& caminhoRelativo) {
    const QString aoLado = AoLadoDoPrograma(caminhoRelativo);
    return CarregaPrimeira({aoLado, Instalada(caminhoRelativo)}, aoLado);
}
