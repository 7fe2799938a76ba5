#pragma once

#include "CodificacaoPlano.h"
#include "plan/Plano.h"

#include <span>
#include <vector>

class TSimuladorProjeto;

// A plan the search found, with the result its evaluation gave.
struct TPlanoEncontrado {
    TGenes Genes;
    TResultadoPlano Resultado;
    // 1 for a static plan, 2 once hour changes were allowed.
    int Etapa = 1;
    // The cost in whole cents (CentavosCusto), which decides what beats what.
    qint64 Centavos = 0;
};

// The best plans found so far for days and cost, both to be made small: only
// concluded plans, none dominated by another (no other is as fast and as
// cheap and better in one of the two), in increasing days and so decreasing
// cost. Of plans with the same days and cost the first found stays. Costs
// are compared in whole cents, as the game shows them: a plan cheaper only
// in the twelfth decimal is no cheaper.
class TFrentePlanos {
public:
    // Takes the plan in when it is concluded and no plan kept dominates or
    // equals it, dropping the plans it dominates. True when taken in.
    bool Considera(std::span<const double> genes, const TResultadoPlano& resultado, int etapa);

    const std::vector<TPlanoEncontrado>& Planos() const { return FPlanos; }
    bool Vazia() const { return FPlanos.empty(); }
    const TPlanoEncontrado& MaisRapido() const { return FPlanos.front(); }
    const TPlanoEncontrado& MaisBarato() const { return FPlanos.back(); }

private:
    std::vector<TPlanoEncontrado> FPlanos;
};

// The plan found, as it is reported: decoded, with the result its replay on
// sim gives and without the hour changes it never reaches (events on or after
// its last day, which change nothing).
TPlano PlanoDaFrente(const TCodificacaoPlano& codificacao, const TPlanoEncontrado& encontrado,
                     TSimuladorProjeto& sim);
