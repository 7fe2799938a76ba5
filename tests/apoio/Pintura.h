// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Reading the pixels of a panel rendered offscreen, watching its paint events,
// and the pointer actions the panel tests share.
#include <QApplication>
#include <QColor>
#include <QImage>
#include <QList>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QRegion>
#include <QString>
#include <QtTest>

inline const QRgb Branco = qRgb(255, 255, 255);
inline const QRgb Prata = qRgb(192, 192, 192);
inline const QRgb Preto = qRgb(0, 0, 0);
inline const QRgb Azul = qRgb(0, 0, 255);
inline const QRgb Lima = qRgb(0, 255, 0);

// The colour of a pixel, opaque.
inline QRgb Cor(const QImage& imagem, int x, int y) {
    return (imagem.pixel(x, y) & RGB_MASK) | 0xff000000u;
}

// "#rrggbb", so that a failed comparison shows the colours.
inline QString Hex(QRgb c) {
    return QStringLiteral("#%1").arg(c & RGB_MASK, 6, 16, QLatin1Char('0'));
}

// Records the region of every paint event of the watched widget, one by one
// and as their union.
class TEspiaoPintura : public QObject {
public:
    QList<QRegion> Regioes;
    QRegion Total;

    // Lets the pending paints run and takes what they covered since the last call.
    QRegion Colhe() {
        QApplication::processEvents();
        const QRegion r = Total;
        Total = QRegion();
        return r;
    }

protected:
    bool eventFilter(QObject*, QEvent* evento) override {
        if (evento->type() == QEvent::Paint) {
            const QRegion regiao = static_cast<QPaintEvent*>(evento)->region();
            Regioes.append(regiao);
            Total += regiao;
        }
        return false;
    }
};

// A press, release, double-click press and release, as a real double click arrives.
inline void DuploClique(QWidget* w, QPoint p, Qt::MouseButton botao = Qt::LeftButton) {
    QTest::mousePress(w, botao, {}, p);
    QTest::mouseRelease(w, botao, {}, p);
    QMouseEvent duplo(QEvent::MouseButtonDblClick, QPointF(p), w->mapToGlobal(QPointF(p)), botao,
                      botao, Qt::NoModifier);
    QApplication::sendEvent(w, &duplo);
    QTest::mouseRelease(w, botao, {}, p);
}
