// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/DNumeroHoras.h"

#include "controls/FiguraDensa.h"
#include "controls/Rotulos.h"
#include "dialogs/BotaoRapido.h"
#include "dialogs/EdInteiro.h"
#include "model/mDesenvolvedor.h"

#include <QLabel>

TDlgNumeroHorasDesenvolvedor::TDlgNumeroHorasDesenvolvedor(QWidget* parent)
    : TDlgHoras(parent,
                Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                    Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint,
                true,
                {QSize(350, 153), QRect(152, 8, 185, 29), 24, QStringLiteral("Work hours:"),
                 QPoint(152, 63), 97, QRect(256, 56, 81, 34), MinimoHoras, MaximoHoras, 8,
                 QPoint(158, 120), QPoint(253, 120)}) {
    setWindowTitle(QStringLiteral("Work Hours per Day"));
    setFixedSize(350, 153);

    FImagem = new QLabel(Painel());
    FImagem->setObjectName(QStringLiteral("Imagem"));
    FImagem->setGeometry(8, 8, 129, 137);
}

void TDlgNumeroHorasDesenvolvedor::MostraDesenvolvedor(const TDesenvolvedor* d) {
    if (!d) {
        return;
    }
    MostraTexto(LbNome(), d->Nome());
    MostraImagem(FImagem, d->ImagemGrande(), ArquivoRetrato(d->Nome(), true));
    // NaN reads as the normal day, huge values as the bounds.
    EdNumeroHoras()->DefineValorTruncado(d->HorasTrabalho());
}

double TDlgNumeroHorasDesenvolvedor::NumeroHoras() const {
    return EdNumeroHoras()->Valor();
}
