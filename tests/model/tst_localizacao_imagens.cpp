// Where developer pictures are looked for, what happens when they are missing,
// and the per-process picture cache.

#include "model/mImagens.h"
#include "model/mSimulador.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

bool GravaImagem(const QString& pasta, int largura) {
    QDir().mkpath(pasta + "/imagens");
    QImage imagem(largura, 10, QImage::Format_RGB888);
    imagem.fill(Qt::red);
    return imagem.save(pasta + "/imagens/Teste.bmp", "BMP");
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

class TestLocalizacaoImagens : public QObject {
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

    void pastaDoPrograma() {
        DefinePastaPrograma(FPrograma.path() + "/");
        QCOMPARE(PastaPrograma(), FPrograma.path());
        DefinePastaPrograma(QString());
        QCOMPARE(PastaPrograma(), QCoreApplication::applicationDirPath());
    }

    void ordemDeProcura() {
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

    void arquivoIlegivel() {
        QDir().mkpath(FTrabalho.path() + "/imagens");
        QFile f(FTrabalho.path() + "/imagens/Teste.bmp");
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("not a picture");
        f.close();
        QCOMPARE(MensagemDe([] { CarregaImagem(QStringLiteral("imagens/Teste.bmp")); }),
                 "Cannot read the picture file " +
                     QDir(FTrabalho.path()).absoluteFilePath("imagens/Teste.bmp"));
    }

    void arquivoSubstituido() {
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

    void cenarioDeOutraPasta() {
        // Started from a folder without pictures, the game finds those beside it.
        DefinePastaPrograma(QStringLiteral(ORVANTA_BIN_DIR));
        {
            TSimuladorProjeto sim;
            QCOMPARE(sim.Desenvolvedores().size(), 7);
        }
        DefinePastaPrograma(FPrograma.path());
        QCOMPARE(MensagemDe([] { TSimuladorProjeto sim; }),
                 "Cannot open the picture file " + FPrograma.path() + "/imagens/BigCorvin.bmp");
    }
};

QTEST_GUILESS_MAIN(TestLocalizacaoImagens)
#include "tst_localizacao_imagens.moc"
