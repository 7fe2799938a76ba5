// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "plan/Plano.h"

#include <QByteArray>
#include <QJsonObject>

class TSimuladorProjeto;

// A plan as the JSON object LePlano reads back to the same value: developers
// by name, activities by number ("1".."16"), every real written so that it
// reads back to the same double, nothing depending on the locale. Keys come
// out in a fixed (alphabetical) order; "max_days" is always written, "team",
// "hours", "inspection_hours", "assign", "events", "meta" and "result" only
// when the plan holds them.
QJsonObject PlanoEmJson(const TPlano& plano, const TSimuladorProjeto& sim);

// The same as indented UTF-8 text, ready for a file.
QByteArray EscrevePlano(const TPlano& plano, const TSimuladorProjeto& sim);

// {"concluded": ..., "days": ..., "cost": ...}
QJsonObject ResultadoEmJson(const TResultadoPlano& resultado);
