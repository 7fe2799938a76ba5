// SPDX-License-Identifier: GPL-3.0-or-later
// Welcome and conclusion screens: the keys and buttons that close them, and
// the welcome's name clear of its greeting.
#include "dialogs/BotaoRapido.h"
#include "dialogs/DApresentacao.h"
#include "dialogs/DProjetoConcluido.h"
#include "dialogs/ResultadoModal.h"

#include <QLabel>
#include <QtTest>

namespace {

// Opens the dialog, types the key and tells whether it closed, with the
// result it closed with.
template <class TDialogo> std::pair<bool, int> Tecla(TDialogo& dialogo, Qt::Key tecla) {
    dialogo.setResult(mrNone);
    dialogo.open();
    QTest::keyClick(&dialogo, tecla);
    const bool fechou = !dialogo.isVisible();
    dialogo.hide();
    return {fechou, dialogo.result()};
}

// Opens the dialog and clicks the button: it closes as Cancel.
void Clica(QDialog& dialogo, QAbstractButton* botao) {
    dialogo.open();
    QTest::mouseClick(botao, Qt::LeftButton);
    QVERIFY(!dialogo.isVisible());
    QCOMPARE(dialogo.result(), int(mrCancel));
}

} // namespace

class TstDialogosMoldura : public QObject {
    Q_OBJECT

private slots:
    // guards against the manager's name drawn over the greeting
    void WelcomeNameClearOfTheGreeting() {
        TDlgApresentacao dialogo;
        const auto* saudacao = dialogo.findChild<QLabel*>(QStringLiteral("Label1"));
        const auto* nome = dialogo.findChild<QLabel*>(QStringLiteral("Label2"));
        QVERIFY(saudacao && nome);
        // The name stands at 272 or, with a wider font, clear of the greeting.
        QVERIFY(nome->x() >= 272);
        QVERIFY(nome->x() > saudacao->geometry().right());
    }

    void EveryTextEndsInsideItsScreen_data() {
        QTest::addColumn<bool>("conclusao");
        QTest::addColumn<QString>("rotulo");
        for (const char* nome : {"Label1", "Label2", "Label3", "Label4", "Label5"}) {
            QTest::addRow("welcome %s", nome) << false << QString::fromLatin1(nome);
        }
        for (const char* nome : {"Label1", "Label2", "Label3", "Label4"}) {
            QTest::addRow("conclusion %s", nome) << true << QString::fromLatin1(nome);
        }
    }
    // Guards against a text cut at the screen's edge (the conclusion heading
    // lost its last two "!").
    void EveryTextEndsInsideItsScreen() {
        QFETCH(bool, conclusao);
        QFETCH(QString, rotulo);
        TDlgApresentacao apresentacao;
        TDlgProjetoConcluido concluido;
        QDialog& dialogo = conclusao ? static_cast<QDialog&>(concluido) : apresentacao;
        const auto* texto = dialogo.findChild<QLabel*>(rotulo);
        QVERIFY(texto);
        const int largura = texto->wordWrap()
                                ? texto->width()
                                : texto->fontMetrics().horizontalAdvance(texto->text());
        QVERIFY(largura <= texto->width());
        QVERIFY2(texto->x() + largura <= dialogo.width(),
                 qPrintable(QStringLiteral("%1 + %2 in %3").arg(texto->x()).arg(largura).arg(
                     dialogo.width())));
    }

    void OnlyTheClosingKeysCloseTheWelcomeAndConclusion_data() {
        QTest::addColumn<bool>("conclusao");
        QTest::addColumn<int>("tecla");
        QTest::addColumn<bool>("fecha");
        QTest::newRow("welcome esc") << false << int(Qt::Key_Escape) << true;
        QTest::newRow("welcome enter") << false << int(Qt::Key_Return) << false;
        QTest::newRow("welcome letter") << false << int(Qt::Key_A) << false;
        QTest::newRow("conclusion esc") << true << int(Qt::Key_Escape) << true;
        QTest::newRow("conclusion enter") << true << int(Qt::Key_Return) << true;
        QTest::newRow("conclusion keypad enter") << true << int(Qt::Key_Enter) << true;
        QTest::newRow("conclusion space") << true << int(Qt::Key_Space) << false;
    }
    // guards against the welcome or conclusion closed by a key that should not, or kept open
    void OnlyTheClosingKeysCloseTheWelcomeAndConclusion() {
        QFETCH(bool, conclusao);
        QFETCH(int, tecla);
        QFETCH(bool, fecha);
        TDlgApresentacao apresentacao;
        TDlgProjetoConcluido concluido;
        const auto [fechou, resultado] =
            conclusao ? Tecla(concluido, Qt::Key(tecla)) : Tecla(apresentacao, Qt::Key(tecla));
        QCOMPARE(fechou, fecha);
        QCOMPARE(resultado, fecha ? int(mrCancel) : int(mrNone));
    }

    // guards against a close button or accelerator that leaves the dialog open
    void CloseButtonsAndAccelerator() {
        TDlgApresentacao apresentacao;
        Clica(apresentacao, apresentacao.BtFecha());
        TDlgProjetoConcluido concluido;
        Clica(concluido, concluido.BtClose());

        apresentacao.setResult(mrNone);
        apresentacao.open();
        QVERIFY(QTest::qWaitForWindowActive(&apresentacao));
        QTest::keyClick(&apresentacao, Qt::Key_C, Qt::AltModifier);
        QTRY_VERIFY(!apresentacao.isVisible());
        QCOMPARE(apresentacao.result(), int(mrCancel));
    }
};

QTEST_MAIN(TstDialogosMoldura)
#include "tst_dialogos_moldura.moc"
