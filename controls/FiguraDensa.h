// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Pictures for dense screens. Beside each picture X.ext the picture generator
// writes X@1.5x.ext and X@2x.ext: the same picture drawn again with one and a
// half and two times its pixels. A device of ratio 1 keeps the 1x picture,
// pixel for pixel; a denser one draws the variant in the same logical place,
// so that figures get finer instead of blockier.

#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QRgb>
#include <QString>
#include <optional>

// The ratios the variants are drawn for.
inline constexpr qreal RazoesDensas[] = {1.5, 2.0};

// "X.bmp" drawn for ratio 2 is "X@2x.bmp"; for 1.5, "X@1.5x.bmp".
QString ArquivoDenso(const QString& arquivo, qreal razao);

// The device pixels per logical pixel the painter draws at: the device
// pixel ratio of the screen or picture the painting lands on.
qreal RazaoPixels(const QPainter& canvas);

// The picture to draw on a device of ratio `razao` in place of `base`, which
// was read from `arquivo` (a resource ":/X.bmp" or a full path): the variant
// that ratio needs (2 above 1.5), with its device pixel ratio set, when it
// exists and has base's size times its ratio, rounded up; otherwise base.
// `transparente`, when given, is made transparent in the variant as it was in
// base. Each variant is read once.
QImage FiguraParaRazao(const QImage& base, const QString& arquivo, qreal razao,
                       std::optional<QRgb> transparente = std::nullopt);

// Draws base into alvo: at ratio 1 exactly as drawImage does, on a denser
// device its variant, smoothly fitted to the same logical rectangle.
void DesenhaFigura(QPainter& canvas, const QRect& alvo, const QImage& base, const QString& arquivo,
                   std::optional<QRgb> transparente = std::nullopt);
inline void DesenhaFigura(QPainter& canvas, const QPoint& ponto, const QImage& base,
                          const QString& arquivo, std::optional<QRgb> transparente = std::nullopt) {
    DesenhaFigura(canvas, QRect(ponto, base.size()), base, arquivo, transparente);
}

// Adds base's variants to an icon made of base, so that the icon paints the
// one the device's ratio needs.
void AdicionaVariantes(QIcon& icone, const QImage& base, const QString& arquivo,
                       std::optional<QRgb> transparente = std::nullopt);

// Draws a developer's large or small picture, base, into alvo as DesenhaFigura
// does; its file is looked up only for a dense device.
void DesenhaRetrato(QPainter& canvas, const QRect& alvo, const QImage& base, const QString& nome,
                    bool grande);
inline void DesenhaRetrato(QPainter& canvas, const QPoint& ponto, const QImage& base,
                           const QString& nome, bool grande) {
    DesenhaRetrato(canvas, QRect(ponto, base.size()), base, nome, grande);
}

// The file a developer's large or small picture was read from (the working
// folder's, the program's or the installed copy, as the model finds it);
// empty when there is none.
QString ArquivoRetrato(const QString& nome, bool grande);
