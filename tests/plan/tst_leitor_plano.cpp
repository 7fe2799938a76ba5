// SPDX-License-Identifier: GPL-3.0-or-later
// Reading plans: every key into the plan value, and one escaped line naming
// the fault of a bad plan, whatever text the plan holds.

#include "plan/LeitorPlano.h"
#include "tests/plan/PlanosTeste.h"
#include "texto/TextoEscapado.h"

#include <QJsonArray>
#include <QtTest>

namespace {

// Whether any character of texto would break or garble a one-line message.
bool TemControle(const QString& texto) {
    for (const QChar c : texto) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f || c.unicode() == 0x2028 ||
            c.unicode() == 0x2029 || (c.unicode() >= 0x80 && c.unicode() <= 0x9f) ||
            c.isSurrogate()) {
            return true;
        }
    }
    return false;
}

} // namespace

class TstLeitorPlano : public QObject {
    Q_OBJECT

private slots:
    // Guards against keys lost, names and numbers mixed up, or entries kept
    // in the text's order instead of the scenario's.
    void EveryKeyIsReadIntoThePlanInPositionOrder() {
        const QByteArray texto = R"({
            "team": ["Tamsin", "Corvin"], "hours": {"Tamsin": 12, "Corvin": 9},
            "inspection_hours": {"Students and Registration Inspection": 16, "8": 0},
            "assign": {"16": "Corvin", "System Architecture": "Tamsin", "2": null},
            "events": [{"day": 3, "team": ["Corvin"], "assign": {"1": "Corvin"}},
                       {"day": 7, "hours": {"Corvin": 8}}],
            "max_days": 50,
            "meta": {"program": "Orvanta 1.0", "game": 4, "days_played_at": ["x", "y"]},
            "result": {"concluded": false, "days": 50, "cost": 1234.5}})";
        TSimuladorProjeto sim;
        const TPlano plano = LePlano(texto, QStringLiteral("plan.json"), sim);

        TPlano esperado;
        esperado.Inicio.Equipe = QList<int>{3, 0};
        esperado.Inicio.Horas = {{0, 9}, {3, 12}};
        esperado.Inicio.Inspecoes = {{7, 0}, {9, 16}};
        esperado.Inicio.Alocacoes = {{1, -1}, {3, 3}, {15, 0}};
        TMudancasPlano dia3;
        dia3.Dia = 3;
        dia3.Equipe = QList<int>{0};
        dia3.Alocacoes = {{0, 0}};
        TMudancasPlano dia7;
        dia7.Dia = 7;
        dia7.Horas = {{0, 8}};
        esperado.Eventos = {dia3, dia7};
        esperado.MaximoDias = 50;
        esperado.Meta = QJsonObject{{"program", "Orvanta 1.0"},
                                    {"game", 4},
                                    {"days_played_at", QJsonArray{"x", "y"}}};
        esperado.Resultado = TResultadoPlano{false, 50, 1234.5};
        QVERIFY(plano == esperado);
    }

    // Guards against refusing the team the window's "R" makes when pressed twice.
    void ATeamMayListADeveloperMoreThanOnce() {
        TSimuladorProjeto sim;
        const TPlano plano =
            LePlano(R"({"team": ["Corvin", "Ysolde", "Corvin"]})", QStringLiteral("p"), sim);
        QCOMPARE(*plano.Inicio.Equipe, (QList<int>{0, 2, 0}));
    }

    void BadPlansAreNamedInOneEscapedLine_data() {
        QTest::addColumn<QByteArray>("texto");
        QTest::addColumn<QString>("origem");
        QTest::addColumn<QString>("mensagem");
        const QString p = QStringLiteral("plan.json");
        const auto linha = [&](const char* nome, const QByteArray& texto, const QString& msg) {
            QTest::newRow(nome) << texto << p << msg;
        };
        linha("result not an object", R"({"result": 3})", R"("result" must be an object, not 3)");
        linha("result without cost", R"({"result": {"concluded": true, "days": 3}})",
              R"("result" has no "cost")");
        linha("concluded not a boolean", R"({"result": {"concluded": 1, "days": 3, "cost": 1}})",
              R"("result": "concluded" must be true or false, not 1)");
        linha("days not whole", R"({"result": {"concluded": true, "days": 2.5, "cost": 1}})",
              R"("result": "days" must be a whole number, not 2.5)");
        linha("cost as text", R"({"result": {"concluded": true, "days": 2, "cost": "1.00"}})",
              R"("result": "cost" must be a number, not "1.00")");
        linha("unknown key in result",
              R"({"result": {"concluded": true, "days": 2, "cost": 1, "time": 2}})",
              R"("result": unknown key "time")");
        linha("meta not an object", R"({"meta": [1]})", R"("meta" must be an object, not a list)");
        linha("meta in an event", R"({"events": [{"day": 2, "meta": {}}]})",
              R"(event for day 2: unknown key "meta")");
        // Hostile text in keys and names comes back escaped. (Plain literals
        // from here on: the meta-object compiler misreads raw ones holding \.)
        linha("newline in a key", "{\"col\\nour\": 1}", "unknown key \"col\\nour\"");
        linha("NUL, escape and tab in a name", "{\"team\": [\"Cor\\u0000vin\\u001b[31m\\t\"]}",
              "\"team\": unknown developer \"Cor\\u0000vin\\u001b[31m\\t\"");
        linha("quote and backslash", "{\"assign\": {\"a\\\"b\\\\c\": null}}",
              "\"assign\": unknown activity \"a\\\"b\\\\c\"");
        linha("line separators", "{\"hours\": {\"X\\u2028\\u0085\\r\": 8}}",
              "\"hours\": unknown developer \"X\\u2028\\u0085\\r\"");
        linha("lone surrogate", "{\"team\": [\"\\ud800\"]}",
              "\"team\": unknown developer \"\\ud800\"");
        QTest::newRow("newline in the plan's name")
            << QByteArray("{") << QStringLiteral("a\nb.json")
            << QStringLiteral("a\\nb.json: malformed JSON at line 1, column 1: unterminated object");
    }

    // Guards against a message that misnames the fault, or that a newline,
    // NUL or terminal escape in the plan breaks or garbles.
    void BadPlansAreNamedInOneEscapedLine() {
        QFETCH(QByteArray, texto);
        QFETCH(QString, origem);
        QFETCH(QString, mensagem);
        TSimuladorProjeto sim;
        try {
            LePlano(texto, origem, sim);
            QFAIL("the plan was accepted");
        } catch (const EPlano& e) {
            QCOMPARE(e.mensagem, mensagem);
            QVERIFY(!TemControle(e.mensagem));
        }
    }

    void EscapesKeepQuotedTextOnOneLine_data() {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("escapado");
        QTest::addColumn<QString>("citado");
        QTest::newRow("plain") << "Corvin" << "Corvin" << "\"Corvin\"";
        QTest::newRow("letters beyond ASCII") << "Ysolde é 😀" << "Ysolde é 😀" << "\"Ysolde é 😀\"";
        QTest::newRow("named escapes") << "\n\t\r\b\f" << "\\n\\t\\r\\b\\f" << "\"\\n\\t\\r\\b\\f\"";
        QTest::newRow("NUL") << QString(QChar(0)) << "\\u0000" << "\"\\u0000\"";
        QTest::newRow("escape and delete") << "\x1b\x7f" << "\\u001b\\u007f" << "\"\\u001b\\u007f\"";
        QTest::newRow("next line and separators")
            << QString::fromUtf16(u"\u0085\u2028\u2029") << "\\u0085\\u2028\\u2029"
            << "\"\\u0085\\u2028\\u2029\"";
        QTest::newRow("lone surrogates")
            << QString::fromUtf16(u"a\xdc00" u"b\xd800") << "a\\udc00b\\ud800"
            << "\"a\\udc00b\\ud800\"";
        // A path keeps its backslashes; quoted text escapes them and quotes.
        QTest::newRow("quote and backslash")
            << "a\"b\\c" << "a\"b\\c" << "\"a\\\"b\\\\c\"";
    }

    // Guards against a character that splits, cuts or colours an error line.
    void EscapesKeepQuotedTextOnOneLine() {
        QFETCH(QString, texto);
        QFETCH(QString, escapado);
        QFETCH(QString, citado);
        QCOMPARE(EscapaControles(texto), escapado);
        QCOMPARE(Citado(texto), citado);
    }
};

QTEST_GUILESS_MAIN(TstLeitorPlano)
#include "tst_leitor_plano.moc"
