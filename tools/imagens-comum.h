// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What every picture of the generator shares: saving, blank pictures, pictures
// from rows of characters, and the outlined fill of the drawings.

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QString>
#include <vector>

// Saves a picture, telling standard error when it cannot.
bool salvaBmp(const QImage& imagem, const QString& caminho);
bool salvaPng(const QImage& imagem, const QString& caminho);

QImage novaImagem(int largura, int altura, QColor fundo);
// A picture without alpha, filled with its ground colour.
QImage novaImagemOpaca(int largura, int altura, QColor fundo);

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
