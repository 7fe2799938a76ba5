// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "plan/Plano.h"
#include "plan/RamoJogo.h"

#include <QString>
#include <optional>

// Whose game it is and whether it is what its record says: read from a
// plan's "meta" (as the game writes it) and its "result" beside the replay.
// Anything in "meta" may be missing or of another type in a plan someone
// wrote; such a field is left empty.
struct TCapaJogo {
    QString Gerente;  // "manager", control characters escaped
    int Jogo = 0;     // "game", a whole number from 1; 0 when not recorded
    QString Inicio;   // "started", as written (ISO 8601)
    QString Fim;      // the last of "days_played_at", as written
    QString Programa; // "program"
    std::optional<TRamoJogo> Ramo; // "branch_of": a practice game's origin
    std::optional<TResultadoPlano> Gravado; // "result"
    TResultadoPlano Rejogado;               // the replay's result

    // The record replays to the result it claims.
    bool Confere() const;
};

TCapaJogo CapaDoPlano(const TPlano& plano, const TResultadoPlano& rejogado);
