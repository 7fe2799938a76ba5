#pragma once

#include <QString>
#include <QToolButton>

// The program's flat speed button: a 16 x 16 glyph beside a white caption in
// the small dialog font, drawn flat on the dark panels of the dialogs. The
// caption may carry an '&' accelerator ("&Close" answers Alt+C). A glyph that
// cannot be loaded leaves the button without an icon. Geometry is the caller's.
class TBotaoRapido : public QToolButton {
    Q_OBJECT
public:
    TBotaoRapido(const QString& caption, const QString& glyph, QWidget* parent = nullptr);

    // Resource paths of the glyphs shared by the dialogs' buttons.
    static const QString GlyphOk;
    static const QString GlyphFecha;
};

// A button of the dialogs' common size, 89 x 25, at (x, y) of its panel.
TBotaoRapido* CriaBotaoRapido(QWidget* parent, const QString& nome, const QString& caption,
                              const QString& glyph, int x, int y);
