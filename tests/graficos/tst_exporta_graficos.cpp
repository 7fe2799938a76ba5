// Charts exported to PDF, SVG and PNG: page and picture sizes, the format
// taken from the file name, and a failed export leaving the old file alone.
#include "graficos/AutorPdf.h"
#include "graficos/ExportaGraficos.h"
#include "graficos/PaletaGrafico.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>
#include <qcustomplot.h>

namespace {

std::unique_ptr<QCustomPlot> GraficoSimples(double inclinacao) {
    auto grafico = std::make_unique<QCustomPlot>();
    QCPGraph* linha = grafico->addGraph();
    linha->setData({0, 1, 2, 3}, {0, inclinacao, 2 * inclinacao, 3 * inclinacao});
    grafico->rescaleAxes();
    AplicaPaleta(*grafico, TPaletaGrafico::Papel());
    return grafico;
}

// Whether every object the cross-reference table lists starts where it
// says, and the table where startxref says: what a reader seeks by.
bool ReferenciasCertas(const QByteArray& pdf) {
    const qsizetype marca = pdf.lastIndexOf("startxref");
    const qsizetype tabela = pdf.mid(marca + 9).trimmed().split('\n').value(0).trimmed().toLongLong();
    if (marca < 0 || !pdf.mid(tabela).startsWith("xref\n0 ")) {
        return false;
    }
    const QList<QByteArray> cabecalho = pdf.mid(tabela).split('\n').value(1).split(' ');
    const int quantos = cabecalho.value(1).toInt();
    const qsizetype entradas = pdf.indexOf('\n', pdf.indexOf('\n', tabela) + 1) + 1;
    for (int k = 1; k < quantos; ++k) {
        const QByteArray entrada = pdf.mid(entradas + k * 20, 20);
        if (entrada.at(17) == 'n' &&
            !pdf.mid(entrada.left(10).toLongLong()).startsWith(QByteArray::number(k) + " 0 obj")) {
            return false;
        }
    }
    return quantos > 1;
}

QByteArray Conteudo(const QString& caminho) {
    QFile arquivo(caminho);
    return arquivo.open(QIODevice::ReadOnly) ? arquivo.readAll() : QByteArray();
}

} // namespace

class TstExportaGraficos : public QObject {
    Q_OBJECT

    QTemporaryDir FPasta;
    std::unique_ptr<QCustomPlot> FPrimeiro = GraficoSimples(1);
    std::unique_ptr<QCustomPlot> FSegundo = GraficoSimples(2);
    const QSize FTamanho{400, 300};

    QList<QCustomPlot*> Ambos() const { return {FPrimeiro.get(), FSegundo.get()}; }

private slots:
    // Guards against a format chosen by anything but the extension, or a
    // misspelt extension accepted as one.
    void TheFormatComesFromTheExtensionInAnyCase_data() {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<int>("formato");
        QTest::newRow("pdf") << "a/b.pdf" << int(TFormatoGrafico::Pdf);
        QTest::newRow("SVG") << "b.SVG" << int(TFormatoGrafico::Svg);
        QTest::newRow("Png") << "c.Png" << int(TFormatoGrafico::Png);
        QTest::newRow("jpeg") << "d.jpeg" << -1;
        QTest::newRow("none") << "pdf" << -1;
    }
    // guards against an upper-case extension refused or written in the wrong format
    void TheFormatComesFromTheExtensionInAnyCase() {
        QFETCH(QString, nome);
        QFETCH(int, formato);
        const auto achado = FormatoPorNome(nome);
        QCOMPARE(achado ? int(*achado) : -1, formato);
    }

    // Guards against charts drawn over one another or lost between pages.
    void APdfHasOnePagePerChart() {
        const QString caminho = FPasta.filePath(QStringLiteral("dois.pdf"));
        QString erro;
        QVERIFY2(ExportaGraficos(Ambos(), caminho, FTamanho, erro), qPrintable(erro));
        const QByteArray pdf = Conteudo(caminho);
        QVERIFY(pdf.startsWith("%PDF-"));
        const QRegularExpression pagina(QStringLiteral("/Type\\s*/Page(?!s)"));
        QCOMPARE(QString::fromLatin1(pdf).count(pagina), 2);
    }

    // Guards against an SVG or PNG whose size does not hold every chart.
    void SvgAndPngStackTheChartsTopToBottom() {
        QString erro;
        const QString svg = FPasta.filePath(QStringLiteral("dois.svg"));
        QVERIFY2(ExportaGraficos(Ambos(), svg, FTamanho, erro), qPrintable(erro));
        QSvgRenderer leitor(svg);
        QVERIFY(leitor.isValid());
        QCOMPARE(leitor.viewBox(), QRect(0, 0, 400, 600));

        const QString png = FPasta.filePath(QStringLiteral("dois.png"));
        QVERIFY2(ExportaGraficos(Ambos(), png, FTamanho, erro, 2.0), qPrintable(erro));
        const QImage imagem(png);
        QCOMPARE(imagem.size(), QSize(800, 1200));
        // The paper ground is white and the chart is drawn on it.
        QCOMPARE(imagem.pixelColor(2, 2), QColor(Qt::white));
        QVERIFY(imagem.convertToFormat(QImage::Format_Indexed8).colorCount() > 2);
    }

    // Guards against text laid out at another resolution than the chart's
    // lines (a font's points turned into the pixels of a 300 dpi PDF or of a
    // 72 dpi SVG): text three times too large for its chart, or too small.
    void TextKeepsItsSizeAgainstTheChartInEveryFormat() {
        QString erro;
        const QString svg = FPasta.filePath(QStringLiteral("texto.svg"));
        QVERIFY2(ExportaGraficos({FPrimeiro.get()}, svg, FTamanho, erro), qPrintable(erro));
        // The chart's text is 8 and 9 points: 10.7 to 12 pixels at 96 dpi,
        // as in a PNG (8 and 9 at 72 dpi).
        const QRegularExpression tamanho(QStringLiteral("font-size=\"([0-9.]+)\""));
        int textos = 0;
        for (const QRegularExpressionMatch& m :
             tamanho.globalMatch(QString::fromUtf8(Conteudo(svg)))) {
            const double pixels = m.captured(1).toDouble();
            QVERIFY2(pixels >= 10.5 && pixels <= 12.5, qPrintable(m.captured(0)));
            ++textos;
        }
        QVERIFY(textos > 0);

        const QString pdf = FPasta.filePath(QStringLiteral("texto.pdf"));
        QVERIFY2(ExportaGraficos({FPrimeiro.get()}, pdf, FTamanho, erro), qPrintable(erro));
        QProcess texto;
        texto.start(QStringLiteral("pdftotext"),
                    {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
        QVERIFY2(texto.waitForFinished(30000) && texto.exitCode() == 0, "pdftotext failed");
        const QString palavras = QString::fromUtf8(texto.readAllStandardOutput());
        const QRegularExpression palavra(
            QStringLiteral("yMin=\"([0-9.]+)\" xMax=\"[0-9.]+\" yMax=\"([0-9.]+)\""));
        // The chart fills the page's height, 190 mm, with its 300 pixels.
        const double pontosPorPixel = 190.0 / 25.4 * 72 / FTamanho.height();
        const double letra = 8.0 * 96 / 72 * pontosPorPixel;
        int rotulos = 0;
        for (const QRegularExpressionMatch& m : palavra.globalMatch(palavras)) {
            const double altura = m.captured(2).toDouble() - m.captured(1).toDouble();
            QVERIFY2(altura > 0.8 * letra && altura < 1.5 * letra,
                     qPrintable(
                         QStringLiteral("%1 points for a %2-point letter").arg(altura).arg(letra)));
            ++rotulos;
        }
        QVERIFY(rotulos > 0);
    }

    // Guards against a failed export that destroys the file already there.
    void AFailedExportLeavesTheOldFileAsItWas_data() {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<bool>("vazio");
        QTest::newRow("unknown extension") << "velho.txt" << false;
        QTest::newRow("no charts") << "velho.pdf" << true;
    }
    // guards against a half-written export over a good file
    void AFailedExportLeavesTheOldFileAsItWas() {
        QFETCH(QString, nome);
        QFETCH(bool, vazio);
        const QString caminho = FPasta.filePath(nome);
        QFile velho(caminho);
        QVERIFY(velho.open(QIODevice::WriteOnly));
        velho.write("old contents");
        velho.close();
        QString erro;
        QVERIFY(!ExportaGraficos(vazio ? QList<QCustomPlot*>{} : Ambos(), caminho, FTamanho, erro));
        QVERIFY(erro.startsWith(caminho));
        QCOMPARE(Conteudo(caminho), QByteArray("old contents"));
    }

    void ThePdfNamesItsTitleAndAuthor_data() {
        QTest::addColumn<QString>("autor");
        QTest::newRow("a name") << "Ana Souza";
        QTest::newRow("accents and parentheses") << "José (Zé) \\ Ñuñez";
        QTest::newRow("beyond the basic plane") << QString::fromUtf8("Ana \xF0\x9F\x98\x80");
    }

    // Guards against a PDF without its author, or one whose offsets the
    // added entry broke (readers then rebuild it, or refuse it).
    void ThePdfNamesItsTitleAndAuthor() {
        QFETCH(QString, autor);
        const QString caminho = FPasta.filePath(QStringLiteral("autor.pdf"));
        QString erro;
        QVERIFY(ExportaGraficos(Ambos(), caminho, FTamanho, erro, 1.0, {"Orvanta debrief: x", autor}));
        QVERIFY(ReferenciasCertas(Conteudo(caminho)));
        QProcess info;
        info.start(QStringLiteral("pdfinfo"), {QStringLiteral("-enc"), QStringLiteral("UTF-8"), caminho});
        QVERIFY(info.waitForFinished());
        const QString saida = QString::fromUtf8(info.readAllStandardOutput());
        QVERIFY2(info.readAllStandardError().isEmpty(), qPrintable(saida));
        QVERIFY2(saida.contains(QStringLiteral("Author:          ") + autor + QLatin1Char('\n')),
                 qPrintable(saida));
        QVERIFY(saida.contains(QStringLiteral("Title:           Orvanta debrief: x\n")));
        QVERIFY(saida.contains(QRegularExpression(QStringLiteral("Pages:\\s+2\\n"))));
    }

    // Guards against an author forced into a file laid out otherwise.
    void AFileNotLaidOutAsExpectedGetsNoAuthor() {
        for (const QByteArray& outro : {QByteArray("not a pdf"), QByteArray("%PDF-1.4\nstartxref\n5\n%%EOF"),
                                        QByteArray()}) {
            QCOMPARE(PoeAutorPdf(outro, QStringLiteral("Ana")), outro);
        }
    }

    // Guards against an unwritable destination reported as success.
    void AnUnwritableDestinationIsReported() {
        const QString caminho = FPasta.filePath(QStringLiteral("no-such-folder/x.png"));
        QString erro;
        QVERIFY(!ExportaGraficos(Ambos(), caminho, FTamanho, erro));
        QVERIFY(erro.startsWith(caminho + QStringLiteral(": ")));
        QVERIFY(!QFile::exists(caminho));
    }
};

QTEST_MAIN(TstExportaGraficos)
#include "tst_exporta_graficos.moc"
