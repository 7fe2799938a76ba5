#pragma once

class QCustomPlot;
struct TAnaliseJogo;
struct TPaletaGrafico;

// The quality chart: per functional area, the errors made, found and
// corrected, and still in the product after each day, with the level its test
// must bring them down to.
void MontaGraficoQualidade(QCustomPlot& grafico, const TAnaliseJogo& analise,
                    const TPaletaGrafico& paleta);
