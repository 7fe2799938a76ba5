// The player record file in a folder that refuses new files: a writable
// file there is written in place, and whole whatever moment a kill comes.
#include "registro/ArquivoIni.h"
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

class TstRegistroTrancado : public QObject {
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
};

QTEST_GUILESS_MAIN(TstRegistroTrancado)
#include "tst_registro_trancado.moc"
