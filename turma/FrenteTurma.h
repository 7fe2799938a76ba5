// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "turma/Turma.h"

#include <QByteArray>
#include <QList>
#include <QString>

class TSimuladorProjeto;

// A point of the best-known front: the days and cost of one plan.
struct TPontoFrente {
    double Dias = 0.0;
    double Custo = 0.0;
    bool operator==(const TPontoFrente&) const = default;
};

// The best-known front as the best-plans tool writes it (front.json): a
// list of objects, each with numbers "days" and "cost" (other keys, such as
// "plan", are ignored). Returned sorted by days, then cost. Throws ETurma,
// naming the file (nome), for anything else or an empty list.
QList<TPontoFrente> LeFrente(const QByteArray& dados, const QString& nome);

// The same, read from the file at caminho.
QList<TPontoFrente> LeArquivoFrente(const QString& caminho);

// The front shipped with the game (best/front.json beside the program, or
// ../share/orvanta/best/front.json installed), for a chart whose user named
// none. Throws ETurma, one line saying where it looked or why it cannot be
// read, when there is none to draw.
QList<TPontoFrente> LeFrenteDoJogo();

// A reference run (PlanoReferencia) as played: its name, days and cost.
struct TReferenciaTurma {
    QString Nome;
    double Dias = 0.0;
    double Custo = 0.0;
};

// Runs A and B as sim plays them.
QList<TReferenciaTurma> ReferenciasTurma(TSimuladorProjeto& sim);
