// SPDX-License-Identifier: GPL-3.0-or-later
// Vertical drawing panel: button styles and visibility, unclamped offsets,
// hover scrolling, press translation and the transparent drawing area.
#include "controls/PainelDesenho.h"

#include <QCursor>
#include <QMimeData>
#include <QPainter>
#include <QtTest>
#include <climits>

namespace {

const QColor Marca(255, 0, 0);

// Content: a red strip at content rows 0..9; the rest left unpainted.
class TPainelTeste : public TPainelDesenhoVertical {
public:
    TPainelTeste(QWidget* parent, std::uint8_t estilo, int passo, bool fundoVerde = false)
        : TPainelDesenhoVertical(parent), FFundoVerde(fundoVerde) {
        SetEstiloBotoes(estilo);
        SetPassoRolagem(passo);
        CriaControles();
    }

    using TPainelDesenhoVertical::MouseSobreBotao;

    struct TClique {
        TEstadoShift Shift;
        int X, Y;
    };
    QList<TClique> Cliques;
    QWidget* Fundo = nullptr;

protected:
    void CriaControles() override {
        if (FFundoVerde) {
            Fundo = new QWidget(this);
            Fundo->setAutoFillBackground(true);
            QPalette p = Fundo->palette();
            p.setColor(QPalette::Window, QColor(0, 128, 0));
            Fundo->setPalette(p);
            Fundo->setGeometry(rect());
        }
        TPainelDesenhoVertical::CriaControles();
    }
    void DesenhaConteudo(QPainter& canvas, int deslocamento) override {
        canvas.fillRect(0, 0 - deslocamento, AreaDesenho()->width(), 10, Marca);
    }
    void TrataClique(const TEstadoShift& shift, int x, int y) override {
        Cliques.append({shift, x, y});
    }

private:
    bool FFundoVerde;
};

struct TCena {
    QWidget host;
    TPainelTeste* painel;
    explicit TCena(std::uint8_t estilo = 1, int passo = 20, QSize tamanho = QSize(200, 100),
                   bool fundoVerde = false) {
        host.resize(tamanho);
        painel = new TPainelTeste(&host, estilo, passo, fundoVerde);
    }
    bool Mostra() {
        host.show();
        return QTest::qWaitForWindowExposed(&host);
    }
    bool Sobe() const { return !painel->BotaoSobe()->isHidden(); }
    bool Desce() const { return !painel->BotaoDesce()->isHidden(); }
    // The offset, then ^ and v for the up and down buttons shown.
    QString Estado() const {
        return QStringLiteral("%1 %2%3")
            .arg(painel->Deslocamento())
            .arg(Sobe() ? "^" : "", Desce() ? "v" : "");
    }
    // First row of the drawing area that shows the content's red strip.
    int PrimeiraLinhaMarcada() const {
        const QImage img = painel->grab().toImage();
        for (int y = 0; y < img.height(); ++y) {
            if (img.pixelColor(100, y) == Marca) {
                return y;
            }
        }
        return -1;
    }
};

void MoveSobre(QWidget* w) {
    QMouseEvent e(QEvent::MouseMove, QPointF(3, 3), w->mapToGlobal(QPointF(3, 3)), Qt::NoButton,
                  Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &e);
}

// Moves the pointer to p on w; false when the platform does not move it.
bool PonteiroEm(QWidget* w, QPoint p) {
    QCursor::setPos(w->mapToGlobal(p));
    return QCursor::pos() == w->mapToGlobal(p);
}

} // namespace

class TstPainelDesenho : public QObject {
    Q_OBJECT
private slots:
    void AnEmptyPanelShowsNoScrollButton();
    void ScrollingStaysWithinTheContentAndShowsTheButtonsThatApply_data();
    void ScrollingStaysWithinTheContentAndShowsTheButtonsThatApply();
    void EachStylePlacesItsButtonsAndRelaysThemOnResize_data();
    void EachStylePlacesItsButtonsAndRelaysThemOnResize();
    void AShownEdgeStripTakesItsRoomFromTheDrawingArea();
    void RestingThePointerOnAButtonScrolls_data();
    void RestingThePointerOnAButtonScrolls();
    void TheTimerKeepsScrollingWhileThePointerRests();
    void APointerCountsAsOverAButtonOnlyInsideIt_data();
    void APointerCountsAsOverAButtonOnlyInsideIt();
    void APressIsReportedInContentCoordinates_data();
    void APressIsReportedInContentCoordinates();
    void OnlyTheSecondPressOfADoubleClickIsFlagged();
    void TheScrollButtonsShowTheirArrowsWithWhiteClear_data();
    void TheScrollButtonsShowTheirArrowsWithWhiteClear();
    void TheDrawingAreaShowsWidgetsBeneathIt();
    void DragsAskTheHooksAtEveryPointAndDropOnlyWhereAllowed();
    void ExtremeSizesSaturateInsteadOfOverflowing();
};

// guards against scroll buttons shown over a panel with nothing to scroll
void TstPainelDesenho::AnEmptyPanelShowsNoScrollButton() {
    for (std::uint8_t estilo : {0, 1, 2}) {
        TCena cena(estilo);
        QVERIFY(cena.Mostra());
        QCOMPARE(cena.Estado(), QStringLiteral("0 "));
        QCOMPARE(cena.PrimeiraLinhaMarcada(), 0);
    }
}

void TstPainelDesenho::ScrollingStaysWithinTheContentAndShowsTheButtonsThatApply_data() {
    // Steps: a number sets the content height; e scrolls to the end, u and d
    // scroll one step, b clicks the down button, r shows the panel 300 high.
    QTest::addColumn<QString>("passos");
    QTest::addColumn<QStringList>("estados");
    using S = QStringList;
    // Panel 200 x 100, step 20.
    QTest::newRow("130: up at the top, end, then up past the top")
        << "130 u e u u u b" << S{"0 v", "0 v", "30 ^", "10 ^v", "-10 v", "-10 v", "10 ^v"};
    QTest::newRow("down stops at the end, the last step may pass it")
        << "120 d d 125 d" << S{"0 v", "20 ^", "20 ^", "20 ^v", "40 ^"};
    QTest::newRow("short content anchored at the bottom") << "40 e" << S{"0 ", "-60 "};
    QTest::newRow("content change keeps the offset")
        << "300 d d 50 r" << S{"0 v", "20 ^v", "40 ^v", "40 ^", "40 ^"};
}

// guards against an offset scrolled past either end, or a button shown with nowhere to go
void TstPainelDesenho::ScrollingStaysWithinTheContentAndShowsTheButtonsThatApply() {
    QFETCH(QString, passos);
    QFETCH(QStringList, estados);
    TCena cena(1, 20);
    QStringList obtidos;
    for (const QString& passo : passos.split(QLatin1Char(' '))) {
        if (passo == QLatin1String("e")) {
            cena.painel->RolaParaFim();
        } else if (passo == QLatin1String("u")) {
            cena.painel->RolaParaCima();
        } else if (passo == QLatin1String("d")) {
            cena.painel->RolaParaBaixo();
        } else if (passo == QLatin1String("b")) {
            cena.painel->BotaoDesce()->click();
        } else if (passo == QLatin1String("r")) {
            cena.host.resize(200, 300);
            QVERIFY(cena.Mostra());
        } else {
            cena.painel->SetAlturaConteudo(passo.toInt());
        }
        obtidos << cena.Estado();
    }
    QCOMPARE(obtidos, estados);
    const int deslocamento = cena.painel->Deslocamento();
    if (deslocamento <= 0) {
        QCOMPARE(cena.PrimeiraLinhaMarcada(), -deslocamento);
    }
}

void TstPainelDesenho::EachStylePlacesItsButtonsAndRelaysThemOnResize_data() {
    QTest::addColumn<int>("estilo");
    QTest::addColumn<QRect>("sobe");
    QTest::addColumn<QRect>("desce");
    QTest::addColumn<QRect>("area");
    // Panel 200 x 100, both buttons visible.
    QTest::newRow("style 0") << 0 << QRect(0, 0, 200, 10) << QRect(0, 90, 200, 10)
                             << QRect(0, 10, 200, 80);
    QTest::newRow("style 1") << 1 << QRect(178, 2, 20, 20) << QRect(178, 78, 20, 20)
                             << QRect(0, 0, 200, 100);
    QTest::newRow("style 2") << 2 << QRect(186, 2, 12, 12) << QRect(186, 86, 12, 12)
                             << QRect(0, 0, 200, 100);
    // An unknown style leaves the buttons where style 2 put them at 120 x 60.
    QTest::newRow("unknown style")
        << 9 << QRect(106, 2, 12, 12) << QRect(106, 46, 12, 12) << QRect(0, 0, 200, 100);
}

// guards against buttons left where an earlier size or style put them
void TstPainelDesenho::EachStylePlacesItsButtonsAndRelaysThemOnResize() {
    QFETCH(int, estilo);
    QFETCH(QRect, sobe);
    QFETCH(QRect, desce);
    QFETCH(QRect, area);
    TCena cena(estilo == 9 ? 2 : std::uint8_t(estilo), 20, QSize(120, 60));
    cena.painel->SetEstiloBotoes(std::uint8_t(estilo));
    cena.painel->SetAlturaConteudo(1000);
    cena.painel->RolaParaBaixo();
    // The panel fills its host and lays its buttons out again on a resize.
    cena.host.resize(200, 100);
    QVERIFY(cena.Mostra());
    QCOMPARE(cena.painel->geometry(), QRect(0, 0, 200, 100));
    QCOMPARE(cena.Estado(), QStringLiteral("20 ^v"));
    QCOMPARE(cena.painel->BotaoSobe()->geometry(), sobe);
    QCOMPARE(cena.painel->BotaoDesce()->geometry(), desce);
    QCOMPARE(cena.painel->AreaDesenho()->geometry(), area);
    // The buttons lie above the drawing area.
    QCOMPARE(cena.painel->childAt(sobe.center()), cena.painel->BotaoSobe());
    QCOMPARE(cena.painel->childAt(desce.center()), cena.painel->BotaoDesce());
}

// Style 0: a shown strip takes its 10 px from the drawing area; the down
// button's visibility uses the panel height, the down action the area height.
// guards against a drawing area overlapping the edge strips, or scrolling by the wrong height
void TstPainelDesenho::AShownEdgeStripTakesItsRoomFromTheDrawingArea() {
    TCena cena(0, 20);
    cena.painel->SetAlturaConteudo(130);
    QCOMPARE(cena.Estado(), QStringLiteral("0 v"));
    QCOMPARE(cena.painel->AreaDesenho()->geometry(), QRect(0, 0, 200, 90));
    cena.painel->RolaParaBaixo();
    QCOMPARE(cena.Estado(), QStringLiteral("20 ^v")); // 130 - 20 > 100
    QCOMPARE(cena.painel->AreaDesenho()->geometry(), QRect(0, 10, 200, 80));
    cena.painel->RolaParaBaixo();                    // 80 + 20 < 130
    QCOMPARE(cena.Estado(), QStringLiteral("40 ^")); // 130 - 40 is not > 100
    QCOMPARE(cena.painel->AreaDesenho()->geometry(), QRect(0, 10, 200, 90));
    cena.painel->RolaParaBaixo(); // 90 + 40 >= 130
    QCOMPARE(cena.painel->Deslocamento(), 40);
}

void TstPainelDesenho::RestingThePointerOnAButtonScrolls_data() {
    QTest::addColumn<int>("estilo");
    QTest::addColumn<int>("automatica"); // -1: as the style leaves it
    QTest::addColumn<bool>("sobre");
    QTest::addColumn<int>("esperado");
    // From offset 40 with content 400, two pointer moves.
    QTest::newRow("up, hover on") << 2 << 1 << true << 0;
    QTest::newRow("down, hover on") << 2 << 1 << false << 80;
    QTest::newRow("up, hover off") << 2 << 0 << true << 40;
    QTest::newRow("down, hover off") << 2 << 0 << false << 40;
    QTest::newRow("style 1 hovers") << 1 << -1 << false << 80;
    QTest::newRow("style 0 turns hover off") << 0 << -1 << false << 40;
}

// guards against hover scrolling that ignores its setting or the button under the pointer
void TstPainelDesenho::RestingThePointerOnAButtonScrolls() {
    QFETCH(int, estilo);
    QFETCH(int, automatica);
    QFETCH(bool, sobre);
    QFETCH(int, esperado);
    TCena cena(std::uint8_t(estilo), 20);
    if (automatica >= 0) {
        cena.painel->SetRolagemAutomatica(automatica);
    }
    cena.painel->SetAlturaConteudo(400);
    cena.painel->RolaParaBaixo();
    cena.painel->RolaParaBaixo();
    QVERIFY(cena.Mostra());
    QWidget* botao = sobre ? cena.painel->BotaoSobe() : cena.painel->BotaoDesce();
    MoveSobre(botao);
    MoveSobre(botao);
    QCOMPARE(cena.painel->Deslocamento(), esperado);
}

// guards against hover scrolling that stops after one step, or runs when switched off
void TstPainelDesenho::TheTimerKeepsScrollingWhileThePointerRests() {
    TCena cena(2, 20);
    cena.painel->SetAlturaConteudo(1000);
    QVERIFY(cena.Mostra());
    if (!PonteiroEm(cena.painel->BotaoDesce(), QPoint(5, 5))) {
        QSKIP("the platform does not move the pointer");
    }
    QTRY_VERIFY_WITH_TIMEOUT(cena.painel->Deslocamento() >= 20, 3000);
    QCOMPARE(cena.painel->Deslocamento() % 20, 0);
    // Hover scrolling off: the timer keeps ticking and does nothing.
    cena.painel->SetRolagemAutomatica(false);
    const int parado = cena.painel->Deslocamento();
    QTest::qWait(1100);
    QCOMPARE(cena.painel->Deslocamento(), parado);
    QCursor::setPos(0, 0);
}

void TstPainelDesenho::APointerCountsAsOverAButtonOnlyInsideIt_data() {
    QTest::addColumn<QPoint>("ponto");
    QTest::addColumn<bool>("oculto");
    QTest::addColumn<bool>("esperado");
    QTest::newRow("top left") << QPoint(0, 0) << false << true;
    QTest::newRow("bottom right") << QPoint(11, 11) << false << true;
    QTest::newRow("right of it") << QPoint(12, 5) << false << false;
    QTest::newRow("below it") << QPoint(5, 12) << false << false;
    QTest::newRow("left of it") << QPoint(-1, 5) << false << false;
    QTest::newRow("hidden") << QPoint(5, 5) << true << false;
}

// guards against a button taken as hovered one pixel outside it, or missed on its edge
void TstPainelDesenho::APointerCountsAsOverAButtonOnlyInsideIt() {
    QFETCH(QPoint, ponto);
    QFETCH(bool, oculto);
    QFETCH(bool, esperado);
    TCena cena(2, 20);
    cena.painel->SetRolagemAutomatica(false);
    cena.painel->SetAlturaConteudo(oculto ? 0 : 1000);
    QVERIFY(cena.Mostra());
    if (!PonteiroEm(cena.painel->BotaoDesce(), ponto)) {
        QSKIP("the platform does not move the pointer");
    }
    QCOMPARE(cena.painel->MouseSobreBotao(cena.painel->BotaoDesce()), esperado);
    QCursor::setPos(0, 0);
}

void TstPainelDesenho::APressIsReportedInContentCoordinates_data() {
    QTest::addColumn<int>("botao");
    QTest::addColumn<int>("teclas");
    QTest::newRow("left") << int(Qt::LeftButton) << int(Qt::NoModifier);
    QTest::newRow("right") << int(Qt::RightButton) << int(Qt::NoModifier);
    QTest::newRow("middle with shift") << int(Qt::MiddleButton) << int(Qt::ShiftModifier);
}

// A press 10 px below the top with offset 40 is content y 50.
// guards against presses reported in panel coordinates while the content is scrolled
void TstPainelDesenho::APressIsReportedInContentCoordinates() {
    QFETCH(int, botao);
    QFETCH(int, teclas);
    TCena cena(1, 20);
    cena.painel->SetAlturaConteudo(400);
    cena.painel->RolaParaBaixo();
    cena.painel->RolaParaBaixo();
    QVERIFY(cena.Mostra());
    const auto b = Qt::MouseButton(botao);
    const auto t = Qt::KeyboardModifiers(teclas);
    QTest::mousePress(cena.painel->AreaDesenho(), b, t, QPoint(7, 10));
    QCOMPARE(cena.painel->Cliques.size(), 1);
    const auto& c = cena.painel->Cliques.first();
    QCOMPARE(QPoint(c.X, c.Y), QPoint(7, 50));
    QVERIFY(c.Shift.Botoes & b);
    QCOMPARE(c.Shift.Teclas, t);
    QVERIFY(!c.Shift.DuploClique);
    QTest::mouseRelease(cena.painel->AreaDesenho(), b, t, QPoint(7, 10));
}

// guards against a single click taken as a double one, or the other way round
void TstPainelDesenho::OnlyTheSecondPressOfADoubleClickIsFlagged() {
    TCena cena(1, 20);
    QVERIFY(cena.Mostra());
    // The first press and release, then the second press of a double click.
    QTest::mouseClick(cena.painel->AreaDesenho(), Qt::LeftButton, {}, QPoint(4, 4));
    QTest::mouseDClick(cena.painel->AreaDesenho(), Qt::LeftButton, {}, QPoint(4, 4));
    const auto& cliques = cena.painel->Cliques;
    QCOMPARE(cliques.size(), 2);
    QVERIFY(!cliques.first().Shift.DuploClique);
    QVERIFY(cliques.last().Shift.DuploClique);
    QCOMPARE(cliques.last().Y, 4);
}

void TstPainelDesenho::TheScrollButtonsShowTheirArrowsWithWhiteClear_data() {
    QTest::addColumn<bool>("sobe");
    QTest::newRow("UP") << true;
    QTest::newRow("DOWN") << false;
}

// A 7 x 4 black triangle on white; the buttons show it with white clear.
// guards against arrows drawn with their white ground, or the wrong way up
void TstPainelDesenho::TheScrollButtonsShowTheirArrowsWithWhiteClear() {
    QFETCH(bool, sobe);
    const QImage glifo(sobe ? QStringLiteral(":/UP.bmp") : QStringLiteral(":/DOWN.bmp"));
    QCOMPARE(glifo.size(), QSize(7, 4));
    const int ponta = sobe ? 0 : 3;
    QCOMPARE(glifo.pixelColor(3, ponta), QColor(0, 0, 0));
    QCOMPARE(glifo.pixelColor(2, ponta), QColor(255, 255, 255));
    QCOMPARE(glifo.pixelColor(0, 3 - ponta), QColor(0, 0, 0));
    TCena cena(1);
    const QToolButton* botao = sobe ? cena.painel->BotaoSobe() : cena.painel->BotaoDesce();
    const QImage mostrado = botao->icon().pixmap(QSize(7, 4)).toImage();
    QCOMPARE(mostrado.pixelColor(0, ponta).alpha(), 0);
    QCOMPARE(mostrado.pixelColor(3, ponta).alpha(), 255);
}

// The drawing area paints no background: a widget created beneath it shows.
// guards against a drawing area that paints over the backdrop beneath it
void TstPainelDesenho::TheDrawingAreaShowsWidgetsBeneathIt() {
    TCena cena(1, 20, QSize(200, 100), true);
    const QImage img = cena.painel->grab().toImage();
    QCOMPARE(img.pixelColor(50, 5), Marca);
    QCOMPARE(img.pixelColor(50, 50), QColor(0, 128, 0));
    QCOMPARE(cena.painel->childAt(50, 50), cena.painel->AreaDesenho());
}

// guards against drops accepted where the hook refused, or moves no longer asked after a refusal
void TstPainelDesenho::DragsAskTheHooksAtEveryPointAndDropOnlyWhereAllowed() {
    TCena cena(1);
    TAreaDesenho* area = cena.painel->AreaDesenho();
    QPoint largado(-1, -1);
    area->OnDragOver = [](QObject*, int x, int) { return x < 50; };
    area->OnDragDrop = [&](QObject*, int x, int y) { largado = QPoint(x, y); };
    QMimeData dados;
    // Every answer covers only its own point, so the next move is asked again.
    const auto move = [&](QPoint p, bool aceito) {
        QDragMoveEvent e(p, Qt::MoveAction, &dados, Qt::LeftButton, {});
        QCoreApplication::sendEvent(area, &e);
        QCOMPARE(e.isAccepted(), aceito);
        QCOMPARE(e.answerRect(), QRect(p, QSize(1, 1)));
    };
    const auto larga = [&](QPoint p) {
        QDropEvent e(QPointF(p), Qt::MoveAction, &dados, Qt::LeftButton, {});
        QCoreApplication::sendEvent(area, &e);
        return e.isAccepted();
    };
    QDragEnterEvent entra(QPoint(10, 10), Qt::MoveAction, &dados, Qt::LeftButton, {});
    QCoreApplication::sendEvent(area, &entra);
    QVERIFY(entra.isAccepted());
    move(QPoint(80, 10), false);
    move(QPoint(20, 30), true);
    larga(QPoint(20, 30));
    QCOMPARE(largado, QPoint(20, 30));
    // A drop where no drop is allowed does nothing.
    QVERIFY(!larga(QPoint(80, 30)));
    QCOMPARE(largado, QPoint(20, 30));
    // Entering where no drop is allowed still takes the enter, without an
    // action, so that the moves towards an allowed point keep coming.
    QDragEnterEvent entraFora(QPoint(90, 10), Qt::MoveAction, &dados, Qt::LeftButton, {});
    QCoreApplication::sendEvent(area, &entraFora);
    QVERIFY(entraFora.isAccepted());
    QCOMPARE(entraFora.dropAction(), Qt::IgnoreAction);
    QCOMPARE(entraFora.answerRect(), QRect(90, 10, 1, 1));
}

// Offsets stay within 32 bits whatever heights and steps are given.
// guards against offsets that overflow 32 bits for huge heights or steps
void TstPainelDesenho::ExtremeSizesSaturateInsteadOfOverflowing() {
    TCena cena(1, INT_MAX);
    cena.painel->SetAlturaConteudo(INT_MAX);
    cena.painel->RolaParaFim();
    QCOMPARE(cena.painel->Deslocamento(), INT_MAX - 100);
    cena.painel->RolaParaCima();
    QCOMPARE(cena.painel->Deslocamento(), -100);
    cena.painel->SetAlturaConteudo(INT_MIN);
    cena.painel->RolaParaFim();
    QCOMPARE(cena.Estado(), QStringLiteral("%1 ").arg(INT_MIN));
    cena.painel->SetAlturaConteudo(INT_MAX);
    cena.painel->RolaParaBaixo();
    cena.painel->RolaParaBaixo();
    QCOMPARE(cena.painel->Deslocamento(), INT_MAX - 1);
    QTest::mousePress(cena.painel->AreaDesenho(), Qt::LeftButton, {}, QPoint(1, 90));
    QCOMPARE(cena.painel->Cliques.last().Y, INT_MAX);
}

QTEST_MAIN(TstPainelDesenho)
#include "tst_painel_desenho.moc"
