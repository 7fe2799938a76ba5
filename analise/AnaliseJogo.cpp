#include "AnaliseJogo.h"

#include "AnalisadorJogo.h"
#include "plan/JogoPorDia.h"

TAnaliseJogo AnalisaRastro(const TRastro& rastro, const TCenarioAnalise& cenario) {
    TAnalisadorJogo analisador(cenario);
    for (const TRastroDia& dia : rastro) {
        analisador.Passa(dia);
    }
    TResultadoPlano resultado;
    if (!rastro.isEmpty()) {
        resultado = {false, rastro.constLast().Dia, rastro.constLast().Custo};
    }
    TCapaJogo capa;
    capa.Rejogado = resultado;
    TAnaliseJogo r = analisador.Conclui(capa);
    r.Capa.Rejogado.Concluido = r.Resumo.Concluido;
    return r;
}

TAnaliseJogo AnalisaPlano(TSimuladorProjeto& sim, const TPlano& plano) {
    const TCenarioAnalise cenario = TCenarioAnalise::De(sim);
    TAnalisadorJogo analisador(cenario);
    TObservadorJogo observador;
    observador.AoAplicar = [&analisador](const TMudancasPlano& m) { analisador.Aplica(m); };
    observador.AoPassar = [&analisador](TRastroDia&& dia) { analisador.Passa(dia); };
    const TResultadoPlano resultado = JogaPlanoPorDia(sim, plano, observador);
    return analisador.Conclui(CapaDoPlano(plano, resultado));
}
