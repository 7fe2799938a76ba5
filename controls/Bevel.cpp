// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/Bevel.h"

#include "controls/Cores.h"

#include <QPainter>

TBevel::TBevel(QWidget* parent) : QWidget(parent) {}

void TBevel::paintEvent(QPaintEvent*) {
    QPainter canvas(this);
    DesenhaSombra(canvas);
    DesenhaLuz(canvas);
}

// The left column, bottom to top, then the top row up to the last column.
void TBevel::DesenhaSombra(QPainter& canvas) const {
    const QColor sombra = ColorToRGB(clBtnShadow);
    canvas.fillRect(QRect(0, 0, 1, height()), sombra);
    canvas.fillRect(QRect(0, 0, width() - 1, 1), sombra);
}

// The right column, top to bottom, then the bottom row back to the second column.
void TBevel::DesenhaLuz(QPainter& canvas) const {
    const QColor luz = ColorToRGB(clBtnHighlight);
    canvas.fillRect(QRect(width() - 1, 0, 1, height()), luz);
    canvas.fillRect(QRect(1, height() - 1, width() - 1, 1), luz);
}
