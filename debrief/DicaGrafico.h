// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointF>
#include <QString>

class QCustomPlot;

// The text hovering pos over grafico shows: an item's own tip (a schedule
// bar, a level line), else the exact values of the nearest data point of a
// series ("name", then "Day d: value"); empty over nothing.
QString DicaGraficoEm(const QCustomPlot& grafico, const QPointF& pos);

// Shows DicaGraficoEm as a tool tip while the mouse moves over grafico.
void InstalaDicas(QCustomPlot& grafico);
