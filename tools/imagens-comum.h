// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What every picture of the generator shares: saving, blank pictures, pictures
// from rows of characters, and the outlined fill of the drawings.

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QString>
#include <functional>
#include <vector>

// Saves a picture, telling standard error when it cannot.
bool salvaBmp(const QImage& imagem, const QString& caminho);
bool salvaPng(const QImage& imagem, const QString& caminho);

// Dense screens get every picture X.ext drawn again, with 1.5 and 2 times its
// pixels, as X@1.5x.ext and X@2x.ext beside it; a size that is not whole is
// rounded up. Each drawing takes the scale and draws the same figure in the
// same logical coordinates, only finer.
inline constexpr qreal Densidades[] = {1.5, 2.0};
QString arquivoDenso(const QString& caminho, qreal escala);
using Desenho = std::function<QImage(qreal escala)>;
bool salvaBmpDensidades(const Desenho& desenho, const QString& caminho);
bool salvaPngDensidades(const Desenho& desenho, const QString& caminho);

// A blank picture of the logical size at the scale; a painter made on it
// draws in logical coordinates once escalona is applied.
QImage novaImagem(int largura, int altura, QColor fundo, qreal escala = 1);
// A picture without alpha, filled with its ground colour.
QImage novaImagemOpaca(int largura, int altura, QColor fundo, qreal escala = 1);
void escalona(QPainter& p, qreal escala);

// Builds a picture from rows of characters: each character is looked up in
// `cores`; a character missing from it leaves the ground colour.
struct CorMapa {
    char codigo;
    QColor cor;
};
QImage mapaPixels(const std::vector<const char*>& linhas, const std::vector<CorMapa>& cores,
                  QColor fundo);

QColor escura(QColor cor, int fator = 140);
// A fill in the colour with a darker rounded outline.
void contorno(QPainter& p, QColor preenchimento, qreal largura = 1.2);
