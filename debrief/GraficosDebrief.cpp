// SPDX-License-Identifier: GPL-3.0-or-later
#include "debrief/GraficosDebrief.h"

#include "analise/AnaliseJogo.h"
#include "debrief/MontagemGraficos.h"
#include "debrief/TextoCapa.h"
#include "graficos/ExportaGraficos.h"
#include "graficos/PaletaGrafico.h"

#include <qcustomplot.h>

#include <QFileInfo>

#include <memory>
#include <vector>

namespace {

struct TGraficoDebrief {
    const char* Nome;
    const char* Arquivo;
    bool Dias;
    void (*Monta)(QCustomPlot&, const TAnaliseJogo&, const TPaletaGrafico&);
};

constexpr TGraficoDebrief Graficos[] = {
    {"Summary", "summary", false, MontaGraficoResumo},
    {"Decisions", "decisions", true, MontaGraficoDecisoes},
    {"Cost", "cost", true, MontaGraficoCusto},
    {"Quality", "quality", true, MontaGraficoQualidade},
    {"Team", "team", true, MontaGraficoEquipe},
    {"Schedule", "schedule", true, MontaGraficoCronograma},
    {"Par", "par", false, MontaGraficoPar}};

constexpr int NumeroGraficos = static_cast<int>(std::size(Graficos));

TMetadadosGraficos Metadados(const TAnaliseJogo& analise) {
    const QString quem = TextoIdentidade(analise.Capa);
    return {quem.isEmpty() ? QStringLiteral("Orvanta debrief")
                           : QStringLiteral("Orvanta debrief: %1").arg(quem),
            analise.Capa.Gerente};
}

} // namespace

QStringList NomesGraficosDebrief() {
    QStringList nomes;
    for (const TGraficoDebrief& g : Graficos) {
        nomes.append(QLatin1String(g.Nome));
    }
    return nomes;
}

QStringList ArquivosGraficosDebrief() {
    QStringList nomes;
    for (const TGraficoDebrief& g : Graficos) {
        nomes.append(QLatin1String(g.Arquivo));
    }
    return nomes;
}

bool GraficoDeDias(int i) {
    return i >= 0 && i < NumeroGraficos && Graficos[i].Dias;
}

void MontaGraficoDebrief(int i, QCustomPlot& grafico, const TAnaliseJogo& analise,
                         const TPaletaGrafico& paleta) {
    Graficos[i].Monta(grafico, analise, paleta);
}

QStringList ArquivosExportacao(const QString& caminho, int grafico) {
    if (grafico != TodosGraficosDebrief || FormatoPorNome(caminho) == TFormatoGrafico::Pdf) {
        return {caminho};
    }
    const QFileInfo info(caminho);
    const QString base = caminho.left(caminho.size() - info.fileName().size()) +
                         info.completeBaseName() + QLatin1Char('-');
    QStringList arquivos;
    for (const TGraficoDebrief& g : Graficos) {
        arquivos.append(base + QLatin1String(g.Arquivo) + QLatin1Char('.') + info.suffix());
    }
    return arquivos;
}

bool ExportaDebrief(const TAnaliseJogo& analise, const QString& caminho, QString& erro,
                    int grafico) {
    if (grafico < TodosGraficosDebrief || grafico >= NumeroGraficos) {
        erro = QStringLiteral("%1: no such chart").arg(caminho);
        return false;
    }
    const TPaletaGrafico paleta = TPaletaGrafico::Papel();
    const TMetadadosGraficos meta = Metadados(analise);
    const auto novo = [](std::vector<std::unique_ptr<QCustomPlot>>& dono) {
        dono.push_back(std::make_unique<QCustomPlot>());
        return dono.back().get();
    };
    std::vector<std::unique_ptr<QCustomPlot>> donos;
    QList<QCustomPlot*> paginas;
    for (int i = 0; i < NumeroGraficos; ++i) {
        if (grafico == TodosGraficosDebrief || grafico == i) {
            paginas.append(novo(donos));
            MontaGraficoDebrief(i, *paginas.constLast(), analise, paleta);
        }
    }
    const QStringList arquivos = ArquivosExportacao(caminho, grafico);
    if (arquivos.size() > 1) {
        for (qsizetype i = 0; i < arquivos.size(); ++i) {
            if (!ExportaGraficos({paginas.at(i)}, arquivos.at(i), TamanhoGraficoDebrief, erro,
                                 EscalaPngDebrief, meta)) {
                return false;
            }
        }
        return true;
    }
    if (grafico == TodosGraficosDebrief) {
        for (int p = 0; p < PaginasListaDecisoes(analise); ++p) {
            paginas.append(novo(donos));
            MontaPaginaDecisoes(*paginas.constLast(), analise, p, paleta);
        }
    }
    return ExportaGraficos(paginas, caminho, TamanhoGraficoDebrief, erro, EscalaPngDebrief, meta);
}
