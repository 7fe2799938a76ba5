// SPDX-License-Identifier: GPL-3.0-or-later
#include "busca/AvaliacaoParalela.h"

#include <QSemaphore>
#include <algorithm>
#include <atomic>
#include <memory>

namespace {

// Vectors a thread takes at a time: few enough to share a batch evenly.
constexpr size_t Bloco = 4;

} // namespace

// One batch: its vectors, handed out in blocks, and the count of those done.
struct TAvaliacaoParalela::TLote {
    TLote(std::span<const double> genes, std::span<TResultadoPlano> resultados)
        : Genes(genes), Resultados(resultados), Dimensao(genes.size() / resultados.size()) {}

    // Evaluates blocks on avaliador until none is left; how many it evaluated.
    int Trabalha(TAvaliadorPlano& avaliador) {
        const size_t n = Resultados.size();
        int feitos = 0;
        for (size_t inicio = Proximo.fetch_add(Bloco); inicio < n;
             inicio = Proximo.fetch_add(Bloco)) {
            for (size_t i = inicio; i < std::min(inicio + Bloco, n); ++i) {
                Resultados[i] = avaliador.Avalia(Genes.subspan(i * Dimensao, Dimensao));
                ++feitos;
            }
        }
        return feitos;
    }

    std::span<const double> Genes;
    std::span<TResultadoPlano> Resultados;
    size_t Dimensao;
    std::atomic<size_t> Proximo{0};
    // Released by each helper with the vectors it evaluated.
    QSemaphore Feitos;
};

TAvaliacaoParalela::TAvaliacaoParalela(int threads) {
    for (int t = 0; t < std::max(threads, 1); ++t) {
        FAvaliadores.push_back(std::make_unique<TAvaliadorPlano>());
    }
    // The calling thread is one of the workers; the pool's threads stay for
    // the whole search.
    FPool.setMaxThreadCount(std::max(Threads() - 1, 1));
    FPool.setExpiryTimeout(-1);
}

TAvaliacaoParalela::~TAvaliacaoParalela() {
    FPool.waitForDone();
}

void TAvaliacaoParalela::Avalia(std::span<const double> genes,
                                std::span<TResultadoPlano> resultados) {
    const size_t n = resultados.size();
    if (n == 0) {
        return;
    }
    // Shared with the helpers, which may start only once the batch is done
    // (on a busy machine): they then find no block left and touch nothing else.
    auto lote = std::make_shared<TLote>(genes, resultados);
    const int ajudantes = std::min(Threads() - 1, static_cast<int>((n + Bloco - 1) / Bloco) - 1);
    for (int t = 1; t <= ajudantes; ++t) {
        TAvaliadorPlano& avaliador = *FAvaliadores[static_cast<size_t>(t)];
        FPool.start([lote, &avaliador] { lote->Feitos.release(lote->Trabalha(avaliador)); });
    }
    const int meus = lote->Trabalha(*FAvaliadores.front());
    // Only the helpers that took blocks are waited for.
    lote->Feitos.acquire(static_cast<int>(n) - meus);
}
