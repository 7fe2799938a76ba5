#include "GraficosDebrief.h"

#include "MontagemGraficos.h"
#include "graficos/ExportaGraficos.h"
#include "graficos/PaletaGrafico.h"

#include <qcustomplot.h>

#include <memory>
#include <vector>

namespace {

struct TGraficoDebrief {
    const char* Nome;
    void (*Monta)(QCustomPlot&, const TAnaliseJogo&, const TPaletaGrafico&);
};

constexpr TGraficoDebrief Graficos[] = {{"Cost", MontaGraficoCusto},
                                        {"Quality", MontaGraficoQualidade},
                                        {"Team", MontaGraficoEquipe},
                                        {"Schedule", MontaGraficoCronograma},
                                        {"Summary", MontaGraficoResumo}};

} // namespace

QStringList NomesGraficosDebrief() {
    QStringList nomes;
    for (const TGraficoDebrief& g : Graficos) {
        nomes.append(QLatin1String(g.Nome));
    }
    return nomes;
}

void MontaGraficoDebrief(int i, QCustomPlot& grafico, const TAnaliseJogo& analise,
                         const TPaletaGrafico& paleta) {
    Graficos[i].Monta(grafico, analise, paleta);
}

bool ExportaDebrief(const TAnaliseJogo& analise, const QString& caminho, QString& erro) {
    std::vector<std::unique_ptr<QCustomPlot>> graficos;
    QList<QCustomPlot*> lista;
    const TPaletaGrafico paleta = TPaletaGrafico::Papel();
    for (int i = 0; i < static_cast<int>(std::size(Graficos)); ++i) {
        graficos.push_back(std::make_unique<QCustomPlot>());
        MontaGraficoDebrief(i, *graficos.back(), analise, paleta);
        lista.append(graficos.back().get());
    }
    return ExportaGraficos(lista, caminho, TamanhoGraficoDebrief, erro, EscalaPngDebrief);
}
