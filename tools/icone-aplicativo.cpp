// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/icone-aplicativo.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

// The icon is laid out on a 64 x 64 grid and scaled to the size asked for.
constexpr qreal Grade = 64.0;

const QColor Lima(120, 255, 40);
const QColor Amarelo(255, 230, 0);
const QColor Fundo(40, 40, 40);

void desenhaPlaca(QPainter& p) {
    QLinearGradient gradiente(0, 0, 0, Grade);
    gradiente.setColorAt(0, QColor(46, 62, 78));
    gradiente.setColorAt(1, QColor(14, 20, 28));
    QPainterPath placa;
    placa.addRoundedRect(QRectF(2, 2, 60, 60), 12, 12);
    p.setPen(QPen(QColor(0, 0, 0, 160), 1.5));
    p.setBrush(gradiente);
    p.drawPath(placa);
}

void desenhaLigacoes(QPainter& p, const QPointF (&nos)[3]) {
    p.setPen(QPen(Lima, 3.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(nos[0], nos[1]);
    p.drawLine(nos[0], nos[2]);
    p.drawLine(nos[2], nos[1]);
}

// One activity circle, done in its share of thirds (1 to 3).
void desenhaNo(QPainter& p, QPointF centro, int tercos) {
    p.setPen(QPen(Lima, 3));
    p.setBrush(Fundo);
    p.drawEllipse(centro, 10.5, 10.5);
    p.setPen(Qt::NoPen);
    p.setBrush(Amarelo);
    const QRectF setor(centro - QPointF(7.5, 7.5), QSizeF(15, 15));
    if (tercos >= 3) {
        p.drawEllipse(setor);
    } else {
        p.drawPie(setor, 90 * 16, -tercos * 120 * 16);
    }
}

} // namespace

QImage IconeAplicativo(int lado) {
    QImage imagem(lado, lado, QImage::Format_ARGB32);
    imagem.fill(Qt::transparent);
    QPainter p(&imagem);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(lado / Grade, lado / Grade);
    desenhaPlaca(p);
    // The work flows from the top circle down to the left one and on to the
    // right one, each further along than the one before.
    const QPointF nos[3] = {{18, 17}, {20, 47}, {46, 32}};
    desenhaLigacoes(p, nos);
    for (int i = 0; i < 3; ++i) {
        desenhaNo(p, nos[i], i + 1);
    }
    return imagem;
}
