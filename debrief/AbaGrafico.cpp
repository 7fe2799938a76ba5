#include "AbaDebrief.h"

#include "DicaGrafico.h"
#include "EstiloDebrief.h"
#include "GraficosDebrief.h"
#include "graficos/PaletaGrafico.h"

#include <qcustomplot.h>

#include <QVBoxLayout>

TAbaGrafico::TAbaGrafico(int indice, QWidget* parent)
    : TAbaDebrief(parent), FIndice(indice), FGrafico(new QCustomPlot(this)),
      FColuna(new QVBoxLayout(this)) {
    FColuna->setContentsMargins(0, 0, 0, 0);
    FColuna->addWidget(FGrafico, 1);
    InstalaDicas(*FGrafico);
}

void TAbaGrafico::Mostra(const TAnaliseJogo& analise) {
    EsvaziaGrafico(*FGrafico);
    MontaGraficoDebrief(FIndice, *FGrafico, analise, TPaletaGrafico::Tela());
    TracejadosDeTela(*FGrafico);
    FDiaPendente = true;
    AplicaDia();
    FGrafico->replot(QCustomPlot::rpQueuedReplot);
}

void TAbaGrafico::MarcaDia(double dia) {
    FDia = dia;
    FDiaPendente = true;
    if (isVisible()) {
        AplicaDia();
        FGrafico->replot(QCustomPlot::rpQueuedReplot);
    }
}

void TAbaGrafico::showEvent(QShowEvent* evento) {
    TAbaDebrief::showEvent(evento);
    if (FDiaPendente) {
        AplicaDia();
        FGrafico->replot(QCustomPlot::rpQueuedReplot);
    }
}

void TAbaGrafico::AplicaDia() {
    FDiaPendente = false;
    if (GraficoDeDias(FIndice)) {
        MarcaDiaFoco(*FGrafico, FDia, TPaletaGrafico::Tela().Amarelo);
    }
}
