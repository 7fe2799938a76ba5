// The player's decisions and what followed, as the debrief reads them from
// a plan: the timeline against the plan's own events, the marked days
// against the game's messages, the inspections skipped, and the cover.
#include "PlanosAnalise.h"
#include "analise/AnaliseJogo.h"
#include "model/mSimulador.h"
#include "plan/JogoPlano.h"

#include <QJsonArray>
#include <QtTest>

namespace {

QList<double> DiasMarcos(const TAnaliseJogo& a, ETipoMarco tipo) {
    QList<double> dias;
    for (const TMarco& m : a.Marcos) {
        if (m.Tipo == tipo) {
            dias.append(m.Dia);
        }
    }
    return dias;
}

QList<double> DiasMensagens(const QList<TMensagemJogo>& mensagens, const QString& fim) {
    QList<double> dias;
    for (const TMensagemJogo& m : mensagens) {
        if (m.Texto.endsWith(fim) && !dias.contains(m.Dia)) {
            dias.append(m.Dia);
        }
    }
    return dias;
}

} // namespace

class TstDecisoesJogo : public QObject {
    Q_OBJECT

    TSimuladorProjeto FSim;

private slots:
    void TheTimelineIsThePlansEventsDayByDay_data() {
        QTest::addColumn<TPlano>("plano");
        QTest::newRow("Corvin at 12 hours, set again on day 30") << PlanoCorvinDia30();
        for (quint32 semente = 1; semente <= 30; ++semente) {
            QTest::addRow("random player %u", semente) << PlanoAleatorio(semente);
        }
    }

    // Guards against decisions lost, doubled, moved to another day, or
    // told for events the game never reached; and against a timeline
    // cluttered with a new game's state (8 hours, nobody assigned).
    void TheTimelineIsThePlansEventsDayByDay() {
        QFETCH(TPlano, plano);
        const TAnaliseJogo a = AnalisaPlano(FSim, plano);
        QCOMPARE(Remonta(a.Decisoes, 0), SemOPadrao(plano.Inicio));
        int alcancados = 0;
        for (const TMudancasPlano& evento : plano.Eventos) {
            // A change before the step of day N is made when the replay
            // reaches that step: N steps played or fewer, before the last.
            const bool alcancado = evento.Dia < plano.MaximoDias && evento.Dia <= a.Resumo.Dias;
            TMudancasPlano nada;
            nada.Dia = evento.Dia;
            QCOMPARE(Remonta(a.Decisoes, evento.Dia), alcancado ? evento : nada);
            alcancados += alcancado ? 1 : 0;
        }
        for (qsizetype i = 1; i < a.Decisoes.size(); ++i) {
            QVERIFY(a.Decisoes.at(i - 1).Dia <= a.Decisoes.at(i).Dia);
        }
        QVERIFY(plano.Eventos.isEmpty() || alcancados > 0);
    }

    // Guards against the day-30 change shown without the exhaustion it was
    // made in, or at another day than the one the plan gives.
    void TheHoursSetAgainOnDay30AreMarkedThereWhileCorvinIsExhausted() {
        const TAnaliseJogo a = AnalisaPlano(FSim, PlanoCorvinDia30());
        const QList<TDecisao> horas = [&a] {
            QList<TDecisao> h;
            for (const TDecisao& d : a.Decisoes) {
                if (d.Tipo == ETipoMarco::Horas) {
                    h.append(d);
                }
            }
            return h;
        }();
        QCOMPARE(horas.size(), 2);
        QCOMPARE(horas.at(0).Dia, 0);
        QVERIFY(!horas.at(0).Exausto);
        QCOMPARE(horas.at(1).Dia, 30);
        QCOMPARE(horas.at(1).Valor, 12);
        QVERIFY(horas.at(1).Exausto);
        QCOMPARE(TextoDecisao(horas.at(1), a.Cenario),
                 QStringLiteral("Corvin's hours set to 12 a day, while he was exhausted"));
        QCOMPARE(DiasMarcos(a, ETipoMarco::Horas), (QList<double>{0, 30}));
        QCOMPARE(DiasMarcos(a, ETipoMarco::Equipe), QList<double>{0});
    }

    void WarningAndExhaustionMarksFallOnTheDaysOfTheGamesMessages_data() {
        QTest::addColumn<TPlano>("plano");
        QTest::newRow("run B") << PlanoReferencia(HorasReferenciaB);
        QTest::newRow("Corvin at 12 hours, set again on day 30") << PlanoCorvinDia30();
        for (quint32 semente = 100; semente < 120; ++semente) {
            QTest::addRow("random player %u", semente) << PlanoAleatorio(semente);
        }
    }

    // Guards against marks a day off the game's own messages (the trace
    // entry before or after the step), or marks the game never gave.
    void WarningAndExhaustionMarksFallOnTheDaysOfTheGamesMessages() {
        QFETCH(TPlano, plano);
        TListaMensagens mensagens;
        JogaPlano(FSim, plano, &mensagens);
        const TAnaliseJogo a = AnalisaPlano(FSim, plano);
        QCOMPARE(DiasMarcos(a, ETipoMarco::Aviso),
                 DiasMensagens(mensagens.Mensagens,
                               QStringLiteral(" is looking exhaust due to overworking hours")));
        const QList<double> exausto = DiasMensagens(
            mensagens.Mensagens, QStringLiteral(" is exhaust and will stop overworking"));
        for (double dia : DiasMarcos(a, ETipoMarco::Exausto)) {
            QVERIFY2(exausto.contains(dia), qPrintable(QString::number(dia)));
        }
        QCOMPARE(DiasMarcos(a, ETipoMarco::Exausto).isEmpty(), exausto.isEmpty());
    }

    // Guards against the run B markers drifting: warned on day 12,
    // exhausted on day 23, as the message panel says.
    void RunBIsWarnedOnDay12AndExhaustedOnDay23() {
        const TAnaliseJogo a = AnalisaPlano(FSim, PlanoReferencia(HorasReferenciaB));
        QCOMPARE(DiasMarcos(a, ETipoMarco::Aviso), QList<double>{12});
        QCOMPARE(DiasMarcos(a, ETipoMarco::Exausto), QList<double>{23});
    }

    // Guards against an inspection given no time passing unnoticed in the
    // debrief, noted on another day than its predecessor's completion, or
    // one given time taken for skipped.
    void InspectionsGivenNoTimeAreNotedAsSkippedOnTheDayTheyWerePassedBy() {
        TListaMensagens mensagens;
        TPlano plano = PlanoReferencia(HorasReferenciaA);
        plano.Inicio.Inspecoes = {{8, 16}}; // the second area's inspection gets two days
        JogaPlano(FSim, plano, &mensagens);
        const TAnaliseJogo a = AnalisaPlano(FSim, plano);
        QCOMPARE(a.Puladas.size(), 2);
        for (const TInspecaoPulada& p : a.Puladas) {
            QVERIFY(p.Atividade == 7 || p.Atividade == 9);
            QVERIFY(p.Erros > 1.0);
            // Passed by in the step its design was accomplished in.
            const QString design = a.Cenario.Atividades.at(a.Cenario.Predecessoras.at(p.Atividade).at(0));
            const QList<double> fim = DiasMensagens(
                mensagens.Mensagens,
                QLatin1Char('"') + design + QStringLiteral("\" activity was accomplished"));
            QCOMPARE(fim, QList<double>{p.Dia});
            const auto nota = std::find_if(a.Mensagens.cbegin(), a.Mensagens.cend(),
                                           [&](const TMensagemDebrief& m) {
                                               return m.Nota && m.Texto.contains(a.Cenario.Atividades.at(
                                                                    p.Atividade));
                                           });
            QVERIFY(nota != a.Mensagens.cend());
            QCOMPARE(nota->Dia, p.Dia);
            // After the message of the step that passed it by.
            const auto acabou = std::find_if(a.Mensagens.cbegin(), a.Mensagens.cend(),
                                             [&](const TMensagemDebrief& m) {
                                                 return m.Texto.contains(QLatin1Char('"') + design +
                                                                         QStringLiteral("\" activity was accomplished"));
                                             });
            QVERIFY(acabou < nota);
        }
        QCOMPARE(DiasMarcos(a, ETipoMarco::InspecaoPulada).size(), 2);
        // The game's own messages are all there, in order, and notes are only added.
        QList<TMensagemJogo> doJogo;
        for (const TMensagemDebrief& m : a.Mensagens) {
            if (!m.Nota) {
                doJogo.append({m.Texto, m.Dia});
            }
        }
        QCOMPARE(doJogo, mensagens.Mensagens);
        QCOMPARE(a.Areas.at(1).HorasInspecao, 16.0);
        QVERIFY(a.Areas.at(1).ErrosInspecao > 0.0);
        QCOMPARE(a.Areas.at(0).ErrosInspecao, 0.0);
    }

    void TheCoverReadsTheRecordsMeta_data() {
        QTest::addColumn<QJsonObject>("meta");
        QTest::addColumn<QString>("gerente");
        QTest::addColumn<int>("jogo");
        QTest::addColumn<QString>("fim");
        const QJsonArray dias{QStringLiteral("2026-12-08T11:05:00+01:00"),
                              QStringLiteral("2026-12-08T11:40:00+01:00")};
        QTest::newRow("as the game writes it")
            << QJsonObject{{"manager", "Ana"}, {"game", 3}, {"started", "2026-12-08T11:02:03+01:00"},
                           {"days_played_at", dias}}
            << "Ana" << 3 << "2026-12-08T11:40:00+01:00";
        QTest::newRow("placeholders in the name")
            << QJsonObject{{"manager", "%1 %2 100%"}, {"game", 12}} << "%1 %2 100%" << 12 << "";
        QTest::newRow("a line break in the name")
            << QJsonObject{{"manager", "Ana\nBea"}, {"game", 1}} << "Ana\\nBea" << 1 << "";
        QTest::newRow("fields of other types")
            << QJsonObject{{"manager", 42}, {"game", "3"}, {"days_played_at", "x"}} << "" << 0 << "";
        QTest::newRow("a game number that is no whole number")
            << QJsonObject{{"game", 2.5}} << "" << 0 << "";
        QTest::newRow("a name far too long")
            << QJsonObject{{"manager", QString(5000, QLatin1Char('a'))}}
            << QString(119, QLatin1Char('a')) + QChar(0x2026) << 0 << "";
    }

    // Guards against a cover that trusts the record's types, passes its
    // control characters or its placeholders on, or shows a page of name.
    void TheCoverReadsTheRecordsMeta() {
        QFETCH(QJsonObject, meta);
        QFETCH(QString, gerente);
        QFETCH(int, jogo);
        QFETCH(QString, fim);
        TPlano plano = PlanoReferencia(HorasReferenciaA);
        plano.MaximoDias = 5;
        plano.Meta = meta;
        const TAnaliseJogo a = AnalisaPlano(FSim, plano);
        QCOMPARE(a.Capa.Gerente, gerente);
        QCOMPARE(a.Capa.Jogo, jogo);
        QCOMPARE(a.Capa.Fim, fim);
    }

    // Guards against a record that does not replay to its result shown as
    // checked, or one that does shown as a mismatch.
    void TheCheckComparesTheRecordedResultWithTheReplay() {
        TPlano plano = PlanoReferencia(HorasReferenciaA);
        QVERIFY(!AnalisaPlano(FSim, plano).Capa.Gravado);
        plano.Resultado = TResultadoPlano{true, 81, 16200.0};
        QVERIFY(AnalisaPlano(FSim, plano).Capa.Confere());
        plano.Resultado = TResultadoPlano{true, 81, 16200.01};
        const TAnaliseJogo a = AnalisaPlano(FSim, plano);
        QVERIFY(!a.Capa.Confere());
        QCOMPARE(a.Capa.Rejogado, (TResultadoPlano{true, 81, 16200.0}));
    }
};

QTEST_GUILESS_MAIN(TstDecisoesJogo)
#include "tst_decisoes_jogo.moc"
