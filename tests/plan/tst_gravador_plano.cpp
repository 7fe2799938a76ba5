// SPDX-License-Identifier: GPL-3.0-or-later
// Recording games as plans: the player's state, the changes between two
// states, and games of a random player that replay exactly.

#include "plan/EscritorPlano.h"
#include "plan/EstadoJogador.h"
#include "plan/GravadorPlano.h"
#include "plan/LeitorPlano.h"
#include "tests/plan/PlanosTeste.h"

#include <QRandomGenerator>
#include <QtTest>
#include <algorithm>

namespace {

// A player making the window's moves on the model at random, recorded as the
// window records them: around every day step.
struct TJogadorAleatorio {
    QRandomGenerator rng;
    TSimuladorProjeto& sim;
    TGravadorPlano& gravador;
    TListaMensagens& receptor;
    TEstadoJogador depoisDoUltimoPasso;

    TProjetoSoftware* Projeto() { return sim.Projeto(); }
    TDesenvolvedor* Pool(int i) { return sim.Desenvolvedores().at(i); }
    TDesenvolvedor* MembroQualquer() {
        return Projeto()->Equipe().at(rng.bounded(int(Projeto()->Equipe().size())));
    }

    // "Next Turn": nothing once concluded; a turn in which nobody works is
    // accepted or declined at random.
    void ProximoTurno() {
        if (Projeto()->Concluido() ||
            !sim.ConfirmarTurno([this](const QString&) { return rng.bounded(4) != 0; })) {
            return;
        }
        gravador.AntesDoPasso(sim);
        sim.AvancarDia(&receptor);
        gravador.DepoisDoPasso(sim);
        depoisDoUltimoPasso = CapturaEstado(sim);
    }

    // "Q": every activity to the team's first member.
    void Q() {
        if (!Projeto()->Equipe().isEmpty()) {
            for (TAtividade* a : Projeto()->Atividades()) {
                a->SetDesenvolvedor(Projeto()->Equipe().first());
            }
        }
    }

    void Joga(int acoes) {
        for (int i = 0; i < acoes && Projeto()->Tempo() < 300; ++i) {
            const int acao = int(rng.bounded(20));
            if (acao < 3) { // the team dialog: a few toggles, then validation
                for (int t = 1 + int(rng.bounded(3)); t > 0; --t) {
                    TDesenvolvedor* d = Pool(int(rng.bounded(7)));
                    if (Projeto()->Equipe().contains(d)) {
                        Projeto()->Equipe().removeOne(d);
                    } else {
                        Projeto()->Equipe().append(d);
                    }
                }
                Projeto()->ValidarAlocacoes();
            } else if (acao == 3) { // "R"
                Projeto()->Equipe().append(Pool(0));
                Q();
                for (int t = 0; t < 26; ++t) {
                    ProximoTurno();
                }
            } else if (acao == 4) {
                Q();
            } else if (acao < 9 && !Projeto()->Equipe().isEmpty()) { // a drag, maybe of nobody
                TDesenvolvedor* d = rng.bounded(5) == 0 ? nullptr : MembroQualquer();
                Projeto()->Atividade(int(rng.bounded(16)))->SetDesenvolvedor(d);
            } else if (acao < 11 && !Projeto()->Equipe().isEmpty()) { // Work Hours, exhausted too
                MembroQualquer()->SetHorasTrabalho(8 + int(rng.bounded(5)));
            } else if (acao < 13) { // Task Time
                const int horas = rng.bounded(4) == 0 ? int(rng.bounded(201)) : int(rng.bounded(25));
                Projeto()->Atividade(7 + int(rng.bounded(3)))->SetDuracao(horas / 8.0);
            } else {
                for (int t = 1 + int(rng.bounded(6)); t > 0; --t) {
                    ProximoTurno();
                }
            }
        }
    }
};

} // namespace

class TstGravadorPlano : public QObject {
    Q_OBJECT

private slots:
    // Guards against a record whose start misses part of the player's state.
    void TheFirstStepRecordsTheWholeState() {
        TSimuladorProjeto sim;
        CorvinEmTudo(sim, 9);
        sim.Projeto()->Atividade(8)->SetDuracao(2.5);
        TGravadorPlano gravador;
        gravador.AntesDoPasso(sim);
        sim.AvancarDia(nullptr);
        gravador.DepoisDoPasso(sim);
        gravador.AntesDoPasso(sim); // nothing changed: no event

        TPlano esperado = PlanoCorvin(9);
        esperado.Inicio.Horas = {{0, 9}, {1, 8}, {2, 8}, {3, 8}, {4, 8}, {5, 8}, {6, 8}};
        esperado.Inicio.Inspecoes = {{7, 0}, {8, 20}, {9, 0}};
        esperado.MaximoDias = 1;
        esperado.Resultado = ResultadoAtual(sim);
        QVERIFY(gravador.Plano() == esperado);
        QCOMPARE(gravador.Passos(), 1);
    }

    // Guards against events that repeat unchanged keys or miss a change:
    // the whole team when it changed, null for an assignment taken away.
    void AnEventHoldsOnlyWhatChanged() {
        TSimuladorProjeto sim;
        CorvinEmTudo(sim, 8);
        const TEstadoJogador antes = CapturaEstado(sim);
        QVERIFY(MudancasEntre(antes, antes, 3).Vazia());

        TDesenvolvedor* oswin = sim.Desenvolvedores().at(5);
        sim.Projeto()->Equipe().append(oswin);
        oswin->SetHorasTrabalho(10);
        sim.Projeto()->Atividade(8)->SetDuracao(2.5);
        sim.Projeto()->Atividade(2)->SetDesenvolvedor(nullptr);
        sim.Projeto()->Atividade(3)->SetDesenvolvedor(oswin);
        TMudancasPlano esperado;
        esperado.Dia = 3;
        esperado.Equipe = QList<int>{0, 5};
        esperado.Horas = {{5, 10}};
        esperado.Inspecoes = {{8, 20}};
        esperado.Alocacoes = {{2, -1}, {3, 5}};
        QVERIFY(MudancasEntre(antes, CapturaEstado(sim), 3) == esperado);
    }

    // Guards against any move of the window that a record fails to carry:
    // each game's record, written and read back, replays to the same
    // messages, days, cost and state. Seeds of failures found stay here.
    void RandomGamesReplayExactly() {
        TSimuladorProjeto sim;
        TSimuladorProjeto outro;
        TGravadorPlano gravador;
        int concluidos = 0;
        int exaustos = 0;
        for (quint32 semente = 1; semente <= 300; ++semente) {
            const QByteArray caso = "seed " + QByteArray::number(semente);
            sim.Reiniciar();
            gravador.Reinicia();
            TListaMensagens receptor;
            TJogadorAleatorio jogador{QRandomGenerator(semente), sim, gravador, receptor, {}};
            jogador.Joga(80);

            const TPlano gravado = gravador.Plano();
            const TPlano lido = LePlano(EscrevePlano(gravado, sim), "record", outro);
            QVERIFY2(lido == gravado, caso.constData());
            TListaMensagens rejogo;
            const TResultadoPlano r = JogaPlano(outro, lido, &rejogo);
            QVERIFY2(rejogo.Mensagens == receptor.Mensagens, caso.constData());
            if (gravador.Passos() > 0) {
                QVERIFY2(r == *gravado.Resultado, caso.constData());
                QVERIFY2(CapturaEstado(outro) == jogador.depoisDoUltimoPasso, caso.constData());
                concluidos += r.Concluido ? 1 : 0;
            }
            const auto exausto = [](const TMensagemJogo& m) {
                return m.Texto.endsWith(QLatin1String(" will stop overworking"));
            };
            exaustos += std::any_of(rejogo.Mensagens.cbegin(), rejogo.Mensagens.cend(), exausto);
        }
        // The games reach the ends that matter: conclusion and exhaustion.
        QVERIFY(concluidos > 150);
        QVERIFY(exaustos > 10);
    }
};

QTEST_GUILESS_MAIN(TstGravadorPlano)
#include "tst_gravador_plano.moc"
