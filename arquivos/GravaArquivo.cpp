#include "GravaArquivo.h"

#include "EscritaNoLugar.h"

#include <QFileInfo>
#include <QSaveFile>

bool GravaArquivoInteiro(const QString& caminho, const QByteArray& dados, QString& motivo,
                         TEscritaDireta direta) {
    QSaveFile arquivo(caminho);
    if (!arquivo.open(QIODevice::WriteOnly)) {
        // The new file cannot be made beside the old one. QSaveFile's own
        // fallback would empty the old file before writing it again, so
        // that a kill in between loses it: it is written over itself in
        // an order that keeps it whole instead.
        const QFileInfo info(caminho);
        if (direta == TEscritaDireta::SeRecusada && info.isFile() && info.isWritable()) {
            return EscreveNoLugar(caminho, dados, motivo);
        }
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
