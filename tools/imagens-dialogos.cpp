// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/imagens-dialogos.h"

#include "tools/imagens-comum.h"
#include "tools/imagens-retratos.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <cmath>
#include <numbers>

namespace {

// ---------------------------------------------------------------- welcome

// The manager's suit.
const QColor Terno(50, 56, 86);

// The activity chart on the wall behind the manager.
void quadro(QPainter& p) {
    p.setPen(QPen(QColor(170, 170, 180), 2));
    p.setBrush(QColor(18, 34, 70));
    p.drawRoundedRect(QRectF(4, 4, 77, 56), 3, 3);
    const QPointF nos[] = {{15, 18}, {33, 12}, {33, 34}, {52, 22}, {70, 32}, {54, 48}};
    const int ligacoes[][2] = {{0, 1}, {0, 2}, {1, 3}, {2, 3}, {3, 4}, {2, 5}, {5, 4}};
    p.setPen(QPen(QColor(0, 255, 0), 1.4));
    for (const auto& l : ligacoes) {
        p.drawLine(nos[l[0]], nos[l[1]]);
    }
    for (int i = 0; i < 6; ++i) {
        p.setPen(QPen(QColor(200, 255, 200), 1));
        p.setBrush(i < 3 ? QColor(0, 190, 0) : QColor(240, 240, 240));
        p.drawEllipse(nos[i], 4.5, 4.5);
    }
}

// The manager's body in the suit, the raised arm and the pointer.
void corpoGerente(QPainter& p) {
    p.setPen(QPen(Terno.darker(160), 1.2));
    p.setBrush(Terno);
    QPainterPath corpo;
    corpo.moveTo(10, 128);
    corpo.lineTo(12, 96);
    corpo.cubicTo(14, 88, 22, 86, 30, 85);
    corpo.lineTo(44, 85);
    corpo.cubicTo(52, 86, 58, 88, 60, 96);
    corpo.lineTo(62, 128);
    corpo.closeSubpath();
    p.drawPath(corpo);
    // Raised arm.
    QPainterPath braco;
    braco.moveTo(55, 90);
    braco.lineTo(70, 66);
    braco.lineTo(77, 70);
    braco.lineTo(61, 99);
    braco.closeSubpath();
    p.drawPath(braco);
    p.setPen(QPen(QColor(150, 100, 60), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(74, 64), QPointF(70, 35));
    p.setPen(QPen(QColor(180, 130, 100), 1));
    p.setBrush(QColor(240, 196, 160));
    p.drawEllipse(QPointF(73.5, 65), 4, 4);
}

// Shirt and tie in the suit's opening.
void camisaGerente(QPainter& p) {
    p.setPen(QPen(QColor(200, 200, 200), 1));
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygonF({{29, 85}, {45, 85}, {37, 104}}));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 20, 30));
    p.drawPolygon(QPolygonF({{35.5, 88}, {38.5, 88}, {39.5, 100}, {37, 104}, {34.5, 100}}));
    p.setPen(QPen(Terno.darker(180), 1));
    p.drawLine(QPointF(37, 106), QPointF(37, 127));
}

// Neck and head.
void cabecaGerente(QPainter& p) {
    const Aparencia gerente = {"",
                               Qt::black,
                               QColor(240, 196, 160),
                               QColor(60, 40, 28),
                               Cabelo::Repartido,
                               Terno,
                               Gola::Gravata,
                               Barba::Nenhuma,
                               false,
                               false,
                               false,
                               QColor(60, 80, 120)};
    contorno(p, gerente.pele);
    p.drawRect(QRectF(33, 78, 8, 8));
    cabecaDesenhada(p, gerente, QPointF(37, 68), 0.48);
}

// ---------------------------------------------------------------- project concluded

QPainterPath estrela(QPointF centro, qreal raio) {
    QPainterPath caminho;
    for (int i = 0; i < 10; ++i) {
        const qreal r = i % 2 ? raio * 0.42 : raio;
        const qreal a = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
        const QPointF ponto = centro + QPointF(r * std::cos(a), r * std::sin(a));
        if (i == 0) {
            caminho.moveTo(ponto);
        } else {
            caminho.lineTo(ponto);
        }
    }
    caminho.closeSubpath();
    return caminho;
}

// Confetti and little stars around the cup.
void confetes(QPainter& p) {
    const struct {
        qreal x, y, angulo;
        QColor cor;
    } pedacos[] = {
        {12, 14, 20, QColor(255, 60, 60)},  {26, 36, -30, QColor(60, 200, 255)},
        {90, 12, 45, QColor(0, 255, 0)},    {98, 40, -15, QColor(255, 120, 220)},
        {8, 62, 60, QColor(255, 255, 0)},   {102, 70, 30, QColor(255, 60, 60)},
        {18, 96, -40, QColor(0, 255, 0)},   {94, 100, 10, QColor(60, 200, 255)},
        {40, 6, 70, QColor(255, 120, 220)}, {70, 4, -60, QColor(255, 255, 0)},
    };
    p.setPen(Qt::NoPen);
    for (const auto& c : pedacos) {
        p.save();
        p.translate(c.x, c.y);
        p.rotate(c.angulo);
        p.setBrush(c.cor);
        p.drawRect(QRectF(-3, -1.2, 6, 2.4));
        p.restore();
    }
    p.setBrush(QColor(255, 240, 120));
    p.drawPath(estrela(QPointF(16, 80), 5));
    p.drawPath(estrela(QPointF(94, 84), 4));
    p.drawPath(estrela(QPointF(86, 26), 3.5));
}

// The gold of the cup, left to right.
QLinearGradient ouro() {
    QLinearGradient ouro(24, 0, 86, 0);
    ouro.setColorAt(0, QColor(150, 100, 10));
    ouro.setColorAt(0.35, QColor(255, 230, 110));
    ouro.setColorAt(0.6, QColor(240, 190, 40));
    ouro.setColorAt(1, QColor(140, 90, 10));
    return ouro;
}

// Handles behind the cup.
void alcas(QPainter& p, const QLinearGradient& ouro) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(110, 70, 0), 6.5, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(15, 26, 22, 26), 90 * 16, 180 * 16);
    p.drawArc(QRectF(73, 26, 22, 26), 90 * 16, -180 * 16);
    p.setPen(QPen(QBrush(ouro), 4, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(15, 26, 22, 26), 90 * 16, 180 * 16);
    p.drawArc(QRectF(73, 26, 22, 26), 90 * 16, -180 * 16);
}

// Cup, stem and base.
void taca(QPainter& p, const QLinearGradient& ouro) {
    const QPen borda(QColor(110, 70, 0), 1.2);
    p.setPen(borda);
    p.setBrush(ouro);
    QPainterPath taca;
    taca.moveTo(26, 24);
    taca.lineTo(84, 24);
    taca.cubicTo(84, 52, 72, 70, 59, 74);
    taca.lineTo(51, 74);
    taca.cubicTo(38, 70, 26, 52, 26, 24);
    p.drawPath(taca);
    p.drawRect(QRectF(51, 74, 8, 14));
    p.drawEllipse(QPointF(55, 80), 6, 3);
    p.drawPolygon(QPolygonF({{42, 96}, {68, 96}, {63, 88}, {47, 88}}));
    p.setBrush(QColor(255, 240, 160));
    p.drawEllipse(QRectF(26, 20, 58, 8));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 250, 210, 160));
    p.drawRoundedRect(QRectF(34, 32, 4, 26), 2, 2);
    p.setBrush(QColor(255, 255, 255));
    p.drawPath(estrela(QPointF(55, 44), 9));
}

// Plinth with a plaque.
void pedestal(QPainter& p, const QLinearGradient& ouro) {
    p.setPen(QPen(QColor(40, 20, 10), 1));
    p.setBrush(QColor(100, 54, 28));
    p.drawRect(QRectF(32, 96, 46, 24));
    p.setBrush(QColor(74, 38, 18));
    p.drawRect(QRectF(28, 120, 54, 7));
    p.setPen(QPen(QColor(110, 70, 0), 1));
    p.setBrush(ouro);
    p.drawRect(QRectF(40, 102, 30, 12));
    p.setPen(QPen(QColor(110, 70, 0), 1.2));
    p.drawLine(QPointF(45, 106), QPointF(65, 106));
    p.drawLine(QPointF(48, 110), QPointF(62, 110));
}

} // namespace

QImage apresentacao(qreal escala) {
    QImage imagem = novaImagemOpaca(85, 127, Qt::black, escala);
    QPainter p(&imagem);
    p.setRenderHint(QPainter::Antialiasing);
    escalona(p, escala);
    quadro(p);
    corpoGerente(p);
    camisaGerente(p);
    cabecaGerente(p);
    return imagem;
}

QImage projetoConcluido(qreal escala) {
    QImage imagem = novaImagemOpaca(110, 135, Qt::black, escala);
    QPainter p(&imagem);
    p.setRenderHint(QPainter::Antialiasing);
    escalona(p, escala);
    confetes(p);
    const QLinearGradient dourado = ouro();
    alcas(p, dourado);
    taca(p, dourado);
    pedestal(p, dourado);
    return imagem;
}
