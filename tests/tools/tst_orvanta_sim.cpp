// SPDX-License-Identifier: GPL-3.0-or-later
// The headless runner as other programs see it: its output contract, its
// agreement with the model played in this process, and its answer to bad plans.

#include "model/mAtividade.h"
#include "model/mDesenvolvedor.h"
#include "model/mProjeto.h"
#include "model/mSimulador.h"
#include "plan/JogoPlano.h"
#include "plan/LeitorPlano.h"
#include "tests/tools/ExecucaoPrograma.h"
#include "tests/tools/PlanosJson.h"
#include "tests/tools/PlanosRuins.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>

namespace {

TExecucao Executa(const QStringList& argumentos, const QByteArray& entrada = {}) {
    return ExecutaPrograma(QStringLiteral(ORVANTA_BIN_DIR "/orvanta-sim"), argumentos, entrada);
}

// The plan goes through standard input.
TExecucao Joga(const QByteArray& plano, bool json = false) {
    return Executa(json ? QStringList{"--json", "-"} : QStringList{"-"}, plano);
}

QStringList Linhas(const QByteArray& saida) {
    QStringList linhas = QString::fromUtf8(saida).split(QLatin1Char('\n'));
    if (!linhas.isEmpty() && linhas.last().isEmpty()) {
        linhas.removeLast();
    }
    return linhas;
}

class TReceptorLinhas : public TReceptorMensagens {
public:
    void AdicionaMensagem(const QString& texto, double dia) override {
        linhas.append(FormataLinhaMensagem(texto, dia));
        dias.append(dia);
        textos.append(texto);
    }
    QStringList linhas;
    QStringList textos;
    QList<double> dias;
};

// The same game played here with the model: a function sets the plan up
// before each step, given the day the step starts at.
struct TJogoLocal {
    TSimuladorProjeto sim;
    TReceptorLinhas receptor;
    void Joga(const std::function<void(TSimuladorProjeto&, int)>& antesDoPasso, int maximo = 1000) {
        for (int passo = 0; !sim.Projeto()->Concluido() && passo < maximo; ++passo) {
            antesDoPasso(sim, passo);
            sim.AvancarDia(&receptor);
        }
    }
};

void CorvinEmTudo(TSimuladorProjeto& sim, double horas) {
    TDesenvolvedor* corvin = sim.Desenvolvedores().at(0);
    sim.Projeto()->Equipe().append(corvin);
    corvin->SetHorasTrabalho(horas);
    for (TAtividade* a : sim.Projeto()->Atividades()) {
        a->SetDesenvolvedor(corvin);
    }
}

} // namespace

class TstOrvantaSim : public QObject {
    Q_OBJECT

private slots:
    // guards against help written to standard error or ending with a failure status
    void HelpPrintsTheUsageAndExitsZero() {
        const TExecucao r = Executa({"--help"});
        QCOMPARE(r.status, 0);
        QVERIFY(r.saida.startsWith("usage: orvanta-sim"));
        QVERIFY(r.erros.isEmpty());
    }

    // guards against a runner that needs the game's pictures, or any file but its plan
    void ACopyAloneInAFolderOfItsOwnPlaysAndVerifies() {
        QTemporaryDir pasta;
        const QString copia = pasta.filePath("orvanta-sim");
        QVERIFY(QFile::copy(QStringLiteral(ORVANTA_BIN_DIR "/orvanta-sim"), copia));
        QJsonObject plano = PlanoCorvin(8);
        plano.insert("result", QJsonObject{{"concluded", true}, {"days", 81}, {"cost", 16200}});
        const TExecucao r = ExecutaPrograma(copia, {"--verify", "-"}, Texto(plano), pasta.path());
        QCOMPARE(r.status, 0);
        QCOMPARE(r.erros, QByteArray());
        QVERIFY(r.saida.endsWith("Result: concluded in 81 days, cost 16200.00\n"));
    }

    void ReferencePlansPrintTheirDaysAndCost_data() {
        QTest::addColumn<int>("horas");
        QTest::addColumn<QString>("resultado");
        QTest::newRow("A") << 8 << "Result: concluded in 81 days, cost 16200.00";
        QTest::newRow("B") << 12 << "Result: concluded in 90 days, cost 20300.00";
    }

    // guards against a headless game that ends on another day or cost than the window's
    void ReferencePlansPrintTheirDaysAndCost() {
        QFETCH(int, horas);
        QFETCH(QString, resultado);
        const TExecucao r = Joga(Texto(PlanoCorvin(horas)));
        QCOMPARE(r.status, 0);
        QVERIFY2(r.erros.isEmpty(), r.erros.constData());
        // Every line as the model gives it, in order, then the result.
        TJogoLocal local;
        CorvinEmTudo(local.sim, horas);
        local.Joga([](TSimuladorProjeto&, int) {});
        QCOMPARE(Linhas(r.saida), local.receptor.linhas + QStringList{resultado});
    }

    // guards against a JSON result missing a field or disagreeing with the text output
    void JsonOutputHoldsTheResultAndEveryMessage() {
        QJsonObject plano = PlanoCorvin(12);
        plano.insert("inspection_hours",
                     QJsonObject{{"8", 20}, {"Areas and Disciplines Inspection", 7}});
        plano.insert("max_days", 60);
        // This time the plan comes from a file.
        QTemporaryDir pasta;
        QFile arquivo(pasta.filePath("plan.json"));
        QVERIFY(arquivo.open(QIODevice::WriteOnly));
        arquivo.write(QJsonDocument(plano).toJson());
        arquivo.close();
        const TExecucao r = Executa({"--json", arquivo.fileName()});
        QCOMPARE(r.status, 0);
        QVERIFY2(r.erros.isEmpty(), r.erros.constData());
        QJsonParseError erro{};
        const QJsonObject o = QJsonDocument::fromJson(r.saida, &erro).object();
        QCOMPARE(erro.error, QJsonParseError::NoError);

        TJogoLocal local;
        CorvinEmTudo(local.sim, 12);
        local.sim.Projeto()->Atividade(7)->SetDuracao(20 / 8.0);
        local.sim.Projeto()->Atividade(8)->SetDuracao(7 / 8.0);
        local.Joga([](TSimuladorProjeto&, int) {}, 60);
        const TProjetoSoftware* p = local.sim.Projeto();

        // Reals read back to the very same doubles.
        const auto confere = [](const QJsonValue& v,
                                const QList<std::pair<const char*, double>>& campos) {
            for (const auto& [chave, valor] : campos) {
                QVERIFY2(v.toObject().value(chave).toDouble() == valor, chave);
            }
        };
        QVERIFY(o.value("concluded").isBool() && !o.value("concluded").toBool());
        confere(o, {{"days", 60}, {"cost", p->Custo()}});
        const QJsonArray mensagens = o.value("messages").toArray();
        QCOMPARE(mensagens.size(), local.receptor.textos.size());
        for (qsizetype i = 0; i < mensagens.size(); ++i) {
            QCOMPARE(mensagens.at(i).toObject().value("text").toString(),
                     local.receptor.textos.at(i));
            confere(mensagens.at(i), {{"day", local.receptor.dias.at(i)}});
        }
        const QJsonArray atividades = o.value("activities").toArray();
        QCOMPARE(atividades.size(), 16);
        for (int i = 0; i < 16; ++i) {
            const TAtividade* m = p->Atividade(i);
            QCOMPARE(atividades.at(i).toObject().value("name").toString(), m->Nome());
            confere(atividades.at(i), {{"executed", m->TempoExecutado()},
                                       {"duration", m->Duracao()},
                                       {"errors", m->Erros()},
                                       {"found", m->ErrosEncontrados()},
                                       {"percent", m->Percentual()}});
        }
        QVERIFY(atividades.at(7).toObject().value("found").toDouble() > 0);
        QCOMPARE(atividades.at(8).toObject().value("duration").toDouble(), 0.875);
        const QJsonArray desenvolvedores = o.value("developers").toArray();
        QCOMPARE(desenvolvedores.size(), 7);
        for (int i = 0; i < 7; ++i) {
            const QJsonObject d = desenvolvedores.at(i).toObject();
            const TDesenvolvedor* m = local.sim.Desenvolvedores().at(i);
            QCOMPARE(d.value("name").toString(), m->Nome());
            QVERIFY(d.value("exhausted").isBool());
            QCOMPARE(d.value("exhausted").toBool(), m->Exausto());
            confere(d, {{"hours", m->HorasTrabalho()},
                        {"exhaustion", m->Exaustao()},
                        {"days_in_project", m->TempoProjeto()}});
        }
        QCOMPARE(desenvolvedores.at(0).toObject().value("days_in_project").toDouble(), 60.0);
    }

    // guards against day events applied a day late, or an assignment kept by a developer who left
    void TeamChangesAndHoursOnLaterDaysTakeEffectThatDay() {
        // Two developers; on day 2 Fennick leaves the team (his assignment goes with
        // him), on day 4 Ysolde joins and takes over, with overtime; activities
        // named by number and by name alike.
        const QByteArray plano = R"({
        "team": ["Fennick", "Corvin"],
        "hours": {"Fennick": 10},
        "assign": {"1": "Fennick", "Areas and Disciplines use cases": "Corvin",
                   "3": "Corvin", "4": null},
        "events": [
            {"day": 2, "team": ["Corvin"]},
            {"day": 4, "team": ["Corvin", "Ysolde"], "hours": {"Ysolde": 11},
             "assign": {"1": "Ysolde", "4": "Ysolde", "5": "Corvin"},
             "inspection_hours": {"8": 4}}
        ],
        "max_days": 12
    })";
        const TExecucao r = Joga(plano);
        QCOMPARE(r.status, 0);
        QVERIFY2(r.erros.isEmpty(), r.erros.constData());

        TJogoLocal local;
        local.Joga(
            [](TSimuladorProjeto& sim, int dia) {
                TProjetoSoftware* p = sim.Projeto();
                const auto& pool = sim.Desenvolvedores();
                if (dia == 0) {
                    p->Equipe() = {pool.at(1), pool.at(0)};
                    pool.at(1)->SetHorasTrabalho(10);
                    p->Atividade(0)->SetDesenvolvedor(pool.at(1));
                    p->Atividade(1)->SetDesenvolvedor(pool.at(0));
                    p->Atividade(2)->SetDesenvolvedor(pool.at(0));
                } else if (dia == 2) {
                    p->Equipe() = {pool.at(0)};
                    p->ValidarAlocacoes();
                } else if (dia == 4) {
                    p->Equipe() = {pool.at(0), pool.at(2)};
                    p->ValidarAlocacoes();
                    pool.at(2)->SetHorasTrabalho(11);
                    p->Atividade(7)->SetDuracao(0.5);
                    p->Atividade(0)->SetDesenvolvedor(pool.at(2));
                    p->Atividade(3)->SetDesenvolvedor(pool.at(2));
                    p->Atividade(4)->SetDesenvolvedor(pool.at(0));
                }
            },
            12);
        const QStringList linhas = Linhas(r.saida);
        QCOMPARE(linhas.mid(0, linhas.size() - 1), local.receptor.linhas);
        QCOMPARE(linhas.last(), QStringLiteral("Result: not concluded after 12 days, cost %1")
                                    .arg(local.sim.Projeto()->Custo(), 0, 'f', 2));
        // Fennick worked the first two days only.
        QVERIFY(local.sim.Projeto()->Atividade(0)->Concluida());
    }

    // Guards against the runner refusing what the window's records hold:
    // "meta", "result", a developer twice in the team (the window's "R"), hours
    // for an exhausted developer; and against a refusal line on standard error.
    void WindowRecordsPlayWithoutComplaint() {
        QJsonObject plano = PlanoCorvin(12);
        plano.insert("team", QJsonArray{"Corvin", "Corvin"});
        plano.insert("events", QJsonArray{QJsonObject{{"day", 30}, // exhausted since day 23
                                                      {"hours", QJsonObject{{"Corvin", 12}}}}});
        plano.insert("meta", QJsonObject{{"program", "Orvanta 1.0"}, {"game", 3}});
        plano.insert("result", QJsonObject{{"concluded", false}, {"days", 1}, {"cost", 0.5}});
        const TExecucao r = Joga(Texto(plano));
        QCOMPARE(r.status, 0);
        QVERIFY2(r.erros.isEmpty(), r.erros.constData());
        // What the plan library plays, printed line by line.
        TSimuladorProjeto sim;
        TListaMensagens receptor;
        const TResultadoPlano resultado =
            JogaPlano(sim, LePlano(Texto(plano), QStringLiteral("p"), sim), &receptor);
        QStringList esperadas;
        for (const TMensagemJogo& m : receptor.Mensagens) {
            esperadas.append(FormataLinhaMensagem(m.Texto, m.Dia));
        }
        esperadas.append(QStringLiteral("Result: concluded in %1 days, cost %2")
                             .arg(resultado.Dias)
                             .arg(resultado.Custo, 0, 'f', 2));
        QCOMPARE(Linhas(r.saida), esperadas);
        QVERIFY(r.saida != Joga(Texto(PlanoCorvin(12))).saida);
    }

    void VerifyingComparesTheRecordedResultWithTheReplay_data() {
        QTest::addColumn<QJsonValue>("resultado");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("erro");
        const auto resultado = [](bool concluido, int dias, double custo) {
            return QJsonValue(QJsonObject{{"concluded", concluido}, {"days", dias}, {"cost", custo}});
        };
        QTest::newRow("true record") << resultado(true, 81, 16200.004) << 0 << QByteArray();
        QTest::newRow("cost changed")
            << resultado(true, 81, 16250) << 3
            << QByteArray("orvanta-sim: result differs: recorded 81 days, cost 16250.00; "
                          "replayed 81 days, cost 16200.00\n");
        QTest::newRow("days changed")
            << resultado(true, 80, 16200) << 3
            << QByteArray("orvanta-sim: result differs: recorded 80 days, cost 16200.00; "
                          "replayed 81 days, cost 16200.00\n");
        QTest::newRow("not concluded claimed")
            << resultado(false, 81, 16200) << 3
            << QByteArray("orvanta-sim: result differs: recorded not concluded after 81 days, "
                          "cost 16200.00; replayed 81 days, cost 16200.00\n");
        QTest::newRow("no result") << QJsonValue() << 2
                                   << QByteArray("orvanta-sim: the plan has no \"result\" to verify\n");
    }

    // Guards against a false record passing, a true one failing on rounding
    // noise, a mismatch reported on more than one line or with the output
    // withheld, and a record without a result counted as verified.
    void VerifyingComparesTheRecordedResultWithTheReplay() {
        QFETCH(QJsonValue, resultado);
        QFETCH(int, status);
        QFETCH(QByteArray, erro);
        QJsonObject plano = PlanoCorvin(8);
        if (!resultado.isNull()) {
            plano.insert("result", resultado);
        }
        for (const bool json : {false, true}) {
            QStringList argumentos{"--verify", "-"};
            if (json) {
                argumentos.prepend("--json");
            }
            const TExecucao r = Executa(argumentos, Texto(plano));
            QCOMPARE(r.status, status);
            QCOMPARE(r.erros, erro);
            QCOMPARE(r.saida, status == 2 ? QByteArray() : Joga(Texto(plano), json).saida);
        }
    }

    // Guards against a trace that skips, repeats or shifts a day, or that
    // holds other values than the model after each step.
    void TraceFollowsTheModelDayByDay() {
        const TExecucao r = Executa({"--json", "--trace", "-"}, Texto(PlanoCorvin(12)));
        QCOMPARE(r.status, 0);
        const QJsonArray rastro = QJsonDocument::fromJson(r.saida).object().value("trace").toArray();
        QCOMPARE(rastro.size(), 90);
        TJogoLocal local;
        CorvinEmTudo(local.sim, 12);
        const TProjetoSoftware* p = local.sim.Projeto();
        const TDesenvolvedor* corvin = local.sim.Desenvolvedores().at(0);
        for (const QJsonValue& valor : rastro) {
            local.sim.AvancarDia(nullptr);
            const QJsonObject dia = valor.toObject();
            QCOMPARE(dia.value("day").toDouble(), p->Tempo());
            QCOMPARE(dia.value("cost").toDouble(), p->Custo());
            const QJsonObject teste = dia.value("activities").toArray().at(13).toObject();
            QCOMPARE(teste.value("errors").toDouble(), p->Atividade(13)->Erros());
            QCOMPARE(teste.value("running").toBool(), p->Atividade(13)->EmExecucao());
            const QJsonObject d = dia.value("developers").toArray().at(0).toObject();
            QCOMPARE(d.value("exhaustion").toDouble(), corvin->Exaustao());
            QCOMPARE(d.value("exhausted").toBool(), corvin->Exausto());
        }
        QVERIFY(!QJsonDocument::fromJson(Joga(Texto(PlanoCorvin(12)), true).saida)
                     .object()
                     .contains("trace"));
    }

    // guards against an unfinished game reported as concluded, or its cost in the user's locale
    void AnUnfinishedGameReportsItsLastDayAndCost() {
        const TExecucao r = Joga("{}");
        QCOMPARE(r.status, 0);
        QCOMPARE(Linhas(r.saida), QStringList{"Result: not concluded after 1000 days, cost 0.00"});
        // Cost with two decimals, in the C locale, without grouping.
        QJsonObject plano = PlanoCorvin(9);
        plano.insert("max_days", 7);
        QCOMPARE(Linhas(Joga(Texto(plano)).saida).last(),
                 QStringLiteral("Result: not concluded after 7 days, cost 1575.00"));
    }

    void BadPlansAreRefusedInOneLineWithStatusTwo_data() {
        QTest::addColumn<QByteArray>("plano");
        QTest::addColumn<QString>("mensagem");
        LinhasPlanosRuins();
    }

    // guards against a bad plan that crashes, prints a partial result or spreads over several lines
    void BadPlansAreRefusedInOneLineWithStatusTwo() {
        QFETCH(QByteArray, plano);
        QFETCH(QString, mensagem);
        for (const bool json : {false, true}) {
            const TExecucao r = Joga(plano, json);
            QCOMPARE(r.status, 2);
            QVERIFY2(r.saida.isEmpty(), r.saida.left(200).constData());
            const QString erros = QString::fromUtf8(r.erros);
            QVERIFY2(erros.endsWith('\n') && erros.count('\n') == 1, qPrintable(erros));
            QVERIFY2(erros.startsWith("orvanta-sim: "), qPrintable(erros));
            QVERIFY2(erros.contains(mensagem), qPrintable(erros));
        }
    }

    void BadArgumentsAreRefusedInOneLineWithStatusTwo_data() {
        QTest::addColumn<QStringList>("argumentos");
        QTest::addColumn<QString>("mensagem");
        QTest::newRow("unknown option") << QStringList{"--xml", "a.json"} << "usage: orvanta-sim";
        QTest::newRow("json without plan") << QStringList{"--json"} << "usage: orvanta-sim";
        QTest::newRow("missing file") << QStringList{"/nonexistent/plan.json"}
                                      << "cannot read the plan /nonexistent/plan.json";
        QTest::newRow("newline in the path") << QStringList{"/nonexistent/a\nb.json"}
                                             << "cannot read the plan /nonexistent/a\\nb.json";
        QTest::newRow("newline in an option") << QStringList{"--a\nb", "-"}
                                              << "Unknown option 'a\\nb'.";
        QTest::newRow("trace without json") << QStringList{"--trace", "-"} << "--trace needs --json";
        QTest::newRow("placeholders in the path")
            << QStringList{"/nonexistent/%1 %2 100%.json"}
            << "cannot read the plan /nonexistent/%1 %2 100%.json: ";
    }

    // guards against bad usage run as a game, or refused without the usage line
    void BadArgumentsAreRefusedInOneLineWithStatusTwo() {
        QFETCH(QStringList, argumentos);
        QFETCH(QString, mensagem);
        const TExecucao r = Executa(argumentos);
        QCOMPARE(r.status, 2);
        QVERIFY(r.saida.isEmpty());
        const QString erros = QString::fromUtf8(r.erros);
        QVERIFY2(erros.count('\n') == 1 && erros.contains(mensagem), qPrintable(erros));
    }
};

QTEST_GUILESS_MAIN(TstOrvantaSim)
#include "tst_orvanta_sim.moc"
