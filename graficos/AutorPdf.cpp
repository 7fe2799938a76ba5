#include "AutorPdf.h"

#include <optional>

namespace {

// Each cross-reference entry: "oooooooooo ggggg n \n", 20 bytes.
constexpr qsizetype TamanhoEntrada = 20;

std::optional<qint64> Numero(const QByteArray& texto, qsizetype& pos) {
    while (pos < texto.size() && (texto.at(pos) == ' ' || texto.at(pos) == '\n' ||
                                  texto.at(pos) == '\r')) {
        ++pos;
    }
    const qsizetype inicio = pos;
    while (pos < texto.size() && texto.at(pos) >= '0' && texto.at(pos) <= '9') {
        ++pos;
    }
    bool ok = false;
    const qint64 valor = texto.mid(inicio, pos - inicio).toLongLong(&ok);
    return ok ? std::optional(valor) : std::nullopt;
}

// A text string in the PDF's own hexadecimal form, UTF-16 with its byte
// order mark: no character of the name needs escaping.
QByteArray TextoHex(const QString& texto) {
    QByteArray utf16("\xfe\xff", 2);
    for (const QChar c : texto) {
        utf16.append(static_cast<char>(c.unicode() >> 8));
        utf16.append(static_cast<char>(c.unicode() & 0xff));
    }
    return '<' + utf16.toHex().toUpper() + '>';
}

} // namespace

QByteArray PoeAutorPdf(const QByteArray& pdf, const QString& autor) {
    const qsizetype marca = pdf.lastIndexOf("startxref");
    qsizetype pos = marca + 9;
    const std::optional<qint64> tabela = marca < 0 ? std::nullopt : Numero(pdf, pos);
    if (!tabela || *tabela <= 0 || *tabela >= marca || !pdf.mid(*tabela).startsWith("xref")) {
        return pdf;
    }
    pos = *tabela + 4;
    const std::optional<qint64> primeiro = Numero(pdf, pos);
    const std::optional<qint64> quantos = Numero(pdf, pos);
    while (pos < pdf.size() && (pdf.at(pos) == ' ' || pdf.at(pos) == '\n' || pdf.at(pos) == '\r')) {
        ++pos;
    }
    const qsizetype entradas = pos;
    if (!primeiro || *primeiro != 0 || !quantos || *quantos <= 0 ||
        entradas + *quantos * TamanhoEntrada > marca) {
        return pdf;
    }
    const qsizetype trailer = pdf.indexOf("/Info", entradas + *quantos * TamanhoEntrada);
    pos = trailer + 5;
    const std::optional<qint64> info = trailer < 0 ? std::nullopt : Numero(pdf, pos);
    if (!info || *info <= 0 || *info >= *quantos) {
        return pdf;
    }
    const qint64 objeto = pdf.mid(entradas + *info * TamanhoEntrada, 10).toLongLong();
    const qsizetype dicionario = pdf.indexOf("<<", objeto);
    if (objeto <= 0 || dicionario < 0 || dicionario > *tabela ||
        !pdf.mid(objeto).startsWith(QByteArray::number(*info) + " 0 obj")) {
        return pdf;
    }
    const qsizetype insercao = dicionario + 2;
    const QByteArray entrada = "\n/Author " + TextoHex(autor);
    QByteArray saida = pdf.left(insercao) + entrada + pdf.mid(insercao);
    const qsizetype delta = entrada.size();
    for (qint64 k = 0; k < *quantos; ++k) {
        const qsizetype e = entradas + delta + k * TamanhoEntrada;
        if (saida.at(e + 17) != 'n') {
            continue; // a free entry
        }
        const qint64 deslocamento = saida.mid(e, 10).toLongLong();
        if (deslocamento > insercao) {
            saida.replace(e, 10, QByteArray::number(deslocamento + delta).rightJustified(10, '0'));
        }
    }
    const qsizetype novaMarca = marca + delta;
    qsizetype fimNumero = novaMarca + 9;
    Numero(saida, fimNumero);
    return saida.left(novaMarca) + "startxref\n" + QByteArray::number(*tabela + delta) +
           saida.mid(fimNumero);
}
