// Player record file: game counting, manager name, recorded results, the
// number forms, case-insensitive names, what the file keeps, a result written
// whole or not at all, a writable file in a folder that refuses new files,
// and the two failures (unreadable count, unwritable file) with nothing else
// changed.
#include "registro/ArquivoIni.h"
#include "ui/ErrosRegistro.h"
#include "ui/RegistroJogador.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <optional>
#include <random>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
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

// Set in the child that runs a test as the owner of the folder without the
// privilege to pass its permissions: the record file to write.
const char* const VariavelPastaTrancada = "ORVANTA_TESTE_PASTA_TRANCADA";

// The operations of a game on a record file holding one counted game.
void JogaNoRegistro(const QString& caminho) {
    TRegistroJogador registro(caminho);
    registro.IncrementaPartidas();
    registro.DefineGerente(QStringLiteral("Ana"));
    registro.RegistraResultado(812.5, 7.0);
}

// Whether a new file can be made in the folder.
bool AceitaArquivoNovo(const QString& pasta) {
    QFile prova(QDir(pasta).filePath(QStringLiteral("prova")));
    if (!prova.open(QIODevice::WriteOnly)) {
        return false;
    }
    prova.remove();
    return true;
}

// Runs program with arguments as the owner of the files it touches but
// without the privilege to pass a folder's permissions (a user namespace in
// which the caller's user is an ordinary one). False when that is not
// possible here; otherwise the child's exit status and output.
bool ExecutaSemPrivilegio(const QStringList& argumentos, const QProcessEnvironment& ambiente,
                          int& status, QByteArray& saida) {
    const QStringList prefixo{QStringLiteral("-U"), QStringLiteral("--map-user=65534"),
                              QStringLiteral("--map-group=65534")};
    QProcess prova;
    prova.start(QStringLiteral("unshare"), prefixo + QStringList{QStringLiteral("true")});
    if (!prova.waitForFinished(30000) || prova.exitStatus() != QProcess::NormalExit ||
        prova.exitCode() != 0) {
        return false;
    }
    QProcess filho;
    filho.setProcessEnvironment(ambiente);
    filho.setProcessChannelMode(QProcess::MergedChannels);
    filho.start(QStringLiteral("unshare"), prefixo + argumentos);
    if (!filho.waitForFinished(120000)) {
        return false;
    }
    status = filho.exitStatus() == QProcess::NormalExit ? filho.exitCode() : -1;
    saida = filho.readAll();
    return true;
}

// The kill test's games: game k is counted, then its result is recorded
// with a first cost, then again with its final cost, whose text is as long
// as the first's, longer or shorter as k goes round three: every kind of
// write over the file in place.
double CustoPrimeiro(int k) {
    return k + 0.25;
}

double CustoFinal(int k) {
    switch (k % 3) {
    case 0:
        return k + 0.75;
    case 1:
        return k * 1000 + 0.125;
    default:
        return k;
    }
}

// Where the kill test's record stands: game k counted (etapa 1), its first
// result recorded (2), its final one (3). Ordered as the writes go.
using TEtapaJogo = std::pair<int, int>;

// The file as the writes up to etapa of game k leave it, every earlier game
// with its final result.
QByteArray ArquivoDaEtapa(const TEtapaJogo& etapa) {
    const auto [k, passo] = etapa;
    QByteArray texto = "[Orvanta]\r\nNTimes=" + QByteArray::number(k) + "\r\nManager=Ana\r\n";
    const auto secao = [&](int jogo, double custo) {
        texto += "[#" + QByteArray::number(jogo) + "]\r\nCost=" +
                 TRegistroJogador::FormataReal(custo).toUtf8() + "\r\nTime=" +
                 QByteArray::number(jogo) + "\r\n";
    };
    for (int jogo = 1; jogo < k; ++jogo) {
        secao(jogo, CustoFinal(jogo));
    }
    if (passo >= 2) {
        secao(k, passo == 2 ? CustoPrimeiro(k) : CustoFinal(k));
    }
    return texto;
}

// The stage whose file this is, exactly but for blank lines (a shorter value
// written in place leaves some until the file is cut to its size); none for
// a file no sequence of whole writes makes.
std::optional<TEtapaJogo> EtapaDoArquivo(QByteArray texto) {
    while (texto.contains("\n\n")) {
        texto.replace("\n\n", "\n");
    }
    bool ok = false;
    const int k = TArquivoIni(texto).Valor(QStringLiteral("Orvanta"), QStringLiteral("NTimes"))
                      .value_or(QString())
                      .toInt(&ok);
    for (int passo = 1; ok && passo <= 3; ++passo) {
        if (texto == ArquivoDaEtapa({k, passo})) {
            return TEtapaJogo{k, passo};
        }
    }
    return std::nullopt;
}

#ifdef Q_OS_UNIX
// The child killed at random: plays the games' writes on from wherever the
// file stands, without end. Exits 3 on a file it does not recognise.
[[noreturn]] void EscreveSemFim(const QString& caminho) {
    const TRegistroJogador registro(caminho);
    for (;;) {
        const std::optional<TEtapaJogo> etapa = EtapaDoArquivo(Conteudo(caminho));
        if (!etapa) {
            _exit(3);
        }
        const auto [k, passo] = *etapa;
        try {
            if (passo == 3) {
                registro.IncrementaPartidas();
            } else {
                registro.RegistraResultado(passo == 1 ? CustoPrimeiro(k) : CustoFinal(k), k);
            }
        } catch (const std::exception&) {
            _exit(4);
        }
    }
}
#endif

} // namespace

class TstRegistro : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> FPasta;
    QString Caminho() const { return FPasta->filePath(QStringLiteral("Orvanta.INI")); }

    // Runs corpo on the record file with its folder locked against new
    // files: here when that holds this user back; otherwise a privileged
    // user passes folder permissions, and the test named teste runs again in
    // a child without that privilege, which finds the record file in
    // VariavelPastaTrancada. False when neither can be done.
    bool NaPastaTrancada(const char* teste, const std::function<void(const QString&)>& corpo) {
        const QFile::Permissions aberta = QFile::permissions(FPasta->path());
        const auto restaura = qScopeGuard([&] { QFile::setPermissions(FPasta->path(), aberta); });
        if (!QFile::setPermissions(FPasta->path(), QFile::ReadOwner | QFile::ExeOwner |
                                                       QFile::ReadUser | QFile::ExeUser)) {
            qWarning("cannot lock the folder");
            return false;
        }
        if (!AceitaArquivoNovo(FPasta->path())) {
            corpo(Caminho());
            return true;
        }
        QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
        ambiente.insert(QString::fromLatin1(VariavelPastaTrancada), Caminho());
        int status = 0;
        QByteArray saida;
        if (!ExecutaSemPrivilegio(
                {QCoreApplication::applicationFilePath(), QString::fromLatin1(teste)}, ambiente,
                status, saida)) {
            return false;
        }
        [&] { QVERIFY2(status == 0, saida.constData()); }();
        return true;
    }

    // The record file a child run by NaPastaTrancada is to work on; empty in
    // any other run.
    static QString CaminhoNoFilho() {
        const QString caminho = qEnvironmentVariable(VariavelPastaTrancada);
        if (!caminho.isEmpty() && AceitaArquivoNovo(QFileInfo(caminho).path())) {
            qFatal("the child's folder accepts new files");
        }
        return caminho;
    }

#ifdef Q_OS_UNIX
    // 200 times: a child writing without end is killed after a random
    // while, and the file it leaves is checked.
    static void MataDuranteEscritas(const QString& caminho) {
        std::mt19937 sorteio(20261208);
        std::uniform_int_distribution<int> espera(0, 4000);
        const std::optional<TEtapaJogo> inicial = EtapaDoArquivo(Conteudo(caminho));
        QVERIFY(inicial);
        TEtapaJogo anterior = *inicial;
        for (int vez = 0; vez < 200; ++vez) {
            const pid_t filho = fork();
            QVERIFY(filho >= 0);
            if (filho == 0) {
                EscreveSemFim(caminho);
            }
            usleep(static_cast<useconds_t>(espera(sorteio)));
            kill(filho, SIGKILL);
            int status = 0;
            QCOMPARE(waitpid(filho, &status, 0), filho);
            QVERIFY2(WIFSIGNALED(status), "the writing child ended by itself");
            const QByteArray texto = Conteudo(caminho);
            const std::optional<TEtapaJogo> etapa = EtapaDoArquivo(texto);
            QVERIFY2(etapa, qPrintable(QStringLiteral("kill %1 left a file no whole write makes:\n%2")
                                           .arg(QString::number(vez + 1),
                                                QString::fromUtf8(texto.right(300)))));
            QVERIFY(*etapa >= anterior);
            anterior = *etapa;
        }
    }
#endif

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

    // Guards against a record that cannot be written at all when the program's
    // folder is locked against new files but holds a writable record file:
    // every Next Turn failed and the game could not be played.
    void AWritableFileInALockedFolderIsWrittenInPlace() {
        if (const QString caminho = CaminhoNoFilho(); !caminho.isEmpty()) {
            JogaNoRegistro(caminho);
            return;
        }
        Escreve(Caminho(), "[Orvanta]\r\nNTimes=1\r\n");
        if (!NaPastaTrancada("AWritableFileInALockedFolderIsWrittenInPlace", JogaNoRegistro)) {
            QSKIP("cannot run without the privilege to pass folder permissions");
        }
        if (QTest::currentTestFailed()) {
            return;
        }
        QCOMPARE(Conteudo(Caminho()),
                 QByteArray("[Orvanta]\r\nNTimes=2\r\nManager=Ana\r\n[#2]\r\nCost=812.5\r\n"
                            "Time=7\r\n"));
        QCOMPARE(QDir(FPasta->path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("Orvanta.INI")});
    }

    // Guards against a write in place that a kill can cut: the file was
    // emptied and written again, and a kill in between left it empty or
    // with a last section holding "Cost" and no "Time". A child writes the
    // games on and on, and is killed at 200 random moments: each time the
    // file must be one that whole writes make, and later than the last.
    void KillsDuringWritesInPlaceLeaveAWholeFile() {
#ifdef Q_OS_UNIX
        if (const QString caminho = CaminhoNoFilho(); !caminho.isEmpty()) {
            MataDuranteEscritas(caminho);
            return;
        }
        Escreve(Caminho(), ArquivoDaEtapa({97, 3}));
        if (!NaPastaTrancada("KillsDuringWritesInPlaceLeaveAWholeFile", MataDuranteEscritas)) {
            QSKIP("cannot run without the privilege to pass folder permissions");
        }
        if (QTest::currentTestFailed()) {
            return;
        }
        QVERIFY(EtapaDoArquivo(Conteudo(Caminho())) > TEtapaJogo(97, 3));
        QCOMPARE(QDir(FPasta->path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("Orvanta.INI")});
#else
        QSKIP("needs fork and kill");
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
