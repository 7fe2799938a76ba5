#include "graficos/PaletaGrafico.h"

#include "controls/Cores.h"
#include "controls/Fontes.h"

#include <qcustomplot.h>

QColor TPaletaGrafico::Serie(int i) const {
    const QList<QColor> todas = QList<QColor>{Lima, Amarelo, Prata} + Series;
    return todas.at(i % todas.size());
}

TPaletaGrafico TPaletaGrafico::Tela() {
    return {CorPreta,
            CorBranca,
            CorPrata,
            CorFundoValor,
            CorLima,
            CorAmarela,
            CorPrata,
            QColor(255, 64, 64),
            {CorAqua, QColor(255, 128, 255), QColor(255, 160, 64), QColor(128, 160, 255)},
            false};
}

TPaletaGrafico TPaletaGrafico::Papel() {
    return {QColor(255, 255, 255),
            QColor(0, 0, 0),
            QColor(64, 64, 64),
            QColor(215, 215, 215),
            QColor(0, 140, 0),
            QColor(176, 140, 0),
            QColor(110, 110, 110),
            QColor(200, 0, 0),
            {QColor(0, 120, 160), QColor(160, 0, 160), QColor(200, 100, 0), QColor(40, 60, 200)},
            true};
}

QFont FonteGrafico(double pontos, bool negrito) {
    QFont fonte = FaceJogo(negrito);
    fonte.setPointSizeF(pontos);
    return fonte;
}

namespace {

void PintaEixo(QCPAxis& eixo, const TPaletaGrafico& paleta) {
    const QPen caneta(paleta.Eixo);
    eixo.setBasePen(caneta);
    eixo.setTickPen(caneta);
    eixo.setSubTickPen(caneta);
    eixo.setTickLabelColor(paleta.Texto);
    eixo.setLabelColor(paleta.Texto);
    eixo.setTickLabelFont(FonteGrafico(8));
    eixo.setLabelFont(FonteGrafico(9));
    eixo.grid()->setPen(QPen(paleta.Grade, 0, Qt::DotLine));
    eixo.grid()->setSubGridPen(Qt::NoPen);
    eixo.grid()->setZeroLinePen(QPen(paleta.Grade, 0, Qt::SolidLine));
}

} // namespace

void PoeTituloGrafico(QCustomPlot& grafico, const QString& titulo) {
    grafico.setLocale(QLocale::c());
    grafico.plotLayout()->insertRow(0);
    grafico.plotLayout()->addElement(0, 0,
                                     new QCPTextElement(&grafico, titulo, FonteGrafico(11, true)));
}

void AplicaPaleta(QCustomPlot& grafico, const TPaletaGrafico& paleta) {
    grafico.setBackground(paleta.Fundo);
    for (QCPAxisRect* area : grafico.axisRects()) {
        area->setBackground(paleta.Fundo);
        for (QCPAxis* eixo : area->axes()) {
            PintaEixo(*eixo, paleta);
        }
    }
    for (int i = 0; i < grafico.plotLayout()->elementCount(); ++i) {
        if (auto* texto = qobject_cast<QCPTextElement*>(grafico.plotLayout()->elementAt(i))) {
            texto->setTextColor(paleta.Texto);
        }
    }
    if (grafico.legend) {
        grafico.legend->setBrush(paleta.Fundo);
        grafico.legend->setBorderPen(QPen(paleta.Eixo));
        grafico.legend->setTextColor(paleta.Texto);
        grafico.legend->setFont(FonteGrafico(8));
    }
}
