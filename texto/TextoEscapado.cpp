// SPDX-License-Identifier: GPL-3.0-or-later
#include "texto/TextoEscapado.h"

namespace {

// Whether c may not stand as itself inside one line of text.
bool PrecisaEscape(char16_t c, bool surrogateSolto) {
    return c < 0x20 || (c >= 0x7f && c <= 0x9f) || c == 0x2028 || c == 0x2029 || surrogateSolto;
}

void AcrescentaEscape(QString& saida, char16_t c) {
    switch (c) {
    case u'\n':
        saida += QLatin1String("\\n");
        return;
    case u'\t':
        saida += QLatin1String("\\t");
        return;
    case u'\r':
        saida += QLatin1String("\\r");
        return;
    case u'\b':
        saida += QLatin1String("\\b");
        return;
    case u'\f':
        saida += QLatin1String("\\f");
        return;
    default:
        saida += QStringLiteral("\\u%1").arg(static_cast<unsigned>(c), 4, 16, QLatin1Char('0'));
    }
}

// A surrogate half that does not belong to a pair.
bool SurrogateSolto(const QString& texto, qsizetype i) {
    const QChar c = texto.at(i);
    if (c.isHighSurrogate()) {
        return i + 1 >= texto.size() || !texto.at(i + 1).isLowSurrogate();
    }
    if (c.isLowSurrogate()) {
        return i == 0 || !texto.at(i - 1).isHighSurrogate();
    }
    return false;
}

QString Escapa(const QString& texto, bool comoJson) {
    QString saida;
    saida.reserve(texto.size() + 2);
    for (qsizetype i = 0; i < texto.size(); ++i) {
        const char16_t c = texto.at(i).unicode();
        if (PrecisaEscape(c, SurrogateSolto(texto, i))) {
            AcrescentaEscape(saida, c);
        } else if (comoJson && (c == u'"' || c == u'\\')) {
            saida += QLatin1Char('\\');
            saida += QChar(c);
        } else {
            saida += QChar(c);
        }
    }
    return saida;
}

} // namespace

QString EscapaControles(const QString& texto) {
    return Escapa(texto, false);
}

QString Citado(const QString& texto) {
    return QLatin1Char('"') + Escapa(texto, true) + QLatin1Char('"');
}
