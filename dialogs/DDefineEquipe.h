// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dialogs/DialogoCentrado.h"
#include <QList>

class QFont;
class QLabel;
class QPainter;
class QTableWidget;
class TBotaoRapido;
class TDesenvolvedor;

// The team definition dialog: one tall row per pool developer; SPACE or a
// double click puts the developer of the current row into the project's team
// or takes him out, on the project's own list, at once.
class TDlgDefinicaoEquipe : public TDialogoCentrado {
    Q_OBJECT
public:
    explicit TDlgDefinicaoEquipe(QWidget* parent = nullptr);

    // Keeps both lists (neither owned; equipe is edited in place) and gives the
    // grid one row per developer of todos. The current row is kept.
    void MostraEquipe(QList<TDesenvolvedor*>* equipe, const QList<TDesenvolvedor*>* todos);

    // Draws the cell of row linha (the developer lista[linha]) in r: picture,
    // name, hourly cost, five experience words, the team status taken from
    // equipe, and a 4-px lime frame when selecionado. The column is not used.
    // Leaves the painter's font regular.
    static void DesenhaCelula(QPainter& canvas, const QFont& fonte,
                              const QList<TDesenvolvedor*>& equipe,
                              const QList<TDesenvolvedor*>& lista, int coluna, int linha,
                              const QRect& r, bool selecionado);

    // Puts the developer of the current row into the team, or takes him out.
    void AlternaDesenvolvedor();

    QTableWidget* GrTodos() const { return FGrTodos; }
    QLabel* Label1() const { return FLabel1; }
    TBotaoRapido* BtFecha() const { return FBtFecha; }
    const QList<TDesenvolvedor*>* ListaEquipe() const { return FListaEquipe; }
    const QList<TDesenvolvedor*>* ListaTodos() const { return FListaTodos; }

    static constexpr int LarguraColuna = 460;
    static constexpr int AlturaLinha = 100;

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;
    void showEvent(QShowEvent* evento) override;

private:
    QList<TDesenvolvedor*>* FListaEquipe = nullptr;
    const QList<TDesenvolvedor*>* FListaTodos = nullptr;
    QTableWidget* FGrTodos;
    QLabel* FLabel1;
    TBotaoRapido* FBtFecha;
};
