// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/Fontes.h"

#include <QString>

QFont FaceJogo(bool negrito) {
    QFont fonte(QStringLiteral("DejaVu Sans"));
    fonte.setStyleHint(QFont::SansSerif);
    fonte.setBold(negrito);
    return fonte;
}

QFont FonteJogo(int pixelSize, bool negrito) {
    QFont fonte = FaceJogo(negrito);
    fonte.setPixelSize(pixelSize);
    return fonte;
}
