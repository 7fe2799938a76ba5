// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/mProjeto.h"

#include "model/mAtividade.h"
#include "model/mDesenvolvedor.h"

#include <QVarLengthArray>

TProjetoSoftware::~TProjetoSoftware() {
    qDeleteAll(FAtividades);
}

void TProjetoSoftware::AdicionarAtividade(TAtividade* a) {
    FAtividades.append(a);
}

bool TProjetoSoftware::Concluido() const {
    // Every activity is accomplished exactly when every activity's own work is
    // done (the network has no loops, so each one's predecessors are then
    // accomplished as well); this spares walking up the network from each one.
    for (const TAtividade* a : FAtividades) {
        if (!a->TrabalhoCumprido()) {
            return false;
        }
    }
    return true;
}

bool TProjetoSoftware::NaEquipe(const TDesenvolvedor* d) const {
    return FEquipe.contains(const_cast<TDesenvolvedor*>(d));
}

bool TProjetoSoftware::Trabalhando(const TDesenvolvedor* d) const {
    for (const TAtividade* a : FAtividades) {
        if (a->EmExecucaoPor(d)) {
            return true;
        }
    }
    return false;
}

void TProjetoSoftware::ValidarAlocacoes() {
    for (TAtividade* a : FAtividades) {
        if (!FEquipe.contains(a->Desenvolvedor())) {
            a->SetDesenvolvedor(nullptr);
        }
    }
}

void TProjetoSoftware::AvancarTempo(TReceptorMensagens* painel, double dias) {
    // What each team position has left of the day.
    QVarLengthArray<double, 16> disponivel(FEquipe.size(), dias);
    for (TAtividade* a : FAtividades) {
        TDesenvolvedor* d = a->Desenvolvedor();
        const qsizetype i = d ? FEquipe.indexOf(d) : -1;
        double usado = 0.0;
        if (i >= 0) {
            a->Trabalhar(painel, usado, disponivel[i], FTempo);
            disponivel[i] -= usado;
            const double custo = d->Custo() * d->HorasTrabalho() * usado;
            FCusto += custo;
            a->Cobrar(usado, custo);
        } else {
            a->Trabalhar(painel, usado, dias, FTempo);
        }
    }
    FTempo += dias;
}

void TProjetoSoftware::Reiniciar() {
    for (TAtividade* a : FAtividades) {
        a->Reiniciar();
    }
    FEquipe.clear();
    FCusto = 0.0;
    FTempo = 0.0;
}
