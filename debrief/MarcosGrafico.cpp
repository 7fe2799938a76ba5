#include "MarcosGrafico.h"

#include "EstiloDebrief.h"
#include "analise/AnaliseJogo.h"
#include "graficos/PaletaGrafico.h"

#include <qcustomplot.h>

namespace {

bool Decisao(ETipoMarco tipo) {
    return tipo == ETipoMarco::Equipe || tipo == ETipoMarco::Horas ||
           tipo == ETipoMarco::Inspecao || tipo == ETipoMarco::Alocacao;
}

// The height of a kind in the strip: the player's row above the game's, each
// kind a little apart within its row, so that marks of one day do not hide
// each other.
double LinhaFaixa(ETipoMarco tipo) {
    switch (tipo) {
    case ETipoMarco::Equipe:
    case ETipoMarco::Aviso:
        return Decisao(tipo) ? 1.3 : 0.3;
    case ETipoMarco::Inspecao:
    case ETipoMarco::InspecaoPulada:
        return Decisao(tipo) ? 0.7 : -0.3;
    default:
        return Decisao(tipo) ? 1.0 : 0.0;
    }
}

// The grid row holding element, -1 when it is not in the top layout.
int LinhaDe(QCPLayoutGrid& grade, QCPLayoutElement* elemento) {
    for (int r = 0; r < grade.rowCount(); ++r) {
        if (grade.element(r, 0) == elemento) {
            return r;
        }
    }
    return -1;
}

} // namespace

QCPScatterStyle FormaMarco(ETipoMarco tipo, const TPaletaGrafico& paleta) {
    static constexpr QCPScatterStyle::ScatterShape Formas[NumeroTiposMarco] = {
        QCPScatterStyle::ssTriangle,         QCPScatterStyle::ssDisc,
        QCPScatterStyle::ssDiamond,          QCPScatterStyle::ssPlus,
        QCPScatterStyle::ssTriangleInverted, QCPScatterStyle::ssCross,
        QCPScatterStyle::ssSquare};
    const QColor cor = Decisao(tipo) ? paleta.Texto : paleta.Alerta;
    const auto forma = Formas[static_cast<int>(tipo)];
    // Filled shapes read better small; the open ones get a thicker line.
    const bool cheia = forma == QCPScatterStyle::ssDisc || forma == QCPScatterStyle::ssSquare ||
                       forma == QCPScatterStyle::ssDiamond;
    return QCPScatterStyle(forma, QPen(cor, 1.6), cheia ? QBrush(cor) : QBrush(Qt::NoBrush), 8.0);
}

QList<ETipoMarco> TiposMarcosDias() {
    return {ETipoMarco::Equipe, ETipoMarco::Horas,   ETipoMarco::Inspecao,
            ETipoMarco::Aviso,  ETipoMarco::Exausto, ETipoMarco::InspecaoPulada};
}

void MarcosEm(QCPAxisRect& area, const TAnaliseJogo& analise, ETipoMarco tipo, double y,
              const QString& nome, const TPaletaGrafico& paleta) {
    QList<double> dias;
    QList<double> alturas;
    QStringList dicas;
    for (const TMarco& m : analise.Marcos) {
        if (m.Tipo == tipo) {
            dias.append(m.Dia);
            alturas.append(y);
            dicas.append(QStringLiteral("Day %1: %2\n%3")
                             .arg(TextoInteiro(m.Dia), NomeTipoMarco(tipo), m.Texto));
        }
    }
    if (dias.isEmpty()) {
        return;
    }
    // The markers come by stretch, then kind: by day within a kind.
    QCPGraph* marcos = LinhaDias(area, dias, alturas, nome, QPen(Qt::NoPen));
    marcos->setLineStyle(QCPGraph::lsNone);
    marcos->setScatterStyle(FormaMarco(tipo, paleta));
    PoeDicasPontos(*marcos, dicas);
}

QCPAxisRect* FaixaMarcos(QCustomPlot& grafico, const TAnaliseJogo& analise,
                         const QList<ETipoMarco>& tipos, const TPaletaGrafico& paleta) {
    QCPLayoutGrid& grade = *grafico.plotLayout();
    const int linha = std::max(LinhaDe(grade, grafico.axisRect()), 0);
    grade.insertRow(linha);
    QCPAxisRect* faixa = NovaFaixaMarcos(grafico, analise, tipos, paleta);
    grade.addElement(linha, 0, faixa);
    grade.setRowStretchFactor(linha, EsticaFaixaMarcos);
    return faixa;
}

QCPAxisRect* NovaFaixaMarcos(QCustomPlot& grafico, const TAnaliseJogo& analise,
                             const QList<ETipoMarco>& tipos, const TPaletaGrafico& paleta) {
    auto* faixa = new QCPAxisRect(&grafico);
    EixoDias(*faixa, analise);
    QCPAxis* x = faixa->axis(QCPAxis::atBottom);
    x->setTickLabels(false);
    x->setLabel(QString());
    QCPAxis* y = faixa->axis(QCPAxis::atLeft);
    QSharedPointer<QCPAxisTickerText> linhas(new QCPAxisTickerText);
    linhas->addTick(1.0, QStringLiteral("you"));
    linhas->addTick(0.0, QStringLiteral("game"));
    y->setTicker(linhas);
    y->setRange(-0.65, 1.65);
    y->grid()->setVisible(false);
    y->setTickLabelFont(FonteGrafico(7));
    faixa->setMinimumSize(0, 56);
    for (ETipoMarco tipo : tipos) {
        MarcosEm(*faixa, analise, tipo, LinhaFaixa(tipo), NomeTipoMarco(tipo), paleta);
    }
    return faixa;
}
