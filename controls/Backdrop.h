// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/Cores.h"

#include <QWidget>

class QPainter;

// Where the first colour of a backdrop lies.
enum TDirection { bdUp, bdDown, bdLeft, bdRight, bdHorzIn, bdHorzOut, bdVertIn, bdVertOut };

// number x multiplier / divisor with a 64-bit intermediate, rounded to the
// nearest integer with halves away from zero; -1 when the divisor is 0 or the
// result does not fit in 32 bits.
int MulDiv(int number, int multiplier, int divisor);

// A gradient of 256 bands between two colours that fills its parent.
class TBackDrop : public QWidget {
    Q_OBJECT
public:
    explicit TBackDrop(QWidget* parent);

    TDirection Direction() const { return FDirection; }
    TColor Color() const { return FColor; }
    TColor BackColor() const { return FBackColor; }
    double Strength() const { return FStrength; }

    void SetDirection(TDirection direcao);
    void SetColor(TColor cor);
    void SetBackColor(TColor cor);
    void SetStrength(double forca);

    // Colour of index k (0..255) between s and e, per channel, wrapped to 8 bits.
    static QColor CorDaFaixa(const QColor& s, const QColor& e, int k);
    // Index of linear band n for a strength: min(trunc(n x strength), 255).
    static int IndiceLinear(int n, double forca);

    // Draws the gradient over (0, 0, largura, altura).
    void Desenha(QPainter& canvas, int largura, int altura) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TDirection FDirection = bdUp;
    TColor FColor = clBlue;
    TColor FBackColor = clBlack;
    double FStrength = 1.0;
};

// The backdrop of the command column and of the chart and team panels: green
// at the top, darkening to black halfway down (black on green, downwards, at
// strength 2).
TBackDrop* CriaFundoVerde(QWidget* parent);
