// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dialogs/DialogoCentrado.h"

class QLabel;
class QPainter;
class TAtividade;
class TBotaoRapido;
class TProjetoSoftware;

// Read-only information sheet of one activity, with the activity drawn on the
// left as a white disc joined to its developer's picture.
class TDlgDetalhesAtividade : public TDialogoCentrado {
    Q_OBJECT
public:
    explicit TDlgDetalhesAtividade(QWidget* parent = nullptr);

    // Keeps both references (neither owned), fills the labels and repaints the drawing.
    void MostraAtividade(TProjetoSoftware* projeto, TAtividade* a);

    // The star diagram of a over an area of the given size.
    static void DesenhaEstrela(QPainter& canvas, const QSize& area, const TAtividade* a);

    TAtividade* Atividade() const { return FAtividade; }
    TProjetoSoftware* Projeto() const { return FProjeto; }
    QWidget* AreaDesenho() const { return FAreaDesenho; }
    QLabel* LbNome() const { return FLbNome; }
    QLabel* LbTipo() const { return FLbTipo; }
    QLabel* LbPercentual() const { return FLbPercentual; }
    QLabel* LbTempoExecutado() const { return FLbTempoExecutado; }
    QLabel* LbDuracao() const { return FLbDuracao; }
    QLabel* LbErrosEncontrados() const { return FLbErrosEncontrados; }
    QWidget* PnErros() const { return FPnErros; }
    TBotaoRapido* BtFecha() const { return FBtFecha; }

private:
    TProjetoSoftware* FProjeto = nullptr;
    TAtividade* FAtividade = nullptr;
    QWidget* FAreaDesenho;
    QLabel* FLbNome;
    QLabel* FLbTipo;
    QLabel* FLbPercentual;
    QLabel* FLbTempoExecutado;
    QLabel* FLbDuracao;
    QWidget* FPnErros;
    QLabel* FLbErrosEncontrados;
    TBotaoRapido* FBtFecha;
};
