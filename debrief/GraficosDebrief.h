#pragma once

#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>

class QCustomPlot;
struct TAnaliseJogo;
struct TPaletaGrafico;

// The debrief's charts, in the order the window's tabs and the exported
// pages show them: cost, quality, team, schedule, summary.
QStringList NomesGraficosDebrief();

// Draws chart i (in that order) of analise on an empty grafico.
void MontaGraficoDebrief(int i, QCustomPlot& grafico, const TAnaliseJogo& analise,
                         const TPaletaGrafico& paleta);

// The drawing size of each chart in exported files (PNG at twice that).
inline constexpr QSize TamanhoGraficoDebrief{960, 600};
inline constexpr double EscalaPngDebrief = 2.0;

// Draws every chart in the paper look and writes them to caminho (.pdf one
// per page, .svg or .png stacked); false, with the reason in erro, when it
// cannot be written (the file is then left as it was).
bool ExportaDebrief(const TAnaliseJogo& analise, const QString& caminho, QString& erro);
