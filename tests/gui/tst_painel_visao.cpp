// The team panel, rendered offscreen with the scenario's developers.
#include "Pintura.h"
#include "controls/Backdrop.h"
#include "controls/PainelVisao.h"
#include "controls/mDesenvolvedorVisao.h"
#include "controls/mVisaoBandeira.h"
#include "controls/mVisaoTermometro.h"
#include "model/mDesenvolvedor.h"
#include "model/mProjeto.h"
#include "model/mSimulador.h"

#include <QApplication>
#include <QDrag>
#include <QMimeData>
#include <QMouseEvent>
#include <QPaintEvent>
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
        for (int j = 0; j < termometros; ++j)
            AdicionaTermometro(std::make_unique<TTermometroFixo>(cores[j], &Valores[j]));
        const QString arquivos[2] = {QStringLiteral("imagens/bd_trabalhoduro.bmp"),
                                     QStringLiteral("imagens/bd_escravidao.bmp")};
        for (int k = 0; k < bandeiras; ++k)
            AdicionaBandeira(std::make_unique<TBandeiraFixa>(arquivos[k], &Visiveis[k]));
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
        if (ArrastoReal)
            TPainelVisao::IniciaArrasto();
    }
};

void Move(QWidget* w, QPoint p, Qt::MouseButtons botoes) {
    QMouseEvent e(QEvent::MouseMove, QPointF(p), w->mapToGlobal(QPointF(p)), Qt::NoButton, botoes,
                  Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

} // namespace

class TstPainelVisao : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void configuracao();
    void equipeVazia();
    void semControlador();
    void geometriaDoCartao();
    void cartaoComDoisTermometros();
    void barras_data();
    void barras();
    void bandeirasPorHoras_data();
    void bandeirasPorHoras();
    void lugaresDasBandeiras_data();
    void lugaresDasBandeiras();
    void desenvolvedorEm_data();
    void desenvolvedorEm();
    void molduraDesenhadaEApagada();
    void selecaoRepintaSoAsMolduras();
    void eventos_data();
    void eventos();
    void arrasto_data();
    void arrasto();
    void arrastoTemOPainelComoOrigem();
    void arrastoNaoParteDoVazio();
    void dica();
    void seteDesenvolvedoresRolam();
    void atualizaLeALista();

private:
    QList<TDesenvolvedor*>& Equipe() { return FSimulador->Projeto()->Equipe(); }
    TDesenvolvedor* Pool(int i) const { return FSimulador->Desenvolvedores().at(i); }
    void Equipa(int n) {
        for (int i = 0; i < n; ++i)
            Equipe().append(Pool(i));
        FPainel->DefineDesenvolvedores(&Equipe(), FControlador.get());
    }
    // The whole panel as shown, in drawing-area coordinates.
    QImage Quadro() const {
        return FJanela->grab().toImage().copy(FPainel->AreaDesenho()->geometry());
    }
    int Indice(const TDesenvolvedor* d) const {
        return d ? int(FSimulador->Projeto()->Equipe().indexOf(d)) : -1;
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
    FSimulador = std::make_unique<TSimuladorProjeto>();
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

void TstPainelVisao::configuracao() {
    QCOMPARE(int(FPainel->EstiloBotoes()), 0);
    QVERIFY(!FPainel->RolagemAutomatica());
    QCOMPARE(FPainel->PassoRolagem(), 20);
    TBackDrop* fundo = FPainel->Fundo();
    QCOMPARE(fundo->Color(), clBlack);
    QCOMPARE(fundo->BackColor(), clGreen);
    QCOMPARE(fundo->Strength(), 2.0);
    QCOMPARE(fundo->Direction(), bdDown);
    QCOMPARE(fundo->geometry(), FPainel->rect());
    const QObjectList filhos = FPainel->children();
    QVERIFY(filhos.indexOf(fundo) < filhos.indexOf(FPainel->AreaDesenho()));
}

void TstPainelVisao::equipeVazia() {
    FPainel->DefineDesenvolvedores(&Equipe(), FControlador.get());
    QCOMPARE(FPainel->AlturaConteudo(), 0);
    QVERIFY(!FPainel->BotaoSobe()->isVisible());
    QVERIFY(!FPainel->BotaoDesce()->isVisible());
    const QImage quadro = Quadro();
    // Only the backdrop: every row has one colour.
    for (int y = 0; y < quadro.height(); y += 7)
        QCOMPARE(Hex(Cor(quadro, L + 20, y)), Hex(Cor(quadro, 0, y)));
    QCOMPARE(Hex(Cor(quadro, 44, 0)), Hex(qRgb(0, 128, 0)));
    int selecoes = 0;
    FPainel->OnSelect = [&](QObject* s) {
        QCOMPARE(s, FPainel);
        ++selecoes;
    };
    QTest::mousePress(FPainel->AreaDesenho(), Qt::LeftButton, {}, QPoint(44, 40));
    QCOMPARE(selecoes, 1);
    QVERIFY(!FPainel->DesenvolvedorSelecionado());
}

void TstPainelVisao::semControlador() {
    Equipe().append(Pool(0));
    const QImage quadro = Quadro();
    QCOMPARE(Hex(Cor(quadro, L + 20, 40)), Hex(Cor(quadro, 0, 40)));
    TAreaDesenho* area = FPainel->AreaDesenho();
    area->setToolTip(QStringLiteral("unchanged"));
    Move(area, QPoint(44, 40), Qt::NoButton);
    QCOMPARE(area->toolTip(), QStringLiteral("unchanged"));
    int selecoes = 0;
    FPainel->OnSelect = [&](QObject*) { ++selecoes; };
    QTest::mousePress(area, Qt::LeftButton, {}, QPoint(44, 40));
    QCOMPARE(selecoes, 1);
    QVERIFY(!FPainel->DesenvolvedorSelecionado());
}

void TstPainelVisao::geometriaDoCartao() {
    Equipa(2);
    QCOMPARE(FPainel->LarguraCartao(), W);
    QCOMPARE(FPainel->EsquerdaCartao(), L);
    const QImage quadro = Quadro();
    const int t = 80; // second card
    struct Sonda {
        int x, y;
        QRgb cor;
    };
    const QList<Sonda> sondas{
        // Background.
        {L + 2, t + 40, Prata},
        {L + 56, t + 40, Prata},
        {L + 30, t + 75, Prata},
        {L + 1, t + 78, Prata},
        // White along the top and left, the top-right corner included.
        {L, t + 5, Branco},
        {L + 30, t + 5, Branco},
        {L + W, t + 5, Branco},
        {L, t + 78, Branco},
        // Grey along the bottom and right, both bottom corners included.
        {L, t + 79, Cinza},
        {L + 30, t + 79, Cinza},
        {L + W, t + 79, Cinza},
        {L + W, t + 6, Cinza},
        {L + W, t + 40, Cinza},
        // Thermometer outline in grey around a black interior.
        {L + 47, t + 10, Cinza},
        {L + 54, t + 10, Cinza},
        {L + 47, t + 73, Cinza},
        {L + 54, t + 73, Cinza},
        {L + 50, t + 10, Cinza},
        {L + 50, t + 73, Cinza},
        {L + 48, t + 11, Preto},
        {L + 53, t + 72, Preto},
    };
    for (const Sonda& s : sondas) {
        QVERIFY2(Cor(quadro, s.x, s.y) == s.cor,
                 qPrintable(QStringLiteral("(%1, %2): %3, expected %4")
                                .arg(s.x)
                                .arg(s.y)
                                .arg(Hex(Cor(quadro, s.x, s.y)), Hex(s.cor))));
    }
    // Outside the card the backdrop shows.
    for (const QPoint p : {QPoint(L - 1, t + 40), QPoint(L + W + 1, t + 40), QPoint(L + 30, t + 4),
                           QPoint(L + 30, t + 80 + 4)})
        QCOMPARE(Hex(Cor(quadro, p.x(), p.y())), Hex(Cor(quadro, 0, p.y())));
    // The picture as stored, its top-left corner at (L + 5, T + 10).
    const QImage& figura = Pool(1)->ImagemPequena();
    for (int y = 0; y < figura.height(); ++y)
        for (int x = 0; x < figura.width(); ++x)
            QCOMPARE(Hex(Cor(quadro, L + 5 + x, t + 10 + y)), Hex(figura.pixel(x, y)));
}

void TstPainelVisao::cartaoComDoisTermometros() {
    TControladorTeste controlador(2, 0);
    controlador.Valores[0] = 50.0;
    controlador.Valores[1] = 25.0;
    Equipe().append(Pool(0));
    FPainel->DefineDesenvolvedores(&Equipe(), &controlador);
    QCOMPARE(FPainel->LarguraCartao(), 68);
    const int l = (89 - 68) / 2;
    QCOMPARE(FPainel->EsquerdaCartao(), l);
    const QImage quadro = Quadro();
    QCOMPARE(Hex(Cor(quadro, l + 48, 11)), Hex(Vermelho));
    QCOMPARE(Hex(Cor(quadro, l + 55, 10)), Hex(Cinza));
    QCOMPARE(Hex(Cor(quadro, l + 62, 73)), Hex(Cinza));
    QCOMPARE(Hex(Cor(quadro, l + 58, 72)), Hex(Lima));
    QCOMPARE(Hex(Cor(quadro, l + 58, 73 - 31)), Hex(Lima));
    QCOMPARE(Hex(Cor(quadro, l + 58, 72 - 31)), Hex(Preto));
    QCOMPARE(Hex(Cor(quadro, l + 68, 40)), Hex(Cinza));
    QCOMPARE(Hex(Cor(quadro, l + 64, 40)), Hex(Prata));
    FPainel->DefineDesenvolvedores(nullptr, nullptr);
}

void TstPainelVisao::barras_data() {
    QTest::addColumn<double>("valor");
    QTest::addColumn<int>("altura");
    QTest::newRow("0") << 0.0 << 0;
    QTest::newRow("negative") << -10.0 << 0;
    QTest::newRow("25") << 25.0 << 31;
    QTest::newRow("49.9, truncated") << 49.9 << 61;
    QTest::newRow("50") << 50.0 << 62;
    QTest::newRow("75") << 75.0 << 62;
}

void TstPainelVisao::barras() {
    QFETCH(double, valor);
    QFETCH(int, altura);
    TControladorTeste controlador(1, 0);
    controlador.Valores[0] = valor;
    Equipe() << Pool(0) << Pool(1);
    FPainel->DefineDesenvolvedores(&Equipe(), &controlador);
    const QImage quadro = Quadro();
    const int t = 80;
    for (int y = t + 11; y <= t + 72; ++y) {
        const QRgb esperado = y >= t + 73 - altura ? Vermelho : Preto;
        for (int x = L + 48; x <= L + 53; ++x)
            QVERIFY2(Cor(quadro, x, y) == esperado,
                     qPrintable(
                         QStringLiteral("(%1, %2): %3").arg(x).arg(y).arg(Hex(Cor(quadro, x, y)))));
    }
    // The outline is never covered.
    QCOMPARE(Hex(Cor(quadro, L + 50, t + 10)), Hex(Cinza));
    QCOMPARE(Hex(Cor(quadro, L + 50, t + 73)), Hex(Cinza));
    FPainel->DefineDesenvolvedores(nullptr, nullptr);
}

void TstPainelVisao::bandeirasPorHoras_data() {
    QTest::addColumn<double>("horas");
    QTest::addColumn<int>("bandeira"); // -1 none, else the controller's index
    QTest::newRow("8") << 8.0 << -1;
    QTest::newRow("8.5") << 8.5 << 0;
    QTest::newRow("11") << 11.0 << 0;
    QTest::newRow("11.01") << 11.01 << 1;
    QTest::newRow("12") << 12.0 << 1;
}

void TstPainelVisao::bandeirasPorHoras() {
    QFETCH(double, horas);
    QFETCH(int, bandeira);
    Equipa(1);
    Pool(0)->SetHorasTrabalho(horas);
    const QImage quadro = Quadro();
    const QImage figura =
        bandeira >= 0 ? FControlador->Bandeira(bandeira)->ImagemBandeira() : QImage();
    int opacos = 0;
    for (int y = 0; y < 14; ++y) {
        for (int x = 0; x < 14; ++x) {
            const bool opaco = !figura.isNull() && qAlpha(figura.pixel(x, y)) == 255;
            const QRgb esperado = opaco ? (figura.pixel(x, y) | 0xff000000u) : Prata;
            opacos += opaco;
            QVERIFY2(Cor(quadro, L + 5 + x, 58 + y) == esperado,
                     qPrintable(QStringLiteral("(%1, %2)").arg(x).arg(y)));
        }
    }
    QCOMPARE(opacos > 0, bandeira >= 0);
    // Nothing in the second flag place.
    for (int x = L + 19; x < L + 33; ++x)
        QCOMPARE(Hex(Cor(quadro, x, 64)), Hex(Prata));
}

void TstPainelVisao::lugaresDasBandeiras_data() {
    QTest::addColumn<bool>("primeira");
    QTest::addColumn<bool>("segunda");
    QTest::newRow("none") << false << false;
    QTest::newRow("first only") << true << false;
    QTest::newRow("second only, in the first place") << false << true;
    QTest::newRow("both, side by side") << true << true;
}

void TstPainelVisao::lugaresDasBandeiras() {
    QFETCH(bool, primeira);
    QFETCH(bool, segunda);
    TControladorTeste controlador(1, 2);
    controlador.Visiveis[0] = primeira;
    controlador.Visiveis[1] = segunda;
    Equipe().append(Pool(0));
    FPainel->DefineDesenvolvedores(&Equipe(), &controlador);
    const QImage quadro = Quadro();
    QList<const QImage*> esperadas;
    if (primeira)
        esperadas << &controlador.Bandeira(0)->ImagemBandeira();
    if (segunda)
        esperadas << &controlador.Bandeira(1)->ImagemBandeira();
    for (int lugar = 0; lugar < 2; ++lugar) {
        const QImage* figura = lugar < esperadas.size() ? esperadas[lugar] : nullptr;
        for (int y = 0; y < 14; ++y) {
            for (int x = 0; x < 14; ++x) {
                const bool opaco = figura && qAlpha(figura->pixel(x, y)) == 255;
                const QRgb esperado = opaco ? (figura->pixel(x, y) | 0xff000000u) : Prata;
                QVERIFY2(Cor(quadro, L + 5 + 14 * lugar + x, 58 + y) == esperado,
                         qPrintable(QStringLiteral("place %1 (%2, %3)").arg(lugar).arg(x).arg(y)));
            }
        }
    }
    FPainel->DefineDesenvolvedores(nullptr, nullptr);
}

void TstPainelVisao::desenvolvedorEm_data() {
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("indice");
    QTest::newRow("left edge") << 14 << 120 << 1;
    QTest::newRow("right edge") << 74 << 120 << 1;
    QTest::newRow("left of the card") << 13 << 120 << -1;
    QTest::newRow("right of the card") << 75 << 120 << -1;
    QTest::newRow("gap above card 1") << 44 << 82 << -1;
    QTest::newRow("gap, last row") << 44 << 84 << -1;
    QTest::newRow("top of card 1") << 44 << 85 << 1;
    QTest::newRow("bottom of card 1") << 44 << 159 << 1;
    QTest::newRow("top of card 0") << 44 << 5 << 0;
    QTest::newRow("below the last card") << 44 << 160 * 2 + 5 << -1;
    QTest::newRow("last card") << 44 << 80 * 2 + 5 << 2;
    QTest::newRow("above the content") << 44 << -1 << -1;
}

void TstPainelVisao::desenvolvedorEm() {
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(int, indice);
    Equipa(3);
    QCOMPARE(Indice(FPainel->DesenvolvedorEm(x, y)), indice);
    // A press there selects the same, at any offset.
    QTest::mousePress(FPainel->AreaDesenho(), Qt::LeftButton, {}, QPoint(x, y));
    QCOMPARE(Indice(FPainel->DesenvolvedorSelecionado()), indice);
}

void TstPainelVisao::molduraDesenhadaEApagada() {
    Equipa(2);
    TAreaDesenho* area = FPainel->AreaDesenho();
    const auto moldura = [&](const QImage& q, int t, QRgb cor) {
        const QList<QPoint> pontos{{L + 2, t + 8},      {L + 3, t + 9},      {L + 30, t + 8},
                                   {L + 30, t + 9},     {L + W - 2, t + 77}, {L + W - 3, t + 76},
                                   {L + 2, t + 40},     {L + 3, t + 40},     {L + W - 2, t + 40},
                                   {L + W - 3, t + 40}, {L + 30, t + 77},    {L + 30, t + 76}};
        for (const QPoint& p : pontos) {
            QVERIFY2(Cor(q, p.x(), p.y()) == cor, qPrintable(QStringLiteral("(%1, %2): %3")
                                                                 .arg(p.x())
                                                                 .arg(p.y())
                                                                 .arg(Hex(Cor(q, p.x(), p.y())))));
        }
        // The pixels just inside and outside the 2-pixel frame are the card's.
        QCOMPARE(Hex(Cor(q, L + 4, t + 40)), Hex(Prata));
        QCOMPARE(Hex(Cor(q, L + 1, t + 40)), Hex(Prata));
        QCOMPARE(Hex(Cor(q, L + 30, t + 7)), Hex(Prata));
        QCOMPARE(Hex(Cor(q, L + 30, t + 78)), Hex(Prata));
        QCOMPARE(Hex(Cor(q, L + W - 1, t + 40)), Hex(Prata));
    };
    moldura(Quadro(), 80, Prata);
    QTest::mousePress(area, Qt::LeftButton, {}, QPoint(44, 120));
    moldura(Quadro(), 80, Azul);
    moldura(Quadro(), 0, Prata);
    QTest::mousePress(area, Qt::LeftButton, {}, QPoint(44, 40));
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

void TstPainelVisao::selecaoRepintaSoAsMolduras() {
    Equipa(3);
    TAreaDesenho* area = FPainel->AreaDesenho();
    TEspiaoPintura espiao;
    area->installEventFilter(&espiao);
    QApplication::processEvents();
    const auto pinta = [&] {
        QApplication::processEvents();
        const QRegion r = espiao.Total;
        espiao.Total = QRegion();
        return r;
    };
    pinta();
    const QRegion r1 = FPainel->RegiaoSelecao(Equipe()[1]);
    const QRegion r2 = FPainel->RegiaoSelecao(Equipe()[2]);
    // The 2-pixel frame from (L + 2, T + 8) to (L + w - 1, T + 78), exclusive.
    QCOMPARE(r1.boundingRect(), QRect(L + 2, 88, W - 3, 70));
    QCOMPARE(r1.rectCount(), 4);
    QCOMPARE((QRegion(QRect(L + 4, 90, W - 7, 66)) & r1), QRegion());

    QTest::mousePress(area, Qt::LeftButton, {}, QPoint(44, 120));
    QCOMPARE(pinta(), r1);
    QTest::mousePress(area, Qt::LeftButton, {}, QPoint(44, 200));
    QCOMPARE(pinta(), r1 + r2);
    QTest::mousePress(area, Qt::LeftButton, {}, QPoint(44, 200));
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

void TstPainelVisao::eventos_data() {
    QTest::addColumn<QString>("acao");
    QTest::addColumn<QPoint>("ponto");
    QTest::addColumn<bool>("comDuplo");
    QTest::addColumn<QStringList>("esperados");
    QTest::addColumn<int>("selecionado");
    QTest::newRow("press on a card")
        << "press" << QPoint(44, 120) << true << QStringList{"select 1"} << 1;
    QTest::newRow("press on empty space")
        << "press" << QPoint(5, 120) << true << QStringList{"select -1"} << -1;
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

void TstPainelVisao::eventos() {
    QFETCH(QString, acao);
    QFETCH(QPoint, ponto);
    QFETCH(bool, comDuplo);
    QFETCH(QStringList, esperados);
    QFETCH(int, selecionado);
    Equipa(2);
    QStringList registro;
    FPainel->OnSelect = [&](QObject* s) {
        QCOMPARE(s, FPainel);
        registro << QStringLiteral("select %1").arg(Indice(FPainel->DesenvolvedorSelecionado()));
    };
    if (comDuplo) {
        FPainel->OnDblClick = [&](QObject* s) {
            QCOMPARE(s, FPainel);
            registro
                << QStringLiteral("double %1").arg(Indice(FPainel->DesenvolvedorSelecionado()));
        };
    }
    TAreaDesenho* area = FPainel->AreaDesenho();
    if (acao == "double")
        DuploClique(area, ponto);
    else
        QTest::mousePress(area, acao == "right" ? Qt::RightButton : Qt::LeftButton, {}, ponto);
    QCOMPARE(registro, esperados);
    QCOMPARE(Indice(FPainel->DesenvolvedorSelecionado()), selecionado);
}

void TstPainelVisao::arrasto_data() {
    QTest::addColumn<int>("botao");
    QTest::addColumn<QList<QPoint>>("movimentos");
    QTest::addColumn<int>("arrastos");
    using P = QList<QPoint>;
    const int esq = Qt::LeftButton;
    QTest::newRow("4 px right") << esq << P{{4, 0}} << 0;
    QTest::newRow("4 px up") << esq << P{{0, -4}} << 0;
    QTest::newRow("4 px both ways") << esq << P{{4, 4}} << 0;
    QTest::newRow("5 px right") << esq << P{{5, 0}} << 1;
    QTest::newRow("5 px left") << esq << P{{-5, 0}} << 1;
    QTest::newRow("5 px down") << esq << P{{0, 5}} << 1;
    QTest::newRow("step by step") << esq << P{{1, 1}, {3, 2}, {4, -4}, {5, -4}} << 1;
    QTest::newRow("once per press") << esq << P{{5, 0}, {10, 0}, {20, 5}} << 1;
    QTest::newRow("right button") << int(Qt::RightButton) << P{{0, 6}} << 1;
}

void TstPainelVisao::arrasto() {
    QFETCH(int, botao);
    QFETCH(QList<QPoint>, movimentos);
    QFETCH(int, arrastos);
    Equipa(2);
    TAreaDesenho* area = FPainel->AreaDesenho();
    const QPoint inicio(44, 120);
    const auto b = Qt::MouseButton(botao);
    QTest::mousePress(area, b, {}, inicio);
    QVERIFY(FPainel->ArrastoPendente());
    for (const QPoint& d : movimentos)
        Move(area, inicio + d, b);
    QCOMPARE(FPainel->Arrastos, arrastos);
    QCOMPARE(FPainel->DesenvolvedorSelecionado(), Equipe()[1]);
}

void TstPainelVisao::arrastoTemOPainelComoOrigem() {
    Equipa(2);
    FPainel->ArrastoReal = true;
    TAreaDesenho* area = FPainel->AreaDesenho();
    QTest::mousePress(area, Qt::LeftButton, {}, QPoint(44, 120));
    Move(area, QPoint(44, 126), Qt::LeftButton);
    QCOMPARE(FPainel->Arrastos, 1);
    // The finished drag is released later; until then it is the panel's child.
    const auto arrastos = FPainel->findChildren<QDrag*>(Qt::FindDirectChildrenOnly);
    QCOMPARE(arrastos.size(), 1);
    QCOMPARE(arrastos[0]->source(), FPainel);
    QVERIFY(arrastos[0]->mimeData()->hasFormat(TPainelVisao::TipoArrasto));
    QCOMPARE(QString::fromUtf8(arrastos[0]->mimeData()->data(TPainelVisao::TipoArrasto)),
             Pool(1)->Nome());
    QVERIFY(!FPainel->ArrastoPendente());
}

void TstPainelVisao::arrastoNaoParteDoVazio() {
    Equipa(2);
    TAreaDesenho* area = FPainel->AreaDesenho();
    // The gap between the two cards holds nobody: nothing to drag from there.
    const QPoint vazio(44, 82);
    QTest::mousePress(area, Qt::LeftButton, {}, vazio);
    QVERIFY(!FPainel->DesenvolvedorSelecionado());
    QVERIFY(!FPainel->ArrastoPendente());
    Move(area, vazio + QPoint(0, 10), Qt::LeftButton);
    QCOMPARE(FPainel->Arrastos, 0);
}

void TstPainelVisao::dica() {
    Equipa(2);
    TAreaDesenho* area = FPainel->AreaDesenho();
    // Pointer moves without a button: no drag, only the hint.
    Move(area, QPoint(44, 120), Qt::NoButton);
    QCOMPARE(area->toolTip(), Pool(1)->Nome());
    Move(area, QPoint(44, 40), Qt::NoButton);
    QCOMPARE(area->toolTip(), Pool(0)->Nome());
    Move(area, QPoint(44, 82), Qt::NoButton);
    QCOMPARE(area->toolTip(), QString());
    Move(area, QPoint(80, 40), Qt::NoButton);
    QCOMPARE(area->toolTip(), QString());
    // A press and a move of less than 5 px with the button up again: no drag later.
    QTest::mousePress(area, Qt::LeftButton, {}, QPoint(44, 40));
    QTest::mouseRelease(area, Qt::LeftButton, {}, QPoint(44, 40));
    Move(area, QPoint(44, 60), Qt::LeftButton);
    QCOMPARE(FPainel->Arrastos, 0);
    QCOMPARE(area->toolTip(), Pool(0)->Nome());
}

void TstPainelVisao::seteDesenvolvedoresRolam() {
    Equipa(7);
    QCOMPARE(FPainel->AlturaConteudo(), 560);
    QVERIFY(FPainel->BotaoDesce()->isVisible());
    QVERIFY(!FPainel->BotaoSobe()->isVisible());
    QTest::mouseClick(FPainel->BotaoDesce(), Qt::LeftButton);
    QCOMPARE(FPainel->Deslocamento(), 20);
    QVERIFY(FPainel->BotaoSobe()->isVisible());
    // Content y = area y + 20: card 1 from 65, its top border white.
    const QImage quadro = Quadro();
    QCOMPARE(Hex(Cor(quadro, L + 30, 65)), Hex(Branco));
    QCOMPARE(Hex(Cor(quadro, L + 30, 59)), Hex(Cinza));
    QTest::mousePress(FPainel->AreaDesenho(), Qt::LeftButton, {}, QPoint(44, 66));
    QCOMPARE(FPainel->DesenvolvedorSelecionado(), Equipe()[1]);
    Move(FPainel->AreaDesenho(), QPoint(44, 63), Qt::NoButton);
    QCOMPARE(FPainel->AreaDesenho()->toolTip(), QString());
    Move(FPainel->AreaDesenho(), QPoint(44, 120), Qt::NoButton);
    QCOMPARE(FPainel->AreaDesenho()->toolTip(), Pool(1)->Nome());
}

void TstPainelVisao::atualizaLeALista() {
    Equipa(1);
    QTest::mousePress(FPainel->AreaDesenho(), Qt::LeftButton, {}, QPoint(44, 40));
    QVERIFY(FPainel->DesenvolvedorSelecionado());
    Equipe() << Pool(1) << Pool(2) << Pool(3) << Pool(4);
    // A paint reads the list but changes nothing.
    QImage quadro = Quadro();
    QCOMPARE(FPainel->AlturaConteudo(), 80);
    QCOMPARE(Hex(Cor(quadro, L + 30, 80 + 5)), Hex(Branco));
    FPainel->Atualiza();
    QCOMPARE(FPainel->AlturaConteudo(), 400);
    QVERIFY(FPainel->BotaoDesce()->isVisible());
    QCOMPARE(FPainel->DesenvolvedorSelecionado(), Equipe()[0]);
    // Defining the list again clears the selection.
    FPainel->DefineDesenvolvedores(&Equipe(), FControlador.get());
    QVERIFY(!FPainel->DesenvolvedorSelecionado());
    quadro = Quadro();
    QCOMPARE(Hex(Cor(quadro, L + 2, 8)), Hex(Prata));
    // A hole in the list shows as an empty row and selects nothing.
    Equipe()[1] = nullptr;
    FPainel->Atualiza();
    quadro = Quadro();
    QCOMPARE(Hex(Cor(quadro, L + 30, 85)), Hex(Cor(quadro, 0, 85)));
    QCOMPARE(Hex(Cor(quadro, L + 30, 165)), Hex(Branco));
    Move(FPainel->AreaDesenho(), QPoint(44, 120), Qt::NoButton);
    QCOMPARE(FPainel->AreaDesenho()->toolTip(), QString());
    QTest::mousePress(FPainel->AreaDesenho(), Qt::LeftButton, {}, QPoint(44, 120));
    QVERIFY(!FPainel->DesenvolvedorSelecionado());
}

QTEST_MAIN(TstPainelVisao)
#include "tst_painel_visao.moc"
