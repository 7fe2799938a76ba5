// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/AlinhaCliente.h"

#include <QEvent>
#include <QLayout>
#include <QWidget>

TAlinhaCliente::TAlinhaCliente(QWidget* alvo) : QObject(alvo), FAlvo(alvo) {
    FAlvo->installEventFilter(this);
    AcompanhaParente();
}

void TAlinhaCliente::Alinha() {
    if (!FParente) {
        return;
    }
    FUltimaGeometria = FParente->rect();
    FAlvo->setGeometry(FUltimaGeometria);
}

bool TAlinhaCliente::PosicionadoPorOutro() const {
    const QLayout* layout = FParente->layout();
    if (layout && layout->indexOf(FAlvo) >= 0) {
        return true;
    }
    return FAlvo->geometry() != FUltimaGeometria;
}

bool TAlinhaCliente::eventFilter(QObject* objeto, QEvent* event) {
    if (objeto == FAlvo && event->type() == QEvent::ParentChange) {
        AcompanhaParente();
    } else if (objeto == FParente && event->type() == QEvent::Resize) {
        if (!PosicionadoPorOutro()) {
            Alinha();
        }
    }
    return QObject::eventFilter(objeto, event);
}

void TAlinhaCliente::AcompanhaParente() {
    if (FParente) {
        FParente->removeEventFilter(this);
    }
    FParente = FAlvo->parentWidget();
    if (FParente) {
        FParente->installEventFilter(this);
        Alinha();
    }
}
