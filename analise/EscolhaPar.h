// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "plan/Plano.h"

#include <QList>

// The par of a game: of the best known plans (frente, each a concluded
// result), the one that costs least, to the cent, among those that finish
// in no more days than the game; the fastest when none does. Ties go to
// fewer days, then to the first listed.
//
// A game not concluded counts with the days played so far: it can only end
// later, so a plan within them is sure to be no slower (a game with no day
// played gets the fastest plan). Plans listed as not concluded are never
// chosen. Returns the index in frente; -1 when it holds no concluded plan.
int EscolhePar(const QList<TResultadoPlano>& frente, const TResultadoPlano& jogo);
