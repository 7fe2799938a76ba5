#pragma once

#include <QRect>
#include <QString>
#include <QToolButton>

class QPainter;
class QStyleOptionToolButton;
class QStylePainter;

// The program's flat speed button: a 16 x 16 glyph beside a white caption in
// the small dialog font, drawn flat on the dark panels of the dialogs, the
// glyph and the caption centred together in the button, 4 pixels apart. The
// caption may carry an '&' accelerator ("&Close" answers Alt+C). A glyph that
// cannot be loaded leaves the button without an icon, and the caption alone
// is centred. Geometry is the caller's. Tab reaches the button (a click
// leaves the focus where it was); focused, it shows a dotted frame and Space
// presses it, and Enter too where the dialog says so.
class TBotaoRapido : public QToolButton {
    Q_OBJECT
public:
    TBotaoRapido(const QString& caption, const QString& glyph, QWidget* parent = nullptr);

    // Whether Enter presses the focused button (off by default: where Enter
    // does nothing in a dialog, it does nothing on its buttons either).
    void SetEnterClica(bool clica) { FEnterClica = clica; }
    bool EnterClica() const { return FEnterClica; }

    // Where the glyph (empty without one) and the caption are drawn, with the
    // button up.
    QRect CaixaGlifo() const;
    QRect CaixaLegenda() const;

    // Resource paths of the glyphs shared by the dialogs' buttons.
    static const QString GlyphOk;
    static const QString GlyphFecha;

    static constexpr int LadoGlifo = 16;
    static constexpr int Espaco = 4;

protected:
    void paintEvent(QPaintEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;

private:
    int LarguraLegenda() const;
    int EsquerdaConteudo() const;
    void DesenhaMoldura(QStylePainter& canvas, QStyleOptionToolButton opcao) const;
    void DesenhaGlifo(QPainter& canvas, const QRect& caixa) const;
    void DesenhaLegenda(QPainter& canvas, const QRect& caixa,
                        const QStyleOptionToolButton& opcao) const;
    void DesenhaFoco(QPainter& canvas) const;

    bool FEnterClica = false;
};

// A button of the dialogs' common size, 89 x 25, at (x, y) of its panel.
TBotaoRapido* CriaBotaoRapido(QWidget* parent, const QString& nome, const QString& caption,
                              const QString& glyph, int x, int y);
