// Welcome and conclusion screens: texts, layout, pictures and the keys and
// buttons that close them.
#include "dialogs/BotaoRapido.h"
#include "dialogs/DApresentacao.h"
#include "dialogs/DProjetoConcluido.h"
#include "dialogs/ResultadoModal.h"

#include <QLabel>
#include <QtTest>

namespace {

// Opens the dialog, types the key (or clicks the button) and tells whether it
// closed, with the result it closed with.
template <class TDialogo>
std::pair<bool, int> Tecla(TDialogo& dialogo, Qt::Key tecla, Qt::KeyboardModifiers mod = {}) {
    dialogo.setResult(mrNone);
    dialogo.open();
    QTest::keyClick(&dialogo, tecla, mod);
    const bool fechou = !dialogo.isVisible();
    dialogo.hide();
    return {fechou, dialogo.result()};
}

QLabel* Rotulo(QWidget& dialogo, const char* nome) {
    return dialogo.findChild<QLabel*>(QString::fromLatin1(nome));
}

} // namespace

class TstDialogosMoldura : public QObject {
    Q_OBJECT

private slots:
    void Texts_data() {
        QTest::addColumn<bool>("conclusao");
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QPoint>("posicao");
        QTest::addColumn<int>("altura");
        QTest::newRow("welcome 1") << false << "Label1"
                                   << "Welcome to" << QPoint(120, 8) << 24;
        QTest::newRow("welcome 3")
            << false << "Label3"
            << "Here you are the software project manager !!!" << QPoint(120, 48) << 13;
        QTest::newRow("welcome 4")
            << false << "Label4"
            << "Your project is depicted by a PERT chart. There are some software developers "
               "available for your team."
            << QPoint(120, 80) << 13;
        QTest::newRow("welcome 5")
            << false << "Label5"
            << "Analyze their abilities, form your team, assign it to activities and run the "
               "project."
            << QPoint(120, 128) << 13;
        QTest::newRow("conclusion 1") << true << "Label1"
                                      << "The Project is Concluded !!!" << QPoint(144, 16) << 24;
        QTest::newRow("conclusion 2")
            << true << "Label2"
            << "Thanks for participating in this experiment." << QPoint(144, 56) << 13;
        QTest::newRow("conclusion 3")
            << true << "Label3"
            << "Please, don't forget to send your time and cost" << QPoint(144, 88) << 13;
        QTest::newRow("conclusion 4") << true << "Label4"
                                      << "results by e-mail." << QPoint(144, 104) << 13;
    }
    void Texts() {
        QFETCH(bool, conclusao);
        QFETCH(QString, nome);
        QFETCH(QString, texto);
        QFETCH(QPoint, posicao);
        QFETCH(int, altura);
        TDlgApresentacao apresentacao;
        TDlgProjetoConcluido concluido;
        QDialog& dialogo = conclusao ? static_cast<QDialog&>(concluido) : apresentacao;
        QLabel* rotulo = Rotulo(dialogo, qPrintable(nome));
        QVERIFY(rotulo);
        QCOMPARE(rotulo->text(), texto);
        QCOMPARE(rotulo->pos(), posicao);
        QCOMPARE(rotulo->font().pixelSize(), altura);
    }

    void WelcomeLayout() {
        TDlgApresentacao dialogo;
        QCOMPARE(dialogo.size(), QSize(481, 240));
        QVERIFY(dialogo.windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(dialogo.windowTitle().isEmpty());
        QCOMPARE(dialogo.Imagem()->geometry(), QRect(16, 8, 85, 127));
        QVERIFY(!dialogo.Imagem()->pixmap().isNull());
        QCOMPARE(dialogo.BtFecha()->geometry(), QRect(381, 205, 89, 25));
        QCOMPARE(dialogo.BtFecha()->text(), QStringLiteral("&Close"));
        QLabel* saudacao = Rotulo(dialogo, "Label1");
        QLabel* nome = Rotulo(dialogo, "Label2");
        QCOMPARE(nome->text(), QStringLiteral("Orvanta"));
        QCOMPARE(nome->y(), 8);
        // The name stands at 272 or, with a wider font, clear of the greeting.
        QVERIFY(nome->x() >= 272);
        QVERIFY(nome->x() > saudacao->geometry().right());
        QVERIFY(saudacao->font().bold());
        QCOMPARE(nome->palette().color(QPalette::WindowText), QColor(0, 255, 0));
    }

    void ConclusionLayout() {
        TDlgProjetoConcluido dialogo;
        QCOMPARE(dialogo.size(), QSize(456, 193));
        QVERIFY(dialogo.windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(dialogo.windowTitle(), QStringLiteral("Project Conclusion"));
        QCOMPARE(dialogo.Imagem()->geometry(), QRect(8, 8, 110, 135));
        QVERIFY(!dialogo.Imagem()->pixmap().isNull());
        QCOMPARE(dialogo.BtClose()->geometry(), QRect(358, 160, 89, 25));
        QCOMPARE(Rotulo(dialogo, "Label1")->palette().color(QPalette::WindowText),
                 QColor(0, 255, 0));
        QVERIFY(!Rotulo(dialogo, "Label1")->font().bold());
    }

    void Keys_data() {
        QTest::addColumn<bool>("conclusao");
        QTest::addColumn<int>("tecla");
        QTest::addColumn<bool>("fecha");
        QTest::newRow("welcome esc") << false << int(Qt::Key_Escape) << true;
        QTest::newRow("welcome enter") << false << int(Qt::Key_Return) << false;
        QTest::newRow("welcome keypad enter") << false << int(Qt::Key_Enter) << false;
        QTest::newRow("welcome space") << false << int(Qt::Key_Space) << false;
        QTest::newRow("welcome letter") << false << int(Qt::Key_A) << false;
        QTest::newRow("conclusion esc") << true << int(Qt::Key_Escape) << true;
        QTest::newRow("conclusion enter") << true << int(Qt::Key_Return) << true;
        QTest::newRow("conclusion keypad enter") << true << int(Qt::Key_Enter) << true;
        QTest::newRow("conclusion space") << true << int(Qt::Key_Space) << false;
        QTest::newRow("conclusion letter") << true << int(Qt::Key_X) << false;
    }
    void Keys() {
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

    void CloseButtons() {
        TDlgApresentacao apresentacao;
        apresentacao.open();
        QTest::mouseClick(apresentacao.BtFecha(), Qt::LeftButton);
        QVERIFY(!apresentacao.isVisible());
        QCOMPARE(apresentacao.result(), int(mrCancel));

        TDlgProjetoConcluido concluido;
        concluido.open();
        QTest::mouseClick(concluido.BtClose(), Qt::LeftButton);
        QVERIFY(!concluido.isVisible());
        QCOMPARE(concluido.result(), int(mrCancel));
    }

    void CloseAccelerator() {
        TDlgApresentacao apresentacao;
        apresentacao.open();
        QVERIFY(QTest::qWaitForWindowActive(&apresentacao));
        QTest::keyClick(&apresentacao, Qt::Key_C, Qt::AltModifier);
        QTRY_VERIFY(!apresentacao.isVisible());
        QCOMPARE(apresentacao.result(), int(mrCancel));
    }
};

QTEST_MAIN(TstDialogosMoldura)
#include "tst_dialogos_moldura.moc"
