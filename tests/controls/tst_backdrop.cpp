// SPDX-License-Identifier: GPL-3.0-or-later
// Gradient backdrop: MulDiv rounding, band colours in every direction,
// strength, small sizes and filling the parent.
#include "controls/Backdrop.h"
#include "controls/Cores.h"
#include "tests/apoio/ContaPinturas.h"

#include <QApplication>
#include <QImage>
#include <QPalette>
#include <QtTest>
#include <climits>

namespace {

QImage Renderiza(QWidget* fundo) {
    return fundo->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// At 256 x 256 pixels, band n is exactly row (or column) n.
QImage Quadrado(TDirection direcao, TColor cor, TColor fundoCor, double forca,
                QSize tamanho = QSize(256, 256)) {
    QWidget host;
    host.resize(tamanho);
    auto* fundo = new TBackDrop(&host);
    fundo->SetDirection(direcao);
    fundo->SetColor(cor);
    fundo->SetBackColor(fundoCor);
    fundo->SetStrength(forca);
    return Renderiza(fundo);
}

} // namespace

class TstBackdrop : public QObject {
    Q_OBJECT
private slots:
    void MulDivRoundsAndReportsOverflowAsMinusOne_data();
    void MulDivRoundsAndReportsOverflowAsMinusOne();
    void AFormColourGivesItsRgb();
    void TheWindowsGreenBackdropHasItsBands();
    void EachDirectionRunsItsBandsTheRightWay_data();
    void EachDirectionRunsItsBandsTheRightWay();
    void TheStrengthSetsHowFarTheGradientRuns_data();
    void TheStrengthSetsHowFarTheGradientRuns();
    void AShortControlSkipsItsEmptyBands();
    void TheBackdropFillsItsParentUntilPlaced();
    void EverySetterRepaints();
};

void TstBackdrop::MulDivRoundsAndReportsOverflowAsMinusOne_data() {
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("multiplier");
    QTest::addColumn<int>("divisor");
    QTest::addColumn<int>("expected");
    QTest::newRow("rounds down below half") << 1 << 378 << 256 << 1;
    QTest::newRow("rounds up above half") << 3 << 378 << 256 << 4;
    QTest::newRow("half goes up") << 5 << 1 << 2 << 3;
    QTest::newRow("negative half goes down") << -5 << 1 << 2 << -3;
    QTest::newRow("negative divisor") << 5 << 2 << -4 << -3;
    QTest::newRow("64-bit intermediate") << INT_MAX << 2 << 2 << INT_MAX;
    QTest::newRow("lowest result") << INT_MIN << 1 << 1 << INT_MIN;
    QTest::newRow("overflow") << INT_MAX << 2 << 1 << -1;
    QTest::newRow("zero divisor") << 7 << 3 << 0 << -1;
}

// guards against a scaled band edge that overflows or rounds the wrong way
void TstBackdrop::MulDivRoundsAndReportsOverflowAsMinusOne() {
    QFETCH(int, number);
    QFETCH(int, multiplier);
    QFETCH(int, divisor);
    QFETCH(int, expected);
    QCOMPARE(MulDiv(number, multiplier, divisor), expected);
}

// guards against red and blue swapped when a form colour is read
void TstBackdrop::AFormColourGivesItsRgb() {
    QCOMPARE(ColorToRGB(clRed), QColor(255, 0, 0));
    QCOMPARE(ColorToRGB(0x02654321), QColor(0x21, 0x43, 0x65)); // high byte ignored
    QCOMPARE(ColorToRGB(clSystemColor | 0xEE), QColor(0, 0, 0));
    // System colours are resolved through the palette before painting.
    QPalette paleta = QApplication::palette();
    paleta.setColor(QPalette::Active, QPalette::Button, QColor(10, 20, 30));
    QApplication::setPalette(paleta);
    QCOMPARE(ColorToRGB(clBtnFace), QColor(10, 20, 30));
    QCOMPARE(Quadrado(bdUp, clBtnFace, clBlack, 0.0).pixelColor(7, 7), QColor(10, 20, 30));
}

// The command column: green at the top, black from mid-height down.
// guards against a command column backdrop in other colours or bands
void TstBackdrop::TheWindowsGreenBackdropHasItsBands() {
    QWidget host;
    host.resize(256, 256);
    const QImage img = Renderiza(CriaFundoVerde(&host));
    QCOMPARE(img.pixelColor(0, 0), QColor(0, 128, 0));
    QCOMPARE(img.pixelColor(100, 64), QColor(0, 64, 0));
    QCOMPARE(img.pixelColor(100, 127), QColor(0, 1, 0));
    for (int y = 128; y < 256; ++y) {
        QCOMPARE(img.pixelColor(y, y), QColor(0, 0, 0));
    }
    for (int y : {0, 64, 127}) {
        QCOMPARE(img.pixelColor(255, y), img.pixelColor(0, y));
    }
}

void TstBackdrop::EachDirectionRunsItsBandsTheRightWay_data() {
    QTest::addColumn<int>("direcao");
    QTest::addColumn<bool>("linhas");
    QTest::addColumn<QColor>("faixa0");
    QTest::addColumn<QColor>("faixa127");
    QTest::addColumn<QColor>("faixa128");
    QTest::addColumn<QColor>("faixa255");
    // Color red, BackColor blue, Strength 1.
    const QColor vermelho(255, 0, 0), azul(0, 0, 255);
    // Linear: index n; k = 127 gives 255 - 127 = 128 / 127, k = 128 gives 127 / 128.
    const QColor rumoAzul127(128, 0, 127), rumoAzul128(127, 0, 128);
    // Symmetric: index 254 beside the centre line.
    const QColor centroVermelho(254, 0, 1), centroAzul(1, 0, 254);
    QTest::newRow("up") << int(bdUp) << true << vermelho << rumoAzul127 << rumoAzul128 << azul;
    QTest::newRow("down") << int(bdDown) << true << azul << rumoAzul128 << rumoAzul127 << vermelho;
    QTest::newRow("left") << int(bdLeft) << false << vermelho << rumoAzul127 << rumoAzul128 << azul;
    QTest::newRow("right") << int(bdRight) << false << azul << rumoAzul128 << rumoAzul127
                           << vermelho;
    QTest::newRow("horz in") << int(bdHorzIn) << true << azul << centroVermelho << centroVermelho
                             << azul;
    QTest::newRow("horz out") << int(bdHorzOut) << true << vermelho << centroAzul << centroAzul
                              << vermelho;
    QTest::newRow("vert in") << int(bdVertIn) << false << azul << centroVermelho << centroVermelho
                             << azul;
    QTest::newRow("vert out") << int(bdVertOut) << false << vermelho << centroAzul << centroAzul
                              << vermelho;
}

// guards against a gradient drawn in the wrong direction or with swapped ends
void TstBackdrop::EachDirectionRunsItsBandsTheRightWay() {
    QFETCH(int, direcao);
    QFETCH(bool, linhas);
    QFETCH(QColor, faixa0);
    QFETCH(QColor, faixa127);
    QFETCH(QColor, faixa128);
    QFETCH(QColor, faixa255);
    const QImage img = Quadrado(TDirection(direcao), clRed, clBlue, 1.0);
    const auto faixa = [&](int n, int outro) {
        return linhas ? img.pixelColor(outro, n) : img.pixelColor(n, outro);
    };
    for (int outro : {0, 200, 255}) {
        QCOMPARE(faixa(0, outro), faixa0);
        QCOMPARE(faixa(127, outro), faixa127);
        QCOMPARE(faixa(128, outro), faixa128);
        QCOMPARE(faixa(255, outro), faixa255);
    }
    if (direcao >= bdHorzIn) {
        for (int n = 0; n < 128; ++n) {
            QCOMPARE(faixa(255 - n, 10), faixa(n, 10));
        }
    }
}

void TstBackdrop::TheStrengthSetsHowFarTheGradientRuns_data() {
    QTest::addColumn<double>("forca");
    QTest::addColumn<TColor>("cor");
    QTest::addColumn<QList<int>>("linhas");
    QTest::addColumn<QList<QColor>>("cores");
    using C = QList<QColor>;
    const QList<int> faixas{0, 128, 255};
    // bdUp, BackColor black: green = 128 - MulDiv(k, 128, 255).
    QTest::newRow("zero paints S")
        << 0.0 << clGreen << faixas << C{{0, 128, 0}, {0, 128, 0}, {0, 128, 0}};
    QTest::newRow("half stops midway")
        << 0.5 << clGreen << faixas << C{{0, 128, 0}, {0, 96, 0}, {0, 64, 0}};
    QTest::newRow("two") << 2.0 << clGreen << faixas << C{{0, 128, 0}, {0, 0, 0}, {0, 0, 0}};
    QTest::newRow("huge") << 1e300 << clGreen << faixas << C{{0, 128, 0}, {0, 0, 0}, {0, 0, 0}};
    // Red over blue at -1 extrapolates beyond S and wraps each channel to 8 bits.
    QTest::newRow("negative wraps")
        << -1.0 << clRed << QList<int>{0, 1, 2} << C{{255, 0, 0}, {0, 0, 255}, {1, 0, 254}};
}

// guards against a strength that is ignored, clamped, or crashes when huge or negative
void TstBackdrop::TheStrengthSetsHowFarTheGradientRuns() {
    QFETCH(double, forca);
    QFETCH(TColor, cor);
    QFETCH(QList<int>, linhas);
    QFETCH(QList<QColor>, cores);
    const QImage img = Quadrado(bdUp, cor, cor == clRed ? clBlue : clBlack, forca);
    for (int i = 0; i < linhas.size(); ++i) {
        QCOMPARE(img.pixelColor(5, linhas[i]), cores[i]);
    }
}

// With fewer rows than bands many bands are empty; row 0 comes from band 1.
// guards against rows drawn from empty bands when there are fewer rows than bands
void TstBackdrop::AShortControlSkipsItsEmptyBands() {
    const QImage img = Quadrado(bdDown, clBlack, clGreen, 1.0, QSize(30, 100));
    QCOMPARE(img.pixelColor(0, 0), QColor(0, 127, 0));
    QCOMPARE(img.pixelColor(0, 99), QColor(0, 1, 0));
    for (int y = 1; y < 100; ++y) {
        QVERIFY2(img.pixelColor(15, y).green() <= img.pixelColor(15, y - 1).green() &&
                     img.pixelColor(15, y).red() == 0,
                 qPrintable(QString::number(y)));
    }
}

// guards against a backdrop that ignores its parent's size, or overrides where its host put it
void TstBackdrop::TheBackdropFillsItsParentUntilPlaced() {
    QWidget host;
    host.resize(80, 378);
    auto* fundo = new TBackDrop(&host);
    QCOMPARE(fundo->geometry(), QRect(0, 0, 80, 378));
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    host.resize(571, 380);
    QCOMPARE(fundo->geometry(), QRect(0, 0, 571, 380));
    // Follows its new parent, even one resized while hidden, not the old one.
    QWidget outro;
    outro.show();
    fundo->setParent(&outro);
    host.resize(10, 10);
    outro.hide();
    outro.resize(50, 20);
    outro.show();
    QCOMPARE(fundo->geometry(), QRect(0, 0, 50, 20));
    // Once its host places it, the backdrop stays where it was put.
    fundo->setGeometry(5, 5, 10, 10);
    outro.resize(60, 60);
    QCOMPARE(fundo->geometry(), QRect(5, 5, 10, 10));
}

// guards against a changed colour, direction or strength left unpainted
void TstBackdrop::EverySetterRepaints() {
    QWidget host;
    host.resize(50, 50);
    auto* fundo = new TContaPinturas<TBackDrop>(&host);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    fundo->Pinturas = 0;
    fundo->SetColor(fundo->Color());
    fundo->SetBackColor(fundo->BackColor());
    fundo->SetDirection(fundo->Direction());
    fundo->SetStrength(fundo->Strength());
    QCOMPARE(fundo->Pinturas, 4);
}

QTEST_MAIN(TstBackdrop)
#include "tst_backdrop.moc"
