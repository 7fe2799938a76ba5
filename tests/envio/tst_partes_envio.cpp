// The sending's parts without a network: class links as students type
// them, what the server's answers mean, the state file of the records, and
// files beside the record that are not what they should be.
#include "envio/EnvioTurma.h"
#include "envio/LinkTurma.h"
#include "envio/RespostaServidor.h"

#include <QTemporaryDir>
#include <QtTest>

using ETipo = TRespostaEnvio::ETipo;
using ESituacao = TRegistroEnvio::ESituacao;

namespace {

const QString Sha(64, QLatin1Char('a'));

QByteArray LeArquivo(const QString& caminho) {
    QFile arquivo(caminho);
    return arquivo.open(QIODevice::ReadOnly) ? arquivo.readAll() : QByteArray();
}

bool Escreve(const QString& caminho, const QByteArray& dados) {
    QDir().mkpath(QFileInfo(caminho).absolutePath());
    QFile arquivo(caminho);
    return arquivo.open(QIODevice::WriteOnly) && arquivo.write(dados) == dados.size();
}

} // namespace

class TstPartesEnvio : public QObject {
    Q_OBJECT

private slots:
    void ClassLinksAreReadAsStudentsTypeThem_data() {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("link"); // empty: refused
        QTest::addColumn<QString>("motivo");
        const QString parecido = "not a class link: it looks like http://HOST:PORT/classes/CODE/";
        QTest::newRow("https without a port") << "https://class.example.org/classes/AB2/"
                                              << "https://class.example.org/classes/AB2/"
                                              << "";
        QTest::newRow("IPv6") << "http://[::1]:8737/classes/AB2/"
                              << "http://[::1]:8737/classes/AB2/"
                              << "";
        QTest::newRow("no host") << "http:///classes/AB2/"
                                 << "" << parecido;
        QTest::newRow("a code alone") << "K7M2PQ9X"
                                      << "" << parecido;
        QTest::newRow("the API's path") << "http://h:8737/api/v1/classes/AB2"
                                        << ""
                                        << "not a class link: its path is not /classes/CODE/";
        QTest::newRow("a code with a slash in it")
            << "http://h/classes/AB/2/"
            << ""
            << "not a class link: its path is not /classes/CODE/";
        QTest::newRow("a password")
            << "http://u:p@h/classes/AB2/"
            << ""
            << "not a class link: it has more than http://HOST:PORT/classes/CODE/";
        QTest::newRow("a query")
            << "http://h/classes/AB2/?x=1"
            << ""
            << "not a class link: it has more than http://HOST:PORT/classes/CODE/";
    }
    // guards against a typo sent to a wrong address, or a good link refused for its spelling
    void ClassLinksAreReadAsStudentsTypeThem() {
        QFETCH(QString, texto);
        QFETCH(QString, link);
        QFETCH(QString, motivo);
        QString lido;
        const std::optional<TLinkTurma> l = TLinkTurma::Le(texto, lido);
        QCOMPARE(l ? l->Texto() : QString(), link);
        QCOMPARE(lido, motivo);
        if (l) {
            QCOMPARE(l->UrlRegistros().toString(),
                     link.chopped(1).replace("/classes/", "/api/v1/classes/") + "/records");
        }
    }

    void AnswersToARecordAreTakenForWhatTheyMean_data() {
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("corpo");
        QTest::addColumn<QByteArray>("retryAfter");
        QTest::addColumn<int>("tipo");
        QTest::addColumn<QString>("motivo");
        QTest::addColumn<int>("espera");
        const QByteArray recibo = "{\"id\": 12, \"check\": \"verified\", \"sha256\": \"" +
                                  Sha.toUpper().toLatin1() + "\"}";
        QTest::newRow("200 receipt of a retry")
            << 200 << recibo << QByteArray() << int(ETipo::Aceito) << "" << 0;
        QTest::newRow("400 with a two-line reason")
            << 400 << QByteArray(R"({"error": "line 3:\nnot a plan\u202e"})") << QByteArray()
            << int(ETipo::Recusado) << "line 3: not a plan" << 0;
        QTest::newRow("401 is not a refusal")
            << 401 << QByteArray() << QByteArray() << int(ETipo::Falhou)
            << "the server answered HTTP 401" << 0;
        QTest::newRow("429 asks to wait")
            << 429 << QByteArray(R"({"error": "too many"})") << QByteArray(" 7 ")
            << int(ETipo::Falhou) << "the server answered HTTP 429: too many" << 7;
        QTest::newRow("503 with a date")
            << 503 << QByteArray() << QByteArray("Wed, 21 Oct 2026 07:28:00 GMT")
            << int(ETipo::Falhou) << "the server answered HTTP 503" << 0;
    }
    // guards against a record given up on a passing failure, or retried for ever after a refusal
    void AnswersToARecordAreTakenForWhatTheyMean() {
        QFETCH(int, status);
        QFETCH(QByteArray, corpo);
        QFETCH(QByteArray, retryAfter);
        QFETCH(int, tipo);
        QFETCH(QString, motivo);
        QFETCH(int, espera);
        const TRespostaEnvio r = ClassificaEnvio(
            status, corpo, QStringLiteral("127.0.0.1:9: Connection refused"), Sha, retryAfter);
        QCOMPARE(int(r.Tipo), tipo);
        QCOMPARE(r.Motivo, motivo);
        QCOMPARE(r.Espera, espera);
        if (r.Tipo == ETipo::Aceito) {
            QCOMPARE(r.Id, 12);
            QCOMPARE(r.Conferencia, QStringLiteral("verified"));
        }
    }

    void AnswersToAClassCheckGiveItsNameOrWhy_data() {
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("corpo");
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QString>("motivo");
        QTest::newRow("a class") << 200 << QByteArray(R"({"name": "Year 9\n<b>Software</b>"})")
                                 << "Year 9 <b>Software</b>"
                                 << "";
        QTest::newRow("no name") << 200 << QByteArray(R"({"name": 9})") << ""
                                 << "the server's answer is not a class";
        QTest::newRow("failing") << 502 << QByteArray("Bad Gateway") << ""
                                 << "the server answered HTTP 502";
    }
    // guards against a class joined on any answer, or a failure with no reason to show
    void AnswersToAClassCheckGiveItsNameOrWhy() {
        QFETCH(int, status);
        QFETCH(QByteArray, corpo);
        QFETCH(QString, nome);
        QFETCH(QString, motivo);
        const TRespostaTurma r =
            ClassificaTurma(status, corpo, QStringLiteral("h:1: Host not found"));
        QCOMPARE(r.Ok, !nome.isEmpty());
        QCOMPARE(r.Nome, nome);
        QCOMPARE(r.Motivo, motivo);
    }

    // guards against a long reason that floods the dialog, or is cut inside a character
    void AReasonIsShownOnOneShortLine() {
        QCOMPARE(LinhaUnica(QStringLiteral("a\r\n\tb  c"), 10), QStringLiteral("a b c"));
        QCOMPARE(LinhaUnica(QStringLiteral("abcdefghij"), 5),
                 QStringLiteral("abcd") + QChar(0x2026));
        const QString emoji = QStringLiteral("abc") + QString::fromUtf8("\xf0\x9f\x98\x80") + "xyz";
        QCOMPARE(LinhaUnica(emoji, 5), QStringLiteral("abc") + QChar(0x2026));
    }

    // guards against a state that loses what was sent or refused between runs,
    // or that a hand-edited file can point outside games/
    void TheStateFileKeepsEachRecordsFateAndTakesNothingElse() {
        TEstadoEnvio estado;
        estado.Registros = {
            {"http://h/classes/A/", "game-1.json", Sha, ESituacao::Enviado, {}, 4, "mismatch"},
            {"http://h/classes/A/",
             "game-2.json",
             QString(64, 'b'),
             ESituacao::Aguardando,
             {},
             0,
             {}},
            {"http://h/classes/B/",
             "game-2.json",
             QString(64, 'b'),
             ESituacao::Recusado,
             "why",
             0,
             {}},
            {"http://h/classes/A/",
             "game-3.json",
             QString(64, 'c'),
             ESituacao::Perdido,
             "gone",
             0,
             {}},
        };
        TEstadoEnvio lido;
        QString motivo;
        QVERIFY2(lido.LeJson(estado.Json(), motivo), qPrintable(motivo));
        QCOMPARE(lido.Registros, estado.Registros);
        QCOMPARE(lido.Conta("http://h/classes/A/", ESituacao::Aguardando), 1);
        QCOMPARE(lido.ProximoAguardando("http://h/classes/B/"), nullptr);

        // A record of the state file with one key's value put in.
        const auto registro = [](const char* arquivo, const QString& sha, const char* situacao) {
            return QByteArray("{\"format\": 1, \"records\": [{\"class\": \"c\", \"file\": \"") +
                   arquivo + "\", \"sha256\": \"" + sha.toLatin1() + "\", \"state\": \"" +
                   situacao + "\"}]}";
        };
        QVERIFY(lido.LeJson(registro("game-9.json", Sha, "waiting"), motivo));
        lido.Registros = estado.Registros;
        for (const QByteArray& ruim :
             {QByteArray("{"), QByteArray(R"({"format": 2, "records": []})"),
              registro("../Orvanta.INI", Sha, "waiting"), registro(".hidden", Sha, "waiting"),
              registro("g", "x", "waiting"), registro("g", Sha, "maybe")}) {
            QVERIFY2(!lido.LeJson(ruim, motivo), ruim.constData());
            QCOMPARE(lido.Registros, estado.Registros);
        }
    }

    // guards against a damaged state file overwritten (lost) or stopping the
    // sending for good, and a damaged class file taken for a class
    void DamagedFilesBesideTheRecordAreKeptAndTold() {
        QTemporaryDir pasta;
        const QString estado = TEstadoEnvio::CaminhoEstado(pasta.path());
        QVERIFY(Escreve(estado, "not json"));
        QVERIFY(Escreve(TTurmaSalva::Caminho(pasta.path()), "[Class]\nLink=mailto:teacher\n"));
        TEnvioTurma envio;
        envio.DefinePasta(pasta.path());
        QVERIFY(!envio.Turma());
        QVERIFY2(envio.MensagemEntrada().endsWith("OrvantaClass.INI: not a class link: it looks "
                                                  "like http://HOST:PORT/classes/CODE/"),
                 qPrintable(envio.MensagemEntrada()));
        QVERIFY2(envio.UltimoErro().contains("kept as sending.state.damaged, started afresh"),
                 qPrintable(envio.UltimoErro()));
        QCOMPARE(LeArquivo(estado + ".damaged"), QByteArray("not json"));
        QVERIFY(!QFile::exists(estado));
    }
};

int main(int argc, char** argv) {
    QCoreApplication aplicacao(argc, argv);
    TstPartesEnvio teste;
    return QTest::qExec(&teste, argc, argv);
}

#include "tst_partes_envio.moc"
