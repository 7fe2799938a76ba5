// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>

class QCustomPlot;
struct TAnaliseJogo;
struct TPaletaGrafico;

// The debrief's charts, in the order the window's tabs and the exported
// pages show them: summary (the cover), decisions, cost, quality, team,
// schedule, par. A new chart is one more entry in GraficosDebrief.cpp's table.
QStringList NomesGraficosDebrief();
enum EGraficoDebrief {
    GraficoResumo,
    GraficoDecisoes,
    GraficoCusto,
    GraficoQualidade,
    GraficoEquipe,
    GraficoCronograma,
    GraficoPar
};
// The word each chart's own file is named with: "summary", "cost", ...
QStringList ArquivosGraficosDebrief();
// The charts drawn over the game's days, which a chosen day is marked on.
bool GraficoDeDias(int i);

// Draws chart i (in that order) of analise on an empty grafico.
void MontaGraficoDebrief(int i, QCustomPlot& grafico, const TAnaliseJogo& analise,
                         const TPaletaGrafico& paleta);

// The drawing size of each chart in exported files (PNG at twice that).
inline constexpr QSize TamanhoGraficoDebrief{960, 600};
inline constexpr double EscalaPngDebrief = 2.0;

// Every chart (grafico -1) or chart grafico alone.
inline constexpr int TodosGraficosDebrief = -1;

// The files an export to caminho writes: caminho itself for a PDF or a
// single chart; for every chart in SVG or PNG, one file per chart beside
// it, named after it: NAME-summary.svg, NAME-decisions.svg, NAME-cost.svg,
// ..., NAME-par.svg
QStringList ArquivosExportacao(const QString& caminho, int grafico = TodosGraficosDebrief);

// Draws the charts in the paper look and writes them as ArquivosExportacao
// names them. A PDF holds the summary as its cover, then one page a chart,
// then the list of decisions; its title and author name the game and its
// manager. Each file is replaced only once it is whole. False, with the
// reason in erro, when a file cannot be written.
bool ExportaDebrief(const TAnaliseJogo& analise, const QString& caminho, QString& erro,
                    int grafico = TodosGraficosDebrief);
