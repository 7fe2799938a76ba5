#pragma once

#include <QColor>
#include <QList>
#include <QPen>
#include <QSharedPointer>
#include <QString>

class QCustomPlot;
class QCPAbstractItem;
class QCPAxis;
class QCPAxisTicker;
class QCPBars;
class QCPGraph;
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

// Tick marks at whole numbers only (days, people).
QSharedPointer<QCPAxisTicker> MarcasInteiras();

// A line of valores over the days, named nome in the legend, on the chart's
// left axis or on eixoValores.
QCPGraph* LinhaDias(QCustomPlot& grafico, const QList<double>& dias, const QList<double>& valores,
                    const QString& nome, const QPen& caneta, QCPAxis* eixoValores = nullptr);

// A bar of valores for each day on the axes x and y, most of a day wide,
// filled with cor and named nome in the legend.
QCPBars* BarrasDias(QCPAxis& x, QCPAxis& y, const QList<double>& dias, const QList<double>& valores,
                    const QString& nome, const QColor& cor);

// The largest of valores, and at least minimo (minimo for no values).
double MaiorValor(const QList<double>& valores, double minimo);

// Moves the legend below the chart, colunas entries a row; then applies paleta.
void FinalizaGrafico(QCustomPlot& grafico, const TPaletaGrafico& paleta, int colunas = 4);

// The text hovering the item shows (read back by the hover tips).
void PoeDica(QCPAbstractItem& item, const QString& dica);
QString DicaDe(const QCPAbstractItem& item);

// A number as the charts write it: whole when it is, else with casas decimals.
QString Numero(double valor, int casas = 2);
