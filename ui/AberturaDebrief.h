// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "plan/Plano.h"

#include <QPointer>
#include <functional>

class TJanelaDebrief;
class TMainWindow;

// Opens the debrief window over janela (F8), or brings the open one to the
// front. The window reads the game through plano and follows it on every
// JogoMudou of janela, which owns it, while it is open; closed, it catches up
// when opened again. Its "Play from day N" plays the game again from that
// day in janela (JogaDoDia), and a practice game's debrief draws the game it
// was played again from (PlanoOriginal).
void AbreDebrief(TMainWindow& janela, QPointer<TJanelaDebrief>& debrief,
                 std::function<TPlano()> plano);
