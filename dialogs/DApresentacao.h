// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dialogs/TelaPreta.h"

// The welcome screen shown once, at the main window's first activation.
// Closed by its Close button or Esc (Cancel); Enter does nothing.
class TDlgApresentacao : public TDlgTelaPreta {
    Q_OBJECT
public:
    explicit TDlgApresentacao(QWidget* parent = nullptr);

    TBotaoRapido* BtFecha() const { return FBtFecha; }

private:
    TBotaoRapido* FBtFecha;
};
