// SPDX-License-Identifier: GPL-3.0-or-later
#include "analise/CenarioAnalise.h"

#include "model/mAtividade.h"
#include "model/mDesenvolvedor.h"
#include "model/mProjeto.h"
#include "model/mSimulador.h"

namespace {

// A test's area: the test and, going up the network, each single predecessor
// that feeds nothing else; the walk stops at an activity shared with other
// areas (or at more than one predecessor).
QList<int> Cadeia(const TCenarioAnalise& c, int teste) {
    QList<int> cadeia{teste};
    int atual = teste;
    while (c.Predecessoras.at(atual).size() == 1) {
        const int anterior = c.Predecessoras.at(atual).constFirst();
        if (c.NumeroSucessoras.at(anterior) != 1) {
            break;
        }
        cadeia.append(anterior);
        atual = anterior;
    }
    return cadeia;
}

} // namespace

TCenarioAnalise TCenarioAnalise::De(const TSimuladorProjeto& sim) {
    TCenarioAnalise c;
    const TProjetoSoftware* p = sim.Projeto();
    for (const TAtividade* a : p->Atividades()) {
        c.Atividades.append(a->Nome());
        c.Tipos.append(a->Tipo());
        QList<int> predecessoras;
        for (int k = 0; k < a->NumeroPredecessoras(); ++k) {
            predecessoras.append(static_cast<int>(p->Atividades().indexOf(a->Predecessora(k))));
        }
        c.Predecessoras.append(predecessoras);
        c.NumeroSucessoras.append(a->NumeroSucessoras());
    }
    for (const TDesenvolvedor* d : sim.Desenvolvedores()) {
        c.Desenvolvedores.append(d->Nome());
    }
    for (int i = 0; i < c.Atividades.size(); ++i) {
        if (c.Tipos.at(i) != TipoTeste) {
            continue;
        }
        QString nome = c.Atividades.at(i);
        if (nome.startsWith(QLatin1String("Test "))) {
            nome.remove(0, 5);
        }
        c.Areas.append({nome, i, Cadeia(c, i), p->Atividade(i)->NivelQualidade()});
    }
    for (int i = 0; i < c.Atividades.size(); ++i) {
        if (c.AreaDe(i) < 0) {
            c.Comuns.append(i);
        }
    }
    return c;
}

int TCenarioAnalise::AreaDe(int atividade) const {
    for (int k = 0; k < Areas.size(); ++k) {
        if (Areas.at(k).Atividades.contains(atividade)) {
            return k;
        }
    }
    return -1;
}
