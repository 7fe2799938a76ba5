// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/Backdrop.h"

#include "controls/AlinhaCliente.h"

#include <QPaintEvent>
#include <QPainter>
#include <cmath>
#include <cstdint>
#include <limits>

int MulDiv(int number, int multiplier, int divisor) {
    if (divisor == 0) {
        return -1;
    }
    const std::int64_t produto = std::int64_t(number) * multiplier;
    const bool negativo = (produto < 0) != (divisor < 0);
    const std::uint64_t p = produto < 0 ? std::uint64_t(-produto) : std::uint64_t(produto);
    const std::uint64_t d = divisor < 0 ? std::uint64_t(-std::int64_t(divisor)) : divisor;
    const std::uint64_t q = (p + d / 2) / d;
    if (q > std::uint64_t(std::numeric_limits<int>::max()) + (negativo ? 1 : 0)) {
        return -1;
    }
    return negativo ? int(-std::int64_t(q)) : int(q);
}

TBackDrop::TBackDrop(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    new TAlinhaCliente(this);
}

TBackDrop* CriaFundoVerde(QWidget* parent) {
    auto* fundo = new TBackDrop(parent);
    fundo->SetColor(clBlack);
    fundo->SetBackColor(clGreen);
    fundo->SetStrength(2.0);
    fundo->SetDirection(bdDown);
    return fundo;
}

void TBackDrop::SetDirection(TDirection direcao) {
    FDirection = direcao;
    repaint();
}

void TBackDrop::SetColor(TColor cor) {
    FColor = cor;
    repaint();
}

void TBackDrop::SetBackColor(TColor cor) {
    FBackColor = cor;
    repaint();
}

void TBackDrop::SetStrength(double forca) {
    FStrength = forca;
    repaint();
}

QColor TBackDrop::CorDaFaixa(const QColor& s, const QColor& e, int k) {
    const auto canal = [k](int cs, int ce) { return (cs + MulDiv(k, ce - cs, 255)) & 0xFF; };
    return QColor(canal(s.red(), e.red()), canal(s.green(), e.green()), canal(s.blue(), e.blue()));
}

int TBackDrop::IndiceLinear(int n, double forca) {
    const double v = std::trunc(n * forca);
    if (std::isnan(v)) {
        return 0;
    }
    if (v >= 255.0) {
        return 255;
    }
    // A negative strength extrapolates beyond the start colour; keep the
    // index where the channel arithmetic stays within 64 bits.
    constexpr double minimo = -double(std::numeric_limits<int>::max());
    return v < minimo ? -std::numeric_limits<int>::max() : int(v);
}

void TBackDrop::Desenha(QPainter& canvas, int largura, int altura) const {
    const QColor cor = ColorToRGB(FColor);
    const QColor fundo = ColorToRGB(FBackColor);

    bool linhas = true;
    bool simetrico = false;
    QColor s = cor;
    QColor e = fundo;
    switch (FDirection) {
    case bdUp:
        break;
    case bdDown:
        s = fundo;
        e = cor;
        break;
    case bdLeft:
        linhas = false;
        break;
    case bdRight:
        linhas = false;
        s = fundo;
        e = cor;
        break;
    case bdHorzIn:
        simetrico = true;
        s = fundo;
        e = cor;
        break;
    case bdHorzOut:
        simetrico = true;
        break;
    case bdVertIn:
        linhas = false;
        simetrico = true;
        s = fundo;
        e = cor;
        break;
    case bdVertOut:
        linhas = false;
        simetrico = true;
        break;
    }

    const int extensao = linhas ? altura : largura;
    for (int n = 0; n < 256; ++n) {
        const int inicio = MulDiv(n, extensao, 256);
        const int fim = MulDiv(n + 1, extensao, 256);
        if (fim <= inicio) {
            continue;
        }
        int k;
        if (simetrico) {
            k = 2 * (n < 128 ? n : 255 - n);
        } else {
            k = IndiceLinear(n, FStrength);
        }
        const QColor c = CorDaFaixa(s, e, k);
        if (linhas) {
            canvas.fillRect(0, inicio, largura, fim - inicio, c);
        } else {
            canvas.fillRect(inicio, 0, fim - inicio, altura, c);
        }
    }
}

void TBackDrop::paintEvent(QPaintEvent*) {
    QPainter canvas(this);
    Desenha(canvas, width(), height());
}
