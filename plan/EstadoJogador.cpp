// SPDX-License-Identifier: GPL-3.0-or-later
#include "plan/EstadoJogador.h"

#include "model/mAtividade.h"
#include "model/mDesenvolvedor.h"
#include "model/mProjeto.h"
#include "model/mSimulador.h"

#include <cmath>

TEstadoJogador CapturaEstado(const TSimuladorProjeto& sim) {
    const TProjetoSoftware* p = sim.Projeto();
    const QList<TDesenvolvedor*>& pool = sim.Desenvolvedores();
    TEstadoJogador estado;
    for (TDesenvolvedor* d : p->Equipe()) {
        estado.Equipe.append(static_cast<int>(pool.indexOf(d)));
    }
    for (const TDesenvolvedor* d : pool) {
        estado.Horas.append(static_cast<int>(std::lround(d->HorasTrabalho())));
    }
    for (int i = 0; i < p->NumeroAtividades(); ++i) {
        const TAtividade* a = p->Atividade(i);
        if (a->Tipo() == TipoInspecao) {
            estado.Inspecoes.append(
                {i, static_cast<int>(std::lround(a->Duracao() * TPlano::HorasPorDia))});
        }
        estado.Alocacoes.append(static_cast<int>(pool.indexOf(a->Desenvolvedor())));
    }
    return estado;
}

TMudancasPlano MudancasCompletas(const TEstadoJogador& estado) {
    TMudancasPlano m;
    m.Equipe = estado.Equipe;
    for (int d = 0; d < estado.Horas.size(); ++d) {
        m.Horas.append({d, estado.Horas.at(d)});
    }
    m.Inspecoes = estado.Inspecoes;
    for (int a = 0; a < estado.Alocacoes.size(); ++a) {
        m.Alocacoes.append({a, estado.Alocacoes.at(a)});
    }
    return m;
}

TMudancasPlano MudancasEntre(const TEstadoJogador& antes, const TEstadoJogador& depois, int dia) {
    TMudancasPlano m;
    m.Dia = dia;
    if (depois.Equipe != antes.Equipe) {
        m.Equipe = depois.Equipe;
    }
    for (int d = 0; d < depois.Horas.size(); ++d) {
        if (d >= antes.Horas.size() || depois.Horas.at(d) != antes.Horas.at(d)) {
            m.Horas.append({d, depois.Horas.at(d)});
        }
    }
    for (const auto& inspecao : depois.Inspecoes) {
        if (!antes.Inspecoes.contains(inspecao)) {
            m.Inspecoes.append(inspecao);
        }
    }
    for (int a = 0; a < depois.Alocacoes.size(); ++a) {
        if (a >= antes.Alocacoes.size() || depois.Alocacoes.at(a) != antes.Alocacoes.at(a)) {
            m.Alocacoes.append({a, depois.Alocacoes.at(a)});
        }
    }
    return m;
}
