// The debrief window over a game: F8 opens it on the game played so far, it
// follows each turn, F7's new game empties it, and it never touches the game;
// it names the game's manager and number and lists what the player decided.
#include "../analise/PlanosAnalise.h"
#include "JogoTeste.h"
#include "debrief/JanelaDebrief.h"
#include "model/mDesenvolvedor.h"

#include <QtTest>

class TstDebriefJogo : public QObject {
    Q_OBJECT

    static void Tecla(TJogoTeste& jogo, char tecla) { QTest::keyClick(jogo.Janela.get(), tecla); }
    static void Tecla(TJogoTeste& jogo, Qt::Key tecla) {
        QTest::keyClick(jogo.Janela.get(), tecla);
    }

private slots:
    // Guards against F8 doing nothing, a window over another game, one that
    // stops at the day it opened, or one that keeps the old game after F7.
    void F8OpensTheDebriefWhichFollowsTurnsAndEmptiesOnANewGame() {
        TJogoTeste jogo;
        jogo.Prepara(std::make_unique<TMainWindow>());
        jogo.Janela->show();
        QTRY_VERIFY(!jogo.Janela->PrimeiraAtivacao());
        Tecla(jogo, 'R');
        Tecla(jogo, '+');
        Tecla(jogo, '+');
        QVERIFY(!jogo.Janela->findChild<TJanelaDebrief*>());

        Tecla(jogo, Qt::Key_F8);
        auto* debrief = jogo.Janela->findChild<TJanelaDebrief*>();
        QVERIFY(debrief);
        QVERIFY(debrief->isVisible());
        QCOMPARE(debrief->windowTitle(), QStringLiteral("Orvanta Debrief"));
        const int dias = int(jogo.Projeto()->Tempo());
        QVERIFY(dias >= 2);
        QCOMPARE(debrief->Analise().Dias.size(), dias);
        QCOMPARE(debrief->Analise().Resumo.Custo, jogo.Projeto()->Custo());

        Tecla(jogo, '+');
        QCOMPARE(debrief->Analise().Dias.size(), dias + 1);
        QCOMPARE(debrief->Analise().CustoAcumulado.constLast(), jogo.Projeto()->Custo());

        // F8 again brings the same window forward.
        Tecla(jogo, Qt::Key_F8);
        QCOMPARE(jogo.Janela->findChildren<TJanelaDebrief*>().size(), 1);

        Tecla(jogo, Qt::Key_F7);
        QVERIFY(debrief->Analise().Dias.isEmpty());
        QCOMPARE(jogo.Projeto()->Tempo(), 0.0);
    }

    // Guards against a closed debrief replaying the game on every turn, or
    // one that opens again on the day it was closed.
    void AClosedDebriefRestsAndCatchesUpWhenOpenedAgain() {
        TJogoTeste jogo;
        jogo.Prepara(std::make_unique<TMainWindow>());
        jogo.Janela->show();
        QTRY_VERIFY(!jogo.Janela->PrimeiraAtivacao());
        Tecla(jogo, 'R');
        Tecla(jogo, '+');
        Tecla(jogo, Qt::Key_F8);
        auto* debrief = jogo.Janela->findChild<TJanelaDebrief*>();
        QVERIFY(debrief);
        const int dias = int(jogo.Projeto()->Tempo());
        QCOMPARE(debrief->Analise().Dias.size(), dias);

        debrief->close();
        Tecla(jogo, '+');
        Tecla(jogo, '+');
        QCOMPARE(debrief->Analise().Dias.size(), dias);

        Tecla(jogo, Qt::Key_F8);
        QCOMPARE(jogo.Janela->findChild<TJanelaDebrief*>(), debrief);
        QVERIFY(debrief->isVisible());
        QCOMPARE(debrief->Analise().Dias.size(), dias + 2);
        QCOMPARE(debrief->Analise().Resumo.Custo, jogo.Projeto()->Custo());
    }

    // Guards against a debrief of a game that does not say whose game it
    // is, proposes a file name that tells no two apart, or shows other
    // decisions than the game's record holds.
    void TheDebriefNamesTheGameAndListsTheRecordsDecisions() {
        TJogoTeste jogo;
        jogo.Prepara(std::make_unique<TMainWindow>());
        jogo.Janela->show();
        QTRY_VERIFY(!jogo.Janela->PrimeiraAtivacao());
        Tecla(jogo, 'R');
        TDesenvolvedor* corvin = jogo.Projeto()->Equipe().at(0);
        // As the hours dialog leaves him, between two turns.
        corvin->SetHorasTrabalho(12);
        Tecla(jogo, '+');
        Tecla(jogo, '+');
        corvin->SetHorasTrabalho(9);
        Tecla(jogo, '+');
        Tecla(jogo, Qt::Key_F8);
        auto* debrief = jogo.Janela->findChild<TJanelaDebrief*>();
        QVERIFY(debrief);
        const TCapaJogo& capa = debrief->Analise().Capa;
        QCOMPARE(capa.Gerente, QStringLiteral("Tester"));
        QCOMPARE(capa.Jogo, 1);
        QVERIFY(capa.Confere());
        QCOMPARE(debrief->NomeProposto(-1, QStringLiteral("pdf")),
                 QStringLiteral("orvanta-Tester-game-1.pdf"));

        const TPlano plano = jogo.Janela->PlanoJogoAtual();
        QCOMPARE(plano.Eventos.size(), 2);
        const QList<TDecisao>& decisoes = debrief->Analise().Decisoes;
        QCOMPARE(Remonta(decisoes, 0), SemOPadrao(plano.Inicio));
        for (const TMudancasPlano& evento : plano.Eventos) {
            QCOMPARE(Remonta(decisoes, evento.Dia), evento);
        }
        QCOMPARE(decisoes.constLast().Valor, 9);
    }
};

QTEST_MAIN(TstDebriefJogo)
#include "tst_debrief_jogo.moc"
