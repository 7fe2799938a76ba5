#include "MontagemGraficos.h"

#include "EstiloDebrief.h"
#include "MarcosGrafico.h"
#include "analise/AnaliseJogo.h"
#include "graficos/PaletaGrafico.h"

#include <qcustomplot.h>

namespace {

// The rows, top to bottom: the player's four kinds of decision, then what
// the game did.
QString NomeLinha(ETipoMarco tipo) {
    switch (tipo) {
    case ETipoMarco::Equipe:
        return QStringLiteral("Team");
    case ETipoMarco::Horas:
        return QStringLiteral("Hours");
    case ETipoMarco::Inspecao:
        return QStringLiteral("Inspection time");
    case ETipoMarco::Alocacao:
        return QStringLiteral("Assignments");
    case ETipoMarco::Aviso:
        return QStringLiteral("Warning");
    case ETipoMarco::Exausto:
        return QStringLiteral("Exhausted");
    case ETipoMarco::InspecaoPulada:
        return QStringLiteral("Inspection skipped");
    }
    return {};
}

double Linha(ETipoMarco tipo) {
    return NumeroTiposMarco - 1 - static_cast<int>(tipo);
}

} // namespace

void MontaGraficoDecisoes(QCustomPlot& grafico, const TAnaliseJogo& analise,
                          const TPaletaGrafico& paleta) {
    const QString nota = analise.Decisoes.isEmpty()
                             ? QStringLiteral("No decision recorded")
                             : QStringLiteral("%1 decisions; hover a mark for what was decided")
                                   .arg(TextoInteiro(analise.Decisoes.size()));
    TituloDebrief(grafico, QStringLiteral("Decisions: what the player changed, and what followed"),
                  NotaPasso(analise).isEmpty() ? nota
                                               : QStringLiteral("%1. %2").arg(nota, NotaPasso(analise)));
    QCPAxisRect& area = *grafico.xAxis->axisRect();
    EixoDias(area, analise);
    grafico.xAxis->setTickLabels(false);
    grafico.xAxis->setLabel(QString());
    QSharedPointer<QCPAxisTickerText> linhas(new QCPAxisTickerText);
    for (int t = 0; t < NumeroTiposMarco; ++t) {
        const auto tipo = static_cast<ETipoMarco>(t);
        linhas->addTick(Linha(tipo), NomeLinha(tipo));
        MarcosEm(area, analise, tipo, Linha(tipo), NomeLinha(tipo), paleta);
    }
    grafico.yAxis->setTicker(linhas);
    grafico.yAxis->setRange(-0.7, NumeroTiposMarco - 0.3);
    grafico.yAxis->grid()->setVisible(true);
    // What the decisions did to the money, under them.
    QCPAxisRect* dia = NovaAreaDias(grafico, analise, 0.35);
    dia->axis(QCPAxis::atLeft)->setLabel(QStringLiteral("Cost ($)"));
    BarrasDias(*dia, analise, analise.CustoDia,
               analise.Passo > 1 ? QStringLiteral("cost of a day, mean") : QStringLiteral("cost of the day"),
               paleta.Amarelo, 2);
    dia->axis(QCPAxis::atLeft)->setRange(0.0, MaiorValor(analise.CustoDia, 100.0) * 1.15);
    dia->axis(QCPAxis::atLeft)->ticker()->setTickCount(3);
    // The rows name the marks: the legend has only the cost.
    for (int i = 0; i < grafico.graphCount(); ++i) {
        if (grafico.graph(i)->lineStyle() == QCPGraph::lsNone) {
            grafico.graph(i)->removeFromLegend();
        }
    }
    if (analise.Dias.isEmpty() && analise.Decisoes.isEmpty()) {
        AvisoGrafico(area, paleta, SemDias());
    }
    FinalizaGrafico(grafico, paleta);
}
