#include "mProjeto.h"

#include "mAtividade.h"
#include "mDesenvolvedor.h"

#include <algorithm>

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
    FEmExecucao.resize(n);
    bool* const emExecucao = FEmExecucao.data();
    if (FOrdenada) {
        // In network order each activity's predecessors have had their day's
        // work already, and nothing later in the day changes them.
        TConjunto concluidas = 0;
        for (int i = 0; i < n; ++i) {
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
            emExecucao[i] = pronta && !cumprido;
        }
    } else {
        for (TAtividade* a : atividades) {
            if (a->Pronta()) {
                Trabalha(*a, dia);
            }
        }
        // A later activity's work may have changed an earlier one's readiness.
        for (int i = 0; i < n; ++i) {
            emExecucao[i] = atividades[i]->EmExecucao();
        }
    }
    FTempo += dias;
    ++FMudancas;
}

void TProjetoSoftware::Trabalha(TAtividade& a, TDia& dia) {
    TDesenvolvedor* d = a.FDesenvolvedor;
    if (d != dia.Anterior) {
        dia.Anterior = d;
        dia.Posicao = d ? FEquipe.indexOf(d) : -1;
    }
    double usado = 0.0;
    if (dia.Posicao >= 0) {
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
