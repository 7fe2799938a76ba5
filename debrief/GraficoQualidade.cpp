#include "MontagemGraficos.h"

#include "EstiloDebrief.h"
#include "MarcosGrafico.h"
#include "analise/AnaliseJogo.h"
#include "graficos/PaletaGrafico.h"

#include <qcustomplot.h>

#include <algorithm>

namespace {

// The four lines of an area, told apart by dash as well as by colour.
struct TLinhasQualidade {
    QPen Restantes;
    QPen Encontrados;
    QPen Feitos;
    QPen Alvo;
};

TLinhasQualidade Linhas(const TPaletaGrafico& paleta) {
    return {QPen(paleta.Lima, 2.2), QPen(paleta.Amarelo, 1.8, Qt::DashLine),
            QPen(paleta.Prata, 1.8, Qt::DotLine), QPen(paleta.Alerta, 1.2, Qt::DashDotLine)};
}

// The area's name inside its plot, top left.
void NomeArea(QCPAxisRect& area, const QString& nome, const TPaletaGrafico& paleta) {
    auto* texto = new QCPItemText(area.parentPlot());
    texto->setClipAxisRect(&area);
    texto->position->setAxisRect(&area);
    texto->position->setType(QCPItemPosition::ptAxisRectRatio);
    texto->position->setCoords(0.01, 0.04);
    texto->setPositionAlignment(Qt::AlignLeft | Qt::AlignTop);
    texto->setText(nome);
    texto->setFont(FonteGrafico(9, true));
    texto->setColor(paleta.Texto);
}

void DesenhaArea(QCPAxisRect& area, const TAnaliseJogo& analise, int k,
                 const TPaletaGrafico& paleta) {
    const TAreaFuncional& funcional = analise.Cenario.Areas.at(k);
    const TErrosArea& erros = analise.Areas.at(k);
    const TLinhasQualidade linhas = Linhas(paleta);
    const QString& nome = funcional.Nome;
    LinhaDias(area, analise.Dias, erros.Feitos, nome + QStringLiteral(": made"), linhas.Feitos, 0);
    LinhaDias(area, analise.Dias, erros.Encontrados, nome + QStringLiteral(": found and corrected"),
              linhas.Encontrados, 0);
    LinhaDias(area, analise.Dias, erros.Restantes, nome + QStringLiteral(": still in the product"),
              linhas.Restantes, 0);
    // The test's target across the whole game, as a series: in the legend and the tips.
    const double fim = analise.Dias.isEmpty() ? 10.0 : analise.Dias.constLast();
    LinhaDias(area, {0.0, fim}, {funcional.NivelAlvo, funcional.NivelAlvo},
              nome + QStringLiteral(": test target"), linhas.Alvo, 0);
    NomeArea(area, nome, paleta);
    QCPAxis* y = area.axis(QCPAxis::atLeft);
    y->setLabel(QStringLiteral("Errors"));
    y->setTicker(MarcasInteiras());
    y->ticker()->setTickCount(4);
    y->setRange(0.0, std::max(MaiorValor(erros.Feitos, 1.0), funcional.NivelAlvo) * 1.15);
}

} // namespace

void MontaGraficoQualidade(QCustomPlot& grafico, const TAnaliseJogo& analise,
                           const TPaletaGrafico& paleta) {
    QString nota = QStringLiteral("The game counts errors in fractions; they are shown here "
                                  "rounded to whole errors");
    if (!NotaPasso(analise).isEmpty()) {
        nota = QStringLiteral("%1. %2").arg(nota, NotaPasso(analise));
    }
    TituloDebrief(grafico, QStringLiteral("Quality: errors per functional area"), nota);
    QList<QCPAxisRect*> areas{grafico.xAxis->axisRect()};
    EixoDias(*areas.constFirst(), analise);
    for (qsizetype k = 1; k < analise.Areas.size(); ++k) {
        areas.append(NovaAreaDias(grafico, analise, 1.0));
    }
    for (qsizetype k = 0; k < analise.Areas.size(); ++k) {
        DesenhaArea(*areas.at(k), analise, static_cast<int>(k), paleta);
        if (k + 1 < analise.Areas.size()) {
            areas.at(k)->axis(QCPAxis::atBottom)->setTickLabels(false);
            areas.at(k)->axis(QCPAxis::atBottom)->setLabel(QString());
        }
    }
    // The legend names each kind of line once, for every area.
    for (int i = 0; i < grafico.plottableCount(); ++i) {
        grafico.plottable(i)->removeFromLegend();
    }
    const TLinhasQualidade linhas = Linhas(paleta);
    EntradaLegenda(grafico, QStringLiteral("errors still in the product"), linhas.Restantes);
    EntradaLegenda(grafico, QStringLiteral("found and corrected"), linhas.Encontrados);
    EntradaLegenda(grafico, QStringLiteral("made"), linhas.Feitos);
    EntradaLegenda(grafico, QStringLiteral("level the test must reach"), linhas.Alvo);
    FaixaMarcos(grafico, analise, TiposMarcosDias(), paleta);
    if (analise.Dias.isEmpty()) {
        AvisoGrafico(*areas.constFirst(), paleta, SemDias());
    }
    FinalizaGrafico(grafico, paleta, 4);
}
