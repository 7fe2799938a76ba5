#pragma once

#include "AbaDebrief.h"

class QLabel;
class QLineEdit;
class QListView;
class QSortFilterProxyModel;
class TModeloMensagens;

// The Messages tab: the game's message log, every line of it (the game's
// panel keeps the last fifty), with the debrief's notes among them. Typing
// in the search field keeps the lines that hold the text, in any case;
// choosing a line marks its day on the charts, a double click (or Enter)
// asks to see it on one.
class TAbaMensagens : public TAbaDebrief {
    Q_OBJECT
public:
    explicit TAbaMensagens(QWidget* parent = nullptr);

    void Mostra(const TAnaliseJogo& analise) override;
    void Esquece() override;

    QLineEdit* Busca() const { return FBusca; }
    QListView* Lista() const { return FLista; }
    // "12 of 300 messages"
    QString Contagem() const;

private:
    void Filtra(const QString& texto);
    void Escolhida(const QModelIndex& indice);
    void AtualizaContagem();

    TModeloMensagens* FModelo;
    QSortFilterProxyModel* FFiltro;
    QLineEdit* FBusca;
    QListView* FLista;
    QLabel* FContagem;
    qsizetype FOmitidas = 0;
};
