// SPDX-License-Identifier: GPL-3.0-or-later
// To redraw every picture: build orvanta-pictures, then run `orvanta-pictures SOURCE_ROOT`.
//
// Draws the developer portraits and flags loaded at run time (imagens/), the
// pictures compiled into the program (resources/) and the application icon
// installed with it (packaging/icons/). Everything is drawn
// with fixed shapes and colours, so running it again gives identical files.
// The portraits, the buttons and the dialogs' pictures have files of their own
// (imagens-retratos, imagens-botoes, imagens-dialogos); the flags and the logo
// are drawn here.

#include "tools/ExecucaoFerramenta.h"
#include "tools/icone-aplicativo.h"
#include "tools/imagens-botoes.h"
#include "tools/imagens-comum.h"
#include "tools/imagens-dialogos.h"
#include "tools/imagens-retratos.h"

#include <QColor>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QString>
#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace {

const char* const Uso = "usage: orvanta-pictures SOURCE_ROOT";

const char* const Ajuda = R"(usage: orvanta-pictures SOURCE_ROOT
       orvanta-pictures --help

Redraws the game's pictures below SOURCE_ROOT, the root of the source tree:
imagens/ (portraits and flags), resources/ (buttons, glyphs, logo, dialog
pictures) and packaging/icons/ (the application icon). The same program
always draws the same files.

For high-density screens every picture in imagens/ and resources/ is drawn
again with 1.5 and 2 times its pixels, beside it: X.bmp gets X@1.5x.bmp and
X@2x.bmp (a size that is not whole is rounded up). The game draws the one the
screen's device pixel ratio needs.

Each picture is made in memory and replaces its file whole: a picture that
cannot be written (a full disk) leaves the file that was there.

Exit status: 0 every picture written; 1 a folder or a picture could not be
written (one line each on standard error, "orvanta-pictures: cannot write
FILE: reason"), or this help could not be; 2 bad usage or no such
SOURCE_ROOT, with one line on standard error and nothing written.
)";

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

QColor corBandeira(char codigo) {
    for (const CorMapa& c : coresBandeira) {
        if (c.codigo == codigo) {
            return c.cor;
        }
    }
    return Qt::black;
}

// The flags drawn again for dense screens: the same figure in logical
// pixels, its pole, cloth and chain traced along the middle of the 1x pixels.
// Without smoothing, so that the ground stays pure black.
// Lines a whole number of device pixels wide, as near one logical pixel as
// can be: at 1.5 a pen of 1.5 pixels would come out 1 or 2 pixels by turns.
qreal tracoBandeira(qreal escala) {
    return std::max<qreal>(1, std::round(escala)) / escala;
}

QImage bandeiraDesenhada(qreal escala, char pano, char borda,
                         const std::function<void(QPainter&, qreal)>& desenhoPano) {
    const qreal traco = tracoBandeira(escala);
    QImage imagem = novaImagemOpaca(14, 14, Qt::black, escala);
    QPainter p(&imagem);
    escalona(p, escala);
    p.setPen(Qt::NoPen);
    p.setBrush(corBandeira('p'));
    p.drawRect(QRectF(1, 1, 1, 12));
    p.setBrush(corBandeira('q'));
    p.drawRect(QRectF(1, 12.5, 1, 1.5));
    p.setBrush(corBandeira('k'));
    p.drawEllipse(QPointF(1.5, 0.6), 0.7, 0.6);

    // The hem along the top, the fly end and the bottom; the pole holds the
    // cloth's fourth side.
    QPainterPath bainha;
    bainha.moveTo(2, 1.5);
    bainha.lineTo(9.5, 1.5);
    bainha.cubicTo(11.5, 1.8, 12.5, 2.8, 12.5, 3.5);
    bainha.lineTo(12.5, 6.5);
    bainha.cubicTo(12.5, 7.2, 11.5, 8.2, 9.5, 8.5);
    bainha.lineTo(2, 8.5);
    QPainterPath contornoPano = bainha;
    contornoPano.closeSubpath();
    p.setBrush(corBandeira(pano));
    p.drawPath(contornoPano);
    p.save();
    p.setClipPath(contornoPano);
    desenhoPano(p, traco);
    p.restore();
    p.setPen(QPen(corBandeira(borda), traco));
    p.setBrush(Qt::NoBrush);
    p.drawPath(bainha);
    return imagem;
}

QImage bandeiraTrabalhoDuro(qreal escala) {
    if (escala != 1) {
        return bandeiraDesenhada(escala, 'Y', 'o', [](QPainter& p, qreal) {
            p.setPen(Qt::NoPen);
            p.setBrush(corBandeira('O'));
            p.drawRect(QRectF(2, 4, 11, 2));
        });
    }
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

QImage bandeiraEscravidao(qreal escala) {
    if (escala != 1) {
        QImage imagem = bandeiraDesenhada(escala, 'R', 'r', [](QPainter& p, qreal traco) {
            p.setPen(QPen(corBandeira('W'), traco, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(5.5, 3.5), QPointF(8.5, 6.5));
            p.drawLine(QPointF(8.5, 3.5), QPointF(5.5, 6.5));
        });
        // Two links of a chain below the cloth.
        QPainter p(&imagem);
        escalona(p, escala);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(corBandeira('G'), tracoBandeira(escala)));
        p.drawRoundedRect(QRectF(3.5, 10.5, 3, 2), 0.9, 0.9);
        p.drawRoundedRect(QRectF(9.5, 10.5, 3, 2), 0.9, 0.9);
        p.drawLine(QPointF(6.5, 11.5), QPointF(9.5, 11.5));
        return imagem;
    }
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
    bool ok = salvaBmpDensidades(bandeiraTrabalhoDuro, imagens.filePath("bd_trabalhoduro.bmp"));
    ok &= salvaBmpDensidades(bandeiraEscravidao, imagens.filePath("bd_escravidao.bmp"));
    return ok;
}

// The status strip's logo: three nodes of a chart, further along one by one.
QImage logotipo(qreal escala) {
    QImage imagem = novaImagemOpaca(41, 49, Qt::black, escala);
    QPainter p(&imagem);
    p.setRenderHint(QPainter::Antialiasing);
    escalona(p, escala);
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

bool geraRecursos(const QDir& recursos) {
    bool ok = salvaBmpDensidades(glifoSobe, recursos.filePath("UP.bmp"));
    ok &= salvaBmpDensidades(glifoDesce, recursos.filePath("DOWN.bmp"));
    ok &= salvaBmpDensidades(botaoDefineEquipe, recursos.filePath("BtDefineEquipe.bmp"));
    ok &= salvaBmpDensidades(botaoAumentaTrabalho, recursos.filePath("BtAumentaTrabalho.bmp"));
    ok &= salvaBmpDensidades(
        [](qreal escala) { return gravado(botaoAumentaTrabalho(escala), escala); },
        recursos.filePath("BtAumentaTrabalhoDisable.bmp"));
    ok &= salvaBmpDensidades(botaoTempoTarefa, recursos.filePath("BtTempoTarefa.bmp"));
    ok &= salvaBmpDensidades([](qreal escala) { return gravado(botaoTempoTarefa(escala), escala); },
                             recursos.filePath("BtTempoTarefaDisable.bmp"));
    ok &= salvaBmpDensidades(botaoPassaTempo, recursos.filePath("BtPassaTempo.bmp"));
    ok &= salvaPngDensidades(logotipo, recursos.filePath("Logo.png"));
    ok &= salvaPngDensidades(apresentacao, recursos.filePath("Apresentacao.png"));
    ok &= salvaPngDensidades(projetoConcluido, recursos.filePath("ProjetoConcluido.png"));
    ok &= salvaPngDensidades(glifoOk, recursos.filePath("GlyphOk.png"));
    ok &= salvaPngDensidades(glifoFecha, recursos.filePath("GlyphFecha.png"));
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

struct TOpcoes {
    QDir raiz;
};

std::optional<TOpcoes> LeOpcoes(const QStringList& argumentos, bool& ajuda, QString& erro) {
    QCommandLineParser parser;
    if (!AnalisaArgumentos(parser, argumentos, QLatin1Char(' ') + QLatin1String(Uso), ajuda,
                           erro)) {
        return std::nullopt;
    }
    if (parser.positionalArguments().size() != 1) {
        erro = QLatin1String(Uso);
        return std::nullopt;
    }
    const QString raiz = parser.positionalArguments().constFirst();
    if (!QDir(raiz).exists()) {
        erro = QStringLiteral("no such folder: ") + raiz;
        return std::nullopt;
    }
    return TOpcoes{QDir(raiz)};
}

// Drawing needs a QGuiApplication; no display is. Qt's own remarks (a
// missing runtime folder) are not the tool's, whose standard error holds
// only its own lines.
std::unique_ptr<QCoreApplication> CriaAplicacao(int& argc, char** argv, const TOpcoes&) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    qInstallMessageHandler([](QtMsgType tipo, const QMessageLogContext&, const QString& texto) {
        if (tipo == QtFatalMsg) {
            EscreveErroFerramenta("orvanta-pictures", texto);
        }
    });
    return std::make_unique<QGuiApplication>(argc, argv);
}

int Executa(const TOpcoes& opcoes) {
    QDir raiz = opcoes.raiz;
    if (!raiz.mkpath("imagens") || !raiz.mkpath("resources") || !raiz.mkpath("packaging/icons")) {
        EscreveErroFerramenta("orvanta-pictures",
                              QStringLiteral("cannot create imagens/, resources/ or "
                                             "packaging/icons/ below ") +
                                  raiz.path());
        return 1;
    }
    const QDir imagens(raiz.filePath("imagens"));
    bool ok = geraRetratos(imagens);
    ok &= geraBandeiras(imagens);
    ok &= geraRecursos(QDir(raiz.filePath("resources")));
    ok &= geraIcones(QDir(raiz.filePath("packaging/icons")));
    return ok ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    return ExecutaFerramenta<TOpcoes>(argc, argv, "orvanta-pictures", Ajuda, LeOpcoes, Executa,
                                      CriaAplicacao);
}
