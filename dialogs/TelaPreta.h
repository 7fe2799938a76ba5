// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dialogs/DialogoCentrado.h"

class QLabel;
class TBotaoRapido;

// The frameless black screen of the welcome and of the conclusion: a picture,
// texts and a Close button on one black panel that fills the window. Close and
// Esc answer Cancel; Enter closes it too only where the screen says so, and no
// other key does anything.
class TDlgTelaPreta : public TDialogoCentrado {
    Q_OBJECT
public:
    QLabel* Imagem() const { return FImage1; }

protected:
    TDlgTelaPreta(QWidget* parent, const QString& nome, int largura, int altura, bool enterFecha);

    // The black panel the texts are placed on.
    QWidget* Painel() const { return FPainel; }
    // The picture at the box's top-left corner, sized to the image.
    void CriaImagem(const QRect& caixa, const QString& recurso);
    // The Close button at (x, y).
    TBotaoRapido* CriaBotaoFecha(const QString& nome, int x, int y);
    // Narrows the font of a label sized to its text, when needed, so that the
    // text ends a margin (8 pixels) short of the screen's right edge.
    void EncaixaNaLargura(QLabel* rotulo) const;

    static constexpr int MargemDireita = 8;

    void keyPressEvent(QKeyEvent* evento) override;

private:
    bool FEnterFecha;
    QWidget* FPainel;
    QLabel* FImage1 = nullptr;
};
