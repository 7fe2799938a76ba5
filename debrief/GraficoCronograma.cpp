// SPDX-License-Identifier: GPL-3.0-or-later
#include "debrief/MontagemGraficos.h"

#include "analise/AnaliseJogo.h"
#include "debrief/EstiloDebrief.h"
#include "debrief/GanttDebrief.h"
#include "debrief/MarcosGrafico.h"
#include "graficos/PaletaGrafico.h"

#include <qcustomplot.h>

namespace {

// The inspections given no time, marked on their rows where they were passed by.
void DesenhaPuladas(QCustomPlot& grafico, const TAnaliseJogo& analise, const TPaletaGrafico& paleta) {
    if (analise.Puladas.isEmpty()) {
        return;
    }
    const int n = static_cast<int>(analise.Cronograma.size());
    QList<double> dias;
    QList<double> linhas;
    QStringList dicas;
    for (const TInspecaoPulada& p : analise.Puladas) {
        dias.append(p.Dia);
        linhas.append(LinhaGantt(p.Atividade, n));
        dicas.append(QStringLiteral("%1\nskipped on day %2: given no time, %3 errors went on unchecked")
                         .arg(analise.Cenario.Atividades.value(p.Atividade), TextoInteiro(p.Dia),
                              TextoInteiro(p.Erros)));
    }
    QCPGraph* marcas = grafico.addGraph(grafico.xAxis, grafico.yAxis);
    marcas->setName(NomeTipoMarco(ETipoMarco::InspecaoPulada));
    marcas->setData(dias, linhas, true); // in day order, as played
    marcas->setLineStyle(QCPGraph::lsNone);
    marcas->setScatterStyle(FormaMarco(ETipoMarco::InspecaoPulada, paleta));
    PoeDicasPontos(*marcas, dicas);
}

void DesenhaOciosos(QCPAxisRect& area, const TAnaliseJogo& analise, const TPaletaGrafico& paleta) {
    QCPAxis* y = area.axis(QCPAxis::atLeft);
    y->setLabel(QStringLiteral("Idle"));
    y->setTicker(MarcasInteiras());
    BarrasDias(area, analise, analise.Ociosos, QStringLiteral("idle team members"), paleta.Prata);
    y->setRange(0.0, MaiorValor(analise.Ociosos, 1.0) + 0.5);
}

} // namespace

void MontaGraficoCronograma(QCustomPlot& grafico, const TAnaliseJogo& analise,
                            const TPaletaGrafico& paleta) {
    TituloDebrief(grafico, QStringLiteral("Schedule"), NotaPasso(analise));
    EixoDias(*grafico.xAxis->axisRect(), analise);
    grafico.xAxis->setLabel(QString());
    EixoAtividades(*grafico.xAxis->axisRect(), analise);
    DesenhaGantt(*grafico.xAxis->axisRect(), analise, paleta);
    LegendaGantt(grafico, {&analise}, paleta);
    DesenhaPuladas(grafico, analise, paleta);

    QCPAxisRect* area = NovaAreaDias(grafico, analise, 0.25);
    DesenhaOciosos(*area, analise, paleta);
    if (analise.Dias.isEmpty()) {
        AvisoGrafico(*grafico.xAxis->axisRect(), paleta, SemDias());
    }
    FinalizaGrafico(grafico, paleta);
}
