// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/DialogoCentrado.h"

#include "controls/Rotulos.h"
#include "dialogs/ResultadoModal.h"

TDialogoCentrado::TDialogoCentrado(QWidget* parent, Qt::WindowFlags flags)
    : QDialog(parent, flags) {}

void TDialogoCentrado::reject() {
    done(mrCancel);
}

void TDialogoCentrado::showEvent(QShowEvent* evento) {
    QDialog::showEvent(evento);
    CentraNaTela(this);
}
