#pragma once

class QCustomPlot;
struct TAnaliseJogo;
struct TPaletaGrafico;

// The cost chart: the cumulative cost as a line (left axis) and each day's
// cost as bars (right axis).
void MontaGraficoCusto(QCustomPlot& grafico, const TAnaliseJogo& analise,
                    const TPaletaGrafico& paleta);
