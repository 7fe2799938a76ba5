#include "GravaArquivo.h"

#include <QSaveFile>

bool GravaArquivoInteiro(const QString& caminho, const QByteArray& dados, QString& motivo,
                         TEscritaDireta direta) {
    QSaveFile arquivo(caminho);
    arquivo.setDirectWriteFallback(direta == TEscritaDireta::SeRecusada);
    if (!arquivo.open(QIODevice::WriteOnly)) {
        motivo = arquivo.errorString();
        return false;
    }
    // commit() renames the new file over the old one even when its own final
    // flush fell short (a full disk, a file size limit): the flush is checked
    // first, so a cut file never takes the place of a whole one.
    if (arquivo.write(dados) != dados.size() || !arquivo.flush()) {
        motivo = arquivo.errorString();
        arquivo.cancelWriting();
        return false;
    }
    if (!arquivo.commit()) {
        motivo = arquivo.errorString();
        return false;
    }
    return true;
}
