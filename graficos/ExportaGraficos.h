#pragma once

#include <QByteArray>
#include <QList>
#include <QSize>
#include <QString>
#include <optional>

class QCustomPlot;

enum class TFormatoGrafico { Pdf, Svg, Png };

// What a PDF or an SVG says of itself: its title and author (a PDF's
// document properties; an SVG's title and description). Empty parts are
// left out; the title is then "Orvanta".
struct TMetadadosGraficos {
    QString Titulo;
    QString Autor;
};

// The format a file name asks for by its extension (any case): .pdf, .svg or
// .png; none for anything else.
std::optional<TFormatoGrafico> FormatoPorNome(const QString& caminho);

// Writes the charts to caminho in the format its extension names, each chart
// drawn at tamanho (logical pixels):
//   PDF: one chart per A4 landscape page, vectors, in order;
//   SVG: one drawing, the charts stacked top to bottom;
//   PNG: one picture, the charts stacked top to bottom, at escala times tamanho.
// The file is replaced only when the whole export succeeded. False, with the
// reason in erro, when the name has no known extension, the list is empty or
// the file cannot be written.
bool ExportaGraficos(const QList<QCustomPlot*>& graficos, const QString& caminho,
                     const QSize& tamanho, QString& erro, double escala = 1.0,
                     const TMetadadosGraficos& meta = {});

// The charts as one SVG drawing, stacked top to bottom as ExportaGraficos
// writes them to a .svg file, for a caller that serves it rather than
// writing it; empty when it cannot be drawn.
QByteArray GraficosSvg(const QList<QCustomPlot*>& graficos, const QSize& tamanho);
