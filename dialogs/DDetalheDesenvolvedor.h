// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dialogs/DialogoCentrado.h"

class QLabel;
class TBotaoRapido;
class TDesenvolvedor;

// Read-only information sheet of one developer.
class TDlgDetalhesDesenvolvedor : public TDialogoCentrado {
    Q_OBJECT
public:
    explicit TDlgDetalhesDesenvolvedor(QWidget* parent = nullptr);

    // Copies d's picture and figures into the sheet; nothing of d is kept.
    void MostraDesenvolvedor(const TDesenvolvedor* d);
    // The mood sentence shown for an exhaustion level x.
    static QString TextoExaustao(double x);

    QLabel* Imagem() const { return FImagem; }
    QLabel* LbNome() const { return FLbNome; }
    QLabel* LbCusto() const { return FLbCusto; }
    QLabel* LbHorasTrabalho() const { return FLbHorasTrabalho; }
    QLabel* LbExaustao() const { return FLbExaustao; }
    QLabel* LbTempoProjeto() const { return FLbTempoProjeto; }
    // Experience words for the types 0, 2, 3, 4 and 5, in this order.
    QLabel* LbExperiencia(int i) const { return FLbExperiencia.value(i); }
    TBotaoRapido* BtFecha() const { return FBtFecha; }

private:
    QLabel* FImagem;
    QLabel* FLbNome;
    QLabel* FLbCusto;
    QLabel* FLbHorasTrabalho;
    QLabel* FLbExaustao;
    QLabel* FLbTempoProjeto;
    QList<QLabel*> FLbExperiencia;
    TBotaoRapido* FBtFecha;
};
