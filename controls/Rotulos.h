// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/Cores.h"
#include "controls/Fontes.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QLabel>
#include <QRect>
#include <QString>

class QFrame;

// Sets the widget's background (painted, not inherited) and text colour.
void DefineCores(QWidget* w, const QColor& fundo, const QColor& texto);
// Gives the widget the application's own colours in every role, so that a
// standard control (a spin field, a scroll bar) placed on one of the game's
// dark panels keeps its usual look instead of the panel's white-on-black.
void DefineCoresAplicacao(QWidget* w);

// A label whose text is wider than largura gets its font narrowed (stretched
// below 100 %) until the text fits, down to half its width.
void AjustaFonte(QLabel* rotulo, int largura);
// Sets the text of a fixed-size label, narrowing the font when the text would
// not fit its box.
void MostraTexto(QLabel* rotulo, const QString& texto);

// How a caption too wide for its box is fitted.
enum class TCrescimentoLegenda {
    // The face is narrowed (AjustaFonte) inside the fixed box.
    Estreita,
    // The face is set condensed; a caption still too wide widens its box to
    // the left, never past limiteEsquerdo.
    ParaEsquerda,
};

// A caption label: lime on black, right-aligned against what it names, in a
// box at (x, y, w, h) fitted to its text as crescimento says.
QLabel* CriaRotuloLegenda(QWidget* parent, const QString& nome, const QString& texto, int x, int y,
                          int w, int h,
                          TCrescimentoLegenda crescimento = TCrescimentoLegenda::Estreita,
                          int limiteEsquerdo = 0);

// A value label of the information sheets: white on RGB(63,63,63), left-aligned
// and vertically centred, fixed box.
QLabel* CriaRotuloValor(QWidget* parent, const QString& nome, int x, int y, int w, int h);

// A label in a colour at a pixel height, on whatever is behind it, in the
// fixed box caixa.
QLabel* CriaRotuloTexto(QWidget* parent, const QString& nome, const QString& texto,
                        const QRect& caixa, const QColor& cor, int altura, bool negrito = false);
// The same label sized to its text, at (x, y).
QLabel* CriaRotuloTexto(QWidget* parent, const QString& nome, const QString& texto, int x, int y,
                        const QColor& cor, int altura, bool negrito = false);

// A panel of a flat colour with a raised one-pixel bevel, at the box caixa;
// texto is the colour its children inherit for text.
QFrame* CriaPainelBevel(QWidget* parent, const QString& nome, const QColor& cor, const QRect& caixa,
                        const QColor& texto = Qt::white);
// A plain panel of a flat colour at a fixed box; with bevel a 1-px raised frame.
QWidget* CriaPainel(QWidget* parent, const QString& nome, const QColor& cor, int x, int y, int w,
                    int h, bool bevel = false);

// Moves the window to the centre of its screen's available area.
void CentraNaTela(QWidget* janela);

// A picture that sizes itself to its image; a null image leaves the box as it is.
void MostraImagem(QLabel* imagem, const QImage& figura);
// Shows figura, read from arquivo, in its variant for the label's screen
// (FiguraDensa.h), at figura's size.
void MostraImagem(QLabel* imagem, const QImage& figura, const QString& arquivo);

// A number with exactly casas decimals, taken to the nearest value, with the
// regional decimal separator and no thousands grouping ("0", "0.00").
QString FormataNumero(double valor, int casas);
