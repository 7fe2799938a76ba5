// The search's pieces: decision vectors and their plans, their evaluation,
// the seeds and the front that keeps the best plans.

#include "busca/AvaliadorPlano.h"
#include "busca/CodificacaoPlano.h"
#include "busca/FrentePlanos.h"
#include "busca/SementesBusca.h"
#include "model/mSimulador.h"
#include "plan/JogoPlano.h"

#include <QtTest>

namespace {

// Vectors drawn uniformly within the bounds, the static ones shorter.
std::vector<TGenes> VetoresAleatorios(const TCodificacaoPlano& c, bool comMudancas, int quantos) {
    std::mt19937 aleatorio(7);
    std::vector<TGenes> vetores;
    for (int i = 0; i < quantos; ++i) {
        vetores.push_back(c.VetorAleatorio(comMudancas, aleatorio));
    }
    return vetores;
}

// The genes a plan depends on: every activity's developer and every
// inspection's hours; a team member's hours and change day; his later hours
// when he has a change.
std::vector<int> GenesComSentido(const TCodificacaoPlano& c, const TGenes& genes) {
    std::vector<int> sentido;
    for (int a = 0; a < c.NumeroAtividades(); ++a) {
        sentido.push_back(c.GeneAlocacao(a));
    }
    for (int i = 0; i < c.Inspecoes().size(); ++i) {
        sentido.push_back(c.GeneInspecao(i));
    }
    for (int d = 0; d < c.NumeroDesenvolvedores(); ++d) {
        bool naEquipe = false;
        for (int a = 0; a < c.NumeroAtividades(); ++a) {
            naEquipe = naEquipe || genes[static_cast<size_t>(c.GeneAlocacao(a))] == d;
        }
        const auto dia = static_cast<size_t>(c.GeneDiaMudanca(d));
        if (naEquipe) {
            sentido.push_back(c.GeneHoras(d));
            if (dia < genes.size()) {
                sentido.push_back(c.GeneDiaMudanca(d));
                if (genes[dia] > 0) {
                    sentido.push_back(c.GeneHorasMudanca(d));
                }
            }
        }
    }
    return sentido;
}

// A plan of the decoder's form, to be spoilt by a test row.
TPlano PlanoValido(const TCodificacaoPlano& c) {
    TGenes genes(static_cast<size_t>(c.Tamanho()), 0.0);
    for (int d = 0; d < c.NumeroDesenvolvedores(); ++d) {
        genes[static_cast<size_t>(c.GeneHoras(d))] = 8;
        genes[static_cast<size_t>(c.GeneHorasMudanca(d))] = 8;
    }
    genes[static_cast<size_t>(c.GeneAlocacao(0))] = 1;
    genes[static_cast<size_t>(c.GeneDiaMudanca(0))] = 5;
    genes[static_cast<size_t>(c.GeneHorasMudanca(0))] = 12;
    return c.Decodifica(genes);
}

} // namespace

using TEstraga = std::function<void(TPlano&)>;
Q_DECLARE_METATYPE(TEstraga)
Q_DECLARE_METATYPE(TResultadoPlano)

class TstCodificacaoPlano : public QObject {
    Q_OBJECT

private:
    TSimuladorProjeto sim;
    TCodificacaoPlano codificacao{sim};

private slots:
    void DecodingAVectorAndEncodingItAgainKeepsEveryGeneThatCounts_data() {
        QTest::addColumn<bool>("comMudancas");
        QTest::newRow("static plans") << false;
        QTest::newRow("plans with hour changes") << true;
    }

    // Guards against a decoder that loses or mixes up genes: the plan would
    // not be the one the search evaluated.
    void DecodingAVectorAndEncodingItAgainKeepsEveryGeneThatCounts() {
        QFETCH(bool, comMudancas);
        for (const TGenes& v : VetoresAleatorios(codificacao, comMudancas, 300)) {
            const TPlano plano = codificacao.Decodifica(v);
            const std::optional<TGenes> w = codificacao.Codifica(plano);
            QVERIFY(w);
            QCOMPARE(codificacao.Decodifica(*w), plano);
            QCOMPARE(codificacao.Codifica(codificacao.Decodifica(*w)), w);
            for (int g : GenesComSentido(codificacao, v)) {
                QCOMPARE((*w)[static_cast<size_t>(g)], v[static_cast<size_t>(g)]);
            }
        }
    }

    void PlansOfAnotherFormHaveNoVector_data() {
        QTest::addColumn<TEstraga>("estraga");
        QTest::newRow("a team member with no activity")
            << TEstraga([](TPlano& p) { p.Inicio.Equipe->append(6); });
        QTest::newRow("a coding activity with nobody")
            << TEstraga([](TPlano& p) { p.Inicio.Alocacoes[10].second = -1; });
        QTest::newRow("an assignment in an event") << TEstraga([](TPlano& p) {
            p.Eventos[0].Alocacoes.append({0, 0});
        });
        QTest::newRow("the same developer changed twice") << TEstraga([](TPlano& p) {
            p.Eventos.append(TMudancasPlano{9, {}, {{0, 10}}, {}, {}});
        });
        QTest::newRow("a change after the last day a vector holds") << TEstraga(
            [](TPlano& p) { p.Eventos[0].Dia = TCodificacaoPlano::HorizonteMudancas + 1; });
        QTest::newRow("hours beyond 12")
            << TEstraga([](TPlano& p) { p.Inicio.Horas[0].second = 13; });
        QTest::newRow("another most days") << TEstraga([](TPlano& p) { p.MaximoDias = 90; });
    }

    // Guards against a plan encoded into a vector that decodes to another plan.
    void PlansOfAnotherFormHaveNoVector() {
        QFETCH(TEstraga, estraga);
        TPlano plano = PlanoValido(codificacao);
        QVERIFY(codificacao.Codifica(plano));
        estraga(plano);
        QVERIFY(!codificacao.Codifica(plano));
    }

    // Guards against an evaluator that keeps something of the plan it played
    // before (its reused plan's lists and events, the simulator's state).
    void EvaluatingAVectorPlaysTheVectorsPlanFromTheStart() {
        TAvaliadorPlano avaliador;
        for (const TGenes& v : VetoresAleatorios(codificacao, true, 40)) {
            const TResultadoPlano avaliado = avaliador.Avalia(v);
            if (codificacao.PodeConcluir(v)) {
                QCOMPARE(avaliado, JogaPlano(sim, codificacao.Decodifica(v)));
            } else {
                QVERIFY(!avaliado.Concluido);
            }
        }
    }

    // Guards against a search that does not start from the reference runs,
    // and so may report a front that falls short of them.
    void SearchStartsFromReferenceRunsAAndB() {
        const std::vector<TGenes> sementes = SementesBusca(sim, codificacao);
        QVERIFY(sementes.size() >= 2);
        for (int i = 0; i < 2; ++i) {
            const TPlano plano = codificacao.Decodifica(sementes[static_cast<size_t>(i)]);
            QCOMPARE(*plano.Inicio.Equipe, QList<int>{0});
            QCOMPARE(plano.Inicio.Horas, (QList<std::pair<int, int>>{{0, i == 0 ? 8 : 12}}));
            for (const auto& [a, d] : plano.Inicio.Alocacoes) {
                QCOMPARE(d, 0);
            }
            for (const auto& [a, horas] : plano.Inicio.Inspecoes) {
                QCOMPARE(horas, 0);
            }
            QVERIFY(plano.Eventos.isEmpty());
        }
    }

    void FrontKeepsOnlyPlansNoOtherBeats_data() {
        QTest::addColumn<QList<TResultadoPlano>>("planos");
        QTest::addColumn<QList<int>>("mantidos");
        QTest::newRow("a slower and dearer plan is refused")
            << QList<TResultadoPlano>{{true, 20, 900}, {true, 21, 950}} << QList<int>{0};
        QTest::newRow("a plan drops those it beats") << QList<TResultadoPlano>{{true, 20, 900},
                                                                               {true, 25, 800},
                                                                               {true, 30, 700},
                                                                               {true, 19, 750}}
                                                     << QList<int>{3, 2};
        QTest::newRow("of equal plans the first stays")
            << QList<TResultadoPlano>{{true, 20, 900}, {true, 20, 900}} << QList<int>{0};
        QTest::newRow("as fast and cheaper replaces")
            << QList<TResultadoPlano>{{true, 20, 900}, {true, 20, 899.99}} << QList<int>{1};
        QTest::newRow("as cheap and faster replaces")
            << QList<TResultadoPlano>{{true, 20, 900}, {true, 19, 900}} << QList<int>{1};
        QTest::newRow("a plan not concluded never enters")
            << QList<TResultadoPlano>{{true, 30, 900}, {false, 10, 100}} << QList<int>{0};
        QTest::newRow("slower and cheaper below the cent is refused")
            << QList<TResultadoPlano>{{true, 36, 9182.62}, {true, 37, 9182.619999999999}}
            << QList<int>{0};
        QTest::newRow("faster at the same cent drops the slower")
            << QList<TResultadoPlano>{{true, 37, 9182.619999999999}, {true, 36, 9182.62}}
            << QList<int>{1};
        QTest::newRow("as fast and cheaper below the cent: the first stays")
            << QList<TResultadoPlano>{{true, 20, 900.004}, {true, 20, 900.001}} << QList<int>{0};
        QTest::newRow("trade-offs all stay, in days order")
            << QList<TResultadoPlano>{{true, 30, 700}, {true, 10, 900}, {true, 20, 800}}
            << QList<int>{1, 2, 0};
    }

    // Guards against a front that reports a beaten plan or loses a best one.
    void FrontKeepsOnlyPlansNoOtherBeats() {
        QFETCH(QList<TResultadoPlano>, planos);
        QFETCH(QList<int>, mantidos);
        TFrentePlanos frente;
        for (int i = 0; i < planos.size(); ++i) {
            frente.Considera(TGenes{double(i)}, planos.at(i), 1);
        }
        QList<int> obtidos;
        for (const TPlanoEncontrado& p : frente.Planos()) {
            obtidos.append(static_cast<int>(p.Genes.front()));
        }
        QCOMPARE(obtidos, mantidos);
    }
};

QTEST_GUILESS_MAIN(TstCodificacaoPlano)
#include "tst_codificacao_plano.moc"
