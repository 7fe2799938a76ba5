// SPDX-License-Identifier: GPL-3.0-or-later
#include "debrief/MontagemGraficos.h"

#include "analise/AnaliseJogo.h"
#include "analise/ParJogo.h"
#include "debrief/EstiloDebrief.h"
#include "debrief/MarcosGrafico.h"
#include "debrief/TextoCapa.h"
#include "graficos/PaletaGrafico.h"

#include <qcustomplot.h>

#include <algorithm>

namespace {

// A practice game's two results, side by side.
QString NotaOriginal(const TAnaliseJogo& analise) {
    const TJogoOriginal& o = *analise.Original;
    const auto resultado = [](const TResultadoPlano& r) {
        return r.Concluido ? QStringLiteral("%1 days, %2").arg(TextoInteiro(r.Dias), TextoDinheiro(r.Custo))
                           : QStringLiteral("not concluded after %1 days, %2")
                                 .arg(TextoInteiro(r.Dias), TextoDinheiro(r.Custo));
    };
    QString pratica = TextoRamo(o.Ramo);
    pratica[0] = pratica.at(0).toUpper();
    return QStringLiteral("%1: %2; %3: %4")
        .arg(pratica, resultado(analise.Capa.Rejogado), TextoOrigem(o.Ramo), resultado(o.Resultado));
}

// The cost line of the game a practice game was played again from, dashed,
// with the day they part marked. Drawn before the practice's line, which
// covers it up to that day (a layer below the plots' own would sit under
// the screen's filled plot background).
QCPGraph* DesenhaOriginal(QCustomPlot& grafico, QCPAxisRect& total, const TAnaliseJogo& analise,
                       const TPaletaGrafico& paleta) {
    const TJogoOriginal& o = *analise.Original;
    QCPGraph* linha = LinhaDias(total, o.Dias, o.CustoAcumulado,
                                QStringLiteral("cost so far in %1").arg(TextoOrigem(o.Ramo)),
                                QPen(paleta.Prata, 1.5, Qt::DashLine), 2);
    auto* parte = new QCPItemStraightLine(&grafico);
    parte->setClipAxisRect(&total);
    for (QCPItemPosition* p : {parte->point1, parte->point2}) {
        p->setAxes(total.axis(QCPAxis::atBottom), total.axis(QCPAxis::atLeft));
        p->setTypeY(QCPItemPosition::ptAxisRectRatio);
        p->setAxisRect(&total);
    }
    parte->point1->setCoords(o.Ramo.Dia, 0.0);
    parte->point2->setCoords(o.Ramo.Dia, 1.0);
    parte->setPen(QPen(paleta.Prata, 1, Qt::DotLine));
    PoeDica(*parte, QStringLiteral("Played again from day %1").arg(o.Ramo.Dia));
    return linha;
}

} // namespace

void MontaGraficoCusto(QCustomPlot& grafico, const TAnaliseJogo& analise,
                       const TPaletaGrafico& paleta) {
    QStringList notas{NotaPasso(analise)};
    if (analise.Original) {
        notas.append(NotaOriginal(analise));
    }
    notas.removeAll(QString());
    TituloDebrief(grafico, QStringLiteral("Cost"), notas.join(QLatin1Char('\n')));
    QCPAxisRect& total = *grafico.xAxis->axisRect();
    EixoDias(total, analise);
    grafico.xAxis->setTickLabels(false);
    grafico.xAxis->setLabel(QString());
    grafico.yAxis->setLabel(QStringLiteral("Cost so far ($)"));
    QCPGraph* original = analise.Original ? DesenhaOriginal(grafico, total, analise, paleta) : nullptr;
    LinhaDias(total, analise.Dias, analise.CustoAcumulado, QStringLiteral("cost so far"),
              QPen(paleta.Lima, 2), 2);
    double maximo = analise.CustoAcumulado.isEmpty() ? 1000.0 : analise.CustoAcumulado.constLast();
    double ultimoDia = analise.Dias.isEmpty() ? 0.0 : analise.Dias.constLast();
    if (original) {
        // Listed after the game's own line.
        original->removeFromLegend();
        original->addToLegend();
        const QList<double>& dias = analise.Original->Dias;
        ultimoDia = std::max(ultimoDia, dias.isEmpty() ? 0.0 : dias.constLast());
        maximo = std::max(maximo, MaiorValor(analise.Original->CustoAcumulado, 0.0));
    }
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
    // The original may have gone on longer: every plot shows its days too.
    for (QCPAxisRect* area : grafico.axisRects()) {
        QCPAxis* dias = area->axis(QCPAxis::atBottom);
        dias->setRange(dias->range().lower, std::max(dias->range().upper, ultimoDia + 0.5));
    }
    if (analise.Dias.isEmpty()) {
        AvisoGrafico(total, paleta, SemDias());
    }
    FinalizaGrafico(grafico, paleta);
}
