#pragma once

#include "analise/DecisoesJogo.h"

#include <QList>

class QCPAxisRect;
class QCPScatterStyle;
class QCustomPlot;
struct TAnaliseJogo;
struct TPaletaGrafico;

// The marks of the player's decisions and of what the game did on the day
// axis: each kind its own shape (told apart in grey as in colour), the
// decisions in the text colour, the game's doings in the warning colour.

QCPScatterStyle FormaMarco(ETipoMarco tipo, const TPaletaGrafico& paleta);

// What the Cost, Team and Quality charts mark: team, hours and inspection
// time set; warnings, exhaustion and skipped inspections.
QList<ETipoMarco> TiposMarcosDias();

// A strip above the chart's first plot with the game's markers of the
// given kinds on two rows, "you" (decisions) and "game"; each kind present
// in the legend, each mark's tip its lines. Returns the strip.
QCPAxisRect* FaixaMarcos(QCustomPlot& grafico, const TAnaliseJogo& analise,
                         const QList<ETipoMarco>& tipos, const TPaletaGrafico& paleta);

// The same strip, for the caller to place (EsticaFaixaMarcos its height
// against a plot's 1).
QCPAxisRect* NovaFaixaMarcos(QCustomPlot& grafico, const TAnaliseJogo& analise,
                             const QList<ETipoMarco>& tipos, const TPaletaGrafico& paleta);
inline constexpr double EsticaFaixaMarcos = 0.14;

// The markers of kind tipo on area, at height y, named nome, with their tips.
void MarcosEm(QCPAxisRect& area, const TAnaliseJogo& analise, ETipoMarco tipo, double y,
              const QString& nome, const TPaletaGrafico& paleta);
