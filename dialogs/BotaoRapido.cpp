#include "BotaoRapido.h"

#include "Rotulos.h"

#include <QPalette>
#include <QPixmap>

const QString TBotaoRapido::GlyphOk = QStringLiteral(":/GlyphOk.png");
const QString TBotaoRapido::GlyphFecha = QStringLiteral(":/GlyphFecha.png");

TBotaoRapido::TBotaoRapido(const QString& caption, const QString& glyph, QWidget* parent)
    : QToolButton(parent) {
    setAutoRaise(true);
    setFocusPolicy(Qt::NoFocus);
    setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    setIconSize(QSize(16, 16));
    setFont(FonteDialogo(11));

    QPalette paleta = palette();
    for (auto grupo : {QPalette::Active, QPalette::Inactive}) {
        paleta.setColor(grupo, QPalette::ButtonText, Qt::white);
        paleta.setColor(grupo, QPalette::WindowText, Qt::white);
    }
    paleta.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(128, 128, 128));
    setPalette(paleta);

    QPixmap imagem;
    if (!glyph.isEmpty() && imagem.load(glyph) && !imagem.isNull())
        setIcon(QIcon(imagem));
    // Sets the Alt+letter shortcut from the '&' of the caption.
    setText(caption);
}

TBotaoRapido* CriaBotaoRapido(QWidget* parent, const QString& nome, const QString& caption,
                              const QString& glyph, int x, int y) {
    auto* botao = new TBotaoRapido(caption, glyph, parent);
    botao->setObjectName(nome);
    botao->setGeometry(x, y, 89, 25);
    return botao;
}
