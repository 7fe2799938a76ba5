#include "MontagemGraficos.h"

#include "EstiloDebrief.h"
#include "TabelaGrafico.h"
#include "analise/AnaliseJogo.h"
#include "graficos/PaletaGrafico.h"

#include <qcustomplot.h>

#include <algorithm>

int PaginasListaDecisoes(const TAnaliseJogo& analise) {
    const qsizetype n = analise.Decisoes.size();
    const qsizetype paginas = (n + LinhasPaginaDecisoes - 1) / LinhasPaginaDecisoes;
    return static_cast<int>(std::min<qsizetype>(paginas, MaximoPaginasDecisoes));
}

void MontaPaginaDecisoes(QCustomPlot& grafico, const TAnaliseJogo& analise, int pagina,
                         const TPaletaGrafico& paleta) {
    const int paginas = PaginasListaDecisoes(analise);
    TituloDebrief(grafico,
                  QStringLiteral("Decisions, day by day (%1 of %2)")
                      .arg(QString::number(pagina + 1), QString::number(paginas)));
    grafico.plotLayout()->remove(grafico.xAxis->axisRect());
    grafico.plotLayout()->simplify();
    TTabelaGrafico tabela(grafico, paleta);
    tabela.Linha({QStringLiteral("Day"), QStringLiteral("Decision")}, true);
    const qsizetype inicio = qsizetype(pagina) * LinhasPaginaDecisoes;
    const qsizetype fim = std::min(inicio + LinhasPaginaDecisoes, analise.Decisoes.size());
    for (qsizetype i = inicio; i < fim; ++i) {
        const TDecisao& d = analise.Decisoes.at(i);
        tabela.Linha({TextoInteiro(d.Dia), TextoDecisao(d, analise.Cenario)});
    }
    tabela.AlinhaEsquerda(1);
    const qsizetype resto = analise.Decisoes.size() - fim;
    if (pagina + 1 == paginas && resto > 0) {
        auto* mais = new QCPTextElement(
            &grafico,
            QStringLiteral("... and %1 more decisions: the debrief's Decisions tab lists them all")
                .arg(TextoInteiro(resto)),
            FonteGrafico(9));
        mais->setTextFlags(Qt::AlignLeft | Qt::AlignVCenter);
        LinhaGrafico(grafico, mais);
    }
    LinhaGrafico(grafico, new QCPLayoutGrid, 1.0);
    AplicaPaleta(grafico, paleta);
}
