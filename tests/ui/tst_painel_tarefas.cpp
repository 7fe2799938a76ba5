// SPDX-License-Identifier: GPL-3.0-or-later
// The activity network chart, rendered offscreen with the real scenario.
#include "figuras/ImagensDesenvolvedor.h"
#include "model/mAtividade.h"
#include "model/mDesenvolvedor.h"
#include "model/mProjeto.h"
#include "model/mSimulador.h"
#include "tests/apoio/Pintura.h"
#include "ui/PainelTarefas.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QtTest>
#include <memory>

namespace {

const QRgb Aqua = qRgb(0, 255, 255);
const QRgb Amarelo = qRgb(255, 255, 0);

// The dark pixels in the area: text is smoothed, dark rather than black.
int Escuros(const QImage& q, const QRect& area) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            n += qRed(Cor(q, x, y)) < 96 && qGreen(Cor(q, x, y)) < 96 && qBlue(Cor(q, x, y)) < 96;
        }
    }
    return n;
}

} // namespace

class TstPainelTarefas : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void TheChartIsAsTallAsItsLowestCircleAndScrollsInSteps();
    void EachCircleIsColouredByItsState_data();
    void EachCircleIsColouredByItsState();
    void AScrolledChartDrawsEverythingShifted();
    void LinksJoinEachActivityToTheOnesItLeadsTo();
    void TheLimeSectorShowsThePercentDone_data();
    void TheLimeSectorShowsThePercentDone();
    void AnInspectionWithoutTimeShowsNoPercentage();
    void TheAssignedDevelopersPictureSitsOnTheRim();
    void NamesBreakAtTheLastSpaceThatFits_data();
    void NamesBreakAtTheLastSpaceThatFits();
    void NamesAreDrawnBelowTheirCircles();
    void AnActivityIsFoundByAnyPointOfItsSquare_data();
    void AnActivityIsFoundByAnyPointOfItsSquare();
    void PressesSelectAndDoubleClicksAreReported_data();
    void PressesSelectAndDoubleClicksAreReported();
    void ASelectionRepaintsOnlyTheTwoCirclesInvolved();
    void ASelectionChangesOnlyTheTwoCirclesInvolved();
    void WithoutActivitiesThePanelIsEmptyAndSafe();

private:
    TAtividade* Atividade(int i) const { return FSimulador->Projeto()->Atividade(i); }
    int Indice(const TAtividade* a) const {
        return a ? int(FSimulador->Projeto()->Atividades().indexOf(a)) : -1;
    }
    QImage Quadro() const { return FJanela->grab().toImage(); }
    QFont FonteBase() const;

    std::unique_ptr<TSimuladorProjeto> FSimulador;
    std::unique_ptr<QWidget> FJanela;
    TPainelAtividades* FPainel = nullptr;
};

QFont TstPainelTarefas::FonteBase() const {
    QFont fonte(QStringLiteral("DejaVu Sans"));
    fonte.setPixelSize(11);
    return fonte;
}

void TstPainelTarefas::init() {
    FSimulador = std::make_unique<TSimuladorProjeto>(CarregaImagensDesenvolvedor);
    FJanela = std::make_unique<QWidget>();
    FJanela->setFont(FonteBase());
    FJanela->resize(571, 378);
    FPainel = new TPainelAtividades(FJanela.get());
    FPainel->DefineAtividades(&FSimulador->Projeto()->Atividades());
    FJanela->show();
    QVERIFY(QTest::qWaitForWindowExposed(FJanela.get()));
}

void TstPainelTarefas::cleanup() {
    FJanela.reset();
    FSimulador.reset();
}

// guards against a chart cut short, or scrolled past its last circle
void TstPainelTarefas::TheChartIsAsTallAsItsLowestCircleAndScrollsInSteps() {
    QCOMPARE(FPainel->AlturaConteudo(), 600);
    QVERIFY(FPainel->BotaoDesce()->isVisible());
    QList<int> deslocamentos{FPainel->Deslocamento()};
    for (int i = 0; i < 7; ++i) {
        FPainel->RolaParaBaixo();
        deslocamentos << FPainel->Deslocamento();
    }
    QCOMPARE(deslocamentos, (QList<int>{0, 50, 100, 150, 200, 250, 250, 250}));
    QVERIFY(!FPainel->BotaoDesce()->isVisible());
    QVERIFY(FPainel->BotaoSobe()->isVisible());
}

void TstPainelTarefas::EachCircleIsColouredByItsState_data() {
    QTest::addColumn<int>("indice");
    QTest::addColumn<QRgb>("fundo");
    for (int i = 0; i < 16; ++i) {
        // The three inspections start without time: not planned.
        const bool inspecao = i >= 7 && i <= 9;
        QTest::addRow("%d", i) << i << (inspecao ? Prata : Branco);
    }
}

// guards against a circle coloured for another state than its activity's
void TstPainelTarefas::EachCircleIsColouredByItsState() {
    QFETCH(int, indice);
    QFETCH(QRgb, fundo);
    TAtividade* a = Atividade(indice);
    // Bring the circle into view: steps of 50 from the top.
    while (a->PosicaoY() + 30 - FPainel->Deslocamento() >= 378) {
        FPainel->RolaParaBaixo();
    }
    const int x = a->PosicaoX();
    const int y = a->PosicaoY() - FPainel->Deslocamento();

    QImage quadro = Quadro();
    QCOMPARE(Hex(Cor(quadro, x + 15, y + 15)), Hex(fundo));
    QCOMPARE(Hex(Cor(quadro, x - 30, y)), Hex(Preto));
    QCOMPARE(Hex(Cor(quadro, x, y - 30)), Hex(Preto));

    FPainel->SelecionaAtividade(a);
    quadro = Quadro();
    QCOMPARE(Hex(Cor(quadro, x + 15, y + 15)), Hex(Aqua));
    QCOMPARE(Hex(Cor(quadro, x - 30, y)), Hex(Azul));
    QCOMPARE(Hex(Cor(quadro, x, y - 30)), Hex(Azul));
    QCOMPARE(Hex(Cor(quadro, x + 29, y)), Hex(Azul));
}

// guards against circles drawn at their unscrolled place, or a backdrop gap when scrolled
void TstPainelTarefas::AScrolledChartDrawsEverythingShifted() {
    for (int i = 0; i < 5; ++i) {
        FPainel->RolaParaBaixo();
    }
    QCOMPARE(FPainel->Deslocamento(), 250);
    const QImage quadro = Quadro();
    // The green backdrop shows beneath the chart, whatever the offset.
    QCOMPARE(Hex(Cor(quadro, 200, 0)), Hex(qRgb(0, 128, 0)));
    QCOMPARE(Hex(Cor(quadro, 200, 360)), Hex(Preto));
    // "Test Areas and Disciplines" (300, 550) is drawn at y 300 and
    // "Areas and Disciplines Design" (300, 250) at y 0, cut by the top edge.
    QCOMPARE(Hex(Cor(quadro, 315, 315)), Hex(Branco));
    QCOMPARE(Hex(Cor(quadro, 300, 270)), Hex(Preto));
    QCOMPARE(Hex(Cor(quadro, 315, 10)), Hex(Branco));
    QCOMPARE(Hex(Cor(quadro, 300, 30)), Hex(Preto));
}

// guards against a missing or extra link, or links drawn over the names
void TstPainelTarefas::LinksJoinEachActivityToTheOnesItLeadsTo() {
    const QImage quadro = Quadro();
    // "Users and Professors use cases" (100, 50) to "System Architecture" (300, 150).
    const QRgb meio = Cor(quadro, 200, 100);
    const QRgb vizinho = Cor(quadro, 200, 101);
    QVERIFY2(meio == Amarelo || vizinho == Amarelo, qPrintable(Hex(meio) + Hex(vizinho)));
    // "System Architecture" to "Areas and Disciplines Design" (300, 250), below the name.
    QCOMPARE(Hex(Cor(quadro, 300, 214) == Amarelo ? Amarelo : Cor(quadro, 299, 214)), Hex(Amarelo));
    // Nothing links the three use cases to each other.
    QVERIFY(Cor(quadro, 200, 50) != Amarelo);
    QVERIFY(Cor(quadro, 375, 50) != Amarelo);
}

void TstPainelTarefas::TheLimeSectorShowsThePercentDone_data() {
    // An inspection with executed time t and dedication d is t / d concluded.
    QTest::addColumn<double>("executado");
    QTest::addColumn<double>("duracao");
    QTest::addColumn<double>("percentual");
    // Probes: above and below 9 o'clock, then the four quadrants clockwise
    // from the upper left.
    QTest::addColumn<QList<bool>>("lima");
    using L = QList<bool>;
    QTest::newRow("0 %") << 0.0 << 1.0 << 0.0 << L{false, false, false, false, false, false};
    QTest::newRow("1 % just below")
        << 0.03 << 3.0 << 0.00999999999999989 << L{false, false, false, false, false, false};
    QTest::newRow("1 % up to rounding")
        << 0.25 << 25.0 << 0.010000000000000009 << L{false, false, false, false, false, false};
    QTest::newRow("2 %") << 0.02 << 1.0 << 0.02 << L{true, false, false, false, false, false};
    QTest::newRow("25 %") << 0.25 << 1.0 << 0.25 << L{true, false, true, false, false, false};
    QTest::newRow("50 %") << 0.25 << 0.5 << 0.5 << L{true, false, true, true, false, false};
    QTest::newRow("100 %") << 0.25 << 0.25 << 1.0 << L{true, true, true, true, true, true};
}

// guards against a sector of the wrong size or start, or a sliver at zero
void TstPainelTarefas::TheLimeSectorShowsThePercentDone() {
    QFETCH(double, executado);
    QFETCH(double, duracao);
    QFETCH(double, percentual);
    QFETCH(QList<bool>, lima);

    TAtividade a(QStringLiteral("Probe"), TipoInspecao, 100, 50, 0.0, 20.0);
    a.SetDuracao(100.0);
    if (executado > 0.0) {
        a.SetDesenvolvedor(FSimulador->Desenvolvedores().first());
        double usado = 0.0;
        a.Trabalhar(nullptr, usado, executado, 0.0);
        a.SetDesenvolvedor(nullptr);
    }
    a.SetDuracao(duracao);
    QCOMPARE(a.Percentual(), percentual);
    const QList<TAtividade*> lista{&a};
    FPainel->DefineAtividades(&lista);

    const QImage quadro = Quadro();
    const QList<QPoint> sondas{{75, 48}, {75, 52}, {85, 35}, {115, 35}, {115, 65}, {85, 65}};
    for (int i = 0; i < sondas.size(); ++i) {
        QVERIFY2(Cor(quadro, sondas[i].x(), sondas[i].y()) == (lima[i] ? Lima : Branco),
                 qPrintable(QStringLiteral("probe %1").arg(i)));
    }
    // Without a sector, not even a sliver of lime.
    if (!lima.contains(true)) {
        for (int y = 20; y <= 80; ++y) {
            for (int x = 70; x <= 130; ++x) {
                QVERIFY2(Cor(quadro, x, y) != Lima,
                         qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
            }
        }
    }
    // The percentage text is drawn in black round the centre.
    QVERIFY(Escuros(quadro, QRect(85, 44, 31, 13)) > 10);
    FPainel->DefineAtividades(nullptr);
}

// guards against a percentage or sector on an inspection that has no time yet
void TstPainelTarefas::AnInspectionWithoutTimeShowsNoPercentage() {
    // "Users and Professors Inspection" (100, 350), given a developer but no time.
    TAtividade* a = Atividade(7);
    QVERIFY(!a->Planejada());
    const QImage semDesenvolvedor = Quadro();
    a->SetDesenvolvedor(FSimulador->Desenvolvedores().at(2));
    const QImage comDesenvolvedor = Quadro();
    QCOMPARE(comDesenvolvedor, semDesenvolvedor);
    // No percentage, no sector (its percentage is 1): silver all through.
    for (int y = 330; y <= 370; ++y) {
        for (int x = 80; x <= 120; ++x) {
            QCOMPARE(Hex(Cor(comDesenvolvedor, x, y)), Hex(Prata));
        }
    }

    a->SetDuracao(0.5);
    FPainel->AreaDesenho()->update();
    const QImage planejada = Quadro();
    QCOMPARE(Hex(Cor(planejada, 115, 365)), Hex(Branco));
    QVERIFY(Escuros(planejada, QRect(85, 344, 31, 13)) > 10);
    // The picture on the rim, (111, 314)..(131, 344): its rows above the circle.
    int mudados = 0;
    for (int y = 314; y < 319; ++y) {
        for (int x = 111; x < 131; ++x) {
            mudados += Cor(planejada, x, y) != Cor(semDesenvolvedor, x, y);
        }
    }
    QVERIFY(mudados > 20);
}

// guards against a developer picture drawn elsewhere, unstretched, or over other parts
void TstPainelTarefas::TheAssignedDevelopersPictureSitsOnTheRim() {
    TAtividade* a = Atividade(0); // (100, 50)
    const QImage antes = Quadro();
    const TDesenvolvedor* d = FSimulador->Desenvolvedores().at(3);
    a->SetDesenvolvedor(FSimulador->Desenvolvedores().at(3));
    FPainel->AreaDesenho()->update();
    const QImage depois = Quadro();
    // The picture is stretched into (111, 14)..(131, 44); nothing else changes.
    const QRect figura(111, 14, 20, 30);
    int mudados = 0;
    for (int y = 0; y < antes.height(); ++y) {
        for (int x = 0; x < antes.width(); ++x) {
            if (Cor(antes, x, y) != Cor(depois, x, y)) {
                QVERIFY2(figura.contains(x, y), qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
                ++mudados;
            }
        }
    }
    QVERIFY(mudados > 100);
    // Every pixel there comes from the developer's small picture.
    QSet<QRgb> cores;
    const QImage& pequena = d->ImagemPequena();
    for (int y = 0; y < pequena.height(); ++y) {
        for (int x = 0; x < pequena.width(); ++x) {
            cores.insert(pequena.pixel(x, y) | 0xff000000u);
        }
    }
    for (int y = figura.top(); y <= figura.bottom(); ++y) {
        for (int x = figura.left(); x <= figura.right(); ++x) {
            QVERIFY2(cores.contains(Cor(depois, x, y)),
                     qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
        }
    }
}

void TstPainelTarefas::NamesBreakAtTheLastSpaceThatFits_data() {
    QTest::addColumn<QString>("nome");
    QTest::addColumn<QString>("linha1");
    QTest::addColumn<QString>("linha2");
    QTest::newRow("fits") << "System Architecture"
                          << "System Architecture" << QString();
    QTest::newRow("break at a space") << "Students and Registration Inspection"
                                      << "Students and"
                                      << "Registration Inspection";
    QTest::newRow("last space that fits") << "Users and Professors use cases"
                                          << "Users and Professors"
                                          << "use cases";
    QTest::newRow("no space") << "Studentsandregistrationinspection"
                              << "Studentsandregistrationinspection" << QString();
    QTest::newRow("leading blanks") << "   Students and Registration Inspection"
                                    << "Students and"
                                    << "Registration Inspection";
    QTest::newRow("empty") << QString() << QString() << QString();
}

// guards against names cut mid-word, or broken when they fit
void TstPainelTarefas::NamesBreakAtTheLastSpaceThatFits() {
    QFETCH(QString, nome);
    QFETCH(QString, linha1);
    QFETCH(QString, linha2);
    QFont negrito = FonteBase();
    negrito.setBold(true);
    const QFontMetrics m(negrito);
    // The rows assume the widths of this font: say so when they do not hold.
    if (linha2.isEmpty() && nome.contains(QLatin1Char(' '))) {
        QVERIFY(m.horizontalAdvance(nome) <= TPainelAtividades::LarguraNome);
    }
    if (!linha2.isEmpty()) {
        QVERIFY(m.horizontalAdvance(linha1 + QLatin1Char(' ')) <= TPainelAtividades::LarguraNome);
        const QString maisUma = linha1 + QLatin1Char(' ') + linha2.section(QLatin1Char(' '), 0, 0);
        QVERIFY(m.horizontalAdvance(maisUma) > TPainelAtividades::LarguraNome);
    }
    const auto [l1, l2] = TPainelAtividades::DivideNome(m, nome);
    QCOMPARE(l1, linha1);
    QCOMPARE(l2, linha2);
}

// guards against names drawn over the circle or on the wrong number of lines
void TstPainelTarefas::NamesAreDrawnBelowTheirCircles() {
    const QImage quadro = Quadro();
    QFont negrito = FonteBase();
    negrito.setBold(true);
    const int h = QFontMetrics(negrito).height();
    auto brancos = [&](int x0, int x1, int y0, int y1, int* menor = nullptr, int* maior = nullptr) {
        int n = 0;
        for (int y = y0; y < y1; ++y) {
            for (int x = x0; x < x1; ++x) {
                if (Cor(quadro, x, y) == Branco) {
                    ++n;
                    if (menor) {
                        *menor = std::min(*menor, x);
                    }
                    if (maior) {
                        *maior = std::max(*maior, x);
                    }
                }
            }
        }
        return n;
    };
    // "System Architecture" (300, 150): one line from y 182, nothing below it.
    int menor = 1000, maior = 0;
    QVERIFY(brancos(200, 400, 182, 182 + h, &menor, &maior) > 20);
    QVERIFY(std::abs((menor + maior) / 2 - 300) <= 2);
    QCOMPARE(brancos(200, 400, 183 + h, 215), 0);
    QCOMPARE(brancos(200, 400, 181, 182), 0);
    // "Users and Professors use cases" (100, 50): two lines, the second from 83 + h.
    QVERIFY(brancos(20, 180, 82, 82 + h) > 20);
    menor = 1000;
    maior = 0;
    QVERIFY(brancos(20, 180, 83 + h, 83 + 2 * h, &menor, &maior) > 20);
    QVERIFY(std::abs((menor + maior) / 2 - 100) <= 2);
}

void TstPainelTarefas::AnActivityIsFoundByAnyPointOfItsSquare_data() {
    QTest::addColumn<int>("passos");
    QTest::addColumn<QPoint>("ponto");
    QTest::addColumn<int>("indice");
    // "Users and Professors Design" at (100, 250).
    QTest::newRow("centre") << 0 << QPoint(100, 250) << 4;
    QTest::newRow("top left corner") << 0 << QPoint(70, 220) << 4;
    QTest::newRow("bottom right corner") << 0 << QPoint(130, 280) << 4;
    QTest::newRow("left of the square") << 0 << QPoint(69, 250) << -1;
    QTest::newRow("above the square") << 0 << QPoint(100, 219) << -1;
    QTest::newRow("empty space") << 0 << QPoint(200, 100) << -1;
    QTest::newRow("scrolled 50") << 1 << QPoint(100, 200) << 4;
    QTest::newRow("scrolled 50, below") << 1 << QPoint(100, 231) << -1;
    QTest::newRow("scrolled 250") << 5 << QPoint(450, 300) << 15;
}

// guards against hits missed on a circle's corners or found outside it, when scrolled too
void TstPainelTarefas::AnActivityIsFoundByAnyPointOfItsSquare() {
    QFETCH(int, passos);
    QFETCH(QPoint, ponto);
    QFETCH(int, indice);
    for (int i = 0; i < passos; ++i) {
        FPainel->RolaParaBaixo();
    }
    QCOMPARE(Indice(FPainel->AtividadeEm(ponto.x(), ponto.y())), indice);
}

void TstPainelTarefas::PressesSelectAndDoubleClicksAreReported_data() {
    QTest::addColumn<QString>("acao");
    QTest::addColumn<QPoint>("ponto");
    QTest::addColumn<QStringList>("esperados");
    QTest::addColumn<int>("selecionada");
    QTest::newRow("press on a circle")
        << "press" << QPoint(100, 50) << QStringList{"select 0"} << 0;
    QTest::newRow("press on empty space")
        << "press" << QPoint(200, 100) << QStringList{"select -1"} << -1;
    QTest::newRow("press the selected circle again")
        << "again" << QPoint(300, 50) << QStringList{"select 1", "select 1"} << 1;
    QTest::newRow("press empty space after a circle")
        << "clear" << QPoint(200, 100) << QStringList{"select 2", "select -1"} << -1;
    QTest::newRow("right button") << "right" << QPoint(300, 150) << QStringList{"select 3"} << 3;
    QTest::newRow("double click on a circle")
        << "double" << QPoint(100, 250) << QStringList{"select 4", "select 4", "double 4"} << 4;
    QTest::newRow("double click on empty space")
        << "double" << QPoint(200, 100) << QStringList{"select -1", "select -1", "double -1"} << -1;
}

// guards against selections or double clicks reported for the wrong press or button
void TstPainelTarefas::PressesSelectAndDoubleClicksAreReported() {
    QFETCH(QString, acao);
    QFETCH(QPoint, ponto);
    QFETCH(QStringList, esperados);
    QFETCH(int, selecionada);
    QStringList registro;
    FPainel->OnSelect = [&](QObject* s) {
        QCOMPARE(s, FPainel);
        registro << QStringLiteral("select %1").arg(Indice(FPainel->AtividadeSelecionada()));
    };
    FPainel->OnDblClick = [&](QObject* s) {
        QCOMPARE(s, FPainel);
        registro << QStringLiteral("double %1").arg(Indice(FPainel->AtividadeSelecionada()));
    };
    QWidget* area = FPainel->AreaDesenho();
    if (acao == "double") {
        DuploClique(area, ponto, Qt::LeftButton);
    } else if (acao == "right") {
        QTest::mousePress(area, Qt::RightButton, {}, ponto);
    } else if (acao == "again") {
        QTest::mouseClick(area, Qt::LeftButton, {}, ponto);
        QTest::mousePress(area, Qt::LeftButton, {}, ponto);
    } else if (acao == "clear") {
        QTest::mouseClick(area, Qt::LeftButton, {}, QPoint(450, 50));
        QTest::mousePress(area, Qt::LeftButton, {}, ponto);
    } else {
        QTest::mousePress(area, Qt::LeftButton, {}, ponto);
    }
    QCOMPARE(registro, esperados);
    QCOMPARE(Indice(FPainel->AtividadeSelecionada()), selecionada);
}

// guards against the whole chart repainted on every selection
void TstPainelTarefas::ASelectionRepaintsOnlyTheTwoCirclesInvolved() {
    QWidget* area = FPainel->AreaDesenho();
    TEspiaoPintura espiao;
    area->installEventFilter(&espiao);
    const auto pinta = [&] { return espiao.Colhe(); };
    pinta();
    const QRect r0 = FPainel->RetanguloAtividade(Atividade(0));
    const QRect r4 = FPainel->RetanguloAtividade(Atividade(4));
    // The circle with its 2-pixel outline lies in the rectangle.
    QCOMPARE(r0, QRect(69, 19, 63, 63));

    QTest::mousePress(area, Qt::LeftButton, {}, QPoint(100, 50));
    QCOMPARE(pinta(), QRegion(r0));
    QTest::mousePress(area, Qt::LeftButton, {}, QPoint(100, 250));
    QCOMPARE(pinta(), QRegion(r0) + r4);
    // Pressing the selected circle again repaints nothing.
    QTest::mousePress(area, Qt::LeftButton, {}, QPoint(100, 250));
    QCOMPARE(pinta(), QRegion());
    FPainel->SelecionaAtividade(nullptr);
    QCOMPARE(pinta(), QRegion(r4));
    FPainel->SelecionaAtividade(nullptr);
    QCOMPARE(pinta(), QRegion());
    // Scrolled, the rectangles follow the offset.
    FPainel->RolaParaBaixo();
    pinta();
    FPainel->SelecionaAtividade(Atividade(4));
    QCOMPARE(pinta(), QRegion(r4.translated(0, -50)));
    area->removeEventFilter(&espiao);
}

// guards against pixels changed outside the old and new selected circles
void TstPainelTarefas::ASelectionChangesOnlyTheTwoCirclesInvolved() {
    FPainel->SelecionaAtividade(Atividade(3));
    const QImage antes = Quadro();
    FPainel->SelecionaAtividade(Atividade(5));
    const QImage depois = Quadro();
    const QRect r3 = FPainel->RetanguloAtividade(Atividade(3));
    const QRect r5 = FPainel->RetanguloAtividade(Atividade(5));
    int em3 = 0, em5 = 0;
    for (int y = 0; y < antes.height(); ++y) {
        for (int x = 0; x < antes.width(); ++x) {
            if (Cor(antes, x, y) == Cor(depois, x, y)) {
                continue;
            }
            QVERIFY2(r3.contains(x, y) || r5.contains(x, y),
                     qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
            (r3.contains(x, y) ? em3 : em5)++;
        }
    }
    QVERIFY(em3 > 1000);
    QVERIFY(em5 > 1000);
}

// guards against a crash or stale drawing when the panel has no activities
void TstPainelTarefas::WithoutActivitiesThePanelIsEmptyAndSafe() {
    FPainel->DefineAtividades(nullptr);
    QCOMPARE(FPainel->CalculaAltura(), 20);
    QVERIFY(!FPainel->BotaoDesce()->isVisible());
    int selecoes = 0;
    FPainel->OnSelect = [&](QObject*) { ++selecoes; };
    QTest::mousePress(FPainel->AreaDesenho(), Qt::LeftButton, {}, QPoint(100, 50));
    QCOMPARE(selecoes, 1);
    QVERIFY(!FPainel->AtividadeSelecionada());
    const QImage quadro = Quadro();
    QCOMPARE(Cor(quadro, 100, 50), Cor(quadro, 200, 50));
    const QList<TAtividade*> vazia;
    FPainel->DefineAtividades(&vazia);
    QCOMPARE(FPainel->AlturaConteudo(), 20);
    // A hole in the list is skipped.
    const QList<TAtividade*> comBuraco{nullptr, Atividade(0)};
    FPainel->DefineAtividades(&comBuraco);
    QCOMPARE(FPainel->AlturaConteudo(), 100);
    QCOMPARE(Hex(Cor(Quadro(), 115, 65)), Hex(Branco));
    QCOMPARE(FPainel->AtividadeEm(100, 50), Atividade(0));
    QVERIFY(!FPainel->AtividadeEm(300, 50));
}

QTEST_MAIN(TstPainelTarefas)
#include "tst_painel_tarefas.moc"
