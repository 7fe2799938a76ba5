#include "JogoPorDia.h"

#include "JogoPlano.h"

#include "model/mProjeto.h"
#include "model/mSimulador.h"

TResultadoPlano JogaPlanoPorDia(TSimuladorProjeto& sim, const TPlano& plano,
                                const TObservadorJogo& observador, TReceptorMensagens* receptor) {
    sim.Reiniciar();
    AplicaMudancas(sim, plano.Inicio);
    if (observador.AoAplicar) {
        observador.AoAplicar(plano.Inicio);
    }
    const TProjetoSoftware* p = sim.Projeto();
    qsizetype proximo = 0;
    for (int passo = 0; passo < plano.MaximoDias; ++passo) {
        // As in JogaPlano: the player's changes come before the test for a
        // concluded project.
        if (proximo < plano.Eventos.size() && plano.Eventos.at(proximo).Dia == passo) {
            const TMudancasPlano& evento = plano.Eventos.at(proximo);
            AplicaMudancas(sim, evento);
            if (observador.AoAplicar) {
                observador.AoAplicar(evento);
            }
            ++proximo;
        }
        if (p->Concluido()) {
            break;
        }
        if (observador.AoPassar) {
            observador.AoPassar(PassaDiaRastro(sim, receptor));
        } else {
            sim.AvancarDia(receptor);
        }
    }
    return ResultadoAtual(sim);
}
