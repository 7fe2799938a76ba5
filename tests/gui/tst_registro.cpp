// Player record file: game counting, manager name, recorded results, the
// number forms, case-insensitive names, what the file keeps, and the two
// failures (unreadable count, unwritable file) with nothing else changed.
#include "ui/ErrosRegistro.h"
#include "ui/RegistroJogador.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QByteArray Conteudo(const QString& caminho) {
    QFile arquivo(caminho);
    if (!arquivo.open(QIODevice::ReadOnly)) {
        return QByteArray();
    }
    return arquivo.readAll();
}

void Escreve(const QString& caminho, const QByteArray& dados) {
    QFile arquivo(caminho);
    QVERIFY(arquivo.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(arquivo.write(dados), dados.size());
}

} // namespace

class TstRegistro : public QObject {
    Q_OBJECT

private:
    QTemporaryDir FPasta;
    QString Caminho() const { return FPasta.filePath(QStringLiteral("Orvanta.INI")); }

private slots:
    void init() {
        QVERIFY(FPasta.isValid());
        QFile::remove(Caminho());
        QLocale::setDefault(QLocale::c());
    }

    void ConverteInteiro_data() {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<bool>("valido");
        QTest::addColumn<int>("valor");
        QTest::newRow("zero") << "0" << true << 0;
        QTest::newRow("count") << "41" << true << 41;
        QTest::newRow("plus sign") << "+7" << true << 7;
        QTest::newRow("negative") << "-3" << true << -3;
        QTest::newRow("leading zeros") << "007" << true << 7;
        QTest::newRow("largest") << "2147483647" << true << 2147483647;
        QTest::newRow("smallest") << "-2147483648" << true << int(-2147483647 - 1);
        QTest::newRow("empty") << "" << false << 0;
        QTest::newRow("word") << "abc" << false << 0;
        QTest::newRow("sign only") << "-" << false << 0;
        QTest::newRow("fraction") << "1.5" << false << 0;
        QTest::newRow("trailing letter") << "12a" << false << 0;
        QTest::newRow("inner blank") << "1 2" << false << 0;
        QTest::newRow("hex") << "0x10" << false << 0;
        QTest::newRow("too large") << "2147483648" << false << 0;
        QTest::newRow("far too large") << "99999999999999999999" << false << 0;
    }
    void ConverteInteiro() {
        QFETCH(QString, texto);
        QFETCH(bool, valido);
        QFETCH(int, valor);
        if (valido) {
            QCOMPARE(TRegistroJogador::ConverteInteiro(texto), valor);
            return;
        }
        try {
            TRegistroJogador::ConverteInteiro(texto);
            QFAIL("accepted an invalid number");
        } catch (const EErroConversao& erro) {
            QCOMPARE(QString::fromUtf8(erro.what()),
                     QStringLiteral("'%1' is not a valid integer value").arg(texto));
        }
    }

    void FormataReal_data() {
        QTest::addColumn<QString>("local");
        QTest::addColumn<double>("valor");
        QTest::addColumn<QString>("texto");
        QTest::newRow("fraction") << "C" << 812.5 << "812.5";
        QTest::newRow("whole cost") << "C" << 16200.0 << "16200";
        QTest::newRow("days") << "C" << 81.0 << "81";
        QTest::newRow("zero") << "C" << 0.0 << "0";
        QTest::newRow("binary noise") << "C" << 0.1 + 0.2 << "0.3";
        QTest::newRow("15 digits") << "C" << 1234.5678901234567 << "1234.56789012346";
        QTest::newRow("huge") << "C" << 1.5e20 << "1.5E20";
        QTest::newRow("tiny") << "C" << 2.5e-7 << "2.5E-7";
        QTest::newRow("comma separator") << "de_DE" << 812.5 << "812,5";
        QTest::newRow("no grouping") << "en_US" << 1234567.25 << "1234567.25";
    }
    void FormataReal() {
        QFETCH(QString, local);
        QFETCH(double, valor);
        QFETCH(QString, texto);
        QLocale::setDefault(QLocale(local));
        QCOMPARE(TRegistroJogador::FormataReal(valor), texto);
    }

    void CaminhoPadraoBesideTheProgram() {
        QCOMPARE(QFileInfo(TRegistroJogador::CaminhoPadrao()).fileName(),
                 QStringLiteral("Orvanta.INI"));
        QCOMPARE(QFileInfo(TRegistroJogador::CaminhoPadrao()).absolutePath(),
                 QFileInfo(QCoreApplication::applicationFilePath()).absolutePath());
    }

    void CountingCreatesTheFileAndGrows() {
        TRegistroJogador registro(Caminho());
        QCOMPARE(registro.LeValor("Orvanta", "NTimes", "none"), QStringLiteral("none"));
        registro.IncrementaPartidas();
        QVERIFY(QFile::exists(Caminho()));
        QVERIFY(Conteudo(Caminho()).contains("[Orvanta]"));
        QVERIFY(Conteudo(Caminho()).contains("NTimes=1"));
        registro.IncrementaPartidas();
        registro.IncrementaPartidas();
        QCOMPARE(registro.LeValor("Orvanta", "NTimes", "0"), QStringLiteral("3"));
        // Nothing but the file itself is left in the folder.
        QCOMPARE(QDir(FPasta.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("Orvanta.INI")});
    }

    void NamesMatchWithoutCaseAndOtherContentStays() {
        Escreve(Caminho(), "; kept comment\n[orvanta]\nntimes=4\nmanager=Ana\n\n[Other]\nX=1\n"
                           "Y=two words\n\n[#3]\nCost=10\nTime=2\n");
        TRegistroJogador registro(Caminho());
        QCOMPARE(registro.Gerente(), QStringLiteral("Ana"));
        registro.IncrementaPartidas();
        const QByteArray depois = Conteudo(Caminho());
        QVERIFY2(depois.contains("ntimes=5"), depois.constData());
        QVERIFY(!depois.contains("NTimes"));
        QCOMPARE(depois.count("[orvanta]"), 1);
        QVERIFY(depois.contains("; kept comment"));
        QVERIFY(depois.contains("manager=Ana"));
        QVERIFY(depois.contains("[Other]\nX=1\nY=two words"));
        QVERIFY(depois.contains("[#3]\nCost=10\nTime=2"));
    }

    void ManagerNameKeptAsTyped_data() {
        QTest::addColumn<QString>("nome");
        QTest::newRow("plain") << "Ana";
        QTest::newRow("accents") << QStringLiteral("José Müller");
        QTest::newRow("spaces only") << "   ";
        QTest::newRow("outer blanks") << "  Bo ";
        QTest::newRow("equals and semicolon") << "a=b; c";
    }
    void ManagerNameKeptAsTyped() {
        QFETCH(QString, nome);
        TRegistroJogador registro(Caminho());
        QCOMPARE(registro.Gerente(), QString());
        registro.DefineGerente(nome);
        QCOMPARE(TRegistroJogador(Caminho()).Gerente(), nome);
    }

    void ResultRecordedUnderTheGameNumber() {
        Escreve(Caminho(), "[Orvanta]\nNTimes=3\n");
        TRegistroJogador registro(Caminho());
        for (int vez = 0; vez < 3; ++vez) {
            registro.RegistraResultado(16200.0, 81.0);
        }
        const QByteArray depois = Conteudo(Caminho());
        QCOMPARE(depois.count("[#3]"), 1);
        QCOMPARE(depois.count("Cost="), 1);
        QCOMPARE(depois.count("Time="), 1);
        QVERIFY(depois.indexOf("Cost=16200") < depois.indexOf("Time=81"));
        QCOMPARE(registro.LeValor("#3", "Cost", ""), QStringLiteral("16200"));
        QCOMPARE(registro.LeValor("#3", "time", ""), QStringLiteral("81"));
        QCOMPARE(registro.LeValor("Orvanta", "NTimes", ""), QStringLiteral("3"));
    }

    void ResultWithoutCountGoesToSectionZero() {
        TRegistroJogador registro(Caminho());
        registro.RegistraResultado(812.5, 7.0);
        QCOMPARE(registro.LeValor("#0", "Cost", ""), QStringLiteral("812.5"));
        QCOMPARE(registro.LeValor("#0", "Time", ""), QStringLiteral("7"));
    }

    void UnreadableCountWritesNothing_data() {
        QTest::addColumn<QByteArray>("arquivo");
        QTest::addColumn<QString>("mensagem");
        QTest::newRow("word") << QByteArray("[Orvanta]\nNTimes=abc\nManager=Ana\n")
                              << "'abc' is not a valid integer value";
        QTest::newRow("empty value")
            << QByteArray("[Orvanta]\nNTimes=\nManager=Ana\n") << "'' is not a valid integer value";
        QTest::newRow("fraction") << QByteArray("[Orvanta]\nNTimes=2.5\n")
                                  << "'2.5' is not a valid integer value";
    }
    void UnreadableCountWritesNothing() {
        QFETCH(QByteArray, arquivo);
        QFETCH(QString, mensagem);
        Escreve(Caminho(), arquivo);
        TRegistroJogador registro(Caminho());
        for (int vez = 0; vez < 2; ++vez) {
            try {
                registro.IncrementaPartidas();
                QFAIL("the count was raised");
            } catch (const EErroConversao& erro) {
                QCOMPARE(QString::fromUtf8(erro.what()), mensagem);
            }
            QCOMPARE(Conteudo(Caminho()), arquivo);
        }
    }

    void CountAtTheLimitIsNotWrapped() {
        const QByteArray arquivo("[Orvanta]\nNTimes=2147483647\n");
        Escreve(Caminho(), arquivo);
        QVERIFY_THROWS_EXCEPTION(EErroConversao, TRegistroJogador(Caminho()).IncrementaPartidas());
        QCOMPARE(Conteudo(Caminho()), arquivo);
    }

    void UnwritableFileFails_data() {
        QTest::addColumn<QString>("caminho");
        // Paths that cannot be written even by root: a folder that is a
        // regular file, and a folder of the kernel's process file system.
        QTest::newRow("folder is a file") << QStringLiteral("arquivo/Orvanta.INI");
        QTest::newRow("proc") << QStringLiteral("/proc/Orvanta.INI");
    }
    void UnwritableFileFails() {
        QFETCH(QString, caminho);
        if (!caminho.startsWith(QLatin1Char('/'))) {
            Escreve(FPasta.filePath(QStringLiteral("arquivo")), "not a folder\n");
            caminho = FPasta.filePath(caminho);
        }
        TRegistroJogador registro(caminho);
        const QString esperado = QStringLiteral("Unable to write to %1").arg(caminho);
        const auto confere = [&](const std::function<void()>& operacao) {
            try {
                operacao();
                QFAIL("the write did not fail");
            } catch (const EErroGravacao& erro) {
                QCOMPARE(QString::fromUtf8(erro.what()), esperado);
            }
        };
        confere([&] { registro.IncrementaPartidas(); });
        confere([&] { registro.DefineGerente(QStringLiteral("Ana")); });
        confere([&] { registro.RegistraResultado(1.0, 2.0); });
        // Reads never fail.
        QCOMPARE(registro.Gerente(), QString());
        QVERIFY(!QFile::exists(caminho));
        if (!caminho.startsWith(QStringLiteral("/proc"))) {
            QCOMPARE(Conteudo(FPasta.filePath(QStringLiteral("arquivo"))),
                     QByteArray("not a folder\n"));
        }
    }

    void ExistingUnreadableFileIsNeverReplaced() {
        // A folder where the file should be: it cannot be read, so it is not
        // replaced either.
        QVERIFY(QDir(FPasta.path()).mkdir(QStringLiteral("Orvanta.INI")));
        Escreve(FPasta.filePath(QStringLiteral("Orvanta.INI/dentro.txt")), "x");
        TRegistroJogador registro(Caminho());
        QCOMPARE(registro.LeValor("Orvanta", "NTimes", "0"), QStringLiteral("0"));
        QVERIFY_THROWS_EXCEPTION(EErroGravacao, registro.IncrementaPartidas());
        QVERIFY(QFileInfo(Caminho()).isDir());
        QCOMPARE(Conteudo(FPasta.filePath(QStringLiteral("Orvanta.INI/dentro.txt"))),
                 QByteArray("x"));
        QVERIFY(QDir(Caminho()).removeRecursively());
    }
};

QTEST_GUILESS_MAIN(TstRegistro)
#include "tst_registro.moc"
