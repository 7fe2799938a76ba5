// The debrief's series, taken from the trace of the reference runs and of
// small plans: cost, exhaustion, schedule, critical path, idle time.
#include "PlanosAnalise.h"
#include "analise/AnaliseJogo.h"
#include "analise/SeriesDias.h"
#include "model/mAtividade.h"
#include "model/mSimulador.h"
#include "plan/JogoPlano.h"
#include "plan/PlanoReferencia.h"

#include <QtTest>

namespace {

const QString Comecou = QStringLiteral(" activity has just started");
const QString Acabou = QStringLiteral(" activity was accomplished");
const QString Qualidade = QStringLiteral(" activity suffices the desired quality level");

// The day of the first message about activity nome that ends with fim; -1 when none.
double DiaMensagem(const QList<TMensagemJogo>& mensagens, const QString& nome, const QString& fim) {
    const QString citado = QLatin1Char('"') + nome + QLatin1Char('"') + fim;
    for (const TMensagemJogo& m : mensagens) {
        if (m.Texto.endsWith(citado)) {
            return m.Dia;
        }
    }
    return -1.0;
}

} // namespace

class TstAnaliseJogo : public QObject {
    Q_OBJECT

    TSimuladorProjeto FSim;

private slots:
    // Guards against a cost series that misses, repeats or shifts a day.
    void RunACostRisesTwoHundredADayTo16200() {
        const TAnaliseJogo a = AnalisaPlano(FSim, PlanoReferencia(HorasReferenciaA));
        QCOMPARE(a.Dias.size(), 81);
        for (int i = 0; i < a.Dias.size(); ++i) {
            QCOMPARE(a.Dias.at(i), double(i + 1));
            QCOMPARE(a.CustoDia.at(i), 200.0);
            QCOMPARE(a.CustoAcumulado.at(i), 200.0 * (i + 1));
        }
        QCOMPARE(a.Resumo.Custo, 16200.0);
        QVERIFY(a.Resumo.Concluido);
        QCOMPARE(a.Resumo.HorasExtras, 0.0);
    }

    // Guards against exhaustion days taken from the wrong entry of the trace
    // (before instead of after the step), or spans that end a day off.
    void RunBWarnsOnDay12IsExhaustedOnDay23AndWillingAgainOnDay43() {
        const TAnaliseJogo a = AnalisaPlano(FSim, PlanoReferencia(HorasReferenciaB));
        QCOMPARE(a.Equipe.size(), 1);
        const TSerieDesenvolvedor& corvin = a.Equipe.at(0);
        QCOMPARE(corvin.Nome, QStringLiteral("Corvin"));
        QCOMPARE(corvin.Avisos, QList<int>{12});
        QCOMPARE(corvin.Exausto, (QList<TIntervaloDias>{{23.0, 43.0}}));
        // Day 23 is still worked at 12 hours; from day 24 the hours are back to 8.
        QCOMPARE(corvin.Horas.at(22), 12.0);
        QCOMPARE(corvin.Horas.at(23), 8.0);
        QCOMPARE(corvin.Horas.at(42), 8.0);
        QCOMPARE(a.Resumo.DiasExaustos, 20.0);
    }

    void GanttSpansAgreeWithTheMessageDays_data() {
        QTest::addColumn<int>("horas");
        QTest::newRow("run A") << HorasReferenciaA;
        QTest::newRow("run B") << HorasReferenciaB;
    }

    // Guards against spans that start or end a day away from what the
    // message panel tells the player.
    void GanttSpansAgreeWithTheMessageDays() {
        QFETCH(int, horas);
        TListaMensagens mensagens;
        TRastro rastro;
        JogaPlano(FSim, PlanoReferencia(horas), &mensagens, &rastro);
        const TAnaliseJogo a = AnalisaRastro(rastro, TCenarioAnalise::De(FSim));
        int comparadas = 0;
        for (int i = 0; i < a.Cronograma.size(); ++i) {
            const QString& nome = a.Cenario.Atividades.at(i);
            const QList<TFaixaCronograma>& faixas = a.Cronograma.at(i);
            const double inicio = DiaMensagem(mensagens.Mensagens, nome, Comecou);
            const bool teste = a.Cenario.Tipos.at(i) == TipoTeste;
            const double fim = DiaMensagem(mensagens.Mensagens, nome, teste ? Qualidade : Acabou);
            QCOMPARE(faixas.isEmpty(), inicio < 0.0);
            if (faixas.isEmpty()) {
                continue;
            }
            // A message is stamped with the day its step started.
            QCOMPARE(faixas.constFirst().Inicio, inicio);
            QCOMPARE(faixas.constLast().Fim - 1.0, fim);
            QCOMPARE(a.FimAtividade.at(i), fim + 1.0);
            ++comparadas;
        }
        QCOMPARE(comparadas, 13); // all but the three inspections, given no time
    }

    // Guards against a critical path that follows the network instead of the
    // game: the predecessor that held each activity up.
    void TheCriticalPathOfRunAIsTheChainThroughTheLongestTest() {
        const TAnaliseJogo a = AnalisaPlano(FSim, PlanoReferencia(HorasReferenciaA));
        int maisLongo = -1;
        double duracao = 0.0;
        for (const TAreaFuncional& area : a.Cenario.Areas) {
            double d = 0.0;
            for (const TFaixaCronograma& f : a.Cronograma.at(area.Teste)) {
                d += f.Fim - f.Inicio;
            }
            if (d > duracao) {
                duracao = d;
                maisLongo = area.Teste;
            }
        }
        QCOMPARE(maisLongo, 15);
        // Its coding, inspection and design, the architecture, and the use
        // cases done last.
        QCOMPARE(a.Caminho, (QList<int>{2, 3, 6, 9, 12, 15}));
    }

    // Guards against areas that lose or double a day's cost between them.
    void TheAreasAndTheSharedWorkAddUpToTheCost() {
        for (const int horas : {HorasReferenciaA, HorasReferenciaB}) {
            const TAnaliseJogo a = AnalisaPlano(FSim, PlanoReferencia(horas));
            double soma = a.Resumo.CustoComum;
            for (const TErrosArea& area : a.Areas) {
                QVERIFY(area.Custo > 0.0);
                soma += area.Custo;
            }
            QVERIFY(qAbs(soma - a.Resumo.Custo) < 1e-6);
        }
    }

    // Guards against remaining errors that do not follow the test down to
    // its target, or found errors that are lost on the way.
    void EveryAreaEndsAtItsTestsTargetWithNothingLost() {
        const TAnaliseJogo a = AnalisaPlano(FSim, PlanoReferencia(HorasReferenciaA));
        QCOMPARE(a.Areas.size(), 3);
        for (int k = 0; k < a.Areas.size(); ++k) {
            const TErrosArea& e = a.Areas.at(k);
            QVERIFY(e.Restantes.constLast() <= a.Cenario.Areas.at(k).NivelAlvo);
            QVERIFY(e.Restantes.constFirst() == 0.0); // nothing of the area started on day 1
            for (int i = 1; i < e.Encontrados.size(); ++i) {
                QVERIFY(e.Encontrados.at(i) >= e.Encontrados.at(i - 1));
            }
        }
        QVERIFY(a.Resumo.ErrosNosTestes > 0.0);
    }

    // Guards against idle time counted for developers outside the team, or
    // for one who worked part of the day.
    void ATeamMemberWithoutWorkIsIdleEveryDay() {
        TPlano plano = PlanoReferencia(HorasReferenciaA);
        plano.Inicio.Equipe = QList<int>{0, 1};
        plano.MaximoDias = 5;
        const TAnaliseJogo a = AnalisaPlano(FSim, plano);
        QCOMPARE(a.Ociosos, (QList<double>{1, 1, 1, 1, 1}));
        QCOMPARE(a.Resumo.DiasOciosos, 5.0);
        QCOMPARE(a.Equipe.size(), 2);
        QCOMPARE(a.Equipe.at(1).Horas, (QList<double>{8, 8, 8, 8, 8}));
    }

    void EachDevelopersCostAddsUpToTheGamesCost_data() {
        QTest::addColumn<TPlano>("plano");
        QTest::newRow("run A") << PlanoReferencia(HorasReferenciaA);
        QTest::newRow("run B") << PlanoReferencia(HorasReferenciaB);
        for (quint32 semente = 1; semente <= 15; ++semente) {
            QTest::addRow("random player %u", semente) << PlanoAleatorio(semente);
        }
    }

    // Guards against money charged to nobody or to the wrong developer
    // (the one assigned after a change rather than during the step), and
    // team days counted twice or not at all.
    void EachDevelopersCostAddsUpToTheGamesCost() {
        QFETCH(TPlano, plano);
        const TAnaliseJogo a = AnalisaPlano(FSim, plano);
        double custo = 0.0;
        double ociosos = 0.0;
        for (const TSerieDesenvolvedor& s : a.Equipe) {
            QVERIFY(s.Custo >= 0.0);
            QVERIFY(s.DiasOciosos <= s.DiasNaEquipe && s.DiasExaustos <= s.DiasNaEquipe);
            QVERIFY(s.HorasExtras <= s.HorasTrabalhadas);
            custo += s.Custo;
            ociosos += s.DiasOciosos;
        }
        QVERIFY2(qAbs(custo - a.Resumo.Custo) < 1e-6,
                 qPrintable(QStringLiteral("%1 against %2").arg(custo).arg(a.Resumo.Custo)));
        QCOMPARE(ociosos, a.Resumo.DiasOciosos);
    }

    // Guards against hours worked taken as the hours set rather than the
    // time the activities used, or overtime counted at 8 hours.
    void CorvinWorks648HoursInRunAAndOvertimeOnlyInRunB() {
        const TAnaliseJogo a = AnalisaPlano(FSim, PlanoReferencia(HorasReferenciaA));
        const TSerieDesenvolvedor& corvin = a.Equipe.at(0);
        QCOMPARE(corvin.HorasTrabalhadas, 81.0 * 8.0);
        QCOMPARE(corvin.HorasExtras, 0.0);
        QCOMPARE(corvin.DiasNaEquipe, 81.0);
        QCOMPARE(corvin.Custo, 16200.0);
        const TAnaliseJogo b = AnalisaPlano(FSim, PlanoReferencia(HorasReferenciaB));
        QCOMPARE(b.Equipe.at(0).HorasExtras, b.Resumo.HorasExtras);
        // Days 1 to 23 at 12 hours, then held at 8: four hours over, 23 days.
        QCOMPARE(b.Equipe.at(0).HorasExtras, 23.0 * 4.0);
        QCOMPARE(b.Equipe.at(0).DiasExaustos, 20.0);
    }

    // Guards against a long game kept day by day (memory and files that
    // grow with its length) or summarised into points that lose its end,
    // its total, or their days.
    void AGameOfAMillionDaysKeepsAFewThousandPoints() {
        TPlano plano = PlanoReferencia(HorasReferenciaB);
        plano.Inicio.Alocacoes.removeLast(); // the last test never runs: no end
        plano.MaximoDias = TPlano::LimiteDias;
        const TAnaliseJogo a = AnalisaPlano(FSim, plano);
        QCOMPARE(a.Resumo.Dias, TPlano::LimiteDias);
        QVERIFY(!a.Resumo.Concluido);
        QVERIFY(a.Passo > 1);
        QVERIFY(a.Dias.size() <= TSeriesDias::LimitePadrao);
        QVERIFY(a.Dias.size() >= TSeriesDias::LimitePadrao / 2);
        QCOMPARE(a.Dias.constLast(), double(TPlano::LimiteDias));
        QCOMPARE(a.CustoAcumulado.constLast(), a.Resumo.Custo);
        QCOMPARE(a.CustoDia.size(), a.Dias.size());
        QCOMPARE(a.Equipe.at(0).Exaustao.size(), a.Dias.size());
        QCOMPARE(a.Equipe.at(0).DiasNaEquipe, double(TPlano::LimiteDias));
    }

    // Guards against merged points that lose days: a flow's means times
    // the days they stand for give its total, a level's point is its last
    // day's value, and every point sits on the last of its days.
    void MergedPointsKeepTheTotalsAndTheLastDaysValues() {
        TSeriesDias series({EAgregacao::Media, EAgregacao::Ultimo}, 8);
        const int dias = 101;
        for (int d = 1; d <= dias; ++d) {
            const double valores[] = {double(d % 7), double(d * 10)};
            series.Adiciona(d, valores);
        }
        series.Fecha();
        QCOMPARE(series.Passo(), 16);
        QVERIFY(series.Dias().size() <= 8);
        double total = 0.0;
        double anterior = 0.0;
        for (qsizetype i = 0; i < series.Dias().size(); ++i) {
            const double dia = series.Dias().at(i);
            total += series.Serie(0).at(i) * (dia - anterior);
            QCOMPARE(series.Serie(1).at(i), dia * 10);
            anterior = dia;
        }
        double esperado = 0.0;
        for (int d = 1; d <= dias; ++d) {
            esperado += d % 7;
        }
        QVERIFY(qAbs(total - esperado) < 1e-9);
        QCOMPARE(series.Dias().constLast(), double(dias));
    }

    // Guards against an empty game (a new one) breaking the series.
    void ANewGameHasEmptySeries() {
        TPlano vazio;
        vazio.MaximoDias = 0;
        const TAnaliseJogo a = AnalisaPlano(FSim, vazio);
        QVERIFY(a.Dias.isEmpty());
        QVERIFY(a.Caminho.isEmpty());
        QCOMPARE(a.Areas.size(), 3);
        QCOMPARE(a.Resumo.Dias, 0);
    }
};

QTEST_GUILESS_MAIN(TstAnaliseJogo)
#include "tst_analise_jogo.moc"
