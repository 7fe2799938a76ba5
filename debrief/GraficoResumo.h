#pragma once

class QCustomPlot;
struct TAnaliseJogo;
struct TPaletaGrafico;

// The summary: the game's figures as text and its cost per functional area
// as bars.
void MontaGraficoResumo(QCustomPlot& grafico, const TAnaliseJogo& analise,
                    const TPaletaGrafico& paleta);
