// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <cstdint>

class TSimuladorProjeto;

// A functional area of the product: the chain of activities that leads to one
// test and belongs to it alone.
struct TAreaFuncional {
    QString Nome;          // the test's name without its "Test " prefix
    int Teste = -1;        // activity position of the area's test
    QList<int> Atividades; // the chain, the test first, in activity positions
    double NivelAlvo = 0.0; // the errors the test may leave
};

// What the debrief needs to know of the scenario: names, types and the
// precedence network, read once from a simulator.
struct TCenarioAnalise {
    QStringList Atividades;                  // names, scenario order
    QList<std::uint8_t> Tipos;
    QList<QList<int>> Predecessoras;         // activity positions
    QList<int> NumeroSucessoras;
    QStringList Desenvolvedores;             // names, pool order
    QList<TAreaFuncional> Areas;             // in the order of their tests
    QList<int> Comuns;                       // activities in no area (shared by all)

    static TCenarioAnalise De(const TSimuladorProjeto& sim);
    // The area an activity belongs to, -1 for a shared one.
    int AreaDe(int atividade) const;
};
