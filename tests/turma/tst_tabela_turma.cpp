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
                                u""_s,         u" spaced "_s, u"=1+1"_s};
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
        };
        const TResumoTurma r = ResumeTurma(linhas);
        QCOMPARE(r.Jogos, 10);
        QCOMPARE(r.Verificados, 5);
        QCOMPARE(r.Divergentes, 2);
        QCOMPARE(r.NaoVerificados, 1);
        QCOMPARE(r.Ilegiveis, 2);
        QCOMPARE(r.Concluidos, 4);
        QCOMPARE(r.MedianaDias, 35.0);
        QCOMPARE(r.MelhorDias, 20);
        QCOMPARE(r.MedianaCusto, 11000.0);
        QCOMPARE(r.MelhorCusto, 9000.0);
        const QStringList texto = TextoResumo(r, linhas).split(u'\n');
        QCOMPARE(
            texto.mid(0, 3),
            (QStringList{u"games: 10 (5 verified, 2 mismatch, 1 unverified, 2 unreadable)"_s,
                         u"verified concluded games: 4; days: median 35, best 20; cost: median "
                         "11000.00, best 9000.00"_s,
                         u"managers with more than one counted game: \"Ana\" (2), \"Bo\" (3)"_s}));
        // One whole line per mismatch and unreadable file, and nothing after.
        QCOMPARE(texto.size(), 3 + 4 + 1);
        QCOMPARE(texto.at(3), u"mismatch: f.json: why\\nnot"_s);
        QCOMPARE(texto.last(), QString());
    }
};

QTEST_GUILESS_MAIN(TstTabelaTurma)
#include "tst_tabela_turma.moc"
