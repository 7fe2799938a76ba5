#pragma once

class QCustomPlot;
struct TAnaliseJogo;
struct TPaletaGrafico;

// The schedule chart: a Gantt chart of the activities (when each was worked
// on, coloured by its developer, the critical path as played outlined) and,
// below it, the team members without any work each day.
void MontaGraficoCronograma(QCustomPlot& grafico, const TAnaliseJogo& analise,
                    const TPaletaGrafico& paleta);
