#pragma once

#include <QString>

class QCustomPlot;
class QCPAbstractItem;
class QCPAxis;
struct TPaletaGrafico;

// What every debrief chart shares: a title row, the project day on the x
// axis, the legend in a row of its own below the chart, the palette.

// Empties grafico back to the layout of a new chart (one axis rectangle
// with its four axes and a hidden legend), keeping the widget: cheaper than
// making a new one.
void EsvaziaGrafico(QCustomPlot& grafico);

// Labels axis "Project day" and gives it whole-day ticks from 0 to dias
// (at least 1).
void EixoDias(QCPAxis& eixo, double dias);

// Moves the legend below the chart, colunas entries a row; then applies paleta.
void FinalizaGrafico(QCustomPlot& grafico, const TPaletaGrafico& paleta, int colunas = 4);

// The text hovering the item shows (read back by the hover tips).
void PoeDica(QCPAbstractItem& item, const QString& dica);
QString DicaDe(const QCPAbstractItem& item);

// A number as the charts write it: whole when it is, else with casas decimals.
QString Numero(double valor, int casas = 2);
