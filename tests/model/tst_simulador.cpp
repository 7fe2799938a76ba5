// SPDX-License-Identifier: GPL-3.0-or-later
// The simulator and the software project: the scenario, the turn test, the
// day step, the reference games and the reset.

#include "model/mAtividade.h"
#include "model/mDesenvolvedor.h"
#include "model/mProjeto.h"
#include "model/mSimulador.h"
#include "tests/model/ReceptorGravador.h"

#include <QtTest>

namespace {

const QStringList NomesAtividades = {
    "Users and Professors use cases",      "Areas and Disciplines use cases",
    "Students and Registration use cases", "System Architecture",
    "Users and Professors Design",         "Areas and Disciplines Design",
    "Students and Registration Design",    "Users and Professors Inspection",
    "Areas and Disciplines Inspection",    "Students and Registration Inspection",
    "Users and Professors Coding",         "Areas and Disciplines Coding",
    "Students and Registration Coding",    "Test Users and Professors",
    "Test Areas and Disciplines",          "Test Students and Registration",
};

// Corvin alone, on every activity, at the given hours.
void PreparaCorvinEmTudo(TSimuladorProjeto& sim, double horas) {
    TDesenvolvedor* corvin = sim.Desenvolvedores().at(0);
    sim.Projeto()->Equipe().append(corvin);
    corvin->SetHorasTrabalho(horas);
    for (TAtividade* a : sim.Projeto()->Atividades()) {
        a->SetDesenvolvedor(corvin);
    }
}

using TLinhas = QStringList;

} // namespace

class TstSimulador : public QObject {
    Q_OBJECT

private slots:
    // guards against a scenario built with a wrong activity, link or position
    void TheScenarioHasItsActivitiesAndNetwork() {
        TSimuladorProjeto sim;
        const TProjetoSoftware* p = sim.Projeto();
        QVERIFY(!p->Concluido());
        struct {
            const char* nome;
            double custo, experiencia[5];
        } const pool[] = {
            {"Corvin", 25, {0.2, 0.3, 0.5, 0.7, 0.5}}, {"Fennick", 30, {0.9, 0.6, 0.3, 0.3, 0.5}},
            {"Ysolde", 25, {0.1, 0.7, 0.9, 0.4, 0.2}}, {"Tamsin", 35, {0.8, 0.9, 0.7, 0.3, 0.3}},
            {"Idony", 15, {0.2, 0.3, 0.5, 0.2, 0.1}},  {"Oswin", 30, {0.3, 0.7, 0.6, 0.5, 0.4}},
            {"Brannoc", 30, {0.2, 0.6, 0.8, 0.8, 0.5}}};
        const std::uint8_t tipos[5] = {TipoAnalise, TipoProjeto, TipoCodificacao, TipoTeste,
                                       TipoInspecao};
        QCOMPARE(sim.Desenvolvedores().size(), 7);
        for (int i = 0; i < 7; ++i) {
            const TDesenvolvedor* d = sim.Desenvolvedores().at(i);
            QCOMPARE(d->Nome(), QString::fromLatin1(pool[i].nome));
            QCOMPARE(d->Custo(), pool[i].custo);
            for (int k = 0; k < 5; ++k) {
                QCOMPARE(d->Experiencia(tipos[k]), pool[i].experiencia[k]);
            }
        }

        // Types, and the network in 1-based numbers, as in the precedence table.
        const int tipos16[] = {0, 0, 0, 1, 2, 2, 2, 5, 5, 5, 3, 3, 3, 4, 4, 4};
        const QList<QList<int>> predecessoras = {{},  {},  {},  {1, 2, 3}, {4},  {4},  {4},  {5},
                                                 {6}, {7}, {8}, {9},       {10}, {11}, {12}, {13}};
        const QList<QList<int>> sucessoras = {{4},  {4},  {4},  {5, 6, 7}, {8},  {9}, {10}, {11},
                                              {12}, {13}, {14}, {15},      {16}, {},  {},   {}};
        QCOMPARE(p->NumeroAtividades(), 16);
        for (int i = 0; i < 16; ++i) {
            const TAtividade* a = p->Atividade(i);
            QCOMPARE(a->Nome(), NomesAtividades.at(i));
            QCOMPARE(int(a->Tipo()), tipos16[i]);
            QList<int> pred, suc;
            for (int k = 0; k < a->NumeroPredecessoras(); ++k) {
                pred.append(p->Atividades().indexOf(a->Predecessora(k)) + 1);
            }
            for (int k = 0; k < a->NumeroSucessoras(); ++k) {
                suc.append(p->Atividades().indexOf(a->Sucessora(k)) + 1);
            }
            QCOMPARE(pred, predecessoras.at(i));
            QCOMPARE(suc, sucessoras.at(i));
        }
    }

    void ReferenceGamesGiveTheirDaysCostAndMessages_data() {
        QTest::addColumn<double>("horas");
        QTest::addColumn<int>("dias");
        QTest::addColumn<double>("custo");
        QTest::addColumn<TLinhas>("esperadas");
        QTest::addColumn<TLinhas>("ausentes");

        const auto concluida = [](int dia, int i) {
            return QStringLiteral("Day %1: ").arg(dia) + MsgConcluida(NomesAtividades.at(i));
        };
        const auto qualidade = [](int dia, int i) {
            return QStringLiteral("Day %1: ").arg(dia) + MsgQualidade(NomesAtividades.at(i));
        };
        QTest::newRow("A: 8 hours")
            << 8.0 << 81 << 16200.0
            << TLinhas{concluida(1, 0),   concluida(2, 1),   concluida(3, 2),   concluida(6, 3),
                       concluida(8, 4),   concluida(11, 5),  concluida(14, 6),  concluida(17, 10),
                       concluida(21, 11), concluida(25, 12), qualidade(42, 13), qualidade(60, 14),
                       qualidade(80, 15)}
            << TLinhas{"Corvin is"};
        QTest::newRow("B: 12 hours")
            << 12.0 << 90 << 20300.0
            << TLinhas{"Day 12: Corvin is looking exhaust due to overworking hours",
                       "Day 23: Corvin is exhaust and will stop overworking",
                       "Day 43: Corvin is willing to overwork again, if necessary",
                       qualidade(31, 13),
                       qualidade(59, 14),
                       qualidade(89, 15)}
            << TLinhas{};
    }

    // guards against any drift of the simulation away from the reference games
    void ReferenceGamesGiveTheirDaysCostAndMessages() {
        QFETCH(double, horas);
        QFETCH(int, dias);
        QFETCH(double, custo);
        QFETCH(TLinhas, esperadas);
        QFETCH(TLinhas, ausentes);

        TSimuladorProjeto sim;
        PreparaCorvinEmTudo(sim, horas);
        TReceptorGravador receptor;
        const TProjetoSoftware* p = sim.Projeto();
        int passos = 0;
        while (!p->Concluido() && passos < 1000) {
            QVERIFY(sim.ConfirmarTurno(nullptr)); // he always has something running
            const double antes = p->Custo();
            sim.AvancarDia(&receptor);
            ++passos;
            // Never more than a whole day of his time.
            QVERIFY(p->Custo() - antes <= 25.0 * 12.0 + 1e-9);
        }
        QCOMPARE(passos, dias);
        QCOMPARE(p->Tempo(), double(dias));
        COMPARA_REAL(p->Custo(), custo, 1e-6);
        QCOMPARE(QString::number(p->Custo(), 'f', 2), QString::number(custo, 'f', 2));

        const QStringList linhas = receptor.Linhas();
        for (const QString& linha : esperadas) {
            QVERIFY2(linhas.count(linha) == 1, qPrintable(linha));
        }
        for (const QString& trecho : ausentes) {
            for (const QString& linha : linhas) {
                QVERIFY2(!linha.contains(trecho), qPrintable(linha));
            }
        }
        // Every activity posts each of its start and end messages exactly once;
        // inspections at dedication 0 post nothing.
        for (int i = 0; i < 16; ++i) {
            const QString& nome = NomesAtividades.at(i);
            const bool inspecao = i >= 7 && i <= 9;
            const bool teste = i >= 13;
            QCOMPARE(receptor.Dias(MsgIniciada(nome)).size(), inspecao ? 0 : 1);
            QCOMPARE(receptor.Dias(MsgConcluida(nome)).size(), inspecao || teste ? 0 : 1);
            QCOMPARE(receptor.Dias(MsgQualidade(nome)).size(), teste ? 1 : 0);
        }
        // Messages come in day order.
        for (int i = 1; i < receptor.mensagens.size(); ++i) {
            QVERIFY(receptor.mensagens.at(i - 1).dia <= receptor.mensagens.at(i).dia);
        }
        QVERIFY(!sim.ConfirmarTurno(nullptr));
    }

    void TheTurnAsksOnlyWhenAnAssignedDeveloperIsOutOfTheTeam_data() {
        QTest::addColumn<int>("atribuida"); // activity given to Fennick, -1 for none
        QTest::addColumn<bool>("naEquipe"); // Fennick in the team
        QTest::addColumn<bool>("pergunta"); // the player is asked
        QTest::newRow("empty team") << -1 << false << true;
        QTest::newRow("team, nobody assigned") << -1 << true << true;
        QTest::newRow("assigned to a waiting activity") << 3 << true << true;
        QTest::newRow("assigned to a running activity") << 0 << true << false;
        // Every pool developer counts, in the team or not.
        QTest::newRow("outside the team, running activity") << 2 << false << false;
    }

    // guards against a turn question asked when nothing is wrong, or missing when something is
    void TheTurnAsksOnlyWhenAnAssignedDeveloperIsOutOfTheTeam() {
        QFETCH(int, atribuida);
        QFETCH(bool, naEquipe);
        QFETCH(bool, pergunta);
        TSimuladorProjeto sim;
        TDesenvolvedor* fennick = sim.Desenvolvedores().at(1);
        if (naEquipe) {
            sim.Projeto()->Equipe().append(fennick);
        }
        if (atribuida >= 0) {
            sim.Projeto()->Atividade(atribuida)->SetDesenvolvedor(fennick);
        }
        for (const bool resposta : {true, false}) {
            QStringList perguntas;
            const bool confirmado = sim.ConfirmarTurno([&](const QString& texto) {
                perguntas.append(texto);
                return resposta;
            });
            QCOMPARE(perguntas.size(), pergunta ? 1 : 0);
            QCOMPARE(confirmado, !pergunta || resposta);
            if (pergunta) {
                QCOMPARE(perguntas.first(),
                         QStringLiteral("Nothing is going to happen this turn. Are "
                                        "you sure you want to spent a project day ?"));
            }
        }
        // No one to ask counts as No.
        QCOMPARE(sim.ConfirmarTurno(nullptr), !pergunta);
        QCOMPARE(sim.Projeto()->Tempo(), 0.0);
    }

    // guards against activities left assigned to a developer who has left the team
    void AssignmentsToDevelopersOutOfTheTeamAreDropped() {
        TSimuladorProjeto sim;
        TProjetoSoftware* p = sim.Projeto();
        TDesenvolvedor* corvin = sim.Desenvolvedores().at(0);
        TDesenvolvedor* fennick = sim.Desenvolvedores().at(1);
        TDesenvolvedor* ysolde = sim.Desenvolvedores().at(2);
        p->Equipe() = {corvin, fennick};
        p->Atividade(0)->SetDesenvolvedor(corvin);
        p->Atividade(1)->SetDesenvolvedor(fennick);
        p->Atividade(4)->SetDesenvolvedor(fennick);
        p->Atividade(5)->SetDesenvolvedor(ysolde); // never in the team
        p->Atividade(6)->SetDesenvolvedor(corvin);
        p->Equipe().removeAll(fennick);
        p->ValidarAlocacoes();
        QCOMPARE(p->Atividade(0)->Desenvolvedor(), corvin);
        QCOMPARE(p->Atividade(1)->Desenvolvedor(), nullptr);
        QCOMPARE(p->Atividade(4)->Desenvolvedor(), nullptr);
        QCOMPARE(p->Atividade(5)->Desenvolvedor(), nullptr);
        QCOMPARE(p->Atividade(6)->Desenvolvedor(), corvin);
        QCOMPARE(p->Atividade(2)->Desenvolvedor(), nullptr);
    }

    // guards against work charged to the project but not to its activity (or
    // the other way round), or charged at another developer's rate
    void EachActivityKeepsWhatTheProjectChargedForIt() {
        TSimuladorProjeto sim;
        PreparaCorvinEmTudo(sim, 12);
        TProjetoSoftware* p = sim.Projeto();
        TDesenvolvedor* outro = sim.Desenvolvedores().at(3);
        p->Equipe().append(outro);
        outro->SetHorasTrabalho(10);
        p->Atividade(1)->SetDesenvolvedor(outro);
        p->Atividade(14)->SetDesenvolvedor(outro);
        p->Atividade(7)->SetDuracao(2.0);
        int passos = 0;
        while (!p->Concluido() && passos < 1000) {
            sim.AvancarDia(nullptr);
            ++passos;
            double soma = 0.0;
            for (const TAtividade* a : p->Atividades()) {
                soma += a->Custo();
            }
            COMPARA_REAL(soma, p->Custo(), 1e-6);
        }
        QVERIFY(p->Concluido());
        // One developer at fixed hours: his cost per hour times his hours per
        // charged day. Corvin's hours fall back to 8 once he is exhausted.
        const TAtividade* feita = p->Atividade(1);
        QVERIFY(feita->DiasCobrados() > 0.0);
        COMPARA_REAL(feita->Custo(), outro->Custo() * 10.0 * feita->DiasCobrados(), 1e-9);
        const TAtividade* inspecao = p->Atividade(7);
        COMPARA_REAL(inspecao->DiasCobrados(), 2.0, 1e-9);
        // Inspections given no time are never charged.
        QCOMPARE(p->Atividade(8)->Custo(), 0.0);
        QCOMPARE(p->Atividade(8)->DiasCobrados(), 0.0);
    }

    // guards against a project counted as done while an inspection still has work
    void AProjectIsDoneOnlyWhenEveryActivityIsIncludingReopenedInspections() {
        TSimuladorProjeto sim;
        PreparaCorvinEmTudo(sim, 8);
        TProjetoSoftware* p = sim.Projeto();
        while (!p->Concluido()) {
            sim.AvancarDia(nullptr);
        }
        // Raising an inspection's dedication reopens it and stops what follows.
        TAtividade* inspecao = p->Atividade(8);
        inspecao->SetDuracao(1.0);
        QVERIFY(!p->Concluido());
        QVERIFY(inspecao->EmExecucao());
        QVERIFY(!p->Atividade(11)->Pronta());
        QVERIFY(p->Atividade(13)->Concluida() && !p->Atividade(14)->Concluida());
        QVERIFY(p->Trabalhando(sim.Desenvolvedores().at(0)));
        inspecao->SetDuracao(0.0);
        QVERIFY(p->Concluido());
    }

    // guards against state of the previous game surviving a restart
    void RestartingTheSimulatorGivesAFreshGame() {
        TSimuladorProjeto sim;
        PreparaCorvinEmTudo(sim, 12);
        TProjetoSoftware* p = sim.Projeto();
        p->Atividade(7)->SetDuracao(2.0);
        p->Equipe().append(sim.Desenvolvedores().at(3));
        for (int i = 0; i < 30; ++i) {
            sim.AvancarDia(nullptr);
        }
        QVERIFY(sim.Desenvolvedores().at(0)->Exausto());
        sim.Reiniciar();
        QCOMPARE(p->Tempo(), 0.0);
        QCOMPARE(p->Custo(), 0.0);
        QVERIFY(p->Equipe().isEmpty());
        for (const TDesenvolvedor* d : sim.Desenvolvedores()) {
            QCOMPARE(d->HorasTrabalho(), 8.0);
            QCOMPARE(d->Exaustao(), 0.0);
            QCOMPARE(d->TempoProjeto(), 0.0);
        }
        TSimuladorProjeto novo;
        for (int i = 0; i < 16; ++i) {
            const TAtividade* a = p->Atividade(i);
            QCOMPARE(a->Desenvolvedor(), nullptr);
            QCOMPARE(a->TempoExecutado(), 0.0);
            QCOMPARE(a->Erros() + a->ErrosEncontrados() + a->ErrosInformados(), 0.0);
            QVERIFY(!a->Iniciada());
            QCOMPARE(a->Custo() + a->DiasCobrados(), 0.0);
            QCOMPARE(a->Duracao(), novo.Projeto()->Atividade(i)->Duracao());
            QCOMPARE(a->Pronta(), novo.Projeto()->Atividade(i)->Pronta());
        }
        // The same game played again gives the same result.
        PreparaCorvinEmTudo(sim, 8);
        while (!p->Concluido()) {
            sim.AvancarDia(nullptr);
        }
        QCOMPARE(p->Tempo(), 81.0);
        COMPARA_REAL(p->Custo(), 16200.0, 1e-6);
    }

    void AMessageLineStartsWithItsDay_data() {
        QTest::addColumn<double>("dia");
        QTest::addColumn<QString>("linha");
        QTest::newRow("no grouping") << 12345.0 << "Day 12345: Simulation started";
        QTest::newRow("rounded down") << 2.4 << "Day 2: Simulation started";
        QTest::newRow("half rounded up") << 2.5 << "Day 3: Simulation started";
        QTest::newRow("no negative zero") << -0.2 << "Day 0: Simulation started";
    }

    // guards against a message line with its day missing, rounded or in the wrong form
    void AMessageLineStartsWithItsDay() {
        QFETCH(double, dia);
        QFETCH(QString, linha);
        QCOMPARE(FormataLinhaMensagem(QStringLiteral("Simulation started"), dia), linha);
    }
};

QTEST_GUILESS_MAIN(TstSimulador)
#include "tst_simulador.moc"
