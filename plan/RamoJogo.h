// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A practice game: a game played again from a day of a counted game, as its
// record stood before that day's step. It is never counted; its record says
// where it branched from in "meta" "branch_of": {"game": G, "day": N}, and,
// when it branched from another practice game's record rather than from
// game G's own, "record": that record's file name.

#include "plan/Plano.h"

#include <QJsonObject>
#include <QString>
#include <optional>

struct TRamoJogo {
    int Jogo = 0;     // the counted game it comes from, 1 or more
    int Dia = 0;      // the day it was played again from, 0 or more
    QString Registro; // the practice record it was replayed from; empty for game G's own
    bool operator==(const TRamoJogo&) const = default;
};

// "branch_of" as a record's meta holds it.
QJsonObject RamoEmJson(const TRamoJogo& ramo);

// The branch a record's meta names; none when "branch_of" is absent or not
// an object with a whole "game" of 1 or more and a whole "day" of 0 or more.
std::optional<TRamoJogo> RamoDoMeta(const QJsonObject& meta);

// "practice from day 12 of game 3"; "practice from day 15 of a practice of
// game 3" for one replayed from a practice game's record.
QString TextoRamo(const TRamoJogo& ramo);

// The file name of practice game vez (1, 2, ...) from day dia of game jogo:
// "practice-3-12.json", then "practice-3-12-2.json", ...
QString NomeRegistroPratica(int jogo, int dia, int vez);

// What a game record holds up to day dia: its initial changes and the
// events before day dia, played for dia steps (fewer when its record has
// fewer). The changes made on day dia itself are left out: they are the
// player's to make again. No result and no meta.
TPlano PlanoAteODia(const TPlano& registro, int dia);
