#include "DialogoCentrado.h"

#include "ResultadoModal.h"
#include "controls/Rotulos.h"

TDialogoCentrado::TDialogoCentrado(QWidget* parent, Qt::WindowFlags flags)
    : QDialog(parent, flags) {}

void TDialogoCentrado::reject() {
    done(mrCancel);
}

void TDialogoCentrado::showEvent(QShowEvent* evento) {
    QDialog::showEvent(evento);
    CentraNaTela(this);
}
