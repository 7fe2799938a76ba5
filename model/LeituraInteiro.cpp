// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/LeituraInteiro.h"

#include <algorithm>
#include <limits>

bool LeInteiroDecimal(const QString& texto, qint64& valor) {
    if (texto.isEmpty()) {
        return false;
    }
    int i = 0;
    bool negativo = false;
    if (texto[0] == u'+' || texto[0] == u'-') {
        negativo = texto[0] == u'-';
        i = 1;
    }
    if (i >= texto.size()) {
        return false;
    }
    // Saturates far beyond any range an int can hold, so very long numbers
    // still read as the nearer bound.
    constexpr qint64 Teto = qint64(std::numeric_limits<int>::max()) * 16;
    qint64 acumulado = 0;
    for (; i < texto.size(); ++i) {
        const QChar ch = texto[i];
        if (ch < u'0' || ch > u'9') {
            return false;
        }
        acumulado = std::min(Teto, acumulado * 10 + (ch.unicode() - u'0'));
    }
    valor = negativo ? -acumulado : acumulado;
    return true;
}
