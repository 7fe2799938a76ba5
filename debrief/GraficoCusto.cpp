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

    QColor cor = paleta.Amarelo;
    cor.setAlpha(150);
    QCPBars* barras = BarrasDias(*grafico.xAxis, *grafico.yAxis2, analise.Dias, analise.CustoDia,
                                 QStringLiteral("cost of the day"), cor);
    // Upright rectangles need no smoothing, and smoothing eighty of them is
    // most of the time a turn's redraw takes.
    barras->setAntialiased(false);
    barras->setAntialiasedFill(false);

    LinhaDias(grafico, analise.Dias, analise.CustoAcumulado, QStringLiteral("cumulative cost"),
              QPen(paleta.Lima, 2));

    const double maximo = analise.CustoAcumulado.isEmpty() ? 1000.0 : analise.CustoAcumulado.constLast();
    grafico.yAxis->setRange(0.0, std::max(maximo, 100.0) * 1.08);
    const double topo = analise.CustoDia.isEmpty() ? 100.0 : MaiorValor(analise.CustoDia, 1.0);
    // Bars in the lower part, under the line.
    grafico.yAxis2->setRange(0.0, topo * 2.2);
    FinalizaGrafico(grafico, paleta);
}
