// Gradient backdrop: MulDiv rounding, band colours in every direction,
// strength, small sizes and filling the parent.
#include "ContaPinturas.h"
#include "controls/Backdrop.h"
#include "controls/Cores.h"

#include <QApplication>
#include <QImage>
#include <QPalette>
#include <QtTest>
#include <climits>

namespace {

QImage Renderiza(TBackDrop& fundo) {
    return fundo.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// A backdrop of 256 x 256 pixels: band n is exactly row (or column) n.
struct TFundoQuadrado {
    QWidget host;
    TBackDrop* fundo;
    TFundoQuadrado(TDirection direcao, TColor cor, TColor fundoCor, double forca) {
        host.resize(256, 256);
        fundo = new TBackDrop(&host);
        fundo->SetDirection(direcao);
        fundo->SetColor(cor);
        fundo->SetBackColor(fundoCor);
        fundo->SetStrength(forca);
    }
};

using TFundoContado = TContaPinturas<TBackDrop>;

} // namespace

class TstBackdrop : public QObject {
    Q_OBJECT
private slots:
    void mulDiv_data();
    void mulDiv();
    void colorToRgb_data();
    void colorToRgb();
    void defaults();
    void mainWindowGradient();
    void greenBackdropOfTheWindow();
    void directions_data();
    void directions();
    void strength_data();
    void strength();
    void negativeStrengthWraps();
    void shortControlSkipsEmptyBands();
    void systemColoursResolvedFirst();
    void fillsParentUntilPlaced();
    void settersRepaintAlways();
};

void TstBackdrop::mulDiv_data() {
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("multiplier");
    QTest::addColumn<int>("divisor");
    QTest::addColumn<int>("expected");
    QTest::newRow("exact") << 6 << 4 << 3 << 8;
    QTest::newRow("rounds down below half") << 1 << 378 << 256 << 1;
    QTest::newRow("rounds up above half") << 3 << 378 << 256 << 4;
    QTest::newRow("half goes up") << 5 << 1 << 2 << 3;
    QTest::newRow("negative half goes down") << -5 << 1 << 2 << -3;
    QTest::newRow("negative divisor") << 5 << 2 << -4 << -3;
    QTest::newRow("both negative") << -5 << 2 << -4 << 3;
    QTest::newRow("channel step") << 254 << -128 << 255 << -127;
    QTest::newRow("64-bit intermediate") << INT_MAX << 2 << 2 << INT_MAX;
    QTest::newRow("lowest result") << INT_MIN << 1 << 1 << INT_MIN;
    QTest::newRow("overflow") << INT_MAX << 2 << 1 << -1;
    QTest::newRow("zero divisor") << 7 << 3 << 0 << -1;
}

void TstBackdrop::mulDiv() {
    QFETCH(int, number);
    QFETCH(int, multiplier);
    QFETCH(int, divisor);
    QFETCH(int, expected);
    QCOMPARE(MulDiv(number, multiplier, divisor), expected);
}

void TstBackdrop::colorToRgb_data() {
    QTest::addColumn<quint32>("cor");
    QTest::addColumn<QColor>("expected");
    QTest::newRow("red is the low byte") << quint32(clRed) << QColor(255, 0, 0);
    QTest::newRow("blue is the third byte") << quint32(clBlue) << QColor(0, 0, 255);
    QTest::newRow("green") << quint32(clGreen) << QColor(0, 128, 0);
    QTest::newRow("lime") << quint32(clLime) << QColor(0, 255, 0);
    QTest::newRow("mixed") << quint32(0x00123456) << QColor(0x56, 0x34, 0x12);
    QTest::newRow("high byte ignored") << quint32(0x02654321) << QColor(0x21, 0x43, 0x65);
    QTest::newRow("unknown system role") << quint32(clSystemColor | 0xEE) << QColor(0, 0, 0);
}

void TstBackdrop::colorToRgb() {
    QFETCH(quint32, cor);
    QFETCH(QColor, expected);
    QCOMPARE(ColorToRGB(cor), expected);
}

void TstBackdrop::defaults() {
    QWidget host;
    TBackDrop fundo(&host);
    QCOMPARE(fundo.Direction(), bdUp);
    QCOMPARE(fundo.Color(), clBlue);
    QCOMPARE(fundo.BackColor(), clBlack);
    QCOMPARE(fundo.Strength(), 1.0);
    // Blue at the top fading to black at the bottom.
    host.resize(40, 256);
    const QImage img = Renderiza(fundo);
    QCOMPARE(img.pixelColor(0, 0), QColor(0, 0, 255));
    QCOMPARE(img.pixelColor(39, 255), QColor(0, 0, 0));
}

// The command column: green at the top, black from mid-height down.
void TstBackdrop::mainWindowGradient() {
    TFundoQuadrado q(bdDown, clBlack, clGreen, 2.0);
    const QImage img = Renderiza(*q.fundo);
    QCOMPARE(img.pixelColor(0, 0), QColor(0, 128, 0));
    QCOMPARE(img.pixelColor(100, 64), QColor(0, 64, 0));
    QCOMPARE(img.pixelColor(100, 127), QColor(0, 1, 0));
    for (int y = 128; y < 256; ++y) {
        QCOMPARE(img.pixelColor(y % 256, y), QColor(0, 0, 0));
    }
    // The bands span the full width.
    for (int y : {0, 64, 127}) {
        QCOMPARE(img.pixelColor(255, y), img.pixelColor(0, y));
    }
}

// The one backdrop of the command column, the chart and the team panel.
void TstBackdrop::greenBackdropOfTheWindow() {
    QWidget host;
    host.resize(256, 256);
    TBackDrop* fundo = CriaFundoVerde(&host);
    QCOMPARE(fundo->parentWidget(), &host);
    QCOMPARE(fundo->Direction(), bdDown);
    QCOMPARE(fundo->Color(), clBlack);
    QCOMPARE(fundo->BackColor(), clGreen);
    QCOMPARE(fundo->Strength(), 2.0);
    const QImage img = Renderiza(*fundo);
    QCOMPARE(img.pixelColor(0, 0), QColor(0, 128, 0));
    QCOMPARE(img.pixelColor(100, 64), QColor(0, 64, 0));
    QCOMPARE(img.pixelColor(100, 200), QColor(0, 0, 0));
}

void TstBackdrop::directions_data() {
    QTest::addColumn<int>("direcao");
    QTest::addColumn<bool>("linhas");
    QTest::addColumn<QColor>("faixa0");
    QTest::addColumn<QColor>("faixa127");
    QTest::addColumn<QColor>("faixa128");
    QTest::addColumn<QColor>("faixa255");
    // Color red, BackColor blue, Strength 1.
    const QColor vermelho(255, 0, 0);
    const QColor azul(0, 0, 255);
    // Linear: index n; k = 127 gives 255 - 127 = 128 / 127, k = 128 gives 127 / 128.
    const QColor rumoAzul127(128, 0, 127), rumoAzul128(127, 0, 128);
    const QColor rumoVermelho127(127, 0, 128), rumoVermelho128(128, 0, 127);
    // Symmetric: index 254 beside the centre line.
    const QColor centroVermelho(254, 0, 1), centroAzul(1, 0, 254);
    QTest::newRow("up") << int(bdUp) << true << vermelho << rumoAzul127 << rumoAzul128 << azul;
    QTest::newRow("down") << int(bdDown) << true << azul << rumoVermelho127 << rumoVermelho128
                          << vermelho;
    QTest::newRow("left") << int(bdLeft) << false << vermelho << rumoAzul127 << rumoAzul128 << azul;
    QTest::newRow("right") << int(bdRight) << false << azul << rumoVermelho127 << rumoVermelho128
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

void TstBackdrop::directions() {
    QFETCH(int, direcao);
    QFETCH(bool, linhas);
    QFETCH(QColor, faixa0);
    QFETCH(QColor, faixa127);
    QFETCH(QColor, faixa128);
    QFETCH(QColor, faixa255);
    TFundoQuadrado q(TDirection(direcao), clRed, clBlue, 1.0);
    const QImage img = Renderiza(*q.fundo);
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

void TstBackdrop::strength_data() {
    QTest::addColumn<double>("forca");
    QTest::addColumn<int>("verde0");
    QTest::addColumn<int>("verde128");
    QTest::addColumn<int>("verde255");
    // bdUp, Color green (S), BackColor black (E): green = 128 - MulDiv(k, 128, 255).
    QTest::newRow("zero paints S") << 0.0 << 128 << 128 << 128;
    QTest::newRow("half stops midway") << 0.5 << 128 << 96 << 64;
    QTest::newRow("one") << 1.0 << 128 << 64 << 0;
    QTest::newRow("two") << 2.0 << 128 << 0 << 0;
    QTest::newRow("huge") << 1e300 << 128 << 0 << 0;
}

void TstBackdrop::strength() {
    QFETCH(double, forca);
    QFETCH(int, verde0);
    QFETCH(int, verde128);
    QFETCH(int, verde255);
    TFundoQuadrado q(bdUp, clGreen, clBlack, forca);
    const QImage img = Renderiza(*q.fundo);
    QCOMPARE(img.pixelColor(5, 0), QColor(0, verde0, 0));
    QCOMPARE(img.pixelColor(5, 128), QColor(0, verde128, 0));
    QCOMPARE(img.pixelColor(5, 255), QColor(0, verde255, 0));
}

// A negative strength extrapolates beyond S and wraps each channel to 8 bits.
void TstBackdrop::negativeStrengthWraps() {
    TFundoQuadrado q(bdUp, clRed, clBlue, -1.0);
    const QImage img = Renderiza(*q.fundo);
    QCOMPARE(img.pixelColor(0, 0), QColor(255, 0, 0));
    QCOMPARE(img.pixelColor(0, 1), QColor(0, 0, 255));
    QCOMPARE(img.pixelColor(0, 2), QColor(1, 0, 254));
}

// With fewer rows than bands many bands are empty; row 0 comes from band 1.
void TstBackdrop::shortControlSkipsEmptyBands() {
    QWidget host;
    host.resize(30, 100);
    TBackDrop fundo(&host);
    fundo.SetDirection(bdDown);
    fundo.SetColor(clBlack);
    fundo.SetBackColor(clGreen);
    const QImage img = Renderiza(fundo);
    QCOMPARE(img.height(), 100);
    QCOMPARE(img.pixelColor(0, 0), QColor(0, 127, 0));
    QCOMPARE(img.pixelColor(0, 99), QColor(0, 1, 0));
    int anterior = 255;
    for (int y = 0; y < 100; ++y) {
        const QColor c = img.pixelColor(15, y);
        QVERIFY2(c.green() <= anterior, qPrintable(QString::number(y)));
        QCOMPARE(c.red(), 0);
        anterior = c.green();
    }
}

void TstBackdrop::systemColoursResolvedFirst() {
    QPalette paleta = QApplication::palette();
    paleta.setColor(QPalette::Active, QPalette::Button, QColor(10, 20, 30));
    QApplication::setPalette(paleta);
    QCOMPARE(ColorToRGB(clBtnFace), QColor(10, 20, 30));
    TFundoQuadrado q(bdUp, clBtnFace, clBlack, 0.0);
    QCOMPARE(Renderiza(*q.fundo).pixelColor(7, 7), QColor(10, 20, 30));
}

void TstBackdrop::fillsParentUntilPlaced() {
    QWidget host;
    host.resize(80, 378);
    auto* fundo = new TBackDrop(&host);
    QCOMPARE(fundo->geometry(), QRect(0, 0, 80, 378));
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    host.resize(571, 380);
    QCOMPARE(fundo->geometry(), QRect(0, 0, 571, 380));

    QWidget outro;
    outro.resize(33, 44);
    // Released with its new parent.
    outro.show();
    fundo->setParent(&outro);
    QCOMPARE(fundo->geometry(), QRect(0, 0, 33, 44));
    host.resize(10, 10);
    QCOMPARE(fundo->geometry(), QRect(0, 0, 33, 44));
    // A parent resized while hidden is followed when it is shown.
    outro.hide();
    outro.resize(50, 20);
    outro.show();
    QCOMPARE(fundo->geometry(), QRect(0, 0, 50, 20));

    // Once its host places it, the backdrop stays where it was put.
    fundo->setGeometry(5, 5, 10, 10);
    outro.resize(60, 60);
    QCOMPARE(fundo->geometry(), QRect(5, 5, 10, 10));
}

void TstBackdrop::settersRepaintAlways() {
    QWidget host;
    host.resize(50, 50);
    auto* fundo = new TFundoContado(&host);
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
