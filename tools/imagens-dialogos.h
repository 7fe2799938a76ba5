// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The dialogs' pictures (resources/): the welcome's manager at the chart and
// the concluded project's cup.

#include <QImage>

// Drawn at the scale (1, or a density of imagens-comum.h).
QImage apresentacao(qreal escala = 1);
QImage projetoConcluido(qreal escala = 1);
