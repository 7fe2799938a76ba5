// SPDX-License-Identifier: GPL-3.0-or-later
#include "plan/GravadorPlano.h"

#include "plan/JogoPlano.h"

void TGravadorPlano::Reinicia() {
    *this = TGravadorPlano();
}

void TGravadorPlano::Continua(const TPlano& historia, const TSimuladorProjeto& sim) {
    Reinicia();
    const TResultadoPlano agora = ResultadoAtual(sim);
    FPassos = agora.Dias;
    if (FPassos == 0) {
        // Nothing played: the first step records the whole state.
        return;
    }
    FPlano.Inicio = historia.Inicio;
    FPlano.Eventos = historia.Eventos;
    FPlano.MaximoDias = FPassos;
    FPlano.Resultado = agora;
    FDepoisDoUltimo = CapturaEstado(sim);
}

void TGravadorPlano::AntesDoPasso(const TSimuladorProjeto& sim) {
    const TEstadoJogador agora = CapturaEstado(sim);
    if (FPassos == 0) {
        FPlano.Inicio = MudancasCompletas(agora);
        return;
    }
    // The step about to run starts at project day FPassos. Called again
    // before the same step, the later call's view stands.
    if (!FPlano.Eventos.isEmpty() && FPlano.Eventos.last().Dia == FPassos) {
        FPlano.Eventos.removeLast();
    }
    const TMudancasPlano mudancas = MudancasEntre(FDepoisDoUltimo, agora, FPassos);
    if (!mudancas.Vazia()) {
        FPlano.Eventos.append(mudancas);
    }
}

void TGravadorPlano::DepoisDoPasso(const TSimuladorProjeto& sim) {
    ++FPassos;
    FDepoisDoUltimo = CapturaEstado(sim);
    FPlano.MaximoDias = FPassos;
    FPlano.Resultado = ResultadoAtual(sim);
}
