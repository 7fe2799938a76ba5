#include "MontagemGraficos.h"

#include "EstiloDebrief.h"
#include "analise/AnaliseJogo.h"
#include "graficos/PaletaGrafico.h"
#include "model/mDesenvolvedor.h"

#include <qcustomplot.h>


namespace {

void DesenhaNivel(QCustomPlot& grafico, double nivel, const QString& nome,
                  const TPaletaGrafico& paleta, Qt::PenStyle estilo) {
    auto* linha = new QCPItemStraightLine(&grafico);
    linha->point1->setCoords(0.0, nivel);
    linha->point2->setCoords(1.0, nivel);
    linha->setPen(QPen(paleta.Alerta, 1, estilo));
    PoeDica(*linha, QStringLiteral("%1 level: %2").arg(nome, Numero(nivel)));
    auto* rotulo = new QCPItemText(&grafico);
    rotulo->position->setType(QCPItemPosition::ptAxisRectRatio);
    rotulo->position->setAxes(grafico.xAxis, grafico.yAxis);
    rotulo->position->setTypeY(QCPItemPosition::ptPlotCoords);
    rotulo->position->setCoords(0.005, nivel);
    rotulo->setPositionAlignment(Qt::AlignLeft | Qt::AlignBottom);
    rotulo->setText(nome);
    rotulo->setFont(FonteGrafico(8));
    rotulo->setColor(paleta.Alerta);
}

void SombreiaExausto(QCustomPlot& grafico, const TSerieDesenvolvedor& s, const QColor& cor) {
    QColor fundo = cor;
    fundo.setAlpha(45);
    for (const TIntervaloDias& faixa : s.Exausto) {
        auto* area = new QCPItemRect(&grafico);
        area->topLeft->setTypeY(QCPItemPosition::ptAxisRectRatio);
        area->bottomRight->setTypeY(QCPItemPosition::ptAxisRectRatio);
        area->topLeft->setCoords(faixa.Inicio, 0.0);
        area->bottomRight->setCoords(faixa.Fim, 1.0);
        area->setPen(Qt::NoPen);
        area->setBrush(fundo);
        area->setLayer(QStringLiteral("background"));
        PoeDica(*area, QStringLiteral("%1 exhausted: days %2 to %3")
                           .arg(s.Nome, Numero(faixa.Inicio), Numero(faixa.Fim)));
    }
}

} // namespace

void MontaGraficoEquipe(QCustomPlot& grafico, const TAnaliseJogo& analise,
                        const TPaletaGrafico& paleta) {
    PoeTituloGrafico(grafico, QStringLiteral("Team: hours and exhaustion"));
    EixoDias(*grafico.xAxis, analise.Dias.size());
    grafico.yAxis->setLabel(QStringLiteral("Exhaustion"));
    grafico.yAxis2->setVisible(true);
    grafico.yAxis2->setLabel(QStringLiteral("Hours a day"));
    double maximo = TDesenvolvedor::LimiteExaustao;
    for (int k = 0; k < analise.Equipe.size(); ++k) {
        const TSerieDesenvolvedor& s = analise.Equipe.at(k);
        const QColor cor = paleta.Serie(s.Posicao);
        SombreiaExausto(grafico, s, cor);
        LinhaDias(grafico, analise.Dias, s.Exaustao, s.Nome + QStringLiteral(": exhaustion"),
                  QPen(cor, 2));
        LinhaDias(grafico, analise.Dias, s.Horas, s.Nome + QStringLiteral(": hours"),
                  QPen(cor, 1, Qt::DashLine), grafico.yAxis2)
            ->setLineStyle(QCPGraph::lsStepCenter);
        maximo = MaiorValor(s.Exaustao, maximo);
    }
    DesenhaNivel(grafico, TDesenvolvedor::LimiteAviso, QStringLiteral("warning"), paleta, Qt::DashLine);
    DesenhaNivel(grafico, TDesenvolvedor::LimiteExaustao, QStringLiteral("exhaustion"), paleta,
                 Qt::SolidLine);
    grafico.yAxis->setRange(0.0, maximo * 1.1);
    grafico.yAxis2->setRange(0.0, 13.0);
    FinalizaGrafico(grafico, paleta);
}
