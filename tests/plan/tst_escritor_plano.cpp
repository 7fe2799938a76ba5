// SPDX-License-Identifier: GPL-3.0-or-later
// Writing plans: the documented form, a lossless round trip through the
// reader, and text that does not depend on the locale.

#include "plan/EscritorPlano.h"
#include "plan/LeitorPlano.h"
#include "tests/plan/PlanosTeste.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QLocale>
#include <QtTest>

namespace {

// A plan with something of everything, reals that print long among them.
TPlano PlanoCompleto() {
    TPlano plano = PlanoCorvin(8);
    plano.Inicio.Equipe = QList<int>{0, 6, 0};
    plano.Inicio.Inspecoes = {{7, 0}, {8, 200}, {9, 13}};
    plano.Inicio.Alocacoes[4] = {4, -1};
    TMudancasPlano evento;
    evento.Dia = 12;
    evento.Equipe = QList<int>{};
    evento.Horas = {{1, 11}, {6, 12}};
    plano.Eventos = {evento};
    plano.MaximoDias = 1000000;
    plano.Meta = QJsonObject{{"manager", "Zoë \"Z\" \n"},
                             {"nested", QJsonObject{{"list", QJsonArray{1.5, QJsonValue()}}}}};
    plano.Resultado = TResultadoPlano{true, 81, 0.1 + 0.2};
    return plano;
}

} // namespace

class TstEscritorPlano : public QObject {
    Q_OBJECT

private slots:
    // Guards against a record the runner's documented format does not describe:
    // developers by name, activities by number, null for nobody, max_days always.
    void APlanIsWrittenInTheDocumentedForm() {
        TSimuladorProjeto sim;
        TPlano plano;
        plano.Inicio.Equipe = QList<int>{1};
        plano.Inicio.Alocacoes = {{0, 1}, {9, -1}};
        TMudancasPlano evento;
        evento.Dia = 2;
        evento.Inspecoes = {{8, 4}};
        plano.Eventos = {evento};
        plano.Resultado = TResultadoPlano{false, 1000, 17276.5};
        const QJsonObject esperado = QJsonDocument::fromJson(R"({
            "team": ["Fennick"], "assign": {"1": "Fennick", "10": null},
            "events": [{"day": 2, "inspection_hours": {"9": 4}}],
            "max_days": 1000,
            "result": {"concluded": false, "days": 1000, "cost": 17276.5}})")
                                         .object();
        QCOMPARE(PlanoEmJson(plano, sim), esperado);
    }

    // Guards against a record that reads back as another plan: a real that
    // loses digits, an entry or a key dropped, meta altered.
    void WrittenPlansReadBackToTheSameValue() {
        TSimuladorProjeto sim;
        const TPlano plano = PlanoCompleto();
        const QByteArray texto = EscrevePlano(plano, sim);
        QVERIFY(texto.contains("0.30000000000000004"));
        QVERIFY(LePlano(texto, QStringLiteral("p"), sim) == plano);
    }

    // Guards against numbers written with the user's decimal comma.
    void WritingDoesNotDependOnTheLocale() {
        TSimuladorProjeto sim;
        const QByteArray emC = EscrevePlano(PlanoCompleto(), sim);
        const QLocale anterior;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        const QByteArray emAlemao = EscrevePlano(PlanoCompleto(), sim);
        QLocale::setDefault(anterior);
        QCOMPARE(emAlemao, emC);
    }
};

QTEST_GUILESS_MAIN(TstEscritorPlano)
#include "tst_escritor_plano.moc"
