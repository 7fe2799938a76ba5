#include "graficos/ExportaGraficos.h"

#include "AutorPdf.h"
#include "arquivos/GravaArquivo.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <qcustomplot.h>

std::optional<TFormatoGrafico> FormatoPorNome(const QString& caminho) {
    const QString sufixo = QFileInfo(caminho).suffix().toLower();
    if (sufixo == QLatin1String("pdf")) {
        return TFormatoGrafico::Pdf;
    }
    if (sufixo == QLatin1String("svg")) {
        return TFormatoGrafico::Svg;
    }
    if (sufixo == QLatin1String("png")) {
        return TFormatoGrafico::Png;
    }
    return std::nullopt;
}

namespace {

// Charts are laid out in logical pixels of a 96 dpi screen, the resolution
// of the picture (QImage) and of the screen: a vector file takes the same
// one, or a font's points come out in other pixels than the chart's lines
// and the text no longer fits its chart (three times too large in a 300 dpi
// PDF, three quarters of its size in a 72 dpi SVG).
constexpr int ResolucaoGraficos = 96;

// Draws the chart into the painter's window (0, 0, tamanho), which the caller
// has mapped onto its page or picture.
void DesenhaGrafico(QCPPainter& pintor, QCustomPlot& grafico, const QSize& tamanho) {
    grafico.toPainter(&pintor, tamanho.width(), tamanho.height());
}

// Charts stacked top to bottom on one device of tamanho x n charts.
void DesenhaEmPilha(QCPPainter& pintor, const QList<QCustomPlot*>& graficos,
                    const QSize& tamanho) {
    for (qsizetype i = 0; i < graficos.size(); ++i) {
        pintor.save();
        pintor.translate(0, static_cast<double>(i * tamanho.height()));
        DesenhaGrafico(pintor, *graficos.at(i), tamanho);
        pintor.restore();
    }
}

QString Titulo(const TMetadadosGraficos& meta) {
    return meta.Titulo.isEmpty() ? QStringLiteral("Orvanta") : meta.Titulo;
}

bool EscrevePdf(const QList<QCustomPlot*>& graficos, QIODevice& destino, const QSize& tamanho,
                const TMetadadosGraficos& meta) {
    QPdfWriter pdf(&destino);
    pdf.setCreator(QStringLiteral("Orvanta"));
    pdf.setTitle(Titulo(meta));
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                                  QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
    pdf.setResolution(ResolucaoGraficos);
    QCPPainter pintor;
    if (!pintor.begin(&pdf)) {
        return false;
    }
    pintor.setMode(QCPPainter::pmVectorized);
    pintor.setMode(QCPPainter::pmNoCaching);
    const QRect pagina = pintor.viewport();
    // The chart keeps its proportions, centred on the page.
    QSize encaixe = tamanho.scaled(pagina.size(), Qt::KeepAspectRatio);
    const QRect alvo(pagina.x() + (pagina.width() - encaixe.width()) / 2,
                     pagina.y() + (pagina.height() - encaixe.height()) / 2, encaixe.width(),
                     encaixe.height());
    for (qsizetype i = 0; i < graficos.size(); ++i) {
        if (i > 0 && !pdf.newPage()) {
            return false;
        }
        pintor.setViewport(alvo);
        pintor.setWindow(QRect(QPoint(0, 0), tamanho));
        DesenhaGrafico(pintor, *graficos.at(i), tamanho);
    }
    return pintor.end();
}

bool EscreveSvg(const QList<QCustomPlot*>& graficos, QIODevice& destino, const QSize& tamanho,
                const TMetadadosGraficos& meta) {
    const QSize total(tamanho.width(), tamanho.height() * static_cast<int>(graficos.size()));
    QSvgGenerator svg;
    svg.setResolution(ResolucaoGraficos);
    svg.setOutputDevice(&destino);
    svg.setSize(total);
    svg.setViewBox(QRect(QPoint(0, 0), total));
    svg.setTitle(Titulo(meta));
    if (!meta.Autor.isEmpty()) {
        svg.setDescription(QStringLiteral("Author: %1").arg(meta.Autor));
    }
    QCPPainter pintor;
    if (!pintor.begin(&svg)) {
        return false;
    }
    pintor.setMode(QCPPainter::pmVectorized);
    pintor.setMode(QCPPainter::pmNoCaching);
    DesenhaEmPilha(pintor, graficos, tamanho);
    return pintor.end();
}

bool EscrevePng(const QList<QCustomPlot*>& graficos, QIODevice& destino, const QSize& tamanho,
                double escala) {
    const QSize total(tamanho.width(), tamanho.height() * static_cast<int>(graficos.size()));
    QImage imagem((QSizeF(total) * escala).toSize(), QImage::Format_ARGB32_Premultiplied);
    if (imagem.isNull()) {
        return false;
    }
    imagem.fill(Qt::white);
    {
        QCPPainter pintor(&imagem);
        pintor.setMode(QCPPainter::pmNoCaching);
        pintor.scale(escala, escala);
        DesenhaEmPilha(pintor, graficos, tamanho);
    }
    return imagem.save(&destino, "PNG");
}

} // namespace

bool ExportaGraficos(const QList<QCustomPlot*>& graficos, const QString& caminho,
                     const QSize& tamanho, QString& erro, double escala,
                     const TMetadadosGraficos& meta) {
    const std::optional<TFormatoGrafico> formato = FormatoPorNome(caminho);
    if (!formato) {
        erro = QStringLiteral("%1: unknown format (use .pdf, .svg or .png)").arg(caminho);
        return false;
    }
    if (graficos.isEmpty() || tamanho.isEmpty() || escala <= 0) {
        erro = QStringLiteral("%1: nothing to draw").arg(caminho);
        return false;
    }
    // The whole file is made in memory first: a failed drawing never leaves
    // half a file, and the file on disk is replaced in one step.
    QBuffer memoria;
    memoria.open(QIODevice::WriteOnly);
    bool desenhado = false;
    switch (*formato) {
    case TFormatoGrafico::Pdf:
        desenhado = EscrevePdf(graficos, memoria, tamanho, meta);
        break;
    case TFormatoGrafico::Svg:
        desenhado = EscreveSvg(graficos, memoria, tamanho, meta);
        break;
    case TFormatoGrafico::Png:
        desenhado = EscrevePng(graficos, memoria, tamanho, escala);
        break;
    }
    if (!desenhado) {
        erro = QStringLiteral("%1: the charts could not be drawn").arg(caminho);
        return false;
    }
    QByteArray dados = memoria.data();
    if (*formato == TFormatoGrafico::Pdf && !meta.Autor.isEmpty()) {
        dados = PoeAutorPdf(dados, meta.Autor);
    }
    QString motivo;
    if (!GravaArquivoInteiro(caminho, dados, motivo)) {
        erro = QStringLiteral("%1: %2").arg(caminho, motivo);
        return false;
    }
    return true;
}

QByteArray GraficosSvg(const QList<QCustomPlot*>& graficos, const QSize& tamanho) {
    if (graficos.isEmpty() || tamanho.isEmpty()) {
        return {};
    }
    QBuffer memoria;
    memoria.open(QIODevice::WriteOnly);
    return EscreveSvg(graficos, memoria, tamanho, {}) ? memoria.data() : QByteArray();
}
