#pragma once

#include "AbaDebrief.h"

class QTableView;
class TModeloDecisoes;

// The Decisions tab: the timeline chart over the list of every decision.
// Choosing a decision marks its day on the charts; a double click (or
// Enter) asks to see it on one.
class TAbaDecisoes : public TAbaGrafico {
    Q_OBJECT
public:
    TAbaDecisoes(int indice, QWidget* parent = nullptr);

    void Mostra(const TAnaliseJogo& analise) override;
    void Esquece() override;
    QTableView* Lista() const { return FLista; }

private:
    void Escolhida(const QModelIndex& indice);

    TModeloDecisoes* FModelo;
    QTableView* FLista;
};
