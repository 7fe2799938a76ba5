// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/imagens-botoes.h"

#include "tools/imagens-comum.h"

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QPolygon>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// The command pictures keep to the sixteen classic colours and are drawn
// without smoothing, on a ground of this green, which the button leaves out.
const QColor verdeChao(0, 128, 0);
const QColor branco(255, 255, 255);
const QColor preto(0, 0, 0);
const QColor prata(192, 192, 192);
const QColor cinza(128, 128, 128);
const QColor amarelo(255, 255, 0);
const QColor ciano(0, 255, 255);
const QColor ciano2(0, 128, 128);
const QColor vermelho(255, 0, 0);
const QColor limao(0, 255, 0);

QImage imagemBotao(int largura, int altura, qreal escala = 1) {
    return novaImagemOpaca(largura, altura, verdeChao, escala);
}

// The scale for a command picture. Unsmoothed, a one-pixel line at 1x fills
// the pixel right of and below its coordinate; a line the scale wide is
// centred on it instead, so the figure is moved half a logical pixel to fill
// the same place.
void escalonaBotao(QPainter& p, qreal escala) {
    if (escala != 1) {
        escalona(p, escala);
        p.translate(0.5, 0.5);
    }
}

// Head and shoulders of a person; `x` is the centre line, `y` the top of the head.
void silhueta(QPainter& p, int x, int y, QColor cor) {
    p.setPen(preto);
    p.setBrush(cor);
    QPainterPath ombros;
    ombros.moveTo(x - 7, y + 19);
    ombros.lineTo(x - 7, y + 14);
    ombros.cubicTo(x - 7, y + 10, x - 4, y + 9, x, y + 9);
    ombros.cubicTo(x + 4, y + 9, x + 7, y + 10, x + 7, y + 14);
    ombros.lineTo(x + 7, y + 19);
    ombros.closeSubpath();
    p.drawPath(ombros);
    p.drawEllipse(QRect(x - 4, y, 8, 8));
}

void engrenagem(QPainter& p, QPointF centro, qreal externo, qreal interno, int dentes, qreal fase) {
    QPolygonF contornoDentes;
    const qreal passo = 2 * std::numbers::pi / dentes;
    for (int i = 0; i < dentes; ++i) {
        const qreal a = fase + i * passo;
        const qreal angulos[] = {a - passo * 0.22, a + passo * 0.22, a + passo * 0.32,
                                 a + passo * 0.68, a + passo * 0.78};
        const qreal raios[] = {externo, externo, interno, interno, externo};
        for (int k = 0; k < 4; ++k) {
            contornoDentes << centro + QPointF(raios[k] * std::cos(angulos[k]),
                                               raios[k] * std::sin(angulos[k]));
        }
    }
    p.setPen(preto);
    p.setBrush(ciano);
    p.drawPolygon(contornoDentes);
    p.setBrush(ciano2);
    const qreal cubo = interno * 0.4;
    p.drawEllipse(centro, cubo, cubo);
}

QImage glifo(const QPainterPath& traco, QColor cor, qreal escala) {
    QImage imagem = novaImagem(16, 16, Qt::transparent, escala);
    QPainter p(&imagem);
    p.setRenderHint(QPainter::Antialiasing);
    escalona(p, escala);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(cor.darker(220), 4.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(traco);
    p.setPen(QPen(cor, 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(traco);
    return imagem;
}

} // namespace

QImage botaoDefineEquipe(qreal escala) {
    QImage imagem = imagemBotao(30, 30, escala);
    QPainter p(&imagem);
    escalonaBotao(p, escala);
    silhueta(p, 19, 4, branco);
    silhueta(p, 11, 10, branco);
    return imagem;
}

QImage botaoAumentaTrabalho(qreal escala) {
    QImage imagem = imagemBotao(30, 30, escala);
    QPainter p(&imagem);
    escalonaBotao(p, escala);
    silhueta(p, 9, 6, branco);
    p.setPen(preto);
    p.setBrush(amarelo);
    // Plus sign above a minus sign.
    p.drawPolygon(QPolygon({QPoint(22, 2), QPoint(25, 2), QPoint(25, 6), QPoint(29, 6),
                            QPoint(29, 9), QPoint(25, 9), QPoint(25, 13), QPoint(22, 13),
                            QPoint(22, 9), QPoint(18, 9), QPoint(18, 6), QPoint(22, 6)}));
    p.drawRect(QRect(18, 19, 11, 3));
    return imagem;
}

QImage botaoTempoTarefa(qreal escala) {
    QImage imagem = imagemBotao(30, 30, escala);
    QPainter p(&imagem);
    escalonaBotao(p, escala);
    engrenagem(p, QPointF(9.5, 22.5), 6.5, 4.8, 8, 0);
    engrenagem(p, QPointF(20.5, 22.5), 6.5, 4.8, 8, std::numbers::pi / 8);
    // Clock face with quarter marks, hands at three o'clock and a red second hand.
    p.setPen(preto);
    p.setBrush(branco);
    p.drawEllipse(QRect(7, 1, 16, 16));
    p.drawPoint(15, 3);
    p.drawPoint(15, 15);
    p.drawPoint(9, 9);
    p.drawPoint(21, 9);
    p.drawLine(15, 9, 15, 5);
    p.drawLine(15, 9, 19, 9);
    p.setPen(vermelho);
    p.drawLine(15, 9, 12, 12);
    return imagem;
}

QImage botaoPassaTempo(qreal escala) {
    QImage imagem = imagemBotao(35, 17, escala);
    QPainter p(&imagem);
    escalonaBotao(p, escala);
    // Back sheet, then front sheet with its red header and a red 7.
    for (const QPoint origem : {QPoint(1, 0), QPoint(6, 3)}) {
        p.setPen(preto);
        p.setBrush(origem.x() == 1 ? prata : branco);
        p.drawRect(QRect(origem, QSize(12, 13)));
        p.setBrush(origem.x() == 1 ? cinza : vermelho);
        p.drawRect(QRect(origem, QSize(12, 3)));
    }
    p.setPen(preto);
    p.drawPoint(9, 2);
    p.drawPoint(15, 2);
    p.setPen(vermelho);
    p.drawLine(9, 8, 15, 8);
    p.drawLine(9, 9, 15, 9);
    p.drawLine(14, 10, 12, 14);
    p.drawLine(15, 10, 13, 14);
    // Double arrow pointing right.
    p.setPen(preto);
    p.setBrush(limao);
    p.drawPolygon(QPolygon({QPoint(20, 2), QPoint(26, 8), QPoint(20, 14), QPoint(20, 11),
                            QPoint(23, 8), QPoint(20, 5)}));
    p.drawPolygon(QPolygon({QPoint(26, 2), QPoint(32, 8), QPoint(26, 14), QPoint(26, 11),
                            QPoint(29, 8), QPoint(26, 5)}));
    return imagem;
}

// The disabled look: every colour of the figure turned to a grey, raised by a
// white edge one logical pixel down and right.
QImage gravado(const QImage& base, qreal escala) {
    QImage imagem = imagemBotao(base.width(), base.height());
    const int borda = std::max(1, int(escala));
    const auto figura = [&](int x, int y) {
        for (int k = 1; k <= borda; ++k) {
            const int xb = x - k;
            const int yb = y - k;
            if (xb >= 0 && yb >= 0 && xb < base.width() && yb < base.height() &&
                base.pixelColor(xb, yb) != verdeChao) {
                return true;
            }
        }
        return false;
    };
    const auto proprio = [&](int x, int y) { return base.pixelColor(x, y) != verdeChao; };
    for (int y = 0; y < base.height(); ++y) {
        for (int x = 0; x < base.width(); ++x) {
            if (proprio(x, y)) {
                imagem.setPixelColor(x, y, qGray(base.pixel(x, y)) >= 150 ? prata : cinza);
            } else if (figura(x, y)) {
                imagem.setPixelColor(x, y, branco);
            }
        }
    }
    return imagem;
}

QImage glifoSobe(qreal escala) {
    if (escala != 1) {
        // The same triangle, its edges stepped at the finer pixels.
        QImage imagem = novaImagem(7, 4, Qt::white, escala);
        QPainter p(&imagem);
        escalona(p, escala);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::black);
        p.drawPolygon(QPolygonF({QPointF(3.5, 0), QPointF(7.25, 4), QPointF(-0.25, 4)}));
        return imagem;
    }
    return mapaPixels(
        {
            "...X...",
            "..XXX..",
            ".XXXXX.",
            "XXXXXXX",
        },
        {{'X', Qt::black}}, Qt::white);
}

QImage glifoDesce(qreal escala) {
    return glifoSobe(escala).mirrored(false, true);
}

QImage glifoOk(qreal escala) {
    QPainterPath visto;
    visto.moveTo(3, 8.5);
    visto.lineTo(6.5, 12);
    visto.lineTo(13, 3.5);
    return glifo(visto, QColor(40, 210, 40), escala);
}

QImage glifoFecha(qreal escala) {
    QPainterPath xis;
    xis.moveTo(4, 4);
    xis.lineTo(12, 12);
    xis.moveTo(12, 4);
    xis.lineTo(4, 12);
    return glifo(xis, QColor(240, 40, 40), escala);
}
