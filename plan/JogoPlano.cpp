#include "JogoPlano.h"

#include "model/mAtividade.h"
#include "model/mDesenvolvedor.h"
#include "model/mProjeto.h"
#include "model/mSimulador.h"

#include <cmath>

void AplicaMudancas(TSimuladorProjeto& sim, const TMudancasPlano& mudancas) {
    TProjetoSoftware* p = sim.Projeto();
    const QList<TDesenvolvedor*>& pool = sim.Desenvolvedores();
    if (mudancas.Equipe) {
        // Cleared and refilled in place: the list keeps its room.
        QList<TDesenvolvedor*>& equipe = p->Equipe();
        equipe.clear();
        for (int d : *mudancas.Equipe) {
            equipe.append(pool.at(d));
        }
        p->ValidarAlocacoes();
    }
    for (const auto& [d, horas] : mudancas.Horas) {
        pool.at(d)->SetHorasTrabalho(horas);
    }
    for (const auto& [a, horas] : mudancas.Inspecoes) {
        p->Atividade(a)->SetDuracao(horas / TPlano::HorasPorDia);
    }
    for (const auto& [a, d] : mudancas.Alocacoes) {
        p->Atividade(a)->SetDesenvolvedor(d >= 0 ? pool.at(d) : nullptr);
    }
}

TResultadoPlano ResultadoAtual(const TSimuladorProjeto& sim) {
    const TProjetoSoftware* p = sim.Projeto();
    return {p->Concluido(), static_cast<int>(std::lround(p->Tempo())), p->Custo()};
}

namespace {

TResultadoPlano Joga(TSimuladorProjeto& sim, const TPlano& plano, TReceptorMensagens* receptor,
                     const TPassoRastro* porPasso) {
    sim.Reiniciar();
    AplicaMudancas(sim, plano.Inicio);
    const TProjetoSoftware* p = sim.Projeto();
    qsizetype proximo = 0;
    for (int passo = 0; passo < plano.MaximoDias; ++passo) {
        // The player's changes come before "Next Turn", which is what tests
        // for a concluded project: a change can make a concluded project run
        // again (an inspection given more time than it has executed).
        if (proximo < plano.Eventos.size() && plano.Eventos.at(proximo).Dia == passo) {
            AplicaMudancas(sim, plano.Eventos.at(proximo));
            ++proximo;
        }
        if (p->Concluido()) {
            break;
        }
        // A day in which nobody works still passes, as when the player answers Yes.
        if (porPasso) {
            (*porPasso)(PassaDiaRastro(sim, receptor));
        } else {
            sim.AvancarDia(receptor);
        }
    }
    return ResultadoAtual(sim);
}

} // namespace

TResultadoPlano JogaPlano(TSimuladorProjeto& sim, const TPlano& plano,
                          TReceptorMensagens* receptor, TRastro* rastro) {
    if (!rastro) {
        return Joga(sim, plano, receptor, nullptr);
    }
    const TPassoRastro guarda = [rastro](TRastroDia&& dia) { rastro->append(std::move(dia)); };
    return Joga(sim, plano, receptor, &guarda);
}

TResultadoPlano JogaPlanoPassoAPasso(TSimuladorProjeto& sim, const TPlano& plano,
                                     TReceptorMensagens* receptor, const TPassoRastro& porPasso) {
    return Joga(sim, plano, receptor, porPasso ? &porPasso : nullptr);
}
