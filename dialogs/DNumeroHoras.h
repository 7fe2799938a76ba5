#pragma once

#include "DialogoCentrado.h"

class QLabel;
class TBotaoRapido;
class TDesenvolvedor;
class TEdInteiro;

// Work hours per day of one developer, 8 (normal day) to 12 (overtime).
class TDlgNumeroHorasDesenvolvedor : public TDialogoCentrado {
    Q_OBJECT
public:
    explicit TDlgNumeroHorasDesenvolvedor(QWidget* parent = nullptr);

    // Shows d's name and large picture and his hours, truncated and brought into 8..12.
    void MostraDesenvolvedor(const TDesenvolvedor* d);
    // The hours chosen: one of 8, 9, 10, 11, 12.
    double NumeroHoras() const;

    TEdInteiro* EdNumeroHoras() const { return FEdNumeroHoras; }
    QLabel* LbNome() const { return FLbNome; }
    QLabel* Imagem() const { return FImagem; }
    TBotaoRapido* BtOk() const { return FBtOk; }
    TBotaoRapido* BtFecha() const { return FBtFecha; }

    static constexpr int MinimoHoras = 8;
    static constexpr int MaximoHoras = 12;

protected:
    void showEvent(QShowEvent* evento) override;

private:
    QLabel* FImagem;
    QLabel* FLbNome;
    TEdInteiro* FEdNumeroHoras;
    TBotaoRapido* FBtOk;
    TBotaoRapido* FBtFecha;
};
