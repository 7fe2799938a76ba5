// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dialogs/TelaPreta.h"

// The conclusion screen shown each time "Next Turn" finds the project
// concluded, after the result has been recorded. Closed by its Close button,
// Enter or Esc (Cancel).
class TDlgProjetoConcluido : public TDlgTelaPreta {
    Q_OBJECT
public:
    explicit TDlgProjetoConcluido(QWidget* parent = nullptr);

    TBotaoRapido* BtClose() const { return FBtClose; }

private:
    TBotaoRapido* FBtClose;
};
