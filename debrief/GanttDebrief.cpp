// SPDX-License-Identifier: GPL-3.0-or-later
#include "debrief/GanttDebrief.h"

#include "analise/AnaliseJogo.h"
#include "debrief/EstiloDebrief.h"
#include "graficos/PaletaGrafico.h"

#include <qcustomplot.h>

#include <algorithm>

namespace {

constexpr double MeiaAltura = 0.35;

// A developer's fill: his colour, and on paper a hatching of his own, so
// that bars stay apart in grey.
QBrush Preenchimento(const TPaletaGrafico& paleta, int d) {
    static constexpr Qt::BrushStyle Padroes[] = {Qt::SolidPattern,    Qt::BDiagPattern,
                                                 Qt::FDiagPattern,    Qt::DiagCrossPattern,
                                                 Qt::CrossPattern,    Qt::HorPattern,
                                                 Qt::Dense5Pattern};
    const QColor cor = d >= 0 ? paleta.Serie(d) : paleta.Grade;
    if (!paleta.Impressa || d < 0) {
        return cor;
    }
    return QBrush(cor, Padroes[d % std::size(Padroes)]);
}

QColor CorDesenvolvedor(const TPaletaGrafico& paleta, int d) {
    return d >= 0 ? paleta.Serie(d) : paleta.Grade;
}

QString Quem(const TAnaliseJogo& analise, int d) {
    return d >= 0    ? analise.Cenario.Desenvolvedores.value(d)
           : d == -2 ? QStringLiteral("several developers")
                     : QStringLiteral("nobody");
}

} // namespace

double LinhaGantt(int i, int n) {
    return n - 1 - i;
}

void EixoAtividades(QCPAxisRect& area, const TAnaliseJogo& analise, double fonte) {
    QCPAxis& eixo = *area.axis(QCPAxis::atLeft);
    QSharedPointer<QCPAxisTickerText> marcas(new QCPAxisTickerText);
    const int n = static_cast<int>(analise.Cenario.Atividades.size());
    for (int i = 0; i < n; ++i) {
        marcas->addTick(LinhaGantt(i, n), analise.Cenario.Atividades.at(i));
    }
    eixo.setTicker(marcas);
    eixo.setTickLabelFont(FonteGrafico(fonte));
    eixo.setRange(-0.7, n - 0.3);
    eixo.grid()->setVisible(false);
}

void DesenhaGantt(QCPAxisRect& area, const TAnaliseJogo& analise, const TPaletaGrafico& paleta) {
    QCustomPlot& grafico = *area.parentPlot();
    QCPAxis* x = area.axis(QCPAxis::atBottom);
    QCPAxis* y = area.axis(QCPAxis::atLeft);
    const int n = static_cast<int>(analise.Cronograma.size());
    for (int i = 0; i < n; ++i) {
        const bool critica = analise.Caminho.contains(i);
        for (const TFaixaCronograma& f : analise.Cronograma.at(i)) {
            auto* barra = new QCPItemRect(&grafico);
            barra->setClipAxisRect(&area);
            for (QCPItemPosition* p : {barra->topLeft, barra->bottomRight}) {
                p->setAxes(x, y);
                p->setAxisRect(&area);
            }
            barra->topLeft->setCoords(f.Inicio, LinhaGantt(i, n) + MeiaAltura);
            barra->bottomRight->setCoords(f.Fim, LinhaGantt(i, n) - MeiaAltura);
            barra->setBrush(Preenchimento(paleta, f.Desenvolvedor));
            barra->setPen(critica ? QPen(paleta.Alerta, 2)
                                  : QPen(CorDesenvolvedor(paleta, f.Desenvolvedor)));
            PoeDica(*barra, QStringLiteral("%1\n%2, days %3 to %4%5")
                                .arg(analise.Cenario.Atividades.at(i), Quem(analise, f.Desenvolvedor),
                                     TextoInteiro(f.Inicio), TextoInteiro(f.Fim),
                                     critica ? QStringLiteral("\non the critical path")
                                             : QString()));
        }
    }
}

void LegendaGantt(QCustomPlot& grafico, const QList<const TAnaliseJogo*>& jogos,
                  const TPaletaGrafico& paleta) {
    QList<int> vistos;
    const TAnaliseJogo* nomes = nullptr;
    for (const TAnaliseJogo* analise : jogos) {
        nomes = nomes ? nomes : analise;
        for (const QList<TFaixaCronograma>& faixas : analise->Cronograma) {
            for (const TFaixaCronograma& f : faixas) {
                if (!vistos.contains(f.Desenvolvedor)) {
                    vistos.append(f.Desenvolvedor);
                }
            }
        }
    }
    std::sort(vistos.begin(), vistos.end());
    for (int d : vistos) {
        EntradaLegenda(grafico, Quem(*nomes, d), QPen(CorDesenvolvedor(paleta, d)),
                       Preenchimento(paleta, d));
    }
    EntradaLegenda(grafico, QStringLiteral("critical path"), QPen(paleta.Alerta, 2));
}
