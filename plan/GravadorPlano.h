// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "plan/EstadoJogador.h"
#include "plan/Plano.h"

class TSimuladorProjeto;

// Records a game as a plan while it is played. Call AntesDoPasso right before
// each day step and DepoisDoPasso right after it; Reinicia for a new game.
// The state before the first step becomes the initial changes; before each
// later step, what changed since the state after the previous step becomes
// an event (nothing when nothing changed). After each step the plan's
// MaximoDias is the steps played and its Resultado the project's result, so
// the plan replays exactly the steps played, concluded or not.
class TGravadorPlano {
public:
    TGravadorPlano() { FPlano.MaximoDias = 0; }

    void Reinicia();
    // Goes on with a game replayed from historia (a record cut to a day,
    // PlanoAteODia) and played on sim up to there: the record holds
    // historia's changes and steps, and the player's next changes are
    // recorded against sim's state now, as if this recorder had seen every
    // step.
    void Continua(const TPlano& historia, const TSimuladorProjeto& sim);
    void AntesDoPasso(const TSimuladorProjeto& sim);
    void DepoisDoPasso(const TSimuladorProjeto& sim);

    // The record so far (no Meta: that is the caller's).
    const TPlano& Plano() const { return FPlano; }
    int Passos() const { return FPassos; }

private:
    TPlano FPlano;
    TEstadoJogador FDepoisDoUltimo;
    int FPassos = 0;
};
