// SPDX-License-Identifier: GPL-3.0-or-later
// The class's chart: the best-known front file it accepts, and which games
// it draws where.
#include "turma/FrenteTurma.h"
#include "turma/GraficoTurma.h"

#include <QtTest>
#include <qcustomplot.h>

using namespace Qt::StringLiterals;

namespace {

QCPGraph* Serie(QCustomPlot& grafico, const QString& inicio) {
    for (int i = 0; i < grafico.graphCount(); ++i) {
        if (grafico.graph(i)->name().startsWith(inicio)) {
            return grafico.graph(i);
        }
    }
    return nullptr;
}

QList<QPointF> Pontos(const QCPGraph* serie) {
    QList<QPointF> pontos;
    for (const QCPGraphData& d : *serie->data()) {
        pontos.append({d.key, d.value});
    }
    return pontos;
}

} // namespace

class TstGraficoTurma : public QObject {
    Q_OBJECT

private slots:
    void ABadFrontFileIsRefusedNamingIt_data() {
        QTest::addColumn<QByteArray>("dados");
        QTest::newRow("not JSON") << "[{\"days\": 3,"_ba;
        QTest::newRow("an object") << "{\"days\": 3, \"cost\": 4}"_ba;
        QTest::newRow("empty") << "[]"_ba;
        QTest::newRow("not a point") << "[{\"days\": 3, \"cost\": 4}, 5]"_ba;
        QTest::newRow("no cost") << "[{\"days\": 3}]"_ba;
        QTest::newRow("text days") << "[{\"days\": \"3\", \"cost\": 4}]"_ba;
        QTest::newRow("negative cost") << "[{\"days\": 3, \"cost\": -4}]"_ba;
    }
    // Guards against a wrong file drawn as an empty or nonsensical front.
    void ABadFrontFileIsRefusedNamingIt() {
        QFETCH(QByteArray, dados);
        try {
            LeFrente(dados, u"f.json"_s);
            QFAIL("accepted");
        } catch (const ETurma& e) {
            QVERIFY2(e.mensagem.contains(u"f.json"_s), qPrintable(e.mensagem));
        }
    }

    // Guards against a front drawn in file order (a step line that doubles
    // back) or refused for the keys only its writer uses.
    void AFrontIsSortedByDays() {
        const QList<TPontoFrente> frente = LeFrente(
            R"([{"plan": "plan-002.json", "days": 90, "cost": 100},
                {"plan": "plan-001.json", "days": 40.0, "cost": 900, "note": 1}])"_ba,
            u"f.json"_s);
        QCOMPARE(frente, (QList<TPontoFrente>{{40, 900}, {90, 100}}));
    }

    // Guards against unverified, unreadable or unfinished games drawn as
    // verified, mismatches drawn among them, and a front drawn as points.
    void EachGameIsDrawnByWhatCheckingFound() {
        const auto linha = [](EConferencia c, bool concluido, int dias) {
            return TLinhaTurma{u"f"_s, u"m"_s, 1, concluido, dias, dias * 100.0, c, {}, {}};
        };
        const QList<TLinhaTurma> linhas{
            linha(EConferencia::Verificado, true, 50),   linha(EConferencia::Verificado, true, 60),
            linha(EConferencia::Verificado, false, 7),   linha(EConferencia::Divergente, true, 70),
            linha(EConferencia::NaoVerificado, true, 8), linha(EConferencia::Ilegivel, true, 9),
        };
        QCustomPlot grafico;
        MontaGraficoTurma(grafico, linhas, {{u"A"_s, 81, 16200}, {u"B"_s, 90, 20300}},
                          {{30, 9000}, {45, 8000}});
        QCOMPARE(Pontos(Serie(grafico, u"verified"_s)), (QList<QPointF>{{50, 5000}, {60, 6000}}));
        QCOMPARE(Pontos(Serie(grafico, u"mismatch"_s)), (QList<QPointF>{{70, 7000}}));
        const QCPGraph* frente = Serie(grafico, u"best-known front"_s);
        QCOMPARE(frente->lineStyle(), QCPGraph::lsStepLeft);
        QCOMPARE(Pontos(frente), (QList<QPointF>{{30, 9000}, {45, 8000}}));
        QCOMPARE(Pontos(Serie(grafico, u"reference"_s)),
                 (QList<QPointF>{{81, 16200}, {90, 20300}}));
        QStringList rotulos;
        for (int i = 0; i < grafico.itemCount(); ++i) {
            rotulos.append(qobject_cast<QCPItemText*>(grafico.item(i))->text());
        }
        QCOMPARE(rotulos, (QStringList{u"A: 81 days, 16200.00"_s, u"B: 90 days, 20300.00"_s}));
        // Every point lies inside the axes.
        QVERIFY(grafico.xAxis->range().contains(30) && grafico.xAxis->range().contains(90));
        QVERIFY(grafico.yAxis->range().contains(5000) && grafico.yAxis->range().contains(20300));
    }
};

QTEST_MAIN(TstGraficoTurma)
#include "tst_grafico_turma.moc"
