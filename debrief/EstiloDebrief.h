// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "debrief/FormatoDebrief.h"

#include <QColor>
#include <QList>
#include <QPen>
#include <QPointF>
#include <QSharedPointer>
#include <QString>
#include <QStringList>

class QCustomPlot;
class QCPAbstractItem;
class QCPAbstractPlottable;
class QCPAxis;
class QCPAxisRect;
class QCPAxisTicker;
class QCPGraph;
struct TAnaliseJogo;
struct TPaletaGrafico;

// What every debrief chart shares: a title row, the project day on the x
// axis of each of its plots (one under the other, their days lined up), the
// legend in a row of its own below, the palette, and the game's numbers.

// Empties grafico back to the layout of a new chart (one axis rectangle
// with its four axes and a hidden legend), keeping the widget: cheaper than
// making a new one.
void EsvaziaGrafico(QCustomPlot& grafico);

// The title row, and under it a line of nota when there is one; the chart's
// numbers in the game's format.
void TituloDebrief(QCustomPlot& grafico, const QString& titulo, const QString& nota = {});

// What a long game's charts say of their points ("Each point: 256 days");
// empty for a game short enough to show every day.
QString NotaPasso(const TAnaliseJogo& analise);

// Makes area's bottom axis the game's days: "Project day", whole-day ticks
// from 0 to the last day played (10 before any), half a day either side.
void EixoDias(QCPAxisRect& area, const TAnaliseJogo& analise);

// Adds a plot under the chart's others, its bottom axis the game's days,
// estica its height against theirs.
QCPAxisRect* NovaAreaDias(QCustomPlot& grafico, const TAnaliseJogo& analise, double estica);

// Tick marks at whole numbers only (days, people, errors).
QSharedPointer<QCPAxisTicker> MarcasInteiras();

// A line of valores over the days on area's bottom and left axes, named nome
// in the legend; its tips give values with casas decimals (-1: whole when
// whole, else two).
QCPGraph* LinhaDias(QCPAxisRect& area, const QList<double>& dias, const QList<double>& valores,
                    const QString& nome, const QPen& caneta, int casas = -1);

// Each day's valores on area as bars most of a day wide, filled with cor;
// for more days than bars can show apart, a filled step line.
QCPAbstractPlottable* BarrasDias(QCPAxisRect& area, const TAnaliseJogo& analise,
                                 const QList<double>& valores, const QString& nome,
                                 const QColor& cor, int casas = -1);

// A legend entry for what has none of its own (an item, a shading): a
// series without data, drawn with caneta, or as a filled box with preenche.
void EntradaLegenda(QCustomPlot& grafico, const QString& nome, const QPen& caneta,
                    const QBrush& preenche = Qt::NoBrush);

// The largest and smallest of valores, bounded by limite (limite for none).
double MaiorValor(const QList<double>& valores, double minimo);
double MenorValor(const QList<double>& valores, double maximo);

// texto in the middle of area: why a plot is empty.
void AvisoGrafico(QCPAxisRect& area, const TPaletaGrafico& paleta, const QString& texto);
// "No day played yet: ..."
QString SemDias();

// Lines the plots up (their left and right margins shared), moves the legend
// below the chart, colunas entries a row (hidden when it has none), then
// applies paleta.
void FinalizaGrafico(QCustomPlot& grafico, const TPaletaGrafico& paleta, int colunas = 4);

// The text hovering the item shows (read back by the hover tips).
void PoeDica(QCPAbstractItem& item, const QString& dica);
QString DicaDe(const QCPAbstractItem& item);
// One text per data point of serie, in the order of its data: its tips.
void PoeDicasPontos(QCPAbstractPlottable& serie, const QStringList& dicas);
QStringList DicasPontos(const QCPAbstractPlottable& serie);
// The decimals a series' tips give its values with; -1 when not set.
int CasasDe(const QCPAbstractPlottable& serie);

// Dashed and dotted lines drawn at whole-pixel widths without smoothing:
// on the screen, smoothed dashes are most of the time a redraw takes (the
// quality chart's from 18 ms to 5); files keep them smooth.
void TracejadosDeTela(QCustomPlot& grafico);

// The whole day under pos when it lies on one of grafico's plots over the
// game's days (EixoDias); -1 elsewhere.
int DiaEm(const QCustomPlot& grafico, const QPointF& pos);

// Marks dia on every day axis of grafico with a line (none for a negative
// dia): the day a message or decision chosen in the debrief names.
void MarcaDiaFoco(QCustomPlot& grafico, double dia, const QColor& cor);
