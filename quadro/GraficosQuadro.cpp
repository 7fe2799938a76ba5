// SPDX-License-Identifier: GPL-3.0-or-later
#include "quadro/GraficosQuadro.h"

#include "debrief/GraficosDebrief.h"
#include "graficos/ExportaGraficos.h"
#include "graficos/PaletaGrafico.h"
#include "turma/GraficoTurma.h"

#include <qcustomplot.h>

QByteArray SvgGraficoTurma(const QList<TLinhaTurma>& linhas,
                           const QList<TReferenciaTurma>& referencias,
                           const QList<TPontoFrente>& frente) {
    QCustomPlot grafico;
    MontaGraficoTurma(grafico, linhas, referencias, frente);
    return GraficosSvg({&grafico}, TamanhoGraficoTurma);
}

QStringList NomesGraficosJogo() {
    return NomesGraficosDebrief();
}

QByteArray SvgGraficoJogo(const TAnaliseJogo& analise, const QString& nome) {
    const qsizetype i = NomesGraficosDebrief().indexOf(nome);
    if (i < 0) {
        return {};
    }
    QCustomPlot grafico;
    MontaGraficoDebrief(static_cast<int>(i), grafico, analise, TPaletaGrafico::Papel());
    return GraficosSvg({&grafico}, TamanhoGraficoDebrief);
}
