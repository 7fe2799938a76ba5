#include "SinaisServidor.h"

#include <pthread.h>
#include <signal.h>

namespace {

// SIGUSR1 only ends the waiting thread, when no stop was asked.
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

TEsperaSinais::TEsperaSinais(std::function<void()> aoSinal)
    : FFio([this, aoSinal = std::move(aoSinal)] {
          const sigset_t sinais = SinaisEsperados();
          int sinal = 0;
          while (sigwait(&sinais, &sinal) != 0) {
          }
          FTerminou = true;
          if (sinal != SIGUSR1) {
              aoSinal();
          }
      }) {}

TEsperaSinais::~TEsperaSinais() {
    // Blocked everywhere, a late SIGUSR1 stays pending and harmless.
    if (!FTerminou) {
        pthread_kill(FFio.native_handle(), SIGUSR1);
    }
    FFio.join();
}
