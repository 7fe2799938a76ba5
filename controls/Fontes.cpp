#include "controls/Fontes.h"

#include <QString>

QFont FonteJogo(int pixelSize, bool negrito) {
    QFont fonte(QStringLiteral("DejaVu Sans"));
    fonte.setStyleHint(QFont::SansSerif);
    fonte.setPixelSize(pixelSize);
    fonte.setBold(negrito);
    return fonte;
}
