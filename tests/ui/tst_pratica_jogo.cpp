// SPDX-License-Identifier: GPL-3.0-or-later
// Practice games in the main window: played again from a day of a game's
// record, as it stood then; titled as practice, never counted, recorded as
// games/practice-G-N.json beside the counted games' records.
#include "analise/ParJogo.h"
#include "debrief/JanelaDebrief.h"
#include "model/mDesenvolvedor.h"
#include "model/mSimulador.h"
#include "plan/JogoPlano.h"
#include "plan/RamoJogo.h"
#include "plan/VerificacaoPlano.h"
#include "tests/apoio/RegistroJogoTeste.h"
#include "ui/PainelMensagens.h"

#include <QJsonObject>
#include <QPushButton>
#include <QtTest>

namespace {

// A record of the test's games/ folder, read against sim's scenario.
TPlano LeRegistro(TJogoTeste& jogo, const QString& nome, const TSimuladorProjeto& sim) {
    jogo.Janela->Gravacao().AguardaGravacoes();
    const QString caminho = jogo.Pasta.filePath(QStringLiteral("games/") + nome);
    return LePlano(LeArquivoPlano(caminho), caminho, sim);
}

} // namespace

class TstPraticaJogo : public QObject {
    Q_OBJECT

    static void Tecla(TJogoTeste& jogo, char tecla) { QTest::keyClick(jogo.Janela.get(), tecla); }
    static void Tecla(TJogoTeste& jogo, Qt::Key tecla) {
        QTest::keyClick(jogo.Janela.get(), tecla);
    }

    static void Abre(TJogoTeste& jogo) {
        jogo.Prepara(std::make_unique<TMainWindow>());
        jogo.Janela->DefineAvisoGravacao([](const QString& m) { QFAIL(qPrintable(m)); });
        jogo.Janela->show();
        QTRY_VERIFY(!jogo.Janela->PrimeiraAtivacao());
    }

    // "+" to the end, and once more: the result is recorded.
    static void JogaAteOFim(TJogoTeste& jogo) {
        while (!jogo.Projeto()->Concluido() && jogo.Projeto()->Tempo() < 200) {
            Tecla(jogo, '+');
        }
        Tecla(jogo, '+');
    }

    // Game 1: Corvin on everything ("R", which plays its first days), from
    // day DiaHoras at 12 hours.
    static constexpr int DiaHoras = TMainWindow::TurnosJogoRapido + 4;
    static void JogaJogo1(TJogoTeste& jogo) {
        Tecla(jogo, 'R');
        while (jogo.Projeto()->Tempo() < DiaHoras) {
            Tecla(jogo, '+');
        }
        jogo.Projeto()->Equipe().at(0)->SetHorasTrabalho(12);
        JogaAteOFim(jogo);
        QVERIFY(jogo.Projeto()->Concluido());
    }

private slots:
    void init() { QLocale::setDefault(QLocale::c()); }

    // Guards against a practice game that does not start where the game
    // stood before day N's step (the chart, read-outs or message strip of
    // another day), or that is titled or recorded as a counted game.
    void APracticeGameStartsWhereTheGameStoodOnThatDay() {
        TJogoTeste jogo;
        Abre(jogo);
        JogaJogo1(jogo);
        const TPlano original = jogo.Janela->PlanoJogoAtual();
        TSimuladorProjeto sim;
        TRastro rastro;
        JogaPlano(sim, original, nullptr, &rastro);

        // From game 1's record, then from each practice's: every one
        // begins with the original's days.
        QString titulo = QStringLiteral("Orvanta \u2014 practice from day %1 of game 1");
        QString registro;
        for (int dia : {DiaHoras + 8, DiaHoras, 10, 0}) {
            jogo.Janela->JogaDoDia(dia);
            QCOMPARE(jogo.Janela->windowTitle(), titulo.arg(dia));
            QCOMPARE(jogo.Projeto()->Tempo(), double(dia));
            QCOMPARE(jogo.Projeto()->Custo(), dia > 0 ? rastro.at(dia - 1).Custo : 0.0);
            QStringList linhas;
            for (int k = 0; k < dia; ++k) {
                for (const TMensagemJogo& m : rastro.at(k).Mensagens) {
                    linhas.append(FormataLinhaMensagem(m.Texto, m.Dia));
                }
            }
            QCOMPARE(jogo.Janela->findChild<TPainelMensagens*>()->Mensagens(), linhas);
            // The team as it stood, before that day's changes.
            QCOMPARE(jogo.Projeto()->Equipe().isEmpty(), dia == 0);
            if (dia > 0) {
                QCOMPARE(jogo.Projeto()->Equipe().at(0)->HorasTrabalho(),
                         rastro.at(dia - 1).Desenvolvedores.at(0).HorasTrabalho);
            }
            if (dia == DiaHoras) {
                QCOMPARE(jogo.Projeto()->Equipe().at(0)->HorasTrabalho(), 8.0);
            }
            const QString nome = NomeRegistroPratica(1, dia, 1);
            const TPlano pratica = LeRegistro(jogo, nome, sim);
            QCOMPARE(RamoDoMeta(*pratica.Meta), (TRamoJogo{1, dia, registro}));
            QVERIFY(!pratica.Meta->contains(QLatin1String("game")));
            QCOMPARE(pratica.MaximoDias, dia);
            titulo = QStringLiteral("Orvanta \u2014 practice from day %1 of a practice of game 1");
            registro = nome;
        }
    }

    // Guards against a practice game counted (the record file's count or a
    // "#N" section changed), its record lost, or one that does not replay
    // to its result; and against practices overwriting each other.
    void APracticeGameIsRecordedApartAndNeverCounted() {
        TJogoTeste jogo;
        Abre(jogo);
        JogaJogo1(jogo);
        const TPlano original = jogo.Janela->PlanoJogoAtual();
        const QByteArray ini = jogo.Ini();
        QVERIFY(ini.contains("#1"));

        jogo.Janela->JogaDoDia(50);
        // The same decisions again: the same result.
        JogaAteOFim(jogo);
        QCOMPARE(jogo.Ini(), ini);
        TSimuladorProjeto sim;
        const TPlano primeira = LeRegistro(jogo, QStringLiteral("practice-1-50.json"), sim);
        const TVerificacao v = VerificaPlano(sim, primeira);
        QVERIFY2(v.Confere, qPrintable(v.Diferenca()));
        QCOMPARE(v.Gravado, *original.Resultado);

        // Again from day 50, now of the practice game's record: played
        // otherwise from there, and recorded beside the first.
        jogo.Janela->JogaDoDia(50);
        QCOMPARE(jogo.Janela->windowTitle(),
                 QStringLiteral("Orvanta \u2014 practice from day 50 of a practice of game 1"));
        jogo.Projeto()->Equipe().at(0)->SetHorasTrabalho(8);
        JogaAteOFim(jogo);
        QCOMPARE(jogo.Ini(), ini);
        const TPlano segunda = LeRegistro(jogo, QStringLiteral("practice-1-50-2.json"), sim);
        QCOMPARE(RamoDoMeta(*segunda.Meta),
                 (TRamoJogo{1, 50, QStringLiteral("practice-1-50.json")}));
        const TVerificacao w = VerificaPlano(sim, segunda);
        QVERIFY2(w.Confere, qPrintable(w.Diferenca()));
        QVERIFY(w.Gravado.Concluido);
        QVERIFY(w.Gravado != v.Gravado);
        QCOMPARE(ArquivosJogos(jogo), (QStringList{QStringLiteral("game-1.json"),
                                                   QStringLiteral("practice-1-50-2.json"),
                                                   QStringLiteral("practice-1-50.json")}));
        // Untouched by the practices, game 1's record.
        QCOMPARE(LeRegistroJogo(jogo, 1, sim), original);

        // F7 starts a counted game again: game 2.
        Tecla(jogo, Qt::Key_F7);
        QCOMPARE(jogo.Janela->windowTitle(), QStringLiteral("Orvanta"));
        Tecla(jogo, 'R');
        Tecla(jogo, '+');
        QVERIFY(jogo.Ini() != ini);
        QCOMPARE(LeRegistroJogo(jogo, 2, sim).Meta->value(QLatin1String("game")).toInt(), 2);
    }

    // Guards against a game in play thrown away without asking, or a
    // refusal that still replaces it.
    void AGameNotConcludedIsLeftOnlyWhenThePlayerSaysSo() {
        TJogoTeste jogo;
        Abre(jogo);
        Tecla(jogo, 'R');
        const double dias = jogo.Projeto()->Tempo();
        QVERIFY(dias > 5);
        const int perguntas = jogo.Perguntas;
        jogo.Resposta = false;
        jogo.Janela->JogaDoDia(5);
        QCOMPARE(jogo.Perguntas, perguntas + 1);
        QCOMPARE(jogo.Projeto()->Tempo(), dias);
        QCOMPARE(jogo.Janela->windowTitle(), QStringLiteral("Orvanta"));
        QCOMPARE(ArquivosJogos(jogo), QStringList{QStringLiteral("game-1.json")});

        jogo.Resposta = true;
        jogo.Janela->JogaDoDia(5);
        QCOMPARE(jogo.Projeto()->Tempo(), 5.0);
        TSimuladorProjeto sim;
        QCOMPARE(LeRegistroJogo(jogo, 1, sim).MaximoDias, int(dias));
    }

    // Guards against the debrief's "Play from day N" doing nothing, playing
    // from another day, or a practice game's debrief without its original.
    void TheDebriefsPlayFromDayStartsAPracticeGameBesideItsOriginal() {
        TJogoTeste jogo;
        Abre(jogo);
        JogaJogo1(jogo);
        const TResultadoPlano original = *jogo.Janela->PlanoJogoAtual().Resultado;
        Tecla(jogo, Qt::Key_F8);
        auto* debrief = jogo.Janela->findChild<TJanelaDebrief*>();
        QVERIFY(debrief);
        QVERIFY(debrief->Analise().Par);
        QVERIFY(!debrief->Analise().Original);
        debrief->DefineDiaJogo(12);
        auto* botao = debrief->findChild<QPushButton*>(QStringLiteral("BotaoJogaDoDia"));
        QCOMPARE(botao->text(), QStringLiteral("Play from day 12"));
        botao->click();
        QCOMPARE(jogo.Janela->windowTitle(),
                 QStringLiteral("Orvanta \u2014 practice from day 12 of game 1"));
        QCOMPARE(jogo.Projeto()->Tempo(), 12.0);
        QVERIFY(debrief->Analise().Original);
        QCOMPARE(debrief->Analise().Original->Resultado, original);
        QCOMPARE(debrief->Analise().Dias.size(), 12);
    }
};

QTEST_MAIN(TstPraticaJogo)
#include "tst_pratica_jogo.moc"
