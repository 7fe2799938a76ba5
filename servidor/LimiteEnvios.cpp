#include "LimiteEnvios.h"

namespace {

constexpr auto Janela = std::chrono::seconds(60);

} // namespace

int TLimiteEnvios::Admite(const std::string& endereco, TRelogio::time_point agora) {
    if (FPorMinuto <= 0) {
        return 0;
    }
    const std::lock_guard trava(FTrava);
    std::deque<TRelogio::time_point>& envios = FEnvios[endereco];
    while (!envios.empty() && agora - envios.front() >= Janela) {
        envios.pop_front();
    }
    if (envios.size() >= static_cast<std::size_t>(FPorMinuto)) {
        const auto espera = envios.front() + Janela - agora;
        const auto segundos = std::chrono::ceil<std::chrono::seconds>(espera).count();
        return segundos < 1 ? 1 : static_cast<int>(segundos);
    }
    envios.push_back(agora);
    if (FEnvios.size() > FEsquecerAcima) {
        Esquece(agora);
    }
    return 0;
}

// Addresses quiet for a minute are dropped, so that many senders (a
// network of many addresses) cannot grow the table without bound.
void TLimiteEnvios::Esquece(TRelogio::time_point agora) {
    for (auto i = FEnvios.begin(); i != FEnvios.end();) {
        if (i->second.empty() || agora - i->second.back() >= Janela) {
            i = FEnvios.erase(i);
        } else {
            ++i;
        }
    }
    // Grows with the addresses still active, so that a large class does
    // not sweep the table on every send.
    FEsquecerAcima = 2 * FEnvios.size() + 1024;
}
