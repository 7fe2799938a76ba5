// SPDX-License-Identifier: GPL-3.0-or-later
// Practice games in the plan library: the branch a record's meta names, the
// practice records' names, a record cut to a day, and a recorder that goes
// on from the cut record's replay.

#include "plan/EstadoJogador.h"
#include "plan/GravadorPlano.h"
#include "plan/LeitorPlano.h"
#include "plan/RamoJogo.h"
#include "plan/VerificacaoPlano.h"
#include "tests/plan/PlanosTeste.h"

#include <QDir>
#include <QJsonDocument>
#include <QtTest>

Q_DECLARE_METATYPE(TPlano)

namespace {

// Run B with the team and hours changed on the way: events before, on and
// after the days the tests cut at.
TPlano PlanoComEventos() {
    TPlano plano = PlanoCorvin(HorasReferenciaB);
    TMudancasPlano dia5;
    dia5.Dia = 5;
    dia5.Equipe = QList<int>{0, 2};
    dia5.Alocacoes = {{3, 2}, {4, 2}};
    TMudancasPlano dia12;
    dia12.Dia = 12;
    dia12.Horas = {{0, 9}, {2, 11}};
    dia12.Inspecoes = {{7, 16}};
    TMudancasPlano dia20;
    dia20.Dia = 20;
    dia20.Alocacoes = {{10, 0}};
    plano.Eventos = {dia5, dia12, dia20};
    plano.Resultado.reset();
    return plano;
}

// A shipped best plan: a team that grows and changes through the game.
TPlano PlanoDaFrente(const char* nome, const TSimuladorProjeto& sim) {
    const QString caminho = QDir(QStringLiteral(ORVANTA_SOURCE_DIR "/best")).filePath(QLatin1String(nome));
    return LePlano(LeArquivoPlano(caminho), caminho, sim);
}

} // namespace

class TstRamoJogo : public QObject {
    Q_OBJECT

    TSimuladorProjeto FSim;

private slots:
    void TheBranchIsReadOnlyFromAWholeGameAndDay_data() {
        QTest::addColumn<QByteArray>("meta");
        QTest::addColumn<bool>("valido");
        QTest::addColumn<int>("jogo");
        QTest::addColumn<int>("dia");
        QTest::addColumn<QString>("registro");
        QTest::newRow("game and day") << QByteArray(R"({"branch_of": {"game": 3, "day": 12}})")
                                      << true << 3 << 12 << QString();
        QTest::newRow("from day 0") << QByteArray(R"({"branch_of": {"game": 1, "day": 0}})")
                                    << true << 1 << 0 << QString();
        QTest::newRow("from a practice record")
            << QByteArray(R"({"branch_of": {"game": 2, "day": 7, "record": "practice-2-4.json"}})")
            << true << 2 << 7 << QStringLiteral("practice-2-4.json");
        QTest::newRow("no branch") << QByteArray(R"({"game": 3})") << false << 0 << 0 << QString();
        QTest::newRow("not an object") << QByteArray(R"({"branch_of": [3, 12]})") << false << 0
                                       << 0 << QString();
        QTest::newRow("game 0") << QByteArray(R"({"branch_of": {"game": 0, "day": 12}})") << false
                                << 0 << 0 << QString();
        QTest::newRow("negative day") << QByteArray(R"({"branch_of": {"game": 3, "day": -1}})")
                                      << false << 0 << 0 << QString();
        QTest::newRow("fractional day") << QByteArray(R"({"branch_of": {"game": 3, "day": 1.5}})")
                                        << false << 0 << 0 << QString();
        QTest::newRow("day as text") << QByteArray(R"({"branch_of": {"game": 3, "day": "12"}})")
                                     << false << 0 << 0 << QString();
        QTest::newRow("game beyond int") << QByteArray(R"({"branch_of": {"game": 1e12, "day": 1}})")
                                         << false << 0 << 0 << QString();
    }

    // Guards against a record counted as practice (or a practice counted as
    // a game) from a malformed "branch_of", and against a number that does
    // not fit read as another.
    void TheBranchIsReadOnlyFromAWholeGameAndDay() {
        QFETCH(QByteArray, meta);
        QFETCH(bool, valido);
        const std::optional<TRamoJogo> ramo = RamoDoMeta(QJsonDocument::fromJson(meta).object());
        QCOMPARE(ramo.has_value(), valido);
        if (valido) {
            QFETCH(int, jogo);
            QFETCH(int, dia);
            QFETCH(QString, registro);
            QCOMPARE(*ramo, (TRamoJogo{jogo, dia, registro}));
            // What the game writes reads back as it was.
            QCOMPARE(RamoDoMeta(QJsonObject{{QLatin1String("branch_of"), RamoEmJson(*ramo)}}),
                     ramo);
        }
    }

    // Guards against practice records overwriting each other, or named so
    // that a class's tools take them for a counted game's record.
    void PracticeRecordsAreNamedByGameDayAndTurn() {
        QCOMPARE(NomeRegistroPratica(3, 12, 1), QStringLiteral("practice-3-12.json"));
        QCOMPARE(NomeRegistroPratica(3, 12, 2), QStringLiteral("practice-3-12-2.json"));
        QCOMPARE(NomeRegistroPratica(10, 0, 11), QStringLiteral("practice-10-0-11.json"));
        QCOMPARE(TextoRamo(TRamoJogo{3, 12, {}}), QStringLiteral("practice from day 12 of game 3"));
    }

    void ACutRecordReplaysTheOriginalsDaysExactly_data() {
        QTest::addColumn<TPlano>("plano");
        QTest::addColumn<int>("dia");
        const TPlano eventos = PlanoComEventos();
        for (int dia : {0, 1, 5, 6, 12, 19, 20, 40}) {
            QTest::addRow("run B with changes, day %d", dia) << eventos << dia;
        }
        for (const char* nome : {"plan-001.json", "plan-007.json", "plan-013.json"}) {
            const TPlano plano = PlanoDaFrente(nome, FSim);
            const int dias = plano.Resultado->Dias;
            for (int dia : {1, dias / 2, dias - 1}) {
                QTest::addRow("%s, day %d", nome, dia) << plano << dia;
            }
        }
    }

    // Guards against a practice game that does not start where the original
    // stood before day N's step: a change of day N applied early, a change
    // before it lost, a step too many or too few, messages not the same.
    void ACutRecordReplaysTheOriginalsDaysExactly() {
        QFETCH(TPlano, plano);
        QFETCH(int, dia);
        TRastro original;
        TListaMensagens mensagensOriginal;
        JogaPlano(FSim, plano, &mensagensOriginal, &original);
        QVERIFY(original.size() >= dia);

        const TPlano corte = PlanoAteODia(plano, dia);
        QCOMPARE(corte.MaximoDias, dia);
        QVERIFY(!corte.Resultado && !corte.Meta);
        TRastro pratica;
        TListaMensagens mensagensPratica;
        const TResultadoPlano agora = JogaPlano(FSim, corte, &mensagensPratica, &pratica);
        QCOMPARE(pratica, original.mid(0, dia));
        QCOMPARE(agora.Dias, dia);
        QVERIFY(!agora.Concluido);
        QCOMPARE(mensagensPratica.Mensagens,
                 mensagensOriginal.Mensagens.mid(0, mensagensPratica.Mensagens.size()));
        // What the player finds is what was there before day N's own changes.
        if (dia == 0) {
            QCOMPARE(CapturaEstado(FSim), CapturaEstado(TSimuladorProjeto()));
        }
    }

    void APracticePlayedAsTheOriginalRecordsTheOriginal_data() {
        QTest::addColumn<TPlano>("plano");
        QTest::addColumn<int>("dia");
        const TPlano eventos = PlanoComEventos();
        for (int dia : {0, 5, 13}) {
            QTest::addRow("run B with changes, day %d", dia) << eventos << dia;
        }
        const TPlano plano = PlanoDaFrente("plan-004.json", FSim);
        const int dia = plano.Resultado->Dias / 3;
        QTest::addRow("plan-004, day %d", dia) << plano << dia;
    }

    // Guards against a practice record that loses the replayed days' changes
    // or records the player's next changes against the wrong state: making
    // again the original's decisions must record a plan that plays out as
    // the original did.
    void APracticePlayedAsTheOriginalRecordsTheOriginal() {
        QFETCH(TPlano, plano);
        QFETCH(int, dia);
        const TResultadoPlano esperado = JogaPlano(FSim, plano);
        QVERIFY(esperado.Concluido);

        const TPlano corte = PlanoAteODia(plano, dia);
        JogaPlano(FSim, corte);
        TGravadorPlano gravador;
        gravador.Continua(corte, FSim);
        if (dia == 0) {
            AplicaMudancas(FSim, plano.Inicio);
        }
        for (int k = dia; k < plano.MaximoDias && !FSim.Projeto()->Concluido(); ++k) {
            for (const TMudancasPlano& evento : plano.Eventos) {
                if (evento.Dia == k && k > 0) {
                    AplicaMudancas(FSim, evento);
                }
            }
            gravador.AntesDoPasso(FSim);
            FSim.AvancarDia(nullptr);
            gravador.DepoisDoPasso(FSim);
        }
        const TPlano registro = gravador.Plano();
        QCOMPARE(*registro.Resultado, esperado);
        TSimuladorProjeto outro;
        const TVerificacao v = VerificaPlano(outro, registro);
        QVERIFY2(v.Confere, qPrintable(v.Diferenca()));
    }
};

QTEST_GUILESS_MAIN(TstRamoJogo)
#include "tst_ramo_jogo.moc"
