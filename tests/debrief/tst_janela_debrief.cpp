// SPDX-License-Identifier: GPL-3.0-or-later
// The debrief window on a plan: the game it shows, its tabs, hover tips over
// its charts, the days its lists mark, and its export to PDF, SVG and PNG.
#include "debrief/AbaDecisoes.h"
#include "debrief/AbaMensagens.h"
#include "debrief/DicaGrafico.h"
#include "debrief/GraficosDebrief.h"
#include "debrief/JanelaDebrief.h"
#include "debrief/TextoCapa.h"
#include "graficos/PaletaGrafico.h"
#include "tests/analise/PlanosAnalise.h"

#include <qcustomplot.h>

#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QProcess>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QTabWidget* Abas(const TJanelaDebrief& janela) {
    return janela.findChild<QTabWidget*>(QStringLiteral("AbasDebrief"));
}

// Shows chart i's tab, as a click on it does.
QCustomPlot* MostraGrafico(TJanelaDebrief& janela, int i) {
    QTabWidget* abas = Abas(janela);
    for (int t = 0; t < abas->count(); ++t) {
        if (abas->widget(t)->findChild<QCustomPlot*>() == janela.Grafico(i)) {
            abas->setCurrentIndex(t);
        }
    }
    return janela.Grafico(i);
}

// Every text of a chart: its text elements, also inside tables, and its text items.
QStringList Textos(const QCustomPlot& grafico) {
    QStringList textos;
    for (QCPLayoutElement* e : grafico.plotLayout()->elements(true)) {
        if (auto* texto = qobject_cast<QCPTextElement*>(e)) {
            textos.append(texto->text());
        }
    }
    for (int i = 0; i < grafico.itemCount(); ++i) {
        if (auto* texto = qobject_cast<QCPItemText*>(grafico.item(i))) {
            textos.append(texto->text());
        }
    }
    return textos;
}

// The pixel of (dia, valor) on the axes of serie.
QPointF Pixel(const QCPAbstractPlottable& serie, double dia, double valor) {
    return {serie.keyAxis()->coordToPixel(dia), serie.valueAxis()->coordToPixel(valor)};
}

QCPGraph* GraficoChamado(const QCustomPlot& grafico, const QString& nome) {
    for (int i = 0; i < grafico.graphCount(); ++i) {
        if (grafico.graph(i)->name() == nome) {
            return grafico.graph(i);
        }
    }
    return nullptr;
}

TPlano ComMeta(TPlano plano, const QString& gerente, int jogo) {
    plano.Meta = QJsonObject{{"manager", gerente}, {"game", jogo},
                             {"started", "2026-12-08T11:02:03+01:00"}};
    return plano;
}

QString Pdfinfo(const QString& pdf) {
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {pdf});
    info.waitForFinished();
    return QString::fromUtf8(info.readAllStandardOutput()) +
           QString::fromUtf8(info.readAllStandardError());
}

} // namespace

class TstJanelaDebrief : public QObject {
    Q_OBJECT

    QTemporaryDir FPasta;

private slots:
    // Guards against a window that shows another game than its source's,
    // keeps the old one after the source changed, or loses a tab.
    void TheWindowShowsTheSourcesGameAndFollowsIt() {
        TPlano plano = PlanoReferencia(HorasReferenciaB);
        plano.MaximoDias = 10;
        TJanelaDebrief janela([&plano] { return plano; });
        QCOMPARE(janela.windowTitle(), QStringLiteral("Orvanta Debrief"));
        QStringList abas;
        for (int i = 0; i < Abas(janela)->count(); ++i) {
            abas.append(Abas(janela)->tabText(i));
        }
        QCOMPARE(abas, (QStringList{"Summary", "Decisions", "Cost", "Quality", "Team", "Schedule",
                                    "Par", "Messages"}));
        QCOMPARE(janela.Analise().Dias.size(), 10);
        plano.MaximoDias = 11;
        janela.Atualiza();
        QCOMPARE(janela.Analise().Dias.size(), 11);
        QCustomPlot* custo = MostraGrafico(janela, GraficoCusto);
        QCOMPARE(GraficoChamado(*custo, "cost so far")->dataCount(), 11);
    }

    // Guards against a tab that keeps a chart of an older game when it is
    // chosen after the game moved on.
    void AChartDrawnLaterShowsTheLatestGame() {
        TPlano plano = PlanoReferencia(HorasReferenciaB);
        plano.MaximoDias = 3;
        TJanelaDebrief janela([&plano] { return plano; });
        plano.MaximoDias = 30;
        janela.Atualiza();
        QCustomPlot* equipe = MostraGrafico(janela, GraficoEquipe);
        QCOMPARE(GraficoChamado(*equipe, "Corvin: exhaustion")->dataCount(), 30);
    }

    // Guards against tips that show another point's values, or numbers
    // not written as the game writes them.
    void HoveringTheCostLineShowsThatDaysCostInTheGamesFormat() {
        TJanelaDebrief janela([] { return PlanoReferencia(HorasReferenciaA); });
        QCustomPlot* custo = MostraGrafico(janela, GraficoCusto);
        custo->resize(900, 600);
        custo->replot();
        const QCPGraph* linha = GraficoChamado(*custo, "cost so far");
        QCOMPARE(DicaGraficoEm(*custo, Pixel(*linha, 70.0, 14000.0)),
                 QStringLiteral("cost so far\nDay 70: 14,000.00"));
        QVERIFY(DicaGraficoEm(*custo, QPointF(2, 2)).isEmpty());
    }

    // Guards against marks without their decision, or on another day.
    void HoveringAMarkOnTheCostChartTellsTheDecision() {
        TJanelaDebrief janela([] { return PlanoCorvinDia30(); });
        QCustomPlot* custo = MostraGrafico(janela, GraficoCusto);
        custo->resize(900, 600);
        custo->replot();
        const QCPGraph* horas = GraficoChamado(*custo, "hours set");
        QVERIFY(horas);
        QCOMPARE(horas->dataCount(), 2);
        QCOMPARE(horas->data()->at(1)->key, 30.0);
        const QPointF ponto = Pixel(*horas, 30.0, horas->data()->at(1)->value);
        QCOMPARE(DicaGraficoEm(*custo, ponto),
                 QStringLiteral("Day 30: hours set\nCorvin's hours set to 12 a day, while he was exhausted"));
    }

    // Guards against schedule bars without their activity, developer and days.
    void HoveringAScheduleBarNamesItsActivityDeveloperAndDays() {
        TJanelaDebrief janela([] { return PlanoReferencia(HorasReferenciaA); });
        QCustomPlot grafico;
        MontaGraficoDebrief(GraficoCronograma, grafico, janela.Analise(), TPaletaGrafico::Tela());
        grafico.resize(900, 600);
        grafico.replot();
        // Row of the first activity (at the top), in its first day.
        const QPointF ponto(grafico.xAxis->coordToPixel(0.5), grafico.yAxis->coordToPixel(15.0));
        QCOMPARE(DicaGraficoEm(grafico, ponto),
                 QStringLiteral("Users and Professors use cases\nCorvin, days 0 to 2"));
    }

    // Guards against rest in hand (exhaustion below zero) cut off at the
    // axis, which left "12 hours for days without exhaustion" unexplained.
    void TheTeamChartShowsExhaustionBelowZero() {
        TPlano plano = PlanoReferencia(HorasReferenciaA);
        plano.Inicio.Equipe = QList<int>{0, 1}; // Fennick rests all along
        plano.MaximoDias = 30;
        TJanelaDebrief janela([&plano] { return plano; });
        const TSerieDesenvolvedor& fennick = janela.Analise().Equipe.at(1);
        const double menor = *std::min_element(fennick.Exaustao.cbegin(), fennick.Exaustao.cend());
        QVERIFY(menor < 0.0);
        const QCPGraph* linha = GraficoChamado(*MostraGrafico(janela, GraficoEquipe),
                                               "Fennick: exhaustion");
        QVERIFY(linha->valueAxis()->range().lower < menor);
        QVERIFY(linha->valueAxis()->range().upper > 50.0);
    }

    // Guards against a message list that cannot be searched, or whose lines
    // lead to no day on the charts.
    void AMessageChosenMarksItsDayAndLeadsToTheChart() {
        TJanelaDebrief janela([] { return PlanoCorvinDia30(); });
        Abas(janela)->setCurrentIndex(Abas(janela)->count() - 1);
        auto* aba = janela.findChild<TAbaMensagens*>();
        QVERIFY(aba->isVisible() || Abas(janela)->currentWidget() == aba);
        const int todas = aba->Lista()->model()->rowCount();
        QCOMPARE(todas, janela.Analise().Mensagens.size());
        QTest::keyClicks(aba->Busca(), "LOOKING EXHAUST");
        QAbstractItemModel* lista = aba->Lista()->model();
        QVERIFY(lista->rowCount() > 0 && lista->rowCount() < todas);
        for (int r = 0; r < lista->rowCount(); ++r) {
            QVERIFY(lista->index(r, 0).data().toString().contains("looking exhaust"));
        }
        QCOMPARE(aba->Contagem(), QStringLiteral("%1 of %2 messages")
                                      .arg(QString::number(lista->rowCount()), QString::number(todas)));
        const QModelIndex primeira = lista->index(0, 0);
        QVERIFY(primeira.data().toString().startsWith(QStringLiteral("Day 12: ")));
        aba->Lista()->setCurrentIndex(primeira);
        QCOMPARE(janela.DiaMarcado(), 12.0);
        emit aba->Lista()->activated(primeira);
        QCustomPlot* custo = janela.Grafico(GraficoCusto);
        QCOMPARE(Abas(janela)->currentWidget()->findChild<QCustomPlot*>(), custo);
        int linhas = 0;
        for (int i = 0; i < custo->itemCount(); ++i) {
            if (custo->item(i)->objectName() == QLatin1String("orvantaDiaFoco")) {
                auto* linha = static_cast<QCPItemStraightLine*>(custo->item(i));
                QCOMPARE(linha->point1->coords().x(), 12.0);
                ++linhas;
            }
        }
        QVERIFY(linhas >= 2); // on every plot of the chart
    }

    // Guards against a list that keeps reading an analysis replaced by a
    // new game's (rows that no longer exist), or shows the old game's.
    void AListShownAfterANewGameShowsTheNewGame() {
        TPlano plano = PlanoCorvinDia30();
        TJanelaDebrief janela([&plano] { return plano; });
        janela.show();
        Abas(janela)->setCurrentIndex(Abas(janela)->count() - 1);
        auto* mensagens = janela.findChild<TAbaMensagens*>();
        QVERIFY(mensagens->Lista()->model()->rowCount() > 20);
        MostraGrafico(janela, GraficoDecisoes);
        QCOMPARE(mensagens->Lista()->model()->rowCount(), janela.Analise().Mensagens.size());
        plano = TPlano();
        plano.MaximoDias = 3;
        janela.Atualiza();
        QCOMPARE(mensagens->Lista()->model()->rowCount(), 0);
        Abas(janela)->setCurrentIndex(Abas(janela)->count() - 1);
        QCOMPARE(mensagens->Lista()->model()->rowCount(), janela.Analise().Mensagens.size());
        QCOMPARE(mensagens->Contagem(), QStringLiteral("%1 messages").arg(janela.Analise().Mensagens.size()));
    }

    // Guards against a list of decisions that loses some, or leads nowhere.
    void TheDecisionsListHoldsEveryDecisionAndMarksItsDay() {
        TJanelaDebrief janela([] { return PlanoCorvinDia30(); });
        MostraGrafico(janela, GraficoDecisoes);
        QTableView* lista = janela.findChild<TAbaDecisoes*>()->Lista();
        QCOMPARE(lista->model()->rowCount(), janela.Analise().Decisoes.size());
        const int ultima = lista->model()->rowCount() - 1;
        QCOMPARE(lista->model()->index(ultima, 2).data().toString(),
                 QStringLiteral("Corvin's hours set to 12 a day, while he was exhausted"));
        lista->setCurrentIndex(lista->model()->index(ultima, 0));
        QCOMPARE(janela.DiaMarcado(), 30.0);
    }

    // Guards against the empty 0-1 axes of a game not yet played.
    void AGameWithNoDayPlayedSaysSoOnEveryDayChart() {
        TJanelaDebrief janela([] {
            TPlano vazio;
            vazio.MaximoDias = 0;
            return vazio;
        });
        for (int i : {GraficoDecisoes, GraficoCusto, GraficoQualidade, GraficoEquipe,
                      GraficoCronograma}) {
            QCustomPlot* grafico = MostraGrafico(janela, i);
            const QStringList textos = Textos(*grafico);
            QVERIFY2(textos.filter(QStringLiteral("No day played yet")).size() == 1,
                     qPrintable(NomesGraficosDebrief().at(i)));
            for (QCPAxisRect* area : grafico->axisRects()) {
                QCOMPARE(area->axis(QCPAxis::atBottom)->range().upper, 10.5);
            }
        }
        QVERIFY(Textos(*MostraGrafico(janela, GraficoResumo)).contains("No day played yet"));
    }

    // Guards against a summary that does not say whose game it is, passes
    // a name's placeholders on, or calls a replayed record checked blindly.
    void TheSummaryShowsTheRecordsIdentityAndItsCheck() {
        TPlano plano = ComMeta(PlanoReferencia(HorasReferenciaA), "%1 Ana %2", 3);
        plano.Resultado = TResultadoPlano{true, 81, 16200.0};
        TJanelaDebrief janela([&plano] { return plano; });
        QStringList textos = Textos(*MostraGrafico(janela, GraficoResumo));
        QVERIFY(textos.contains("Orvanta debrief: %1 Ana %2, game 3"));
        QVERIFY(textos.contains("%1 Ana %2"));
        QVERIFY(textos.contains("2026-12-08 11:02"));
        QVERIFY(textos.contains("Concluded in 81 days, cost 16,200.00"));
        QVERIFY(textos.contains("Verified: the record replays to the result it claims"));
        QVERIFY(textos.contains("16,200.00")); // Corvin's cost
        plano.Resultado = TResultadoPlano{true, 80, 16200.0};
        janela.Atualiza();
        textos = Textos(*janela.Grafico(GraficoResumo));
        QVERIFY(textos.filter(QRegularExpression("^MISMATCH: .*80 days")).size() == 1);
    }

    void TheProposedNameIsTheManagersAndTheGames_data() {
        QTest::addColumn<QString>("gerente");
        QTest::addColumn<int>("jogo");
        QTest::addColumn<QString>("nome");
        QTest::newRow("a name") << "Ana" << 3 << "orvanta-Ana-game-3.pdf";
        QTest::newRow("spaces and accents") << "José da Silva" << 12 << "orvanta-José-da-Silva-game-12.pdf";
        QTest::newRow("a path") << "../../etc/passwd" << 1 << "orvanta-etc-passwd-game-1.pdf";
        QTest::newRow("placeholders") << "%1 %2" << 2 << "orvanta-1-2-game-2.pdf";
        QTest::newRow("no manager") << "" << 4 << "orvanta-game-4.pdf";
        QTest::newRow("nothing recorded") << "" << 0 << "orvanta-debrief.pdf";
        QTest::newRow("no game") << "Bea" << 0 << "orvanta-Bea.pdf";
    }

    // Guards against a proposed name that leaves the folder, takes a
    // placeholder for an argument, or tells no two students apart.
    void TheProposedNameIsTheManagersAndTheGames() {
        QFETCH(QString, gerente);
        QFETCH(int, jogo);
        QFETCH(QString, nome);
        TCapaJogo capa;
        capa.Gerente = gerente;
        capa.Jogo = jogo;
        QCOMPARE(NomeArquivoDebrief(capa, QStringLiteral("pdf")), nome);
    }

    // Guards against an export that loses pages or metadata, a PDF whose
    // cross-references are broken, or an SVG or PNG of all charts stacked.
    void ExportsGiveAPdfOfPagesAndAFileForEachChart() {
        const TPlano plano = ComMeta(PlanoCorvinDia30(), "Ana Souza", 3);
        TJanelaDebrief janela([&plano] { return plano; });
        QCOMPARE(janela.NomeProposto(-1, "pdf"), QStringLiteral("orvanta-Ana-Souza-game-3.pdf"));
        QCOMPARE(janela.NomeProposto(GraficoEquipe, "svg"),
                 QStringLiteral("orvanta-Ana-Souza-game-3-team.svg"));
        QString erro;
        const QString pdf = FPasta.filePath("d.pdf");
        QVERIFY2(janela.Exporta(pdf, erro), qPrintable(erro));
        const QString info = Pdfinfo(pdf);
        // Seven charts and one page listing the decisions.
        QVERIFY2(info.contains(QRegularExpression("\\bPages:\\s+8\\n")), qPrintable(info));
        QVERIFY2(info.contains(QRegularExpression("Title:\\s+Orvanta debrief: Ana Souza, game 3\\n")),
                 qPrintable(info));
        QVERIFY2(info.contains(QRegularExpression("Author:\\s+Ana Souza\\n")), qPrintable(info));
        QVERIFY2(!info.contains("Error"), qPrintable(info));

        const QString svg = FPasta.filePath("d.svg");
        QVERIFY2(janela.Exporta(svg, erro), qPrintable(erro));
        QVERIFY(!QFile::exists(svg));
        for (const QString& parte : ArquivosGraficosDebrief()) {
            const QString arquivo = FPasta.filePath(QStringLiteral("d-%1.svg").arg(parte));
            QVERIFY2(QSvgRenderer(arquivo).isValid(), qPrintable(arquivo));
        }
        const QString png = FPasta.filePath("equipe.png");
        QVERIFY2(janela.Exporta(png, erro, GraficoEquipe), qPrintable(erro));
        QCOMPARE(QImage(png).size(), TamanhoGraficoDebrief * EscalaPngDebrief);
        QVERIFY(!QFile::exists(FPasta.filePath("equipe-team.png")));
    }
};

QTEST_MAIN(TstJanelaDebrief)
#include "tst_janela_debrief.moc"
