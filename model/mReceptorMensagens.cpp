// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/mReceptorMensagens.h"

#include <QStringBuilder>

#include <cmath>

QString FormataLinhaMensagem(const QString& texto, double dia) {
    // Whole days, halves away from zero; adding 0.0 turns a rounded -0 into 0.
    const double arredondado = std::round(dia) + 0.0;
    return QStringLiteral("Day ") % QString::number(arredondado, 'f', 0) % QStringLiteral(": ") %
           texto;
}
