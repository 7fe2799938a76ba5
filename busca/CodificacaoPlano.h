// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The plans the search looks through, written as a vector of whole numbers
// (held as doubles, the search library's genes).
//
// Genes, in order:
//   one per activity: the pool position of its developer; an inspection may
//     also take NumeroDesenvolvedores, nobody (any other activity without a
//     developer never ends, so the vector cannot say so);
//   one per developer: his daily hours from the start, 8..12;
//   one per inspection: its dedication in whole hours, 0..200;
//   one per developer: the day his hours change, 0 for never, else
//     1..HorizonteMudancas;
//   one per developer: his hours from that day on, 8..12.
// A static plan's vector may stop before the change genes (TamanhoEstatico):
// the missing genes then say "never".
//
// The plan a vector stands for: the team is every developer assigned to some
// activity, in pool order; each team member's hours, every inspection's
// dedication and every activity's developer (-1 for nobody) are initial
// changes; each team member's hour change is an event on its day (one event
// per day, developers in pool order). Genes about developers outside the team,
// and the later hours of a developer whose hours never change, say nothing
// about the plan: Codifica gives 8 for them, the canonical vector.

#include "plan/Plano.h"

#include <QList>
#include <optional>
#include <random>
#include <span>
#include <utility>
#include <vector>

class TSimuladorProjeto;

using TGenes = std::vector<double>;

class TCodificacaoPlano {
public:
    // The scenario's activities (which are inspections) and pool size.
    explicit TCodificacaoPlano(const TSimuladorProjeto& sim);

    static constexpr int HorizonteMudancas = 120;
    // The most developers a pool may have.
    static constexpr int MaximoDesenvolvedores = 32;

    int NumeroAtividades() const { return FNumeroAtividades; }
    int NumeroDesenvolvedores() const { return FNumeroDesenvolvedores; }
    const QList<int>& Inspecoes() const { return FInspecoes; }
    int Tamanho() const { return FTamanho; }
    int TamanhoEstatico() const { return GeneDiaMudanca(0); }

    // Gene positions.
    int GeneAlocacao(int atividade) const { return atividade; }
    int GeneHoras(int desenvolvedor) const { return FNumeroAtividades + desenvolvedor; }
    int GeneInspecao(int i) const { return FNumeroAtividades + FNumeroDesenvolvedores + i; }
    int GeneDiaMudanca(int desenvolvedor) const {
        return GeneInspecao(0) + static_cast<int>(FInspecoes.size()) + desenvolvedor;
    }
    int GeneHorasMudanca(int desenvolvedor) const {
        return GeneDiaMudanca(0) + FNumeroDesenvolvedores + desenvolvedor;
    }

    // Lower and upper bounds of every gene; without hour changes, of the
    // static plan's genes only.
    std::pair<TGenes, TGenes> Limites(bool comMudancas) const;

    // A vector drawn uniformly within the bounds.
    TGenes VetorAleatorio(bool comMudancas, std::mt19937& aleatorio) const;

    // The plan the vector (of either size) stands for, written into plano (its lists keep their
    // room, so a search that decodes into the same plan allocates nothing).
    // Meta and Resultado are left alone; MaximoDias is set to the default.
    void DecodificaEm(std::span<const double> genes, TPlano& plano) const;
    TPlano Decodifica(std::span<const double> genes) const;

    // The canonical vector of a plan of the form Decodifica writes, or nothing
    // when the plan is not of that form.
    std::optional<TGenes> Codifica(const TPlano& plano) const;

    // False when the vector's plan cannot end whatever is played: an inspection
    // given hours and nobody to do them.
    bool PodeConcluir(std::span<const double> genes) const;

private:
    bool EhInspecao(int atividade) const { return FPosicaoInspecao.at(atividade) >= 0; }

    int FNumeroAtividades = 0;
    int FNumeroDesenvolvedores = 0;
    QList<int> FInspecoes;
    // For each activity its index among the inspections, or -1.
    QList<int> FPosicaoInspecao;
    int FTamanho = 0;
};
