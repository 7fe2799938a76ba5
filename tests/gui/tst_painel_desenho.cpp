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

} // namespace

class TstPainelDesenho : public QObject {
    Q_OBJECT
private slots:
    void defaults();
    void emptyPanelShowsNoButton();
    void scrollExample();
    void downStopsAtEnd();
    void shortContentAnchoredAtBottom();
    void contentChangeKeepsOffset();
    void buttonGeometry_data();
    void buttonGeometry();
    void edgeStripsTakeSpace();
    void unknownStyleLeavesButtons();
    void hoverSwitch();
    void hoverScrolls_data();
    void hoverScrolls();
    void timerScrollsWhilePointerRests();
    void mouseOverButtonBounds_data();
    void mouseOverButtonBounds();
    void pressTranslation_data();
    void pressTranslation();
    void doublePressFlag();
    void glyphs_data();
    void glyphs();
    void areaShowsWidgetsBeneath();
    void fillsParent();
    void dragHooks();
    void extremeSizesSaturate();
};

void TstPainelDesenho::defaults() {
    QWidget host;
    TPainelTeste painel(&host, 1, 20);
    QCOMPARE(painel.Deslocamento(), 0);
    QCOMPARE(painel.AlturaConteudo(), 0);
    QCOMPARE(painel.PassoRolagem(), 20);
    QVERIFY(painel.RolagemAutomatica());
    QCOMPARE(painel.Temporizador()->interval(), 500);
    QVERIFY(painel.Temporizador()->isActive());
}

void TstPainelDesenho::emptyPanelShowsNoButton() {
    for (std::uint8_t estilo : {0, 1, 2}) {
        TCena cena(estilo);
        QVERIFY(cena.Mostra());
        QVERIFY(!cena.painel->BotaoSobe()->isVisible());
        QVERIFY(!cena.painel->BotaoDesce()->isVisible());
        QCOMPARE(cena.PrimeiraLinhaMarcada(), 0);
    }
}

void TstPainelDesenho::scrollExample() {
    TCena cena(1, 20);
    cena.painel->SetAlturaConteudo(130);
    QVERIFY(!cena.Sobe());
    QVERIFY(cena.Desce());
    cena.painel->RolaParaFim();
    QCOMPARE(cena.painel->Deslocamento(), 30);
    QVERIFY(cena.Sobe());
    QVERIFY(!cena.Desce());
    cena.painel->RolaParaCima();
    QCOMPARE(cena.painel->Deslocamento(), 10);
    QVERIFY(cena.Sobe());
    QVERIFY(cena.Desce());
    cena.painel->RolaParaCima();
    QCOMPARE(cena.painel->Deslocamento(), -10);
    QVERIFY(!cena.Sobe());
    QCOMPARE(cena.PrimeiraLinhaMarcada(), 10);
    // No further up step from a negative offset.
    cena.painel->RolaParaCima();
    QCOMPARE(cena.painel->Deslocamento(), -10);
    // A click on a button runs its action.
    cena.painel->BotaoDesce()->click();
    QCOMPARE(cena.painel->Deslocamento(), 10);
}

void TstPainelDesenho::downStopsAtEnd() {
    TCena cena(1, 20);
    cena.painel->SetAlturaConteudo(120);
    cena.painel->RolaParaBaixo();
    QCOMPARE(cena.painel->Deslocamento(), 20);
    // Area height + offset equals the content height: nothing happens.
    cena.painel->RolaParaBaixo();
    QCOMPARE(cena.painel->Deslocamento(), 20);
    // The last step may pass the end.
    cena.painel->SetAlturaConteudo(125);
    cena.painel->RolaParaBaixo();
    QCOMPARE(cena.painel->Deslocamento(), 40);
}

void TstPainelDesenho::shortContentAnchoredAtBottom() {
    TCena cena(1, 20);
    cena.painel->SetAlturaConteudo(40);
    cena.painel->RolaParaFim();
    QCOMPARE(cena.painel->Deslocamento(), -60);
    QVERIFY(!cena.Sobe());
    QVERIFY(!cena.Desce());
    QCOMPARE(cena.PrimeiraLinhaMarcada(), 60);
}

void TstPainelDesenho::contentChangeKeepsOffset() {
    TCena cena(1, 20);
    cena.painel->SetAlturaConteudo(300);
    cena.painel->RolaParaBaixo();
    cena.painel->RolaParaBaixo();
    cena.painel->SetAlturaConteudo(50);
    QCOMPARE(cena.painel->Deslocamento(), 40);
    QVERIFY(cena.Sobe());
    QVERIFY(!cena.Desce());
    cena.host.resize(200, 300);
    QVERIFY(cena.Mostra());
    QCOMPARE(cena.painel->Deslocamento(), 40);
}

void TstPainelDesenho::buttonGeometry_data() {
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
}

void TstPainelDesenho::buttonGeometry() {
    QFETCH(int, estilo);
    QFETCH(QRect, sobe);
    QFETCH(QRect, desce);
    QFETCH(QRect, area);
    TCena cena(std::uint8_t(estilo), 20, QSize(120, 60));
    cena.painel->SetAlturaConteudo(1000);
    cena.painel->RolaParaBaixo();
    // Laid out again on a resize.
    cena.host.resize(200, 100);
    QVERIFY(cena.Mostra());
    QVERIFY(cena.Sobe());
    QVERIFY(cena.Desce());
    QCOMPARE(cena.painel->BotaoSobe()->geometry(), sobe);
    QCOMPARE(cena.painel->BotaoDesce()->geometry(), desce);
    QCOMPARE(cena.painel->AreaDesenho()->geometry(), area);
    // The buttons lie above the drawing area.
    QCOMPARE(cena.painel->childAt(sobe.center()), cena.painel->BotaoSobe());
    QCOMPARE(cena.painel->childAt(desce.center()), cena.painel->BotaoDesce());
    QVERIFY(cena.painel->BotaoSobe()->autoRaise());
}

// Style 0: a shown strip takes its 10 px from the drawing area; the down
// button's visibility uses the panel height, the down action the area height.
void TstPainelDesenho::edgeStripsTakeSpace() {
    TCena cena(0, 20);
    cena.painel->SetAlturaConteudo(130);
    QVERIFY(!cena.Sobe());
    QVERIFY(cena.Desce());
    QCOMPARE(cena.painel->AreaDesenho()->geometry(), QRect(0, 0, 200, 90));
    cena.painel->RolaParaBaixo();
    QCOMPARE(cena.painel->Deslocamento(), 20);
    QVERIFY(cena.Sobe());
    QVERIFY(cena.Desce()); // 130 - 20 > 100
    QCOMPARE(cena.painel->AreaDesenho()->geometry(), QRect(0, 10, 200, 80));
    cena.painel->RolaParaBaixo(); // 80 + 20 < 130
    QCOMPARE(cena.painel->Deslocamento(), 40);
    QVERIFY(!cena.Desce()); // 130 - 40 is not > 100
    QCOMPARE(cena.painel->AreaDesenho()->geometry(), QRect(0, 10, 200, 90));
    cena.painel->RolaParaBaixo(); // 90 + 40 >= 130
    QCOMPARE(cena.painel->Deslocamento(), 40);
}

void TstPainelDesenho::unknownStyleLeavesButtons() {
    TCena cena(2, 20);
    cena.painel->SetEstiloBotoes(9);
    cena.host.resize(300, 150);
    QVERIFY(cena.Mostra());
    QCOMPARE(cena.painel->BotaoSobe()->geometry(), QRect(186, 2, 12, 12));
    QCOMPARE(cena.painel->AreaDesenho()->geometry(), QRect(0, 0, 300, 150));
}

void TstPainelDesenho::hoverSwitch() {
    QWidget host;
    TPainelTeste painel(&host, 0, 20);
    QVERIFY(!painel.RolagemAutomatica());
    painel.SetRolagemAutomatica(true);
    QVERIFY(painel.RolagemAutomatica());
    painel.SetEstiloBotoes(2);
    QVERIFY(painel.RolagemAutomatica());
    painel.SetRolagemAutomatica(false);
    QCOMPARE(painel.EstiloBotoes(), std::uint8_t(2));
    QVERIFY(!painel.RolagemAutomatica());
}

void TstPainelDesenho::hoverScrolls_data() {
    QTest::addColumn<bool>("automatica");
    QTest::addColumn<bool>("sobre");
    QTest::addColumn<int>("esperado");
    // From offset 40 with content 400, two pointer moves.
    QTest::newRow("up, hover on") << true << true << 0;
    QTest::newRow("down, hover on") << true << false << 80;
    QTest::newRow("up, hover off") << false << true << 40;
    QTest::newRow("down, hover off") << false << false << 40;
}

void TstPainelDesenho::hoverScrolls() {
    QFETCH(bool, automatica);
    QFETCH(bool, sobre);
    QFETCH(int, esperado);
    TCena cena(2, 20);
    cena.painel->SetRolagemAutomatica(automatica);
    cena.painel->SetAlturaConteudo(400);
    cena.painel->RolaParaBaixo();
    cena.painel->RolaParaBaixo();
    QVERIFY(cena.Mostra());
    QWidget* botao = sobre ? cena.painel->BotaoSobe() : cena.painel->BotaoDesce();
    MoveSobre(botao);
    MoveSobre(botao);
    QCOMPARE(cena.painel->Deslocamento(), esperado);
}

void TstPainelDesenho::timerScrollsWhilePointerRests() {
    TCena cena(2, 20);
    cena.painel->SetAlturaConteudo(1000);
    QVERIFY(cena.Mostra());
    const QWidget* desce = cena.painel->BotaoDesce();
    QCursor::setPos(desce->mapToGlobal(QPoint(5, 5)));
    if (QCursor::pos() != desce->mapToGlobal(QPoint(5, 5))) {
        QSKIP("the platform does not move the pointer");
    }
    QTRY_VERIFY_WITH_TIMEOUT(cena.painel->Deslocamento() >= 20, 3000);
    QCOMPARE(cena.painel->Deslocamento() % 20, 0);

    // Hover scrolling off: the timer keeps ticking and does nothing.
    cena.painel->SetRolagemAutomatica(false);
    const int parado = cena.painel->Deslocamento();
    QTest::qWait(1100);
    QCOMPARE(cena.painel->Deslocamento(), parado);
    QVERIFY(cena.painel->Temporizador()->isActive());
    QCursor::setPos(0, 0);
}

void TstPainelDesenho::mouseOverButtonBounds_data() {
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

void TstPainelDesenho::mouseOverButtonBounds() {
    QFETCH(QPoint, ponto);
    QFETCH(bool, oculto);
    QFETCH(bool, esperado);
    TCena cena(2, 20);
    cena.painel->SetRolagemAutomatica(false);
    cena.painel->SetAlturaConteudo(oculto ? 0 : 1000);
    QVERIFY(cena.Mostra());
    const QToolButton* desce = cena.painel->BotaoDesce();
    QCursor::setPos(desce->mapToGlobal(ponto));
    if (QCursor::pos() != desce->mapToGlobal(ponto)) {
        QSKIP("the platform does not move the pointer");
    }
    QCOMPARE(cena.painel->MouseSobreBotao(desce), esperado);
    QCursor::setPos(0, 0);
}

void TstPainelDesenho::pressTranslation_data() {
    QTest::addColumn<int>("botao");
    QTest::addColumn<int>("teclas");
    QTest::newRow("left") << int(Qt::LeftButton) << int(Qt::NoModifier);
    QTest::newRow("right") << int(Qt::RightButton) << int(Qt::NoModifier);
    QTest::newRow("middle with shift") << int(Qt::MiddleButton) << int(Qt::ShiftModifier);
}

// A press 10 px below the top with offset 40 is content y 50.
void TstPainelDesenho::pressTranslation() {
    QFETCH(int, botao);
    QFETCH(int, teclas);
    TCena cena(1, 20);
    cena.painel->SetAlturaConteudo(400);
    cena.painel->RolaParaBaixo();
    cena.painel->RolaParaBaixo();
    QVERIFY(cena.Mostra());
    QTest::mousePress(cena.painel->AreaDesenho(), Qt::MouseButton(botao),
                      Qt::KeyboardModifiers(teclas), QPoint(7, 10));
    QCOMPARE(cena.painel->Cliques.size(), 1);
    const auto& c = cena.painel->Cliques.first();
    QCOMPARE(c.X, 7);
    QCOMPARE(c.Y, 50);
    QVERIFY(c.Shift.Botoes & Qt::MouseButton(botao));
    QCOMPARE(c.Shift.Teclas, Qt::KeyboardModifiers(teclas));
    QVERIFY(!c.Shift.DuploClique);
    QTest::mouseRelease(cena.painel->AreaDesenho(), Qt::MouseButton(botao),
                        Qt::KeyboardModifiers(teclas), QPoint(7, 10));
}

void TstPainelDesenho::doublePressFlag() {
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

void TstPainelDesenho::glyphs_data() {
    QTest::addColumn<QString>("recurso");
    QTest::addColumn<int>("linhaLarga");
    QTest::newRow("UP") << QStringLiteral(":/UP.bmp") << 3;
    QTest::newRow("DOWN") << QStringLiteral(":/DOWN.bmp") << 0;
}

// A 7 x 4 black triangle on white; the buttons show it with white clear.
void TstPainelDesenho::glyphs() {
    QFETCH(QString, recurso);
    QFETCH(int, linhaLarga);
    const QImage glifo(recurso);
    if (glifo.isNull()) {
        QSKIP("glyph pictures not stored with the program yet");
    }
    QCOMPARE(glifo.size(), QSize(7, 4));
    for (int x = 0; x < 7; ++x) {
        QCOMPARE(glifo.pixelColor(x, linhaLarga), QColor(0, 0, 0));
    }
    const int ponta = 3 - linhaLarga;
    QCOMPARE(glifo.pixelColor(3, ponta), QColor(0, 0, 0));
    QCOMPARE(glifo.pixelColor(2, ponta), QColor(255, 255, 255));

    TCena cena(1);
    QToolButton* botao = recurso.contains(QLatin1String("UP")) ? cena.painel->BotaoSobe()
                                                               : cena.painel->BotaoDesce();
    QVERIFY(!botao->icon().isNull());
    const QImage mostrado = botao->icon().pixmap(QSize(7, 4)).toImage();
    QCOMPARE(mostrado.pixelColor(0, ponta).alpha(), 0);
    QCOMPARE(mostrado.pixelColor(3, ponta).alpha(), 255);
}

// The drawing area paints no background: a widget created beneath it shows.
void TstPainelDesenho::areaShowsWidgetsBeneath() {
    TCena cena(1, 20, QSize(200, 100), true);
    QVERIFY(cena.painel->Fundo);
    const QImage img = cena.painel->grab().toImage();
    QCOMPARE(img.pixelColor(50, 5), Marca);
    QCOMPARE(img.pixelColor(50, 50), QColor(0, 128, 0));
    QCOMPARE(cena.painel->childAt(50, 50), cena.painel->AreaDesenho());
}

void TstPainelDesenho::fillsParent() {
    TCena cena(1);
    QCOMPARE(cena.painel->geometry(), QRect(0, 0, 200, 100));
    QVERIFY(cena.Mostra());
    cena.host.resize(320, 55);
    QCOMPARE(cena.painel->geometry(), QRect(0, 0, 320, 55));
    QCOMPARE(cena.painel->AreaDesenho()->geometry(), QRect(0, 0, 320, 55));
    QCOMPARE(cena.painel->BotaoDesce()->geometry(), QRect(298, 33, 20, 20));
}

void TstPainelDesenho::dragHooks() {
    TCena cena(1);
    TAreaDesenho* area = cena.painel->AreaDesenho();
    QVERIFY(area->acceptDrops());
    QPoint largado(-1, -1);
    area->OnDragOver = [](QObject*, int x, int) { return x < 50; };
    area->OnDragDrop = [&](QObject*, int x, int y) { largado = QPoint(x, y); };
    QMimeData dados;
    QDragEnterEvent entra(QPoint(10, 10), Qt::MoveAction, &dados, Qt::LeftButton, {});
    QCoreApplication::sendEvent(area, &entra);
    QVERIFY(entra.isAccepted());
    QDragMoveEvent fora(QPoint(80, 10), Qt::MoveAction, &dados, Qt::LeftButton, {});
    QCoreApplication::sendEvent(area, &fora);
    QVERIFY(!fora.isAccepted());
    // Every answer covers only its own point, so the next move is asked again.
    QCOMPARE(fora.answerRect(), QRect(80, 10, 1, 1));
    QDragMoveEvent dentro(QPoint(20, 30), Qt::MoveAction, &dados, Qt::LeftButton, {});
    QCoreApplication::sendEvent(area, &dentro);
    QVERIFY(dentro.isAccepted());
    QCOMPARE(dentro.answerRect(), QRect(20, 30, 1, 1));
    QDropEvent larga(QPointF(20, 30), Qt::MoveAction, &dados, Qt::LeftButton, {});
    QCoreApplication::sendEvent(area, &larga);
    QCOMPARE(largado, QPoint(20, 30));
    // A drop where no drop is allowed does nothing.
    QDropEvent largaFora(QPointF(80, 30), Qt::MoveAction, &dados, Qt::LeftButton, {});
    QCoreApplication::sendEvent(area, &largaFora);
    QVERIFY(!largaFora.isAccepted());
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
void TstPainelDesenho::extremeSizesSaturate() {
    TCena cena(1, INT_MAX);
    cena.painel->SetAlturaConteudo(INT_MAX);
    cena.painel->RolaParaFim();
    QCOMPARE(cena.painel->Deslocamento(), INT_MAX - 100);
    QVERIFY(cena.Sobe());
    cena.painel->RolaParaCima();
    QCOMPARE(cena.painel->Deslocamento(), -100);
    cena.painel->SetAlturaConteudo(INT_MIN);
    cena.painel->RolaParaFim();
    QCOMPARE(cena.painel->Deslocamento(), INT_MIN);
    QVERIFY(!cena.Sobe());
    QVERIFY(!cena.Desce());
    cena.painel->SetAlturaConteudo(INT_MAX);
    cena.painel->RolaParaBaixo();
    cena.painel->RolaParaBaixo();
    QCOMPARE(cena.painel->Deslocamento(), INT_MAX - 1);
    QTest::mousePress(cena.painel->AreaDesenho(), Qt::LeftButton, {}, QPoint(1, 90));
    QCOMPARE(cena.painel->Cliques.last().Y, INT_MAX);
}

QTEST_MAIN(TstPainelDesenho)
#include "tst_painel_desenho.moc"
