// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>

struct TCenarioAnalise;

// The critical path of a game as played: from the activity that was
// accomplished last, back through the predecessor that was accomplished last
// (the one that held it up), to an activity with none. fim holds, per
// activity, the day it was accomplished (a day after the last one for an
// activity never accomplished). Ties go to the later activity. Returned in
// the order played, first activity first; empty when nothing was played.
QList<int> CaminhoCritico(const TCenarioAnalise& cenario, const QList<double>& fim);
