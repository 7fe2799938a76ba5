// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "turma/FrenteTurma.h"
#include "turma/Turma.h"

#include <QList>
#include <QSize>
#include <QString>

class QCustomPlot;

// The class's results chart, paper look: days (x) against cost (y), one
// point per verified game that concluded, the mismatching records that claim
// a concluded game apart at what they claim, the reference runs marked and
// labelled, and the best-known front (when given) as a step line: the
// boundary of what its plans reach.
void MontaGraficoTurma(QCustomPlot& grafico, const QList<TLinhaTurma>& linhas,
                       const QList<TReferenciaTurma>& referencias,
                       const QList<TPontoFrente>& frente);

// The drawing size of the chart in the exported files (PNG at twice that).
inline constexpr QSize TamanhoGraficoTurma{900, 560};

// Draws the chart and writes it to caminho (.pdf, .svg or .png) at once;
// false, with the reason in erro, when it cannot be written.
bool ExportaGraficoTurma(const QString& caminho, const QList<TLinhaTurma>& linhas,
                         const QList<TReferenciaTurma>& referencias,
                         const QList<TPontoFrente>& frente, QString& erro);
