#include "EstiloDebrief.h"

#include "graficos/PaletaGrafico.h"

#include <qcustomplot.h>

#include <algorithm>
#include <cmath>

namespace {
const char* const PropriedadeDica = "orvantaDica";
}

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

QSharedPointer<QCPAxisTicker> MarcasInteiras() {
    QSharedPointer<QCPAxisTickerFixed> marcas(new QCPAxisTickerFixed);
    marcas->setTickStep(1.0);
    marcas->setScaleStrategy(QCPAxisTickerFixed::ssMultiples);
    return marcas;
}

void EixoDias(QCPAxis& eixo, double dias) {
    eixo.setLabel(QStringLiteral("Project day"));
    eixo.setTicker(MarcasInteiras());
    eixo.setNumberFormat(QStringLiteral("f"));
    eixo.setNumberPrecision(0);
    eixo.setRange(0.0, std::max(dias, 1.0) + 0.5);
}

QCPGraph* LinhaDias(QCustomPlot& grafico, const QList<double>& dias, const QList<double>& valores,
                    const QString& nome, const QPen& caneta, QCPAxis* eixoValores) {
    QCPGraph* linha = eixoValores ? grafico.addGraph(grafico.xAxis, eixoValores) : grafico.addGraph();
    linha->setName(nome);
    linha->setData(dias, valores, true);
    linha->setPen(caneta);
    return linha;
}

QCPBars* BarrasDias(QCPAxis& x, QCPAxis& y, const QList<double>& dias, const QList<double>& valores,
                    const QString& nome, const QColor& cor) {
    auto* barras = new QCPBars(&x, &y);
    barras->setName(nome);
    barras->setData(dias, valores, true);
    barras->setWidth(0.7);
    barras->setPen(Qt::NoPen);
    barras->setBrush(cor);
    return barras;
}

double MaiorValor(const QList<double>& valores, double minimo) {
    const auto maior = std::max_element(valores.cbegin(), valores.cend());
    return maior == valores.cend() ? minimo : std::max(*maior, minimo);
}

void FinalizaGrafico(QCustomPlot& grafico, const TPaletaGrafico& paleta, int colunas) {
    grafico.legend->setVisible(true);
    grafico.axisRect()->insetLayout()->take(grafico.legend);
    const int linha = grafico.plotLayout()->rowCount();
    grafico.plotLayout()->addElement(linha, 0, grafico.legend);
    grafico.plotLayout()->setRowStretchFactor(linha, 0.001);
    // The wrap first: changing the fill order lays the entries out again.
    grafico.legend->setWrap(colunas);
    grafico.legend->setFillOrder(QCPLayoutGrid::foColumnsFirst);
    AplicaPaleta(grafico, paleta);
    grafico.legend->setBorderPen(Qt::NoPen);
}

void PoeDica(QCPAbstractItem& item, const QString& dica) {
    item.setProperty(PropriedadeDica, dica);
}

QString DicaDe(const QCPAbstractItem& item) {
    return item.property(PropriedadeDica).toString();
}

QString Numero(double valor, int casas) {
    if (std::abs(valor - std::round(valor)) < 1e-9) {
        return QString::number(std::round(valor) + 0.0, 'f', 0);
    }
    return QString::number(valor, 'f', casas);
}
