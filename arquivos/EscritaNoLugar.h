#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// Writing a file over itself, for a file whose folder refuses the new file
// that replacing it whole needs. Nothing makes such a write atomic, but its
// order decides what a kill (or a crash) in the middle leaves behind:
//   1. bytes added at the end are written first, on their own, while every
//      old line is still there;
//   2. then each changed line of unchanged length, in place, one at a time;
//   3. only when a length differs inside the file is it rewritten from the
//      changed line to its end, in one write, and cut to its new size last;
//      a file that shrinks gets line breaks over the rest of its old end in
//      that write, so that until the cut it ends in blank lines (which
//      readers of line-based files skip), never in a piece of an old line.
// Each step is one write, flushed to the disk before the next. So adding a
// section to a record file leaves either the old file or the new one, and a
// rewritten value of the same length either the old value or the new one.

// One write: dados at Posicao.
struct TPassoNoLugar {
    qint64 Posicao = 0;
    QByteArray Dados;
    bool operator==(const TPassoNoLugar&) const = default;
};

// The writes, in order, that turn antigo into novo once the file is cut to
// Tamanho (novo's size) after them.
struct TEscritaNoLugar {
    QList<TPassoNoLugar> Passos;
    qint64 Tamanho = 0;
};

TEscritaNoLugar PlanejaEscritaNoLugar(const QByteArray& antigo, const QByteArray& novo);

// Makes the existing file at caminho hold dados, written over itself in the
// order above. False, with the reason in motivo, when it cannot be opened,
// read or written.
bool EscreveNoLugar(const QString& caminho, const QByteArray& dados, QString& motivo);
