#pragma once

class QCustomPlot;
struct TAnaliseJogo;
struct TPaletaGrafico;

// The team chart: per developer who was in the team, the hours each day was
// worked at (right axis) and his exhaustion after it (left axis), with the
// warning and exhaustion levels drawn and his exhausted days shaded.
void MontaGraficoEquipe(QCustomPlot& grafico, const TAnaliseJogo& analise,
                    const TPaletaGrafico& paleta);
