// SPDX-License-Identifier: GPL-3.0-or-later
// Where developer pictures are looked for (from a copy of the game and from an
// installed one), what happens when they are missing, the per-process picture
// cache, and the program's folder before and after the application object.

#include "figuras/ImagensDesenvolvedor.h"
#include "figuras/LocalizacaoImagens.h"
#include "model/mDesenvolvedor.h"
#include "model/mSimulador.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QtTest>

namespace {

bool GravaImagemEm(const QString& arquivo, int largura) {
    QDir().mkpath(QFileInfo(arquivo).path());
    QImage imagem(largura, 10, QImage::Format_RGB888);
    imagem.fill(Qt::red);
    return imagem.save(arquivo, "BMP");
}

bool GravaImagem(const QString& pasta, int largura) {
    return GravaImagemEm(pasta + "/imagens/Teste.bmp", largura);
}

// What PastaPrograma answered before the application object existed, from
// which working folder, and the warnings printed meanwhile.
QString PastaSemAplicacao;
QString TrabalhoSemAplicacao;
QStringList AvisosSemAplicacao;

int Largura(const std::function<QImage()>& carrega) {
    try {
        return carrega().width();
    } catch (const EErroArquivo&) {
        return 0;
    }
}

QString MensagemDe(const std::function<void()>& f) {
    try {
        f();
    } catch (const EErroArquivo& e) {
        return QString::fromStdString(e.what());
    }
    return QString();
}

} // namespace

class TstLocalizacaoImagens : public QObject {
    Q_OBJECT

    QString FPastaOriginal;
    QTemporaryDir FTrabalho;
    QTemporaryDir FPrograma;

private slots:

    void init() {
        FPastaOriginal = QDir::currentPath();
        QVERIFY(FTrabalho.isValid() && FPrograma.isValid());
        QVERIFY(QDir::setCurrent(FTrabalho.path()));
        DefinePastaPrograma(FPrograma.path());
    }

    void cleanup() {
        QDir::setCurrent(FPastaOriginal);
        DefinePastaPrograma(QString());
        QDir(FTrabalho.path() + "/imagens").removeRecursively();
        QDir(FPrograma.path() + "/imagens").removeRecursively();
    }

    // guards against a trailing separator kept, or a set folder that cannot be cleared
    void TheProgramFolderIsTheOneSetOrTheApplications() {
        DefinePastaPrograma(FPrograma.path() + "/");
        QCOMPARE(PastaPrograma(), FPrograma.path());
        DefinePastaPrograma(QString());
        QCOMPARE(PastaPrograma(), QCoreApplication::applicationDirPath());
    }

    // guards against a picture taken from the wrong folder when several hold it
    void PicturesAreLookedForInTheWorkingFolderThenBesideTheProgram() {
        const QString relativo = QStringLiteral("imagens/Teste.bmp");
        QVERIFY(GravaImagem(FTrabalho.path(), 11));
        QVERIFY(GravaImagem(FPrograma.path(), 22));
        // The working folder first...
        QCOMPARE(LocalizaImagem(relativo), QDir(FTrabalho.path()).absoluteFilePath(relativo));
        QCOMPARE(CarregaImagem(relativo).width(), 11);
        // ...then beside the program...
        QVERIFY(QFile::remove(FTrabalho.path() + "/" + relativo));
        QCOMPARE(LocalizaImagem(relativo), FPrograma.path() + "/" + relativo);
        QCOMPARE(CarregaImagem(relativo).width(), 22);
        // ...and neither: the error names the full path tried.
        QVERIFY(QFile::remove(FPrograma.path() + "/" + relativo));
        QVERIFY(LocalizaImagem(relativo).isEmpty());
        QCOMPARE(MensagemDe([&] { CarregaImagem(relativo); }),
                 "Cannot open the picture file " + FPrograma.path() + "/" + relativo);
        // A folder of that name is not a picture.
        QVERIFY(QDir().mkpath(FTrabalho.path() + "/" + relativo));
        QVERIFY(LocalizaImagem(relativo).isEmpty());
    }

    // guards against an unreadable picture taken for a missing one, or an error without its path
    void AnUnreadablePictureIsReportedByItsFullPath() {
        QDir().mkpath(FTrabalho.path() + "/imagens");
        QFile f(FTrabalho.path() + "/imagens/Teste.bmp");
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("not a picture");
        f.close();
        QCOMPARE(MensagemDe([] { CarregaImagem(QStringLiteral("imagens/Teste.bmp")); }),
                 "Cannot read the picture file " +
                     QDir(FTrabalho.path()).absoluteFilePath("imagens/Teste.bmp"));
    }

    // guards against a picture read again on every load, or a replaced file never read again
    void APictureIsReadOnceAndAgainOnlyWhenItsFileChanges() {
        // A picture read once is shared; a file replaced under the same name is read again.
        QVERIFY(GravaImagem(FTrabalho.path(), 5));
        const QImage primeira = CarregaImagem(QStringLiteral("imagens/Teste.bmp"));
        const QImage segunda = CarregaImagem(QStringLiteral("imagens/Teste.bmp"));
        QCOMPARE(primeira.width(), 5);
        QCOMPARE(segunda.cacheKey(), primeira.cacheKey());
        QVERIFY(QFile::remove(FTrabalho.path() + "/imagens/Teste.bmp"));
        QVERIFY(GravaImagem(FTrabalho.path(), 7));
        QCOMPARE(CarregaImagem(QStringLiteral("imagens/Teste.bmp")).width(), 7);
    }

    // Guards against a program without an application object printing Qt's
    // warning or keeping its working folder as the program's folder for good.
    void AProgramWithoutApplicationObjectRunsFromItsWorkingFolderQuietly() {
        QCOMPARE(PastaSemAplicacao, TrabalhoSemAplicacao);
        QVERIFY2(AvisosSemAplicacao.isEmpty(), qPrintable(AvisosSemAplicacao.join('\n')));
        DefinePastaPrograma(QString());
        QCOMPARE(PastaPrograma(), QCoreApplication::applicationDirPath());
        QVERIFY(PastaPrograma() != PastaSemAplicacao);
    }

    // The program in <prefix>/bin, its pictures in <prefix>/share/orvanta/imagens.
    // A copy in the working folder (11 wide) or beside the program (22) comes
    // before the installed one (33); the flags never come from the working folder.
    void InstalledPicturesComeAfterTheWorkingFolderAndTheProgramsFolder_data() {
        QTest::addColumn<bool>("trabalho");
        QTest::addColumn<bool>("aoLado");
        QTest::addColumn<bool>("instalada");
        QTest::addColumn<int>("larguraJogo");
        QTest::addColumn<int>("larguraBandeira");
        QTest::newRow("installed only") << false << false << true << 33 << 33;
        QTest::newRow("beside the program") << false << true << true << 22 << 22;
        QTest::newRow("working folder") << true << false << true << 11 << 33;
        QTest::newRow("working folder and beside") << true << true << true << 11 << 22;
        QTest::newRow("nowhere") << false << false << false << 0 << 0;
    }
    // Guards against an installed game not finding its pictures, or an
    // installed copy shadowing the pictures a player put beside the program.
    void InstalledPicturesComeAfterTheWorkingFolderAndTheProgramsFolder() {
        QFETCH(bool, trabalho);
        QFETCH(bool, aoLado);
        QFETCH(bool, instalada);
        QFETCH(int, larguraJogo);
        QFETCH(int, larguraBandeira);
        const QString bin = FPrograma.path() + QStringLiteral("/bin");
        const QString instalado = QDir::cleanPath(
            bin + QStringLiteral("/" ORVANTA_DADOS_INSTALADOS "/imagens/Teste.bmp"));
        const auto apaga = qScopeGuard([&] {
            QDir(FPrograma.path() + QStringLiteral("/bin")).removeRecursively();
            QDir(FPrograma.path() + QStringLiteral("/share")).removeRecursively();
        });
        QVERIFY(QDir().mkpath(bin));
        DefinePastaPrograma(bin);
        QVERIFY(!trabalho || GravaImagem(FTrabalho.path(), 11));
        QVERIFY(!aoLado || GravaImagem(bin, 22));
        QVERIFY(!instalada || GravaImagemEm(instalado, 33));
        const QString relativo = QStringLiteral("imagens/Teste.bmp");
        QCOMPARE(Largura([&] { return CarregaImagem(relativo); }), larguraJogo);
        QCOMPARE(Largura([&] { return CarregaImagemDoPrograma(relativo); }), larguraBandeira);
        if (larguraJogo == 33) {
            QCOMPARE(LocalizaImagem(relativo), instalado);
        }
        if (larguraJogo == 0) {
            // Missing everywhere: the message names the place beside the program.
            QCOMPARE(MensagemDe([&] { CarregaImagem(relativo); }),
                     "Cannot open the picture file " + bin + "/" + relativo);
            QVERIFY(LocalizaImagem(relativo).isEmpty());
        }
    }

    // guards against a game that needs its pictures in the working folder
    void AGameStartedElsewhereFindsThePicturesBesideIt() {
        // Started from a folder without pictures, the game finds those beside it.
        DefinePastaPrograma(QStringLiteral(ORVANTA_BIN_DIR));
        const TSimuladorProjeto sim(CarregaImagensDesenvolvedor);
        QCOMPARE(sim.Desenvolvedores().size(), 7);
        for (const TDesenvolvedor* d : sim.Desenvolvedores()) {
            QCOMPARE(d->ImagemGrande().size(), QSize(130, 137));
            QCOMPARE(d->ImagemPequena().size(), QSize(42, 48));
        }
        // Each his own: the first and the last developer's differ.
        QVERIFY(sim.Desenvolvedores().first()->ImagemPequena() !=
                sim.Desenvolvedores().last()->ImagemPequena());
    }

    // The pictures present beside the program, and the one the game's
    // simulator names when it cannot be built: the developers in pool order,
    // each one's large picture before his small one.
    void TheGamesSimulatorNamesTheFirstPictureItLacks_data() {
        QTest::addColumn<QStringList>("presentes");
        QTest::addColumn<QString>("falta");
        QTest::newRow("none") << QStringList() << "BigCorvin.bmp";
        QTest::newRow("the first large one") << QStringList{"BigCorvin.bmp"} << "SmlCorvin.bmp";
        QTest::newRow("the first developer's")
            << QStringList{"BigCorvin.bmp", "SmlCorvin.bmp", "SmlFennick.bmp"} << "BigFennick.bmp";
    }
    // guards against a game started without a developer's picture, or a message
    // that names another picture than before
    void TheGamesSimulatorNamesTheFirstPictureItLacks() {
        QFETCH(QStringList, presentes);
        QFETCH(QString, falta);
        const QDir origem(QStringLiteral(ORVANTA_BIN_DIR "/imagens"));
        QVERIFY(QDir().mkpath(FPrograma.path() + "/imagens"));
        for (const QString& nome : presentes) {
            QVERIFY(QFile::copy(origem.filePath(nome), FPrograma.path() + "/imagens/" + nome));
        }
        QCOMPARE(MensagemDe([] { TSimuladorProjeto sim(CarregaImagensDesenvolvedor); }),
                 "Cannot open the picture file " + FPrograma.path() + "/imagens/" + falta);
    }
};

int main(int argc, char** argv) {
    const QString trabalho = QDir::currentPath();
    QDir::setCurrent(QDir::tempPath());
    TrabalhoSemAplicacao = QDir::currentPath();
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& texto) {
        AvisosSemAplicacao.append(texto);
    });
    PastaSemAplicacao = PastaPrograma();
    qInstallMessageHandler(nullptr);
    QDir::setCurrent(trabalho);

    QCoreApplication aplicacao(argc, argv);
    TstLocalizacaoImagens teste;
    return QTest::qExec(&teste, argc, argv);
}
#include "tst_localizacao_imagens.moc"
