// SPDX-License-Identifier: GPL-3.0-or-later
// Activity rules: states, percentages, error inheritance, detection and the
// day's work with the time a developer has left.

#include "model/mAtividade.h"
#include "model/mDesenvolvedor.h"
#include "model/mProjeto.h"
#include "model/mSimulador.h"
#include "tests/model/ReceptorGravador.h"

#include <QtTest>
#include <memory>

namespace {

// A developer of experience 0.5 in everything: productivity 1.0 and error
// factor 0.9 at 8 hours on his first day.
std::unique_ptr<TDesenvolvedor> NovoMedio(double horas = 8.0) {
    auto d =
        std::make_unique<TDesenvolvedor>(QStringLiteral("Corvin"), 25, 0.5, 0.5, 0.5, 0.5, 0.5);
    d->SetHorasTrabalho(horas);
    return d;
}

// One call of the day's work; returns the share of the day used.
double Trabalha(TAtividade& a, double disponivel, double dia, TReceptorGravador* r = nullptr) {
    double usado = -1;
    a.Trabalhar(r, usado, disponivel, dia);
    return usado;
}

// An analysis of size tamanhoOrigem, completed in one call by a 0.5 developer,
// carries 0.6 x 0.9 x size errors; the activity under test follows it, with
// the same developer and the given duration (none when negative).
struct TCadeia {
    std::unique_ptr<TDesenvolvedor> dev = NovoMedio();
    TAtividade origem;
    TAtividade alvo;
    TReceptorGravador receptor;
    TCadeia(std::uint8_t tipo, double tamanhoOrigem, double tamanhoAlvo, double duracao = -1)
        : origem(QStringLiteral("Origin"), TipoAnalise, 0, 0, 10, tamanhoOrigem),
          alvo(QStringLiteral("Target"), tipo, 0, 0, 10, tamanhoAlvo) {
        alvo.AdicionarPredecessora(&origem);
        if (duracao >= 0) {
            alvo.SetDuracao(duracao);
        }
        alvo.SetDesenvolvedor(dev.get());
    }
    double CompletaOrigem() {
        origem.SetDuracao(0.5);
        origem.SetDesenvolvedor(dev.get());
        ::Trabalha(origem, 1.0, 0);
        return origem.Erros();
    }
    double Trabalha(double disponivel, double dia) {
        return ::Trabalha(alvo, disponivel, dia, &receptor);
    }
};

// Corvin of the scenario on every activity of a fresh game.
TDesenvolvedor* CorvinEmTudo(TSimuladorProjeto& sim) {
    TDesenvolvedor* corvin = sim.Desenvolvedores().at(0);
    sim.Projeto()->Equipe().append(corvin);
    for (TAtividade* a : sim.Projeto()->Atividades()) {
        a->SetDesenvolvedor(corvin);
    }
    return corvin;
}


// The same small network made twice, in the same order: once as the
// scenario's (the day step reads readiness from sets of positions), once
// hanging from an activity outside the project, an inspection of no time,
// done from the start and adding no errors, which the day step can only
// walk up to.
struct TRedeDupla {
    struct TLado {
        std::unique_ptr<TDesenvolvedor> ana = NovoMedio(10);
        std::unique_ptr<TDesenvolvedor> bo = NovoMedio(8);
        TProjetoSoftware projeto;
        QList<TAtividade*> porNome; // analysis, side analysis, design, inspection, coding, test
        TReceptorGravador receptor;
    };
    TLado conjuntos;
    TLado caminhada;
    TAtividade externa{QStringLiteral("Kick-off"), TipoInspecao, 0, 0, 0, 1};

    TRedeDupla() {
        struct TDado {
            const char* nome;
            std::uint8_t tipo;
            double tamanho;
        };
        const TDado dados[] = {{"Analysis", TipoAnalise, 12},     {"Side", TipoAnalise, 6},
                               {"Design", TipoProjeto, 12},       {"Inspection", TipoInspecao, 12},
                               {"Coding", TipoCodificacao, 12}, {"Test", TipoTeste, 18}};
        // (dependent, predecessor) by index in dados.
        const int ligacoes[][2] = {{2, 0}, {3, 2}, {4, 3}, {4, 1}, {5, 4}};
        for (TLado* lado : {&conjuntos, &caminhada}) {
            for (const TDado& d : dados) {
                lado->porNome.append(lado->projeto.AdicionarAtividade(
                    QString::fromLatin1(d.nome), d.tipo, 0, 0, 10, d.tamanho));
            }
            for (const auto& [dependente, predecessora] : ligacoes) {
                lado->porNome[dependente]->AdicionarPredecessora(lado->porNome[predecessora]);
            }
            lado->projeto.Equipe() = {lado->ana.get(), lado->bo.get()};
            for (int i = 0; i < 6; ++i) {
                lado->porNome[i]->SetDesenvolvedor(i == 1 ? lado->bo.get() : lado->ana.get());
            }
            lado->porNome[3]->SetDuracao(0.5);
        }
        caminhada.porNome[0]->AdicionarPredecessora(&externa);
    }
};

} // namespace

class TstAtividade : public QObject {
    Q_OBJECT

private slots:
    void TheScenarioActivitiesCarryTheirThreeEstimates_data() {
        QTest::addColumn<int>("indice");
        QTest::addColumn<double>("minima");
        QTest::addColumn<double>("media");
        QTest::addColumn<double>("maxima");
        const double tabela[] = {0.60,  0.87,  1.58, 0.63,  0.91,  1.64,  0.72,  1.04, 1.87, 1.75,
                                 2.53,  4.57,  1.72, 2.49,  4.49,  1.79,  2.58,  4.66, 2.04, 2.95,
                                 5.32,  0,     0,    0,     0,     0,     0,     0,    0,    0,
                                 3.02,  4.37,  7.88, 3.13,  4.53,  8.18,  3.58,  5.18, 9.34, 8.82,
                                 12.75, 23.00, 9.15, 13.22, 23.85, 10.45, 15.11, 27.26};
        for (int i = 0; i < 16; ++i) {
            QTest::addRow("%d", i + 1)
                << i << tabela[3 * i] << tabela[3 * i + 1] << tabela[3 * i + 2];
        }
    }

    // guards against a scenario activity built with a wrong minimum, mean or maximum estimate
    void TheScenarioActivitiesCarryTheirThreeEstimates() {
        QFETCH(int, indice);
        QFETCH(double, minima);
        QFETCH(double, media);
        QFETCH(double, maxima);
        TSimuladorProjeto sim;
        const TAtividade* a = sim.Projeto()->Atividade(indice);
        COMPARA_REAL(a->DuracaoMinima(), minima, 0.005);
        COMPARA_REAL(a->DuracaoMedia(), media, 0.005);
        COMPARA_REAL(a->DuracaoMaxima(), maxima, 0.005);
        QCOMPARE(a->Duracao(), a->DuracaoMedia());
    }

    void AnActivityIsPlannedByItsTypeAndDuration_data() {
        QTest::addColumn<int>("tipo");
        QTest::addColumn<double>("duracao");
        QTest::addColumn<bool>("planejada");
        QTest::newRow("inspection at the limit") << int(TipoInspecao) << 0.001 << false;
        QTest::newRow("inspection above the limit") << int(TipoInspecao) << 0.0011 << true;
        QTest::newRow("coding at 0") << int(TipoCodificacao) << 0.0 << true;
    }

    // guards against a planned flag that ignores the activity's type or duration
    void AnActivityIsPlannedByItsTypeAndDuration() {
        QFETCH(int, tipo);
        QFETCH(double, duracao);
        QFETCH(bool, planejada);
        TAtividade a(QStringLiteral("A"), static_cast<std::uint8_t>(tipo), 0, 0, 0, 20);
        a.SetDuracao(duracao);
        QCOMPARE(a.Planejada(), planejada);
    }

    void PercentDoneFollowsTimeWorkedOverTheDuration_data() {
        QTest::addColumn<int>("tipo");
        QTest::addColumn<double>("duracao");
        QTest::addColumn<double>("disponivel");
        QTest::addColumn<double>("duracaoDepois");
        QTest::addColumn<double>("percentual");
        QTest::newRow("coding a quarter") << int(TipoCodificacao) << 2.0 << 0.5 << 2.0 << 0.25;
        QTest::newRow("coding done") << int(TipoCodificacao) << 2.0 << 5.0 << 2.0 << 1.0;
        QTest::newRow("inspection at 0") << int(TipoInspecao) << 0.0 << 1.0 << 0.0 << 1.0;
        // Lowered below its executed time: no upper clamp.
        QTest::newRow("inspection cut") << int(TipoInspecao) << 2.0 << 1.0 << 0.5 << 2.0;
        // Raised above it again: it is running once more.
        QTest::newRow("inspection raised") << int(TipoInspecao) << 1.0 << 1.0 << 4.0 << 0.25;
    }

    // guards against a percentage measured against the wrong duration after the player changes it
    void PercentDoneFollowsTimeWorkedOverTheDuration() {
        QFETCH(int, tipo);
        QFETCH(double, duracao);
        QFETCH(double, disponivel);
        QFETCH(double, duracaoDepois);
        QFETCH(double, percentual);
        auto dev = NovoMedio();
        TAtividade a(QStringLiteral("A"), static_cast<std::uint8_t>(tipo), 0, 0, 10, 20);
        a.SetDuracao(duracao);
        a.SetDesenvolvedor(dev.get());
        const double usado = Trabalha(a, disponivel, 0);
        QVERIFY(usado >= 0.0 && usado <= disponivel);
        a.SetDuracao(duracaoDepois);
        COMPARA_REAL(a.Percentual(), percentual, 1e-12);
        QCOMPARE(a.Concluida(), a.TempoExecutado() >= duracaoDepois);
    }

    // guards against a test's percentage counted in days rather than in errors found
    void ATestsPercentDoneFollowsTheErrorsItFinds() {
        // 5.4 errors inherited by a test of size 1 (quality level 0.12).
        TCadeia c(TipoTeste, 10, 1);
        COMPARA_REAL(c.CompletaOrigem(), 5.4, 1e-12);
        c.Trabalha(0.0, 0); // inherits, finds nothing
        QCOMPARE(c.alvo.Percentual(), 0.0);
        c.Trabalha(0.28, 1); // density above 1: one error found
        COMPARA_REAL(c.alvo.Percentual(), 1.0 / (5.4 - 0.12), 1e-12);
        // Every error found: the ratio exceeds 1 and is clamped.
        c.Trabalha(5.0, 2);
        QVERIFY(c.alvo.Erros() == 0.0 && c.alvo.Concluida());
        QCOMPARE(c.alvo.Percentual(), 1.0);

        // Errors already at or below the quality level: the denominator is not
        // positive and the test shows 0.
        TCadeia pouco(TipoTeste, 0.1, 1);
        pouco.CompletaOrigem();
        pouco.Trabalha(1.0, 0);
        QVERIFY(pouco.alvo.Erros() > 0.0 && pouco.alvo.Erros() <= pouco.alvo.NivelQualidade());
        QCOMPARE(pouco.alvo.Percentual(), 0.0);
    }

    void AnActivityInheritsErrorsByItsTypeAndSize_data() {
        QTest::addColumn<int>("tipo");
        QTest::addColumn<double>("tamanho");
        QTest::addColumn<double>("erros");
        // 5.4 inherited; types 0 to 3 regenerate 0.24 x 5.4 x the regeneration
        // factor at density 5.4 / size; testing (and inspection) take them as they are.
        QTest::newRow("analysis, density 0.54")
            << int(TipoAnalise) << 10.0 << 5.4 * (1 + 0.24 * 1.054);
        QTest::newRow("design, density 2.7")
            << int(TipoProjeto) << 2.0 << 5.4 * (1 + 0.24 * 1.2875);
        QTest::newRow("coding, density 5.4")
            << int(TipoCodificacao) << 1.0 << 5.4 * (1 + 0.24 * 1.76);
        QTest::newRow("coding, density 54")
            << int(TipoCodificacao) << 0.1 << 5.4 * (1 + 0.24 * 6.0);
        QTest::newRow("test") << int(TipoTeste) << 1.0 << 5.4;
    }

    // guards against errors inherited in the wrong proportion to an activity's type or size
    void AnActivityInheritsErrorsByItsTypeAndSize() {
        QFETCH(int, tipo);
        QFETCH(double, tamanho);
        QFETCH(double, erros);
        TCadeia c(static_cast<std::uint8_t>(tipo), 10, tamanho);
        c.alvo.SetDesenvolvedor(nullptr);
        c.CompletaOrigem();
        QCOMPARE(c.Trabalha(1.0, 0), 0.0);
        QVERIFY(c.alvo.Iniciada());
        COMPARA_REAL(c.alvo.Erros(), erros, 1e-9);
    }

    // guards against errors inherited again every day, or lost when nobody is assigned
    void ErrorsAreInheritedOnceEvenWithoutADeveloper() {
        TCadeia c(TipoTeste, 10, 1);
        c.alvo.SetDesenvolvedor(nullptr);
        c.Trabalha(1.0, 0); // not ready: nothing inherited
        QVERIFY(!c.alvo.Iniciada());
        QCOMPARE(c.alvo.Erros(), 0.0);
        c.CompletaOrigem();
        c.Trabalha(1.0, 1);
        QCOMPARE(c.Trabalha(1.0, 2), 0.0);
        QVERIFY(c.alvo.Iniciada());
        COMPARA_REAL(c.alvo.Erros(), 5.4, 1e-12);

        // With no predecessors the inheritance adds nothing.
        TAtividade solta(QStringLiteral("Alone"), TipoAnalise, 0, 0, 10, 10);
        Trabalha(solta, 1.0, 0);
        QVERIFY(solta.Iniciada());
        QCOMPARE(solta.Erros(), 0.0);
    }

    // guards against designs inheriting all or none of the architecture's errors
    void TheArchitectureHandsAThirdOfItsErrorsToEachDesign() {
        TSimuladorProjeto sim;
        TProjetoSoftware* p = sim.Projeto();
        CorvinEmTudo(sim);
        for (int i = 4; i < 16; ++i) {
            p->Atividade(i)->SetDesenvolvedor(nullptr);
        }
        for (int passos = 0; !p->Atividade(3)->Concluida() && passos < 20; ++passos) {
            sim.AvancarDia(nullptr);
        }
        QVERIFY(p->Atividade(3)->Concluida());
        const double terco = p->Atividade(3)->Erros() / 3;
        for (int i = 4; i < 7; ++i) {
            const TAtividade* projeto = p->Atividade(i);
            QVERIFY(projeto->Iniciada());
            // The regeneration table runs straight from 1.0 to 1.2 over densities 0 to 2.
            const double d = terco / projeto->Tamanho();
            QVERIFY(d > 0.0 && d < 2.0);
            COMPARA_REAL(projeto->Erros(), terco + (1.0 + 0.1 * d) * 0.24 * terco, 1e-9);
        }
    }

    // guards against a drift of the daily arithmetic away from a worked example
    void AWorkedExampleGivesItsDaysErrorsAndMessages() {
        // Corvin alone on "Users and Professors use cases".
        TSimuladorProjeto sim;
        TProjetoSoftware* p = sim.Projeto();
        TDesenvolvedor* corvin = sim.Desenvolvedores().at(0);
        TAtividade* casoDeUso = p->Atividade(0);
        p->Equipe().append(corvin);
        casoDeUso->SetDesenvolvedor(corvin);
        COMPARA_REAL(casoDeUso->Duracao(), 0.87448590, 1e-8);
        COMPARA_REAL(corvin->Produtividade(TipoAnalise), 0.8002, 1e-12);
        COMPARA_REAL(corvin->FatorErros(TipoAnalise), 1.07982, 1e-12);

        TReceptorGravador receptor;
        sim.AvancarDia(&receptor);
        COMPARA_REAL(casoDeUso->TempoExecutado(), 0.8002, 1e-12);
        COMPARA_REAL(casoDeUso->Erros(), 11.6852, 5e-5);
        COMPARA_REAL(p->Custo(), 200.0, 1e-9);
        QCOMPARE(receptor.Dias(MsgIniciada(casoDeUso->Nome())), QList<double>{0.0});
        QVERIFY(receptor.Dias(MsgConcluida(casoDeUso->Nome())).isEmpty());

        sim.AvancarDia(&receptor);
        QCOMPARE(corvin->TempoProjeto(), 2.0);
        QVERIFY(casoDeUso->Concluida());
        QCOMPARE(receptor.Dias(MsgConcluida(casoDeUso->Nome())), QList<double>{1.0});
        // r = the remaining 0.07429 days of work; Usado = r / 0.80520 = 0.09226.
        COMPARA_REAL(p->Custo(), 200.0 + 200.0 * 0.09226, 0.01);
        COMPARA_REAL(p->Custo(), 218.45, 0.005);
        COMPARA_REAL(casoDeUso->Erros(), 0.6 * 1.07982 * 19.71, 1e-9);
        COMPARA_REAL(casoDeUso->Erros(), 12.7700, 5e-5);
        QCOMPARE(receptor.mensagens.size(), 2);
    }

    // guards against a developer's day spent whole on an activity that needed only part of it
    void CodingLeavesWhatRemainsOfTheDayToTheNextActivities() {
        // Productivity 1.5 (experience 0.5 at 10 hours) and 0.9 days of work left.
        auto dev = NovoMedio(10);
        TProjetoSoftware p;
        TAtividade* primeira =
            p.AdicionarAtividade(QStringLiteral("First"), TipoCodificacao, 0, 0, 10, 10);
        TAtividade* segunda =
            p.AdicionarAtividade(QStringLiteral("Second"), TipoCodificacao, 0, 0, 10, 10);
        primeira->SetDuracao(0.9);
        segunda->SetDuracao(5.0);
        primeira->SetDesenvolvedor(dev.get());
        segunda->SetDesenvolvedor(dev.get());
        p.Equipe().append(dev.get());

        TReceptorGravador receptor;
        p.AvancarTempo(&receptor, 1.0);
        QCOMPARE(primeira->TempoExecutado(), 0.9);
        QVERIFY(primeira->Concluida());
        // 0.6 of his day went to the first, 0.4 to the second; the day costs its 10 hours.
        COMPARA_REAL(segunda->TempoExecutado(), 0.4 * 1.5, 1e-12);
        COMPARA_REAL(p.Custo(), 25.0 * 10.0 * 1.0, 1e-9);
        QCOMPARE(receptor.Linhas(), QStringList({
                                        "Day 0: The \"First\" activity has just started",
                                        "Day 0: The \"First\" activity was accomplished",
                                        "Day 0: The \"Second\" activity has just started",
                                    }));
        QCOMPARE(p.Tempo(), 1.0);
    }

    // guards against a wrong count or wording in the errors-found messages
    void AnInspectionReportsTheErrorsItFindsEachDay() {
        // An inspection of size 1 holding 5.4 errors: one day of a productivity-1
        // developer finds r / 0.28 errors.
        TCadeia c(TipoInspecao, 10, 1, 10);
        c.CompletaOrigem();
        const QString nome = c.alvo.Nome();

        QCOMPARE(c.Trabalha(0.7 * 0.28, 0), 0.7 * 0.28);
        COMPARA_REAL(c.alvo.ErrosEncontrados(), 0.7, 1e-12);
        QCOMPARE(c.alvo.ErrosInformados(), 0.0);
        QCOMPARE(c.receptor.Linhas(), QStringList{"Day 0: " + MsgIniciada(nome)});

        c.Trabalha(0.8 * 0.28, 1);
        COMPARA_REAL(c.alvo.ErrosEncontrados(), 1.5, 1e-12);
        QCOMPARE(c.alvo.ErrosInformados(), c.alvo.ErrosEncontrados());
        QCOMPARE(c.receptor.Linhas().last(), "Day 1: " + MsgEncontrados(nome, 1));

        c.Trabalha(0.9 * 0.28, 2);
        COMPARA_REAL(c.alvo.ErrosInformados(), 1.5, 1e-12);
        QCOMPARE(c.receptor.mensagens.size(), 2);

        // 2.7 more: N is the whole part of what is new, the fraction is dropped.
        c.Trabalha(2.7 * 0.28, 3);
        COMPARA_REAL(c.alvo.ErrosEncontrados(), 5.1, 1e-12);
        QCOMPARE(c.receptor.Linhas().last(), "Day 3: " + MsgEncontrados(nome, 3));
        QCOMPARE(c.alvo.ErrosInformados(), c.alvo.ErrosEncontrados());
        COMPARA_REAL(c.alvo.Erros() + c.alvo.ErrosEncontrados(), 5.4, 1e-12);
    }

    // guards against negative errors left after a long inspection day
    void AnInspectionNeverFindsMoreErrorsThanThereAre() {
        TCadeia c(TipoInspecao, 1, 10, 100); // 0.54 errors, low density
        c.CompletaOrigem();
        for (int dia = 0; dia < 5; ++dia) {
            c.Trabalha(50.0, dia);
            QVERIFY(c.alvo.Erros() >= 0.0);
        }
        QCOMPARE(c.alvo.Erros(), 0.0);
        COMPARA_REAL(c.alvo.ErrosEncontrados(), 0.54, 1e-12);
        // Under one error in all: never reported.
        QCOMPARE(c.alvo.ErrosInformados(), 0.0);
    }

    // guards against a test that spends a day when it inherits fewer errors than its quality level
    void ATestInheritingFewErrorsIsDoneAtOnce() {
        TCadeia c(TipoTeste, 1, 10); // 0.54 errors against a quality level of 1.2
        c.CompletaOrigem();
        QCOMPARE(c.Trabalha(1.0, 0), 0.0);
        QVERIFY(c.alvo.Concluida() && !c.alvo.EmExecucao());
        QCOMPARE(c.alvo.TempoExecutado(), 0.0);
        QVERIFY(c.receptor.mensagens.isEmpty());
    }

    // guards against a test that stops early or runs past its quality level
    void ATestUsesWholeDaysUntilItsQualityLevel() {
        // 5.4 errors, quality level 0.12, estimated duration 0.5 days: a day finds
        // 1 / 0.28 = 3.57 errors while the density stays at 1 or more.
        TCadeia c(TipoTeste, 10, 1, 0.5);
        c.CompletaOrigem();
        const QString nome = c.alvo.Nome();
        QCOMPARE(c.Trabalha(1.0, 0), 1.0);
        QVERIFY(!c.alvo.Concluida());
        COMPARA_REAL(c.alvo.Erros(), 5.4 - 1 / 0.28, 1e-12);
        QCOMPARE(c.Trabalha(1.0, 1), 1.0); // past its duration, still the whole day
        QCOMPARE(c.alvo.TempoExecutado(), 2.0);
        QVERIFY(c.alvo.Concluida());
        QCOMPARE(c.Trabalha(1.0, 2), 0.0);
        QCOMPARE(c.receptor.Linhas(), QStringList({
                                          "Day 0: " + MsgIniciada(nome),
                                          "Day 0: " + MsgEncontrados(nome, 3),
                                          "Day 1: " + MsgEncontrados(nome, 1),
                                          "Day 1: " + MsgQualidade(nome),
                                      }));
    }

    // guards against the day step's short cuts (readiness from sets of
    // positions, accomplished activities left alone from day to day)
    // disagreeing with the walk up the network, also after a change that
    // reopens an accomplished activity
    void TheDayStepGivesTheSameWorkWhereItCannotTakeItsShortCuts() {
        TRedeDupla rede;
        for (int dia = 0; dia < 60; ++dia) {
            if (dia == 25) {
                // More time for the inspection, long accomplished: it runs again.
                for (TRedeDupla::TLado* lado : {&rede.conjuntos, &rede.caminhada}) {
                    QVERIFY(lado->porNome[3]->Concluida());
                    lado->porNome[3]->SetDuracao(2.0);
                }
            }
            rede.conjuntos.projeto.AvancarTempo(&rede.conjuntos.receptor, 1.0);
            rede.caminhada.projeto.AvancarTempo(&rede.caminhada.receptor, 1.0);
            for (int i = 0; i < 6; ++i) {
                const TAtividade* a = rede.conjuntos.porNome[i];
                const TAtividade* b = rede.caminhada.porNome[i];
                QCOMPARE(a->TempoExecutado(), b->TempoExecutado());
                QCOMPARE(a->Erros(), b->Erros());
                QCOMPARE(a->ErrosEncontrados(), b->ErrosEncontrados());
                QCOMPARE(a->EmExecucao(), b->EmExecucao());
                QCOMPARE(a->Concluida(), b->Concluida());
            }
            QCOMPARE(rede.conjuntos.projeto.Custo(), rede.caminhada.projeto.Custo());
        }
        // The game ran its course: work was done after the reopening, and all of it ended.
        QVERIFY(rede.conjuntos.porNome[3]->TempoExecutado() > 0.5);
        QVERIFY(rede.conjuntos.projeto.Concluido());
        QCOMPARE(rede.conjuntos.receptor.Linhas(), rede.caminhada.receptor.Linhas());
    }
};

QTEST_GUILESS_MAIN(TstAtividade)
#include "tst_atividade.moc"
