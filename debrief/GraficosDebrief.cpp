#include "GraficosDebrief.h"

#include "MontagemGraficos.h"
#include "graficos/ExportaGraficos.h"
#include "graficos/PaletaGrafico.h"

#include <qcustomplot.h>

#include <memory>
#include <vector>

namespace {

using TMontagem = void (*)(QCustomPlot&, const TAnaliseJogo&, const TPaletaGrafico&);

constexpr TMontagem Montagens[] = {MontaGraficoCusto, MontaGraficoQualidade, MontaGraficoEquipe,
                                   MontaGraficoCronograma, MontaGraficoResumo};

} // namespace

QStringList NomesGraficosDebrief() {
    return {QStringLiteral("Cost"), QStringLiteral("Quality"), QStringLiteral("Team"),
            QStringLiteral("Schedule"), QStringLiteral("Summary")};
}

void MontaGraficoDebrief(int i, QCustomPlot& grafico, const TAnaliseJogo& analise,
                         const TPaletaGrafico& paleta) {
    Montagens[i](grafico, analise, paleta);
}

bool ExportaDebrief(const TAnaliseJogo& analise, const QString& caminho, QString& erro) {
    std::vector<std::unique_ptr<QCustomPlot>> graficos;
    QList<QCustomPlot*> lista;
    const TPaletaGrafico paleta = TPaletaGrafico::Papel();
    for (int i = 0; i < static_cast<int>(std::size(Montagens)); ++i) {
        graficos.push_back(std::make_unique<QCustomPlot>());
        MontaGraficoDebrief(i, *graficos.back(), analise, paleta);
        lista.append(graficos.back().get());
    }
    return ExportaGraficos(lista, caminho, TamanhoGraficoDebrief, erro, EscalaPngDebrief);
}
