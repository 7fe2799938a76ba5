// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The debrief's charts and pages, each drawn on an empty plot from a game's
// analysis in the given look. The day charts (decisions, cost, quality,
// team, schedule) share the project day on their x axes and mark the
// player's decisions and what followed on them.

class QCustomPlot;
struct TAnaliseJogo;
struct TPaletaGrafico;

// The summary, the cover of the report: whose game, when, its result and
// whether the record replays to it; where each developer's days and money
// went; per functional area its cost, the inspection hours given, and the
// errors found by the inspection and left for the test.
void MontaGraficoResumo(QCustomPlot& grafico, const TAnaliseJogo& analise,
                        const TPaletaGrafico& paleta);

// The decisions: a timeline of every change the player made (a row each for
// the team, hours, inspection time and assignments) and what the game did
// (warnings, exhaustion, skipped inspections), over each day's cost.
void MontaGraficoDecisoes(QCustomPlot& grafico, const TAnaliseJogo& analise,
                          const TPaletaGrafico& paleta);

// The cost chart: the cumulative cost as a line, each day's cost as bars on
// a plot of its own below it.
void MontaGraficoCusto(QCustomPlot& grafico, const TAnaliseJogo& analise,
                       const TPaletaGrafico& paleta);

// The quality chart: a plot per functional area with the errors made, found
// and corrected, and still in the product after each day, and the level its
// test must bring them down to.
void MontaGraficoQualidade(QCustomPlot& grafico, const TAnaliseJogo& analise,
                           const TPaletaGrafico& paleta);

// The team chart: per developer who was in the team, a row of his
// exhaustion (with the warning and exhaustion levels, his exhausted days
// shaded) and a strip of the hours each day was worked at under it.
void MontaGraficoEquipe(QCustomPlot& grafico, const TAnaliseJogo& analise,
                        const TPaletaGrafico& paleta);

// The schedule chart: a Gantt chart of the activities (when each was worked
// on, coloured by its developer, the critical path as played outlined) and,
// below it, the team members without any work each day.
void MontaGraficoCronograma(QCustomPlot& grafico, const TAnaliseJogo& analise,
                            const TPaletaGrafico& paleta);

// The par chart: the game beside the best known plans (analise.Par): days
// against cost with the front as a line, the game, runs A and B and the par
// plan (the cheapest known plan that finishes in no more days than the
// game, the fastest when none does); the two side by side (team and when
// each joined, overtime, inspection hours, idle and exhausted
// developer-days, errors that reached the tests); the par plan's Gantt
// chart under the game's.
void MontaGraficoPar(QCustomPlot& grafico, const TAnaliseJogo& analise,
                     const TPaletaGrafico& paleta);

// The list of decisions printed after the charts: LinhasPaginaDecisoes a
// page, at most MaximoPaginasDecisoes pages (the last says how many more).
inline constexpr int LinhasPaginaDecisoes = 30;
inline constexpr int MaximoPaginasDecisoes = 10;
int PaginasListaDecisoes(const TAnaliseJogo& analise);
void MontaPaginaDecisoes(QCustomPlot& grafico, const TAnaliseJogo& analise, int pagina,
                         const TPaletaGrafico& paleta);
