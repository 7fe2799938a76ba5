// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/BotaoRapido.h"

#include "controls/FiguraDensa.h"
#include "controls/Rotulos.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPalette>
#include <QPen>
#include <QPixmap>
#include <QStyleOptionToolButton>
#include <QStylePainter>

const QString TBotaoRapido::GlyphOk = QStringLiteral(":/GlyphOk.png");
const QString TBotaoRapido::GlyphFecha = QStringLiteral(":/GlyphFecha.png");

TBotaoRapido::TBotaoRapido(const QString& caption, const QString& glyph, QWidget* parent)
    : QToolButton(parent) {
    setAutoRaise(true);
    setFocusPolicy(Qt::TabFocus);
    setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    setIconSize(QSize(LadoGlifo, LadoGlifo));
    setFont(FonteJogo(11));

    QPalette paleta = palette();
    for (auto grupo : {QPalette::Active, QPalette::Inactive}) {
        paleta.setColor(grupo, QPalette::ButtonText, Qt::white);
        paleta.setColor(grupo, QPalette::WindowText, Qt::white);
    }
    paleta.setColor(QPalette::Disabled, QPalette::ButtonText, CorCinza);
    setPalette(paleta);

    QPixmap imagem;
    if (!glyph.isEmpty() && imagem.load(glyph) && !imagem.isNull()) {
        QIcon icone(imagem);
        AdicionaVariantes(icone, imagem.toImage(), glyph);
        setIcon(icone);
    }
    // Sets the Alt+letter shortcut from the '&' of the caption.
    setText(caption);
}

int TBotaoRapido::LarguraLegenda() const {
    return fontMetrics().size(Qt::TextShowMnemonic, text()).width();
}

// The glyph and the caption form one group, centred across the button.
int TBotaoRapido::EsquerdaConteudo() const {
    const int glifo = icon().isNull() ? 0 : LadoGlifo + Espaco;
    return (width() - glifo - LarguraLegenda()) / 2;
}

QRect TBotaoRapido::CaixaGlifo() const {
    if (icon().isNull()) {
        return QRect();
    }
    return QRect(EsquerdaConteudo(), (height() - LadoGlifo) / 2, LadoGlifo, LadoGlifo);
}

QRect TBotaoRapido::CaixaLegenda() const {
    const int esquerda = EsquerdaConteudo() + (icon().isNull() ? 0 : LadoGlifo + Espaco);
    return QRect(esquerda, 0, LarguraLegenda(), height());
}

void TBotaoRapido::paintEvent(QPaintEvent*) {
    QStylePainter canvas(this);
    QStyleOptionToolButton opcao;
    initStyleOption(&opcao);
    DesenhaMoldura(canvas, opcao);
    // A pressed button shows its content shifted as the style shifts it.
    QPoint desvio;
    if (opcao.state & (QStyle::State_Sunken | QStyle::State_On)) {
        desvio = QPoint(style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &opcao, this),
                        style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &opcao, this));
    }
    DesenhaGlifo(canvas, CaixaGlifo().translated(desvio));
    DesenhaLegenda(canvas, CaixaLegenda().translated(desvio), opcao);
    if (hasFocus()) {
        DesenhaFoco(canvas);
    }
}

// A dotted frame in the caption's colour, one pixel inside the button's edge.
void TBotaoRapido::DesenhaFoco(QPainter& canvas) const {
    QPen caneta(palette().color(QPalette::ButtonText), 1, Qt::DotLine);
    canvas.setPen(caneta);
    canvas.setBrush(Qt::NoBrush);
    canvas.drawRect(rect().adjusted(1, 1, -2, -2));
}

void TBotaoRapido::keyPressEvent(QKeyEvent* evento) {
    const int tecla = evento->key();
    const bool semModificador = (evento->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (FEnterClica && semModificador && (tecla == Qt::Key_Return || tecla == Qt::Key_Enter)) {
        click();
        return;
    }
    QToolButton::keyPressEvent(evento);
}

// The style's flat button face and frame (shown under the pointer or while
// pressed), without the content, which the style would put at the left.
void TBotaoRapido::DesenhaMoldura(QStylePainter& canvas, QStyleOptionToolButton opcao) const {
    opcao.text.clear();
    opcao.icon = QIcon();
    canvas.drawComplexControl(QStyle::CC_ToolButton, opcao);
}

void TBotaoRapido::DesenhaGlifo(QPainter& canvas, const QRect& caixa) const {
    if (caixa.isEmpty()) {
        return;
    }
    icon().paint(&canvas, caixa, Qt::AlignCenter, isEnabled() ? QIcon::Normal : QIcon::Disabled);
}

void TBotaoRapido::DesenhaLegenda(QPainter& canvas, const QRect& caixa,
                                  const QStyleOptionToolButton& opcao) const {
    int alinhamento = Qt::AlignCenter | Qt::TextShowMnemonic;
    if (!style()->styleHint(QStyle::SH_UnderlineShortcut, &opcao, this)) {
        alinhamento |= Qt::TextHideMnemonic;
    }
    style()->drawItemText(&canvas, caixa, alinhamento, palette(), isEnabled(), text(),
                          QPalette::ButtonText);
}

TBotaoRapido* CriaBotaoRapido(QWidget* parent, const QString& nome, const QString& caption,
                              const QString& glyph, int x, int y) {
    auto* botao = new TBotaoRapido(caption, glyph, parent);
    botao->setObjectName(nome);
    botao->setGeometry(x, y, 89, 25);
    return botao;
}
