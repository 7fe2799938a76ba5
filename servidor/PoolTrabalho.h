#pragma once

// The threads that do a server's real work: replaying records and talking
// to the database. Each has its own simulator (made by the caller, on one
// thread, and only ever used by its worker afterwards) and its own database
// connection (opened and closed on the worker's thread, as Qt SQL wants).
// The HTTP threads, many and mostly waiting on slow networks, hand their
// work here and wait for it, so that a classroom of connections never
// means a classroom of simulators and database connections.

#include "BancoTurmas.h"

#include <condition_variable>
#include <deque>
#include <functional>
#include <future>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

class TSimuladorProjeto;

// What one worker lends to the work it runs.
class TContextoTrabalho {
public:
    TContextoTrabalho(TSimuladorProjeto& sim, const TEnderecoBanco& endereco);

    TSimuladorProjeto& Simulador() { return FSim; }

    // The worker's connection, opened (again) when needed. Throws EBanco.
    TBancoTurmas& Banco();

    // Drops the connection after a failure, so that the next work opens a
    // fresh one (a database restarted, a connection cut).
    void DescartaBanco() { FBanco.reset(); }

private:
    TSimuladorProjeto& FSim;
    TEnderecoBanco FEndereco;
    std::unique_ptr<TBancoTurmas> FBanco;
};

class TPoolTrabalho {
public:
    // One worker per simulator; each opens its connection as it starts.
    TPoolTrabalho(const std::vector<TSimuladorProjeto*>& simuladores,
                  const TEnderecoBanco& endereco);
    ~TPoolTrabalho();
    TPoolTrabalho(const TPoolTrabalho&) = delete;
    TPoolTrabalho& operator=(const TPoolTrabalho&) = delete;

    // Runs trabalho on a worker and waits for it: its value, or its
    // exception thrown again here.
    template <typename F>
    auto Executa(F&& trabalho) -> decltype(trabalho(std::declval<TContextoTrabalho&>())) {
        using R = decltype(trabalho(std::declval<TContextoTrabalho&>()));
        auto tarefa = std::make_shared<std::packaged_task<R(TContextoTrabalho&)>>(
            std::forward<F>(trabalho));
        std::future<R> resultado = tarefa->get_future();
        Enfileira([tarefa](TContextoTrabalho& c) { (*tarefa)(c); });
        return resultado.get();
    }

    // Finishes the work queued, closes every connection on its own thread
    // and ends the workers. Called by the destructor too.
    void Encerra();

private:
    void Enfileira(std::function<void(TContextoTrabalho&)> trabalho);
    void Trabalha(TSimuladorProjeto* sim);

    TEnderecoBanco FEndereco;
    std::mutex FTrava;
    std::condition_variable FAviso;
    std::deque<std::function<void(TContextoTrabalho&)>> FFila;
    bool FEncerrando = false;
    std::vector<std::thread> FTrabalhadores;
};
