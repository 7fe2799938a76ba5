// The debrief window on a plan: the game it shows, hover tips over its
// charts, and its export to PDF, SVG and PNG.
#include "debrief/DicaGrafico.h"
#include "debrief/GraficosDebrief.h"
#include "debrief/JanelaDebrief.h"
#include "graficos/PaletaGrafico.h"
#include "plan/PlanoReferencia.h"

#include <qcustomplot.h>

#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

class TstJanelaDebrief : public QObject {
    Q_OBJECT

    QTemporaryDir FPasta;

private slots:
    // Guards against a window that shows another game than its source's, or
    // keeps the old one after the source changed.
    void TheWindowShowsTheSourcesGameAndFollowsIt() {
        TPlano plano = PlanoReferencia(HorasReferenciaB);
        plano.MaximoDias = 10;
        TJanelaDebrief janela([&plano] { return plano; });
        QCOMPARE(janela.windowTitle(), QStringLiteral("Orvanta Debrief"));
        QCOMPARE(janela.Analise().Dias.size(), 10);
        plano.MaximoDias = 11;
        janela.Atualiza();
        QCOMPARE(janela.Analise().Dias.size(), 11);
        QCOMPARE(janela.Grafico(0)->graphCount(), 1);
        QCOMPARE(janela.Grafico(0)->graph(0)->dataCount(), 11);
    }

    // Guards against a tab that keeps a chart of an older game when it is
    // chosen after the game moved on.
    void AChartDrawnLaterShowsTheLatestGame() {
        TPlano plano = PlanoReferencia(HorasReferenciaB);
        plano.MaximoDias = 3;
        TJanelaDebrief janela([&plano] { return plano; });
        plano.MaximoDias = 30;
        janela.Atualiza();
        janela.findChild<QTabWidget*>()->setCurrentIndex(2);
        QCustomPlot* equipe = janela.Grafico(2);
        QVERIFY(equipe->graphCount() >= 2);
        QCOMPARE(equipe->graph(0)->dataCount(), 30);
        QCOMPARE(janela.findChild<QTabWidget*>()->currentWidget(), equipe);
    }

    // Guards against tips that show another point's values, or none at all.
    void HoveringTheCostLineShowsThatDaysExactCost() {
        TJanelaDebrief janela([] { return PlanoReferencia(HorasReferenciaA); });
        janela.resize(1000, 700);
        QCustomPlot* custo = janela.Grafico(0);
        custo->resize(900, 600);
        custo->replot();
        QCPGraph* linha = custo->graph(0);
        const QPointF ponto(custo->xAxis->coordToPixel(70.0),
                            linha->valueAxis()->coordToPixel(14000.0));
        QCOMPARE(DicaGraficoEm(*custo, ponto), QStringLiteral("cumulative cost\nDay 70: 14000"));
        QVERIFY(DicaGraficoEm(*custo, QPointF(2, 2)).isEmpty());
    }

    // Guards against schedule bars without their activity, developer and days.
    void HoveringAScheduleBarNamesItsActivityDeveloperAndDays() {
        TJanelaDebrief janela([] { return PlanoReferencia(HorasReferenciaA); });
        QCustomPlot grafico;
        MontaGraficoDebrief(3, grafico, janela.Analise(), TPaletaGrafico::Tela());
        grafico.resize(900, 600);
        grafico.replot();
        // Row of the first activity (at the top), in its first day.
        const QPointF ponto(grafico.xAxis->coordToPixel(0.5), grafico.yAxis->coordToPixel(15.0));
        QCOMPARE(DicaGraficoEm(grafico, ponto),
                 QStringLiteral("Users and Professors use cases\nCorvin, days 0 to 2"));
    }

    // Guards against exports that lose charts or pages, or write a file that
    // its readers refuse.
    void ExportsGiveAPagedPdfALoadableSvgAndAPngOfTheExpectedSize() {
        TJanelaDebrief janela([] { return PlanoReferencia(HorasReferenciaB); });
        QString erro;
        const QString pdf = FPasta.filePath("d.pdf");
        QVERIFY2(janela.Exporta(pdf, erro), qPrintable(erro));
        QProcess info;
        info.start("pdfinfo", {pdf});
        QVERIFY(info.waitForFinished());
        const QString saida = QString::fromUtf8(info.readAllStandardOutput());
        QVERIFY2(QRegularExpression(QStringLiteral("\\bPages:\\s+5\\n")).match(saida).hasMatch(),
                 qPrintable(saida));

        const QString svg = FPasta.filePath("d.svg");
        QVERIFY2(janela.Exporta(svg, erro), qPrintable(erro));
        QSvgRenderer leitor(svg);
        QVERIFY(leitor.isValid());

        const QString png = FPasta.filePath("d.png");
        QVERIFY2(janela.Exporta(png, erro), qPrintable(erro));
        const QImage imagem(png);
        const QSize esperado = TamanhoGraficoDebrief * EscalaPngDebrief;
        QCOMPARE(imagem.size(), QSize(esperado.width(), esperado.height() * 5));
    }
};

QTEST_MAIN(TstJanelaDebrief)
#include "tst_janela_debrief.moc"
