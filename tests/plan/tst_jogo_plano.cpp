// Playing plans: the window's order of changes, steps and the concluded test;
// the trace after every step; verifying a recorded result.

#include "PlanosTeste.h"
#include "plan/JsonContinuo.h"
#include "plan/LeitorPlano.h"
#include "plan/VerificacaoPlano.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QtTest>

namespace {

using TMaos = std::function<void(TSimuladorProjeto&, int)>;

// A plan and the same game played by hand, as the window plays it.
struct TCasoJogo {
    const char* nome;
    QByteArray plano;
    TMaos maos;
    int maximo;
};

TDesenvolvedor* Dev(TSimuladorProjeto& sim, int i) {
    return sim.Desenvolvedores().at(i);
}

QByteArray ComEventos(const char* horas, const char* eventos) {
    return QByteArray(R"({"team": ["Corvin"], "hours": {"Corvin": )") + horas +
           R"(}, "assign": {"1": "Corvin", "2": "Corvin", "3": "Corvin", "4": "Corvin",
               "5": "Corvin", "6": "Corvin", "7": "Corvin", "8": "Corvin", "9": "Corvin",
               "10": "Corvin", "11": "Corvin", "12": "Corvin", "13": "Corvin", "14": "Corvin",
               "15": "Corvin", "16": "Corvin"}, "events": )" +
           eventos + "}";
}

const QList<TCasoJogo>& Casos() {
    static const QList<TCasoJogo> casos = {
        {"team changes, hours, inspections and assignments on their days",
         R"({"team": ["Fennick", "Corvin"], "hours": {"Fennick": 10},
             "assign": {"1": "Fennick", "2": "Corvin", "3": "Corvin"},
             "events": [{"day": 2, "team": ["Fennick"]},
                        {"day": 4, "team": ["Corvin", "Ysolde"], "hours": {"Ysolde": 11},
                         "assign": {"1": "Ysolde", "3": "Corvin", "4": "Ysolde", "5": "Corvin"},
                         "inspection_hours": {"8": 4}}],
             "max_days": 12})",
         [](TSimuladorProjeto& sim, int k) {
             TProjetoSoftware* p = sim.Projeto();
             if (k == 0) {
                 p->Equipe() = {Dev(sim, 1), Dev(sim, 0)};
                 Dev(sim, 1)->SetHorasTrabalho(10);
                 p->Atividade(0)->SetDesenvolvedor(Dev(sim, 1));
                 p->Atividade(1)->SetDesenvolvedor(Dev(sim, 0));
                 p->Atividade(2)->SetDesenvolvedor(Dev(sim, 0));
             } else if (k == 2) {
                 // Corvin leaves with activity 3 unfinished.
                 QVERIFY(p->Atividade(2)->EmExecucaoPor(Dev(sim, 0)));
                 p->Equipe() = {Dev(sim, 1)};
                 p->ValidarAlocacoes();
             } else if (k == 4) {
                 p->Equipe() = {Dev(sim, 0), Dev(sim, 2)};
                 p->ValidarAlocacoes();
                 Dev(sim, 2)->SetHorasTrabalho(11);
                 p->Atividade(7)->SetDuracao(0.5);
                 p->Atividade(0)->SetDesenvolvedor(Dev(sim, 2));
                 p->Atividade(2)->SetDesenvolvedor(Dev(sim, 0));
                 p->Atividade(3)->SetDesenvolvedor(Dev(sim, 2));
                 p->Atividade(4)->SetDesenvolvedor(Dev(sim, 0));
             }
         },
         12},
        // Run A is concluded after 81 steps; the inspection given a day before
        // the next "Next Turn" opens it again.
        {"an event on the concluding day reopens the project",
         ComEventos("8", R"([{"day": 81, "inspection_hours": {"8": 8}}])"),
         [](TSimuladorProjeto& sim, int k) {
             if (k == 0) {
                 CorvinEmTudo(sim, 8);
             } else if (k == 81) {
                 sim.Projeto()->Atividade(7)->SetDuracao(1.0);
             }
         },
         1000},
        // Run B: exhausted from day 23 to day 43.
        {"hours for an exhausted developer apply",
         ComEventos("12", R"([{"day": 30, "hours": {"Corvin": 12}}])"),
         [](TSimuladorProjeto& sim, int k) {
             if (k == 0) {
                 CorvinEmTudo(sim, 12);
             } else if (k == 30) {
                 QVERIFY(Dev(sim, 0)->Exausto());
                 Dev(sim, 0)->SetHorasTrabalho(12);
             }
         },
         1000},
        {"a developer twice in the team",
         ComEventos("8", R"([{"day": 5, "team": ["Corvin", "Corvin"]}])"),
         [](TSimuladorProjeto& sim, int k) {
             if (k == 0) {
                 CorvinEmTudo(sim, 8);
             } else if (k == 5) {
                 sim.Projeto()->Equipe().append(Dev(sim, 0));
             }
         },
         1000},
        {"max_days steps at the most", ComEventos("9", R"([{"day": 7, "hours": {"Corvin": 8}}])"),
         [](TSimuladorProjeto& sim, int k) {
             if (k == 0) {
                 CorvinEmTudo(sim, 9);
             }
         },
         7},
    };
    return casos;
}

} // namespace

Q_DECLARE_METATYPE(TResultadoPlano)

class TstJogoPlano : public QObject {
    Q_OBJECT

private slots:
    void PlansPlayAsTheWindowPlays_data() {
        QTest::addColumn<int>("caso");
        for (int i = 0; i < Casos().size(); ++i) {
            QTest::newRow(Casos().at(i).nome) << i;
        }
    }

    // Guards against events applied a day early or late, after the concluded
    // test instead of before it, refused hours, or a team not validated.
    void PlansPlayAsTheWindowPlays() {
        QFETCH(int, caso);
        const TCasoJogo& c = Casos().at(caso);
        TJogoManual manual;
        manual.Joga(c.maos, c.maximo);

        TSimuladorProjeto sim;
        TPlano plano = LePlano(c.plano, QStringLiteral("p"), sim);
        plano.MaximoDias = c.maximo;
        TListaMensagens receptor;
        const TResultadoPlano r = JogaPlano(sim, plano, &receptor);
        QCOMPARE(receptor.Mensagens, manual.receptor.Mensagens);
        QCOMPARE(r, ResultadoAtual(manual.sim));
        QCOMPARE(r.Dias, manual.passos);
    }

    // Guards against state left over from an earlier game on the same simulator.
    void PlayingAgainOnTheSameSimulatorGivesTheSameGame() {
        TSimuladorProjeto sim;
        const TPlano plano = LePlano(Casos().at(0).plano, QStringLiteral("p"), sim);
        TListaMensagens primeira;
        TListaMensagens segunda;
        const TResultadoPlano r1 = JogaPlano(sim, PlanoCorvin(12), &primeira);
        JogaPlano(sim, plano);
        const TResultadoPlano r2 = JogaPlano(sim, PlanoCorvin(12), &segunda);
        QCOMPARE(r2, r1);
        QCOMPARE(segunda.Mensagens, primeira.Mensagens);
    }

    // Guards against a trace that skips or repeats a day, or records the
    // state before the step instead of after it.
    void TheTraceHoldsTheStateAfterEveryStep() {
        TSimuladorProjeto sim;
        TRastro rastro;
        const TResultadoPlano r = JogaPlano(sim, PlanoCorvin(12), nullptr, &rastro);
        QCOMPARE(rastro.size(), r.Dias);

        TJogoManual manual;
        CorvinEmTudo(manual.sim, 12);
        const TProjetoSoftware* p = manual.sim.Projeto();
        for (const TRastroDia& dia : rastro) {
            manual.sim.AvancarDia(nullptr);
            QCOMPARE(dia.Dia, int(p->Tempo()));
            QCOMPARE(dia.Custo, p->Custo());
            for (int i = 0; i < 16; ++i) {
                const TAtividade* a = p->Atividade(i);
                const TRastroAtividade& t = dia.Atividades.at(i);
                QCOMPARE(t.Percentual, a->Percentual());
                QCOMPARE(t.Erros, a->Erros());
                QCOMPARE(t.ErrosEncontrados, a->ErrosEncontrados());
                QCOMPARE(t.Desenvolvedor, 0);
                QCOMPARE(t.EmExecucao, a->EmExecucao());
                QCOMPARE(t.Concluida, a->Concluida());
            }
            for (int i = 0; i < 7; ++i) {
                const TDesenvolvedor* d = manual.sim.Desenvolvedores().at(i);
                const TRastroDesenvolvedor& t = dia.Desenvolvedores.at(i);
                QCOMPARE(t.HorasTrabalho, d->HorasTrabalho());
                QCOMPARE(t.Exaustao, d->Exaustao());
                QCOMPARE(t.Exausto, d->Exausto());
                QCOMPARE(t.NaEquipe, i == 0);
                QCOMPARE(t.Trabalhando, p->Trabalhando(d));
            }
        }
        // The exhausted day: hours back to 8 in that day's entry.
        QVERIFY(!rastro.at(21).Desenvolvedores.at(0).Exausto);
        QCOMPARE(rastro.at(22).Desenvolvedores.at(0).HorasTrabalho, 8.0);
        QVERIFY(rastro.at(22).Desenvolvedores.at(0).Exausto);
    }

    // Guards against activity costs not copied from the model, or developer
    // time counted on the wrong developer or at the wrong hours.
    void EachDaysCostIsTheDevelopersTimeAtTheirHoursAndRates() {
        TSimuladorProjeto sim;
        TPlano plano = PlanoCorvin(12);
        plano.Inicio.Equipe = QList<int>{0, 3, 6};
        plano.Inicio.Horas = {{0, 12}, {3, 10}, {6, 9}};
        plano.Inicio.Alocacoes[1] = {1, 3};
        plano.Inicio.Alocacoes[5] = {5, 6};
        plano.Inicio.Alocacoes[14] = {14, 3};
        plano.Inicio.Inspecoes = {{7, 16}};
        TRastro rastro;
        const TResultadoPlano r = JogaPlano(sim, plano, nullptr, &rastro);
        QVERIFY(r.Concluido);
        QCOMPARE(rastro.constLast().Atividades.at(5).Custo, sim.Projeto()->Atividade(5)->Custo());
        double anterior = 0.0;
        for (const TRastroDia& dia : rastro) {
            double diaria = 0.0;
            const QList<double> custos = {25, 30, 25, 35, 15, 30, 30};
            for (int k = 0; k < dia.Desenvolvedores.size(); ++k) {
                const TRastroDesenvolvedor& d = dia.Desenvolvedores.at(k);
                QVERIFY(d.DiasUsados >= 0.0 && d.DiasUsados <= 1.0 + 1e-12);
                diaria += custos.at(k) * d.HorasPasso * d.DiasUsados;
            }
            QVERIFY(qAbs(diaria - (dia.Custo - anterior)) < 1e-6);
            anterior = dia.Custo;
        }
    }

    // Guards against messages filed under another step, or lost from the
    // trace when a message sink is given as well.
    void TheTraceKeepsEachStepsMessages() {
        TSimuladorProjeto sim;
        TListaMensagens receptor;
        TRastro rastro;
        JogaPlano(sim, PlanoCorvin(12), &receptor, &rastro);
        QList<TMensagemJogo> todas;
        for (const TRastroDia& dia : rastro) {
            for (const TMensagemJogo& m : dia.Mensagens) {
                // Stamped with the day the step started or the day it ended.
                QVERIFY(m.Dia == dia.Dia - 1 || m.Dia == dia.Dia);
            }
            todas += dia.Mensagens;
        }
        QCOMPARE(todas, receptor.Mensagens);
        QVERIFY(todas.size() > 20);
    }

    // Guards against a trace whose JSON names or orders its values otherwise
    // than the runner's help documents.
    void TheTraceIsWrittenInTheDocumentedShape() {
        TSimuladorProjeto sim;
        TPlano plano = PlanoCorvin(8);
        plano.Inicio.Equipe = QList<int>{0, 3};
        plano.Inicio.Alocacoes[1] = {1, 3};
        plano.Inicio.Alocacoes[2] = {2, -1};
        plano.MaximoDias = 2;
        TRastro rastro;
        JogaPlano(sim, plano, nullptr, &rastro);
        const QJsonArray json = RastroEmJson(rastro, sim);
        QCOMPARE(json.size(), 2);
        const QJsonObject dia = json.at(1).toObject();
        QCOMPARE(dia.keys(),
                 (QStringList{"activities", "cost", "day", "developers", "messages"}));
        QCOMPARE(dia.value("day").toInt(), 2);
        QCOMPARE(dia.value("cost").toDouble(), rastro.at(1).Custo);
        const QJsonArray atividades = dia.value("activities").toArray();
        QCOMPARE(atividades.size(), 16);
        const TRastroAtividade& t = rastro.at(1).Atividades.at(0);
        QCOMPARE(atividades.at(0).toObject(),
                 (QJsonObject{{"percent", t.Percentual}, {"errors", t.Erros},
                              {"found", t.ErrosEncontrados}, {"developer", "Corvin"},
                              {"running", t.EmExecucao}, {"accomplished", t.Concluida},
                              {"started", t.Iniciada}, {"executed", t.TempoExecutado},
                              {"cost", t.Custo}}));
        QCOMPARE(atividades.at(1).toObject().value("developer").toString(), "Tamsin");
        QVERIFY(atividades.at(2).toObject().value("developer").isNull());
        const QJsonArray desenvolvedores = dia.value("developers").toArray();
        QCOMPARE(desenvolvedores.size(), 7);
        const TRastroDesenvolvedor& d = rastro.at(1).Desenvolvedores.at(3);
        QCOMPARE(desenvolvedores.at(3).toObject(),
                 (QJsonObject{{"hours", d.HorasTrabalho}, {"exhaustion", d.Exaustao},
                              {"exhausted", d.Exausto}, {"in_team", true},
                              {"working", d.Trabalhando}, {"step_hours", d.HorasPasso},
                              {"days_used", d.DiasUsados}}));
        QVERIFY(!desenvolvedores.at(1).toObject().value("in_team").toBool());
    }

    void ResultsAgreeToTheCent_data() {
        QTest::addColumn<TResultadoPlano>("gravado");
        QTest::addColumn<TResultadoPlano>("rejogado");
        QTest::addColumn<bool>("confere");
        const TResultadoPlano base{true, 51, 17276.5};
        QTest::newRow("equal") << base << base << true;
        QTest::newRow("a fraction of a cent apart")
            << base << TResultadoPlano{true, 51, 17276.504} << true;
        QTest::newRow("a cent apart") << base << TResultadoPlano{true, 51, 17276.51} << false;
        QTest::newRow("days apart") << base << TResultadoPlano{true, 52, 17276.5} << false;
        QTest::newRow("not concluded") << base << TResultadoPlano{false, 51, 17276.5} << false;
    }

    // Guards against rounding noise failing a true record, or a changed cent passing.
    void ResultsAgreeToTheCent() {
        QFETCH(TResultadoPlano, gravado);
        QFETCH(TResultadoPlano, rejogado);
        QFETCH(bool, confere);
        QCOMPARE(ResultadosConferem(gravado, rejogado), confere);
        QCOMPARE(ResultadosConferem(rejogado, gravado), confere);
    }

    // Guards against a mismatch line that hides which result is which.
    void TheDifferenceNamesBothResults() {
        TVerificacao v{{true, 51, 17276.5}, {true, 51, 17226.5}, false};
        QCOMPARE(v.Diferenca(), "result differs: recorded 51 days, cost 17276.50; "
                                "replayed 51 days, cost 17226.50");
        v.Rejogado = {false, 40, 8000};
        QCOMPARE(v.Diferenca(), "result differs: recorded 51 days, cost 17276.50; "
                                "replayed not concluded after 40 days, cost 8000.00");
    }

    // Guards against a record that verifies although it claims nothing.
    void VerifyingAPlanWithoutAResultIsRefusedBeforePlaying() {
        TSimuladorProjeto sim;
        JogaPlano(sim, PlanoCorvin(8));
        TPlano plano = PlanoCorvin(12);
        QVERIFY_THROWS_EXCEPTION(EPlano, VerificaPlano(sim, plano));
        QCOMPARE(sim.Projeto()->Tempo(), 81.0);
        plano.Resultado = TResultadoPlano{true, 90, 20300.0};
        QVERIFY(VerificaPlano(sim, plano).Confere);
    }

    void AnObjectWrittenInPiecesIsTheDocumentsText_data() {
        QTest::addColumn<QJsonObject>("cabeca");
        QTest::addColumn<QJsonArray>("lista");
        const QJsonObject aninhado{{"a", QJsonArray{}}, {"b", QJsonObject{}},
                                   {"c", QJsonObject{{"d", QJsonArray{1, QJsonArray{}}}}}};
        QTest::newRow("nothing") << QJsonObject() << QJsonArray();
        QTest::newRow("members only") << aninhado << QJsonArray();
        QTest::newRow("texts that need escapes")
            << QJsonObject{{"a\n\"b\"", "x\ty\u0001\\ z\u00e9\U0001F600"}}
            << QJsonArray{"line\nbreak", "\"", QJsonValue()};
        QTest::newRow("numbers") << QJsonObject{{"n", -0.0}, {"m", 1e300}, {"k", 9007199254740993.0}}
                                 << QJsonArray{0.1 + 0.2, -7, 1e-320, true, false};
        QTest::newRow("nested elements") << QJsonObject{{"a", 1}} << QJsonArray{aninhado, aninhado};
    }
    // Guards against an object written in pieces whose text differs from the
    // whole document's in any byte: separators, indentation of nested and
    // empty values, escapes, number forms.
    void AnObjectWrittenInPiecesIsTheDocumentsText() {
        QFETCH(QJsonObject, cabeca);
        QFETCH(QJsonArray, lista);
        QByteArray texto;
        TObjetoJsonContinuo objeto([&texto](QByteArrayView pedaco) { texto += pedaco; });
        objeto.Membros(cabeca);
        QJsonObject inteiro = cabeca;
        if (!lista.isEmpty() || !cabeca.isEmpty()) {
            objeto.AbreLista(QStringLiteral("z"));
            for (const QJsonValue& v : lista) {
                objeto.Elemento(v);
            }
            objeto.FechaLista();
            inteiro.insert("z", lista);
        }
        objeto.Fecha();
        QCOMPARE(texto, QJsonDocument(inteiro).toJson(QJsonDocument::Indented));
    }
};

QTEST_GUILESS_MAIN(TstJogoPlano)
#include "tst_jogo_plano.moc"
