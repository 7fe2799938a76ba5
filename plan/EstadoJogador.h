// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "plan/Plano.h"

#include <QList>
#include <utility>

class TSimuladorProjeto;

// What the player controls in a game, as it stands: the team in order, every
// pool developer's work hours, every inspection's dedication in whole hours
// and every activity's developer. The window only ever sets whole hours
// (8 to 12, and dedications in hours of 8 per day); they are taken rounded.
struct TEstadoJogador {
    QList<int> Equipe;                   // pool positions, in team order
    QList<int> Horas;                    // per pool developer
    QList<std::pair<int, int>> Inspecoes; // (activity position, hours) per inspection
    QList<int> Alocacoes;                // per activity: pool position, or -1 for nobody
    bool operator==(const TEstadoJogador&) const = default;
};

TEstadoJogador CapturaEstado(const TSimuladorProjeto& sim);

// Every key of the state (the team, every developer's hours, every
// inspection's hours, every assignment): a plan's initial changes.
TMudancasPlano MudancasCompletas(const TEstadoJogador& estado);

// Only what changed from antes to depois, as the event for day dia: the whole
// team when the team list changed, the hours, inspection hours and
// assignments that differ (-1 for an assignment taken away).
TMudancasPlano MudancasEntre(const TEstadoJogador& antes, const TEstadoJogador& depois, int dia);
