// SPDX-License-Identifier: GPL-3.0-or-later
#include "debrief/EstiloDebrief.h"

#include "analise/AnaliseJogo.h"
#include "graficos/PaletaGrafico.h"

#include <qcustomplot.h>

#include <algorithm>
#include <cmath>

namespace {

const char* const PropriedadeDica = "orvantaDica";
const char* const PropriedadeDicas = "orvantaDicas";
const char* const PropriedadeCasas = "orvantaCasas";
const char* const PropriedadeDias = "orvantaDias";
const char* const NomeFoco = "orvantaDiaFoco";

// More bars than this and they no longer show apart on a page.
constexpr int MaximoBarras = 400;

} // namespace

void EsvaziaGrafico(QCustomPlot& grafico) {
    grafico.clearItems();
    grafico.clearPlottables();
    // Clearing the layout deletes the axis rectangles and the legend, and
    // with them the chart's pointers to them; they are made again as the
    // chart's constructor makes them.
    grafico.plotLayout()->clear();
    grafico.plotLayout()->simplify();
    const auto grupos = grafico.findChildren<QCPMarginGroup*>(Qt::FindDirectChildrenOnly);
    qDeleteAll(grupos);
    auto* area = new QCPAxisRect(&grafico, true);
    grafico.plotLayout()->addElement(0, 0, area);
    grafico.xAxis = area->axis(QCPAxis::atBottom);
    grafico.yAxis = area->axis(QCPAxis::atLeft);
    grafico.xAxis2 = area->axis(QCPAxis::atTop);
    grafico.yAxis2 = area->axis(QCPAxis::atRight);
    grafico.legend = new QCPLegend;
    grafico.legend->setVisible(false);
    area->insetLayout()->addElement(grafico.legend, Qt::AlignRight | Qt::AlignTop);
    area->insetLayout()->setMargins(QMargins(12, 12, 12, 12));
    grafico.legend->setLayer(QStringLiteral("legend"));
}

void TituloDebrief(QCustomPlot& grafico, const QString& titulo, const QString& nota) {
    PoeTituloGrafico(grafico, titulo);
    grafico.setLocale(LocalDebrief());
    if (!nota.isEmpty()) {
        grafico.plotLayout()->insertRow(1);
        auto* texto = new QCPTextElement(&grafico, nota, FonteGrafico(8));
        grafico.plotLayout()->addElement(1, 0, texto);
    }
}

QString NotaPasso(const TAnaliseJogo& analise) {
    if (analise.Passo <= 1) {
        return {};
    }
    return QStringLiteral("A long game: each point stands for %1 days, the day's cost and hours "
                          "their mean, the other values those of the last day")
        .arg(TextoInteiro(analise.Passo));
}

QSharedPointer<QCPAxisTicker> MarcasInteiras() {
    QSharedPointer<QCPAxisTickerFixed> marcas(new QCPAxisTickerFixed);
    marcas->setTickStep(1.0);
    marcas->setScaleStrategy(QCPAxisTickerFixed::ssMultiples);
    return marcas;
}

void EixoDias(QCPAxisRect& area, const TAnaliseJogo& analise) {
    QCPAxis* eixo = area.axis(QCPAxis::atBottom);
    eixo->setLabel(QStringLiteral("Project day"));
    eixo->setTicker(MarcasInteiras());
    eixo->setNumberFormat(QStringLiteral("f"));
    eixo->setNumberPrecision(0);
    const double dias = analise.Dias.isEmpty() ? 10.0 : std::max(analise.Dias.constLast(), 1.0);
    // Half a day either side: a mark on day 0 or on the last day shows whole.
    eixo->setRange(-0.5, dias + 0.5);
    area.setProperty(PropriedadeDias, true);
}

QCPAxisRect* NovaAreaDias(QCustomPlot& grafico, const TAnaliseJogo& analise, double estica) {
    auto* area = new QCPAxisRect(&grafico);
    const int linha = grafico.plotLayout()->rowCount();
    grafico.plotLayout()->addElement(linha, 0, area);
    grafico.plotLayout()->setRowStretchFactor(linha, estica);
    EixoDias(*area, analise);
    return area;
}

QCPGraph* LinhaDias(QCPAxisRect& area, const QList<double>& dias, const QList<double>& valores,
                    const QString& nome, const QPen& caneta, int casas) {
    QCPGraph* linha = area.parentPlot()->addGraph(area.axis(QCPAxis::atBottom),
                                                  area.axis(QCPAxis::atLeft));
    linha->setName(nome);
    linha->setData(dias, valores, true);
    linha->setPen(caneta);
    linha->setProperty(PropriedadeCasas, casas);
    return linha;
}

QCPAbstractPlottable* BarrasDias(QCPAxisRect& area, const TAnaliseJogo& analise,
                                 const QList<double>& valores, const QString& nome,
                                 const QColor& cor, int casas) {
    QCPAxis* x = area.axis(QCPAxis::atBottom);
    QCPAxis* y = area.axis(QCPAxis::atLeft);
    if (analise.Passo > 1 || analise.Dias.size() > MaximoBarras) {
        QCPGraph* degraus = LinhaDias(area, analise.Dias, valores, nome, QPen(cor.darker(130)), casas);
        degraus->setLineStyle(QCPGraph::lsStepRight);
        degraus->setBrush(cor);
        return degraus;
    }
    auto* barras = new QCPBars(x, y);
    barras->setName(nome);
    barras->setData(analise.Dias, valores, true);
    barras->setWidth(0.7);
    barras->setPen(Qt::NoPen);
    barras->setBrush(cor);
    barras->setProperty(PropriedadeCasas, casas);
    // Upright rectangles need no smoothing, and smoothing eighty of them is
    // most of the time a turn's redraw takes.
    barras->setAntialiased(false);
    barras->setAntialiasedFill(false);
    return barras;
}

void EntradaLegenda(QCustomPlot& grafico, const QString& nome, const QPen& caneta,
                    const QBrush& preenche) {
    if (preenche.style() != Qt::NoBrush) {
        auto* caixa = new QCPBars(grafico.xAxis, grafico.yAxis);
        caixa->setName(nome);
        caixa->setPen(caneta);
        caixa->setBrush(preenche);
        return;
    }
    QCPGraph* linha = grafico.addGraph(grafico.xAxis, grafico.yAxis);
    linha->setName(nome);
    linha->setPen(caneta);
}

double MaiorValor(const QList<double>& valores, double minimo) {
    const auto maior = std::max_element(valores.cbegin(), valores.cend());
    return maior == valores.cend() ? minimo : std::max(*maior, minimo);
}

double MenorValor(const QList<double>& valores, double maximo) {
    const auto menor = std::min_element(valores.cbegin(), valores.cend());
    return menor == valores.cend() ? maximo : std::min(*menor, maximo);
}

QString SemDias() {
    return QStringLiteral("No day played yet: the chart fills in as the game goes on");
}

void AvisoGrafico(QCPAxisRect& area, const TPaletaGrafico& paleta, const QString& texto) {
    auto* item = new QCPItemText(area.parentPlot());
    item->setClipAxisRect(&area);
    item->position->setAxisRect(&area);
    item->position->setType(QCPItemPosition::ptAxisRectRatio);
    item->position->setCoords(0.5, 0.5);
    item->setText(texto);
    item->setFont(FonteGrafico(11));
    item->setColor(paleta.Texto);
}

void FinalizaGrafico(QCustomPlot& grafico, const TPaletaGrafico& paleta, int colunas) {
    const QList<QCPAxisRect*> areas = grafico.axisRects();
    if (areas.size() > 1) {
        auto* margens = new QCPMarginGroup(&grafico);
        for (QCPAxisRect* area : areas) {
            area->setMarginGroup(QCP::msLeft | QCP::msRight, margens);
        }
    }
    if (QCPLayout* onde = grafico.legend->layout()) {
        onde->take(grafico.legend);
    }
    if (grafico.legend->itemCount() > 0) {
        grafico.legend->setVisible(true);
        const int linha = grafico.plotLayout()->rowCount();
        grafico.plotLayout()->addElement(linha, 0, grafico.legend);
        grafico.plotLayout()->setRowStretchFactor(linha, 0.001);
        // The wrap first: changing the fill order lays the entries out again.
        grafico.legend->setWrap(colunas);
        grafico.legend->setFillOrder(QCPLayoutGrid::foColumnsFirst);
    } else {
        // Out of every layout, the legend would be drawn nowhere but leak.
        grafico.xAxis->axisRect()->insetLayout()->addElement(grafico.legend,
                                                            Qt::AlignRight | Qt::AlignTop);
        grafico.legend->setVisible(false);
    }
    AplicaPaleta(grafico, paleta);
    grafico.legend->setBorderPen(Qt::NoPen);
}

void PoeDica(QCPAbstractItem& item, const QString& dica) {
    item.setProperty(PropriedadeDica, dica);
}

QString DicaDe(const QCPAbstractItem& item) {
    return item.property(PropriedadeDica).toString();
}

void PoeDicasPontos(QCPAbstractPlottable& serie, const QStringList& dicas) {
    serie.setProperty(PropriedadeDicas, dicas);
}

QStringList DicasPontos(const QCPAbstractPlottable& serie) {
    return serie.property(PropriedadeDicas).toStringList();
}

int CasasDe(const QCPAbstractPlottable& serie) {
    const QVariant casas = serie.property(PropriedadeCasas);
    return casas.isValid() ? casas.toInt() : -1;
}

void TracejadosDeTela(QCustomPlot& grafico) {
    for (int i = 0; i < grafico.graphCount(); ++i) {
        QCPGraph* linha = grafico.graph(i);
        QPen caneta = linha->pen();
        if (caneta.style() == Qt::SolidLine || caneta.style() == Qt::NoPen) {
            continue;
        }
        caneta.setWidthF(std::max(1.0, std::round(caneta.widthF())));
        linha->setPen(caneta);
        linha->setAntialiased(false);
    }
}

int DiaEm(const QCustomPlot& grafico, const QPointF& pos) {
    for (QCPAxisRect* area : grafico.axisRects()) {
        if (!area->property(PropriedadeDias).toBool() || !area->rect().contains(pos.toPoint())) {
            continue;
        }
        const double dia = area->axis(QCPAxis::atBottom)->pixelToCoord(pos.x());
        return dia < -0.5 ? -1 : static_cast<int>(std::lround(std::max(dia, 0.0)));
    }
    return -1;
}

void MarcaDiaFoco(QCustomPlot& grafico, double dia, const QColor& cor) {
    for (int i = grafico.itemCount() - 1; i >= 0; --i) {
        if (grafico.item(i)->objectName() == QLatin1String(NomeFoco)) {
            grafico.removeItem(i);
        }
    }
    if (dia < 0.0) {
        return;
    }
    for (QCPAxisRect* area : grafico.axisRects()) {
        if (!area->property(PropriedadeDias).toBool()) {
            continue;
        }
        auto* linha = new QCPItemStraightLine(&grafico);
        linha->setObjectName(QLatin1String(NomeFoco));
        linha->setClipAxisRect(area);
        for (QCPItemPosition* p : {linha->point1, linha->point2}) {
            p->setAxes(area->axis(QCPAxis::atBottom), area->axis(QCPAxis::atLeft));
            p->setTypeY(QCPItemPosition::ptAxisRectRatio);
            p->setAxisRect(area);
        }
        linha->point1->setCoords(dia, 0.0);
        linha->point2->setCoords(dia, 1.0);
        linha->setPen(QPen(cor, 2));
        linha->setSelectable(false);
        PoeDica(*linha, QStringLiteral("Day %1").arg(TextoInteiro(dia)));
    }
}
