#include "FrentePlanos.h"

#include "plan/JogoPlano.h"
#include "plan/VerificacaoPlano.h"

#include <algorithm>

bool TFrentePlanos::Considera(std::span<const double> genes, const TResultadoPlano& resultado,
                              int etapa) {
    if (!resultado.Concluido) {
        return false;
    }
    const qint64 centavos = CentavosCusto(resultado.Custo);
    // The first plan slower than the new one; the one before it is the
    // cheapest of those as fast or faster.
    auto depois = std::upper_bound(
        FPlanos.begin(), FPlanos.end(), resultado.Dias,
        [](int dias, const TPlanoEncontrado& p) { return dias < p.Resultado.Dias; });
    if (depois != FPlanos.begin() && std::prev(depois)->Centavos <= centavos) {
        return false;
    }
    // Those as slow or slower and no cheaper follow at once (costs fall with days).
    auto primeiro = std::lower_bound(
        FPlanos.begin(), FPlanos.end(), resultado.Dias,
        [](const TPlanoEncontrado& p, int dias) { return p.Resultado.Dias < dias; });
    auto ultimo = primeiro;
    while (ultimo != FPlanos.end() && ultimo->Centavos >= centavos) {
        ++ultimo;
    }
    const auto posicao = FPlanos.erase(primeiro, ultimo);
    FPlanos.insert(posicao, TPlanoEncontrado{TGenes(genes.begin(), genes.end()), resultado, etapa,
                                             centavos});
    return true;
}

TPlano PlanoDaFrente(const TCodificacaoPlano& codificacao, const TPlanoEncontrado& encontrado,
                     TSimuladorProjeto& sim) {
    TPlano plano = codificacao.Decodifica(encontrado.Genes);
    const TResultadoPlano resultado = JogaPlano(sim, plano);
    plano.Eventos.removeIf([&](const TMudancasPlano& m) { return m.Dia >= resultado.Dias; });
    plano.Resultado = resultado;
    return plano;
}
