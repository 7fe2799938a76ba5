// SPDX-License-Identifier: GPL-3.0-or-later
// What a game allocates once the simulator has played one: every block taken
// from the C heap (Qt's containers and strings, and operator new, take theirs
// there) is counted while a game is played again.

#include "model/mAtividade.h"
#include "model/mDesenvolvedor.h"
#include "model/mProjeto.h"
#include "model/mSimulador.h"

#include <QRandomGenerator>
#include <QtTest>

#include <atomic>
#include <cstdlib>

#if defined(__SANITIZE_ADDRESS__)
#define ORVANTA_SEM_CONTAGEM 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ORVANTA_SEM_CONTAGEM 1
#endif
#endif

namespace {

std::atomic<bool> Contando{false};
std::atomic<long> Alocacoes{0};

[[maybe_unused]] void Conta() {
    if (Contando.load(std::memory_order_relaxed)) {
        Alocacoes.fetch_add(1, std::memory_order_relaxed);
    }
}

} // namespace

// The sanitizers' builds keep their own allocator; elsewhere the C library's
// is reached under its other names, and every call counted on the way.
#if !defined(ORVANTA_SEM_CONTAGEM) && defined(__GLIBC__)
extern "C" {
void* __libc_malloc(std::size_t);
void* __libc_calloc(std::size_t, std::size_t);
void* __libc_realloc(void*, std::size_t);

void* malloc(std::size_t n) {
    Conta();
    return __libc_malloc(n);
}
void* calloc(std::size_t n, std::size_t tamanho) {
    Conta();
    return __libc_calloc(n, tamanho);
}
void* realloc(void* p, std::size_t n) {
    Conta();
    return __libc_realloc(p, n);
}
}
#define ORVANTA_CONTA_ALOCACOES 1
#endif

namespace {

// Throws every message away, and says so.
class TReceptorDescarta : public TReceptorMensagens {
public:
    void AdicionaMensagem(const QString&, double) override { ++recebidas; }
    bool Descarta() const override { return true; }
    int recebidas = 0;
};

// One game from a reset: the pool's first developer alone on every activity
// at horas a day, played to the end; its days.
int JogaCorvin(TSimuladorProjeto& sim, double horas, TReceptorMensagens* painel) {
    sim.Reiniciar();
    TProjetoSoftware* p = sim.Projeto();
    TDesenvolvedor* corvin = sim.Desenvolvedores().at(0);
    p->Equipe().append(corvin);
    corvin->SetHorasTrabalho(horas);
    for (TAtividade* a : p->Atividades()) {
        a->SetDesenvolvedor(corvin);
    }
    const auto responde = [](const QString&) { return true; }; // the player answers Yes
    int dias = 0;
    while (!p->Concluido() && sim.ConfirmarTurno(responde)) {
        sim.AvancarDia(painel);
        ++dias;
    }
    return dias;
}

} // namespace

class TstAlocacoes : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
#ifndef ORVANTA_CONTA_ALOCACOES
        QSKIP("the heap cannot be counted in this build");
#endif
    }

    void ASecondGameAllocatesNothing_data() {
        QTest::addColumn<double>("horas");
        QTest::addColumn<bool>("comReceptor");
        QTest::addColumn<int>("dias");
        QTest::newRow("run A, messages discarded") << 8.0 << true << 81;
        QTest::newRow("run A, no receiver") << 8.0 << false << 81;
        QTest::newRow("run B, messages discarded") << 12.0 << true << 90;
    }
    // guards against a reset or a day step that takes memory on every game
    // (a list rebuilt, a message written for a receiver that throws it away)
    void ASecondGameAllocatesNothing() {
        QFETCH(double, horas);
        QFETCH(bool, comReceptor);
        QFETCH(int, dias);
        TSimuladorProjeto sim;
        TReceptorDescarta descarta;
        TReceptorMensagens* const painel = comReceptor ? &descarta : nullptr;
        QCOMPARE(JogaCorvin(sim, horas, painel), dias);
        Alocacoes = 0;
        Contando = true;
        const int segundo = JogaCorvin(sim, horas, painel);
        Contando = false;
        QCOMPARE(segundo, dias);
        QCOMPARE(Alocacoes.load(), 0L);
        // Nothing was even handed to a receiver that discards it.
        QCOMPARE(descarta.recebidas, 0);
    }

    // guards against a count that sees nothing, which would pass the test above
    // whatever the model does
    void TheCountSeesTheHeap() {
        Alocacoes = 0;
        Contando = true;
        const QString texto = QString::number(horasNaoConstantes()).repeated(100);
        Contando = false;
        QVERIFY(!texto.isEmpty());
        QVERIFY(Alocacoes.load() > 0);
    }

private:
    // A number the compiler cannot fold, so that the string is made at run time.
    static int horasNaoConstantes() { return QRandomGenerator::global()->bounded(8, 13); }
};

QTEST_GUILESS_MAIN(TstAlocacoes)
#include "tst_alocacoes.moc"
