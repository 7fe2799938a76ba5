// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The developers' portraits (imagens/Big*.bmp and Sml*.bmp) and the heads
// drawn in the same way in other pictures.

#include <QColor>
#include <QDir>
#include <QPainter>
#include <QPointF>
#include <vector>

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

// The seven developers, in the order of their pictures.
const std::vector<Aparencia>& aparencias();

// The head of a portrait (hair, face), its centre at `centro`, scaled.
void cabecaDesenhada(QPainter& p, const Aparencia& a, QPointF centro, qreal escala);

// Writes every developer's large and small portrait into imagens.
bool geraRetratos(const QDir& imagens);
