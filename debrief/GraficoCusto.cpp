#include "MontagemGraficos.h"

#include "EstiloDebrief.h"
#include "MarcosGrafico.h"
#include "analise/AnaliseJogo.h"
#include "graficos/PaletaGrafico.h"

#include <qcustomplot.h>

#include <algorithm>

void MontaGraficoCusto(QCustomPlot& grafico, const TAnaliseJogo& analise,
                       const TPaletaGrafico& paleta) {
    TituloDebrief(grafico, QStringLiteral("Cost"), NotaPasso(analise));
    QCPAxisRect& total = *grafico.xAxis->axisRect();
    EixoDias(total, analise);
    grafico.xAxis->setTickLabels(false);
    grafico.xAxis->setLabel(QString());
    grafico.yAxis->setLabel(QStringLiteral("Cost so far ($)"));
    LinhaDias(total, analise.Dias, analise.CustoAcumulado, QStringLiteral("cost so far"),
              QPen(paleta.Lima, 2), 2);
    const double maximo = analise.CustoAcumulado.isEmpty() ? 1000.0 : analise.CustoAcumulado.constLast();
    grafico.yAxis->setRange(0.0, std::max(maximo, 100.0) * 1.08);

    // The day's cost on a plot of its own: no second axis to read it against.
    QCPAxisRect* dia = NovaAreaDias(grafico, analise, 0.45);
    dia->axis(QCPAxis::atLeft)->setLabel(analise.Passo > 1 ? QStringLiteral("A day ($, mean)")
                                                            : QStringLiteral("Of the day ($)"));
    BarrasDias(*dia, analise, analise.CustoDia,
               analise.Passo > 1 ? QStringLiteral("cost of a day, mean") : QStringLiteral("cost of the day"),
               paleta.Amarelo, 2);
    const double topo = analise.CustoDia.isEmpty() ? 100.0 : MaiorValor(analise.CustoDia, 1.0);
    dia->axis(QCPAxis::atLeft)->setRange(0.0, topo * 1.15);
    dia->axis(QCPAxis::atLeft)->ticker()->setTickCount(3);

    FaixaMarcos(grafico, analise, TiposMarcosDias(), paleta);
    if (analise.Dias.isEmpty()) {
        AvisoGrafico(total, paleta, SemDias());
    }
    FinalizaGrafico(grafico, paleta);
}
