#pragma once

// The debrief's five charts, each drawn on an empty plot from a game's
// analysis in the given look.

class QCustomPlot;
struct TAnaliseJogo;
struct TPaletaGrafico;

// The cost chart: the cumulative cost as a line (left axis) and each day's
// cost as bars (right axis).
void MontaGraficoCusto(QCustomPlot& grafico, const TAnaliseJogo& analise,
                       const TPaletaGrafico& paleta);

// The quality chart: per functional area, the errors made, found and
// corrected, and still in the product after each day, with the level its test
// must bring them down to.
void MontaGraficoQualidade(QCustomPlot& grafico, const TAnaliseJogo& analise,
                           const TPaletaGrafico& paleta);

// The team chart: per developer who was in the team, the hours each day was
// worked at (right axis) and his exhaustion after it (left axis), with the
// warning and exhaustion levels drawn and his exhausted days shaded.
void MontaGraficoEquipe(QCustomPlot& grafico, const TAnaliseJogo& analise,
                        const TPaletaGrafico& paleta);

// The schedule chart: a Gantt chart of the activities (when each was worked
// on, coloured by its developer, the critical path as played outlined) and,
// below it, the team members without any work each day.
void MontaGraficoCronograma(QCustomPlot& grafico, const TAnaliseJogo& analise,
                            const TPaletaGrafico& paleta);

// The summary: the game's figures as text and its cost per functional area
// as bars.
void MontaGraficoResumo(QCustomPlot& grafico, const TAnaliseJogo& analise,
                        const TPaletaGrafico& paleta);
