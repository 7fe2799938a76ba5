#pragma once

#include "analise/AnaliseJogo.h"

#include <QAbstractListModel>
#include <QAbstractTableModel>

// The debrief's lists as item models, over the analysis the window holds:
// each line's text is made only when a view asks for it. Role RoleDia gives
// the day a line names.
inline constexpr int RoleDia = Qt::UserRole + 1;

// The player's decisions: day, kind and what was decided.
class TModeloDecisoes : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    void Define(const TAnaliseJogo* analise);

    int rowCount(const QModelIndex& pai = {}) const override;
    int columnCount(const QModelIndex& pai = {}) const override;
    QVariant data(const QModelIndex& indice, int role = Qt::DisplayRole) const override;
    QVariant headerData(int secao, Qt::Orientation orientacao, int role) const override;

private:
    const TAnaliseJogo* FAnalise = nullptr;
};

// The game's messages as its message panel shows them ("Day 6: ..."), and
// the debrief's own notes among them, marked as such and in italics.
class TModeloMensagens : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    void Define(const TAnaliseJogo* analise);

    int rowCount(const QModelIndex& pai = {}) const override;
    QVariant data(const QModelIndex& indice, int role = Qt::DisplayRole) const override;

    // The line of a message, as the list shows it.
    static QString Linha(const TMensagemDebrief& mensagem);

private:
    const TAnaliseJogo* FAnalise = nullptr;
};
