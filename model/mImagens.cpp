#include "mImagens.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <mutex>
#include <sys/stat.h>

namespace {

// One file's identity: the same file reached by another path, or a file
// replaced in place, is told apart without reading it.
struct TIdentidadeArquivo {
    dev_t dispositivo;
    ino_t inode;
    off_t tamanho;
    qint64 modificadoSeg;
    qint64 modificadoNs;
    bool operator==(const TIdentidadeArquivo&) const = default;
};

size_t qHash(const TIdentidadeArquivo& id, size_t semente = 0) {
    return qHashMulti(semente, id.dispositivo, id.inode, id.tamanho, id.modificadoSeg,
                      id.modificadoNs);
}

std::mutex MutexPasta;
QString PastaDefinida;
QString PastaSistema;

std::mutex MutexImagens;
QHash<TIdentidadeArquivo, QImage> ImagensCarregadas;

// The identity of a regular file, or false when there is none at the path.
bool Identifica(const QString& caminho, TIdentidadeArquivo& id) {
    struct stat info {};
    if (::stat(QFile::encodeName(caminho).constData(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return false;
    }
    id = {info.st_dev, info.st_ino, info.st_size, info.st_mtim.tv_sec, info.st_mtim.tv_nsec};
    return true;
}

} // namespace

QString PastaPrograma() {
    std::lock_guard trava(MutexPasta);
    if (!PastaDefinida.isEmpty()) {
        return PastaDefinida;
    }
    if (PastaSistema.isEmpty()) {
        const QString programa = QFile::symLinkTarget(QStringLiteral("/proc/self/exe"));
        PastaSistema =
            programa.isEmpty() ? QDir::currentPath() : QFileInfo(programa).absolutePath();
    }
    return PastaSistema;
}

void DefinePastaPrograma(const QString& pasta) {
    std::lock_guard trava(MutexPasta);
    PastaDefinida = pasta;
    while (PastaDefinida.size() > 1 && PastaDefinida.endsWith(QLatin1Char('/'))) {
        PastaDefinida.chop(1);
    }
}

namespace {

QString AoLadoDoPrograma(const QString& caminhoRelativo) {
    return PastaPrograma() + QLatin1Char('/') + caminhoRelativo;
}

// Reads the picture at caminho, whose identity is id, once per process.
QImage CarregaIdentificada(const QString& caminho, const TIdentidadeArquivo& id) {
    {
        std::lock_guard trava(MutexImagens);
        const auto achada = ImagensCarregadas.constFind(id);
        if (achada != ImagensCarregadas.constEnd()) {
            return achada.value();
        }
    }
    QImage imagem;
    if (!imagem.load(caminho)) {
        throw EErroArquivo(QStringLiteral("Cannot read the picture file ") +
                           QFileInfo(caminho).absoluteFilePath());
    }
    std::lock_guard trava(MutexImagens);
    ImagensCarregadas.insert(id, imagem);
    return imagem;
}

QImage CarregaArquivo(const QString& caminho) {
    TIdentidadeArquivo id{};
    if (!Identifica(caminho, id)) {
        throw EErroArquivo(QStringLiteral("Cannot open the picture file ") + caminho);
    }
    return CarregaIdentificada(caminho, id);
}

} // namespace

QString LocalizaImagem(const QString& caminhoRelativo) {
    TIdentidadeArquivo id{};
    if (Identifica(caminhoRelativo, id)) {
        return QDir::current().absoluteFilePath(caminhoRelativo);
    }
    const QString aoLado = AoLadoDoPrograma(caminhoRelativo);
    return Identifica(aoLado, id) ? aoLado : QString();
}

QImage CarregaImagem(const QString& caminhoRelativo) {
    // The working folder's copy first (a relative path is resolved against it),
    // then the one beside the program.
    TIdentidadeArquivo id{};
    if (Identifica(caminhoRelativo, id)) {
        return CarregaIdentificada(caminhoRelativo, id);
    }
    return CarregaArquivo(AoLadoDoPrograma(caminhoRelativo));
}

QImage CarregaImagemDoPrograma(const QString& caminhoRelativo) {
    return CarregaArquivo(AoLadoDoPrograma(caminhoRelativo));
}
