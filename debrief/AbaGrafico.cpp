// SPDX-License-Identifier: GPL-3.0-or-later
#include "debrief/AbaDebrief.h"

#include "debrief/DicaGrafico.h"
#include "debrief/EstiloDebrief.h"
#include "debrief/GraficosDebrief.h"
#include "graficos/PaletaGrafico.h"

#include <qcustomplot.h>

#include <QMouseEvent>
#include <QVBoxLayout>

TAbaGrafico::TAbaGrafico(int indice, QWidget* parent)
    : TAbaDebrief(parent), FIndice(indice), FGrafico(new QCustomPlot(this)),
      FColuna(new QVBoxLayout(this)) {
    FColuna->setContentsMargins(0, 0, 0, 0);
    FColuna->addWidget(FGrafico, 1);
    InstalaDicas(*FGrafico);
    // The charts a player reads a day to go back to off.
    if (indice == GraficoCusto || indice == GraficoCronograma) {
        connect(FGrafico, &QCustomPlot::mousePress, this,
                [this](QMouseEvent* evento) { Clique(evento, false); });
        connect(FGrafico, &QCustomPlot::mouseDoubleClick, this,
                [this](QMouseEvent* evento) { Clique(evento, true); });
    }
}

void TAbaGrafico::Clique(QMouseEvent* evento, bool duplo) {
    if (evento->button() != Qt::LeftButton) {
        return;
    }
    const int dia = DiaEm(*FGrafico, evento->position());
    if (dia < 0) {
        return;
    }
    if (duplo) {
        emit JogoDoDiaPedido(dia);
    } else {
        emit DiaClicado(dia);
    }
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
