// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>
#include <QRect>

class QWidget;

// Keeps a widget filling its parent's client area: it follows every resize of
// the parent (and a change of parent) until something else places the widget,
// i.e. a layout that manages it or a geometry set by its host.
class TAlinhaCliente : public QObject {
    Q_OBJECT
public:
    // Owned by alvo and released with it.
    explicit TAlinhaCliente(QWidget* alvo);

    // Places the widget over its parent's whole client area now.
    void Alinha();

protected:
    bool eventFilter(QObject* objeto, QEvent* event) override;

private:
    void AcompanhaParente();
    bool PosicionadoPorOutro() const;

    QWidget* FAlvo;
    QPointer<QWidget> FParente;
    QRect FUltimaGeometria;
};
