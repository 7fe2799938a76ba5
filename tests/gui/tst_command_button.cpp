// Command button: picture and title placement, transparency, enabled,
// disabled and highlighted looks, repaints and clicks.
#include "ContaPinturas.h"
#include "controls/CommandButton.h"

#include <QEnterEvent>
#include <QFontMetrics>
#include <QImage>
#include <QtTest>

namespace {

const QColor Fundo(0, 0, 200);
const QColor Branco(255, 255, 255);
const QColor Cinza(128, 128, 128);

using TBotaoContado = TContaPinturas<TCommandButton>;

// A picture of one colour on a green ground with a 2-pixel green border.
QImage Figura(int w, int h, const QColor& cor) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(QColor(0, 128, 0));
    for (int y = 2; y < h - 2; ++y) {
        for (int x = 2; x < w - 2; ++x) {
            img.setPixelColor(x, y, cor);
        }
    }
    return img;
}

// An 80 x 56 button on a dark blue host, as in the command column.
struct TCena {
    QWidget host;
    TBotaoContado* botao;
    TCena() {
        host.resize(100, 80);
        host.setAutoFillBackground(true);
        QPalette p = host.palette();
        p.setColor(QPalette::Window, Fundo);
        host.setPalette(p);
        botao = new TBotaoContado(&host);
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

int Conta(const QImage& img, const QColor& cor, const QRect& area) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            n += img.pixelColor(x, y) == cor;
        }
    }
    return n;
}

QRect Tinta(const QImage& img, const QColor& cor) {
    QRect r;
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x) {
            if (img.pixelColor(x, y) == cor) {
                r = r.united(QRect(x, y, 1, 1));
            }
        }
    }
    return r;
}

} // namespace

class TstCommandButton : public QObject {
    Q_OBJECT
private slots:
    void defaults();
    void picturePlacement_data();
    void picturePlacement();
    void titlePlacement();
    void looks_data();
    void looks();
    void boldOnlyWhenEnabledAndHighlighted();
    void disabledWithoutPictureShowsNone();
    void enterLeaveRepaintOnce();
    void titleRepaintsOnlyOnChange();
    void picturesAreCopies();
    void click_data();
    void click();
};

void TstCommandButton::defaults() {
    QWidget host;
    TCommandButton botao(&host);
    QCOMPARE(botao.size(), QSize(30, 30));
    QVERIFY(!botao.Destacado());
    QVERIFY(botao.Title().isEmpty());
    QVERIFY(botao.PictureBase().isNull());
    QVERIFY(botao.isEnabled());
}

void TstCommandButton::picturePlacement_data() {
    QTest::addColumn<QSize>("tamanho");
    QTest::addColumn<QPoint>("origem");
    QTest::newRow("30 x 30 picture") << QSize(30, 30) << QPoint(25, 8);
    QTest::newRow("35 x 17 picture") << QSize(35, 17) << QPoint(22, 14);
    // Larger than the button: negative offsets, halvings toward zero.
    QTest::newRow("101 x 101 picture") << QSize(101, 101) << QPoint(-10, -27);
}

void TstCommandButton::picturePlacement() {
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
void TstCommandButton::titlePlacement() {
    TCena cena;
    cena.botao->SetTitle(QStringLiteral("Next Turn"));
    const QFontMetrics m(TCommandButton::FonteTitulo(false));
    const int tw = m.horizontalAdvance(QStringLiteral("Next Turn"));
    const int th = m.height();
    const QRect caixa((80 - tw) / 2, 56 - th - 2, tw, th);
    const QImage img = cena.Imagem();
    const QRect tinta = Tinta(img, Branco);
    QVERIFY(!tinta.isEmpty());
    QVERIFY2(caixa.contains(tinta), qPrintable(QStringLiteral("ink %1,%2 %3x%4")
                                                   .arg(tinta.x())
                                                   .arg(tinta.y())
                                                   .arg(tinta.width())
                                                   .arg(tinta.height())));
    // Centred: the ink is balanced within a couple of pixels.
    QVERIFY(qAbs((tinta.left() - 0) - (79 - tinta.right())) <= 3);
    if (th == 13) {
        QCOMPARE(caixa.top(), 41);
    }
}

void TstCommandButton::looks_data() {
    QTest::addColumn<bool>("habilitado");
    QTest::addColumn<bool>("destacado");
    QTest::addColumn<bool>("comDisable");
    QTest::addColumn<QColor>("corFigura");
    QTest::addColumn<QColor>("corTitulo");
    const QColor base(250, 200, 0), disable(90, 90, 90);
    QTest::newRow("enabled") << true << false << true << base << Branco;
    QTest::newRow("enabled highlighted") << true << true << true << base << Branco;
    QTest::newRow("disabled") << false << false << true << disable << Cinza;
    QTest::newRow("disabled highlighted") << false << true << true << disable << Cinza;
    QTest::newRow("disabled, no disabled picture") << false << false << false << Fundo << Cinza;
}

void TstCommandButton::looks() {
    QFETCH(bool, habilitado);
    QFETCH(bool, destacado);
    QFETCH(bool, comDisable);
    QFETCH(QColor, corFigura);
    QFETCH(QColor, corTitulo);
    TCena cena;
    cena.botao->SetPictureBase(Figura(30, 30, QColor(250, 200, 0)));
    if (comDisable) {
        cena.botao->SetPictureDisable(Figura(30, 30, QColor(90, 90, 90)));
    }
    cena.botao->SetTitle(QStringLiteral("Work Hours"));
    cena.botao->setEnabled(habilitado);
    if (destacado) {
        Entra(cena.botao);
    }
    QCOMPARE(cena.botao->Destacado(), destacado);
    const QImage img = cena.Imagem();
    // Picture at (25, 8); its green ground is transparent.
    QCOMPARE(img.pixelColor(25 + 15, 8 + 15), corFigura);
    QCOMPARE(img.pixelColor(25, 8), Fundo);
    QCOMPARE(img.pixelColor(25 + 29, 8 + 29), Fundo);
    // Title ink only in the title's colour.
    const QRect titulo(0, 46, 80, 10);
    QVERIFY(Conta(img, corTitulo, titulo) > 0);
    QCOMPARE(Conta(img, corTitulo == Branco ? Cinza : Branco, titulo), 0);
}

void TstCommandButton::boldOnlyWhenEnabledAndHighlighted() {
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

void TstCommandButton::disabledWithoutPictureShowsNone() {
    TCena cena;
    cena.botao->SetPictureBase(Figura(30, 30, QColor(250, 200, 0)));
    cena.botao->setEnabled(false);
    const QImage img = cena.Imagem();
    QCOMPARE(Conta(img, Fundo, QRect(0, 0, 80, 46)), 80 * 46);
}

void TstCommandButton::enterLeaveRepaintOnce() {
    TCena cena;
    cena.Mostra();
    Entra(cena.botao);
    QCOMPARE(cena.botao->Pinturas, 1);
    QVERIFY(cena.botao->Destacado());
    Entra(cena.botao);
    QCOMPARE(cena.botao->Pinturas, 1);
    Sai(cena.botao);
    QCOMPARE(cena.botao->Pinturas, 2);
    QVERIFY(!cena.botao->Destacado());
    Sai(cena.botao);
    QCOMPARE(cena.botao->Pinturas, 2);
    // The flag follows the pointer on a disabled button too.
    cena.botao->setEnabled(false);
    QCoreApplication::processEvents();
    cena.botao->Pinturas = 0;
    Entra(cena.botao);
    QVERIFY(cena.botao->Destacado());
    QCOMPARE(cena.botao->Pinturas, 1);
}

void TstCommandButton::titleRepaintsOnlyOnChange() {
    TCena cena;
    cena.Mostra();
    cena.botao->SetTitle(QStringLiteral("Task Time"));
    QCOMPARE(cena.botao->Pinturas, 1);
    cena.botao->SetTitle(QStringLiteral("Task Time"));
    QCOMPARE(cena.botao->Pinturas, 1);
    const QImage figura = Figura(30, 30, Qt::red);
    cena.botao->SetPictureBase(figura);
    cena.botao->SetPictureBase(figura);
    cena.botao->SetPictureDisable(figura);
    QCOMPARE(cena.botao->Pinturas, 4);
}

void TstCommandButton::picturesAreCopies() {
    TCena cena;
    QImage figura = Figura(30, 30, QColor(250, 200, 0));
    cena.botao->SetPictureBase(figura);
    figura.fill(Qt::red);
    QCOMPARE(cena.botao->PictureBase().pixelColor(15, 15), QColor(250, 200, 0));
    QCOMPARE(cena.Imagem().pixelColor(40, 23), QColor(250, 200, 0));
}

void TstCommandButton::click_data() {
    QTest::addColumn<bool>("habilitado");
    QTest::addColumn<int>("botaoMouse");
    QTest::addColumn<QPoint>("soltura");
    QTest::addColumn<int>("cliques");
    QTest::newRow("left click") << true << int(Qt::LeftButton) << QPoint(40, 20) << 1;
    QTest::newRow("right click") << true << int(Qt::RightButton) << QPoint(40, 20) << 0;
    QTest::newRow("released outside") << true << int(Qt::LeftButton) << QPoint(90, 20) << 0;
    QTest::newRow("disabled") << false << int(Qt::LeftButton) << QPoint(40, 20) << 0;
}

void TstCommandButton::click() {
    QFETCH(bool, habilitado);
    QFETCH(int, botaoMouse);
    QFETCH(QPoint, soltura);
    QFETCH(int, cliques);
    TCena cena;
    cena.Mostra();
    int n = 0;
    QObject* remetente = nullptr;
    cena.botao->OnClick = [&](QObject* sender) {
        ++n;
        remetente = sender;
    };
    cena.botao->setEnabled(habilitado);
    const auto b = Qt::MouseButton(botaoMouse);
    QTest::mousePress(cena.botao, b, {}, QPoint(40, 20));
    QTest::mouseRelease(cena.botao, b, {}, soltura);
    QCOMPARE(n, cliques);
    if (cliques) {
        QCOMPARE(remetente, cena.botao);
    }
}

QTEST_MAIN(TstCommandButton)
#include "tst_command_button.moc"
