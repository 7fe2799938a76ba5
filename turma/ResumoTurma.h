// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "turma/Turma.h"

#include <QList>
#include <QString>
#include <utility>

// What the summary of a class says.
struct TResumoTurma {
    qsizetype Jogos = 0; // every row
    qsizetype Verificados = 0;
    qsizetype Divergentes = 0;
    qsizetype NaoVerificados = 0;
    qsizetype Ilegiveis = 0;

    // Practice games' records: shown in the table, left out of what follows
    // (a game played again from a good day is not a counted game).
    qsizetype Praticas = 0;

    // Over the verified counted games that concluded (an abandoned game's
    // days and cost say nothing of how well it was managed); valid when
    // Concluidos > 0.
    qsizetype Concluidos = 0;
    double MedianaDias = 0.0;
    int MelhorDias = 0;
    double MedianaCusto = 0.0;
    double MelhorCusto = 0.0;

    // Managers with more than one counted game, by name: the number of
    // different game numbers among the rows that name the manager and the
    // game (a record and its record file's section are one game).
    QList<std::pair<QString, qsizetype>> GerentesRepetidos;
};

TResumoTurma ResumeTurma(const QList<TLinhaTurma>& linhas);

// The summary as lines of text, each ending in a line break: the counts, the
// medians and bests, the managers, then one line per mismatch and one per
// unreadable file, each naming the file and saying why. Quoted text is
// escaped so that every line stays whole.
QString TextoResumo(const TResumoTurma& resumo, const QList<TLinhaTurma>& linhas);
