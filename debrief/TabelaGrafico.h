// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

class QCPLayoutGrid;
class QCustomPlot;
struct TPaletaGrafico;

// A table of text in a new row at the bottom of a chart's layout, drawn and
// exported with the chart:
// the first column left-aligned, the numbers right-aligned; a header or
// total row in bold, in the palette's first colour.
class TTabelaGrafico {
public:
    TTabelaGrafico(QCustomPlot& grafico, const TPaletaGrafico& paleta);
    // The table in cell (linha, coluna) of onde, a grid of the chart's layout.
    TTabelaGrafico(QCustomPlot& grafico, const TPaletaGrafico& paleta, QCPLayoutGrid& onde,
                   int linha, int coluna);

    // The grid, owned by the chart's layout.
    QCPLayoutGrid* Grade() const { return FGrade; }

    void Linha(const QStringList& celulas, bool negrito = false);
    // Column c of every row left-aligned (text, not numbers).
    void AlinhaEsquerda(int c);

private:
    QCustomPlot& FGrafico;
    const TPaletaGrafico& FPaleta;
    QCPLayoutGrid* FGrade;
};

// Adds elemento as a row of its own at the bottom of the chart's layout,
// as tall as it needs (estica 0) or sharing what is left.
void LinhaGrafico(QCustomPlot& grafico, class QCPLayoutElement* elemento, double estica = 0.001);

// A bold heading row, left-aligned, in the palette's first colour.
void TituloSecao(QCustomPlot& grafico, const QString& texto, const TPaletaGrafico& paleta);

// The headings' colour again, after AplicaPaleta painted every top-level text.
void RestauraTitulos(QCustomPlot& grafico, const TPaletaGrafico& paleta);
