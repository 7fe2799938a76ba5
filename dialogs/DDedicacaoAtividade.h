// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dialogs/DlgHoras.h"

class TAtividade;

// Execution time given to an activity, typed in working hours (0 to 200) and
// returned in days at 8 hours per day.
class TDlgDedicacaoAtividade : public TDlgHoras {
    Q_OBJECT
public:
    explicit TDlgDedicacaoAtividade(QWidget* parent = nullptr);

    // Shows a's name and its average duration in whole hours (truncated), within 0..200.
    void MostraAtividade(const TAtividade* a);
    // The hours chosen divided by 8: a multiple of 0.125 from 0 to 25.
    double Dedicacao() const;

    static constexpr int MinimoHoras = 0;
    static constexpr int MaximoHoras = 200;
    static constexpr double HorasPorDia = 8.0;

protected:
    void resizeEvent(QResizeEvent* evento) override;
};
