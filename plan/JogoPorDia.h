#pragma once

#include "Plano.h"
#include "Rastro.h"

#include <functional>

class TReceptorMensagens;
class TSimuladorProjeto;

// What a replay tells as it goes; either may be left empty.
struct TObservadorJogo {
    // Each set of changes as it is applied: the initial ones, then each event
    // on its day (an event the replay never reaches is never told).
    std::function<void(const TMudancasPlano&)> AoAplicar;
    // Each day step's trace entry, once the step is played.
    std::function<void(TRastroDia&&)> AoPassar;
};

// Plays plano exactly as JogaPlano does, telling observador what happens
// instead of keeping a trace: memory stays flat whatever plano.MaximoDias.
TResultadoPlano JogaPlanoPorDia(TSimuladorProjeto& sim, const TPlano& plano,
                                const TObservadorJogo& observador,
                                TReceptorMensagens* receptor = nullptr);
