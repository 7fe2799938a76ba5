// SPDX-License-Identifier: GPL-3.0-or-later
// The teacher's board against a real server process and a real database:
// signing in and out, what needs the teacher, the same-origin check, the
// public view's switch, the data the pages fetch, and sessions shared by
// servers on one database. Run on SQLite, and on PostgreSQL when the
// fixture's cluster is named. (The pages themselves run in a real browser:
// tst_navegador_quadro.py.)

#include "plan/EscritorPlano.h"
#include "quadro/GraficosQuadro.h"
#include "tests/servidor/ServidorTeste.h"
#include "tests/turma/RegistrosTurma.h"

#include <QElapsedTimer>
#include <QJsonArray>
#include <QRegularExpression>

#include <atomic>
#include <thread>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

std::string Pagina(const QString& codigo, const std::string& resto = "") {
    return "/classes/" + codigo.toStdString() + "/" + resto;
}

QString Cabecalho(const httplib::Result& r, const char* nome) {
    return QString::fromStdString(r->get_header_value(nome));
}

// The "name=value" of a Set-Cookie answer, to send back.
std::string CookieDe(const httplib::Result& r) {
    const std::string cookie = r->get_header_value("Set-Cookie");
    return cookie.substr(0, cookie.find(';'));
}

} // namespace

class TstQuadroServidor : public QObject {
    Q_OBJECT

    TBancoTeste FBanco;
    TSimuladorProjeto FSim;
    std::unique_ptr<TServidorTeste> FServidor;
    TTurmaTeste FTurma;
    QByteArray FRegistro; // the class's first record
    qint64 FId = 0;

    std::string Origem() const { return "http://127.0.0.1:" + std::to_string(FServidor->Porta()); }

    httplib::Headers DaPagina(const std::string& cookie = {}) const {
        httplib::Headers h{{"Origin", Origem()}};
        if (!cookie.empty()) {
            h.emplace("Cookie", cookie);
        }
        return h;
    }

    httplib::Result Entra(const TTurmaTeste& turma, const QString& chave) {
        return FServidor->Cliente()->Post(Pagina(turma.codigo, "sign-in"), DaPagina(),
                                          "key=" + chave.toStdString(),
                                          "application/x-www-form-urlencoded");
    }

    // A session of the class, as a browser's Cookie header.
    std::string Sessao(const TTurmaTeste& turma) {
        const httplib::Result r = Entra(turma, turma.chave);
        return r && r->status == 303 ? CookieDe(r) : std::string();
    }

    httplib::Result Vista(const std::string& cookie, const std::string& vista) {
        return FServidor->Cliente()->Post(Pagina(FTurma.codigo, "public"), DaPagina(cookie),
                                          "view=" + vista, "application/x-www-form-urlencoded");
    }

    httplib::Result Get(const std::string& caminho, const std::string& cookie) {
        return FServidor->Cliente()->Get(caminho, httplib::Headers{{"Cookie", cookie}});
    }

    qint64 Envia(const QByteArray& corpo) {
        const httplib::Result r = FServidor->Cliente()->Post(
            Caminho(FTurma.codigo, "/records"), corpo.toStdString(), "application/json");
        return r && r->status == 201 ? ObjetoJson(r->body).value("id").toInteger() : 0;
    }

private slots:
    void initTestCase() {
        QVERIFY2(FBanco.Valido(), "the PostgreSQL fixture's state file cannot be read");
        FTurma = CriaTurmaTeste(FBanco, u"Board <Year 9>"_s);
        QVERIFY(!FTurma.chave.isEmpty());
        FServidor = std::make_unique<TServidorTeste>(FBanco, QStringList{"--rate-limit", "0"});
        QVERIFY2(FServidor->Porta() > 0, FServidor->Erros().constData());
        FRegistro = EscrevePlano(RegistroTurma(FSim, 0, 8, u"Ana <b>\"Souza\"</b>"_s, 1), FSim);
        FId = Envia(FRegistro);
        QVERIFY(FId > 0);
    }

    // guards against a server that cannot stop cleanly once it has drawn charts
    void cleanupTestCase() { QCOMPARE(FServidor->Sinaliza(SIGTERM), 0); }

    // Guards against a session cookie a script can read or another site
    // can send, one that outlives 12 hours or reaches other classes, and a
    // sign-in that does not open the board.
    void SigningInGivesASessionThatOpensTheBoard() {
        const httplib::Result semSessao = FServidor->Cliente()->Get(Pagina(FTurma.codigo));
        QVERIFY(semSessao);
        QCOMPARE(semSessao->status, 200);
        QVERIFY(semSessao->body.find("name=\"key\"") != std::string::npos);
        QVERIFY(semSessao->body.find("id=\"results\"") == std::string::npos);

        const httplib::Result r = Entra(FTurma, FTurma.chave);
        QVERIFY(r);
        QCOMPARE(r->status, 303);
        QCOMPARE(Cabecalho(r, "Location"), u"/classes/"_s + FTurma.codigo + u"/"_s);
        const QString cookie = Cabecalho(r, "Set-Cookie");
        QVERIFY2(QRegularExpression(u"^orvanta_session=[A-Za-z0-9_-]{43}; Max-Age=43200; "
                                    "Path=/classes/[2-9A-Z]{8}/; HttpOnly; SameSite=Strict$"_s)
                     .match(cookie)
                     .hasMatch(),
                 qPrintable(cookie));
        const std::string sessao = CookieDe(r);
        const httplib::Result quadro = Get(Pagina(FTurma.codigo), sessao);
        QVERIFY(quadro);
        QCOMPARE(quadro->status, 200);
        QVERIFY(quadro->body.find("id=\"results\"") != std::string::npos);
        QVERIFY(Cabecalho(quadro, "Content-Security-Policy").startsWith(u"default-src 'self'"_s));
        QCOMPARE(Cabecalho(quadro, "Cache-Control"), u"no-store"_s);
        QCOMPARE(Cabecalho(quadro, "X-Frame-Options"), u"DENY"_s);
        const httplib::Result dados = Get(Pagina(FTurma.codigo, "board.json"), sessao);
        QVERIFY(dados);
        QCOMPARE(dados->status, 200);
        QCOMPARE(ObjetoJson(dados->body).value("class").toObject().value("name").toString(), u"Board <Year 9>"_s);

        // The code in small letters reaches the page the cookie is for.
        const httplib::Result minusculas =
            FServidor->Cliente()->Get(Pagina(FTurma.codigo.toLower(), "games/1"));
        QVERIFY(minusculas);
        QCOMPARE(minusculas->status, 301);
        QCOMPARE(Cabecalho(minusculas, "Location"), u"/classes/"_s + FTurma.codigo + u"/games/1"_s);
    }

    void AWrongKeyAndAWrongClassAnswerAlike_data() {
        QTest::addColumn<QString>("codigo");
        QTest::addColumn<QString>("chave");
        QTest::newRow("a wrong key") << u"CLASS"_s << u"0123456789abcdefghijklmnopqrstuv"_s;
        QTest::newRow("the key of another class") << u"CLASS"_s << u"OTHER"_s;
        QTest::newRow("an unknown class") << u"ZZZZ2345"_s << u"KEY"_s;
        QTest::newRow("no class could have this code") << u"NOT0CODE"_s << u"KEY"_s;
        QTest::newRow("no key") << u"CLASS"_s << QString();
    }

    // Guards against sign-in telling a wrong key from an unknown class,
    // answering a wrong key at once (cheap guessing), or opening a session.
    void AWrongKeyAndAWrongClassAnswerAlike() {
        QFETCH(QString, codigo);
        QFETCH(QString, chave);
        static std::optional<TTurmaTeste> outra;
        if (!outra) {
            outra = CriaTurmaTeste(FBanco, u"Other"_s);
        }
        const TTurmaTeste turma{codigo == u"CLASS"_s ? FTurma.codigo : codigo, {}};
        chave.replace(u"OTHER"_s, outra->chave).replace(u"KEY"_s, FTurma.chave);
        QElapsedTimer relogio;
        relogio.start();
        const httplib::Result r = Entra(turma, chave);
        QVERIFY(r);
        QVERIFY2(relogio.elapsed() >= 950, qPrintable(QString::number(relogio.elapsed())));
        QCOMPARE(r->status, 401);
        QVERIFY(!r->has_header("Set-Cookie"));
        static std::string primeira;
        const std::string pagina = r->body;
        QVERIFY(pagina.find("id=\"sign-in-wrong\" class=\"error\" role=\"alert\"") !=
                std::string::npos);
        if (primeira.empty()) {
            primeira = pagina;
        }
        QCOMPARE(QString::fromStdString(pagina), QString::fromStdString(primeira));
    }

    // Guards against wrong keys that each hold an HTTP thread for their
    // second without bound, so that a burst of them starves the class.
    void ABurstOfWrongKeysLeavesTheServerFree() {
        constexpr int Tentativas = 24;
        std::vector<std::thread> fios;
        std::atomic<int> recusadas{0};
        std::atomic<int> ocupadas{0};
        QElapsedTimer relogio;
        relogio.start();
        for (int i = 0; i < Tentativas; ++i) {
            fios.emplace_back([&] {
                const httplib::Result r = Entra(FTurma, u"wrong"_s);
                if (r && r->status == 401) {
                    ++recusadas;
                } else if (r && r->status == 429) {
                    ++ocupadas;
                }
            });
        }
        QTest::qWait(300);
        // Meanwhile the class is served at once.
        QElapsedTimer servida;
        servida.start();
        const httplib::Result turma = FServidor->Cliente()->Get(Caminho(FTurma.codigo));
        QVERIFY(turma);
        QCOMPARE(turma->status, 200);
        QVERIFY2(servida.elapsed() < 500, qPrintable(QString::number(servida.elapsed())));
        for (std::thread& f : fios) {
            f.join();
        }
        QCOMPARE(recusadas + ocupadas, Tentativas);
        // At most 16 wait their second; the others are told at once to come back.
        QVERIFY(recusadas >= 1);
        QVERIFY(ocupadas >= 1);
        QVERIFY(relogio.elapsed() < 5000);
    }

    void ChangesNeedTheBoardsOwnPage_data() {
        QTest::addColumn<QByteArray>("acao");
        QTest::addColumn<QByteArray>("origem");
        for (const char* acao : {"sign-in", "sign-out", "public"}) {
            QTest::addRow("%s with no Origin or Referer", acao) << QByteArray(acao) << QByteArray();
            QTest::addRow("%s from another site", acao)
                << QByteArray(acao) << QByteArray("Origin: http://evil.example");
            QTest::addRow("%s from another site's page", acao)
                << QByteArray(acao) << QByteArray("Referer: http://evil.example/classes/");
            QTest::addRow("%s from a sandboxed frame", acao)
                << QByteArray(acao) << QByteArray("Origin: null");
        }
    }

    // Guards against another site's page signing the teacher in or out, or
    // switching the public view on, with the teacher's own cookie.
    void ChangesNeedTheBoardsOwnPage() {
        QFETCH(QByteArray, acao);
        QFETCH(QByteArray, origem);
        const std::string sessao = Sessao(FTurma);
        httplib::Headers cabecalhos{{"Cookie", sessao}};
        if (!origem.isEmpty()) {
            const QList<QByteArray> partes = origem.split(':');
            cabecalhos.emplace(partes.first().toStdString(),
                               origem.mid(partes.first().size() + 2).toStdString());
        }
        const std::string corpo = acao == "sign-in"   ? "key=" + FTurma.chave.toStdString()
                                  : acao == "public" ? "view=numbers"
                                                     : "";
        const httplib::Result r =
            FServidor->Cliente()->Post(Pagina(FTurma.codigo, acao.toStdString()), cabecalhos,
                                       corpo, "application/x-www-form-urlencoded");
        QVERIFY(r);
        QCOMPARE(r->status, 403);
        QVERIFY(!r->has_header("Set-Cookie"));
        // Nothing changed: the session still opens the board, the public view is off.
        const httplib::Result dados = Get(Pagina(FTurma.codigo, "board.json"), sessao);
        QVERIFY(dados);
        QCOMPARE(dados->status, 200);
        QCOMPARE(ObjetoJson(dados->body)["public_view"].toString(), u"off"_s);
    }

    void BoardDataNeedsTheTeacher_data() {
        QTest::addColumn<QByteArray>("caminho");
        for (const char* c : {"board.json", "chart.svg", "results.csv", "games/ID/game.json",
                              "games/ID/record.json", "games/ID/cost.svg"}) {
            QTest::newRow(c) << QByteArray(c);
        }
    }

    // Guards against a board's data given without the session or the key,
    // or to the session of another class.
    void BoardDataNeedsTheTeacher() {
        QFETCH(QByteArray, caminho);
        caminho.replace("ID", QByteArray::number(FId));
        const std::string c = Pagina(FTurma.codigo, caminho.toStdString());
        static std::optional<TTurmaTeste> outra;
        if (!outra) {
            outra = CriaTurmaTeste(FBanco, u"Another"_s);
        }
        const auto cliente = FServidor->Cliente();
        for (const httplib::Headers& recusado :
             {httplib::Headers{}, httplib::Headers{{"Cookie", Sessao(*outra)}},
              httplib::Headers{{"Cookie", "orvanta_session=" + std::string(43, 'A')}}}) {
            const httplib::Result r = cliente->Get(c, recusado);
            QVERIFY(r);
            QCOMPARE(r->status, 401);
            QVERIFY(ErroJson(r->body).contains(u"sign in"_s));
        }
        for (const httplib::Headers& aceito :
             {httplib::Headers{{"Cookie", Sessao(FTurma)}}, ComChave(FTurma.chave)}) {
            const httplib::Result r = cliente->Get(c, aceito);
            QVERIFY(r);
            QCOMPARE(r->status, 200);
            QCOMPARE(Cabecalho(r, "Cache-Control"), u"no-store"_s);
            QVERIFY(Cabecalho(r, "Content-Type").contains(u"charset=utf-8"_s));
        }
    }

    // Guards against a game's page shown without the teacher instead of
    // sending the browser to sign in, and a wrong key given the board.
    void PagesWithoutTheTeacherLeadToSignIn() {
        const auto cliente = FServidor->Cliente();
        const httplib::Result jogo =
            cliente->Get(Pagina(FTurma.codigo, "games/" + std::to_string(FId)));
        QVERIFY(jogo);
        QCOMPARE(jogo->status, 303);
        QCOMPARE(Cabecalho(jogo, "Location"), u"../"_s);
        const httplib::Result errada = cliente->Get(Pagina(FTurma.codigo, "board.json"),
                                                    ComChave(u"wrong"_s));
        QVERIFY(errada);
        QCOMPARE(errada->status, 401);
        QCOMPARE(ErroJson(errada->body), u"wrong class code or teacher key"_s);
    }

    // Guards against a board that polls the whole table when nothing
    // changed, or misses an upload or a switched public view.
    void TheBoardsDataFollowsUploadsByItsETag() {
        const std::string sessao = Sessao(FTurma);
        const std::string caminho = Pagina(FTurma.codigo, "board.json");
        const httplib::Result primeira = Get(caminho, sessao);
        QVERIFY(primeira);
        const std::string etiqueta = primeira->get_header_value("ETag");
        QVERIFY(!etiqueta.empty());
        const auto cliente = FServidor->Cliente();
        const httplib::Headers condicional{{"Cookie", sessao}, {"If-None-Match", etiqueta}};
        const httplib::Result igual = cliente->Get(caminho, condicional);
        QVERIFY(igual);
        QCOMPARE(igual->status, 304);
        QVERIFY(igual->body.empty());

        const qint64 id = Envia(EscrevePlano(RegistroTurma(FSim, 2, 11, u"Bo"_s, 4), FSim));
        QVERIFY(id > 0);
        const httplib::Result nova = cliente->Get(caminho, condicional);
        QVERIFY(nova);
        QCOMPARE(nova->status, 200);
        QVERIFY(nova->get_header_value("ETag") != etiqueta);
        const QJsonArray registros = ObjetoJson(nova->body)["records"].toArray();
        QCOMPARE(registros.last()["id"].toInteger(), id);
        QCOMPARE(registros.last()["manager"].toString(), u"Bo"_s);

        const httplib::Result mudada =
            cliente->Get(caminho, {{"Cookie", sessao}, {"If-None-Match", nova->get_header_value("ETag")}});
        QVERIFY(mudada);
        QCOMPARE(mudada->status, 304);
        QCOMPARE(Vista(sessao, "initials")->status, 200);
        const httplib::Result comVista =
            cliente->Get(caminho, {{"Cookie", sessao}, {"If-None-Match", nova->get_header_value("ETag")}});
        QVERIFY(comVista);
        QCOMPARE(comVista->status, 200);
        QCOMPARE(ObjetoJson(comVista->body)["public_view"].toString(), u"initials"_s);
        QCOMPARE(Vista(sessao, "off")->status, 200);
    }

    // Guards against a board whose downloads differ from the server's own
    // (the CSV of the API, the record's bytes as sent), or a game page
    // without the debrief's charts, the Par chart without the best plans.
    void TheBoardsDownloadsAreTheServersOwn() {
        const std::string sessao = Sessao(FTurma);
        const httplib::Result csv = Get(Pagina(FTurma.codigo, "results.csv"), sessao);
        const httplib::Result daApi =
            FServidor->Cliente()->Get(Caminho(FTurma.codigo, "/results.csv"), ComChave(FTurma.chave));
        QVERIFY(csv && daApi);
        QCOMPARE(QString::fromStdString(csv->body), QString::fromStdString(daApi->body));
        QCOMPARE(Cabecalho(csv, "Content-Disposition"), Cabecalho(daApi, "Content-Disposition"));

        const std::string jogo = "games/" + std::to_string(FId) + "/";
        const httplib::Result registro = Get(Pagina(FTurma.codigo, jogo + "record.json"), sessao);
        QVERIFY(registro);
        QCOMPARE(QByteArray::fromStdString(registro->body), FRegistro);
        QVERIFY(Cabecalho(registro, "Content-Disposition").startsWith(u"attachment;"_s));

        const httplib::Result dados = Get(Pagina(FTurma.codigo, jogo + "game.json"), sessao);
        QVERIFY(dados);
        const QJsonObject j = ObjetoJson(dados->body);
        QCOMPARE(j["manager"].toString(), u"Ana <b>\"Souza\"</b>"_s);
        QCOMPARE(j["check"].toString(), u"verified"_s);
        QCOMPARE(j["days"].toInt(), 81);
        QCOMPARE(j["cost"].toDouble(), 16200.0);
        QCOMPARE(j["started"].toString(), u"2024-03-01T09:00:00+01:00"_s);
        const QJsonArray graficos = j["charts"].toArray();
        QCOMPARE(graficos.size(), NomesGraficosJogo().size());
        int pares = 0;
        for (const QJsonValue& g : graficos) {
            const httplib::Result svg =
                Get(Pagina(FTurma.codigo, jogo + g["file"].toString().toStdString()), sessao);
            QVERIFY(svg);
            QCOMPARE(svg->status, 200);
            QCOMPARE(Cabecalho(svg, "Content-Type"), u"image/svg+xml; charset=utf-8"_s);
            QVERIFY(svg->body.starts_with("<?xml"));
            QVERIFY(svg->body.find("</svg>") != std::string::npos);
            // The shipped best plans: run A's par is their cheapest.
            if (g["name"].toString() == u"Par"_s) {
                QVERIFY(svg->body.find("Par plan plan-013.json") != std::string::npos);
                ++pares;
            }
        }
        QCOMPARE(pares, 1);
        QCOMPARE(Get(Pagina(FTurma.codigo, jogo + "nothing.svg"), sessao)->status, 404);
        QCOMPARE(Get(Pagina(FTurma.codigo, "games/999999/game.json"), sessao)->status, 404);
        const httplib::Result turma = Get(Pagina(FTurma.codigo, "chart.svg"), sessao);
        QVERIFY(turma);
        QCOMPARE(turma->status, 200);
        QVERIFY(turma->body.find("Class results") != std::string::npos);
    }

    // Guards against a public view open before the teacher switches it on,
    // telling an unknown class from a view switched off, switched by
    // someone without the session, or showing a name, a digest or a download.
    void ThePublicViewIsOffUntilTheTeacherSwitchesItOn() {
        const auto cliente = FServidor->Cliente();
        const std::string publico = Pagina(FTurma.codigo, "public.json");
        const httplib::Result desligada = cliente->Get(publico);
        const httplib::Result desconhecida = cliente->Get(Pagina(u"ZZZZ2345"_s, "public.json"));
        QVERIFY(desligada && desconhecida);
        QCOMPARE(desligada->status, 404);
        QCOMPARE(desconhecida->status, 404);
        QCOMPARE(desligada->body, desconhecida->body);
        QCOMPARE(cliente->Get(Pagina(FTurma.codigo, "public/chart.svg"))->status, 404);

        const httplib::Result semSessao = cliente->Post(Pagina(FTurma.codigo, "public"),
                                                        DaPagina(), "view=numbers",
                                                        "application/x-www-form-urlencoded");
        QVERIFY(semSessao);
        QCOMPARE(semSessao->status, 401);
        const std::string sessao = Sessao(FTurma);
        QCOMPARE(Vista(sessao, "on")->status, 400);
        const httplib::Result ligada = Vista(sessao, "numbers");
        QVERIFY(ligada);
        QCOMPARE(ligada->status, 200);
        QCOMPARE(ObjetoJson(ligada->body)["public_view"].toString(), u"numbers"_s);

        const httplib::Result vista = cliente->Get(publico);
        QVERIFY(vista);
        QCOMPARE(vista->status, 200);
        QVERIFY(vista->body.find("Player 1") != std::string::npos);
        for (const char* proibido : {"Souza", "manager", "sha256", "note", "record.json"}) {
            QVERIFY2(vista->body.find(proibido) == std::string::npos, proibido);
        }
        QCOMPARE(cliente->Get(Pagina(FTurma.codigo, "public/chart.svg"))->status, 200);
        // The view's page itself is the same whatever the switch: its data decides.
        QCOMPARE(cliente->Get(Pagina(FTurma.codigo, "public"))->status, 200);

        QCOMPARE(Vista(sessao, "off")->status, 200);
        QCOMPARE(cliente->Get(publico)->status, 404);
    }

    // Guards against a signed-out session that still opens the board, and
    // a cookie left in the browser.
    void SigningOutEndsTheSession() {
        const std::string sessao = Sessao(FTurma);
        const httplib::Result r = FServidor->Cliente()->Post(
            Pagina(FTurma.codigo, "sign-out"), DaPagina(sessao), "", "application/x-www-form-urlencoded");
        QVERIFY(r);
        QCOMPARE(r->status, 303);
        QVERIFY(Cabecalho(r, "Set-Cookie").startsWith(u"orvanta_session=; Max-Age=0;"_s));
        QCOMPARE(Get(Pagina(FTurma.codigo, "board.json"), sessao)->status, 401);
    }

    // Guards against sessions kept in one server's memory (a second server
    // on the same database would not know them) and sessions that survive
    // a new teacher key.
    void SessionsLiveInTheDatabase() {
        const std::string sessao = Sessao(FTurma);
        TServidorTeste segundo(FBanco);
        QVERIFY(segundo.Porta() > 0);
        const httplib::Result la = segundo.Cliente()->Get(Pagina(FTurma.codigo, "board.json"),
                                                          httplib::Headers{{"Cookie", sessao}});
        QVERIFY(la);
        QCOMPARE(la->status, 200);

        const TTurmaTeste propria = CriaTurmaTeste(FBanco, u"Rekeyed"_s);
        const std::string antiga = Sessao(propria);
        QCOMPARE(Get(Pagina(propria.codigo, "board.json"), antiga)->status, 200);
        const TExecucaoServidor nova = ExecutaServidor(
            QStringList{u"class"_s, u"key"_s, propria.codigo} + FBanco.Argumentos());
        QCOMPARE(nova.status, 0);
        QCOMPARE(Get(Pagina(propria.codigo, "board.json"), antiga)->status, 401);
        QCOMPARE(segundo.Sinaliza(SIGTERM), 0);
    }
};

QTEST_GUILESS_MAIN(TstQuadroServidor)
#include "tst_quadro_servidor.moc"
