#include "AvaliacaoParalela.h"

#include <QSemaphore>
#include <algorithm>
#include <atomic>

namespace {

// Vectors a thread takes at a time: few enough to share a batch evenly.
constexpr size_t Bloco = 4;

} // namespace

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
    const size_t dimensao = genes.size() / n;
    std::atomic<size_t> proximo{0};
    auto trabalha = [&](TAvaliadorPlano& avaliador) {
        for (size_t inicio = proximo.fetch_add(Bloco); inicio < n;
             inicio = proximo.fetch_add(Bloco)) {
            for (size_t i = inicio; i < std::min(inicio + Bloco, n); ++i) {
                resultados[i] = avaliador.Avalia(genes.subspan(i * dimensao, dimensao));
            }
        }
    };
    const int ajudantes = std::min(Threads() - 1, static_cast<int>((n + Bloco - 1) / Bloco) - 1);
    QSemaphore prontos;
    for (int t = 1; t <= ajudantes; ++t) {
        TAvaliadorPlano& avaliador = *FAvaliadores[static_cast<size_t>(t)];
        FPool.start([&trabalha, &prontos, &avaliador] {
            trabalha(avaliador);
            prontos.release();
        });
    }
    trabalha(*FAvaliadores.front());
    prontos.acquire(std::max(ajudantes, 0));
}
