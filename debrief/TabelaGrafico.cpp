// SPDX-License-Identifier: GPL-3.0-or-later
#include "debrief/TabelaGrafico.h"

#include "graficos/PaletaGrafico.h"

#include <qcustomplot.h>

namespace {

QCPLayoutGrid* NovaGrade() {
    auto* grade = new QCPLayoutGrid;
    grade->setColumnSpacing(18);
    grade->setRowSpacing(0);
    grade->setMargins(QMargins(8, 0, 8, 0));
    return grade;
}

} // namespace

TTabelaGrafico::TTabelaGrafico(QCustomPlot& grafico, const TPaletaGrafico& paleta)
    : FGrafico(grafico), FPaleta(paleta), FGrade(NovaGrade()) {
    // In the chart from the start: a grid adopted with empty cells in it
    // would have them dereferenced.
    LinhaGrafico(grafico, FGrade);
}

TTabelaGrafico::TTabelaGrafico(QCustomPlot& grafico, const TPaletaGrafico& paleta,
                               QCPLayoutGrid& onde, int linha, int coluna)
    : FGrafico(grafico), FPaleta(paleta), FGrade(NovaGrade()) {
    onde.addElement(linha, coluna, FGrade);
}

void TTabelaGrafico::Linha(const QStringList& celulas, bool negrito) {
    const int r = FGrade->rowCount();
    for (int c = 0; c < celulas.size(); ++c) {
        auto* texto = new QCPTextElement(&FGrafico, celulas.at(c), FonteGrafico(9, negrito));
        texto->setTextFlags((c == 0 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
        texto->setTextColor(negrito ? FPaleta.Lima : FPaleta.Texto);
        texto->setMargins(QMargins(2, 1, 2, 1));
        texto->setSelectable(false);
        FGrade->addElement(r, c, texto);
    }
    // The columns as wide as their text; an empty one after them takes the
    // rest of the width.
    const int colunas = static_cast<int>(celulas.size());
    if (colunas >= FGrade->columnCount()) {
        // An empty grid cannot grow; an empty text can.
        FGrade->addElement(0, colunas, new QCPTextElement(&FGrafico, QString(), FonteGrafico(9)));
        QList<double> estica(colunas, 0.001);
        estica.append(1.0);
        FGrade->setColumnStretchFactors(estica);
    }
}

void TTabelaGrafico::AlinhaEsquerda(int c) {
    for (int r = 0; r < FGrade->rowCount(); ++r) {
        if (auto* texto = qobject_cast<QCPTextElement*>(FGrade->element(r, c))) {
            texto->setTextFlags(Qt::AlignLeft | Qt::AlignVCenter);
        }
    }
}

void LinhaGrafico(QCustomPlot& grafico, QCPLayoutElement* elemento, double estica) {
    QCPLayoutGrid& grade = *grafico.plotLayout();
    const int r = grade.rowCount();
    grade.addElement(r, 0, elemento);
    grade.setRowStretchFactor(r, estica);
}

void TituloSecao(QCustomPlot& grafico, const QString& texto, const TPaletaGrafico& paleta) {
    auto* titulo = new QCPTextElement(&grafico, texto, FonteGrafico(10, true));
    titulo->setTextColor(paleta.Lima);
    titulo->setTextFlags(Qt::AlignLeft | Qt::AlignBottom);
    titulo->setMargins(QMargins(8, 10, 8, 2));
    titulo->setSelectable(false);
    // A heading keeps its colour when the palette is applied to the chart.
    titulo->setProperty("orvantaTitulo", true);
    LinhaGrafico(grafico, titulo);
}

void RestauraTitulos(QCustomPlot& grafico, const TPaletaGrafico& paleta) {
    for (int i = 0; i < grafico.plotLayout()->elementCount(); ++i) {
        auto* texto = qobject_cast<QCPTextElement*>(grafico.plotLayout()->elementAt(i));
        if (texto && texto->property("orvantaTitulo").toBool()) {
            texto->setTextColor(paleta.Lima);
        }
    }
}
