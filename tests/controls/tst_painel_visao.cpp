// SPDX-License-Identifier: GPL-3.0-or-later
// The team panel, rendered offscreen with the scenario's developers.
#include "controls/PainelVisao.h"
#include "controls/mDesenvolvedorVisao.h"
#include "controls/mVisaoBandeira.h"
#include "controls/mVisaoTermometro.h"
#include "figuras/ImagensDesenvolvedor.h"
#include "model/mDesenvolvedor.h"
#include "model/mProjeto.h"
#include "model/mSimulador.h"
#include "tests/apoio/Pintura.h"

#include <QApplication>
#include <QDrag>
#include <QMimeData>
#include <QtTest>
#include <memory>

namespace {

const QRgb Cinza = qRgb(128, 128, 128);
const QRgb Vermelho = qRgb(255, 0, 0);

// A thermometer and a flag whose answers the test sets.
class TTermometroFixo : public TVisaoTermometro {
public:
    TTermometroFixo(TColor cor, const double* valor)
        : TVisaoTermometro(cor, 0.0, 50.0), FValor(valor) {}
    double Valor(const void*) const override { return *FValor; }

private:
    const double* FValor;
};

class TBandeiraFixa : public TVisaoBandeira {
public:
    TBandeiraFixa(const QString& arquivo, const bool* visivel)
        : TVisaoBandeira(arquivo), FVisivel(visivel) {}
    bool Visivel(const void*) const override { return *FVisivel; }

private:
    const bool* FVisivel;
};

// Developers as objects, with as many thermometers and flags as asked.
class TControladorTeste : public TControladorVisao {
public:
    double Valores[2] = {0.0, 0.0};
    bool Visiveis[2] = {false, false};

    TControladorTeste(int termometros, int bandeiras) {
        const TColor cores[2] = {clRed, clLime};
        for (int j = 0; j < termometros; ++j) {
            AdicionaTermometro(std::make_unique<TTermometroFixo>(cores[j], &Valores[j]));
        }
        const QString arquivos[2] = {QStringLiteral("imagens/bd_trabalhoduro.bmp"),
                                     QStringLiteral("imagens/bd_escravidao.bmp")};
        for (int k = 0; k < bandeiras; ++k) {
            AdicionaBandeira(std::make_unique<TBandeiraFixa>(arquivos[k], &Visiveis[k]));
        }
    }
    QString NomeObjeto(const void* o) const override {
        return static_cast<const TDesenvolvedor*>(o)->Nome();
    }
    const QImage& ImagemObjeto(const void* o) const override {
        return static_cast<const TDesenvolvedor*>(o)->ImagemPequena();
    }
};

// Counts the drags instead of running one.
class TPainelVisaoTeste : public TPainelVisao {
public:
    using TPainelVisao::TPainelVisao;
    int Arrastos = 0;
    bool ArrastoReal = false;

protected:
    void IniciaArrasto() override {
        ++Arrastos;
        if (ArrastoReal) {
            TPainelVisao::IniciaArrasto();
        }
    }
};

void Move(QWidget* w, QPoint p, Qt::MouseButtons botoes = Qt::NoButton) {
    QMouseEvent e(QEvent::MouseMove, QPointF(p), w->mapToGlobal(QPointF(p)), Qt::NoButton, botoes,
                  Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

// Every point of the list has the colour.
void Confere(const QImage& q, QRgb cor, const QList<QPoint>& pontos) {
    for (const QPoint& p : pontos) {
        QVERIFY2(Cor(q, p.x(), p.y()) == cor,
                 qPrintable(QStringLiteral("(%1, %2): %3, expected %4")
                                .arg(p.x())
                                .arg(p.y())
                                .arg(Hex(Cor(q, p.x(), p.y())), Hex(cor))));
    }
}

// The flag places of the card at left l, top 0: the pictures given, in order,
// then silver.
void ConfereBandeiras(const QImage& q, int l, const QList<QImage>& figuras) {
    for (int lugar = 0; lugar < 2; ++lugar) {
        for (int y = 0; y < 14; ++y) {
            for (int x = 0; x < 14; ++x) {
                const QImage figura = figuras.value(lugar);
                const bool opaco = !figura.isNull() && qAlpha(figura.pixel(x, y)) == 255;
                const QRgb esperado = opaco ? (figura.pixel(x, y) | 0xff000000u) : Prata;
                QVERIFY2(Cor(q, l + 5 + 14 * lugar + x, 58 + y) == esperado,
                         qPrintable(QStringLiteral("place %1 (%2, %3)").arg(lugar).arg(x).arg(y)));
            }
        }
    }
}

} // namespace

class TstPainelVisao : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void WithNothingToShowOnlyTheBackdropShows();
    void EachCardHasItsPlaceAndSize();
    void ACardShowsItsPictureAndBothThermometers();
    void ThermometerBarsRiseWithTheirValues_data();
    void ThermometerBarsRiseWithTheirValues();
    void TheVisibleFlagsAreDrawnOnTheCard_data();
    void TheVisibleFlagsAreDrawnOnTheCard();
    void ADeveloperIsFoundByAnyPointOfTheirCard_data();
    void ADeveloperIsFoundByAnyPointOfTheirCard();
    void TheSelectionFrameIsDrawnAndErasedExactly();
    void ASelectionRepaintsOnlyTheFrames();
    void PressesSelectAndDoubleClicksAreReported_data();
    void PressesSelectAndDoubleClicksAreReported();
    void AMoveOfFivePixelsWithTheButtonDownStartsOneDrag_data();
    void AMoveOfFivePixelsWithTheButtonDownStartsOneDrag();
    void ADragHasThePanelAsItsSource_data();
    void ADragHasThePanelAsItsSource();
    void HoveringACardShowsItsDevelopersName();
    void SevenDevelopersMakeThePanelScroll();
    void UpdatingRereadsTheTeamList();
    void ASmallerTeamBringsTheOffsetBackWithinTheContent_data();
    void ASmallerTeamBringsTheOffsetBackWithinTheContent();
    void ShowingAMemberScrollsHisCardIntoView_data();
    void ShowingAMemberScrollsHisCardIntoView();

private:
    QList<TDesenvolvedor*>& Equipe() { return FSimulador->Projeto()->Equipe(); }
    TDesenvolvedor* Pool(int i) const { return FSimulador->Desenvolvedores().at(i); }
    void Equipa(int n, TControladorVisao* controlador = nullptr) {
        for (int i = 0; i < n; ++i) {
            Equipe().append(Pool(i));
        }
        FPainel->DefineDesenvolvedores(&Equipe(), controlador ? controlador : FControlador.get());
    }
    // The whole panel as shown, in drawing-area coordinates.
    QImage Quadro() const {
        return FJanela->grab().toImage().copy(FPainel->AreaDesenho()->geometry());
    }
    int Indice(const TDesenvolvedor* d) { return d ? int(Equipe().indexOf(d)) : -1; }
    int Selecionado() { return Indice(FPainel->DesenvolvedorSelecionado()); }
    void Pressiona(QPoint p, Qt::MouseButton b = Qt::LeftButton) {
        QTest::mousePress(FPainel->AreaDesenho(), b, {}, p);
    }

    std::unique_ptr<TSimuladorProjeto> FSimulador;
    std::unique_ptr<TControladorVisaoDesenvolvedores> FControlador;
    std::unique_ptr<QWidget> FJanela;
    TPainelVisaoTeste* FPainel = nullptr;
    // Card left edge and width in an 89-pixel panel with one thermometer.
    const int L = 14;
    const int W = 60;
};

void TstPainelVisao::init() {
    FSimulador = std::make_unique<TSimuladorProjeto>(CarregaImagensDesenvolvedor);
    FControlador = std::make_unique<TControladorVisaoDesenvolvedores>();
    FJanela = std::make_unique<QWidget>();
    FJanela->resize(89, 378);
    FPainel = new TPainelVisaoTeste(FJanela.get());
    FJanela->show();
    QVERIFY(QTest::qWaitForWindowExposed(FJanela.get()));
}

void TstPainelVisao::cleanup() {
    FJanela.reset();
    FControlador.reset();
    FSimulador.reset();
}

// An empty team, or a team without a controller: only the backdrop shows, a
// press selects nobody but is still reported, and no hint shows.
// guards against a card drawn, a hint shown or a press lost when there is nothing to show
void TstPainelVisao::WithNothingToShowOnlyTheBackdropShows() {
    for (bool comControlador : {true, false}) {
        if (comControlador) {
            FPainel->DefineDesenvolvedores(&Equipe(), FControlador.get());
        } else {
            FPainel->DefineDesenvolvedores(nullptr, nullptr);
            Equipe().append(Pool(0));
        }
        QVERIFY(!FPainel->BotaoDesce()->isVisible());
        const QImage quadro = Quadro();
        for (int y = 0; y < quadro.height(); y += 7) {
            QCOMPARE(Hex(Cor(quadro, L + 20, y)), Hex(Cor(quadro, 0, y)));
        }
        QCOMPARE(Hex(Cor(quadro, 44, 0)), Hex(qRgb(0, 128, 0)));
        TAreaDesenho* area = FPainel->AreaDesenho();
        area->setToolTip(QStringLiteral("unchanged"));
        Move(area, QPoint(44, 40));
        QCOMPARE(area->toolTip(), comControlador ? QString() : QStringLiteral("unchanged"));
        QList<QObject*> selecoes;
        FPainel->OnSelect = [&](QObject* s) { selecoes << s; };
        Pressiona(QPoint(44, 40));
        QCOMPARE(selecoes, QList<QObject*>{FPainel});
        QVERIFY(!FPainel->DesenvolvedorSelecionado());
    }
}

// guards against cards overlapping, misplaced or of the wrong size
void TstPainelVisao::EachCardHasItsPlaceAndSize() {
    Equipa(2);
    QCOMPARE(FPainel->LarguraCartao(), W);
    QCOMPARE(FPainel->EsquerdaCartao(), L);
    const QImage quadro = Quadro();
    const int t = 80; // second card
    using P = QPoint;
    // Background, white along the top and left (the top-right corner
    // included), grey along the bottom and right (both bottom corners
    // included), and the thermometer: a grey outline around a black interior.
    Confere(quadro, Prata, {P(L + 2, t + 40), P(L + 56, t + 40), P(L + 1, t + 78)});
    Confere(quadro, Branco, {P(L, t + 5), P(L + 30, t + 5), P(L + W, t + 5), P(L, t + 78)});
    Confere(quadro, Cinza,
            {P(L, t + 79), P(L + 30, t + 79), P(L + W, t + 79), P(L + W, t + 6), P(L + 47, t + 10),
             P(L + 54, t + 73), P(L + 50, t + 10)});
    Confere(quadro, Preto, {P(L + 48, t + 11), P(L + 53, t + 72)});
    // Outside the card the backdrop shows.
    for (const QPoint p : {QPoint(L - 1, t + 40), QPoint(L + W + 1, t + 40), QPoint(L + 30, t + 4),
                           QPoint(L + 30, t + 80 + 4)}) {
        QCOMPARE(Hex(Cor(quadro, p.x(), p.y())), Hex(Cor(quadro, 0, p.y())));
    }
    // The picture as stored, its top-left corner at (L + 5, T + 10).
    const QImage& figura = Pool(1)->ImagemPequena();
    for (int y = 0; y < figura.height(); ++y) {
        for (int x = 0; x < figura.width(); ++x) {
            QCOMPARE(Hex(Cor(quadro, L + 5 + x, t + 10 + y)), Hex(figura.pixel(x, y)));
        }
    }
}

// guards against a card missing its picture or a thermometer
void TstPainelVisao::ACardShowsItsPictureAndBothThermometers() {
    TControladorTeste controlador(2, 0);
    controlador.Valores[0] = 50.0;
    controlador.Valores[1] = 25.0;
    Equipa(1, &controlador);
    QCOMPARE(FPainel->LarguraCartao(), 68);
    const int l = (89 - 68) / 2;
    QCOMPARE(FPainel->EsquerdaCartao(), l);
    const QImage quadro = Quadro();
    Confere(quadro, Vermelho, {QPoint(l + 48, 11)});
    Confere(quadro, Cinza, {QPoint(l + 55, 10), QPoint(l + 62, 73), QPoint(l + 68, 40)});
    Confere(quadro, Lima, {QPoint(l + 58, 72), QPoint(l + 58, 73 - 31)});
    Confere(quadro, Preto, {QPoint(l + 58, 72 - 31)});
    Confere(quadro, Prata, {QPoint(l + 64, 40)});
    FPainel->DefineDesenvolvedores(nullptr, nullptr);
}

void TstPainelVisao::ThermometerBarsRiseWithTheirValues_data() {
    QTest::addColumn<double>("valor");
    QTest::addColumn<int>("altura");
    QTest::newRow("0") << 0.0 << 0;
    QTest::newRow("negative") << -10.0 << 0;
    QTest::newRow("25") << 25.0 << 31;
    QTest::newRow("49.9, truncated") << 49.9 << 61;
    QTest::newRow("50") << 50.0 << 62;
    QTest::newRow("75") << 75.0 << 62;
}

// guards against bars that fill the wrong way or ignore their value
void TstPainelVisao::ThermometerBarsRiseWithTheirValues() {
    QFETCH(double, valor);
    QFETCH(int, altura);
    TControladorTeste controlador(1, 0);
    controlador.Valores[0] = valor;
    Equipa(2, &controlador);
    const QImage quadro = Quadro();
    const int t = 80;
    for (int y = t + 11; y <= t + 72; ++y) {
        const QRgb esperado = y >= t + 73 - altura ? Vermelho : Preto;
        for (int x = L + 48; x <= L + 53; ++x) {
            QVERIFY2(Cor(quadro, x, y) == esperado,
                     qPrintable(
                         QStringLiteral("(%1, %2): %3").arg(x).arg(y).arg(Hex(Cor(quadro, x, y)))));
        }
    }
    // The outline is never covered.
    Confere(quadro, Cinza, {QPoint(L + 50, t + 10), QPoint(L + 50, t + 73)});
    FPainel->DefineDesenvolvedores(nullptr, nullptr);
}

void TstPainelVisao::TheVisibleFlagsAreDrawnOnTheCard_data() {
    QTest::addColumn<double>("horas");
    QTest::addColumn<int>("visiveis"); // -1: the game's flags, else the test flags shown
    QTest::addColumn<QList<int>>("esperadas");
    // The game's flags by work hours.
    QTest::newRow("8 h") << 8.0 << -1 << QList<int>{};
    QTest::newRow("8.5 h") << 8.5 << -1 << QList<int>{0};
    QTest::newRow("11 h") << 11.0 << -1 << QList<int>{0};
    QTest::newRow("11.01 h") << 11.01 << -1 << QList<int>{1};
    QTest::newRow("12 h") << 12.0 << -1 << QList<int>{1};
    // The places of the flags shown.
    QTest::newRow("second only, in the first place") << 8.0 << 2 << QList<int>{1};
    QTest::newRow("both, side by side") << 8.0 << 3 << QList<int>{0, 1};
}

// guards against a hidden flag drawn, a visible one missing, or one drawn elsewhere
void TstPainelVisao::TheVisibleFlagsAreDrawnOnTheCard() {
    QFETCH(double, horas);
    QFETCH(int, visiveis);
    QFETCH(QList<int>, esperadas);
    TControladorTeste teste(1, 2);
    teste.Visiveis[0] = visiveis & 1;
    teste.Visiveis[1] = visiveis & 2;
    TControladorVisao* controlador = &teste;
    if (visiveis < 0) {
        controlador = FControlador.get();
    }
    Equipa(1, controlador);
    Pool(0)->SetHorasTrabalho(horas);
    QList<QImage> figuras;
    for (int k : esperadas) {
        figuras << controlador->Bandeira(k)->ImagemBandeira();
    }
    ConfereBandeiras(Quadro(), L, figuras);
    FPainel->DefineDesenvolvedores(nullptr, nullptr);
}

void TstPainelVisao::ADeveloperIsFoundByAnyPointOfTheirCard_data() {
    QTest::addColumn<QPoint>("ponto");
    QTest::addColumn<int>("indice");
    QTest::newRow("left edge") << QPoint(14, 120) << 1;
    QTest::newRow("right edge") << QPoint(74, 120) << 1;
    QTest::newRow("left of the card") << QPoint(13, 120) << -1;
    QTest::newRow("right of the card") << QPoint(75, 120) << -1;
    QTest::newRow("gap, last row") << QPoint(44, 84) << -1;
    QTest::newRow("top of card 1") << QPoint(44, 85) << 1;
    QTest::newRow("bottom of card 1") << QPoint(44, 159) << 1;
    QTest::newRow("last card") << QPoint(44, 165) << 2;
    QTest::newRow("below the last card") << QPoint(44, 245) << -1;
    QTest::newRow("above the content") << QPoint(44, -1) << -1;
}

// guards against presses between cards taken for a developer, or card edges missed
void TstPainelVisao::ADeveloperIsFoundByAnyPointOfTheirCard() {
    QFETCH(QPoint, ponto);
    QFETCH(int, indice);
    Equipa(3);
    QCOMPARE(Indice(FPainel->DesenvolvedorEm(ponto.x(), ponto.y())), indice);
    // A press there selects the same.
    Pressiona(ponto);
    QCOMPARE(Selecionado(), indice);
}

// guards against a selection frame left behind, or drawn off the card
void TstPainelVisao::TheSelectionFrameIsDrawnAndErasedExactly() {
    Equipa(2);
    // The 2-pixel frame of the card at top t in the colour, the pixels just
    // inside and outside it silver.
    const auto moldura = [&](const QImage& q, int t, QRgb cor) {
        using P = QPoint;
        Confere(q, cor,
                {P(L + 2, t + 8), P(L + 3, t + 9), P(L + 30, t + 8), P(L + W - 2, t + 77),
                 P(L + W - 3, t + 76), P(L + 2, t + 40), P(L + W - 3, t + 40), P(L + 30, t + 76)});
        Confere(q, Prata,
                {P(L + 4, t + 40), P(L + 1, t + 40), P(L + 30, t + 7), P(L + 30, t + 78),
                 P(L + W - 1, t + 40)});
    };
    moldura(Quadro(), 80, Prata);
    Pressiona(QPoint(44, 120));
    moldura(Quadro(), 80, Azul);
    moldura(Quadro(), 0, Prata);
    Pressiona(QPoint(44, 40));
    moldura(Quadro(), 80, Prata);
    moldura(Quadro(), 0, Azul);
    FPainel->SelecionaDesenvolvedor(nullptr);
    moldura(Quadro(), 0, Prata);
    // A developer not in the list is never framed.
    FPainel->SelecionaDesenvolvedor(Pool(5));
    const QImage quadro = Quadro();
    moldura(quadro, 0, Prata);
    moldura(quadro, 80, Prata);
}

// guards against the whole panel repainted on every selection
void TstPainelVisao::ASelectionRepaintsOnlyTheFrames() {
    Equipa(3);
    TAreaDesenho* area = FPainel->AreaDesenho();
    TEspiaoPintura espiao;
    area->installEventFilter(&espiao);
    const auto pinta = [&] { return espiao.Colhe(); };
    pinta();
    const QRegion r1 = FPainel->RegiaoSelecao(Equipe()[1]);
    const QRegion r2 = FPainel->RegiaoSelecao(Equipe()[2]);
    // The 2-pixel frame from (L + 2, T + 8) to (L + w - 1, T + 78), exclusive.
    QCOMPARE(r1.boundingRect(), QRect(L + 2, 88, W - 3, 70));
    QCOMPARE((QRegion(QRect(L + 4, 90, W - 7, 66)) & r1), QRegion());

    Pressiona(QPoint(44, 120));
    QCOMPARE(pinta(), r1);
    Pressiona(QPoint(44, 200));
    QCOMPARE(pinta(), r1 + r2);
    Pressiona(QPoint(44, 200));
    QCOMPARE(pinta(), QRegion());
    FPainel->SelecionaDesenvolvedor(nullptr);
    QCOMPARE(pinta(), r2);

    // The pixels that change are those of the two frames.
    FPainel->SelecionaDesenvolvedor(Equipe()[0]);
    const QImage antes = Quadro();
    FPainel->SelecionaDesenvolvedor(Equipe()[2]);
    const QImage depois = Quadro();
    const QRegion r0 = FPainel->RegiaoSelecao(Equipe()[0]);
    int mudados = 0;
    for (int y = 0; y < antes.height(); ++y) {
        for (int x = 0; x < antes.width(); ++x) {
            if (Cor(antes, x, y) != Cor(depois, x, y)) {
                QVERIFY((r0 + r2).contains(QPoint(x, y)));
                ++mudados;
            }
        }
    }
    QCOMPARE(mudados, 2 * (2 * 2 * (W - 3) + 2 * 2 * (70 - 4)));
    area->removeEventFilter(&espiao);
}

void TstPainelVisao::PressesSelectAndDoubleClicksAreReported_data() {
    QTest::addColumn<QString>("acao");
    QTest::addColumn<QPoint>("ponto");
    QTest::addColumn<bool>("comDuplo");
    QTest::addColumn<QStringList>("esperados");
    QTest::addColumn<int>("selecionado");
    QTest::newRow("press on a card")
        << "press" << QPoint(44, 120) << true << QStringList{"select 1"} << 1;
    QTest::newRow("press in a gap")
        << "press" << QPoint(44, 82) << true << QStringList{"select -1"} << -1;
    QTest::newRow("right button") << "right" << QPoint(44, 40) << true << QStringList{"select 0"}
                                  << 0;
    QTest::newRow("double click") << "double" << QPoint(44, 120) << true
                                  << QStringList{"select 1", "double 1"} << 1;
    QTest::newRow("double click without a handler")
        << "double" << QPoint(44, 120) << false << QStringList{"select 1", "select 1"} << 1;
    QTest::newRow("double click on empty space")
        << "double" << QPoint(44, 300) << true << QStringList{"select -1", "double -1"} << -1;
}

// guards against selections or double clicks reported for the wrong press or button
void TstPainelVisao::PressesSelectAndDoubleClicksAreReported() {
    QFETCH(QString, acao);
    QFETCH(QPoint, ponto);
    QFETCH(bool, comDuplo);
    QFETCH(QStringList, esperados);
    QFETCH(int, selecionado);
    Equipa(2);
    QStringList registro;
    const auto registra = [&](const char* evento) {
        return [&registro, this, evento](QObject* s) {
            QCOMPARE(s, FPainel);
            registro << QStringLiteral("%1 %2").arg(QLatin1String(evento)).arg(Selecionado());
        };
    };
    FPainel->OnSelect = registra("select");
    if (comDuplo) {
        FPainel->OnDblClick = registra("double");
    }
    if (acao == "double") {
        DuploClique(FPainel->AreaDesenho(), ponto);
    } else {
        Pressiona(ponto, acao == "right" ? Qt::RightButton : Qt::LeftButton);
    }
    QCOMPARE(registro, esperados);
    QCOMPARE(Selecionado(), selecionado);
}

void TstPainelVisao::AMoveOfFivePixelsWithTheButtonDownStartsOneDrag_data() {
    QTest::addColumn<int>("botao");
    QTest::addColumn<QPoint>("inicio");
    QTest::addColumn<QList<QPoint>>("movimentos");
    QTest::addColumn<int>("arrastos");
    using P = QList<QPoint>;
    const int esq = Qt::LeftButton;
    const QPoint cartao(44, 120);
    QTest::newRow("4 px right") << esq << cartao << P{{4, 0}} << 0;
    QTest::newRow("4 px both ways") << esq << cartao << P{{4, 4}} << 0;
    QTest::newRow("5 px right") << esq << cartao << P{{5, 0}} << 1;
    QTest::newRow("5 px left") << esq << cartao << P{{-5, 0}} << 1;
    QTest::newRow("5 px up") << esq << cartao << P{{0, -5}} << 1;
    QTest::newRow("step by step") << esq << cartao << P{{1, 1}, {3, 2}, {4, -4}, {5, -4}} << 1;
    QTest::newRow("once per press") << esq << cartao << P{{5, 0}, {10, 0}, {20, 5}} << 1;
    QTest::newRow("right button") << int(Qt::RightButton) << cartao << P{{0, 6}} << 1;
    // The gap between the two cards holds nobody, and nobody is dragged from
    // there (dropping nobody clears an activity's developer).
    QTest::newRow("from empty space") << esq << QPoint(44, 82) << P{{0, 10}} << 1;
}

// guards against drags started by small moves, or started more than once per press
void TstPainelVisao::AMoveOfFivePixelsWithTheButtonDownStartsOneDrag() {
    QFETCH(int, botao);
    QFETCH(QPoint, inicio);
    QFETCH(QList<QPoint>, movimentos);
    QFETCH(int, arrastos);
    Equipa(2);
    const auto b = Qt::MouseButton(botao);
    Pressiona(inicio, b);
    const bool sobreCartao = inicio.y() > 84;
    QVERIFY(FPainel->ArrastoPendente());
    for (const QPoint& d : movimentos) {
        Move(FPainel->AreaDesenho(), inicio + d, b);
    }
    QCOMPARE(FPainel->Arrastos, arrastos);
    QCOMPARE(Selecionado(), sobreCartao ? 1 : -1);
}

void TstPainelVisao::ADragHasThePanelAsItsSource_data() {
    QTest::addColumn<QPoint>("inicio");
    QTest::addColumn<int>("selecionado");
    QTest::newRow("from a card") << QPoint(44, 120) << 1;
    // Guards against a drag of nobody that fails on the missing developer
    // (name, picture) instead of running with empty data.
    QTest::newRow("from empty space") << QPoint(44, 200) << -1;
}

// guards against drops on the chart that cannot tell where the drag came from
void TstPainelVisao::ADragHasThePanelAsItsSource() {
    QFETCH(QPoint, inicio);
    QFETCH(int, selecionado);
    Equipa(2);
    FPainel->ArrastoReal = true;
    Pressiona(inicio);
    Move(FPainel->AreaDesenho(), inicio + QPoint(0, 6), Qt::LeftButton);
    QCOMPARE(FPainel->Arrastos, 1);
    QCOMPARE(Selecionado(), selecionado);
    // The finished drag is released later; until then it is the panel's child.
    const auto arrastos = FPainel->findChildren<QDrag*>(Qt::FindDirectChildrenOnly);
    QCOMPARE(arrastos.size(), 1);
    QCOMPARE(arrastos[0]->source(), FPainel);
    const QString nome = selecionado < 0 ? QString() : Pool(selecionado)->Nome();
    QVERIFY(arrastos[0]->mimeData()->hasFormat(TPainelVisao::TipoArrasto));
    QCOMPARE(QString::fromUtf8(arrastos[0]->mimeData()->data(TPainelVisao::TipoArrasto)), nome);
    QCOMPARE(arrastos[0]->pixmap().isNull(), selecionado < 0);
    QVERIFY(!FPainel->ArrastoPendente());
}

// guards against no hint, or a drag started by a move without a button
void TstPainelVisao::HoveringACardShowsItsDevelopersName() {
    Equipa(2);
    TAreaDesenho* area = FPainel->AreaDesenho();
    // Pointer moves without a button: no drag, only the hint.
    const QList<std::pair<QPoint, QString>> dicas{{QPoint(44, 120), Pool(1)->Nome()},
                                                  {QPoint(44, 40), Pool(0)->Nome()},
                                                  {QPoint(44, 82), QString()},
                                                  {QPoint(80, 40), QString()}};
    for (const auto& [ponto, nome] : dicas) {
        Move(area, ponto);
        QCOMPARE(area->toolTip(), nome);
    }
    // A press and a move of less than 5 px with the button up again: no drag later.
    Pressiona(QPoint(44, 40));
    QTest::mouseRelease(area, Qt::LeftButton, {}, QPoint(44, 40));
    Move(area, QPoint(44, 60), Qt::LeftButton);
    QCOMPARE(FPainel->Arrastos, 0);
    QCOMPARE(area->toolTip(), Pool(0)->Nome());
}

// guards against the last cards out of reach when the team is longer than the panel
void TstPainelVisao::SevenDevelopersMakeThePanelScroll() {
    Equipa(7);
    QCOMPARE(FPainel->AlturaConteudo(), 560);
    QVERIFY(!FPainel->BotaoSobe()->isVisible());
    QTest::mouseClick(FPainel->BotaoDesce(), Qt::LeftButton);
    QCOMPARE(FPainel->Deslocamento(), 20);
    QVERIFY(FPainel->BotaoSobe()->isVisible());
    // Content y = area y + 20: card 1 from 65, its top border white.
    const QImage quadro = Quadro();
    Confere(quadro, Branco, {QPoint(L + 30, 65)});
    Confere(quadro, Cinza, {QPoint(L + 30, 59)});
    Pressiona(QPoint(44, 66));
    QCOMPARE(Selecionado(), 1);
    Move(FPainel->AreaDesenho(), QPoint(44, 63));
    QCOMPARE(FPainel->AreaDesenho()->toolTip(), QString());
    Move(FPainel->AreaDesenho(), QPoint(44, 120));
    QCOMPARE(FPainel->AreaDesenho()->toolTip(), Pool(1)->Nome());
}

// guards against cards of developers who left, or a paint that changes the list
void TstPainelVisao::UpdatingRereadsTheTeamList() {
    Equipa(1);
    Pressiona(QPoint(44, 40));
    Equipe() << Pool(1) << Pool(2) << Pool(3) << Pool(4);
    // A paint reads the list but changes nothing.
    Confere(Quadro(), Branco, {QPoint(L + 30, 80 + 5)});
    QCOMPARE(FPainel->AlturaConteudo(), 80);
    FPainel->Atualiza();
    QCOMPARE(FPainel->AlturaConteudo(), 400);
    QVERIFY(FPainel->BotaoDesce()->isVisible());
    QCOMPARE(Selecionado(), 0);
    // Defining the list again clears the selection.
    FPainel->DefineDesenvolvedores(&Equipe(), FControlador.get());
    QVERIFY(!FPainel->DesenvolvedorSelecionado());
    Confere(Quadro(), Prata, {QPoint(L + 2, 8)});
    // A hole in the list shows as an empty row and selects nothing.
    Equipe()[1] = nullptr;
    FPainel->Atualiza();
    const QImage quadro = Quadro();
    Confere(quadro, Cor(quadro, 0, 85), {QPoint(L + 30, 85)});
    Confere(quadro, Branco, {QPoint(L + 30, 165)});
    Move(FPainel->AreaDesenho(), QPoint(44, 120));
    QCOMPARE(FPainel->AreaDesenho()->toolTip(), QString());
    Pressiona(QPoint(44, 120));
    QVERIFY(!FPainel->DesenvolvedorSelecionado());
}

void TstPainelVisao::ASmallerTeamBringsTheOffsetBackWithinTheContent_data() {
    QTest::addColumn<int>("antes");
    QTest::addColumn<int>("cliques"); // on the bottom strip, while it shows
    QTest::addColumn<int>("depois");
    QTest::addColumn<int>("deslocamento");
    // Ten cards at the bottom: 800 - 358 leaves 442, reached in steps of 20.
    QTest::newRow("ten to one") << 10 << 50 << 1 << 0;
    QTest::newRow("ten to none") << 10 << 50 << 0 << 0;
    QTest::newRow("ten to seven") << 10 << 50 << 7 << 560 - 378;
    QTest::newRow("shrunk, still within") << 10 << 3 << 9 << 60;
    QTest::newRow("grown") << 5 << 1 << 7 << 20;
}
// guards against a panel scrolled past its shrunken team, showing no card at all
void TstPainelVisao::ASmallerTeamBringsTheOffsetBackWithinTheContent() {
    QFETCH(int, antes);
    QFETCH(int, cliques);
    QFETCH(int, depois);
    QFETCH(int, deslocamento);
    for (int i = 0; i < antes; ++i) {
        Equipe().append(Pool(i % 7));
    }
    FPainel->DefineDesenvolvedores(&Equipe(), FControlador.get());
    for (int i = 0; i < cliques && FPainel->BotaoDesce()->isVisible(); ++i) {
        QTest::mouseClick(FPainel->BotaoDesce(), Qt::LeftButton);
    }
    Equipe().resize(depois);
    FPainel->Atualiza();
    QCOMPARE(FPainel->Deslocamento(), deslocamento);
    QCOMPARE(FPainel->BotaoSobe()->isVisible(), deslocamento > 0);
    QCOMPARE(FPainel->BotaoDesce()->isVisible(), 80 * depois - deslocamento > 378);
    if (depois > 0) {
        // The top border of the first card in view shows where the offset
        // puts it.
        const int primeiro = (deslocamento + 79) / 80;
        Confere(Quadro(), Branco, {QPoint(L + 30, 80 * primeiro + 5 - deslocamento)});
    }
}

void TstPainelVisao::ShowingAMemberScrollsHisCardIntoView_data() {
    QTest::addColumn<int>("indice");
    QTest::addColumn<int>("deslocamento");
    QTest::newRow("last") << 6 << 200;
    QTest::newRow("fifth") << 4 << 60;
    QTest::newRow("back to the first") << 0 << 0;
    QTest::newRow("already in view") << 2 << 0;
}
// guards against a member selected by key whose card stays out of sight
void TstPainelVisao::ShowingAMemberScrollsHisCardIntoView() {
    QFETCH(int, indice);
    QFETCH(int, deslocamento);
    Equipa(7);
    if (indice == 0) {
        FPainel->MostraDesenvolvedor(Pool(6));
        QVERIFY(FPainel->Deslocamento() > 0);
    }
    FPainel->MostraDesenvolvedor(Pool(indice));
    // The panel's own steps of 20: the offset stops at the first that shows
    // the whole card (the strips take 10 pixels each while they show).
    QCOMPARE(FPainel->Deslocamento(), deslocamento);
    const int topo = 80 * indice - deslocamento;
    QVERIFY(topo >= 0);
    QVERIFY(topo + 80 <= FPainel->AreaDesenho()->height());
    Confere(Quadro(), Branco, {QPoint(L + 30, topo + 5)});
    // Someone not in the team moves nothing.
    Equipe().removeLast();
    FPainel->MostraDesenvolvedor(Pool(6));
    QCOMPARE(FPainel->Deslocamento(), deslocamento);
}

QTEST_MAIN(TstPainelVisao)
#include "tst_painel_visao.moc"
