#include "MontagemGraficos.h"

#include "EstiloDebrief.h"
#include "MarcosGrafico.h"
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

// A developer's fill: his colour, and on paper a hatching of his own, so
// that bars stay apart in grey.
QBrush Preenchimento(const TPaletaGrafico& paleta, int d) {
    static constexpr Qt::BrushStyle Padroes[] = {Qt::SolidPattern,    Qt::BDiagPattern,
                                                 Qt::FDiagPattern,    Qt::DiagCrossPattern,
                                                 Qt::CrossPattern,    Qt::HorPattern,
                                                 Qt::Dense5Pattern};
    const QColor cor = d >= 0 ? paleta.Serie(d) : paleta.Grade;
    if (!paleta.Impressa || d < 0) {
        return cor;
    }
    return QBrush(cor, Padroes[d % std::size(Padroes)]);
}

QColor CorDesenvolvedor(const TPaletaGrafico& paleta, int d) {
    return d >= 0 ? paleta.Serie(d) : paleta.Grade;
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
            barra->setBrush(Preenchimento(paleta, f.Desenvolvedor));
            barra->setPen(critica ? QPen(paleta.Alerta, 2) : QPen(CorDesenvolvedor(paleta, f.Desenvolvedor)));
            const QString quem = f.Desenvolvedor >= 0 ? analise.Cenario.Desenvolvedores.value(f.Desenvolvedor)
                                 : f.Desenvolvedor == -2 ? QStringLiteral("several developers")
                                                         : QStringLiteral("nobody");
            PoeDica(*barra, QStringLiteral("%1\n%2, days %3 to %4%5")
                                .arg(analise.Cenario.Atividades.at(i), quem, TextoInteiro(f.Inicio),
                                     TextoInteiro(f.Fim),
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
        const QString nome = d >= 0    ? analise.Cenario.Desenvolvedores.value(d)
                             : d == -2 ? QStringLiteral("several developers")
                                       : QStringLiteral("nobody");
        EntradaLegenda(grafico, nome, QPen(CorDesenvolvedor(paleta, d)), Preenchimento(paleta, d));
    }
    EntradaLegenda(grafico, QStringLiteral("critical path"), QPen(paleta.Alerta, 2));
}

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
        linhas.append(Linha(p.Atividade, n));
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
    EixoAtividades(*grafico.yAxis, analise.Cenario);
    DesenhaFaixas(grafico, analise, paleta);
    Legenda(grafico, analise, paleta);
    DesenhaPuladas(grafico, analise, paleta);

    QCPAxisRect* area = NovaAreaDias(grafico, analise, 0.25);
    DesenhaOciosos(*area, analise, paleta);
    if (analise.Dias.isEmpty()) {
        AvisoGrafico(*grafico.xAxis->axisRect(), paleta, SemDias());
    }
    FinalizaGrafico(grafico, paleta);
}
