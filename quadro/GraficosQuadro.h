// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The board's charts as SVG, drawn by the same code as the command-line
// tools draw them: the class chart of orvanta-class --plot, and the
// debrief's charts of orvanta-report. Call on the application's thread
// (TDesenhistaQuadro).

#include "turma/FrenteTurma.h"
#include "turma/Turma.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

struct TAnaliseJogo;

QByteArray SvgGraficoTurma(const QList<TLinhaTurma>& linhas,
                           const QList<TReferenciaTurma>& referencias,
                           const QList<TPontoFrente>& frente);

// The debrief's charts' names, in their order.
QStringList NomesGraficosJogo();

// The debrief's chart of that name for analise; empty for an unknown name.
QByteArray SvgGraficoJogo(const TAnaliseJogo& analise, const QString& nome);
