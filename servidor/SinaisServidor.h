#pragma once

// SIGINT and SIGTERM ask a server to stop; they are taken by one thread of
// its own, so that stopping runs as ordinary code (never in a signal
// handler) and every other thread keeps its work.

#include <atomic>
#include <chrono>
#include <functional>
#include <thread>

// Keeps SIGINT and SIGTERM from the calling thread and every thread it
// starts afterwards. Call before starting any thread.
void BloqueiaSinaisParada();

// While it lives, a thread waits for SIGINT or SIGTERM. The first runs
// aoSinal, a stop that lets the requests in flight finish; a second one, or
// prazo passing with the object still alive (a client that never finishes
// its request), runs aoDesistir, which is to end the process at once.
// Needs BloqueiaSinaisParada first.
class TEsperaSinais {
public:
    TEsperaSinais(std::function<void()> aoSinal, std::chrono::seconds prazo,
                  std::function<void()> aoDesistir);
    ~TEsperaSinais();
    TEsperaSinais(const TEsperaSinais&) = delete;
    TEsperaSinais& operator=(const TEsperaSinais&) = delete;

private:
    void Espera(const std::function<void()>& aoSinal, std::chrono::seconds prazo,
                const std::function<void()>& aoDesistir);

    std::atomic<bool> FTerminou{false};
    std::thread FFio;
};
