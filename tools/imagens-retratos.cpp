// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/imagens-retratos.h"

#include "tools/imagens-comum.h"

#include <QPainterPath>
#include <QPolygonF>
#include <QRectF>

const std::vector<Aparencia>& aparencias() {
    static const std::vector<Aparencia> lista = {
        {"Corvin", QColor(168, 200, 232), QColor(240, 200, 168), QColor(84, 54, 30),
         Cabelo::Repartido, QColor(40, 84, 170), Gola::Camisa, Barba::Nenhuma, false, false, false,
         QColor(60, 110, 60)},
        {"Fennick", QColor(236, 214, 150), QColor(250, 214, 186), QColor(206, 92, 30),
         Cabelo::Espetado, QColor(46, 140, 70), Gola::Capuz, Barba::Nenhuma, true, false, true,
         QColor(40, 90, 150)},
        {"Ysolde", QColor(206, 180, 228), QColor(246, 210, 186), QColor(238, 200, 90),
         Cabelo::Longo, QColor(136, 56, 150), Gola::Decote, Barba::Nenhuma, false, true, false,
         QColor(50, 120, 170)},
        {"Tamsin", QColor(240, 176, 170), QColor(214, 164, 120), QColor(30, 24, 24), Cabelo::Coque,
         QColor(190, 36, 44), Gola::Camisa, Barba::Nenhuma, true, true, false, QColor(70, 44, 24)},
        {"Idony", QColor(170, 222, 200), QColor(130, 84, 56), QColor(34, 22, 16), Cabelo::Crespo,
         QColor(240, 140, 30), Gola::Decote, Barba::Nenhuma, false, false, false,
         QColor(50, 30, 16)},
        {"Oswin", QColor(200, 204, 212), QColor(236, 192, 160), QColor(176, 176, 180),
         Cabelo::Calvo, QColor(120, 80, 48), Gola::Gravata, Barba::Bigode, true, false, false,
         QColor(70, 90, 120)},
        {"Brannoc", QColor(222, 196, 160), QColor(196, 144, 104), QColor(70, 40, 20), Cabelo::Curto,
         QColor(30, 110, 110), Gola::Xadrez, Barba::Cheia, false, false, false, QColor(60, 40, 20)},
    };
    return lista;
}

namespace {

// Hair drawn behind the head (long hair, bun, curls).
void cabeloAtras(QPainter& p, const Aparencia& a) {
    contorno(p, a.cabelo);
    switch (a.estiloCabelo) {
    case Cabelo::Longo: {
        QPainterPath cabelo;
        cabelo.moveTo(27, 46);
        cabelo.cubicTo(22, 16, 78, 16, 73, 46);
        cabelo.cubicTo(76, 70, 80, 86, 84, 92);
        cabelo.lineTo(16, 92);
        cabelo.cubicTo(20, 86, 24, 70, 27, 46);
        p.drawPath(cabelo);
        break;
    }
    case Cabelo::Coque:
        p.drawEllipse(QPointF(50, 17), 11, 9);
        break;
    case Cabelo::Crespo:
        for (int i = 0; i < 11; ++i) {
            const qreal x = 26 + i * 4.8;
            const qreal y = 30 - (i % 2) * 3 - (i > 2 && i < 8 ? 6 : 0);
            p.drawEllipse(QPointF(x, y), 9, 9);
        }
        p.drawEllipse(QPointF(25, 44), 9, 11);
        p.drawEllipse(QPointF(75, 44), 9, 11);
        break;
    default:
        break;
    }
}

// Hair drawn over the top of the head.
void cabeloFrente(QPainter& p, const Aparencia& a) {
    contorno(p, a.cabelo);
    QPainterPath cabelo;
    switch (a.estiloCabelo) {
    case Cabelo::Repartido:
        cabelo.moveTo(28, 50);
        cabelo.cubicTo(22, 18, 70, 12, 74, 42);
        cabelo.lineTo(72, 50);
        cabelo.cubicTo(68, 38, 62, 32, 58, 30);
        cabelo.cubicTo(50, 38, 38, 36, 34, 34);
        cabelo.cubicTo(31, 40, 30, 44, 28, 50);
        break;
    case Cabelo::Curto:
        cabelo.moveTo(29, 48);
        cabelo.cubicTo(23, 16, 77, 16, 71, 48);
        cabelo.cubicTo(69, 40, 66, 36, 62, 35);
        cabelo.cubicTo(54, 37, 44, 37, 38, 35);
        cabelo.cubicTo(34, 36, 31, 40, 29, 48);
        break;
    case Cabelo::Espetado: {
        cabelo.moveTo(28, 46);
        const qreal pontas[][2] = {{26, 26}, {34, 30}, {36, 14}, {44, 26}, {50, 10},
                                   {56, 25}, {64, 14}, {66, 29}, {75, 24}, {72, 46}};
        for (const auto& pt : pontas) {
            cabelo.lineTo(pt[0], pt[1]);
        }
        cabelo.cubicTo(66, 34, 34, 34, 28, 46);
        break;
    }
    case Cabelo::Longo:
        cabelo.moveTo(28, 48);
        cabelo.cubicTo(26, 22, 74, 22, 72, 48);
        cabelo.cubicTo(66, 34, 56, 30, 48, 30);
        cabelo.cubicTo(40, 36, 32, 38, 28, 48);
        break;
    case Cabelo::Coque:
        cabelo.moveTo(28, 46);
        cabelo.cubicTo(26, 20, 74, 20, 72, 46);
        cabelo.cubicTo(66, 32, 34, 32, 28, 46);
        break;
    case Cabelo::Crespo:
        for (int i = 0; i < 7; ++i) {
            p.drawEllipse(QPointF(33 + i * 5.6, 32 - (i % 2) * 2.5), 6, 6);
        }
        return;
    case Cabelo::Calvo:
        // Grey tufts above the ears only.
        p.drawEllipse(QPointF(29, 42), 4, 9);
        p.drawEllipse(QPointF(71, 42), 4, 9);
        return;
    }
    p.drawPath(cabelo);
}

void roupa(QPainter& p, const Aparencia& a) {
    contorno(p, a.roupa);
    QPainterPath corpo;
    corpo.moveTo(6, 112);
    corpo.cubicTo(8, 90, 20, 82, 40, 79);
    corpo.lineTo(60, 79);
    corpo.cubicTo(80, 82, 92, 90, 94, 112);
    corpo.closeSubpath();
    p.drawPath(corpo);

    // Neck.
    contorno(p, a.pele);
    p.drawRect(QRectF(43, 64, 14, 18));

    switch (a.gola) {
    case Gola::Camisa:
    case Gola::Gravata: {
        contorno(p, QColor(246, 246, 246));
        p.drawPolygon(QPolygonF({{40, 79}, {50, 90}, {44, 96}, {36, 82}}));
        p.drawPolygon(QPolygonF({{60, 79}, {50, 90}, {56, 96}, {64, 82}}));
        if (a.gola == Gola::Gravata) {
            contorno(p, QColor(170, 30, 40));
            p.drawPolygon(QPolygonF({{47, 90}, {53, 90}, {55, 108}, {50, 112}, {45, 108}}));
        } else {
            p.setPen(QPen(escura(a.roupa, 180), 1.5));
            p.setBrush(QColor(240, 240, 240));
            p.drawEllipse(QPointF(50, 99), 1.5, 1.5);
            p.drawEllipse(QPointF(50, 107), 1.5, 1.5);
        }
        break;
    }
    case Gola::Capuz:
        contorno(p, a.roupa.lighter(120));
        p.drawPath([] {
            QPainterPath capuz;
            capuz.moveTo(30, 82);
            capuz.cubicTo(38, 94, 62, 94, 70, 82);
            capuz.cubicTo(62, 86, 38, 86, 30, 82);
            return capuz;
        }());
        p.setPen(QPen(QColor(240, 240, 240), 1.5));
        p.drawLine(QPointF(44, 90), QPointF(43, 104));
        p.drawLine(QPointF(56, 90), QPointF(57, 104));
        break;
    case Gola::Decote:
        contorno(p, a.pele);
        p.drawPolygon(QPolygonF({{41, 79}, {59, 79}, {50, 92}}));
        break;
    case Gola::Xadrez: {
        p.save();
        p.setClipPath(corpo);
        p.setPen(QPen(escura(a.roupa, 160), 2));
        for (int x = 16; x < 92; x += 10) {
            p.drawLine(QPointF(x, 80), QPointF(x, 112));
        }
        for (int y = 90; y < 112; y += 9) {
            p.drawLine(QPointF(0, y), QPointF(100, y));
        }
        p.restore();
        contorno(p, a.pele);
        p.drawPolygon(QPolygonF({{42, 79}, {58, 79}, {50, 90}}));
        break;
    }
    }
}

// Ears and head, and earrings.
void cabecaEOrelhas(QPainter& p, const Aparencia& a) {
    contorno(p, a.pele);
    p.drawEllipse(QPointF(29, 51), 4.5, 6.5);
    p.drawEllipse(QPointF(71, 51), 4.5, 6.5);
    p.drawEllipse(QPointF(50, 48), 21, 25);

    if (a.brincos) {
        contorno(p, QColor(250, 210, 40), 0.8);
        p.drawEllipse(QPointF(29, 60), 2.2, 2.2);
        p.drawEllipse(QPointF(71, 60), 2.2, 2.2);
    }
}

// Eyes.
void olhos(QPainter& p, const Aparencia& a) {
    p.setPen(QPen(QColor(60, 40, 30), 0.8));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(42, 48), 4.5, 3.6);
    p.drawEllipse(QPointF(58, 48), 4.5, 3.6);
    p.setPen(Qt::NoPen);
    p.setBrush(a.olhos);
    p.drawEllipse(QPointF(42.5, 48.3), 2.4, 2.4);
    p.drawEllipse(QPointF(58.5, 48.3), 2.4, 2.4);
    p.setBrush(QColor(20, 20, 20));
    p.drawEllipse(QPointF(42.5, 48.3), 1.1, 1.1);
    p.drawEllipse(QPointF(58.5, 48.3), 1.1, 1.1);
}

// Eyebrows.
void sobrancelhas(QPainter& p, const Aparencia& a) {
    const QColor sobrancelha =
        a.estiloCabelo == Cabelo::Calvo ? QColor(120, 120, 124) : escura(a.cabelo, 120);
    p.setPen(QPen(sobrancelha, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(37, 42), QPointF(46, 41));
    p.drawLine(QPointF(54, 41), QPointF(63, 42));
}

// Nose and cheeks.
void narizESardas(QPainter& p, const Aparencia& a) {
    p.setPen(QPen(escura(a.pele, 150), 1.4, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath nariz;
    nariz.moveTo(50, 50);
    nariz.cubicTo(48, 56, 46, 58, 50, 59);
    p.drawPath(nariz);
    if (a.sardas) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(200, 120, 70));
        const qreal pontos[][2] = {{38, 55}, {41, 57}, {36, 58}, {62, 55}, {59, 57}, {64, 58}};
        for (const auto& pt : pontos) {
            p.drawEllipse(QPointF(pt[0], pt[1]), 0.9, 0.9);
        }
    }
}

// Beard before the mouth, so the mouth shows on it.
void barba(QPainter& p, const Aparencia& a) {
    switch (a.barba) {
    case Barba::Cheia: {
        contorno(p, a.cabelo);
        QPainterPath cheia;
        cheia.moveTo(29, 50);
        cheia.cubicTo(30, 70, 40, 78, 50, 79);
        cheia.cubicTo(60, 78, 70, 70, 71, 50);
        cheia.cubicTo(66, 58, 60, 60, 50, 60);
        cheia.cubicTo(40, 60, 34, 58, 29, 50);
        p.drawPath(cheia);
        break;
    }
    case Barba::Cavanhaque:
        contorno(p, a.cabelo);
        p.drawEllipse(QPointF(50, 70), 5, 3.5);
        break;
    default:
        break;
    }
}

// Mouth: a smile.
void boca(QPainter& p) {
    p.setPen(QPen(QColor(150, 50, 50), 1.8, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath sorriso;
    sorriso.moveTo(43, 64);
    sorriso.cubicTo(46, 68, 54, 68, 57, 64);
    p.drawPath(sorriso);
}

// Moustache, over the mouth.
void bigode(QPainter& p, const Aparencia& a) {
    if (a.barba == Barba::Bigode || a.barba == Barba::Cheia) {
        contorno(p, a.barba == Barba::Bigode ? QColor(150, 150, 156) : a.cabelo);
        QPainterPath pelos;
        pelos.moveTo(50, 60);
        pelos.cubicTo(44, 58, 38, 60, 38, 64);
        pelos.cubicTo(42, 62, 46, 63, 50, 62.5);
        pelos.cubicTo(54, 63, 58, 62, 62, 64);
        pelos.cubicTo(62, 60, 56, 58, 50, 60);
        p.drawPath(pelos);
    }
}

// Glasses, last, over the face.
void oculos(QPainter& p, const Aparencia& a) {
    if (a.oculos) {
        p.setPen(QPen(QColor(30, 30, 40), 1.6));
        p.setBrush(QColor(255, 255, 255, 50));
        if (a.estiloCabelo == Cabelo::Coque) {
            p.drawRoundedRect(QRectF(35, 43, 14, 10), 2, 2);
            p.drawRoundedRect(QRectF(51, 43, 14, 10), 2, 2);
        } else {
            p.drawEllipse(QPointF(42, 48), 7, 6);
            p.drawEllipse(QPointF(58, 48), 7, 6);
        }
        p.drawLine(QPointF(48.5, 47), QPointF(51.5, 47));
        p.drawLine(QPointF(35, 47), QPointF(30, 46));
        p.drawLine(QPointF(65, 47), QPointF(70, 46));
    }
}

void rosto(QPainter& p, const Aparencia& a) {
    cabecaEOrelhas(p, a);
    olhos(p, a);
    sobrancelhas(p, a);
    narizESardas(p, a);
    barba(p, a);
    boca(p);
    bigode(p, a);
    oculos(p, a);
}

// Draws one portrait of largura x altura at the scale; the logical picture is
// 100 x 110 and `vista` is the part of it that fills the image.
QImage retrato(const Aparencia& a, int largura, int altura, const QRectF& vista, qreal escala) {
    QImage imagem = novaImagem(largura, altura, a.fundo, escala);
    QPainter p(&imagem);
    p.setRenderHint(QPainter::Antialiasing);
    escalona(p, escala);
    p.scale(largura / vista.width(), altura / vista.height());
    p.translate(-vista.left(), -vista.top());
    cabeloAtras(p, a);
    roupa(p, a);
    rosto(p, a);
    cabeloFrente(p, a);
    return imagem;
}

} // namespace

void cabecaDesenhada(QPainter& p, const Aparencia& a, QPointF centro, qreal escala) {
    p.save();
    p.translate(centro);
    p.scale(escala, escala);
    p.translate(-50, -48);
    cabeloAtras(p, a);
    rosto(p, a);
    cabeloFrente(p, a);
    p.restore();
}

bool geraRetratos(const QDir& imagens) {
    bool ok = true;
    for (const Aparencia& a : aparencias()) {
        const QString nome = QString::fromLatin1(a.nome);
        ok &= salvaBmpDensidades(
            [&](qreal escala) { return retrato(a, 130, 137, QRectF(0, 2, 100, 108), escala); },
            imagens.filePath("Big" + nome + ".bmp"));
        ok &= salvaBmpDensidades(
            [&](qreal escala) { return retrato(a, 42, 48, QRectF(9, 8, 82, 96), escala); },
            imagens.filePath("Sml" + nome + ".bmp"));
    }
    return ok;
}
