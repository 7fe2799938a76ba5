// SPDX-License-Identifier: GPL-3.0-or-later
// The board's small parts: pseudonyms of the public view, the session
// cookie and the same-origin check, the class link handed out, the charts
// kept, and the answers compressed.

#include "quadro/CacheSvg.h"
#include "quadro/DadosQuadro.h"
#include "quadro/GraficosQuadro.h"
#include "quadro/PaginasQuadro.h"
#include "quadro/SessaoQuadro.h"
#include "quadro/VistaPublica.h"

#include <QJsonDocument>
#include <QNetworkInterface>
#include <QRegularExpression>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

TRegistroGuardado De(const QString& gerente) {
    TRegistroGuardado r;
    r.Linha.Gerente = gerente;
    return r;
}

QString Cabecalho(const TRespostaHttp& r, const std::string& nome) {
    for (const auto& [n, v] : r.Cabecalhos) {
        if (n == nome) {
            return QString::fromStdString(v);
        }
    }
    return {};
}

} // namespace

class TstPartesQuadro : public QObject {
    Q_OBJECT

private slots:
    void InitialsAreTheFirstLetterOfEachWord_data() {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QString>("iniciais");
        QTest::newRow("two words") << u"Ana Souza"_s << u"A. S."_s;
        QTest::newRow("small letters and spaces") << u"  ana   maria souza "_s << u"A. M. S."_s;
        QTest::newRow("more than four words: three and the last")
            << u"Ana Maria da Silva Souza"_s << u"A. M. D. S."_s;
        QTest::newRow("markup is no letter") << u"<script>alert(1)</script> Bob"_s << u"S. B."_s;
        QTest::newRow("right-to-left marks are skipped") << u"\u202eEve \u200fAdams"_s << u"E. A."_s;
        QTest::newRow("a letter outside the BMP") << u"\U0001D49Cnne Lee"_s << u"\U0001D49C. L."_s;
        QTest::newRow("accented") << u"élodie ørsted"_s << u"É. Ø."_s;
        QTest::newRow("no letter at all") << u"<>!? --"_s << u"?"_s;
        QTest::newRow("empty") << QString() << u"?"_s;
    }

    // Guards against initials that carry markup, control characters or a
    // name's whole text to the public view, and a name that gives none.
    void InitialsAreTheFirstLetterOfEachWord() {
        QFETCH(QString, nome);
        QFETCH(QString, iniciais);
        QCOMPARE(IniciaisNome(nome), iniciais);
    }

    // Guards against players numbered by name or by their latest record,
    // one player counted twice, and two players sharing initials shown as one.
    void PseudonymsFollowTheOrderOfFirstUpload() {
        const QList<TRegistroGuardado> registros{De(u"Zoe Park"_s), De(u"Ana Souza"_s),
                                                 De(u"Zoe Park"_s), De(u"Alan Smith"_s),
                                                 De(u"Ana Souza"_s)};
        QCOMPARE(Pseudonimos(registros, EVistaPublica::Numeros),
                 (QStringList{u"Player 1"_s, u"Player 2"_s, u"Player 1"_s, u"Player 3"_s,
                              u"Player 2"_s}));
        QCOMPARE(Pseudonimos(registros, EVistaPublica::Iniciais),
                 (QStringList{u"Z. P."_s, u"A. S."_s, u"Z. P."_s, u"A. S. (2)"_s, u"A. S."_s}));
        for (const EVistaPublica v :
             {EVistaPublica::Desligada, EVistaPublica::Numeros, EVistaPublica::Iniciais}) {
            QCOMPARE(LeVistaPublica(NomeVistaPublica(v)), v);
        }
        QVERIFY(!LeVistaPublica(u"on"_s));
    }

    // Guards against a public answer that carries a name, a digest, a note
    // or a record's id (which the board's links are made of).
    void ThePublicViewsDataHasNoNames() {
        TRegistroGuardado r = De(u"Ana <b>Souza</b>"_s);
        r.Id = 41;
        r.Linha.Sha256 = u"ab12"_s;
        r.Linha.Nota = u"result differs: Ana"_s;
        TTurma turma;
        turma.Nome = u"Year 9"_s;
        const QByteArray json = QJsonDocument(JsonPublico(turma, {r}, EVistaPublica::Numeros,
                                                          {u"http://h/classes/C/"_s, {}}, u"v"_s))
                                    .toJson();
        QVERIFY(!json.contains("Ana"));
        QVERIFY(!json.contains("ab12"));
        QVERIFY(!json.contains("41"));
        QVERIFY(json.contains("Player 1"));
    }

    // Guards against a cookie a script can read, another site's page can
    // send, that outlives 12 hours, that is sent over plain HTTP under TLS,
    // or that reaches other classes' pages.
    void TheSessionCookieIsHttpOnlyStrictAndScoped() {
        const QString sessao = NovaSessao();
        QVERIFY(QRegularExpression(u"^[A-Za-z0-9_-]{43}$"_s).match(sessao).hasMatch());
        QVERIFY(NovaSessao() != sessao);
        QCOMPARE(QString::fromStdString(CookieSessao(u"K7M2PQ9X"_s, sessao, false)),
                 u"orvanta_session="_s + sessao +
                     u"; Max-Age=43200; Path=/classes/K7M2PQ9X/; HttpOnly; SameSite=Strict"_s);
        QVERIFY(CookieSessao(u"K7M2PQ9X"_s, sessao, true).ends_with("; Secure"));
        QCOMPARE(CookieRemovido(u"K7M2PQ9X"_s, true),
                 "orvanta_session=; Max-Age=0; Path=/classes/K7M2PQ9X/; HttpOnly; "
                 "SameSite=Strict; Secure");
    }

    void TheSessionIsReadFromTheCookieHeader_data() {
        const std::string s(43, 'a');
        QTest::addColumn<QByteArray>("cabecalho");
        QTest::addColumn<QString>("sessao");
        QTest::newRow("alone") << QByteArray::fromStdString("orvanta_session=" + s)
                               << QString::fromStdString(s);
        QTest::newRow("among others")
            << QByteArray::fromStdString("theme=dark; orvanta_session=" + s + "; x=1")
            << QString::fromStdString(s);
        QTest::newRow("a name that only ends like it")
            << QByteArray::fromStdString("not_orvanta_session=" + s) << QString();
        QTest::newRow("too short") << QByteArray("orvanta_session=abc") << QString();
        QTest::newRow("other characters")
            << QByteArray::fromStdString("orvanta_session=" + std::string(42, 'a') + "'")
            << QString();
        QTest::newRow("none") << QByteArray() << QString();
    }

    // Guards against a session read from another cookie, or anything but a
    // session id taken to the database.
    void TheSessionIsReadFromTheCookieHeader() {
        QFETCH(QByteArray, cabecalho);
        QFETCH(QString, sessao);
        QCOMPARE(SessaoDoCookie(cabecalho.toStdString()), sessao);
    }

    void RequestsThatChangeSomethingMustComeFromTheBoard_data() {
        QTest::addColumn<QByteArray>("origem");
        QTest::addColumn<QByteArray>("referencia");
        QTest::addColumn<bool>("tls");
        QTest::addColumn<bool>("aceita");
        QTest::newRow("its own origin") << QByteArray("http://10.0.0.5:8737") << QByteArray()
                                        << false << true;
        QTest::newRow("in other case") << QByteArray("HTTP://10.0.0.5:8737") << QByteArray()
                                       << false << true;
        QTest::newRow("another site") << QByteArray("http://evil.example") << QByteArray()
                                      << false << false;
        QTest::newRow("another port") << QByteArray("http://10.0.0.5:9999") << QByteArray()
                                      << false << false;
        QTest::newRow("http under TLS") << QByteArray("http://10.0.0.5:8737") << QByteArray()
                                        << true << false;
        QTest::newRow("a prefix of another host")
            << QByteArray("http://10.0.0.5:87370") << QByteArray() << false << false;
        QTest::newRow("a sandboxed page: null") << QByteArray("null") << QByteArray() << false
                                                << false;
        QTest::newRow("the Origin decides over the Referer")
            << QByteArray("http://evil.example") << QByteArray("http://10.0.0.5:8737/classes/X/")
            << false << false;
        QTest::newRow("no Origin: its own page as Referer")
            << QByteArray() << QByteArray("http://10.0.0.5:8737/classes/X/") << false << true;
        QTest::newRow("no Origin: a Referer on a longer host")
            << QByteArray() << QByteArray("http://10.0.0.5:8737.evil.example/") << false << false;
        QTest::newRow("neither") << QByteArray() << QByteArray() << false << false;
    }

    // Guards against a cross-site form or script signing in, out, or
    // switching the public view with the teacher's cookie.
    void RequestsThatChangeSomethingMustComeFromTheBoard() {
        QFETCH(QByteArray, origem);
        QFETCH(QByteArray, referencia);
        QFETCH(bool, tls);
        QFETCH(bool, aceita);
        QCOMPARE(MesmaOrigem(origem.toStdString(), referencia.toStdString(), "10.0.0.5:8737", tls),
                 aceita);
    }

    // Guards against a class link students cannot use (this machine's own
    // loopback address handed out) given without a word.
    void TheClassLinkNamesAnAddressStudentsCanReach() {
        const TLinkTurma remoto = LinkTurma(u"K7M2PQ9X"_s, u"10.0.0.5:8737"_s, false, u"0.0.0.0"_s);
        QCOMPARE(remoto.Link, u"http://10.0.0.5:8737/classes/K7M2PQ9X/"_s);
        QVERIFY(remoto.Aviso.isEmpty());
        const TLinkTurma so = LinkTurma(u"K7M2PQ9X"_s, u"127.0.0.1:8737"_s, true, u"127.0.0.1"_s);
        QCOMPARE(so.Link, u"https://127.0.0.1:8737/classes/K7M2PQ9X/"_s);
        QVERIFY(so.Aviso.contains(u"--listen 0.0.0.0:8737"_s));
        QString rede;
        for (const QHostAddress& a : QNetworkInterface::allAddresses()) {
            if (rede.isEmpty() && a.protocol() == QAbstractSocket::IPv4Protocol &&
                !a.isLoopback() && !a.isLinkLocal()) {
                rede = a.toString();
            }
        }
        for (const QString& host : {u"localhost:8737"_s, u"[::1]:8737"_s}) {
            const TLinkTurma daqui = LinkTurma(u"K7M2PQ9X"_s, host, false, u"::"_s);
            QVERIFY(daqui.Aviso.isEmpty());
            if (!rede.isEmpty()) {
                QCOMPARE(daqui.Link, u"http://"_s + rede + u":8737/classes/K7M2PQ9X/"_s);
            }
        }
    }

    // Guards against a cache that grows without bound, drops the chart
    // just used rather than the oldest, gives a chart of another version,
    // or keeps every version of a class's chart.
    void ChartsKeptAreTheMostRecentlyUsed() {
        TCacheSvg cache(300);
        cache.Guarda(u"a"_s, QByteArray(100, 'a'));
        cache.Guarda(u"b"_s, QByteArray(100, 'b'));
        cache.Guarda(u"c"_s, QByteArray(100, 'c'));
        QVERIFY(cache.Busca(u"a"_s));
        cache.Guarda(u"d"_s, QByteArray(100, 'd'));
        QVERIFY(!cache.Busca(u"b"_s));
        QCOMPARE(*cache.Busca(u"a"_s), QByteArray(100, 'a'));
        QVERIFY(cache.Busca(u"c"_s) && cache.Busca(u"d"_s));
        cache.Guarda(u"e"_s, QByteArray(301, 'e'));
        QVERIFY(!cache.Busca(u"e"_s));
        // A class's chart of a new version takes the old one's place.
        cache.Guarda(u"class"_s, QByteArray(100, '1'), u"1.1"_s);
        cache.Guarda(u"class"_s, QByteArray(100, '2'), u"2.5"_s);
        QVERIFY(!cache.Busca(u"class"_s, u"1.1"_s));
        QCOMPARE(*cache.Busca(u"class"_s, u"2.5"_s), QByteArray(100, '2'));
        QVERIFY(cache.Busca(u"c"_s) && cache.Busca(u"d"_s));
    }

    // Guards against a compressed answer that does not inflate to the same
    // bytes, or one compressed for a client that cannot read it.
    void AnswersAreDeflatedForClientsThatAcceptIt() {
        const QByteArray json = "[" + QByteArray("{\"manager\":\"Ana\"},").repeated(200) + "{}]";
        TRespostaHttp r = RespostaBytes(json, TipoJson);
        Comprime(r, "gzip, deflate, br");
        QCOMPARE(Cabecalho(r, "Content-Encoding"), u"deflate"_s);
        QVERIFY(r.Corpo.size() < static_cast<size_t>(json.size()) / 10);
        QByteArray zlib(4, '\0');
        qToBigEndian<quint32>(static_cast<quint32>(json.size()), zlib.data());
        QCOMPARE(qUncompress(zlib + QByteArray::fromStdString(r.Corpo)), json);

        TRespostaHttp simples = RespostaBytes(json, TipoJson);
        Comprime(simples, "gzip");
        QVERIFY(Cabecalho(simples, "Content-Encoding").isEmpty());
        QCOMPARE(QByteArray::fromStdString(simples.Corpo), json);
    }

    // Guards against a page with inline script, inline style or an event
    // handler attribute (the policy would refuse them, or worse, need
    // loosening), or a file of the pages fetched from elsewhere.
    void ThePagesKeepToTheirOwnFiles() {
        const QRegularExpression inline_(
            uR"((<script(?![^>]*\bsrc=)[^>]*>)|(\sstyle=)|(\son[a-z]+=)|(<style)|(https?://))"_s);
        for (const char* nome : {"signin", "board", "game", "public"}) {
            const TRespostaHttp r = PaginaQuadro(nome);
            const QString html = QString::fromStdString(r.Corpo);
            QVERIFY2(html.startsWith(u"<!DOCTYPE html>"_s), nome);
            const QRegularExpressionMatch achado = inline_.match(html);
            QVERIFY2(!achado.hasMatch(), qPrintable(QLatin1String(nome) + u": "_s +
                                                    achado.captured(0)));
            QCOMPARE(Cabecalho(r, "Content-Security-Policy"), QLatin1String(PoliticaPaginas));
            QVERIFY(QLatin1String(PoliticaPaginas).startsWith(u"default-src 'self';"_s));
        }
        for (const char* nome : {"board.css", "common.js", "board.js", "game.js", "public.js"}) {
            const TRespostaHttp r = ArquivoEstatico(nome, "");
            QCOMPARE(r.Status, 200);
            QVERIFY2(!QString::fromStdString(r.Corpo).contains(u"innerHTML"_s), nome);
            QVERIFY2(!QString::fromStdString(r.Corpo).contains(u"http://"_s), nome);
            QCOMPARE(ArquivoEstatico(nome, Cabecalho(r, "ETag").toStdString()).Status, 304);
        }
        QCOMPARE(ArquivoEstatico("board.html", "").Status, 404);
        QCOMPARE(ArquivoEstatico("other.js", "").Status, 404);
    }
};

QTEST_GUILESS_MAIN(TstPartesQuadro)
#include "tst_partes_quadro.moc"
