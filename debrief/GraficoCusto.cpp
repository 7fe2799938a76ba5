#include "MontagemGraficos.h"

#include "EstiloDebrief.h"
#include "analise/AnaliseJogo.h"
#include "graficos/PaletaGrafico.h"

#include <qcustomplot.h>

#include <algorithm>

void MontaGraficoCusto(QCustomPlot& grafico, const TAnaliseJogo& analise,
                       const TPaletaGrafico& paleta) {
    PoeTituloGrafico(grafico, QStringLiteral("Cost"));
    EixoDias(*grafico.xAxis, analise.Dias.size());
    grafico.yAxis->setLabel(QStringLiteral("Cumulative cost"));
    grafico.yAxis2->setVisible(true);
    grafico.yAxis2->setLabel(QStringLiteral("Cost of the day"));

    auto* barras = new QCPBars(grafico.xAxis, grafico.yAxis2);
    barras->setName(QStringLiteral("cost of the day"));
    barras->setData(analise.Dias, analise.CustoDia, true);
    barras->setWidth(0.7);
    barras->setPen(Qt::NoPen);
    QColor cor = paleta.Amarelo;
    cor.setAlpha(150);
    barras->setBrush(cor);
    // Upright rectangles need no smoothing, and smoothing eighty of them is
    // most of the time a turn's redraw takes.
    barras->setAntialiased(false);
    barras->setAntialiasedFill(false);

    QCPGraph* acumulado = grafico.addGraph();
    acumulado->setName(QStringLiteral("cumulative cost"));
    acumulado->setData(analise.Dias, analise.CustoAcumulado, true);
    acumulado->setPen(QPen(paleta.Lima, 2));

    const double maximo = analise.CustoAcumulado.isEmpty() ? 1000.0 : analise.CustoAcumulado.constLast();
    grafico.yAxis->setRange(0.0, std::max(maximo, 100.0) * 1.08);
    const auto maiorDia = std::max_element(analise.CustoDia.cbegin(), analise.CustoDia.cend());
    const double topo = maiorDia == analise.CustoDia.cend() ? 100.0 : std::max(*maiorDia, 1.0);
    // Bars in the lower part, under the line.
    grafico.yAxis2->setRange(0.0, topo * 2.2);
    FinalizaGrafico(grafico, paleta);
}
