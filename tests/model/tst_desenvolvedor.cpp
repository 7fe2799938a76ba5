// SPDX-License-Identifier: GPL-3.0-or-later
// Developer rules: experience words, learning, hours, productivity, error
// factor and the daily exhaustion update.

#include "model/mAtividade.h"
#include "model/mDesenvolvedor.h"
#include "tests/model/ReceptorGravador.h"

#include <QtTest>
#include <cmath>

namespace {

TDesenvolvedor NovoCorvin(double horas = 8) {
    TDesenvolvedor d(QStringLiteral("Corvin"), 25, 0.2, 0.3, 0.5, 0.7, 0.5);
    d.SetHorasTrabalho(horas);
    return d;
}

// Working days in the team, numbered from primeiro.
void Trabalha(TDesenvolvedor& d, int dias, int primeiro = 1, TReceptorGravador* r = nullptr) {
    for (int i = 0; i < dias; ++i) {
        d.AtualizarDia(true, true, r, 1.0, primeiro + i);
    }
}

const QString Aviso = QStringLiteral("Corvin is looking exhaust due to overworking hours");
const QString Exausto = QStringLiteral("Corvin is exhaust and will stop overworking");
const QString Disposto = QStringLiteral("Corvin is willing to overwork again, if necessary");

} // namespace

class TstDesenvolvedor : public QObject {
    Q_OBJECT

private slots:
    void ExperienceIsNamedByItsLevel_data() {
        QTest::addColumn<double>("experiencia");
        QTest::addColumn<QString>("palavra");
        QTest::newRow("0.0") << 0.0 << "Very low";
        QTest::newRow("just below 0.2") << std::nextafter(0.2, 0.0) << "Very low";
        QTest::newRow("0.2") << 0.2 << "Low";
        QTest::newRow("just below 0.4") << std::nextafter(0.4, 0.0) << "Low";
        QTest::newRow("0.4") << 0.4 << "Average";
        // The nearest double to 0.6 lies below 0.6.
        QTest::newRow("0.6") << 0.6 << "Average";
        QTest::newRow("just above 0.6") << std::nextafter(0.6, 1.0) << "High";
        QTest::newRow("just below 0.8") << std::nextafter(0.8, 0.0) << "High";
        QTest::newRow("0.8") << 0.8 << "Very high";
        QTest::newRow("1.0") << 1.0 << "Very high";
    }
    // guards against a level word given to the wrong experience band
    void ExperienceIsNamedByItsLevel() {
        QFETCH(double, experiencia);
        QFETCH(QString, palavra);
        const double x = experiencia;
        const TDesenvolvedor d(QStringLiteral("Corvin"), 25, x, x, x, x, x);
        for (std::uint8_t t = 0; t <= TipoInspecao; ++t) {
            QCOMPARE(d.NivelExperiencia(t), palavra);
        }
    }

    void ExperienceGrowsWithTheDaysWorked_data() {
        QTest::addColumn<int>("dias");
        QTest::addColumn<double>("fator");
        QTest::newRow("0") << 0 << 1.0;
        QTest::newRow("1") << 1 << 1.00625;
        QTest::newRow("5") << 5 << (1.0325 + 1.055) / 2;
        QTest::newRow("17") << 17 << (1.245 + 1.25) / 2;
        QTest::newRow("18") << 18 << 1.25;
        QTest::newRow("45") << 45 << 1.25;
    }
    // guards against a learning factor that grows too fast, too slowly or not at all
    void ExperienceGrowsWithTheDaysWorked() {
        QFETCH(int, dias);
        QFETCH(double, fator);
        // Analysis experience 0.2: 0.8002 at 8 hours, before learning.
        TDesenvolvedor d = NovoCorvin();
        for (int i = 0; i < dias; ++i) {
            d.AtualizarDia(true, false, nullptr, 1.0, i + 1);
        }
        QCOMPARE(d.TempoProjeto(), double(dias));
        COMPARA_REAL(d.FatorAprendizado(), fator, 1e-12);
        COMPARA_REAL(d.Produtividade(TipoAnalise), 0.8002 * fator, 1e-12);
    }

    void WorkHoursSetProductivityErrorsAndTiredness_data() {
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
    // guards against a wrong hours factor, error multiplier or tiredness increment for whole hours
    void WorkHoursSetProductivityErrorsAndTiredness() {
        QFETCH(double, horas);
        QFETCH(double, fatorHoras);
        QFETCH(double, multiplicadorErros);
        QFETCH(double, incremento);
        TDesenvolvedor d = NovoCorvin(horas);
        // Experience 0.5 makes the experience terms exactly 1.
        COMPARA_REAL(d.Produtividade(TipoCodificacao), fatorHoras, 1e-12);
        COMPARA_REAL(d.FatorErros(TipoCodificacao), multiplicadorErros, 1e-12);
        // Experience 0.7: 1.1332 for productivity, 0.8668 for errors.
        COMPARA_REAL(d.Produtividade(TipoTeste), 1.1332 * fatorHoras, 1e-12);
        COMPARA_REAL(d.FatorErros(TipoTeste), 0.8668 * multiplicadorErros, 1e-12);
        // Architecture uses the design experience, 0.3.
        QCOMPARE(d.Produtividade(TipoArquitetura), d.Produtividade(TipoProjeto));
        // One working day adds exactly the increment.
        Trabalha(d, 1);
        QCOMPARE(d.Exaustao(), incremento);
    }

    void HoursOutsideTheTableStillGiveAFiniteIncrement_data() {
        QTest::addColumn<double>("horas");
        QTest::addColumn<double>("incremento");
        QTest::newRow("7 hours") << 7.0 << 0.0;
        QTest::newRow("13 hours") << 13.0 << 2.5;
        QTest::newRow("1e300 hours") << 1e300 << 2.5;
        QTest::newRow("nan") << std::nan("") << 0.0;
        QTest::newRow("9.5 hours") << 9.5 << 0.5;
        QTest::newRow("just below 12 hours") << 11.999999999999998 << 2.2;
        // Where the index lands on a whole number: worked out beyond double
        // precision it falls just short (10 and 12), in double it reaches it.
        QTest::newRow("10.9333 hours") << 10.933333333333334 << 1.3;
        QTest::newRow("11.4667 hours") << 11.466666666666667 << 1.9;
    }
    // guards against a table lookup out of range for hours the model does not expect
    void HoursOutsideTheTableStillGiveAFiniteIncrement() {
        // Hours other than the five whole ones take the formula in double
        // (a wider real does not exist everywhere), and the table lookup
        // stays inside the table: the model accepts any hours.
        QFETCH(double, horas);
        QFETCH(double, incremento);
        QCOMPARE(NovoCorvin(horas).IncrementoExaustao(), incremento);
    }

    // guards against a repeated warning, no exhaustion at 12 hours, or recovery at the wrong pace
    void TwelveHourDaysWarnThenExhaustThenRecoverAtEightHours() {
        TDesenvolvedor d = NovoCorvin(12);
        TReceptorGravador receptor;
        Trabalha(d, 11, 1, &receptor);
        COMPARA_REAL(d.Exaustao(), 24.2, 1e-9);
        QVERIFY(receptor.mensagens.isEmpty());
        // Day 12 passes 25: the warning, only once.
        Trabalha(d, 11, 12, &receptor);
        COMPARA_REAL(d.Exaustao(), 48.4, 1e-9);
        QVERIFY(!d.Exausto());
        QCOMPARE(d.HorasTrabalho(), 12.0);
        QCOMPARE(receptor.Linhas(), QStringList{"Day 12: " + Aviso});
        // The 23rd day passes 50: exhausted, back to 8 hours, and the same day's recovery.
        Trabalha(d, 1, 23, &receptor);
        QVERIFY(d.Exausto());
        QCOMPARE(d.HorasTrabalho(), 8.0);
        COMPARA_REAL(d.Exaustao(), 50.6 - 2.5, 1e-9);
        // Down 2.5 a day while he keeps working at 8 hours; no new messages
        // until the level falls below 0.1.
        int dia = 23;
        double anterior = d.Exaustao();
        while (d.Exausto() && dia < 100) {
            anterior = d.Exaustao();
            Trabalha(d, 1, ++dia, &receptor);
            COMPARA_REAL(d.Exaustao(), anterior - 2.5, 1e-9);
        }
        QCOMPARE(dia, 43);
        QVERIFY(anterior >= 0.1 && d.Exaustao() < 0.1);
        QCOMPARE(receptor.Linhas(),
                 QStringList({"Day 12: " + Aviso, "Day 23: " + Exausto, "Day 43: " + Disposto}));
        // Rested and working at 8 hours: the level stays.
        const double nivel = d.Exaustao();
        Trabalha(d, 5, 44);
        QCOMPARE(d.Exaustao(), nivel);
        QVERIFY(!d.Exausto());
    }

    // guards against a floor on resting, or project time counted out of the team
    void AnIdleDeveloperRestsBelowZeroInTheTeamAndOutOfIt() {
        TDesenvolvedor naEquipe = NovoCorvin(12);
        TDesenvolvedor fora = NovoCorvin(12);
        for (int i = 0; i < 4; ++i) {
            naEquipe.AtualizarDia(true, false, nullptr, 1.0, i + 1);
            fora.AtualizarDia(false, false, nullptr, 1.0, i + 1);
        }
        // No floor on exhaustion; only team members gain time in the project.
        QCOMPARE(naEquipe.TempoProjeto(), 4.0);
        QCOMPARE(naEquipe.Exaustao(), -10.0);
        QCOMPARE(fora.TempoProjeto(), 0.0);
        QCOMPARE(fora.Exaustao(), -10.0);
        // Having rested below 0, he works 16 days at 12 hours before the warning.
        TReceptorGravador receptor;
        Trabalha(naEquipe, 15, 1, &receptor);
        QVERIFY(receptor.mensagens.isEmpty());
        Trabalha(naEquipe, 1, 16, &receptor);
        QCOMPARE(receptor.mensagens.size(), 1);
    }

    // guards against hours, tiredness or experience of the previous game left after a restart
    void RestartingADeveloperRestoresHoursTirednessAndExperience() {
        TDesenvolvedor d = NovoCorvin(12);
        Trabalha(d, 30);
        QVERIFY(d.Exausto());
        d.Reiniciar();
        QCOMPARE(d.HorasTrabalho(), 8.0);
        QCOMPARE(d.Exaustao(), 0.0);
        QVERIFY(!d.Exausto());
        QCOMPARE(d.TempoProjeto(), 0.0);
        QCOMPARE(d.FatorAprendizado(), 1.0);
        QCOMPARE(d.Custo(), 25.0);
        QCOMPARE(d.Experiencia(TipoTeste), 0.7);
    }
};

QTEST_GUILESS_MAIN(TstDesenvolvedor)
#include "tst_desenvolvedor.moc"
