// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dialogs/DlgHoras.h"

class TDesenvolvedor;

// Work hours per day of one developer, 8 (normal day) to 12 (overtime).
class TDlgNumeroHorasDesenvolvedor : public TDlgHoras {
    Q_OBJECT
public:
    explicit TDlgNumeroHorasDesenvolvedor(QWidget* parent = nullptr);

    // Shows d's name and large picture and his hours, truncated and brought into 8..12.
    void MostraDesenvolvedor(const TDesenvolvedor* d);
    // The hours chosen: one of 8, 9, 10, 11, 12.
    double NumeroHoras() const;

    QLabel* Imagem() const { return FImagem; }

    static constexpr int MinimoHoras = 8;
    static constexpr int MaximoHoras = 12;

private:
    QLabel* FImagem;
};
