#include "PoolTrabalho.h"

TContextoTrabalho::TContextoTrabalho(TSimuladorProjeto& sim, const TEnderecoBanco& endereco)
    : FSim(sim), FEndereco(endereco) {}

TBancoTurmas& TContextoTrabalho::Banco() {
    if (!FBanco) {
        FBanco = std::make_unique<TBancoTurmas>(FEndereco);
    }
    return *FBanco;
}

TPoolTrabalho::TPoolTrabalho(const std::vector<TSimuladorProjeto*>& simuladores,
                             const TEnderecoBanco& endereco)
    : FEndereco(endereco) {
    for (TSimuladorProjeto* sim : simuladores) {
        FTrabalhadores.emplace_back([this, sim] { Trabalha(sim); });
    }
}

TPoolTrabalho::~TPoolTrabalho() {
    Encerra();
}

void TPoolTrabalho::Enfileira(std::function<void(TContextoTrabalho&)> trabalho) {
    {
        const std::lock_guard trava(FTrava);
        FFila.push_back(std::move(trabalho));
    }
    FAviso.notify_one();
}

void TPoolTrabalho::Trabalha(TSimuladorProjeto* sim) {
    TContextoTrabalho contexto(*sim, FEndereco);
    try {
        contexto.Banco();
    } catch (const EBanco&) {
        // Told by the first work that needs it; the server checked the
        // database as it started.
    }
    for (;;) {
        std::function<void(TContextoTrabalho&)> trabalho;
        {
            std::unique_lock trava(FTrava);
            FAviso.wait(trava, [this] { return FEncerrando || !FFila.empty(); });
            if (FFila.empty()) {
                break;
            }
            trabalho = std::move(FFila.front());
            FFila.pop_front();
        }
        trabalho(contexto);
    }
    // The connection closes here, on the thread that opened it.
}

void TPoolTrabalho::Encerra() {
    {
        const std::lock_guard trava(FTrava);
        FEncerrando = true;
    }
    FAviso.notify_all();
    for (std::thread& t : FTrabalhadores) {
        if (t.joinable()) {
            t.join();
        }
    }
}
