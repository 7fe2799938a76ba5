// SPDX-License-Identifier: GPL-3.0-or-later
// The only file that sees the search library: its headers are heavy.

#include "busca/BuscaPlanos.h"

#include "busca/AvaliacaoParalela.h"
#include "busca/SementesBusca.h"
#include "plan/VerificacaoPlano.h"

#include <QElapsedTimer>
#include <pagmo/algorithms/nsga2.hpp>
#include <pagmo/batch_evaluators/member_bfe.hpp>
#include <pagmo/bfe.hpp>
#include <pagmo/population.hpp>
#include <pagmo/problem.hpp>
#include <tbb/global_control.h>

#include <memory>
#include <random>
#include <utility>

namespace {

constexpr size_t TamanhoPopulacao = TParametrosBusca::TamanhoPopulacao;

// Objectives of a plan that does not conclude: worse in both than any that does.
constexpr double DiasInviavel = TPlano::PadraoMaximoDias + 1.0;
constexpr double CustoInviavel = 1e12;

// What every copy of the problem shares: the threads that evaluate, the front
// and the count. Used from the search's own thread only.
struct TEstadoBusca {
    explicit TEstadoBusca(int threads) : Avaliacao(threads) {}
    TAvaliacaoParalela Avaliacao;
    TFrentePlanos Frente;
    qint64 Avaliacoes = 0;
    std::vector<TResultadoPlano> Resultados;
};

// The problem as the search library sees it.
class TProblemaPlanos {
public:
    TProblemaPlanos() = default;
    TProblemaPlanos(std::shared_ptr<TEstadoBusca> estado, int etapa)
        : FEstado(std::move(estado)), FEtapa(etapa) {}

    pagmo::vector_double fitness(const pagmo::vector_double& x) const { return batch_fitness(x); }

    // Vectors one after another in, objectives one pair after another out.
    pagmo::vector_double batch_fitness(const pagmo::vector_double& xs) const {
        TEstadoBusca& e = *FEstado;
        const size_t dimensao = get_nix();
        const size_t n = xs.size() / dimensao;
        e.Resultados.resize(n);
        e.Avaliacao.Avalia(xs, e.Resultados);
        pagmo::vector_double objetivos(2 * n);
        const std::span<const double> todos(xs);
        for (size_t i = 0; i < n; ++i) {
            const TResultadoPlano& r = e.Resultados[i];
            e.Frente.Considera(todos.subspan(i * dimensao, dimensao), r, FEtapa);
            objetivos[2 * i] = r.Concluido ? r.Dias : DiasInviavel;
            // In cents, as the front decides: no plan beats another by less.
            objetivos[2 * i + 1] =
                r.Concluido ? static_cast<double>(CentavosCusto(r.Custo)) / 100.0 : CustoInviavel;
        }
        e.Avaliacoes += static_cast<qint64>(n);
        return objetivos;
    }

    std::pair<pagmo::vector_double, pagmo::vector_double> get_bounds() const {
        return FEstado->Avaliacao.Codificacao().Limites(FEtapa > 1);
    }
    pagmo::vector_double::size_type get_nobj() const { return 2; }
    pagmo::vector_double::size_type get_nix() const {
        const TCodificacaoPlano& c = FEstado->Avaliacao.Codificacao();
        return static_cast<pagmo::vector_double::size_type>(FEtapa > 1 ? c.Tamanho()
                                                                       : c.TamanhoEstatico());
    }
    std::string get_name() const { return "Orvanta plans"; }
    // Copies share their state, which only the search's thread touches.
    pagmo::thread_safety get_thread_safety() const { return pagmo::thread_safety::none; }

private:
    std::shared_ptr<TEstadoBusca> FEstado;
    int FEtapa = 1;
};

// The starting population: the seeds, then random plans, all evaluated in one batch.
pagmo::population PopulacaoInicial(const pagmo::problem& problema, TEstadoBusca& estado,
                                   quint32 semente) {
    const TCodificacaoPlano& c = estado.Avaliacao.Codificacao();
    std::vector<TGenes> membros = SementesBusca(estado.Avaliacao.Simulador(), c);
    membros.resize(std::min<size_t>(membros.size(), TamanhoPopulacao));
    for (TGenes& genes : membros) {
        // Seeds are static plans: their change genes all say "never".
        genes.resize(static_cast<size_t>(c.TamanhoEstatico()));
    }
    std::mt19937 aleatorio(semente);
    while (membros.size() < TamanhoPopulacao) {
        membros.push_back(c.VetorAleatorio(false, aleatorio));
    }
    pagmo::vector_double todos;
    for (const TGenes& genes : membros) {
        todos.insert(todos.end(), genes.begin(), genes.end());
    }
    const pagmo::vector_double objetivos = problema.batch_fitness(todos);
    pagmo::population populacao(problema, 0u, semente);
    for (size_t i = 0; i < membros.size(); ++i) {
        populacao.push_back(membros[i], {objetivos[2 * i], objetivos[2 * i + 1]});
    }
    return populacao;
}

// The same static plans and objectives, for the problem with hour changes:
// each vector gets its change genes at their lower bounds, "never" and 8 hours.
pagmo::population Transfere(const pagmo::population& de, const pagmo::problem& problema,
                            quint32 semente) {
    const pagmo::vector_double minimo = problema.get_lb();
    pagmo::population para(problema, 0u, semente);
    for (pagmo::population::size_type i = 0; i < de.size(); ++i) {
        pagmo::vector_double x = de.get_x()[i];
        x.insert(x.end(), minimo.begin() + static_cast<std::ptrdiff_t>(x.size()), minimo.end());
        para.push_back(x, de.get_f()[i]);
    }
    return para;
}

pagmo::nsga2 Algoritmo(const pagmo::problem& problema, quint32 semente) {
    // About two genes changed in each child.
    const double mutacao = 2.0 / static_cast<double>(problema.get_nx());
    pagmo::nsga2 algoritmo(1u, 0.95, 10.0, mutacao, 50.0, semente);
    algoritmo.set_bfe(pagmo::bfe(pagmo::member_bfe{}));
    return algoritmo;
}

} // namespace

TResultadoBusca BuscaPlanos(const TParametrosBusca& parametros,
                            const std::function<void(const TProgressoBusca&)>& progresso) {
    QElapsedTimer relogio;
    relogio.start();
    // The search library checks every batch in parallel with its own thread
    // pool, whose idle threads would spin beside the evaluating ones: it
    // keeps to the search's thread while the search runs.
    const tbb::global_control umaThread(tbb::global_control::max_allowed_parallelism, 1);
    auto estado = std::make_shared<TEstadoBusca>(parametros.Threads);
    const qint64 tamanho = TamanhoPopulacao;
    const qint64 geracoes = std::max<qint64>(parametros.Avaliacoes - tamanho, 0) / tamanho;
    const qint64 geracoesEstaticas =
        static_cast<qint64>(static_cast<double>(geracoes) * TParametrosBusca::ParteEstatica);

    auto informa = [&](int etapa) {
        if (progresso) {
            progresso({estado->Avaliacoes, relogio.nsecsElapsed() / 1e9, etapa, &estado->Frente});
        }
    };

    pagmo::problem estatico{TProblemaPlanos(estado, 1)};
    pagmo::population populacao = PopulacaoInicial(estatico, *estado, parametros.Semente);
    informa(1);
    pagmo::nsga2 algoritmo = Algoritmo(estatico, parametros.Semente);
    // The library takes the population by value: handed over, it is not
    // copied on every generation.
    for (qint64 g = 0; g < geracoesEstaticas; ++g) {
        populacao = algoritmo.evolve(std::move(populacao));
        informa(1);
    }
    pagmo::problem comMudancas{TProblemaPlanos(estado, 2)};
    populacao = Transfere(populacao, comMudancas, parametros.Semente);
    algoritmo = Algoritmo(comMudancas, parametros.Semente + 1u);
    for (qint64 g = geracoesEstaticas; g < geracoes; ++g) {
        populacao = algoritmo.evolve(std::move(populacao));
        informa(2);
    }
    return {estado->Frente.Planos(), estado->Avaliacoes, relogio.nsecsElapsed() / 1e9};
}
