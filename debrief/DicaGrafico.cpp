#include "DicaGrafico.h"

#include "EstiloDebrief.h"

#include <qcustomplot.h>

#include <QToolTip>

namespace {

// The key as its axis shows it: a text tick's label, else the project day.
QString TextoChave(const QCPAxis& eixo, double chave) {
    if (auto texto = eixo.ticker().dynamicCast<QCPAxisTickerText>()) {
        const QString rotulo = texto->ticks().value(chave);
        if (!rotulo.isEmpty()) {
            return rotulo;
        }
    }
    return QStringLiteral("Day ") + TextoInteiro(chave);
}

QString TextoValor(const QCPAbstractPlottable& serie, double valor) {
    const int casas = CasasDe(serie);
    if (casas == 0) {
        return TextoInteiro(valor);
    }
    return casas > 0 ? LocalDebrief().toString(valor, 'f', casas) : Numero(valor);
}

} // namespace

QString DicaGraficoEm(const QCustomPlot& grafico, const QPointF& pos) {
    int indice = -1;
    QCPAbstractPlottable* serie = grafico.plottableAt(pos, false, &indice);
    const bool ponto = serie && indice >= 0 && serie->interface1D() &&
                       indice < serie->interface1D()->dataCount();
    // A marked point's own text comes before the items around it.
    if (ponto) {
        const QStringList dicas = DicasPontos(*serie);
        if (indice < dicas.size()) {
            return dicas.at(indice);
        }
    }
    if (const QCPAbstractItem* item = grafico.itemAt(pos)) {
        const QString dica = DicaDe(*item);
        if (!dica.isEmpty()) {
            return dica;
        }
    }
    if (!ponto) {
        return {};
    }
    const double chave = serie->interface1D()->dataMainKey(indice);
    const double valor = serie->interface1D()->dataMainValue(indice);
    return QStringLiteral("%1\n%2: %3")
        .arg(serie->name(), TextoChave(*serie->keyAxis(), chave), TextoValor(*serie, valor));
}

void InstalaDicas(QCustomPlot& grafico) {
    grafico.setMouseTracking(true);
    QObject::connect(&grafico, &QCustomPlot::mouseMove, &grafico, [&grafico](QMouseEvent* evento) {
        const QString dica = DicaGraficoEm(grafico, evento->position());
        if (dica.isEmpty()) {
            QToolTip::hideText();
        } else {
            QToolTip::showText(evento->globalPosition().toPoint(), dica, &grafico);
        }
    });
}
