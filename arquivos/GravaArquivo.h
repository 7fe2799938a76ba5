#pragma once

#include <QByteArray>
#include <QString>

// How a file that cannot be replaced is treated.
enum class TEscritaDireta {
    Nunca,     // the file is only ever replaced whole
    SeRecusada // a writable file in a folder that refuses new files is written
               // over itself, in the order of EscreveNoLugar
};

// Writes dados as the whole content of the file at caminho: a new file is
// written beside it and renamed over it (QSaveFile), so the old content
// stays whole until the new one is. False, with the reason in motivo (the
// file's own error text), when it cannot be written; the file is then as it
// was.
bool GravaArquivoInteiro(const QString& caminho, const QByteArray& dados, QString& motivo,
                         TEscritaDireta direta = TEscritaDireta::Nunca);
