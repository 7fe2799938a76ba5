#pragma once

// SIGINT and SIGTERM ask a server to stop; they are taken by one thread of
// its own, so that stopping runs as ordinary code (never in a signal
// handler) and every other thread keeps its work.

#include <atomic>
#include <functional>
#include <thread>

// Keeps SIGINT and SIGTERM from the calling thread and every thread it
// starts afterwards. Call before starting any thread.
void BloqueiaSinaisParada();

// While it lives, a thread waits for SIGINT or SIGTERM and runs aoSinal
// once when one comes. Needs BloqueiaSinaisParada first.
class TEsperaSinais {
public:
    explicit TEsperaSinais(std::function<void()> aoSinal);
    ~TEsperaSinais();
    TEsperaSinais(const TEsperaSinais&) = delete;
    TEsperaSinais& operator=(const TEsperaSinais&) = delete;

private:
    std::atomic<bool> FTerminou{false};
    std::thread FFio;
};
