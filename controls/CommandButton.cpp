// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/CommandButton.h"

#include "controls/Cores.h"
#include "controls/FiguraDensa.h"
#include "controls/Fontes.h"

#include <QEnterEvent>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

TCommandButton::TCommandButton(QWidget* parent) : QWidget(parent) {
    resize(30, 30);
}

void TCommandButton::SetPictureBase(const QImage& imagem, const QString& arquivo) {
    FPictureBase = imagem.copy();
    FArquivoBase = arquivo;
    FDesenhoBase = ComCorTransparente(FPictureBase, ColorToRGB(clGreen).rgb());
    repaint();
}

void TCommandButton::SetPictureDisable(const QImage& imagem, const QString& arquivo) {
    FPictureDisable = imagem.copy();
    FArquivoDisable = arquivo;
    FDesenhoDisable = ComCorTransparente(FPictureDisable, ColorToRGB(clGreen).rgb());
    repaint();
}

void TCommandButton::SetTitle(const QString& titulo) {
    if (titulo == FTitle) {
        return;
    }
    FTitle = titulo;
    repaint();
}

QFont TCommandButton::FonteTitulo(bool negrito) {
    QFont fonte = FonteJogo(11, negrito);
    // A crisp bitmap-like title: pure white or pure grey, no blending.
    fonte.setStyleStrategy(QFont::NoAntialias);
    return fonte;
}

void TCommandButton::paintEvent(QPaintEvent*) {
    QPainter canvas(this);
    const bool habilitado = isEnabled();
    const QImage& figura = habilitado ? FDesenhoBase : FDesenhoDisable;
    if (!figura.isNull()) {
        DesenhaFigura(
            canvas, QPoint((width() - figura.width()) / 2, (height() - 10 - figura.height()) / 2),
            figura, habilitado ? FArquivoBase : FArquivoDisable, ColorToRGB(clGreen).rgb());
    }

    QFont fonte = FonteTitulo(FDestacado && habilitado);
    // The unblended title suits a plain screen's coarse pixels; on a dense
    // screen it would step along every curve of the letters.
    if (RazaoPixels(canvas) > 1) {
        fonte.setStyleStrategy(QFont::PreferDefault);
    }
    const QFontMetrics medidas(fonte);
    const int tw = medidas.horizontalAdvance(FTitle);
    const int th = medidas.height();
    canvas.setFont(fonte);
    canvas.setPen(habilitado ? CorBranca : CorCinza);
    canvas.setBrush(Qt::NoBrush);
    canvas.drawText((width() - tw) / 2, height() - th - 2 + medidas.ascent(), FTitle);
}

void TCommandButton::enterEvent(QEnterEvent* event) {
    QWidget::enterEvent(event);
    if (!FDestacado) {
        FDestacado = true;
        repaint();
    }
}

void TCommandButton::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    if (FDestacado) {
        FDestacado = false;
        repaint();
    }
}

void TCommandButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        FPressionado = true;
    }
    event->accept();
}

void TCommandButton::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() != Qt::LeftButton || !FPressionado) {
        return;
    }
    FPressionado = false;
    if (isEnabled() && rect().contains(event->position().toPoint()) && OnClick) {
        OnClick(this);
    }
}

// A press that was under way when the button got disabled never completes.
void TCommandButton::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange) {
        FPressionado = false;
        update();
    }
    QWidget::changeEvent(event);
}
