#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>
#include <utility>

// One section of an INI file as reading sees it: its name and its key lines,
// in file order, each as reading takes it (name trimmed, value as Valor).
struct TSecaoIni {
    QString Nome;
    QList<std::pair<QString, QString>> Chaves;

    // The value of the first key with the name, without regard to case.
    std::optional<QString> Valor(const QString& chave) const;
};

// The bytes of an INI file, read and edited over its own lines as the
// platform's private-profile functions do: bracketed section lines and
// key=value lines, section and key names compared without regard to case.
//
// Reading takes the first section with the name and, inside it, the first
// key with the name; the value is trimmed of blanks and of one pair of
// matching surrounding quotes (" or '). Writing changes only that key's
// value, or adds the key after the last key line of that section, or adds
// the section with the key at the end of the file; every other byte stays as
// it was: comments, blank lines, lines without '=', duplicate keys and
// sections, line endings, bytes that are not text, NUL bytes. Added lines
// end as the file's first line does (CRLF or LF; LF in a file without one).
//
// A written value always reads back as given, within one line: each line
// break in it (CR, LF or CRLF) is stored as one space, and a value that
// reading would trim (blanks at either end, a pair of surrounding quotes) is
// stored inside double quotes. Values are UTF-8.
class TArquivoIni {
public:
    TArquivoIni() = default;
    explicit TArquivoIni(const QByteArray& conteudo) : FConteudo(conteudo) {}

    const QByteArray& Conteudo() const { return FConteudo; }

    // The value of chave in secao; none when the section or the key is absent.
    std::optional<QString> Valor(const QString& secao, const QString& chave) const;
    void DefineValor(const QString& secao, const QString& chave, const QString& valor);

    // Every section of the file in one pass (Valor reads the file anew each
    // time), in file order; a section written twice comes twice, and
    // reading takes the first.
    QList<TSecaoIni> Secoes() const;

    // Takes the bytes of the file at caminho; a missing file reads as empty.
    // False, with the text unchanged, when the file exists but cannot be read.
    bool Carrega(const QString& caminho);
    // Replaces the file with the text at once (a new file renamed over the
    // old one) or, in a folder that refuses new files, writes over the
    // existing file in place, in an order that keeps it whole at every
    // moment for what the record file's writes do (EscreveNoLugar). False
    // when neither can be done.
    bool Salva(const QString& caminho) const;

private:
    QByteArray FConteudo;
};
