#pragma once

// How many records one address may send a minute. Counted by this server
// alone, in memory: a limit is a guard against a runaway client, not a
// record to keep.

#include <chrono>
#include <deque>
#include <mutex>
#include <string>
#include <unordered_map>

class TLimiteEnvios {
public:
    using TRelogio = std::chrono::steady_clock;

    // porMinuto sends in any 60 seconds; 0 for no limit.
    explicit TLimiteEnvios(int porMinuto) : FPorMinuto(porMinuto) {}

    // Counts a send from endereco at agora: 0 when it is allowed, otherwise
    // the whole seconds (at least 1) until the address may send again; a
    // refused send is not counted.
    int Admite(const std::string& endereco, TRelogio::time_point agora = TRelogio::now());

private:
    void Esquece(TRelogio::time_point agora);

    int FPorMinuto;
    std::mutex FTrava;
    // Per address, the times of its sends of the last minute, oldest first;
    // never more than FPorMinuto of them.
    std::unordered_map<std::string, std::deque<TRelogio::time_point>> FEnvios;
    std::size_t FEsquecerAcima = 1024;
};
