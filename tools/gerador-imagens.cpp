// To redraw every picture: build orvanta-pictures, then run `orvanta-pictures SOURCE_ROOT`.
//
// Draws the developer portraits and flags loaded at run time (imagens/), the
// pictures compiled into the program (resources/) and the application icon
// installed with it (packaging/icons/). Everything is drawn
// with fixed shapes and colours, so running it again gives identical files.

#include "icone-aplicativo.h"

#include <QColor>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QString>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <numbers>
#include <vector>

namespace {

// ---------------------------------------------------------------- saving

bool salva(const QImage& imagem, const QString& caminho, const char* formato) {
    if (!imagem.save(caminho, formato)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(caminho));
        return false;
    }
    return true;
}

bool salvaBmp(const QImage& imagem, const QString& caminho) {
    // 24-bit plain bitmap: no alpha, no palette.
    return salva(imagem.convertToFormat(QImage::Format_RGB888), caminho, "BMP");
}

bool salvaPng(const QImage& imagem, const QString& caminho) {
    return salva(imagem, caminho, "PNG");
}

QImage novaImagem(int largura, int altura, QColor fundo) {
    QImage imagem(largura, altura, QImage::Format_ARGB32);
    imagem.fill(fundo);
    return imagem;
}

// A picture without alpha, filled with its ground colour.
QImage novaImagemOpaca(int largura, int altura, QColor fundo) {
    return novaImagem(largura, altura, fundo).convertToFormat(QImage::Format_RGB32);
}

// Builds a picture from rows of characters: each character is looked up in
// `cores`; a character missing from it leaves the ground colour.
struct CorMapa {
    char codigo;
    QColor cor;
};

QImage mapaPixels(const std::vector<const char*>& linhas, const std::vector<CorMapa>& cores,
                  QColor fundo) {
    const int altura = int(linhas.size());
    const int largura = altura ? int(std::strlen(linhas.front())) : 0;
    QImage imagem = novaImagem(largura, altura, fundo);
    for (int y = 0; y < altura; ++y) {
        for (int x = 0; x < largura && linhas[y][x] != '\0'; ++x) {
            for (const CorMapa& c : cores) {
                if (c.codigo == linhas[y][x])
                    imagem.setPixelColor(x, y, c.cor);
            }
        }
    }
    return imagem;
}

// ---------------------------------------------------------------- portraits

enum class Cabelo { Curto, Espetado, Longo, Coque, Calvo, Crespo, Repartido };
enum class Barba { Nenhuma, Bigode, Cheia, Cavanhaque };
enum class Gola { Camisa, Gravata, Capuz, Decote, Xadrez };

struct Aparencia {
    const char* nome;
    QColor fundo;
    QColor pele;
    QColor cabelo;
    Cabelo estiloCabelo;
    QColor roupa;
    Gola gola;
    Barba barba;
    bool oculos;
    bool brincos;
    bool sardas;
    QColor olhos;
};

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

QColor escura(QColor cor, int fator = 140) {
    return cor.darker(fator);
}

void contorno(QPainter& p, QColor preenchimento, qreal largura = 1.2) {
    p.setPen(QPen(escura(preenchimento, 200), largura, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(preenchimento);
}

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
        for (const auto& pt : pontas)
            cabelo.lineTo(pt[0], pt[1]);
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
        for (int i = 0; i < 7; ++i)
            p.drawEllipse(QPointF(33 + i * 5.6, 32 - (i % 2) * 2.5), 6, 6);
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
        for (int x = 16; x < 92; x += 10)
            p.drawLine(QPointF(x, 80), QPointF(x, 112));
        for (int y = 90; y < 112; y += 9)
            p.drawLine(QPointF(0, y), QPointF(100, y));
        p.restore();
        contorno(p, a.pele);
        p.drawPolygon(QPolygonF({{42, 79}, {58, 79}, {50, 90}}));
        break;
    }
    }
}

void rosto(QPainter& p, const Aparencia& a) {
    // Ears and head.
    contorno(p, a.pele);
    p.drawEllipse(QPointF(29, 51), 4.5, 6.5);
    p.drawEllipse(QPointF(71, 51), 4.5, 6.5);
    p.drawEllipse(QPointF(50, 48), 21, 25);

    if (a.brincos) {
        contorno(p, QColor(250, 210, 40), 0.8);
        p.drawEllipse(QPointF(29, 60), 2.2, 2.2);
        p.drawEllipse(QPointF(71, 60), 2.2, 2.2);
    }

    // Eyes.
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

    // Eyebrows.
    const QColor sobrancelha =
        a.estiloCabelo == Cabelo::Calvo ? QColor(120, 120, 124) : escura(a.cabelo, 120);
    p.setPen(QPen(sobrancelha, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(37, 42), QPointF(46, 41));
    p.drawLine(QPointF(54, 41), QPointF(63, 42));

    // Nose and cheeks.
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
        for (const auto& pt : pontos)
            p.drawEllipse(QPointF(pt[0], pt[1]), 0.9, 0.9);
    }

    // Beard before the mouth, so the mouth shows on it.
    switch (a.barba) {
    case Barba::Cheia: {
        contorno(p, a.cabelo);
        QPainterPath barba;
        barba.moveTo(29, 50);
        barba.cubicTo(30, 70, 40, 78, 50, 79);
        barba.cubicTo(60, 78, 70, 70, 71, 50);
        barba.cubicTo(66, 58, 60, 60, 50, 60);
        barba.cubicTo(40, 60, 34, 58, 29, 50);
        p.drawPath(barba);
        break;
    }
    case Barba::Cavanhaque:
        contorno(p, a.cabelo);
        p.drawEllipse(QPointF(50, 70), 5, 3.5);
        break;
    default:
        break;
    }

    // Mouth: a smile.
    p.setPen(QPen(QColor(150, 50, 50), 1.8, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath boca;
    boca.moveTo(43, 64);
    boca.cubicTo(46, 68, 54, 68, 57, 64);
    p.drawPath(boca);

    if (a.barba == Barba::Bigode || a.barba == Barba::Cheia) {
        contorno(p, a.barba == Barba::Bigode ? QColor(150, 150, 156) : a.cabelo);
        QPainterPath bigode;
        bigode.moveTo(50, 60);
        bigode.cubicTo(44, 58, 38, 60, 38, 64);
        bigode.cubicTo(42, 62, 46, 63, 50, 62.5);
        bigode.cubicTo(54, 63, 58, 62, 62, 64);
        bigode.cubicTo(62, 60, 56, 58, 50, 60);
        p.drawPath(bigode);
    }

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

// Draws one portrait; the logical picture is 100 x 110 and `vista` is the part
// of it that fills the image.
QImage retrato(const Aparencia& a, int largura, int altura, const QRectF& vista) {
    QImage imagem = novaImagem(largura, altura, a.fundo);
    QPainter p(&imagem);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(largura / vista.width(), altura / vista.height());
    p.translate(-vista.left(), -vista.top());
    cabeloAtras(p, a);
    roupa(p, a);
    rosto(p, a);
    cabeloFrente(p, a);
    return imagem;
}

bool geraRetratos(const QDir& imagens) {
    bool ok = true;
    for (const Aparencia& a : aparencias()) {
        const QString nome = QString::fromLatin1(a.nome);
        ok &= salvaBmp(retrato(a, 130, 137, QRectF(0, 2, 100, 108)),
                       imagens.filePath("Big" + nome + ".bmp"));
        ok &= salvaBmp(retrato(a, 42, 48, QRectF(9, 8, 82, 96)),
                       imagens.filePath("Sml" + nome + ".bmp"));
    }
    return ok;
}

// ---------------------------------------------------------------- flags

// Both flags are 14 x 14 on a pure black ground, which the team panel shows as
// transparent; nothing inside a figure is pure black.
const std::vector<CorMapa> coresBandeira = {
    {'k', QColor(255, 215, 0)},   // pole knob
    {'p', QColor(210, 210, 214)}, // pole
    {'q', QColor(120, 120, 128)}, // pole foot
    {'Y', QColor(255, 230, 40)},  {'O', QColor(255, 140, 0)},   {'o', QColor(190, 96, 0)},
    {'R', QColor(230, 24, 24)},   {'r', QColor(130, 10, 10)},   {'W', QColor(255, 255, 255)},
    {'G', QColor(176, 176, 188)}, {'g', QColor(100, 100, 112)},
};

QImage bandeiraTrabalhoDuro() {
    return mapaPixels(
        {
            ".k............",
            ".poooooooo....",
            ".pYYYYYYYYoo..",
            ".pYYYYYYYYYYo.",
            ".pOOOOOOOOOOo.",
            ".pOOOOOOOOOOo.",
            ".pYYYYYYYYYYo.",
            ".pYYYYYYYYoo..",
            ".poooooooo....",
            ".p............",
            ".p............",
            ".p............",
            ".p............",
            ".q............",
        },
        coresBandeira, Qt::black);
}

QImage bandeiraEscravidao() {
    return mapaPixels(
        {
            ".k............",
            ".prrrrrrrr....",
            ".pRRRRRRRRrr..",
            ".pRRRWRRWRRRr.",
            ".pRRRRWWRRRRr.",
            ".pRRRRWWRRRRr.",
            ".pRRRWRRWRRRr.",
            ".pRRRRRRRRrr..",
            ".prrrrrrrr....",
            ".p............",
            ".p.GGGG..GGGG.",
            ".p.G..gGGg..G.",
            ".p.GGGG..GGGG.",
            ".q............",
        },
        coresBandeira, Qt::black);
}

bool geraBandeiras(const QDir& imagens) {
    bool ok = salvaBmp(bandeiraTrabalhoDuro(), imagens.filePath("bd_trabalhoduro.bmp"));
    ok &= salvaBmp(bandeiraEscravidao(), imagens.filePath("bd_escravidao.bmp"));
    return ok;
}

// ---------------------------------------------------------------- scroll glyphs

// 7 x 4, black on white; the scroll buttons make white transparent.
QImage glifoSobe() {
    return mapaPixels(
        {
            "...X...",
            "..XXX..",
            ".XXXXX.",
            "XXXXXXX",
        },
        {{'X', Qt::black}}, Qt::white);
}

QImage glifoDesce() {
    return glifoSobe().mirrored(false, true);
}

// ---------------------------------------------------------------- command buttons

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

QImage imagemBotao(int largura, int altura) {
    return novaImagemOpaca(largura, altura, verdeChao);
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

QImage botaoDefineEquipe() {
    QImage imagem = imagemBotao(30, 30);
    QPainter p(&imagem);
    silhueta(p, 19, 4, branco);
    silhueta(p, 11, 10, branco);
    return imagem;
}

QImage botaoAumentaTrabalho() {
    QImage imagem = imagemBotao(30, 30);
    QPainter p(&imagem);
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

void engrenagem(QPainter& p, QPointF centro, qreal externo, qreal interno, int dentes, qreal fase) {
    QPolygonF contornoDentes;
    const qreal passo = 2 * std::numbers::pi / dentes;
    for (int i = 0; i < dentes; ++i) {
        const qreal a = fase + i * passo;
        const qreal angulos[] = {a - passo * 0.22, a + passo * 0.22, a + passo * 0.32,
                                 a + passo * 0.68, a + passo * 0.78};
        const qreal raios[] = {externo, externo, interno, interno, externo};
        for (int k = 0; k < 4; ++k)
            contornoDentes << centro + QPointF(raios[k] * std::cos(angulos[k]),
                                               raios[k] * std::sin(angulos[k]));
    }
    p.setPen(preto);
    p.setBrush(ciano);
    p.drawPolygon(contornoDentes);
    p.setBrush(ciano2);
    const qreal cubo = interno * 0.4;
    p.drawEllipse(centro, cubo, cubo);
}

QImage botaoTempoTarefa() {
    QImage imagem = imagemBotao(30, 30);
    QPainter p(&imagem);
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

QImage botaoPassaTempo() {
    QImage imagem = imagemBotao(35, 17);
    QPainter p(&imagem);
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
// white edge one pixel down and right.
QImage gravado(const QImage& base) {
    QImage imagem = imagemBotao(base.width(), base.height());
    const auto figura = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < base.width() && y < base.height() &&
               base.pixelColor(x, y) != verdeChao;
    };
    for (int y = 0; y < base.height(); ++y) {
        for (int x = 0; x < base.width(); ++x) {
            if (figura(x, y))
                imagem.setPixelColor(x, y, qGray(base.pixel(x, y)) >= 150 ? prata : cinza);
            else if (figura(x - 1, y - 1))
                imagem.setPixelColor(x, y, branco);
        }
    }
    return imagem;
}

// ---------------------------------------------------------------- status strip logo

QImage logotipo() {
    QImage imagem = novaImagemOpaca(41, 49, Qt::black);
    QPainter p(&imagem);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF nos[] = {{11, 10}, {30, 24}, {12, 39}};
    const QColor lima(120, 255, 40);
    p.setPen(QPen(lima, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(nos[0], nos[1]);
    p.drawLine(nos[0], nos[2]);
    p.drawLine(nos[2], nos[1]);
    for (int i = 0; i < 3; ++i) {
        p.setPen(QPen(lima, 2));
        p.setBrush(QColor(40, 40, 40));
        p.drawEllipse(nos[i], 7.5, 7.5);
        // Each node is further along: a growing yellow sector.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 230, 0));
        p.drawPie(QRectF(nos[i] - QPointF(5.5, 5.5), QSizeF(11, 11)), 90 * 16, -(i + 1) * 120 * 16);
    }
    return imagem;
}

// ---------------------------------------------------------------- dialog pictures

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

QImage apresentacao() {
    QImage imagem = novaImagemOpaca(85, 127, Qt::black);
    QPainter p(&imagem);
    p.setRenderHint(QPainter::Antialiasing);

    // The chart on the wall.
    p.setPen(QPen(QColor(170, 170, 180), 2));
    p.setBrush(QColor(18, 34, 70));
    p.drawRoundedRect(QRectF(4, 4, 77, 56), 3, 3);
    const QPointF nos[] = {{15, 18}, {33, 12}, {33, 34}, {52, 22}, {70, 32}, {54, 48}};
    const int ligacoes[][2] = {{0, 1}, {0, 2}, {1, 3}, {2, 3}, {3, 4}, {2, 5}, {5, 4}};
    p.setPen(QPen(QColor(0, 255, 0), 1.4));
    for (const auto& l : ligacoes)
        p.drawLine(nos[l[0]], nos[l[1]]);
    for (int i = 0; i < 6; ++i) {
        p.setPen(QPen(QColor(200, 255, 200), 1));
        p.setBrush(i < 3 ? QColor(0, 190, 0) : QColor(240, 240, 240));
        p.drawEllipse(nos[i], 4.5, 4.5);
    }

    // The manager: suit, shirt and tie, pointing at the chart.
    const QColor terno(50, 56, 86);
    p.setPen(QPen(terno.darker(160), 1.2));
    p.setBrush(terno);
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
    p.setPen(QPen(QColor(200, 200, 200), 1));
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygonF({{29, 85}, {45, 85}, {37, 104}}));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 20, 30));
    p.drawPolygon(QPolygonF({{35.5, 88}, {38.5, 88}, {39.5, 100}, {37, 104}, {34.5, 100}}));
    p.setPen(QPen(terno.darker(180), 1));
    p.drawLine(QPointF(37, 106), QPointF(37, 127));

    const Aparencia gerente = {"",
                               Qt::black,
                               QColor(240, 196, 160),
                               QColor(60, 40, 28),
                               Cabelo::Repartido,
                               terno,
                               Gola::Gravata,
                               Barba::Nenhuma,
                               false,
                               false,
                               false,
                               QColor(60, 80, 120)};
    contorno(p, gerente.pele);
    p.drawRect(QRectF(33, 78, 8, 8));
    cabecaDesenhada(p, gerente, QPointF(37, 68), 0.48);
    return imagem;
}

QPainterPath estrela(QPointF centro, qreal raio) {
    QPainterPath caminho;
    for (int i = 0; i < 10; ++i) {
        const qreal r = i % 2 ? raio * 0.42 : raio;
        const qreal a = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
        const QPointF ponto = centro + QPointF(r * std::cos(a), r * std::sin(a));
        if (i == 0)
            caminho.moveTo(ponto);
        else
            caminho.lineTo(ponto);
    }
    caminho.closeSubpath();
    return caminho;
}

QImage projetoConcluido() {
    QImage imagem = novaImagemOpaca(110, 135, Qt::black);
    QPainter p(&imagem);
    p.setRenderHint(QPainter::Antialiasing);

    // Confetti.
    const struct {
        qreal x, y, angulo;
        QColor cor;
    } confetes[] = {
        {12, 14, 20, QColor(255, 60, 60)},  {26, 36, -30, QColor(60, 200, 255)},
        {90, 12, 45, QColor(0, 255, 0)},    {98, 40, -15, QColor(255, 120, 220)},
        {8, 62, 60, QColor(255, 255, 0)},   {102, 70, 30, QColor(255, 60, 60)},
        {18, 96, -40, QColor(0, 255, 0)},   {94, 100, 10, QColor(60, 200, 255)},
        {40, 6, 70, QColor(255, 120, 220)}, {70, 4, -60, QColor(255, 255, 0)},
    };
    p.setPen(Qt::NoPen);
    for (const auto& c : confetes) {
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

    QLinearGradient ouro(24, 0, 86, 0);
    ouro.setColorAt(0, QColor(150, 100, 10));
    ouro.setColorAt(0.35, QColor(255, 230, 110));
    ouro.setColorAt(0.6, QColor(240, 190, 40));
    ouro.setColorAt(1, QColor(140, 90, 10));
    const QPen borda(QColor(110, 70, 0), 1.2);

    // Handles behind the cup.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(110, 70, 0), 6.5, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(15, 26, 22, 26), 90 * 16, 180 * 16);
    p.drawArc(QRectF(73, 26, 22, 26), 90 * 16, -180 * 16);
    p.setPen(QPen(QBrush(ouro), 4, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(15, 26, 22, 26), 90 * 16, 180 * 16);
    p.drawArc(QRectF(73, 26, 22, 26), 90 * 16, -180 * 16);

    // Cup, stem, base.
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

    // Plinth with a plaque.
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
    return imagem;
}

// ---------------------------------------------------------------- dialog button glyphs

QImage glifo(const QPainterPath& traco, QColor cor) {
    QImage imagem = novaImagem(16, 16, Qt::transparent);
    QPainter p(&imagem);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(cor.darker(220), 4.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(traco);
    p.setPen(QPen(cor, 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(traco);
    return imagem;
}

QImage glifoOk() {
    QPainterPath visto;
    visto.moveTo(3, 8.5);
    visto.lineTo(6.5, 12);
    visto.lineTo(13, 3.5);
    return glifo(visto, QColor(40, 210, 40));
}

QImage glifoFecha() {
    QPainterPath xis;
    xis.moveTo(4, 4);
    xis.lineTo(12, 12);
    xis.moveTo(12, 4);
    xis.lineTo(4, 12);
    return glifo(xis, QColor(240, 40, 40));
}

bool geraRecursos(const QDir& recursos) {
    bool ok = salvaBmp(glifoSobe(), recursos.filePath("UP.bmp"));
    ok &= salvaBmp(glifoDesce(), recursos.filePath("DOWN.bmp"));
    ok &= salvaBmp(botaoDefineEquipe(), recursos.filePath("BtDefineEquipe.bmp"));
    const QImage trabalho = botaoAumentaTrabalho();
    ok &= salvaBmp(trabalho, recursos.filePath("BtAumentaTrabalho.bmp"));
    ok &= salvaBmp(gravado(trabalho), recursos.filePath("BtAumentaTrabalhoDisable.bmp"));
    const QImage tempo = botaoTempoTarefa();
    ok &= salvaBmp(tempo, recursos.filePath("BtTempoTarefa.bmp"));
    ok &= salvaBmp(gravado(tempo), recursos.filePath("BtTempoTarefaDisable.bmp"));
    ok &= salvaBmp(botaoPassaTempo(), recursos.filePath("BtPassaTempo.bmp"));
    ok &= salvaPng(logotipo(), recursos.filePath("Logo.png"));
    ok &= salvaPng(apresentacao(), recursos.filePath("Apresentacao.png"));
    ok &= salvaPng(projetoConcluido(), recursos.filePath("ProjetoConcluido.png"));
    ok &= salvaPng(glifoOk(), recursos.filePath("GlyphOk.png"));
    ok &= salvaPng(glifoFecha(), recursos.filePath("GlyphFecha.png"));
    return ok;
}

// The sizes the desktop's icon theme is given.
constexpr int TamanhosIcone[] = {16, 24, 32, 48, 64, 128, 256};

bool geraIcones(const QDir& icones) {
    bool ok = true;
    for (const int lado : TamanhosIcone) {
        ok &= salvaPng(IconeAplicativo(lado),
                       icones.filePath(QStringLiteral("orvanta-%1.png").arg(lado)));
    }
    return ok;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: orvanta-pictures SOURCE_ROOT\n");
        return 2;
    }
    QDir raiz(QString::fromLocal8Bit(argv[1]));
    if (!raiz.exists()) {
        std::fprintf(stderr, "no such folder: %s\n", argv[1]);
        return 2;
    }
    if (!raiz.mkpath("imagens") || !raiz.mkpath("resources") || !raiz.mkpath("packaging/icons")) {
        std::fprintf(stderr, "cannot create imagens/, resources/ or packaging/icons/ below %s\n",
                     argv[1]);
        return 1;
    }
    const QDir imagens(raiz.filePath("imagens"));
    bool ok = geraRetratos(imagens);
    ok &= geraBandeiras(imagens);
    ok &= geraRecursos(QDir(raiz.filePath("resources")));
    ok &= geraIcones(QDir(raiz.filePath("packaging/icons")));
    return ok ? 0 : 1;
}
