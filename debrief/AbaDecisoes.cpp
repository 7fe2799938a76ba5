#include "AbaDecisoes.h"

#include "ModelosDebrief.h"

#include <QHeaderView>
#include <QTableView>
#include <QVBoxLayout>

TAbaDecisoes::TAbaDecisoes(int indice, QWidget* parent)
    : TAbaGrafico(indice, parent), FModelo(new TModeloDecisoes(this)), FLista(new QTableView(this)) {
    FLista->setObjectName(QStringLiteral("ListaDecisoes"));
    FLista->setModel(FModelo);
    FLista->setSelectionBehavior(QAbstractItemView::SelectRows);
    FLista->setSelectionMode(QAbstractItemView::SingleSelection);
    FLista->setEditTriggers(QAbstractItemView::NoEditTriggers);
    FLista->verticalHeader()->hide();
    FLista->horizontalHeader()->setStretchLastSection(true);
    // Rows of one height: the view need not measure them all.
    FLista->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    FLista->setWordWrap(false);
    Coluna()->addWidget(FLista, 0);
    FLista->setMinimumHeight(120);
    FLista->setMaximumHeight(200);
    connect(FLista->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &TAbaDecisoes::Escolhida);
    connect(FLista, &QAbstractItemView::activated, this,
            [this](const QModelIndex& i) { emit DiaPedido(i.data(RoleDia).toDouble()); });
}

void TAbaDecisoes::Mostra(const TAnaliseJogo& analise) {
    TAbaGrafico::Mostra(analise);
    FModelo->Define(&analise);
    FLista->resizeColumnToContents(0);
    FLista->resizeColumnToContents(1);
}

void TAbaDecisoes::Esquece() {
    // The tab in view is shown the new analysis at once, before anything
    // paints: only a hidden one is emptied.
    if (!isVisible()) {
        FModelo->Define(nullptr);
    }
}

void TAbaDecisoes::Escolhida(const QModelIndex& indice) {
    if (indice.isValid()) {
        emit DiaEscolhido(indice.data(RoleDia).toDouble());
    }
}
