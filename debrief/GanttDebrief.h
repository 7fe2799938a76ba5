// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>

class QCPAxisRect;
class QCustomPlot;
struct TAnaliseJogo;
struct TPaletaGrafico;

// A game's Gantt chart, as the Schedule chart and the Par chart draw it: a
// row per activity (the first at the top, named on the left axis), a bar
// for each stretch of work coloured by its developer (on paper also
// hatched a pattern of his own), the critical path as played outlined.

// The rows on area's left axis, the activities' names in fonte points.
void EixoAtividades(QCPAxisRect& area, const TAnaliseJogo& analise, double fonte = 7.0);

// The bars on area, against its bottom (days) and left (rows) axes.
void DesenhaGantt(QCPAxisRect& area, const TAnaliseJogo& analise, const TPaletaGrafico& paleta);

// The legend's entries for every developer whose bars the games show, and
// for the critical path.
void LegendaGantt(QCustomPlot& grafico, const QList<const TAnaliseJogo*>& jogos,
                  const TPaletaGrafico& paleta);

// The row of activity i on the left axis.
double LinhaGantt(int i, int n);
