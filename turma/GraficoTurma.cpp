// SPDX-License-Identifier: GPL-3.0-or-later
#include "turma/GraficoTurma.h"

#include "graficos/ExportaGraficos.h"
#include "graficos/FaixaGrafico.h"
#include "graficos/PaletaGrafico.h"

#include <qcustomplot.h>

#include <algorithm>

namespace {

struct TSerie {
    QList<double> Dias;
    QList<double> Custos;

    void Acrescenta(double dias, double custo) {
        Dias.append(dias);
        Custos.append(custo);
    }
};

// The games a point stands for: counted (no practice game), concluded, with
// days and cost read.
TSerie Pontos(const QList<TLinhaTurma>& linhas, EConferencia conferencia) {
    TSerie serie;
    for (const TLinhaTurma& l : linhas) {
        if (l.Conferencia == conferencia && l.Concluido.value_or(false) && l.Dias && l.Custo &&
            !l.Pratica) {
            serie.Acrescenta(*l.Dias, *l.Custo);
        }
    }
    return serie;
}

QCPGraph* Serie(QCustomPlot& grafico, const TSerie& serie, const QString& nome) {
    QCPGraph* g = grafico.addGraph();
    g->setData(serie.Dias, serie.Custos);
    g->setName(nome);
    g->setLineStyle(QCPGraph::lsNone);
    return g;
}

void DesenhaFrente(QCustomPlot& grafico, const QList<TPontoFrente>& frente,
                   const TPaletaGrafico& paleta) {
    TSerie serie;
    for (const TPontoFrente& p : frente) {
        serie.Acrescenta(p.Dias, p.Custo);
    }
    QCPGraph* g = Serie(grafico, serie, QStringLiteral("best-known front"));
    g->setLineStyle(QCPGraph::lsStepLeft);
    g->setPen(QPen(paleta.Amarelo, 2));
    g->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssCircle, paleta.Amarelo, 5));
}

void DesenhaReferencias(QCustomPlot& grafico, const QList<TReferenciaTurma>& referencias,
                        const TPaletaGrafico& paleta) {
    TSerie serie;
    for (const TReferenciaTurma& r : referencias) {
        serie.Acrescenta(r.Dias, r.Custo);
        auto* rotulo = new QCPItemText(&grafico);
        rotulo->position->setCoords(r.Dias, r.Custo);
        rotulo->setPositionAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        rotulo->setPadding(QMargins(10, 0, 0, 0));
        rotulo->setFont(FonteGrafico(8));
        rotulo->setColor(paleta.Texto);
        rotulo->setText(QStringLiteral("%1: %2 days, %3")
                            .arg(r.Nome, QString::number(r.Dias), QString::number(r.Custo, 'f', 2)));
    }
    QCPGraph* g = Serie(grafico, serie, QStringLiteral("reference runs"));
    g->setScatterStyle(
        QCPScatterStyle(QCPScatterStyle::ssDiamond, QPen(paleta.Texto, 1.5), paleta.Prata, 11));
}

// Room around the points, and on the right for the labels.
void AjustaEixos(QCustomPlot& grafico) {
    const auto [x, y] =
        FaixaDosGraficos(grafico).value_or(std::pair(QCPRange(0, 100), QCPRange(0, 1000)));
    const double largura = std::max(x.size(), 10.0);
    const double altura = std::max(y.size(), 1000.0);
    grafico.xAxis->setRange(x.lower - 0.06 * largura, x.upper + 0.3 * largura);
    grafico.yAxis->setRange(y.lower - 0.1 * altura, y.upper + 0.1 * altura);
}

} // namespace

void MontaGraficoTurma(QCustomPlot& grafico, const QList<TLinhaTurma>& linhas,
                       const QList<TReferenciaTurma>& referencias,
                       const QList<TPontoFrente>& frente) {
    const TPaletaGrafico paleta = TPaletaGrafico::Papel();
    PoeTituloGrafico(grafico, QStringLiteral("Class results"));
    grafico.xAxis->setLabel(QStringLiteral("Days"));
    grafico.yAxis->setLabel(QStringLiteral("Cost"));
    grafico.yAxis->setNumberFormat(QStringLiteral("f"));
    grafico.yAxis->setNumberPrecision(0);

    if (!frente.isEmpty()) {
        DesenhaFrente(grafico, frente, paleta);
    }
    const TSerie verificados = Pontos(linhas, EConferencia::Verificado);
    QCPGraph* v = Serie(grafico, verificados,
                        QStringLiteral("verified games (%1)").arg(verificados.Dias.size()));
    v->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssDisc, paleta.Lima, 7));
    const TSerie divergentes = Pontos(linhas, EConferencia::Divergente);
    if (!divergentes.Dias.isEmpty()) {
        QCPGraph* d =
            Serie(grafico, divergentes,
                  QStringLiteral("mismatch, as claimed (%1)").arg(divergentes.Dias.size()));
        d->setScatterStyle(
            QCPScatterStyle(QCPScatterStyle::ssCross, QPen(paleta.Alerta, 2), Qt::NoBrush, 10));
    }
    // Last, so that a game with the same result leaves them visible.
    DesenhaReferencias(grafico, referencias, paleta);
    AjustaEixos(grafico);
    // The legend in a row of its own below the chart, clear of every point.
    grafico.legend->setVisible(true);
    grafico.axisRect()->insetLayout()->take(grafico.legend);
    grafico.plotLayout()->addElement(2, 0, grafico.legend);
    grafico.plotLayout()->setRowStretchFactor(2, 0.001);
    grafico.legend->setFillOrder(QCPLayoutGrid::foColumnsFirst);
    AplicaPaleta(grafico, paleta);
    grafico.legend->setBorderPen(Qt::NoPen);
}

bool ExportaGraficoTurma(const QString& caminho, const QList<TLinhaTurma>& linhas,
                         const QList<TReferenciaTurma>& referencias,
                         const QList<TPontoFrente>& frente, QString& erro) {
    QCustomPlot grafico;
    MontaGraficoTurma(grafico, linhas, referencias, frente);
    return ExportaGraficos({&grafico}, caminho, TamanhoGraficoTurma, erro, 2.0);
}
