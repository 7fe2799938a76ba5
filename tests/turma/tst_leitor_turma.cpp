// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a class's files into rows: what each kind of game record and
// record file gives in each column, and files that must not be read.
#include "tests/turma/RegistrosTurma.h"
#include "turma/IniTurma.h"
#include "turma/LeitorTurma.h"
#include "turma/RegistroTurma.h"
#include "turma/ResumoTurma.h"

#include <QCryptographicHash>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(std::optional<int>)
Q_DECLARE_METATYPE(std::optional<double>)

namespace {

TArquivoTurma Registro(const QString& nome, const QString& caminho) {
    TArquivoTurma arquivo;
    arquivo.Nome = nome;
    arquivo.Caminho = caminho;
    return arquivo;
}

QByteArray Json(const QJsonObject& objeto) {
    return QJsonDocument(objeto).toJson(QJsonDocument::Compact);
}

} // namespace

class TstLeitorTurma : public QObject {
    Q_OBJECT

    TSimuladorProjeto FSim;
    const TPlano FRegistro = RegistroTurma(FSim, 3, 10, u"Ana"_s, 4);
    const QJsonObject FJson = PlanoEmJson(FRegistro, FSim);

    // The record's JSON with one key replaced (or removed, for undefined).
    QByteArray Com(const QString& chave, const QJsonValue& valor) const {
        QJsonObject json = FJson;
        if (valor.isUndefined()) {
            json.remove(chave);
        } else {
            json.insert(chave, valor);
        }
        return Json(json);
    }
    QJsonObject Resultado(double custoExtra, int diasExtra = 0, bool concluido = true) const {
        return {{"concluded", concluido},
                {"days", FRegistro.Resultado->Dias + diasExtra},
                {"cost", FRegistro.Resultado->Custo + custoExtra}};
    }

private slots:
    void ARecordRowHoldsWhatTheRecordClaimsAndWhatItsReplayShows_data() {
        QTest::addColumn<QByteArray>("dados");
        QTest::addColumn<int>("conferencia");
        QTest::addColumn<QString>("gerente");
        QTest::addColumn<std::optional<int>>("jogo");
        QTest::addColumn<std::optional<int>>("diasExtra");
        QTest::addColumn<std::optional<double>>("custoExtra");
        const auto verificado = int(EConferencia::Verificado);
        const auto divergente = int(EConferencia::Divergente);
        const auto ilegivel = int(EConferencia::Ilegivel);
        using D = std::optional<double>;
        using I = std::optional<int>;
        QTest::newRow("true") << Json(FJson) << verificado << u"Ana"_s << I(4) << I(0) << D(0);
        QTest::newRow("within the cent") << Com(u"result"_s, Resultado(0.004)) << verificado
                                         << u"Ana"_s << I(4) << I(0) << D(0.004);
        QTest::newRow("cost changed") << Com(u"result"_s, Resultado(-100)) << divergente << u"Ana"_s
                                      << I(4) << I(0) << D(-100);
        QTest::newRow("days changed") << Com(u"result"_s, Resultado(0, -3)) << divergente
                                      << u"Ana"_s << I(4) << I(-3) << D(0);
        QTest::newRow("no meta") << Com(u"meta"_s, QJsonValue::Undefined) << verificado << QString()
                                 << I() << I(0) << D(0);
        QTest::newRow("meta of other types")
            << Com(u"meta"_s, QJsonObject{{"manager", 7}, {"game", "4"}}) << verificado << QString()
            << I() << I(0) << D(0);
        QTest::newRow("no result") << Com(u"result"_s, QJsonValue::Undefined) << ilegivel
                                   << u"Ana"_s << I(4) << I() << D();
        QTest::newRow("not a valid plan: what can be read")
            << Com(u"team"_s, QJsonArray{"Nobody"}) << ilegivel << u"Ana"_s << I(4) << I(0) << D(0);
        QTest::newRow("truncated")
            << Json(FJson).left(300) << ilegivel << QString() << I() << I() << D();
        QTest::newRow("not an object") << "[1, 2]"_ba << ilegivel << QString() << I() << I() << D();
    }
    // Guards against a changed result taken as verified (or a cost within the
    // cent taken as changed), the replayed result shown for the claimed one,
    // and an unreadable file that hides what it does say, or says too much.
    void ARecordRowHoldsWhatTheRecordClaimsAndWhatItsReplayShows() {
        QFETCH(QByteArray, dados);
        QFETCH(int, conferencia);
        QFETCH(QString, gerente);
        QFETCH(std::optional<int>, jogo);
        QFETCH(std::optional<int>, diasExtra);
        QFETCH(std::optional<double>, custoExtra);
        const TLinhaTurma linha = LinhaRegistro(dados, u"x/r.json"_s, FSim);
        QCOMPARE(linha.Arquivo, u"x/r.json"_s);
        QCOMPARE(int(linha.Conferencia), conferencia);
        QCOMPARE(linha.Gerente, gerente);
        QCOMPARE(linha.Jogo, jogo);
        QCOMPARE(linha.Dias.has_value(), diasExtra.has_value());
        QCOMPARE(linha.Custo.has_value(), custoExtra.has_value());
        QCOMPARE(linha.Concluido.has_value(), diasExtra.has_value());
        if (diasExtra) {
            QCOMPARE(*linha.Dias, FRegistro.Resultado->Dias + *diasExtra);
            QCOMPARE(*linha.Custo, FRegistro.Resultado->Custo + *custoExtra);
        }
        QCOMPARE(linha.Nota.isEmpty(), conferencia == int(EConferencia::Verificado));
        QVERIFY(!linha.Nota.contains(u"x/r.json"_s));
    }

    void APracticeRecordIsMarkedAndHasNoGameNumber_data() {
        QTest::addColumn<QJsonValue>("ramo");
        QTest::addColumn<bool>("pratica");
        QTest::newRow("practice") << QJsonValue(QJsonObject{{"game", 4}, {"day", 12}}) << true;
        QTest::newRow("practice of a practice")
            << QJsonValue(QJsonObject{{"game", 4}, {"day", 0}, {"record", "practice-4-9.json"}})
            << true;
        QTest::newRow("a branch of no game") << QJsonValue(QJsonObject{{"day", 12}}) << false;
        QTest::newRow("a branch that is text") << QJsonValue(u"game 4"_s) << false;
    }
    // Guards against a practice game (played again from a day of a counted
    // game) taken for a counted game in the class's counts and medians, or
    // a malformed branch that hides a record from them.
    void APracticeRecordIsMarkedAndHasNoGameNumber() {
        QFETCH(QJsonValue, ramo);
        QFETCH(bool, pratica);
        QJsonObject meta = FJson.value(u"meta"_s).toObject();
        meta.remove(u"game"_s);
        meta.insert(u"branch_of"_s, ramo);
        const TLinhaTurma linha = LinhaRegistro(Com(u"meta"_s, meta), u"practice-4-12.json"_s, FSim);
        QCOMPARE(linha.Pratica, pratica);
        QCOMPARE(linha.Jogo, std::optional<int>());
        QCOMPARE(linha.Conferencia, EConferencia::Verificado);

        TLinhaTurma contado = linha;
        contado.Pratica = false;
        contado.Jogo = 4;
        const TResumoTurma r = ResumeTurma({linha, contado});
        QCOMPARE(r.Praticas, pratica ? 1 : 0);
        QCOMPARE(r.Concluidos, pratica ? 1 : 2);
        QCOMPARE(TextoResumo(r, {linha, contado}).contains(u"practice games: 1"_s), pratica);
    }

    void RecordFileRowsAreItsGameSectionsInGameOrder_data() {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<QStringList>("linhas"); // "game concluded days cost check"
        QTest::newRow("two games, comma decimals")
            << "[Orvanta]\r\nNTimes=12\r\nManager= Zoë \r\n[#12]\r\nCost=812,5\r\nTime=7\r\n"
               "[#9]\r\ntime=90\r\ncost=20300.25\r\n"_ba
            << QStringList{u"9 true 90 20300.25 Zoë"_s, u"12 true 7 812.5 Zoë"_s};
        QTest::newRow("first section of a number, first key")
            << "[orvanta]\n[#2]\nCost=1\nCost=5\nTime=3\n[#2]\nCost=9\nTime=9\n"_ba
            << QStringList{u"2 true 3 1 "_s};
        QTest::newRow("no result, part of one, odd sections")
            << "[Orvanta]\n[#1]\n[#2]\nCost=1.5,0\nTime=4\n[#x]\n[# 3]\n[#-4]\n"_ba
            << QStringList{u"1 - - - "_s, u"2 - 4 - "_s};
        QTest::newRow("not whole days")
            << "[#5]\nCost=10\nTime=2.5\n"_ba << QStringList{u"5 - - 10 "_s};
        QTest::newRow("no games yet") << "[Orvanta]\nNTimes=2\n"_ba << QStringList{};
    }
    // Guards against a regional decimal comma misread, a later duplicate
    // section or key taken over the first, a section without a result
    // counted as concluded, and rows out of game order.
    void RecordFileRowsAreItsGameSectionsInGameOrder() {
        QFETCH(QByteArray, ini);
        QFETCH(QStringList, linhas);
        QStringList lidas;
        for (const TLinhaTurma& l : LinhasIni(ini, u"a/Orvanta.INI"_s)) {
            QCOMPARE(l.Conferencia, EConferencia::NaoVerificado);
            QCOMPARE(l.Arquivo, u"a/Orvanta.INI"_s);
            const auto texto = [](const auto& v) { return v ? QString::number(*v) : u"-"_s; };
            lidas.append(QStringList{texto(l.Jogo), l.Concluido ? u"true"_s : u"-"_s, texto(l.Dias),
                                     l.Custo ? QString::number(*l.Custo, 'g', 12) : u"-"_s,
                                     l.Gerente}
                             .join(u' '));
        }
        QCOMPARE(lidas, linhas);
    }

    // Guards against any file whatever taken for a record file with no games.
    void AFileWithNoRecordSectionsIsUnreadable() {
        const QList<TLinhaTurma> linhas = LinhasIni(QByteArray("\0\xff garbage\n", 11), u"o.ini"_s);
        QCOMPARE(linhas.size(), 1);
        QCOMPARE(linhas.at(0).Conferencia, EConferencia::Ilegivel);
        QVERIFY(!linhas.at(0).Nota.isEmpty());
    }

    void NumbersAreReadWithEitherDecimalSeparator_data() {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<std::optional<double>>("numero");
        using D = std::optional<double>;
        QTest::newRow("point") << u"812.5"_s << D(812.5);
        QTest::newRow("comma") << u"812,5"_s << D(812.5);
        QTest::newRow("exponent") << u"1,5E+20"_s << D(1.5e20);
        QTest::newRow("negative") << u"-3"_s << D(-3);
        QTest::newRow("both separators") << u"1.812,5"_s << D();
        QTest::newRow("two commas") << u"1,812,5"_s << D();
        QTest::newRow("infinity") << u"inf"_s << D();
        QTest::newRow("overflow") << u"1e999"_s << D();
        QTest::newRow("empty") << QString() << D();
        QTest::newRow("words") << u"12 days"_s << D();
    }
    // Guards against a thousands separator or a word read as part of a cost.
    void NumbersAreReadWithEitherDecimalSeparator() {
        QFETCH(QString, texto);
        QFETCH(std::optional<double>, numero);
        QCOMPARE(NumeroRegistro(texto), numero);
    }

    // Guards against a pipe that blocks the tool, a huge file read whole, and
    // a digest missing from a file that was read.
    void OnlyRegularFilesOfBoundedSizeAreRead() {
        QTemporaryDir pasta;
        const QString grande = pasta.filePath(u"grande.json"_s);
        QVERIFY(GravaArquivo(grande, QByteArray(TamanhoMaximoRegistro + 1, ' ')));
        const QString registro = pasta.filePath(u"r.json"_s);
        QVERIFY(GravaArquivo(registro, Json(FJson)));
        QVERIFY(QFile::link(u"/dev/zero"_s, pasta.filePath(u"zero.json"_s)));
        TLeitorTurma leitor;
        for (const QString& nome : {u"grande.json"_s, u"zero.json"_s, u"nada.json"_s, u"."_s}) {
            const QList<TLinhaTurma> linhas = leitor.Le(Registro(nome, pasta.filePath(nome)));
            QCOMPARE(linhas.size(), 1);
            QCOMPARE(linhas.at(0).Conferencia, EConferencia::Ilegivel);
            QVERIFY(linhas.at(0).Sha256.isEmpty());
            QVERIFY(!linhas.at(0).Nota.isEmpty());
        }
        const QList<TLinhaTurma> lidas = leitor.Le(Registro(u"r.json"_s, registro));
        QCOMPARE(lidas.at(0).Conferencia, EConferencia::Verificado);
        QCOMPARE(lidas.at(0).Sha256,
                 QString::fromLatin1(
                     QCryptographicHash::hash(Json(FJson), QCryptographicHash::Sha256).toHex()));
    }
};

QTEST_GUILESS_MAIN(TstLeitorTurma)
#include "tst_leitor_turma.moc"
