#pragma once

#include <QColor>
#include <QFont>
#include <QList>

class QCustomPlot;

// The colours and font of a chart. The screen look is the game's own: black
// ground, lime, yellow and silver; the paper look keeps the same hues, darker,
// on white, so a printed handout stays readable.
struct TPaletaGrafico {
    QColor Fundo;    // the chart's ground
    QColor Texto;    // titles, labels, tick labels, legend text
    QColor Eixo;     // axis lines and ticks
    QColor Grade;    // grid lines
    QColor Lima;     // the first series, and what the game shows in lime
    QColor Amarelo;  // the second series, and the game's yellow
    QColor Prata;    // the third series, and the game's silver
    QColor Alerta;   // limits and warnings
    QList<QColor> Series; // further series, in order (the three above come first)
    // For paper, which may be printed in grey: what colour alone tells apart
    // is told by a pattern too.
    bool Impressa = false;

    // The colour of series i: Lima, Amarelo, Prata, then Series, cycling.
    QColor Serie(int i) const;

    static TPaletaGrafico Tela();
    static TPaletaGrafico Papel();
};

// The game's face at a point size, for charts (their size follows the page).
QFont FonteGrafico(double pontos, bool negrito = false);

// Gives every axis rectangle, axis, grid, legend and text element of the chart
// the palette's colours and the charts' font. Run it once the chart's
// layout is built; series keep the pens they were given.
void AplicaPaleta(QCustomPlot& grafico, const TPaletaGrafico& paleta);

// Adds the title row above the axis rectangle, and sets the chart's numbers in
// the C locale (as every file the tools write).
void PoeTituloGrafico(QCustomPlot& grafico, const QString& titulo);
