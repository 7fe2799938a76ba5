#include "MontagemGraficos.h"

#include "EstiloDebrief.h"
#include "analise/AnaliseJogo.h"
#include "graficos/PaletaGrafico.h"

#include <qcustomplot.h>

#include <algorithm>

namespace {

// The test's target level as a horizontal line across the chart.
void DesenhaAlvo(QCustomPlot& grafico, const TAreaFuncional& area, const QColor& cor) {
    auto* alvo = new QCPItemStraightLine(&grafico);
    alvo->point1->setCoords(0.0, area.NivelAlvo);
    alvo->point2->setCoords(1.0, area.NivelAlvo);
    QPen caneta(cor, 1, Qt::DashDotLine);
    alvo->setPen(caneta);
    PoeDica(*alvo, QStringLiteral("%1: test target, %2 errors")
                       .arg(area.Nome, Numero(area.NivelAlvo)));
}

} // namespace

void MontaGraficoQualidade(QCustomPlot& grafico, const TAnaliseJogo& analise,
                           const TPaletaGrafico& paleta) {
    PoeTituloGrafico(grafico, QStringLiteral("Quality: errors per functional area"));
    EixoDias(*grafico.xAxis, analise.Dias.size());
    grafico.yAxis->setLabel(QStringLiteral("Errors"));
    double maximo = 1.0;
    for (int k = 0; k < analise.Areas.size(); ++k) {
        const TAreaFuncional& area = analise.Cenario.Areas.at(k);
        const TErrosArea& erros = analise.Areas.at(k);
        const QColor cor = paleta.Serie(k);
        LinhaDias(grafico, analise.Dias, erros.Restantes, area.Nome + QStringLiteral(": remaining"),
              QPen(cor, 2));
        LinhaDias(grafico, analise.Dias, erros.Encontrados,
              area.Nome + QStringLiteral(": found and corrected"), QPen(cor, 1.5, Qt::DashLine));
        LinhaDias(grafico, analise.Dias, erros.Feitos, area.Nome + QStringLiteral(": made"),
              QPen(cor, 1, Qt::DotLine));
        DesenhaAlvo(grafico, area, cor);
        maximo = std::max(MaiorValor(erros.Feitos, maximo), area.NivelAlvo);
    }
    grafico.yAxis->setRange(0.0, maximo * 1.08);
    FinalizaGrafico(grafico, paleta, 3);
}
