#include "MontagemGraficos.h"

#include "EstiloDebrief.h"
#include "analise/AnaliseJogo.h"
#include "graficos/PaletaGrafico.h"

#include <qcustomplot.h>

#include <algorithm>

namespace {

constexpr double MeiaAltura = 0.35;

// Row of activity i: the first at the top.
double Linha(int i, int n) {
    return n - 1 - i;
}

void EixoAtividades(QCPAxis& eixo, const TCenarioAnalise& cenario) {
    QSharedPointer<QCPAxisTickerText> marcas(new QCPAxisTickerText);
    const int n = static_cast<int>(cenario.Atividades.size());
    for (int i = 0; i < n; ++i) {
        marcas->addTick(Linha(i, n), cenario.Atividades.at(i));
    }
    eixo.setTicker(marcas);
    eixo.setTickLabelFont(FonteGrafico(7));
    eixo.setRange(-0.7, n - 0.3);
    eixo.grid()->setVisible(false);
}

void DesenhaFaixas(QCustomPlot& grafico, const TAnaliseJogo& analise,
                   const TPaletaGrafico& paleta) {
    const int n = static_cast<int>(analise.Cronograma.size());
    for (int i = 0; i < n; ++i) {
        const bool critica = analise.Caminho.contains(i);
        for (const TFaixaCronograma& f : analise.Cronograma.at(i)) {
            auto* barra = new QCPItemRect(&grafico);
            barra->topLeft->setCoords(f.Inicio, Linha(i, n) + MeiaAltura);
            barra->bottomRight->setCoords(f.Fim, Linha(i, n) - MeiaAltura);
            barra->setBrush(paleta.Serie(f.Desenvolvedor));
            barra->setPen(critica ? QPen(paleta.Alerta, 2) : QPen(Qt::NoPen));
            const QString quem = f.Desenvolvedor >= 0
                                     ? analise.Cenario.Desenvolvedores.value(f.Desenvolvedor)
                                     : QStringLiteral("nobody");
            PoeDica(*barra, QStringLiteral("%1\n%2, days %3 to %4%5")
                                .arg(analise.Cenario.Atividades.at(i), quem, Numero(f.Inicio),
                                     Numero(f.Fim),
                                     critica ? QStringLiteral("\non the critical path")
                                             : QString()));
        }
    }
}

// Legend entries for the developers' colours and the critical path: empty
// graphs, since items have none.
void Legenda(QCustomPlot& grafico, const TAnaliseJogo& analise, const TPaletaGrafico& paleta) {
    QList<int> vistos;
    for (const QList<TFaixaCronograma>& faixas : analise.Cronograma) {
        for (const TFaixaCronograma& f : faixas) {
            if (!vistos.contains(f.Desenvolvedor)) {
                vistos.append(f.Desenvolvedor);
            }
        }
    }
    std::sort(vistos.begin(), vistos.end());
    for (int d : vistos) {
        QCPGraph* g = grafico.addGraph();
        g->setName(analise.Cenario.Desenvolvedores.value(d, QStringLiteral("nobody")));
        g->setPen(QPen(paleta.Serie(d), 6));
    }
    QCPGraph* g = grafico.addGraph();
    g->setName(QStringLiteral("critical path"));
    g->setPen(QPen(paleta.Alerta, 2));
}

void DesenhaOciosos(QCPAxisRect& area, const TAnaliseJogo& analise, const TPaletaGrafico& paleta) {
    QCPAxis* x = area.axis(QCPAxis::atBottom);
    QCPAxis* y = area.axis(QCPAxis::atLeft);
    EixoDias(*x, analise.Dias.size());
    y->setLabel(QStringLiteral("Idle"));
    y->setTicker(MarcasInteiras());
    BarrasDias(*x, *y, analise.Dias, analise.Ociosos, QStringLiteral("idle team members"),
               paleta.Prata);
    y->setRange(0.0, MaiorValor(analise.Ociosos, 1.0) + 0.5);
}

} // namespace

void MontaGraficoCronograma(QCustomPlot& grafico, const TAnaliseJogo& analise,
                            const TPaletaGrafico& paleta) {
    PoeTituloGrafico(grafico, QStringLiteral("Schedule"));
    EixoDias(*grafico.xAxis, analise.Dias.size());
    grafico.xAxis->setLabel(QString());
    EixoAtividades(*grafico.yAxis, analise.Cenario);
    DesenhaFaixas(grafico, analise, paleta);
    Legenda(grafico, analise, paleta);

    auto* area = new QCPAxisRect(&grafico);
    grafico.plotLayout()->addElement(grafico.plotLayout()->rowCount(), 0, area);
    DesenhaOciosos(*area, analise, paleta);
    grafico.plotLayout()->setRowStretchFactor(1, 4.0);
    grafico.plotLayout()->setRowStretchFactor(2, 1.0);
    // The two rectangles share their left margin, so the days line up.
    auto* margens = new QCPMarginGroup(&grafico);
    grafico.axisRect()->setMarginGroup(QCP::msLeft | QCP::msRight, margens);
    area->setMarginGroup(QCP::msLeft | QCP::msRight, margens);
    FinalizaGrafico(grafico, paleta);
}
