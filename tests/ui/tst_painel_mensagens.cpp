// SPDX-License-Identifier: GPL-3.0-or-later
// Message log: day stamps, the 50-line cap, bottom-anchored lines, the jump to
// the newest line and the cleared look.
#include "ui/PainelMensagens.h"

#include <QFontMetrics>
#include <QtTest>

namespace {

// The bottom strip of the main window: 550 x 55, sans-serif 11 px.
struct TCena {
    QWidget host;
    TPainelMensagens* painel;
    TCena() {
        QFont fonte(QStringLiteral("DejaVu Sans"));
        fonte.setPixelSize(11);
        host.setFont(fonte);
        host.resize(550, 55);
        painel = new TPainelMensagens(&host);
    }
    int AlturaLinha() const { return QFontMetrics(painel->AreaDesenho()->font()).height(); }
    QImage Imagem() const { return painel->grab().toImage().convertToFormat(QImage::Format_RGB32); }
};

bool Tinta(const QColor& c) {
    return c != QColor(0, 0, 0);
}

// Rows [de, ate) of the text area (left of the scroll buttons) hold ink.
bool TemTinta(const QImage& img, int de, int ate) {
    for (int y = std::max(de, 0); y < std::min(ate, img.height()); ++y) {
        for (int x = 0; x < 500; ++x) {
            if (Tinta(img.pixelColor(x, y))) {
                return true;
            }
        }
    }
    return false;
}

} // namespace

class TstPainelMensagens : public QObject {
    Q_OBJECT
private slots:
    void NewLinesStackUpwardsFromTheBottom();
    void TheTextIsLimeOnBlack();
    void TheStripKeepsOnlyTheNewestLinesUpToItsCapacity_data();
    void TheStripKeepsOnlyTheNewestLinesUpToItsCapacity();
    void EachLineStartsWithItsDay_data();
    void EachLineStartsWithItsDay();
    void ANewLineScrollsBackToTheNewest();
    void ClearingLeavesAPlainBlackStrip();
    void APressOnTheStripChangesNothing();
};

// guards against lines drawn top-down, overlapping, or with the oldest one lowest
void TstPainelMensagens::NewLinesStackUpwardsFromTheBottom() {
    TCena cena;
    for (int i = 0; i < 3; ++i) {
        cena.painel->AdicionaMensagem(QStringLiteral("Line %1").arg(i), i);
    }
    const int lh = cena.AlturaLinha();
    QCOMPARE(cena.painel->Deslocamento(), 2 + 3 * lh - 55);
    const QImage img = cena.Imagem();
    const int topo = 55 - 3 * lh;
    QVERIFY(!TemTinta(img, 0, topo));
    for (int i = 0; i < 3; ++i) {
        QVERIFY2(TemTinta(img, topo + i * lh, topo + (i + 1) * lh), qPrintable(QString::number(i)));
    }
    // The oldest line is the highest: the newest line ends at the bottom.
    QCOMPARE(cena.painel->Mensagens().first(), QStringLiteral("Day 0: Line 0"));
}

// guards against messages drawn in another colour than the strip's lime
void TstPainelMensagens::TheTextIsLimeOnBlack() {
    TCena cena;
    cena.painel->AdicionaMensagem(QStringLiteral("Exhausted! MMMM"), 3);
    const QImage img = cena.Imagem();
    int verdes = 0;
    for (int y = 0; y < 55; ++y) {
        for (int x = 0; x < 500; ++x) {
            const QColor c = img.pixelColor(x, y);
            QVERIFY(c.red() == 0 && c.blue() == 0);
            verdes += c.green() == 255;
        }
    }
    QVERIFY(verdes > 0);
}

void TstPainelMensagens::TheStripKeepsOnlyTheNewestLinesUpToItsCapacity_data() {
    QTest::addColumn<int>("posts");
    QTest::addColumn<int>("linhas");
    QTest::addColumn<QString>("primeira");
    QTest::newRow("one") << 1 << 1 << QStringLiteral("Day 1: m1");
    QTest::newRow("fifty") << 50 << 50 << QStringLiteral("Day 1: m1");
    QTest::newRow("fifty-one drops the first") << 51 << 50 << QStringLiteral("Day 2: m2");
    QTest::newRow("many") << 130 << 50 << QStringLiteral("Day 81: m81");
}

// guards against a strip that grows without end or drops the newest lines
void TstPainelMensagens::TheStripKeepsOnlyTheNewestLinesUpToItsCapacity() {
    QFETCH(int, posts);
    QFETCH(int, linhas);
    QFETCH(QString, primeira);
    TCena cena;
    for (int i = 1; i <= posts; ++i) {
        cena.painel->AdicionaMensagem(QStringLiteral("m%1").arg(i), i);
    }
    QCOMPARE(cena.painel->Mensagens().size(), linhas);
    QCOMPARE(cena.painel->Mensagens().first(), primeira);
    QCOMPARE(cena.painel->Mensagens().last(), QStringLiteral("Day %1: m%1").arg(posts));
    QCOMPARE(cena.painel->AlturaConteudo(), 2 + linhas * cena.AlturaLinha());
}

void TstPainelMensagens::EachLineStartsWithItsDay_data() {
    QTest::addColumn<double>("dia");
    QTest::addColumn<QString>("linha");
    QTest::newRow("fraction down") << 6.4 << QStringLiteral("Day 6: x");
    QTest::newRow("half up") << 2.5 << QStringLiteral("Day 3: x");
    QTest::newRow("no grouping") << 1234.6 << QStringLiteral("Day 1235: x");
}

// guards against a line without its day, or with the day rounded
void TstPainelMensagens::EachLineStartsWithItsDay() {
    QFETCH(double, dia);
    QFETCH(QString, linha);
    TCena cena;
    cena.painel->AdicionaMensagem(QStringLiteral("x"), dia);
    QCOMPARE(cena.painel->Mensagens().last(), linha);
}

// guards against a new message hidden below a strip scrolled up, or wrong scroll buttons
void TstPainelMensagens::ANewLineScrollsBackToTheNewest() {
    TCena cena;
    for (int i = 0; i < 10; ++i) {
        cena.painel->AdicionaMensagem(QStringLiteral("line"), i);
    }
    const int fim = 2 + 10 * cena.AlturaLinha() - 55;
    QCOMPARE(cena.painel->Deslocamento(), fim);
    QVERIFY(!cena.painel->BotaoSobe()->isHidden());
    QVERIFY(cena.painel->BotaoDesce()->isHidden());
    QCOMPARE(cena.painel->BotaoSobe()->geometry(), QRect(536, 2, 12, 12));
    cena.painel->RolaParaCima();
    cena.painel->RolaParaCima();
    QCOMPARE(cena.painel->Deslocamento(), fim - 40);
    QVERIFY(!cena.painel->BotaoDesce()->isHidden());
    cena.painel->AdicionaMensagem(QStringLiteral("newest"), 11);
    QCOMPARE(cena.painel->Deslocamento(), fim + cena.AlturaLinha());
    QVERIFY(cena.painel->BotaoDesce()->isHidden());
    // The newest line is at the bottom edge.
    const int lh = cena.AlturaLinha();
    QVERIFY(TemTinta(cena.Imagem(), 55 - lh, 55));
}

// guards against old lines or scroll buttons left after a restart
void TstPainelMensagens::ClearingLeavesAPlainBlackStrip() {
    TCena cena;
    for (int i = 0; i < 20; ++i) {
        cena.painel->AdicionaMensagem(QStringLiteral("Activity started"), i);
    }
    cena.painel->RolaParaCima();
    cena.painel->LimpaMensagens();
    QVERIFY(cena.painel->Mensagens().isEmpty());
    QCOMPARE(cena.painel->AlturaConteudo(), 2);
    QCOMPARE(cena.painel->Deslocamento(), 2 - 55);
    QVERIFY(cena.painel->BotaoSobe()->isHidden());
    QVERIFY(cena.painel->BotaoDesce()->isHidden());
    const QImage img = cena.Imagem();
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x) {
            QCOMPARE(img.pixelColor(x, y), QColor(0, 0, 0));
        }
    }
}

// guards against a press that scrolls or selects in the message strip
void TstPainelMensagens::APressOnTheStripChangesNothing() {
    TCena cena;
    cena.host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&cena.host));
    for (int i = 0; i < 6; ++i) {
        cena.painel->AdicionaMensagem(QStringLiteral("m"), i);
    }
    const QStringList antes = cena.painel->Mensagens();
    const int deslocamento = cena.painel->Deslocamento();
    QTest::mouseClick(cena.painel->AreaDesenho(), Qt::LeftButton, {}, QPoint(20, 20));
    QTest::mouseClick(cena.painel->AreaDesenho(), Qt::RightButton, {}, QPoint(20, 40));
    QCOMPARE(cena.painel->Mensagens(), antes);
    QCOMPARE(cena.painel->Deslocamento(), deslocamento);
}

QTEST_MAIN(TstPainelMensagens)
#include "tst_painel_mensagens.moc"
