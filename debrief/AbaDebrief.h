// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QCustomPlot;
class QMouseEvent;
class QVBoxLayout;
struct TAnaliseJogo;

// A tab of the debrief window. The window gives every tab each new analysis
// of the game, but a tab draws it only when it is in view (Mostra), so a
// turn costs the drawing of one tab. A new tab is a subclass added to the
// window's list.
class TAbaDebrief : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

    // Draws analise, which stays as it is until Esquece.
    virtual void Mostra(const TAnaliseJogo& analise) = 0;
    // The analysis last shown is about to change: a tab that reads it later
    // (a list's model) lets go of it until it is shown again.
    virtual void Esquece() {}
    // Marks dia on the tab's day axes (none for a negative dia). The window
    // calls it on the tab in view; the others are drawn with it later.
    virtual void MarcaDia(double dia) { Q_UNUSED(dia); }
    // The chart the tab shows, in the order of NomesGraficosDebrief; none
    // for a tab that is not one of the exported charts.
    virtual QCustomPlot* Grafico() const { return nullptr; }
    virtual int IndiceGrafico() const { return -1; }

signals:
    // The player chose a line naming a day: the day is marked on every chart.
    void DiaEscolhido(double dia);
    // ... and asked to see it there.
    void DiaPedido(double dia);
    // The player clicked on a day of a chart that offers to play again from
    // a day (Cost, Schedule) ...
    void DiaClicado(int dia);
    // ... or double-clicked on it: play from that day.
    void JogoDoDiaPedido(int dia);
};

// A tab of one of the debrief's charts, with hover tips.
class TAbaGrafico : public TAbaDebrief {
    Q_OBJECT
public:
    TAbaGrafico(int indice, QWidget* parent = nullptr);

    void Mostra(const TAnaliseJogo& analise) override;
    // Marked now when in view, else when next shown.
    void MarcaDia(double dia) override;
    QCustomPlot* Grafico() const override { return FGrafico; }
    int IndiceGrafico() const override { return FIndice; }

protected:
    void showEvent(QShowEvent* evento) override;
    // The tab's column, the chart at its top: where a subclass adds more.
    QVBoxLayout* Coluna() const { return FColuna; }

private:
    void AplicaDia();
    void Clique(QMouseEvent* evento, bool duplo);

    int FIndice;
    QCustomPlot* FGrafico;
    QVBoxLayout* FColuna;
    double FDia = -1.0;
    bool FDiaPendente = false;
};
