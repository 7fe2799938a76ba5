// SPDX-License-Identifier: GPL-3.0-or-later
// Developer indicators: the view controller, its thermometer and flag views.
#include "controls/Cores.h"
#include "controls/mDesenvolvedorVisao.h"
#include "controls/mVisaoBandeira.h"
#include "controls/mVisaoTermometro.h"
#include "figuras/ImagensDesenvolvedor.h"
#include "figuras/LocalizacaoImagens.h"
#include "model/mDesenvolvedor.h"
#include "model/mSimulador.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>
#include <stdexcept>

namespace {

// A thermometer whose objects are plain doubles.
class TTermometroNumero : public TVisaoTermometro {
public:
    using TVisaoTermometro::TVisaoTermometro;
    double Valor(const void* objeto) const override { return *static_cast<const double*>(objeto); }
};

// Restores the program folder on leaving the scope.
struct TPastaTemporaria {
    explicit TPastaTemporaria(const QString& pasta) { DefinePastaPrograma(pasta); }
    ~TPastaTemporaria() { DefinePastaPrograma(QString()); }
};

} // namespace

class TstVisaoBandeiraTermometro : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void AThermometerReadsItsValueRelativeToItsScale_data();
    void AThermometerReadsItsValueRelativeToItsScale();
    void AnEmptyScaleGivesNoInvalidNumber();
    void TheTirednessThermometerFollowsTheDeveloperDayByDay();

    void TheFlagFollowsTheDevelopersHours_data();
    void TheFlagFollowsTheDevelopersHours();
    void TheControllerGivesEachDevelopersNameAndPicture();
    void AnIndexOutOfTheListDoesNotCrash();

    void OnlyPureBlackIsTransparentInAFlag_data();
    void OnlyPureBlackIsTransparentInAFlag();
    void TheFlagsDrawTheirPicturesOverTheCard();
    void AMissingOrUnreadableFlagFileIsReportedByName_data();
    void AMissingOrUnreadableFlagFileIsReportedByName();
    void AControllerMissingAFlagFailsNamingIt();

private:
    std::unique_ptr<TSimuladorProjeto> FSimulador;
    TDesenvolvedor* FDesenvolvedor = nullptr;
};

void TstVisaoBandeiraTermometro::initTestCase() {
    FSimulador = std::make_unique<TSimuladorProjeto>(CarregaImagensDesenvolvedor);
    QVERIFY(!FSimulador->Desenvolvedores().isEmpty());
    FDesenvolvedor = FSimulador->Desenvolvedores().first();
}

void TstVisaoBandeiraTermometro::cleanupTestCase() {
    FSimulador.reset();
}

void TstVisaoBandeiraTermometro::AThermometerReadsItsValueRelativeToItsScale_data() {
    QTest::addColumn<double>("minimo");
    QTest::addColumn<double>("maximo");
    QTest::addColumn<double>("valor");
    QTest::addColumn<double>("esperado");
    QTest::newRow("half") << 0.0 << 50.0 << 25.0 << 0.5;
    QTest::newRow("full") << 0.0 << 50.0 << 50.0 << 1.0;
    QTest::newRow("above clamps to 1") << 0.0 << 50.0 << 75.0 << 1.0;
    QTest::newRow("negative clamps to 0") << 0.0 << 50.0 << -5.0 << 0.0;
    QTest::newRow("offset scale") << 10.0 << 20.0 << 12.5 << 0.25;
    QTest::newRow("reversed scale") << 50.0 << 0.0 << 10.0 << 0.8;
}

// guards against a level computed against the wrong end of the scale
void TstVisaoBandeiraTermometro::AThermometerReadsItsValueRelativeToItsScale() {
    QFETCH(double, minimo);
    QFETCH(double, maximo);
    QFETCH(double, valor);
    QFETCH(double, esperado);
    const TTermometroNumero t(clRed, minimo, maximo);
    QCOMPARE(t.ValorRelativo(&valor), esperado);
}

// guards against a division by an empty scale that paints NaN
void TstVisaoBandeiraTermometro::AnEmptyScaleGivesNoInvalidNumber() {
    const TTermometroNumero t(clRed, 10.0, 10.0);
    for (double v : {9.0, 10.0, 11.0}) {
        const double r = t.ValorRelativo(&v);
        QVERIFY2(r >= 0.0 && r <= 1.0, qPrintable(QString::number(v)));
    }
    const double nan = std::numeric_limits<double>::quiet_NaN();
    QCOMPARE(t.ValorRelativo(&nan), 0.0);
}

// guards against a thermometer that lags a day or reads another developer
void TstVisaoBandeiraTermometro::TheTirednessThermometerFollowsTheDeveloperDayByDay() {
    TControladorVisaoDesenvolvedores c;
    const TVisaoTermometro* t = c.Termometro(0);
    TDesenvolvedor* d = FDesenvolvedor;
    d->Reiniciar();
    QCOMPARE(t->Valor(d), 0.0);
    // Ten working days at 12 hours, then the same idle: the view follows each day.
    d->SetHorasTrabalho(12.0);
    for (int dia = 0; dia < 10; ++dia) {
        d->AtualizarDia(true, true, nullptr, 1.0, dia);
    }
    QVERIFY(d->Exaustao() > 0.0);
    QCOMPARE(t->Valor(d), d->Exaustao());
    QCOMPARE(t->ValorRelativo(d), d->Exaustao() / 50.0);
    for (int dia = 0; dia < 20; ++dia) {
        d->AtualizarDia(true, false, nullptr, 1.0, dia);
    }
    QVERIFY(d->Exaustao() < 0.0);
    QCOMPARE(t->Valor(d), d->Exaustao());
    QCOMPARE(t->ValorRelativo(d), 0.0);
    d->Reiniciar();
}

void TstVisaoBandeiraTermometro::TheFlagFollowsTheDevelopersHours_data() {
    QTest::addColumn<double>("horas");
    QTest::addColumn<bool>("trabalhoDuro");
    QTest::addColumn<bool>("escravidao");
    QTest::newRow("8") << 8.0 << false << false;
    QTest::newRow("8.5") << 8.5 << true << false;
    QTest::newRow("11") << 11.0 << true << false;
    QTest::newRow("11.01") << 11.01 << false << true;
    QTest::newRow("12") << 12.0 << false << true;
}

// guards against either flag shown at the wrong hours
void TstVisaoBandeiraTermometro::TheFlagFollowsTheDevelopersHours() {
    QFETCH(double, horas);
    QFETCH(bool, trabalhoDuro);
    QFETCH(bool, escravidao);
    TControladorVisaoDesenvolvedores c;
    FDesenvolvedor->SetHorasTrabalho(horas);
    QCOMPARE(c.Bandeira(0)->Visivel(FDesenvolvedor), trabalhoDuro);
    QCOMPARE(c.Bandeira(1)->Visivel(FDesenvolvedor), escravidao);
    FDesenvolvedor->Reiniciar();
}

// guards against a card showing another developer's name or picture
void TstVisaoBandeiraTermometro::TheControllerGivesEachDevelopersNameAndPicture() {
    TControladorVisaoDesenvolvedores c;
    for (const TDesenvolvedor* d : FSimulador->Desenvolvedores()) {
        QCOMPARE(c.NomeObjeto(d), d->Nome());
        QCOMPARE(&c.ImagemObjeto(d), &d->ImagemPequena());
        QCOMPARE(c.ImagemObjeto(d).size(), QSize(42, 48));
    }
}

// guards against an out-of-range card index read past the list
void TstVisaoBandeiraTermometro::AnIndexOutOfTheListDoesNotCrash() {
    TControladorVisaoDesenvolvedores c;
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, c.Termometro(1));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, c.Bandeira(-1));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, c.Bandeira(2));
}

void TstVisaoBandeiraTermometro::OnlyPureBlackIsTransparentInAFlag_data() {
    QTest::addColumn<QRgb>("cor");
    QTest::addColumn<bool>("transparente");
    QTest::newRow("black") << qRgb(0, 0, 0) << true;
    QTest::newRow("near black red") << qRgb(1, 0, 0) << false;
    QTest::newRow("white") << qRgb(255, 255, 255) << false;
}

// guards against near-black flag pixels made transparent, or black ones kept
void TstVisaoBandeiraTermometro::OnlyPureBlackIsTransparentInAFlag() {
    QFETCH(QRgb, cor);
    QFETCH(bool, transparente);
    QImage origem(3, 2, QImage::Format_RGB888);
    origem.fill(QColor(10, 20, 30));
    origem.setPixel(1, 1, cor);
    const QImage r = ComCorTransparente(origem, qRgb(0, 0, 0));
    QCOMPARE(r.size(), origem.size());
    QCOMPARE(qAlpha(r.pixel(1, 1)), transparente ? 0 : 255);
    if (!transparente) {
        QCOMPARE(r.pixel(1, 1) & RGB_MASK, cor & RGB_MASK);
    }
    QCOMPARE(r.pixel(0, 0), qRgb(10, 20, 30));
}

// guards against flags drawn on their black ground instead of over the card
void TstVisaoBandeiraTermometro::TheFlagsDrawTheirPicturesOverTheCard() {
    TControladorVisaoDesenvolvedores c;
    const QStringList arquivos = {QStringLiteral("imagens/bd_trabalhoduro.bmp"),
                                  QStringLiteral("imagens/bd_escravidao.bmp")};
    for (int i = 0; i < c.NumeroBandeiras(); ++i) {
        const QImage& b = c.Bandeira(i)->ImagemBandeira();
        QCOMPARE(b.size(), QSize(14, 14));
        const QImage arquivo(PastaPrograma() + QLatin1Char('/') + arquivos[i]);
        QCOMPARE(arquivo.size(), b.size());
        int transparentes = 0;
        int opacos = 0;
        for (int y = 0; y < b.height(); ++y) {
            for (int x = 0; x < b.width(); ++x) {
                const bool preto = (arquivo.pixel(x, y) & RGB_MASK) == 0;
                QCOMPARE(qAlpha(b.pixel(x, y)), preto ? 0 : 255);
                (preto ? transparentes : opacos)++;
            }
        }
        // The picture is drawn on a black ground that shows the card through it.
        QVERIFY(transparentes > 0);
        QVERIFY(opacos > 0);
    }
}

void TstVisaoBandeiraTermometro::AMissingOrUnreadableFlagFileIsReportedByName_data() {
    QTest::addColumn<QByteArray>("conteudo");
    QTest::addColumn<bool>("cria");
    QTest::newRow("missing") << QByteArray() << false;
    QTest::newRow("not a picture") << QByteArray("this is no bitmap") << true;
    QTest::newRow("empty file") << QByteArray() << true;
}

// guards against a missing flag picture that crashes or is reported without its path
void TstVisaoBandeiraTermometro::AMissingOrUnreadableFlagFileIsReportedByName() {
    QFETCH(QByteArray, conteudo);
    QFETCH(bool, cria);
    QTemporaryDir pasta;
    QVERIFY(pasta.isValid());
    QVERIFY(QDir(pasta.path()).mkdir(QStringLiteral("imagens")));
    if (cria) {
        QFile f(pasta.filePath(QStringLiteral("imagens/bd_trabalhoduro.bmp")));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(conteudo);
    }
    const TPastaTemporaria programa(pasta.path());
    try {
        TVisaoBandeiraTrabalhoDuro b(QStringLiteral("imagens/bd_trabalhoduro.bmp"));
        QFAIL("no error for an unusable picture");
    } catch (const EErroArquivo& e) {
        const QString mensagem = QString::fromStdString(e.what());
        QVERIFY2(mensagem.contains(pasta.filePath(QStringLiteral("imagens/bd_trabalhoduro.bmp"))),
                 e.what());
    }
}

// guards against a controller built half-way, or an error that names the wrong flag file
void TstVisaoBandeiraTermometro::AControllerMissingAFlagFailsNamingIt() {
    QTemporaryDir pasta;
    QVERIFY(pasta.isValid());
    QVERIFY(QDir(pasta.path()).mkdir(QStringLiteral("imagens")));
    // The first flag is there, the second is not: the second's file is named.
    QVERIFY(QFile::copy(PastaPrograma() + QStringLiteral("/imagens/bd_trabalhoduro.bmp"),
                        pasta.filePath(QStringLiteral("imagens/bd_trabalhoduro.bmp"))));
    const TPastaTemporaria programa(pasta.path());
    try {
        TControladorVisaoDesenvolvedores c;
        QFAIL("controller built without its second flag");
    } catch (const EErroArquivo& e) {
        QVERIFY2(QString::fromStdString(e.what()).contains(QStringLiteral("bd_escravidao.bmp")),
                 e.what());
    }
}

QTEST_MAIN(TstVisaoBandeiraTermometro)
#include "tst_visao_bandeira_termometro.moc"
