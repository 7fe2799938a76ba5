// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/mProjeto.h"

#include "model/mAtividade.h"
#include "model/mDesenvolvedor.h"

#include <algorithm>
#include <bit>

TAtividade* TProjetoSoftware::AdicionarAtividade(const QString& nome, std::uint8_t tipo,
                                                 std::int32_t posicaoX, std::int32_t posicaoY,
                                                 double percentualEsforco, double tamanho) {
    if (FBlocos.empty() || FBlocos.back().size() == AtividadesPorBloco) {
        FBlocos.emplace_back().reserve(AtividadesPorBloco);
    }
    TAtividade& a =
        FBlocos.back().emplace_back(nome, tipo, posicaoX, posicaoY, percentualEsforco, tamanho);
    a.FProjeto = this;
    a.FPosicao = static_cast<int>(FAtividades.size());
    FAtividades.append(&a);
    FPredecessoras.append(0);
    ++FMudancas;
    FOrdenada = FOrdenada && a.FPosicao < MaximoConjunto;
    return &a;
}

bool TProjetoSoftware::Concluido() const {
    // Every activity is accomplished exactly when every activity's own work is
    // done (the network has no loops, so each one's predecessors are then
    // accomplished as well); this spares walking up the network from each one.
    // The last ones, the tests, are mostly the last to be done: asked first,
    // they mostly answer at once.
    for (auto a = FAtividades.crbegin(); a != FAtividades.crend(); ++a) {
        if (!(*a)->TrabalhoCumprido()) {
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
    TDia dia{ReceptorAtento(painel), dias};
    const QList<TAtividade*>& atividades = FAtividades;
    const int n = NumeroAtividades();
    FDisponivel.resize(FEquipe.size());
    std::fill(FDisponivel.begin(), FDisponivel.end(), dias);
    if (FOrdenada) {
        // In network order each activity's predecessors have had their day's
        // work already, and nothing later in the day changes them. An
        // activity accomplished stays so, and is not even looked at, until
        // something other than the days' work changes an activity.
        TConjunto concluidas = FMudancas == FMudancasConcluidas ? FConcluidas : 0;
        TConjunto emExecucao = 0;
        const TConjunto todas = n == MaximoConjunto ? ~TConjunto(0) : (TConjunto(1) << n) - 1;
        for (TConjunto resto = todas & ~concluidas; resto != 0; resto &= resto - 1) {
            const int i = std::countr_zero(resto);
            TAtividade* a = atividades[i];
            const bool pronta = (FPredecessoras[i] & ~concluidas) == 0;
            bool cumprido = a->TrabalhoCumprido();
            // Most activities of a day are waiting, or done, or nobody's:
            // their day's work would change nothing and use no one's time.
            if (pronta && (!a->FIniciada || (a->FDesenvolvedor && !cumprido))) {
                Trabalha(*a, dia);
                cumprido = a->TrabalhoCumprido();
            }
            concluidas |= TConjunto(pronta && cumprido) << i;
            emExecucao |= TConjunto(pronta && !cumprido) << i;
        }
        FConcluidas = concluidas;
        FEmExecucaoConjunto = emExecucao;
    } else {
        for (TAtividade* a : atividades) {
            if (a->Pronta()) {
                Trabalha(*a, dia);
            }
        }
        // A later activity's work may have changed an earlier one's readiness.
        FEmExecucao.resize(n);
        for (int i = 0; i < n; ++i) {
            FEmExecucao[i] = atividades[i]->EmExecucao();
        }
    }
    FTempo += dias;
    ++FMudancas;
    FMudancasConcluidas = FMudancas;
}

void TProjetoSoftware::Trabalha(TAtividade& a, TDia& dia) {
    TDesenvolvedor* d = a.FDesenvolvedor;
    if (d != dia.Anterior) {
        dia.Anterior = d;
        dia.Posicao = d ? FEquipe.indexOf(d) : -1;
    }
    double usado = 0.0;
    if (dia.Posicao >= 0) {
        // With none of his day left, a started activity's work adds zero to
        // every sum it keeps and posts nothing, provided its time left is a
        // number (a test uses whatever it is given): skipped. Mostly the
        // second and third of activities ready side by side for one man.
        if (FDisponivel[dia.Posicao] == 0.0 && a.FIniciada &&
            (a.FTipo == TipoTeste || a.FTempoExecutado < a.FDuracao)) {
            return;
        }
        a.TrabalharPronta(dia.Painel, usado, FDisponivel[dia.Posicao], FTempo, true);
        FDisponivel[dia.Posicao] -= usado;
        // A day that used none of his time costs nothing: adding its zero
        // would change no sum (every hourly cost is finite).
        if (usado != 0.0) {
            const double custo = d->Custo() * d->HorasTrabalho() * usado;
            FCusto += custo;
            a.Cobrar(usado, custo);
        }
    } else {
        a.TrabalharPronta(dia.Painel, usado, dia.Dias, FTempo, true);
    }
}

void TProjetoSoftware::Reiniciar() {
    for (TAtividade* a : FAtividades) {
        a->Reiniciar();
    }
    FEquipe.clear();
    FCusto = 0.0;
    FTempo = 0.0;
}
