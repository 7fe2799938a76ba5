#include "MontagemGraficos.h"

#include "EstiloDebrief.h"
#include "MarcosGrafico.h"
#include "analise/AnaliseJogo.h"
#include "graficos/PaletaGrafico.h"
#include "model/mDesenvolvedor.h"
#include "plan/Plano.h"

#include <qcustomplot.h>

#include <algorithm>

namespace {

QColor Sombra(const TPaletaGrafico& paleta) {
    // Light on paper; on the screen's black, strong enough to be seen.
    QColor sombra = paleta.Alerta;
    sombra.setAlpha(paleta.Impressa ? 50 : 100);
    return sombra;
}

QPen CanetaNivel(const TPaletaGrafico& paleta, Qt::PenStyle estilo) {
    return QPen(paleta.Alerta, 1, estilo);
}

// A level across the plot, named at its right end (clear of the lines,
// which start at the left) as texto, when there is one.
void DesenhaNivel(QCPAxisRect& area, double nivel, const QString& nome, const QString& texto,
                  const TPaletaGrafico& paleta, Qt::PenStyle estilo) {
    QCustomPlot& grafico = *area.parentPlot();
    auto* linha = new QCPItemStraightLine(&grafico);
    linha->setClipAxisRect(&area);
    for (QCPItemPosition* p : {linha->point1, linha->point2}) {
        p->setAxes(area.axis(QCPAxis::atBottom), area.axis(QCPAxis::atLeft));
    }
    linha->point1->setCoords(0.0, nivel);
    linha->point2->setCoords(1.0, nivel);
    linha->setPen(CanetaNivel(paleta, estilo));
    PoeDica(*linha, QStringLiteral("%1 level: %2").arg(nome, Numero(nivel)));
    if (texto.isEmpty()) {
        return;
    }
    auto* rotulo = new QCPItemText(&grafico);
    rotulo->setClipAxisRect(&area);
    rotulo->position->setAxes(area.axis(QCPAxis::atBottom), area.axis(QCPAxis::atLeft));
    rotulo->position->setAxisRect(&area);
    rotulo->position->setTypeX(QCPItemPosition::ptAxisRectRatio);
    rotulo->position->setCoords(0.995, nivel);
    rotulo->setPositionAlignment(Qt::AlignRight | Qt::AlignBottom);
    rotulo->setText(texto);
    rotulo->setFont(FonteGrafico(7));
    rotulo->setColor(paleta.Alerta);
}

void SombreiaExausto(QCPAxisRect& area, const TSerieDesenvolvedor& s, const TPaletaGrafico& paleta) {
    for (const TIntervaloDias& faixa : s.Exausto) {
        auto* sombra = new QCPItemRect(area.parentPlot());
        sombra->setClipAxisRect(&area);
        for (QCPItemPosition* p : {sombra->topLeft, sombra->bottomRight}) {
            p->setAxes(area.axis(QCPAxis::atBottom), area.axis(QCPAxis::atLeft));
            p->setAxisRect(&area);
            p->setTypeY(QCPItemPosition::ptAxisRectRatio);
        }
        sombra->topLeft->setCoords(faixa.Inicio, 0.0);
        sombra->bottomRight->setCoords(faixa.Fim, 1.0);
        sombra->setPen(Qt::NoPen);
        sombra->setBrush(Sombra(paleta));
        // On the plots' own layer, made before the lines: over the plot's ground
        // (a plot made later, on a layer below, would paint its ground over it),
        // under the lines.
        PoeDica(*sombra, QStringLiteral("%1 exhausted: days %2 to %3 (hours forced to 8, Work "
                                        "Hours locked until rested)")
                             .arg(s.Nome, TextoInteiro(faixa.Inicio), TextoInteiro(faixa.Fim)));
    }
}

// The exhaustion range every developer's plot shares: the levels, and any
// rest in hand below zero.
QCPRange FaixaExaustao(const TAnaliseJogo& analise) {
    double maior = TDesenvolvedor::LimiteExaustao;
    double menor = 0.0;
    for (const TSerieDesenvolvedor& s : analise.Equipe) {
        maior = MaiorValor(s.Exaustao, maior);
        menor = MenorValor(s.Exaustao, menor);
    }
    const double folga = (maior - menor) * 0.08;
    return {menor < 0.0 ? menor - folga : 0.0, maior + folga};
}

void DesenhaDesenvolvedor(QCPAxisRect& exaustao, QCPAxisRect& horas, const TAnaliseJogo& analise,
                          const TSerieDesenvolvedor& s, const TPaletaGrafico& paleta,
                          const QCPRange& faixa) {
    const QColor cor = paleta.Serie(s.Posicao);
    SombreiaExausto(exaustao, s, paleta);
    SombreiaExausto(horas, s, paleta);
    LinhaDias(exaustao, analise.Dias, s.Exaustao, s.Nome + QStringLiteral(": exhaustion"),
              QPen(cor, 2), 1);
    // Levels too close on a long scale for two labels share one.
    const bool juntos = (TDesenvolvedor::LimiteExaustao - TDesenvolvedor::LimiteAviso) < faixa.size() * 0.1;
    const QString aviso = Numero(TDesenvolvedor::LimiteAviso);
    const QString exausto = Numero(TDesenvolvedor::LimiteExaustao);
    DesenhaNivel(exaustao, TDesenvolvedor::LimiteAviso, QStringLiteral("warning"),
                 juntos ? QString() : QStringLiteral("warning %1").arg(aviso), paleta, Qt::DashLine);
    DesenhaNivel(exaustao, TDesenvolvedor::LimiteExaustao, QStringLiteral("exhausted"),
                 juntos ? QStringLiteral("levels %1 and %2").arg(aviso, exausto)
                        : QStringLiteral("exhausted %1").arg(exausto),
                 paleta, Qt::SolidLine);
    QCPAxis* e = exaustao.axis(QCPAxis::atLeft);
    e->setLabel(s.Nome);
    e->setRange(faixa);
    e->ticker()->setTickCount(3);
    LinhaDias(horas, analise.Dias, s.Horas, s.Nome + QStringLiteral(": hours a day"),
              QPen(cor, 1.6, Qt::DashLine))
        ->setLineStyle(QCPGraph::lsStepRight);
    QCPAxis* h = horas.axis(QCPAxis::atLeft);
    QSharedPointer<QCPAxisTickerText> marcas(new QCPAxisTickerText);
    marcas->addTick(0.0, QStringLiteral("out"));
    marcas->addTick(TPlano::MinimoHoras, QStringLiteral("8 h"));
    marcas->addTick(TPlano::MaximoHoras, QStringLiteral("12 h"));
    h->setTicker(marcas);
    h->setRange(-1.0, TPlano::MaximoHoras + 1.5);
    for (QCPAxisRect* area : {&exaustao, &horas}) {
        area->axis(QCPAxis::atBottom)->setTickLabels(false);
        area->axis(QCPAxis::atBottom)->setLabel(QString());
    }
}

// A column of developers' rows in grade: each his exhaustion plot (the
// first one primeira, when given) and his hours' strip under it; the days
// written under the last strip only.
void ColunaDesenvolvedores(QCPLayoutGrid& grade, QCPAxisRect* primeira, const QList<int>& quais,
                           const TAnaliseJogo& analise, const TPaletaGrafico& paleta,
                           const QCPRange& faixa) {
    QCustomPlot& grafico = *grade.parentPlot();
    QCPAxisRect* ultima = nullptr;
    for (int k : quais) {
        QCPAxisRect* exaustao = primeira ? primeira : new QCPAxisRect(&grafico);
        primeira = nullptr;
        auto* horas = new QCPAxisRect(&grafico);
        const int linha = grade.rowCount();
        grade.addElement(linha, 0, exaustao);
        grade.addElement(linha + 1, 0, horas);
        grade.setRowStretchFactor(linha, 1.0);
        grade.setRowStretchFactor(linha + 1, 0.4);
        EixoDias(*exaustao, analise);
        EixoDias(*horas, analise);
        DesenhaDesenvolvedor(*exaustao, *horas, analise, analise.Equipe.at(k), paleta, faixa);
        ultima = horas;
    }
    if (ultima) {
        ultima->axis(QCPAxis::atBottom)->setTickLabels(true);
        ultima->axis(QCPAxis::atBottom)->setLabel(QStringLiteral("Project day"));
    }
}

} // namespace

void MontaGraficoEquipe(QCustomPlot& grafico, const TAnaliseJogo& analise,
                        const TPaletaGrafico& paleta) {
    TituloDebrief(grafico, QStringLiteral("Team: exhaustion and hours, one row a developer"),
                  NotaPasso(analise));
    QCPAxisRect* primeira = grafico.xAxis->axisRect();
    EixoDias(*primeira, analise);
    const QCPRange faixa = FaixaExaustao(analise);
    // Four developers or more share the page in two columns, each with its
    // own strip of marks: one column of them would leave each row too low to read.
    const int n = static_cast<int>(analise.Equipe.size());
    const int colunas = n >= 4 ? 2 : 1;
    QCPLayoutGrid& topo = *grafico.plotLayout();
    const int linha = topo.rowCount() - 1; // the first plot's row
    topo.take(primeira);
    topo.simplify();
    auto* grade = new QCPLayoutGrid;
    topo.addElement(linha, 0, grade);
    grade->setColumnSpacing(24);
    grade->setRowSpacing(0);
    QCPAxisRect* marcas = nullptr;
    for (int c = 0; c < colunas; ++c) {
        auto* coluna = new QCPLayoutGrid;
        grade->addElement(0, c, coluna);
        coluna->setRowSpacing(4);
        QCPAxisRect* faixaColuna = NovaFaixaMarcos(grafico, analise, TiposMarcosDias(), paleta);
        marcas = marcas ? marcas : faixaColuna;
        coluna->addElement(0, 0, faixaColuna);
        coluna->setRowStretchFactor(0, EsticaFaixaMarcos * colunas);
        QList<int> quais;
        for (int k = c; k < n; k += colunas) {
            quais.append(k);
        }
        ColunaDesenvolvedores(*coluna, c == 0 ? primeira : nullptr, quais, analise, paleta, faixa);
        if (n == 0) {
            coluna->addElement(1, 0, primeira);
        }
    }
    // Each kind of mark and line in the legend once: the marks of the first
    // strip, and the entries below for the developers' lines.
    for (int i = 0; i < grafico.plottableCount(); ++i) {
        if (grafico.plottable(i)->valueAxis()->axisRect() != marcas) {
            grafico.plottable(i)->removeFromLegend();
        }
    }
    EntradaLegenda(grafico, QStringLiteral("exhaustion (below 0: rest in hand)"),
                   QPen(paleta.Texto, 2));
    EntradaLegenda(grafico, QStringLiteral("hours a day"), QPen(paleta.Texto, 1.6, Qt::DashLine));
    EntradaLegenda(grafico, QStringLiteral("warning level"), CanetaNivel(paleta, Qt::DashLine));
    EntradaLegenda(grafico, QStringLiteral("exhaustion level"), CanetaNivel(paleta, Qt::SolidLine));
    EntradaLegenda(grafico, QStringLiteral("exhausted: hours forced to 8, Work Hours locked until rested"),
                   QPen(Qt::NoPen), Sombra(paleta));
    if (analise.Equipe.isEmpty()) {
        primeira->axis(QCPAxis::atLeft)->setRange(faixa);
        AvisoGrafico(*primeira, paleta,
                     analise.Dias.isEmpty() ? SemDias() : QStringLiteral("Nobody was in the team"));
    }
    FinalizaGrafico(grafico, paleta, 3);
}
