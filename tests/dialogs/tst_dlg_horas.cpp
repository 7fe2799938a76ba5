// SPDX-License-Identifier: GPL-3.0-or-later
// The integer spin field, the work hours dialog and the task dedication dialog.
#include "controls/Rotulos.h"
#include "dialogs/BotaoRapido.h"
#include "dialogs/DDedicacaoAtividade.h"
#include "dialogs/DNumeroHoras.h"
#include "dialogs/EdInteiro.h"
#include "dialogs/ResultadoModal.h"
#include "figuras/ImagensDesenvolvedor.h"
#include "model/mAtividade.h"
#include "model/mDesenvolvedor.h"
#include "model/mProjeto.h"
#include "model/mSimulador.h"
#include "tests/apoio/Cenario.h"

#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QToolButton>
#include <QtTest>
#include <cmath>
#include <limits>
#include <memory>

namespace {

// Replaces the field's text by typing: select all, erase, then type each character.
void Digita(TEdInteiro* campo, const QString& texto) {
    QLineEdit* edicao = campo->Edicao();
    edicao->selectAll();
    QTest::keyClick(edicao, Qt::Key_Backspace);
    for (QChar ch : texto) {
        QTest::keyClick(edicao, ch.toLatin1());
    }
}

// Runs dialogo modally; acao runs inside the modal loop. A dialog that does not
// close within five seconds ends with -1.
int ExecutaModal(QDialog& dialogo, const std::function<void()>& acao) {
    QTimer::singleShot(0, &dialogo, acao);
    QTimer::singleShot(5000, &dialogo, [&dialogo] {
        if (dialogo.isVisible()) {
            dialogo.done(-1);
        }
    });
    return dialogo.exec();
}

} // namespace

class TstDlgHoras : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();

    void TheFieldReadsWhatIsTypedWithinItsRange_data();
    void TheFieldReadsWhatIsTypedWithinItsRange();
    void NoCharacterTypedTakesTheFieldOutOfRange();
    void PastedTextWithRefusedCharactersIsRefused();
    void ButtonsAndArrowKeysStepByOneWithinTheRange();
    void AReversedRangeIsPutInOrder();

    void TheHoursDialogOpensOnTheDevelopersHoursBroughtIntoRange_data();
    void TheHoursDialogOpensOnTheDevelopersHoursBroughtIntoRange();
    void EnterAndOkConfirmWithinRangeEscCancelAndFrameCancel_data();
    void EnterAndOkConfirmWithinRangeEscCancelAndFrameCancel();
    void TheModalHoursDialogTakesTypedHoursOnEnterAndNoneOnEsc();
    void TheHoursDialogShowsTheDevelopersNameAndPicture();

    void TheTaskTimeDialogOpensOnWholeHoursOfTheDedication_data();
    void TheTaskTimeDialogOpensOnWholeHoursOfTheDedication();
    void TypedTaskHoursBecomeDaysOfDedication_data();
    void TypedTaskHoursBecomeDaysOfDedication();
    void AnActivityOtherThanAnInspectionOpensOnItsMeanDuration();
    void TheTaskTimeButtonsKeepToTheCornerOnResize();
    void ClosingTheTaskTimeDialogByItsFrameCancels();

    void SpeedButtonsShowTheirGlyphOrNoneWhenItIsMissing_data();
    void SpeedButtonsShowTheirGlyphOrNoneWhenItIsMissing();
    void AltAcceleratorsCloseTheDialogsWithTheirButtonsResult_data();
    void AltAcceleratorsCloseTheDialogsWithTheirButtonsResult();

private:
    std::unique_ptr<TSimuladorProjeto> FSimulador;
};

void TstDlgHoras::initTestCase() {
    FSimulador = std::make_unique<TSimuladorProjeto>(CarregaImagensDesenvolvedor);
    QVERIFY(PrimeiraDoTipo(FSimulador->Projeto(), TipoInspecao));
}

void TstDlgHoras::TheFieldReadsWhatIsTypedWithinItsRange_data() {
    QTest::addColumn<QString>("digitado");
    QTest::addColumn<QString>("texto");
    QTest::addColumn<int>("valor");
    QTest::addColumn<QString>("aposFoco"); // the text once the field loses focus
    using S = QString;
    // Range 8 to 12.
    QTest::newRow("in range") << S("12") << S("12") << 12 << S("12");
    QTest::newRow("above") << S("15") << S("15") << 12 << S("12");
    QTest::newRow("below") << S("7") << S("7") << 8 << S("8");
    QTest::newRow("empty") << S() << S() << 8 << S();
    QTest::newRow("plus sign") << S("+10") << S("+10") << 10 << S("+10");
    QTest::newRow("negative") << S("-3") << S("-3") << 8 << S("8");
    QTest::newRow("two signs") << S("--9") << S("--9") << 8 << S("--9");
    QTest::newRow("decimal") << S("9.5") << S("9.5") << 8 << S("9.5");
    QTest::newRow("letters refused") << S("1x1") << S("11") << 11 << S("11");
    QTest::newRow("space refused") << S("1 0") << S("10") << 10 << S("10");
    QTest::newRow("huge") << S("99999999999999999999") << S("99999999999999999999") << 12
                          << S("12");
}

// guards against a typed value read outside the range, or letters and blanks let in
void TstDlgHoras::TheFieldReadsWhatIsTypedWithinItsRange() {
    QFETCH(QString, digitado);
    QFETCH(QString, texto);
    QFETCH(int, valor);
    QFETCH(QString, aposFoco);
    TEdInteiro campo;
    campo.DefineFaixa(8, 12);
    campo.DefineValor(9);
    Digita(&campo, digitado);
    QCOMPARE(campo.Texto(), texto);
    QCOMPARE(campo.Valor(), valor);
    QFocusEvent saida(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(campo.Edicao(), &saida);
    QCOMPARE(campo.Texto(), aposFoco);
}

// guards against a typed character that yields a value outside the range
void TstDlgHoras::NoCharacterTypedTakesTheFieldOutOfRange() {
    TEdInteiro campo;
    campo.DefineFaixa(0, 200);
    // Every printable character, alone and after digits, and runs of them.
    for (char c = 32; c < 127; ++c) {
        for (const QString& prefixo : {QString(), QStringLiteral("5"), QStringLiteral("-")}) {
            Digita(&campo, prefixo + QChar(c) + QStringLiteral("7"));
            const int valor = campo.Valor();
            QVERIFY2(valor >= 0 && valor <= 200, qPrintable(campo.Texto()));
            for (QChar ch : campo.Texto()) {
                QVERIFY2(TEdInteiro::CaractereValido(ch), qPrintable(campo.Texto()));
            }
        }
        const bool aceito = (c >= '0' && c <= '9') || c == '+' || c == '-' ||
                            QLocale().decimalPoint() == QString(QChar(c));
        QCOMPARE(TEdInteiro::CaractereValido(QChar(c)), aceito);
    }
}

// guards against pasted text getting past the keyboard filter
void TstDlgHoras::PastedTextWithRefusedCharactersIsRefused() {
    TEdInteiro campo;
    campo.DefineFaixa(8, 12);
    campo.DefineValor(10);
    campo.Edicao()->selectAll();
    campo.Edicao()->insert(QStringLiteral("abc"));
    QCOMPARE(campo.Texto(), QStringLiteral("10"));
    campo.Edicao()->selectAll();
    campo.Edicao()->insert(QStringLiteral("11"));
    QCOMPARE(campo.Valor(), 11);
}

// guards against steps of another size, or steps past either bound
void TstDlgHoras::ButtonsAndArrowKeysStepByOneWithinTheRange() {
    TEdInteiro campo;
    campo.DefineFaixa(8, 12);
    campo.DefineValor(8);
    campo.BotaoBaixo()->click();
    QCOMPARE(campo.Texto(), QStringLiteral("8"));
    campo.BotaoCima()->click();
    QCOMPARE(campo.Valor(), 9);
    QTest::keyClick(campo.Edicao(), Qt::Key_Up);
    QTest::keyClick(campo.Edicao(), Qt::Key_Up);
    QTest::keyClick(campo.Edicao(), Qt::Key_Up);
    QTest::keyClick(campo.Edicao(), Qt::Key_Up);
    QCOMPARE(campo.Texto(), QStringLiteral("12"));
    QTest::keyClick(campo.Edicao(), Qt::Key_Down);
    QCOMPARE(campo.Valor(), 11);
    // Stepping from a text outside the range starts from the value it reads as.
    Digita(&campo, QStringLiteral("40"));
    campo.BotaoBaixo()->click();
    QCOMPARE(campo.Texto(), QStringLiteral("11"));
    Digita(&campo, QStringLiteral("x"));
    campo.BotaoCima()->click();
    QCOMPARE(campo.Texto(), QStringLiteral("9"));
}

// guards against a reversed range that makes every value invalid
void TstDlgHoras::AReversedRangeIsPutInOrder() {
    TEdInteiro campo;
    campo.DefineValor(50);
    campo.DefineFaixa(12, 8);
    QCOMPARE(campo.Texto(), QStringLiteral("12"));
    campo.DefineValorTruncado(3.5);
    QCOMPARE(campo.Texto(), QStringLiteral("8"));
}

void TstDlgHoras::TheHoursDialogOpensOnTheDevelopersHoursBroughtIntoRange_data() {
    QTest::addColumn<double>("horas");
    QTest::addColumn<QString>("texto");
    QTest::newRow("overtime") << 11.0 << "11";
    QTest::newRow("fraction truncated") << 10.9 << "10";
    QTest::newRow("above range") << 15.0 << "12";
    QTest::newRow("below range") << 4.5 << "8";
    QTest::newRow("negative") << -3.0 << "8";
    QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << "8";
    QTest::newRow("infinite") << std::numeric_limits<double>::infinity() << "12";
}

// guards against the dialog opening on a fraction, a value out of range, or NaN
void TstDlgHoras::TheHoursDialogOpensOnTheDevelopersHoursBroughtIntoRange() {
    QFETCH(double, horas);
    QFETCH(QString, texto);
    TDesenvolvedor* d = FSimulador->Desenvolvedores().at(0);
    const double antes = d->HorasTrabalho();
    d->SetHorasTrabalho(horas);
    TDlgNumeroHorasDesenvolvedor dialogo;
    dialogo.MostraDesenvolvedor(d);
    d->SetHorasTrabalho(antes);
    QCOMPARE(dialogo.EdNumeroHoras()->Texto(), texto);
    QCOMPARE(dialogo.NumeroHoras(), texto.toDouble());
}

void TstDlgHoras::EnterAndOkConfirmWithinRangeEscCancelAndFrameCancel_data() {
    QTest::addColumn<QString>("digitado");
    QTest::addColumn<int>("fecho"); // 0 Enter, 1 Esc, 2 Ok button, 3 Cancel button, 4 frame
    QTest::addColumn<int>("resultado");
    QTest::addColumn<double>("horas");
    QTest::newRow("12 Enter") << "12" << 0 << int(mrOk) << 12.0;
    QTest::newRow("15 Enter") << "15" << 0 << int(mrOk) << 12.0;
    QTest::newRow("15 Ok") << "15" << 2 << int(mrOk) << 12.0;
    QTest::newRow("empty Ok") << "" << 2 << int(mrOk) << 8.0;
    QTest::newRow("10 Esc") << "10" << 1 << int(mrCancel) << 10.0;
    QTest::newRow("10 Cancel") << "10" << 3 << int(mrCancel) << 10.0;
    QTest::newRow("10 frame") << "10" << 4 << int(mrCancel) << 10.0;
}

// guards against a confirmed value out of range, or a cancel that changes the hours
void TstDlgHoras::EnterAndOkConfirmWithinRangeEscCancelAndFrameCancel() {
    QFETCH(QString, digitado);
    QFETCH(int, fecho);
    QFETCH(int, resultado);
    QFETCH(double, horas);
    TDlgNumeroHorasDesenvolvedor dialogo;
    dialogo.MostraDesenvolvedor(FSimulador->Desenvolvedores().at(1));
    dialogo.show();
    Digita(dialogo.EdNumeroHoras(), digitado);
    QLineEdit* edicao = dialogo.EdNumeroHoras()->Edicao();
    switch (fecho) {
    case 0:
        QTest::keyClick(edicao, Qt::Key_Return);
        break;
    case 1:
        QTest::keyClick(edicao, Qt::Key_Escape);
        break;
    case 2:
        dialogo.BtOk()->click();
        break;
    case 3:
        dialogo.BtFecha()->click();
        break;
    default:
        dialogo.close();
        break;
    }
    QVERIFY(!dialogo.isVisible());
    QCOMPARE(dialogo.result(), resultado);
    QCOMPARE(dialogo.NumeroHoras(), horas);
}

// guards against typing that adds to the shown hours, or Enter and Esc that do not close
void TstDlgHoras::TheModalHoursDialogTakesTypedHoursOnEnterAndNoneOnEsc() {
    TDesenvolvedor* d = FSimulador->Desenvolvedores().at(2);
    TDlgNumeroHorasDesenvolvedor dialogo;
    dialogo.MostraDesenvolvedor(d);
    int resultado = ExecutaModal(dialogo, [&dialogo] {
        QLineEdit* edicao = dialogo.EdNumeroHoras()->Edicao();
        // The field starts with its text selected: typing replaces it.
        QTest::keyClicks(edicao, QStringLiteral("11"));
        QTest::keyClick(edicao, Qt::Key_Enter);
    });
    QCOMPARE(resultado, int(mrOk));
    QCOMPARE(dialogo.NumeroHoras(), 11.0);

    // Each showing starts again from the developer.
    dialogo.MostraDesenvolvedor(d);
    QCOMPARE(dialogo.EdNumeroHoras()->Texto(), QStringLiteral("8"));
    resultado = ExecutaModal(dialogo, [] {
        QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Escape);
    });
    QCOMPARE(resultado, int(mrCancel));
    QCOMPARE(d->HorasTrabalho(), 8.0);
}

// guards against another developer's name or picture, or a picture box of the wrong size
void TstDlgHoras::TheHoursDialogShowsTheDevelopersNameAndPicture() {
    TDesenvolvedor* d = FSimulador->Desenvolvedores().at(3);
    TDlgNumeroHorasDesenvolvedor dialogo;
    dialogo.MostraDesenvolvedor(d);
    QCOMPARE(dialogo.LbNome()->text(), d->Nome());
    // The picture box takes the picture's size.
    QCOMPARE(dialogo.Imagem()->size(), d->ImagemGrande().size());
    // A missing developer changes nothing.
    dialogo.MostraDesenvolvedor(nullptr);
    QCOMPARE(dialogo.LbNome()->text(), d->Nome());
}

void TstDlgHoras::TheTaskTimeDialogOpensOnWholeHoursOfTheDedication_data() {
    QTest::addColumn<double>("duracao");
    QTest::addColumn<QString>("texto");
    QTest::addColumn<double>("dias");
    QTest::newRow("no time yet") << 0.0 << "0" << 0.0;
    QTest::newRow("1.3 days") << 1.3 << "10" << 1.25;
    QTest::newRow("just under an hour") << 0.124 << "0" << 0.0;
    QTest::newRow("whole hours kept") << 2.375 << "19" << 2.375;
    QTest::newRow("largest") << 25.0 << "200" << 25.0;
    QTest::newRow("above largest") << 40.0 << "200" << 25.0;
    QTest::newRow("negative") << -1.0 << "0" << 0.0;
    QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << "0" << 0.0;
}

// guards against a dedication shown in days, rounded up, or outside its range
void TstDlgHoras::TheTaskTimeDialogOpensOnWholeHoursOfTheDedication() {
    QFETCH(double, duracao);
    QFETCH(QString, texto);
    QFETCH(double, dias);
    TAtividade* inspecao = PrimeiraDoTipo(FSimulador->Projeto(), TipoInspecao);
    const double antes = inspecao->Duracao();
    inspecao->SetDuracao(duracao);
    TDlgDedicacaoAtividade dialogo;
    dialogo.MostraAtividade(inspecao);
    inspecao->SetDuracao(antes);
    QCOMPARE(dialogo.LbNome()->text(), inspecao->Nome());
    QCOMPARE(dialogo.EdNumeroHoras()->Texto(), texto);
    dialogo.show();
    QTest::keyClick(dialogo.EdNumeroHoras()->Edicao(), Qt::Key_Return);
    QCOMPARE(dialogo.result(), int(mrOk));
    QCOMPARE(dialogo.Dedicacao(), dias);
}

void TstDlgHoras::TypedTaskHoursBecomeDaysOfDedication_data() {
    QTest::addColumn<QString>("digitado");
    QTest::addColumn<double>("dias");
    QTest::newRow("200 hours") << "200" << 25.0;
    QTest::newRow("above") << "250" << 25.0;
    QTest::newRow("one hour") << "1" << 0.125;
    QTest::newRow("37 hours") << "37" << 4.625;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("negative") << "-5" << 0.0;
    QTest::newRow("decimal") << "7.5" << 0.0;
}

// guards against hours taken as days, or a dedication outside its range
void TstDlgHoras::TypedTaskHoursBecomeDaysOfDedication() {
    QFETCH(QString, digitado);
    QFETCH(double, dias);
    TDlgDedicacaoAtividade dialogo;
    QCOMPARE(dialogo.EdNumeroHoras()->Texto(), QStringLiteral("4"));
    dialogo.show();
    Digita(dialogo.EdNumeroHoras(), digitado);
    dialogo.BtOk()->click();
    QCOMPARE(dialogo.result(), int(mrOk));
    QCOMPARE(dialogo.Dedicacao(), dias);
    QCOMPARE(std::fmod(dialogo.Dedicacao(), 0.125), 0.0);
}

// guards against the task time dialog opening on zero for an activity with an estimate
void TstDlgHoras::AnActivityOtherThanAnInspectionOpensOnItsMeanDuration() {
    TAtividade* analise = PrimeiraDoTipo(FSimulador->Projeto(), TipoAnalise);
    QVERIFY(analise);
    QVERIFY(analise->DuracaoMedia() > 0.0);
    TDlgDedicacaoAtividade dialogo;
    dialogo.MostraAtividade(analise);
    const int esperado = std::min(200, static_cast<int>(analise->DuracaoMedia() * 8));
    QCOMPARE(dialogo.EdNumeroHoras()->Valor(), esperado);
}

// guards against buttons left behind when the dialog is resized
void TstDlgHoras::TheTaskTimeButtonsKeepToTheCornerOnResize() {
    TDlgDedicacaoAtividade dialogo;
    dialogo.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialogo));
    const QPoint ok = dialogo.BtOk()->pos(), fecha = dialogo.BtFecha()->pos();
    const QPoint nome = dialogo.LbNome()->pos(), campo = dialogo.EdNumeroHoras()->pos();
    dialogo.resize(dialogo.width() + 64, dialogo.height() + 44);
    QTRY_COMPARE(dialogo.BtOk()->pos(), ok + QPoint(64, 44));
    QCOMPARE(dialogo.BtFecha()->pos(), fecha + QPoint(64, 44));
    QCOMPARE(dialogo.LbNome()->pos(), nome);
    QCOMPARE(dialogo.EdNumeroHoras()->pos(), campo);
}

// guards against a frame close taken as a confirmation
void TstDlgHoras::ClosingTheTaskTimeDialogByItsFrameCancels() {
    TDlgDedicacaoAtividade dialogo;
    QCOMPARE(ExecutaModal(dialogo, [&dialogo] { dialogo.close(); }), int(mrCancel));
}

void TstDlgHoras::SpeedButtonsShowTheirGlyphOrNoneWhenItIsMissing_data() {
    QTest::addColumn<QString>("glifo");
    QTest::addColumn<bool>("icone");
    QTest::newRow("Ok glyph") << TBotaoRapido::GlyphOk << true;
    QTest::newRow("Close glyph") << TBotaoRapido::GlyphFecha << true;
    QTest::newRow("missing glyph") << ":/NaoExiste.png" << false;
    QTest::newRow("no glyph") << "" << false;
}

// guards against a missing glyph that crashes or leaves a broken picture
void TstDlgHoras::SpeedButtonsShowTheirGlyphOrNoneWhenItIsMissing() {
    QFETCH(QString, glifo);
    QFETCH(bool, icone);
    QWidget painel;
    DefineCores(&painel, Qt::black, Qt::white);
    painel.resize(120, 40);
    auto* botao = new TBotaoRapido(QStringLiteral("&Close"), glifo, &painel);
    botao->setGeometry(10, 8, 89, 25);
    QCOMPARE(!botao->icon().isNull(), icone);
    if (icone) {
        QCOMPARE(botao->icon().availableSizes().value(0), QSize(16, 16));
    }
    // The caption is drawn in white on the black panel, which shows around it.
    const QImage imagem = painel.grab().toImage();
    int brancos = 0;
    for (int x = 0; x < imagem.width(); ++x) {
        for (int y = 0; y < imagem.height(); ++y) {
            const QRgb c = imagem.pixel(x, y);
            if (qRed(c) > 200 && qGreen(c) > 200 && qBlue(c) > 200) {
                QVERIFY(botao->geometry().contains(x, y));
                ++brancos;
            }
        }
    }
    QCOMPARE(imagem.pixel(5, 5), qRgb(0, 0, 0));
    QCOMPARE(imagem.pixel(110, 20), qRgb(0, 0, 0));
    QVERIFY(brancos > 10);
}

void TstDlgHoras::AltAcceleratorsCloseTheDialogsWithTheirButtonsResult_data() {
    QTest::addColumn<bool>("dedicacao");
    QTest::addColumn<int>("tecla");
    QTest::addColumn<int>("resultado");
    QTest::newRow("hours Alt+O") << false << int(Qt::Key_O) << int(mrOk);
    QTest::newRow("hours Alt+C") << false << int(Qt::Key_C) << int(mrCancel);
    QTest::newRow("task Alt+O") << true << int(Qt::Key_O) << int(mrOk);
    QTest::newRow("task Alt+C") << true << int(Qt::Key_C) << int(mrCancel);
}

// guards against an accelerator that does nothing, or closes with another button's result
void TstDlgHoras::AltAcceleratorsCloseTheDialogsWithTheirButtonsResult() {
    QFETCH(bool, dedicacao);
    QFETCH(int, tecla);
    QFETCH(int, resultado);
    TDlgNumeroHorasDesenvolvedor horas;
    TDlgDedicacaoAtividade tarefa;
    QDialog& dialogo = dedicacao ? static_cast<QDialog&>(tarefa) : horas;
    dialogo.setResult(-1);
    dialogo.show();
    QApplication::setActiveWindow(&dialogo);
    QVERIFY(QTest::qWaitForWindowActive(&dialogo));
    QTest::keyClick(&dialogo, Qt::Key(tecla), Qt::AltModifier);
    QTRY_COMPARE(dialogo.result(), resultado);
    QVERIFY(!dialogo.isVisible());
}

QTEST_MAIN(TstDlgHoras)
#include "tst_dlg_horas.moc"
