// Developer rules: experience words, learning, hours, productivity, error
// factor and the daily exhaustion update.

#include "ReceptorGravador.h"
#include "model/mAtividade.h"
#include "model/mDesenvolvedor.h"

#include <QtTest>
#include <cmath>

namespace {

TDesenvolvedor NovoCorvin() {
    return TDesenvolvedor(QStringLiteral("Corvin"), 25, 0.2, 0.3, 0.5, 0.7, 0.5);
}

TDesenvolvedor ComExperiencia(double x) {
    return TDesenvolvedor(QStringLiteral("Corvin"), 25, x, x, x, x, x);
}

const QString Aviso = QStringLiteral("Corvin is looking exhaust due to overworking hours");
const QString Exausto = QStringLiteral("Corvin is exhaust and will stop overworking");
const QString Disposto = QStringLiteral("Corvin is willing to overwork again, if necessary");

} // namespace

class TestDesenvolvedor : public QObject {
    Q_OBJECT

private slots:
    void novo();
    void nivelExperiencia_data();
    void nivelExperiencia();
    void fatorAprendizado_data();
    void fatorAprendizado();
    void horas_data();
    void horas();
    void incrementoForaDaFaixa_data();
    void incrementoForaDaFaixa();
    void doze_horas_ate_exausto_e_de_volta();
    void oitoHorasNaoMudaAExaustao();
    void ociosoNaEquipeEForaDela();
    void reiniciar();
};

void TestDesenvolvedor::novo() {
    const TDesenvolvedor d = NovoCorvin();
    QCOMPARE(d.Nome(), QStringLiteral("Corvin"));
    QCOMPARE(d.Custo(), 25.0);
    QCOMPARE(d.HorasTrabalho(), 8.0);
    QCOMPARE(d.Exaustao(), 0.0);
    QVERIFY(!d.Exausto());
    QCOMPARE(d.TempoProjeto(), 0.0);
    QCOMPARE(d.FatorAprendizado(), 1.0);
    QCOMPARE(d.FatorHoras(), 1.0);
    COMPARA_REAL(d.Produtividade(TipoCodificacao), 1.0, 1e-15);
    // The design value serves both architecture and design.
    QCOMPARE(d.Experiencia(TipoArquitetura), 0.3);
    QCOMPARE(d.Experiencia(TipoProjeto), 0.3);
    QCOMPARE(d.Experiencia(TipoAnalise), 0.2);
    QCOMPARE(d.Experiencia(TipoTeste), 0.7);
    QVERIFY(!d.ImagemGrande().isNull());
    QVERIFY(!d.ImagemPequena().isNull());
    QCOMPARE(d.ImagemPequena().size(), QSize(42, 48));
}

void TestDesenvolvedor::nivelExperiencia_data() {
    QTest::addColumn<double>("experiencia");
    QTest::addColumn<QString>("palavra");
    QTest::newRow("0.0") << 0.0 << "Very low";
    QTest::newRow("0.1") << 0.1 << "Very low";
    QTest::newRow("just below 0.2") << std::nextafter(0.2, 0.0) << "Very low";
    QTest::newRow("0.2") << 0.2 << "Low";
    QTest::newRow("0.3") << 0.3 << "Low";
    QTest::newRow("just below 0.4") << std::nextafter(0.4, 0.0) << "Low";
    QTest::newRow("0.4") << 0.4 << "Average";
    QTest::newRow("0.5") << 0.5 << "Average";
    // The nearest double to 0.6 lies below 0.6.
    QTest::newRow("0.6") << 0.6 << "Average";
    QTest::newRow("just above 0.6") << std::nextafter(0.6, 1.0) << "High";
    QTest::newRow("0.7") << 0.7 << "High";
    QTest::newRow("just below 0.8") << std::nextafter(0.8, 0.0) << "High";
    QTest::newRow("0.8") << 0.8 << "Very high";
    QTest::newRow("0.9") << 0.9 << "Very high";
    QTest::newRow("1.0") << 1.0 << "Very high";
}

void TestDesenvolvedor::nivelExperiencia() {
    QFETCH(double, experiencia);
    QFETCH(QString, palavra);
    const TDesenvolvedor d = ComExperiencia(experiencia);
    for (std::uint8_t t = 0; t <= TipoInspecao; ++t) {
        QCOMPARE(d.NivelExperiencia(t), palavra);
    }
}

void TestDesenvolvedor::fatorAprendizado_data() {
    QTest::addColumn<int>("dias");
    QTest::addColumn<double>("fator");
    QTest::newRow("0") << 0 << 1.0;
    QTest::newRow("1") << 1 << 1.00625;
    QTest::newRow("2") << 2 << 1.0125;
    QTest::newRow("5") << 5 << (1.0325 + 1.055) / 2;
    QTest::newRow("10") << 10 << 1.15;
    QTest::newRow("17") << 17 << (1.245 + 1.25) / 2;
    QTest::newRow("18") << 18 << 1.25;
    QTest::newRow("20") << 20 << 1.25;
    QTest::newRow("45") << 45 << 1.25;
}

void TestDesenvolvedor::fatorAprendizado() {
    QFETCH(int, dias);
    QFETCH(double, fator);
    TDesenvolvedor d = ComExperiencia(0.5);
    for (int i = 0; i < dias; ++i) {
        d.AtualizarDia(true, false, nullptr, 1.0, i + 1);
    }
    QCOMPARE(d.TempoProjeto(), double(dias));
    COMPARA_REAL(d.FatorAprendizado(), fator, 1e-12);
    COMPARA_REAL(d.Produtividade(TipoAnalise), fator, 1e-12);
}

void TestDesenvolvedor::horas_data() {
    QTest::addColumn<double>("horas");
    QTest::addColumn<double>("fatorHoras");
    QTest::addColumn<double>("multiplicadorErros");
    QTest::addColumn<double>("incremento");
    QTest::newRow("8 hours") << 8.0 << 1.0 << 0.9 << 0.0;
    QTest::newRow("9 hours") << 9.0 << 1.25 << 0.985 << 0.3;
    QTest::newRow("10 hours") << 10.0 << 1.5 << 1.095 << 0.7;
    QTest::newRow("11 hours") << 11.0 << 1.75 << 1.27 << 1.3;
    QTest::newRow("12 hours") << 12.0 << 2.0 << 1.5 << 2.2;
}

void TestDesenvolvedor::horas() {
    QFETCH(double, horas);
    QFETCH(double, fatorHoras);
    QFETCH(double, multiplicadorErros);
    QFETCH(double, incremento);
    TDesenvolvedor d = NovoCorvin();
    d.SetHorasTrabalho(horas);
    QCOMPARE(d.FatorHoras(), fatorHoras);
    // Experience 0.5 makes the experience terms exactly 1.
    COMPARA_REAL(d.Produtividade(TipoCodificacao), fatorHoras, 1e-12);
    COMPARA_REAL(d.FatorErros(TipoCodificacao), multiplicadorErros, 1e-12);
    // Experience 0.7: 1.1332 for productivity, 0.8668 for errors.
    COMPARA_REAL(d.Produtividade(TipoTeste), 1.1332 * fatorHoras, 1e-12);
    COMPARA_REAL(d.FatorErros(TipoTeste), 0.8668 * multiplicadorErros, 1e-12);
    QCOMPARE(d.IncrementoExaustao(), incremento);
    // One working day adds exactly that.
    d.AtualizarDia(true, true, nullptr, 1.0, 1);
    QCOMPARE(d.Exaustao(), incremento);
}

void TestDesenvolvedor::incrementoForaDaFaixa_data() {
    QTest::addColumn<double>("horas");
    QTest::addColumn<double>("incremento");
    QTest::newRow("0 hours") << 0.0 << 0.0;
    QTest::newRow("4 hours") << 4.0 << 0.0;
    QTest::newRow("7 hours") << 7.0 << 0.0;
    QTest::newRow("13 hours") << 13.0 << 2.5;
    QTest::newRow("24 hours") << 24.0 << 2.5;
    QTest::newRow("1e300 hours") << 1e300 << 2.5;
    QTest::newRow("nan") << std::nan("") << 0.0;
}

void TestDesenvolvedor::incrementoForaDaFaixa() {
    // The model accepts any hours; the table lookup stays inside the table.
    QFETCH(double, horas);
    QFETCH(double, incremento);
    TDesenvolvedor d = NovoCorvin();
    d.SetHorasTrabalho(horas);
    QCOMPARE(d.IncrementoExaustao(), incremento);
}

void TestDesenvolvedor::doze_horas_ate_exausto_e_de_volta() {
    TDesenvolvedor d = NovoCorvin();
    d.SetHorasTrabalho(12);
    TReceptorGravador receptor;
    int dia = 0;
    for (; dia < 11; ++dia) {
        d.AtualizarDia(true, true, &receptor, 1.0, dia + 1);
    }
    COMPARA_REAL(d.Exaustao(), 24.2, 1e-9);
    QVERIFY(receptor.mensagens.isEmpty());
    d.AtualizarDia(true, true, &receptor, 1.0, ++dia);
    COMPARA_REAL(d.Exaustao(), 26.4, 1e-9);
    QCOMPARE(receptor.Linhas(), QStringList{"Day 12: " + Aviso});
    while (dia < 22) {
        d.AtualizarDia(true, true, &receptor, 1.0, ++dia);
        QVERIFY(!d.Exausto());
        QCOMPARE(d.HorasTrabalho(), 12.0);
    }
    COMPARA_REAL(d.Exaustao(), 48.4, 1e-9);
    QCOMPARE(receptor.mensagens.size(), 1); // the warning only once
    // The 23rd day passes 50: exhausted, back to 8 hours, and the same day's recovery.
    d.AtualizarDia(true, true, &receptor, 1.0, ++dia);
    QVERIFY(d.Exausto());
    QCOMPARE(d.HorasTrabalho(), 8.0);
    COMPARA_REAL(d.Exaustao(), 50.6 - 2.5, 1e-9);
    QCOMPARE(receptor.Linhas().last(), "Day 23: " + Exausto);
    QCOMPARE(receptor.mensagens.size(), 2);
    // Down 2.5 a day while he keeps working at 8 hours; no new messages
    // until the level falls below 0.1.
    double anterior = d.Exaustao();
    while (d.Exausto() && dia < 100) {
        anterior = d.Exaustao();
        d.AtualizarDia(true, true, &receptor, 1.0, ++dia);
        COMPARA_REAL(d.Exaustao(), anterior - 2.5, 1e-9);
    }
    QCOMPARE(dia, 43);
    QVERIFY(anterior >= 0.1);
    QVERIFY(d.Exaustao() < 0.1);
    QCOMPARE(receptor.Linhas(),
             QStringList({"Day 12: " + Aviso, "Day 23: " + Exausto, "Day 43: " + Disposto}));
    // Rested and working at 8 hours: the level stays.
    const double nivel = d.Exaustao();
    d.AtualizarDia(true, true, &receptor, 1.0, ++dia);
    QCOMPARE(d.Exaustao(), nivel);
    QVERIFY(!d.Exausto());
}

void TestDesenvolvedor::oitoHorasNaoMudaAExaustao() {
    TDesenvolvedor d = NovoCorvin();
    d.SetHorasTrabalho(10);
    for (int i = 0; i < 5; ++i) {
        d.AtualizarDia(true, true, nullptr, 1.0, i + 1);
    }
    const double nivel = d.Exaustao();
    COMPARA_REAL(nivel, 3.5, 1e-9);
    d.SetHorasTrabalho(8);
    for (int i = 0; i < 5; ++i) {
        d.AtualizarDia(true, true, nullptr, 1.0, i + 6);
        QCOMPARE(d.Exaustao(), nivel);
    }
}

void TestDesenvolvedor::ociosoNaEquipeEForaDela() {
    TDesenvolvedor naEquipe = NovoCorvin();
    TDesenvolvedor fora = NovoCorvin();
    naEquipe.SetHorasTrabalho(12);
    fora.SetHorasTrabalho(12);
    for (int i = 0; i < 4; ++i) {
        naEquipe.AtualizarDia(true, false, nullptr, 1.0, i + 1);
        fora.AtualizarDia(false, false, nullptr, 1.0, i + 1);
    }
    // No floor on exhaustion; only team members gain time in the project.
    QCOMPARE(naEquipe.TempoProjeto(), 4.0);
    QCOMPARE(naEquipe.Exaustao(), -10.0);
    QCOMPARE(fora.TempoProjeto(), 0.0);
    QCOMPARE(fora.Exaustao(), -10.0);
    QVERIFY(!naEquipe.Exausto());
    // Having rested below 0, he works 16 days at 12 hours before the warning.
    TReceptorGravador receptor;
    int dias = 0;
    while (receptor.mensagens.isEmpty() && dias < 100) {
        naEquipe.AtualizarDia(true, true, &receptor, 1.0, ++dias);
    }
    QCOMPARE(dias, 16);
}

void TestDesenvolvedor::reiniciar() {
    TDesenvolvedor d = NovoCorvin();
    d.SetHorasTrabalho(12);
    for (int i = 0; i < 30; ++i) {
        d.AtualizarDia(true, true, nullptr, 1.0, i + 1);
    }
    QVERIFY(d.Exausto());
    d.Reiniciar();
    QCOMPARE(d.HorasTrabalho(), 8.0);
    QCOMPARE(d.Exaustao(), 0.0);
    QVERIFY(!d.Exausto());
    QCOMPARE(d.TempoProjeto(), 0.0);
    QCOMPARE(d.Nome(), QStringLiteral("Corvin"));
    QCOMPARE(d.Custo(), 25.0);
    QCOMPARE(d.Experiencia(TipoTeste), 0.7);
    QVERIFY(!d.ImagemGrande().isNull());
}

QTEST_GUILESS_MAIN(TestDesenvolvedor)
#include "tst_desenvolvedor.moc"
