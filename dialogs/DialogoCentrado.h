// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

// A dialog of fixed size that shows itself in the centre of the screen. Closed
// by Esc, its close button or its frame, it answers Cancel.
class TDialogoCentrado : public QDialog {
    Q_OBJECT
public:
    TDialogoCentrado(QWidget* parent, Qt::WindowFlags flags);

public slots:
    void reject() override;

protected:
    void showEvent(QShowEvent* evento) override;
};
