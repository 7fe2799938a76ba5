// SPDX-License-Identifier: GPL-3.0-or-later
// Command button: picture and title placement, transparency, enabled,
// disabled and highlighted looks, repaints and clicks.
#include "controls/CommandButton.h"
#include "tests/apoio/ContaPinturas.h"

#include <QEnterEvent>
#include <QFontMetrics>
#include <QImage>
#include <QtTest>

namespace {

const QColor Fundo(0, 0, 200);
const QColor Branco(255, 255, 255);
const QColor Cinza(128, 128, 128);
const QColor Amarelo(250, 200, 0);

// A picture of one colour on a green ground with a 2-pixel green border.
QImage Figura(const QColor& cor, QSize tamanho = QSize(30, 30)) {
    QImage img(tamanho, QImage::Format_RGB32);
    img.fill(QColor(0, 128, 0));
    for (int y = 2; y < img.height() - 2; ++y) {
        for (int x = 2; x < img.width() - 2; ++x) {
            img.setPixelColor(x, y, cor);
        }
    }
    return img;
}

// An 80 x 56 button on a dark blue host, as in the command column.
struct TCena {
    QWidget host;
    TContaPinturas<TCommandButton>* botao;
    TCena() {
        host.resize(100, 80);
        host.setAutoFillBackground(true);
        QPalette p = host.palette();
        p.setColor(QPalette::Window, Fundo);
        host.setPalette(p);
        botao = new TContaPinturas<TCommandButton>(&host);
        botao->setGeometry(10, 10, 80, 56);
    }
    // The button's area of the host, so that transparency shows the host.
    QImage Imagem() {
        return host.grab(botao->geometry()).toImage().convertToFormat(QImage::Format_RGB32);
    }
    void Mostra() {
        host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host));
        botao->Pinturas = 0;
    }
};

void Entra(QWidget* w) {
    QEnterEvent e(QPointF(5, 5), QPointF(5, 5), w->mapToGlobal(QPointF(5, 5)));
    QCoreApplication::sendEvent(w, &e);
}

void Sai(QWidget* w) {
    QEvent e(QEvent::Leave);
    QCoreApplication::sendEvent(w, &e);
}

// The pixels of the colour in the area, and their bounding box.
int Conta(const QImage& img, const QColor& cor, const QRect& area, QRect* caixa = nullptr) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (img.pixelColor(x, y) == cor) {
                ++n;
                if (caixa) {
                    *caixa = caixa->united(QRect(x, y, 1, 1));
                }
            }
        }
    }
    return n;
}

} // namespace

class TstCommandButton : public QObject {
    Q_OBJECT
private slots:
    void ThePictureIsCentredAboveTheTitle_data();
    void ThePictureIsCentredAboveTheTitle();
    void TheTitleIsCentredAtTheBottom();
    void EachStateHasItsPictureAndTitleColours_data();
    void EachStateHasItsPictureAndTitleColours();
    void TheTitleIsBoldOnlyWhenEnabledAndHighlighted();
    void TheButtonRepaintsOnlyWhenItsLookChanges();
    void OnlyALeftClickReleasedOnAnEnabledButtonCounts_data();
    void OnlyALeftClickReleasedOnAnEnabledButtonCounts();
};

void TstCommandButton::ThePictureIsCentredAboveTheTitle_data() {
    QTest::addColumn<QSize>("tamanho");
    QTest::addColumn<QPoint>("origem");
    QTest::newRow("30 x 30 picture") << QSize(30, 30) << QPoint(25, 8);
    QTest::newRow("35 x 17 picture") << QSize(35, 17) << QPoint(22, 14);
    // Larger than the button: negative offsets, halvings toward zero.
    QTest::newRow("101 x 101 picture") << QSize(101, 101) << QPoint(-10, -27);
}

// guards against a picture placed off centre, or clipped when larger than the button
void TstCommandButton::ThePictureIsCentredAboveTheTitle() {
    QFETCH(QSize, tamanho);
    QFETCH(QPoint, origem);
    // Each pixel of the picture encodes its own position.
    QImage figura(tamanho, QImage::Format_RGB32);
    for (int y = 0; y < figura.height(); ++y) {
        for (int x = 0; x < figura.width(); ++x) {
            figura.setPixelColor(x, y, QColor(x, y, 200));
        }
    }
    TCena cena;
    cena.botao->SetPictureBase(figura);
    const QImage img = cena.Imagem();
    const QRect visivel = QRect(origem, tamanho).intersected(QRect(0, 0, 80, 46));
    for (const QPoint p : {visivel.topLeft(), visivel.bottomRight(), visivel.center()}) {
        QCOMPARE(img.pixelColor(p), QColor(p.x() - origem.x(), p.y() - origem.y(), 200));
    }
    if (origem.x() > 0) {
        QCOMPARE(img.pixelColor(origem.x() - 1, origem.y()), Fundo);
        QCOMPARE(img.pixelColor(origem.x() + tamanho.width(), origem.y()), Fundo);
        QCOMPARE(img.pixelColor(origem.x(), origem.y() - 1), Fundo);
    }
}

// The title sits centred, its top th + 2 above the bottom edge.
// guards against a title drawn off centre or away from the bottom
void TstCommandButton::TheTitleIsCentredAtTheBottom() {
    TCena cena;
    cena.botao->SetTitle(QStringLiteral("Next Turn"));
    const QFontMetrics m(TCommandButton::FonteTitulo(false));
    const int tw = m.horizontalAdvance(QStringLiteral("Next Turn"));
    const QRect caixa((80 - tw) / 2, 56 - m.height() - 2, tw, m.height());
    QRect tinta;
    QVERIFY(Conta(cena.Imagem(), Branco, QRect(0, 0, 80, 56), &tinta) > 0);
    QVERIFY2(caixa.contains(tinta), qPrintable(QStringLiteral("ink %1,%2 %3x%4")
                                                   .arg(tinta.x())
                                                   .arg(tinta.y())
                                                   .arg(tinta.width())
                                                   .arg(tinta.height())));
    QVERIFY(qAbs(tinta.left() - (79 - tinta.right())) <= 3);
}

void TstCommandButton::EachStateHasItsPictureAndTitleColours_data() {
    QTest::addColumn<bool>("habilitado");
    QTest::addColumn<bool>("destacado");
    QTest::addColumn<bool>("comDisable");
    QTest::addColumn<QColor>("corFigura");
    QTest::addColumn<QColor>("corTitulo");
    const QColor disable(90, 90, 90);
    QTest::newRow("enabled") << true << false << true << Amarelo << Branco;
    QTest::newRow("enabled highlighted") << true << true << true << Amarelo << Branco;
    QTest::newRow("disabled") << false << false << true << disable << Cinza;
    QTest::newRow("disabled highlighted") << false << true << true << disable << Cinza;
    QTest::newRow("disabled, no disabled picture") << false << false << false << Fundo << Cinza;
}

// guards against a disabled or highlighted button drawn in the wrong picture or title colour
void TstCommandButton::EachStateHasItsPictureAndTitleColours() {
    QFETCH(bool, habilitado);
    QFETCH(bool, destacado);
    QFETCH(bool, comDisable);
    QFETCH(QColor, corFigura);
    QFETCH(QColor, corTitulo);
    TCena cena;
    cena.botao->SetPictureBase(Figura(Amarelo));
    if (comDisable) {
        cena.botao->SetPictureDisable(Figura(QColor(90, 90, 90)));
    }
    cena.botao->SetTitle(QStringLiteral("Work Hours"));
    cena.botao->setEnabled(habilitado);
    if (destacado) {
        Entra(cena.botao);
    }
    const QImage img = cena.Imagem();
    // Picture at (25, 8); its green ground is transparent.
    QCOMPARE(img.pixelColor(25 + 15, 8 + 15), corFigura);
    QCOMPARE(img.pixelColor(25, 8), Fundo);
    QCOMPARE(img.pixelColor(25 + 29, 8 + 29), Fundo);
    if (corFigura == Fundo) {
        QCOMPARE(Conta(img, Fundo, QRect(0, 0, 80, 40)), 80 * 40); // above the title
    }
    // Title ink only in the title's colour.
    const QRect titulo(0, 46, 80, 10);
    QVERIFY(Conta(img, corTitulo, titulo) > 0);
    QCOMPARE(Conta(img, corTitulo == Branco ? Cinza : Branco, titulo), 0);
}

// guards against a bold title on a disabled or unhighlighted button
void TstCommandButton::TheTitleIsBoldOnlyWhenEnabledAndHighlighted() {
    TCena cena;
    cena.botao->SetTitle(QStringLiteral("Define Team"));
    const QRect titulo(0, 40, 80, 16);
    const int regular = Conta(cena.Imagem(), Branco, titulo);
    Entra(cena.botao);
    const int negrito = Conta(cena.Imagem(), Branco, titulo);
    QVERIFY2(negrito > regular, qPrintable(QStringLiteral("%1 %2").arg(negrito).arg(regular)));
    Sai(cena.botao);
    QCOMPARE(Conta(cena.Imagem(), Branco, titulo), regular);
    cena.botao->setEnabled(false);
    const QImage cinzaRegular = cena.Imagem();
    Entra(cena.botao);
    QVERIFY(cena.botao->Destacado());
    QCOMPARE(cena.Imagem(), cinzaRegular);
}

// Entering and leaving repaint once each; a title repaints only when it
// changes; a picture always. The button keeps its own copy of a picture.
// guards against repaints missed on a change, or repeated without one
void TstCommandButton::TheButtonRepaintsOnlyWhenItsLookChanges() {
    TCena cena;
    cena.Mostra();
    int& n = cena.botao->Pinturas;
    Entra(cena.botao);
    Entra(cena.botao);
    QCOMPARE(n, 1);
    Sai(cena.botao);
    Sai(cena.botao);
    QCOMPARE(n, 2);
    QVERIFY(!cena.botao->Destacado());
    cena.botao->SetTitle(QStringLiteral("Task Time"));
    cena.botao->SetTitle(QStringLiteral("Task Time"));
    QCOMPARE(n, 3);
    QImage figura = Figura(Amarelo);
    cena.botao->SetPictureBase(figura);
    cena.botao->SetPictureBase(figura);
    cena.botao->SetPictureDisable(figura);
    QCOMPARE(n, 6);
    figura.fill(Qt::red);
    QCOMPARE(cena.Imagem().pixelColor(40, 23), Amarelo);
    // The flag follows the pointer on a disabled button too.
    cena.botao->setEnabled(false);
    QCoreApplication::processEvents();
    n = 0;
    Entra(cena.botao);
    QVERIFY(cena.botao->Destacado());
    QCOMPARE(n, 1);
}

void TstCommandButton::OnlyALeftClickReleasedOnAnEnabledButtonCounts_data() {
    QTest::addColumn<bool>("habilitado");
    QTest::addColumn<int>("botaoMouse");
    QTest::addColumn<QPoint>("soltura");
    QTest::addColumn<int>("cliques");
    QTest::newRow("left click") << true << int(Qt::LeftButton) << QPoint(40, 20) << 1;
    QTest::newRow("right click") << true << int(Qt::RightButton) << QPoint(40, 20) << 0;
    QTest::newRow("released outside") << true << int(Qt::LeftButton) << QPoint(90, 20) << 0;
    QTest::newRow("disabled") << false << int(Qt::LeftButton) << QPoint(40, 20) << 0;
}

// guards against clicks from the right button, a disabled button or a release outside
void TstCommandButton::OnlyALeftClickReleasedOnAnEnabledButtonCounts() {
    QFETCH(bool, habilitado);
    QFETCH(int, botaoMouse);
    QFETCH(QPoint, soltura);
    QFETCH(int, cliques);
    TCena cena;
    cena.Mostra();
    QList<QObject*> remetentes;
    cena.botao->OnClick = [&](QObject* sender) { remetentes << sender; };
    cena.botao->setEnabled(habilitado);
    const auto b = Qt::MouseButton(botaoMouse);
    QTest::mousePress(cena.botao, b, {}, QPoint(40, 20));
    QTest::mouseRelease(cena.botao, b, {}, soltura);
    QCOMPARE(remetentes, QList<QObject*>(cliques, cena.botao));
}

QTEST_MAIN(TstCommandButton)
#include "tst_command_button.moc"
