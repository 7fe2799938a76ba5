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
    return QStringLiteral("Day ") + Numero(chave);
}

} // namespace

QString DicaGraficoEm(const QCustomPlot& grafico, const QPointF& pos) {
    if (const QCPAbstractItem* item = grafico.itemAt(pos)) {
        const QString dica = DicaDe(*item);
        if (!dica.isEmpty()) {
            return dica;
        }
    }
    int indice = -1;
    QCPAbstractPlottable* serie = grafico.plottableAt(pos, false, &indice);
    if (!serie || indice < 0 || !serie->interface1D() || indice >= serie->interface1D()->dataCount()) {
        return {};
    }
    const double chave = serie->interface1D()->dataMainKey(indice);
    const double valor = serie->interface1D()->dataMainValue(indice);
    return QStringLiteral("%1\n%2: %3")
        .arg(serie->name(), TextoChave(*serie->keyAxis(), chave), Numero(valor));
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
