// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "plan/Plano.h"

// The reference runs a game is measured against: Corvin, the pool's first
// developer, alone in the team and on every activity at the given daily
// hours, played to the end; run A at 8 hours, run B at 12.
TPlano PlanoReferencia(int horas);

inline constexpr int HorasReferenciaA = 8;
inline constexpr int HorasReferenciaB = 12;
