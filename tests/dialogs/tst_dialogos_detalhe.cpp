// SPDX-License-Identifier: GPL-3.0-or-later
// The activity and developer detail sheets: texts, formats, the star diagram,
// the error panel, the mood sentence and the keys that close them.
#include "controls/Rotulos.h"
#include "dialogs/BotaoRapido.h"
#include "dialogs/DDetalheAtividade.h"
#include "dialogs/DDetalheDesenvolvedor.h"
#include "dialogs/ResultadoModal.h"
#include "figuras/ImagensDesenvolvedor.h"
#include "model/mAtividade.h"
#include "model/mDesenvolvedor.h"
#include "model/mProjeto.h"
#include "model/mSimulador.h"
#include "tests/apoio/Cenario.h"

#include <QLabel>
#include <QPainter>
#include <QRegularExpression>
#include <QTimer>
#include <QtTest>
#include <limits>
#include <memory>

namespace {

bool Lima(QRgb c) {
    return qGreen(c) > 200 && qRed(c) < 60 && qBlue(c) < 60;
}

QImage Estrela(const TAtividade* a) {
    QImage imagem(200, 264, QImage::Format_RGB32);
    imagem.fill(Qt::black);
    QPainter canvas(&imagem);
    TDlgDetalhesAtividade::DesenhaEstrela(canvas, imagem.size(), a);
    return imagem;
}

// Sends tecla to the dialog, then closes it with -1 if it is still open, and
// returns the result of the modal showing.
int TeclaNoModal(QDialog& dialogo, Qt::Key tecla) {
    QTimer::singleShot(0, &dialogo, [&dialogo, tecla] {
        QTest::keyClick(&dialogo, tecla);
        if (dialogo.isVisible()) {
            dialogo.done(-1);
        }
    });
    return dialogo.exec();
}

} // namespace

class TstDialogosDetalhe : public QObject {
    Q_OBJECT

private slots:
    void init();

    void AnActivitySheetShowsTheFieldsOfItsType_data();
    void AnActivitySheetShowsTheFieldsOfItsType();
    void AnActivitySheetFormatsItsFractions();
    void WithoutADeveloperTheSheetShowsAnEmptyDisc();
    void WithADeveloperTheSheetShowsTheirPicture();
    void ReopeningForAnUnassignedActivityClearsThePicture();
    void AMissingActivityDoesNotCrashTheSheet();
    void TheSheetsCloseOnTheirKeys_data();
    void TheSheetsCloseOnTheirKeys();
    void TheSheetsCloseButtonClosesThem();

    void NumbersShowExactlyTheirDecimalsWithoutNegativeZero_data();
    void NumbersShowExactlyTheirDecimalsWithoutNegativeZero();
    void TirednessIsNamedByItsLevel_data();
    void TirednessIsNamedByItsLevel();
    void ANewDevelopersSheetShowsTheirStartingValues();
    void ADevelopersSheetRoundsItsValues();
    void AnIdleDevelopersNegativeTirednessIsShown();

private:
    std::unique_ptr<TSimuladorProjeto> FSimulador;
    TProjetoSoftware* Projeto() const { return FSimulador->Projeto(); }
};

void TstDialogosDetalhe::init() {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    FSimulador = std::make_unique<TSimuladorProjeto>(CarregaImagensDesenvolvedor);
}

void TstDialogosDetalhe::AnActivitySheetShowsTheFieldsOfItsType_data() {
    QTest::addColumn<int>("tipo");
    QTest::addColumn<QString>("nome");
    QTest::addColumn<bool>("erros");
    QTest::newRow("analysis") << 0 << "Analysis" << false;
    QTest::newRow("architecture") << 1 << "Design" << false;
    QTest::newRow("design") << 2 << "Design" << false;
    QTest::newRow("coding") << 3 << "Programming" << false;
    QTest::newRow("testing") << 4 << "Testing" << true;
    QTest::newRow("inspection") << 5 << "Inspection" << true;
}

// guards against a sheet showing fields of another activity type, or hiding its own
void TstDialogosDetalhe::AnActivitySheetShowsTheFieldsOfItsType() {
    QFETCH(int, tipo);
    QFETCH(QString, nome);
    QFETCH(bool, erros);
    TAtividade* a = PrimeiraDoTipo(Projeto(), std::uint8_t(tipo));
    QVERIFY(a);
    TDlgDetalhesAtividade dialogo;
    // Shown after a sheet of the other kind, so the panel really switches.
    dialogo.MostraAtividade(Projeto(), PrimeiraDoTipo(Projeto(), erros ? 0 : 4));
    dialogo.MostraAtividade(Projeto(), a);
    QCOMPARE(dialogo.Projeto(), Projeto());
    QCOMPARE(dialogo.Atividade(), a);
    QCOMPARE(dialogo.LbNome()->text(), a->Nome());
    QCOMPARE(dialogo.LbTipo()->text(), nome);
    QCOMPARE(!dialogo.PnErros()->isHidden(), erros);
    QCOMPARE(dialogo.LbErrosEncontrados()->text(), QStringLiteral("0 errors"));
    // An inspection given no time counts as done.
    QCOMPARE(dialogo.LbPercentual()->text(),
             tipo == TipoInspecao ? QStringLiteral("100 %") : QStringLiteral("0 %"));
    QCOMPARE(dialogo.LbTempoExecutado()->text(), QStringLiteral("0.00 days"));
    if (tipo == TipoInspecao) {
        QCOMPARE(dialogo.LbDuracao()->text(), QStringLiteral("0.00 days"));
    } else {
        static const QRegularExpression Estimativas(QStringLiteral(
            R"(^Min: (\d+\.\d\d) \.\. Avg: (\d+\.\d\d) \.\. Max: (\d+\.\d\d) days$)"));
        const auto casamento = Estimativas.match(dialogo.LbDuracao()->text());
        QVERIFY2(casamento.hasMatch(), qPrintable(dialogo.LbDuracao()->text()));
        QCOMPARE(casamento.captured(1).toDouble(), std::round(a->DuracaoMinima() * 100) / 100);
        QCOMPARE(casamento.captured(2).toDouble(), std::round(a->DuracaoMedia() * 100) / 100);
        QCOMPARE(casamento.captured(3).toDouble(), std::round(a->DuracaoMaxima() * 100) / 100);
        QVERIFY(a->DuracaoMinima() < a->DuracaoMedia());
        QVERIFY(a->DuracaoMedia() < a->DuracaoMaxima());
    }
    // The whole estimate line is readable in its box.
    QLabel* duracao = dialogo.LbDuracao();
    QVERIFY(duracao->fontMetrics().horizontalAdvance(duracao->text()) <= duracao->width());
}

// guards against fractions on the sheet with the wrong number of decimals
void TstDialogosDetalhe::AnActivitySheetFormatsItsFractions() {
    // A project run for some days with a full team gives fractions to format.
    TProjetoSoftware* projeto = Projeto();
    for (TDesenvolvedor* d : FSimulador->Desenvolvedores()) {
        projeto->Equipe().append(d);
    }
    for (int i = 0; i < projeto->NumeroAtividades(); ++i) {
        projeto->Atividade(i)->SetDesenvolvedor(FSimulador->Desenvolvedores().at(i % 7));
    }
    for (TAtividade* a : projeto->Atividades()) {
        if (a->Tipo() == TipoInspecao) {
            a->SetDuracao(1.5);
        }
    }
    for (int dia = 0; dia < 3; ++dia) {
        FSimulador->AvancarDia(nullptr);
    }
    TAtividade* a = projeto->Atividade(0);
    QVERIFY(a->TempoExecutado() > 0.0);
    TDlgDetalhesAtividade dialogo;
    dialogo.MostraAtividade(projeto, a);
    QCOMPARE(dialogo.LbPercentual()->text(),
             QString::number(std::lround(a->Percentual() * 100)) + QStringLiteral(" %"));
    QCOMPARE(dialogo.LbTempoExecutado()->text(),
             QString::number(a->TempoExecutado(), 'f', 2) + QStringLiteral(" days"));

    TAtividade* inspecao = PrimeiraDoTipo(projeto, TipoInspecao);
    inspecao->SetDuracao(2.5);
    dialogo.MostraAtividade(projeto, inspecao);
    QCOMPARE(dialogo.LbDuracao()->text(), QStringLiteral("2.50 days"));
    QCOMPARE(dialogo.LbDuracao()->toolTip(), QStringLiteral("Days"));
    QCOMPARE(dialogo.LbTempoExecutado()->toolTip(), QStringLiteral("Days"));
}

// guards against a stale picture or a missing rim on an unassigned activity
void TstDialogosDetalhe::WithoutADeveloperTheSheetShowsAnEmptyDisc() {
    const QImage imagem = Estrela(Projeto()->Atividade(0));
    const QPoint m(100, 132);
    QCOMPARE(imagem.pixel(m), qRgb(255, 255, 255));
    // The lime rim, 2 px wide, around the 60-px disc.
    auto rim = [&imagem](int x0, int y0, int dx, int dy) {
        for (int k = 0; k < 5; ++k) {
            if (Lima(imagem.pixel(x0 + k * dx, y0 + k * dy))) {
                return true;
            }
        }
        return false;
    };
    QVERIFY(rim(m.x() + 28, m.y(), 1, 0));
    QVERIFY(rim(m.x() - 32, m.y(), 1, 0));
    QVERIFY(rim(m.x(), m.y() - 32, 0, 1));
    QVERIFY(rim(m.x(), m.y() + 28, 0, 1));
    QCOMPARE(imagem.pixel(m.x() + 20, m.y() + 5), qRgb(255, 255, 255));
    QCOMPARE(imagem.pixel(m.x() - 50, m.y()), qRgb(0, 0, 0)); // no spoke
    QCOMPARE(imagem.pixel(m.x() - 80, m.y()), qRgb(0, 0, 0)); // no picture
    QCOMPARE(imagem.pixel(m.x() + 40, m.y()), qRgb(0, 0, 0));
}

// guards against another developer's picture, or none, on an assigned activity
void TstDialogosDetalhe::WithADeveloperTheSheetShowsTheirPicture() {
    TAtividade* a = Projeto()->Atividade(0);
    TDesenvolvedor* d = FSimulador->Desenvolvedores().at(2);
    a->SetDesenvolvedor(d);
    const QImage imagem = Estrela(a);
    const QPoint m(100, 132);
    // The spoke runs left from the disc to the picture.
    for (int x = m.x() - 50; x >= m.x() - 58; --x) {
        QVERIFY(Lima(imagem.pixel(x, m.y())));
    }
    QCOMPARE(imagem.pixel(m), qRgb(255, 255, 255));
    // The picture is centred on the spoke's end (20, 132).
    const QImage& p = d->ImagemPequena();
    const QPoint canto(20 - p.width() / 2, 132 - p.height() / 2);
    for (const QPoint& ponto : {QPoint(2, 2), QPoint(p.width() - 3, 5), QPoint(p.width() / 2, 3),
                                QPoint(5, p.height() - 3)}) {
        QCOMPARE(imagem.pixel(canto + ponto), p.pixel(ponto) | 0xff000000);
    }
}

// guards against the previous activity's developer picture left on the sheet
void TstDialogosDetalhe::ReopeningForAnUnassignedActivityClearsThePicture() {
    TAtividade* com = Projeto()->Atividade(0);
    TAtividade* sem = Projeto()->Atividade(1);
    com->SetDesenvolvedor(FSimulador->Desenvolvedores().at(0));
    TDlgDetalhesAtividade dialogo;
    dialogo.MostraAtividade(Projeto(), com);
    dialogo.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialogo));
    const QPoint fim(20, 132);
    QVERIFY(dialogo.AreaDesenho()->grab().toImage().pixel(fim) != qRgb(0, 0, 0));
    dialogo.done(mrCancel);
    dialogo.MostraAtividade(Projeto(), sem);
    dialogo.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialogo));
    const QImage depois = dialogo.AreaDesenho()->grab().toImage();
    QCOMPARE(depois.pixel(fim), qRgb(0, 0, 0));
    QCOMPARE(depois.pixel(100, 132), qRgb(255, 255, 255));
    // The drawing reads the activity at every repaint.
    sem->SetDesenvolvedor(FSimulador->Desenvolvedores().at(1));
    QVERIFY(dialogo.AreaDesenho()->grab().toImage().pixel(fim) != qRgb(0, 0, 0));
}

// guards against a crash when the sheet is shown for no activity
void TstDialogosDetalhe::AMissingActivityDoesNotCrashTheSheet() {
    TDlgDetalhesAtividade dialogo;
    dialogo.MostraAtividade(nullptr, nullptr);
    const QImage imagem = dialogo.AreaDesenho()->grab().toImage();
    QCOMPARE(imagem.pixel(100, 132), qRgb(255, 255, 255));
    TDlgDetalhesDesenvolvedor ficha;
    ficha.MostraDesenvolvedor(nullptr);
    QVERIFY(ficha.LbNome()->text().isEmpty());
}

void TstDialogosDetalhe::TheSheetsCloseOnTheirKeys_data() {
    QTest::addColumn<bool>("desenvolvedor");
    QTest::addColumn<int>("tecla");
    QTest::addColumn<int>("resultado");
    for (bool d : {false, true}) {
        const char* ficha = d ? "developer" : "activity";
        QTest::addRow("%s Esc", ficha) << d << int(Qt::Key_Escape) << int(mrCancel);
        QTest::addRow("%s Enter", ficha) << d << int(Qt::Key_Return) << -1;
        QTest::addRow("%s keypad Enter", ficha) << d << int(Qt::Key_Enter) << -1;
        QTest::addRow("%s Space", ficha) << d << int(Qt::Key_Space) << -1;
        QTest::addRow("%s letter", ficha) << d << int(Qt::Key_C) << -1;
    }
}

// guards against a sheet that ignores its closing keys, or closes on others
void TstDialogosDetalhe::TheSheetsCloseOnTheirKeys() {
    QFETCH(bool, desenvolvedor);
    QFETCH(int, tecla);
    QFETCH(int, resultado);
    TDlgDetalhesAtividade atividade;
    atividade.MostraAtividade(Projeto(), Projeto()->Atividade(0));
    TDlgDetalhesDesenvolvedor ficha;
    ficha.MostraDesenvolvedor(FSimulador->Desenvolvedores().at(0));
    QDialog& dialogo = desenvolvedor ? static_cast<QDialog&>(ficha) : atividade;
    QCOMPARE(TeclaNoModal(dialogo, Qt::Key(tecla)), resultado);
}

// guards against a close button that leaves the sheet open
void TstDialogosDetalhe::TheSheetsCloseButtonClosesThem() {
    TDlgDetalhesAtividade atividade;
    QTimer::singleShot(0, &atividade, [&atividade] { atividade.BtFecha()->click(); });
    QCOMPARE(atividade.exec(), int(mrCancel));
    TDlgDetalhesDesenvolvedor ficha;
    QTimer::singleShot(0, &ficha, [&ficha] { ficha.BtFecha()->click(); });
    QCOMPARE(ficha.exec(), int(mrCancel));
}

void TstDialogosDetalhe::NumbersShowExactlyTheirDecimalsWithoutNegativeZero_data() {
    QTest::addColumn<QLocale::Language>("lingua");
    QTest::addColumn<double>("valor");
    QTest::addColumn<int>("casas");
    QTest::addColumn<QString>("texto");
    const auto en = QLocale::English;
    const auto de = QLocale::German;
    QTest::newRow("half up") << en << 2.5 << 0 << "3";
    QTest::newRow("negative half") << en << -1.5 << 0 << "-2";
    QTest::newRow("tiny negative, two places") << en << -0.001 << 2 << "0.00";
    QTest::newRow("no grouping") << en << 1234.5 << 2 << "1234.50";
    QTest::newRow("regional separator") << de << 1234.5 << 2 << "1234,50";
    QTest::newRow("regional tiny negative") << de << -0.004 << 2 << "0,00";
}

// guards against a minus sign on a value that rounds to zero, or grouping in sheet numbers
void TstDialogosDetalhe::NumbersShowExactlyTheirDecimalsWithoutNegativeZero() {
    QFETCH(QLocale::Language, lingua);
    QFETCH(double, valor);
    QFETCH(int, casas);
    QFETCH(QString, texto);
    QLocale::setDefault(QLocale(lingua));
    const QString obtido = FormataNumero(valor, casas);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QCOMPARE(obtido, texto);
}

void TstDialogosDetalhe::TirednessIsNamedByItsLevel_data() {
    QTest::addColumn<double>("exaustao");
    QTest::addColumn<QString>("texto");
    const QString bem = QStringLiteral("I am fine, thanks.");
    const QString duro = QStringLiteral("We are working too hard ...");
    const QString escravo = QStringLiteral("I thought slavery was ilegal ...");
    QTest::newRow("negative") << -12.5 << bem;
    QTest::newRow("just below 0.8") << 0.79999 << bem;
    QTest::newRow("0.8") << 0.8 << duro;
    QTest::newRow("just below 1") << 0.99999 << duro;
    QTest::newRow("exactly 1") << 1.0 << escravo;
    QTest::newRow("above the scale") << 80.0 << escravo;
}

// guards against a tiredness word given to the wrong level
void TstDialogosDetalhe::TirednessIsNamedByItsLevel() {
    QFETCH(double, exaustao);
    QFETCH(QString, texto);
    QCOMPARE(TDlgDetalhesDesenvolvedor::TextoExaustao(exaustao), texto);
}

// guards against a developer sheet showing values of another developer or game
void TstDialogosDetalhe::ANewDevelopersSheetShowsTheirStartingValues() {
    static const std::uint8_t Tipos[] = {0, 2, 3, 4, 5};
    TDlgDetalhesDesenvolvedor dialogo;
    for (TDesenvolvedor* d : FSimulador->Desenvolvedores()) {
        dialogo.MostraDesenvolvedor(d);
        QCOMPARE(dialogo.LbNome()->text(), d->Nome());
        QCOMPARE(dialogo.LbCusto()->text(), QString::number(d->Custo(), 'f', 2));
        QCOMPARE(dialogo.LbHorasTrabalho()->text(), QStringLiteral("8"));
        QCOMPARE(dialogo.LbExaustao()->text(), QStringLiteral("I am fine, thanks."));
        QCOMPARE(dialogo.LbTempoProjeto()->text(), QStringLiteral("0"));
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(dialogo.LbExperiencia(i)->text(), d->NivelExperiencia(Tipos[i]));
        }
        QCOMPARE(dialogo.Imagem()->size(), d->ImagemGrande().size());
    }
}

// guards against hours shown unrounded, or a sheet that follows later changes by itself
void TstDialogosDetalhe::ADevelopersSheetRoundsItsValues() {
    TDesenvolvedor* d = FSimulador->Desenvolvedores().at(0);
    TDlgDetalhesDesenvolvedor dialogo;
    d->SetHorasTrabalho(10.6);
    dialogo.MostraDesenvolvedor(d);
    QCOMPARE(dialogo.LbHorasTrabalho()->text(), QStringLiteral("11"));
    d->SetHorasTrabalho(9.4);
    dialogo.MostraDesenvolvedor(d);
    QCOMPARE(dialogo.LbHorasTrabalho()->text(), QStringLiteral("9"));
    // The sheet keeps no reference: later changes show only on the next fill.
    d->SetHorasTrabalho(12);
    QCOMPARE(dialogo.LbHorasTrabalho()->text(), QStringLiteral("9"));
}

// guards against negative tiredness hidden or clamped on the sheet
void TstDialogosDetalhe::AnIdleDevelopersNegativeTirednessIsShown() {
    // Three idle days in the team: 3 days in the project, exhaustion -7.5.
    TDesenvolvedor* d = FSimulador->Desenvolvedores().at(1);
    for (int dia = 1; dia <= 3; ++dia) {
        d->AtualizarDia(true, false, nullptr, 1.0, dia);
    }
    QVERIFY(d->Exaustao() < 0.0);
    TDlgDetalhesDesenvolvedor dialogo;
    dialogo.MostraDesenvolvedor(d);
    QCOMPARE(dialogo.LbTempoProjeto()->text(), QStringLiteral("3"));
    QCOMPARE(dialogo.LbExaustao()->text(), QStringLiteral("I am fine, thanks."));
}

QTEST_MAIN(TstDialogosDetalhe)
#include "tst_dialogos_detalhe.moc"
