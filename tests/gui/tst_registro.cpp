// Player record file: game counting, manager name, recorded results, the
// number forms, case-insensitive names, what the file keeps, a result written
// whole or not at all, and the two failures (unreadable count, unwritable
// file) with nothing else changed. A folder that refuses new files has
// tst_registro_trancado.
#include "ui/ErrosRegistro.h"
#include "ui/RegistroJogador.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <QtTest>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#endif

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
    std::unique_ptr<QTemporaryDir> FPasta;
    QString Caminho() const { return FPasta->filePath(QStringLiteral("Orvanta.INI")); }

private slots:
    void init() {
        FPasta = std::make_unique<QTemporaryDir>();
        QLocale::setDefault(QLocale::c());
    }

    void RecordNumbersReadOnlyWholeDecimalIntegers_data() {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<bool>("valido");
        QTest::addColumn<int>("valor");
        QTest::newRow("negative") << "-3" << true << -3;
        QTest::newRow("largest") << "2147483647" << true << 2147483647;
        QTest::newRow("empty") << "" << false << 0;
        QTest::newRow("fraction") << "1.5" << false << 0;
        QTest::newRow("hex") << "0x10" << false << 0;
        QTest::newRow("too large") << "2147483648" << false << 0;
        QTest::newRow("smallest") << "-2147483648" << true << -2147483647 - 1;
        QTest::newRow("too small") << "-2147483649" << false << 0;
        QTest::newRow("sign alone") << "+" << false << 0;
    }
    // guards against a record number read from text that is not a whole integer
    void RecordNumbersReadOnlyWholeDecimalIntegers() {
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

    void RecordRealsAreShortestAndInTheUsersDecimalSeparator_data() {
        QTest::addColumn<QString>("local");
        QTest::addColumn<double>("valor");
        QTest::addColumn<QString>("texto");
        QTest::newRow("fraction") << "C" << 812.5 << "812.5";
        QTest::newRow("binary noise") << "C" << 0.1 + 0.2 << "0.3";
        QTest::newRow("huge") << "C" << 1.5e20 << "1.5E20";
        QTest::newRow("comma separator") << "de_DE" << 812.5 << "812,5";
        QTest::newRow("no grouping") << "en_US" << 1234567.25 << "1234567.25";
    }
    // guards against binary noise, grouping or the wrong separator in a recorded real
    void RecordRealsAreShortestAndInTheUsersDecimalSeparator() {
        QFETCH(QString, local);
        QFETCH(double, valor);
        QFETCH(QString, texto);
        QLocale::setDefault(QLocale(local));
        QCOMPARE(TRegistroJogador::FormataReal(valor), texto);
    }

    // guards against a record file looked for in the working folder instead of beside the program
    void TheDefaultRecordPathIsBesideTheProgram() {
        QCOMPARE(TRegistroJogador::CaminhoPadrao(),
                 QCoreApplication::applicationDirPath() + QStringLiteral("/Orvanta.INI"));
    }

    // guards against a first count that fails for a missing file, or leaves temporary files
    void CountingCreatesTheFileAndGrows() {
        TRegistroJogador registro(Caminho());
        QCOMPARE(registro.LeValor("Orvanta", "NTimes", "none"), QStringLiteral("none"));
        registro.IncrementaPartidas();
        QVERIFY(Conteudo(Caminho()).contains("[Orvanta]\nNTimes=1"));
        registro.IncrementaPartidas();
        registro.IncrementaPartidas();
        QCOMPARE(registro.LeValor("Orvanta", "NTimes", "0"), QStringLiteral("3"));
        // Nothing but the file itself is left in the folder.
        QCOMPARE(QDir(FPasta->path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("Orvanta.INI")});
    }

    // guards against case-sensitive keys, or other sections lost when one is written
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
        QTest::newRow("accents, outer blanks") << QStringLiteral("  José Müller ");
        QTest::newRow("equals and semicolon") << "a=b; c";
    }
    // guards against a manager name trimmed, re-cased or escaped on its way to the file
    void ManagerNameKeptAsTyped() {
        QFETCH(QString, nome);
        TRegistroJogador registro(Caminho());
        QCOMPARE(registro.Gerente(), QString());
        registro.DefineGerente(nome);
        QCOMPARE(TRegistroJogador(Caminho()).Gerente(), nome);
    }

    void ResultRecordedUnderTheGameNumber_data() {
        QTest::addColumn<QByteArray>("arquivo");
        QTest::addColumn<QString>("secao");
        QTest::newRow("third game") << QByteArray("[Orvanta]\nNTimes=3\n") << "#3";
        QTest::newRow("no count") << QByteArray() << "#0";
    }
    // guards against a result written under another game's section
    void ResultRecordedUnderTheGameNumber() {
        QFETCH(QByteArray, arquivo);
        QFETCH(QString, secao);
        Escreve(Caminho(), arquivo);
        TRegistroJogador registro(Caminho());
        registro.RegistraResultado(812.5, 7.0);
        registro.RegistraResultado(16200.0, 81.0);
        const QByteArray depois = Conteudo(Caminho());
        QCOMPARE(depois.count(qPrintable("[" + secao + "]")), 1);
        QCOMPARE(depois.count("Cost="), 1);
        QVERIFY(depois.indexOf("Cost=16200") < depois.indexOf("Time=81"));
        QCOMPARE(registro.LeValor(secao, "Cost", ""), QStringLiteral("16200"));
        QCOMPARE(registro.LeValor(secao, "time", ""), QStringLiteral("81"));
        QVERIFY(depois.startsWith(arquivo));
    }

    // Guards against a result written as two commits ("Cost", then "Time"):
    // a write that fails in between left a section with "Cost" and no "Time".
    void AResultIsWrittenWholeOrNotAtAll() {
#ifdef Q_OS_UNIX
        const QByteArray antes("[Orvanta]\nNTimes=1\n");
        Escreve(Caminho(), antes);
        // Files may grow to one byte less than the file with the whole result.
        const QByteArray inteiro = antes + "[#1]\nCost=812.5\nTime=7\n";
        {
            rlimit limite{};
            QCOMPARE(getrlimit(RLIMIT_FSIZE, &limite), 0);
            const rlimit original = limite;
            limite.rlim_cur = rlim_t(inteiro.size() - 1);
            const auto sinal = std::signal(SIGXFSZ, SIG_IGN);
            QCOMPARE(setrlimit(RLIMIT_FSIZE, &limite), 0);
            const auto restaura = qScopeGuard([&] {
                setrlimit(RLIMIT_FSIZE, &original);
                std::signal(SIGXFSZ, sinal);
            });
            QVERIFY_THROWS_EXCEPTION(EErroGravacao,
                                     TRegistroJogador(Caminho()).RegistraResultado(812.5, 7.0));
        }
        QCOMPARE(Conteudo(Caminho()), antes);
        // With room enough the whole result is there.
        TRegistroJogador(Caminho()).RegistraResultado(812.5, 7.0);
        QCOMPARE(Conteudo(Caminho()), inteiro);
#else
        QSKIP("needs a limit on the size of written files");
#endif
    }

    void UnreadableCountWritesNothing_data() {
        QTest::addColumn<QByteArray>("arquivo");
        QTest::addColumn<QString>("mensagem");
        QTest::newRow("word") << QByteArray("[Orvanta]\nNTimes=abc\nManager=Ana\n")
                              << "'abc' is not a valid integer value";
        QTest::newRow("at the limit") << QByteArray("[Orvanta]\nNTimes=2147483647\n")
                                      << "The game count '2147483647' cannot grow any further";
    }
    // guards against a count written over a file whose count could not be read
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

    void UnwritableFileFails_data() {
        // Something in the way that no one, not even root, can write through:
        // a regular file where a folder should be, or a folder where the file should be.
        QTest::addColumn<QString>("obstaculo");
        QTest::addColumn<QString>("relativo");
        QTest::newRow("folder is a file") << "arquivo"
                                          << "arquivo/Orvanta.INI";
        QTest::newRow("file is a folder") << "Orvanta.INI/dentro.txt"
                                          << "Orvanta.INI";
    }
    // guards against a write failure that goes unreported or damages what was there
    void UnwritableFileFails() {
        QFETCH(QString, obstaculo);
        QFETCH(QString, relativo);
        QVERIFY(QDir(FPasta->path()).mkpath(QFileInfo(obstaculo).path()));
        Escreve(FPasta->filePath(obstaculo), "x");
        const QString caminho = FPasta->filePath(relativo);
        TRegistroJogador registro(caminho);
        const auto confere = [&](const std::function<void()>& operacao) {
            try {
                operacao();
                QFAIL("the write did not fail");
            } catch (const EErroGravacao& erro) {
                QCOMPARE(QString::fromUtf8(erro.what()),
                         QStringLiteral("Unable to write to %1").arg(caminho));
            }
        };
        confere([&] { registro.IncrementaPartidas(); });
        confere([&] { registro.DefineGerente(QStringLiteral("Ana")); });
        confere([&] { registro.RegistraResultado(1.0, 2.0); });
        // Reads never fail, and what was in the way is untouched.
        QCOMPARE(registro.LeValor("Orvanta", "NTimes", "0"), QStringLiteral("0"));
        QCOMPARE(Conteudo(FPasta->filePath(obstaculo)), QByteArray("x"));
    }
};

QTEST_GUILESS_MAIN(TstRegistro)
#include "tst_registro.moc"
