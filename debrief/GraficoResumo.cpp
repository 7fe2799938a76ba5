#include "MontagemGraficos.h"

#include "EstiloDebrief.h"
#include "analise/AnaliseJogo.h"
#include "graficos/PaletaGrafico.h"

#include <qcustomplot.h>

#include <algorithm>

namespace {

QString TextoResumo(const TAnaliseJogo& analise) {
    const TResumoJogo& r = analise.Resumo;
    QStringList linhas;
    linhas << (r.Concluido ? QStringLiteral("Concluded in %1 days, cost %2")
                           : QStringLiteral("Not concluded after %1 days, cost %2"))
                  .arg(QString::number(r.Dias), QString::number(r.Custo, 'f', 2));
    linhas << QStringLiteral("Overtime hours: %1").arg(Numero(r.HorasExtras, 1));
    linhas << QStringLiteral("Developer-days exhausted: %1").arg(Numero(r.DiasExaustos));
    linhas << QStringLiteral("Idle developer-days: %1").arg(Numero(r.DiasOciosos));
    linhas << QStringLiteral("Errors that reached the tests: %1").arg(Numero(r.ErrosNosTestes, 1));
    return linhas.join(QLatin1Char('\n'));
}

} // namespace

void MontaGraficoResumo(QCustomPlot& grafico, const TAnaliseJogo& analise,
                        const TPaletaGrafico& paleta) {
    PoeTituloGrafico(grafico, QStringLiteral("Summary"));
    auto* texto = new QCPTextElement(&grafico, TextoResumo(analise), FonteGrafico(10));
    grafico.plotLayout()->insertRow(1);
    grafico.plotLayout()->addElement(1, 0, texto);

    QSharedPointer<QCPAxisTickerText> marcas(new QCPAxisTickerText);
    QList<double> chaves;
    QList<double> custos;
    for (int k = 0; k < analise.Areas.size(); ++k) {
        chaves.append(k + 1);
        custos.append(analise.Areas.at(k).Custo);
        marcas->addTick(k + 1, analise.Cenario.Areas.at(k).Nome);
    }
    chaves.append(analise.Areas.size() + 1);
    custos.append(analise.Resumo.CustoComum);
    marcas->addTick(analise.Areas.size() + 1, QStringLiteral("Shared"));
    grafico.xAxis->setTicker(marcas);
    grafico.xAxis->setLabel(QStringLiteral("Functional area"));
    grafico.xAxis->setRange(0.4, chaves.size() + 0.6);
    grafico.yAxis->setLabel(QStringLiteral("Cost"));

    auto* barras = new QCPBars(grafico.xAxis, grafico.yAxis);
    barras->setName(QStringLiteral("cost per functional area"));
    barras->setData(chaves, custos, true);
    barras->setWidth(0.6);
    barras->setPen(Qt::NoPen);
    barras->setBrush(paleta.Lima);
    const double maior = *std::max_element(custos.cbegin(), custos.cend());
    grafico.yAxis->setRange(0.0, std::max(maior, 100.0) * 1.1);
    FinalizaGrafico(grafico, paleta);
}
