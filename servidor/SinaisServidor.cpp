#include "SinaisServidor.h"

#include <pthread.h>
#include <signal.h>

#include <cerrno>
#include <ctime>

namespace {

// SIGUSR1 only ends the waiting thread, when its owner goes.
sigset_t SinaisEsperados() {
    sigset_t sinais;
    sigemptyset(&sinais);
    sigaddset(&sinais, SIGINT);
    sigaddset(&sinais, SIGTERM);
    sigaddset(&sinais, SIGUSR1);
    return sinais;
}

} // namespace

void BloqueiaSinaisParada() {
    const sigset_t sinais = SinaisEsperados();
    pthread_sigmask(SIG_BLOCK, &sinais, nullptr);
    // A client gone while it is answered is the library's to notice, not
    // a reason to end the server.
    signal(SIGPIPE, SIG_IGN);
}

TEsperaSinais::TEsperaSinais(std::function<void()> aoSinal, std::chrono::seconds prazo,
                             std::function<void()> aoDesistir)
    : FFio([this, aoSinal = std::move(aoSinal), prazo, aoDesistir = std::move(aoDesistir)] {
          Espera(aoSinal, prazo, aoDesistir);
          FTerminou = true;
      }) {}

void TEsperaSinais::Espera(const std::function<void()>& aoSinal, std::chrono::seconds prazo,
                           const std::function<void()>& aoDesistir) {
    const sigset_t sinais = SinaisEsperados();
    int sinal = 0;
    while (sigwait(&sinais, &sinal) != 0) {
    }
    if (sinal == SIGUSR1) {
        return;
    }
    aoSinal();
    const timespec espera{static_cast<time_t>(prazo.count()), 0};
    do {
        sinal = sigtimedwait(&sinais, nullptr, &espera);
    } while (sinal < 0 && errno == EINTR);
    if (sinal != SIGUSR1) {
        aoDesistir();
    }
}

TEsperaSinais::~TEsperaSinais() {
    // Blocked everywhere, a late SIGUSR1 stays pending and harmless.
    if (!FTerminou) {
        pthread_kill(FFio.native_handle(), SIGUSR1);
    }
    FFio.join();
}
