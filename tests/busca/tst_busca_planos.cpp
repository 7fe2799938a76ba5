// Whole searches, kept small: what the front reports, and that a search is
// repeatable.

#include "busca/BuscaPlanos.h"
#include "busca/CodificacaoPlano.h"
#include "busca/PastaFrente.h"
#include "model/mSimulador.h"
#include "plan/VerificacaoPlano.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

namespace {

constexpr qint64 Avaliacoes = 1000;

TResultadoBusca Busca(quint32 semente, int threads) {
    TParametrosBusca parametros;
    parametros.Semente = semente;
    parametros.Avaliacoes = Avaliacoes;
    parametros.Threads = threads;
    return BuscaPlanos(parametros);
}

// Days and cost of each plan of the front, and its vector.
QList<std::pair<TResultadoPlano, TGenes>> Conteudo(const TResultadoBusca& busca) {
    QList<std::pair<TResultadoPlano, TGenes>> conteudo;
    for (const TPlanoEncontrado& p : busca.Frente) {
        conteudo.append({p.Resultado, p.Genes});
    }
    return conteudo;
}

// Costs compared in whole cents, as the game shows them.
bool Domina(const TResultadoPlano& a, const TResultadoPlano& b) {
    const qint64 ca = CentavosCusto(a.Custo);
    const qint64 cb = CentavosCusto(b.Custo);
    return a.Dias <= b.Dias && ca <= cb && (a.Dias < b.Dias || ca < cb);
}

TPlano PlanoCom(int dias, double custo) {
    TPlano plano;
    plano.MaximoDias = dias;
    plano.Resultado = TResultadoPlano{true, dias, custo};
    plano.Meta = QJsonObject{{"program", ProgramaPastaFrente}};
    return plano;
}

} // namespace

class TstBuscaPlanos : public QObject {
    Q_OBJECT

private:
    TSimuladorProjeto sim;
    TResultadoBusca busca;

private slots:
    void initTestCase() {
        busca = Busca(5, 2);
        QVERIFY(!busca.Frente.empty());
    }

    // Guards against a front whose plans, as written out, do not give the
    // days and cost the front claims for them.
    void EveryReportedPlanReplaysToItsClaimedResult() {
        const TCodificacaoPlano codificacao(sim);
        for (const TPlanoEncontrado& encontrado : busca.Frente) {
            const TPlano plano = PlanoDaFrente(codificacao, encontrado, sim);
            QCOMPARE(plano.Resultado, std::optional<TResultadoPlano>(encontrado.Resultado));
            TSimuladorProjeto outro;
            QVERIFY(VerificaPlano(outro, plano).Confere);
            QVERIFY(plano.Resultado->Concluido);
        }
    }

    // Guards against plans that carry hour changes the game never reaches,
    // which would mislead a reader about how the plan was played.
    void ReportedPlansHoldNoChangeAfterTheirLastDay() {
        const TCodificacaoPlano codificacao(sim);
        for (const TPlanoEncontrado& encontrado : busca.Frente) {
            const TPlano plano = PlanoDaFrente(codificacao, encontrado, sim);
            for (const TMudancasPlano& evento : plano.Eventos) {
                QVERIFY(evento.Dia < plano.Resultado->Dias);
            }
        }
    }

    // Guards against a front holding a plan that another one beats, also by
    // less than a cent, or out of order.
    void NoReportedPlanIsDominatedByAnother() {
        for (size_t i = 0; i < busca.Frente.size(); ++i) {
            for (size_t j = 0; j < busca.Frente.size(); ++j) {
                QVERIFY(i == j || !Domina(busca.Frente[j].Resultado, busca.Frente[i].Resultado));
            }
            if (i > 0) {
                QVERIFY(busca.Frente[i - 1].Resultado.Dias < busca.Frente[i].Resultado.Dias);
            }
        }
    }

    void FrontReachesAtLeastAsFarAsReferenceRunsAAndB_data() {
        QTest::addColumn<int>("dias");
        QTest::addColumn<double>("custo");
        QTest::newRow("A") << 81 << 16200.0;
        QTest::newRow("B") << 90 << 20300.0;
    }

    // Guards against a search that loses its seeds: the front must offer a
    // plan as fast and as cheap as each reference run.
    void FrontReachesAtLeastAsFarAsReferenceRunsAAndB() {
        QFETCH(int, dias);
        QFETCH(double, custo);
        bool alcanca = false;
        for (const TPlanoEncontrado& p : busca.Frente) {
            alcanca = alcanca || (p.Resultado.Dias <= dias && p.Resultado.Custo <= custo + 0.005);
        }
        QVERIFY(alcanca);
    }

    // Guards against a search whose front depends on anything but its seed,
    // its budget and (as promised) not even its threads.
    void SameSeedGivesTheSameFrontWhateverTheThreads() {
        QCOMPARE(Conteudo(Busca(5, 2)), Conteudo(busca));
        QCOMPARE(Conteudo(Busca(5, 1)), Conteudo(busca));
        QVERIFY(Conteudo(Busca(6, 2)) != Conteudo(busca));
    }

    // Guards against a written front that lists a slower plan which saves
    // nothing a player can see (its cost lower only in the twelfth decimal).
    void TheWrittenFrontListsNoPlanBeatenToTheCent() {
        QTemporaryDir temporaria;
        const QString pasta = temporaria.filePath(QStringLiteral("front"));
        EscrevePastaFrente(pasta,
                           {PlanoCom(36, 9182.62), PlanoCom(37, 9182.619999999999),
                            PlanoCom(38, 9182.61), PlanoCom(38, 9182.605), PlanoCom(40, 9000.0)},
                           sim);
        QFile arquivo(QDir(pasta).filePath(QStringLiteral("front.json")));
        QVERIFY(arquivo.open(QIODevice::ReadOnly));
        QList<int> dias;
        for (const QJsonValue& v : QJsonDocument::fromJson(arquivo.readAll()).array()) {
            dias.append(v.toObject().value("days").toInt());
        }
        QCOMPARE(dias, (QList<int>{36, 38, 40}));
        QCOMPARE(QDir(pasta).entryList(QDir::Files).size(), 4);
    }

    // Guards against a search that spends more than it is given.
    void SearchSpendsNoMoreThanItsBudget() {
        QVERIFY(busca.Avaliacoes <= Avaliacoes);
        QVERIFY(busca.Avaliacoes > Avaliacoes - TParametrosBusca::TamanhoPopulacao);
    }
};

QTEST_GUILESS_MAIN(TstBuscaPlanos)
#include "tst_busca_planos.moc"
