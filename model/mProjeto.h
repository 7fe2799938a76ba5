// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/mAtividade.h"
#include "model/mReceptorMensagens.h"

#include <QList>
#include <QVarLengthArray>
#include <QtGlobal>
#include <bit>
#include <cstdint>
#include <vector>

class TDesenvolvedor;

// The software project: activities (owned), the team (references), time and cost.
class TProjetoSoftware {
public:
    TProjetoSoftware() = default;
    TProjetoSoftware(const TProjetoSoftware&) = delete;
    TProjetoSoftware& operator=(const TProjetoSoftware&) = delete;

    // In network order; only AdicionarAtividade changes it. Views and
    // dialogs are given the list, to read.
    const QList<TAtividade*>& Atividades() const { return FAtividades; }
    int NumeroAtividades() const { return static_cast<int>(FAtividades.size()); }
    TAtividade* Atividade(int i) const { return FAtividades.at(i); }
    // Makes an activity (the arguments of TAtividade's constructor) in the
    // project's own storage, appends it and returns it. When every activity's
    // predecessors come before it in the project, as in the scenario, the
    // day's work finds their state without walking up the network.
    TAtividade* AdicionarAtividade(const QString& nome, std::uint8_t tipo, std::int32_t posicaoX,
                                   std::int32_t posicaoY, double percentualEsforco, double tamanho);

    // The live team list; callers (the team dialog) edit it in place.
    QList<TDesenvolvedor*>& Equipe() { return FEquipe; }
    const QList<TDesenvolvedor*>& Equipe() const { return FEquipe; }

    double Custo() const { return FCusto; }
    double Tempo() const { return FTempo; }

    bool Concluido() const;
    bool NaEquipe(const TDesenvolvedor* d) const;
    bool Trabalhando(const TDesenvolvedor* d) const;
    // Whether some running activity (EmExecucao) has a developer for whom
    // doDesenvolvedor(developer) holds; found in one pass in network order.
    template <typename TCriterio> bool AlgumaEmExecucao(TCriterio doDesenvolvedor) const;
    void ValidarAlocacoes();
    void AvancarTempo(TReceptorMensagens* painel, double dias);
    void Reiniciar();

private:
    friend class TAtividade;
    friend class TSimuladorProjeto;

    // A set of activities by their positions, one bit each.
    using TConjunto = quint64;
    static constexpr int MaximoConjunto = 64;

    // Counts every change to an activity of the project (its work, its
    // developer or duration, its links, its reset): what was worked out of
    // their states holds while it stays the same.
    quint64 FMudancas = 0;

    // Told of every link made to an activity of the project.
    void NotaLigacao(const TAtividade* predecessora, const TAtividade* dependente) {
        FOrdenada = FOrdenada && predecessora->FProjeto == this &&
                    predecessora->FPosicao < dependente->FPosicao;
        if (FOrdenada) {
            FPredecessoras[dependente->FPosicao] |= TConjunto(1) << predecessora->FPosicao;
        }
    }
    // What a day's work carries from one activity to the next: where the
    // messages go, the day's length, and the team position of the last
    // developer looked up (consecutive activities mostly share theirs).
    struct TDia {
        TReceptorMensagens* Painel;
        double Dias;
        const TDesenvolvedor* Anterior = nullptr;
        qsizetype Posicao = -1;
    };
    // The day's work of a ready activity that has some to do, charged to
    // the project at its developer's hours.
    void Trabalha(TAtividade& a, TDia& dia);

    // Activities live in blocks that never move, since the links, the list
    // and the views hold their addresses; the scenario's sixteen fill one.
    static constexpr std::size_t AtividadesPorBloco = 16;
    std::vector<std::vector<TAtividade>> FBlocos;
    QList<TAtividade*> FAtividades;
    QList<TDesenvolvedor*> FEquipe;
    double FCusto = 0.0;
    double FTempo = 0.0;
    // At most MaximoConjunto activities, every predecessor of each before
    // it in the project: readiness is then read from sets of positions.
    bool FOrdenada = true;
    // Each activity's predecessors, while FOrdenada.
    QVarLengthArray<TConjunto, 16> FPredecessoras;
    // What AvancarTempo works out, kept to be reused (no allocation from one
    // day to the next): each team position's time left, and which
    // activities are running once the day's work is done (a set while
    // FOrdenada, else by activity).
    QVarLengthArray<double, 16> FDisponivel;
    TConjunto FEmExecucaoConjunto = 0;
    QVarLengthArray<bool, 16> FEmExecucao;
    // The activities accomplished after the last day's work, while
    // FOrdenada; they hold while FMudancas is what that day left.
    TConjunto FConcluidas = 0;
    quint64 FMudancasConcluidas = ~quint64(0);

    // Calls emExecucao(activity) for each activity running after the last
    // day's work, in network order.
    template <typename TFuncao> void ParaCadaEmExecucao(TFuncao emExecucao) const;
};

template <typename TFuncao> void TProjetoSoftware::ParaCadaEmExecucao(TFuncao emExecucao) const {
    if (FOrdenada) {
        for (TConjunto resto = FEmExecucaoConjunto; resto != 0; resto &= resto - 1) {
            emExecucao(FAtividades[std::countr_zero(resto)]);
        }
        return;
    }
    for (qsizetype i = 0; i < FEmExecucao.size(); ++i) {
        if (FEmExecucao[i]) {
            emExecucao(FAtividades[i]);
        }
    }
}

template <typename TCriterio>
bool TProjetoSoftware::AlgumaEmExecucao(TCriterio doDesenvolvedor) const {
    if (!FOrdenada) {
        for (const TAtividade* a : FAtividades) {
            if (a->FDesenvolvedor && a->EmExecucao() && doDesenvolvedor(a->FDesenvolvedor)) {
                return true;
            }
        }
        return false;
    }
    // Each activity's state, taken in network order, spares walking up the
    // network from every one.
    TConjunto concluidas = 0;
    for (int i = 0; i < FAtividades.size(); ++i) {
        const TAtividade* a = FAtividades[i];
        const bool pronta = (FPredecessoras[i] & ~concluidas) == 0;
        const bool cumprido = a->TrabalhoCumprido();
        if (pronta && !cumprido && a->FDesenvolvedor && doDesenvolvedor(a->FDesenvolvedor)) {
            return true;
        }
        concluidas |= TConjunto(pronta && cumprido) << i;
    }
    return false;
}
