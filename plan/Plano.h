// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A plan: a game of the model written down as the player's changes, the form
// the runner plays, the game window records and the later tools read.
//
// Developers and activities are held by their position in the scenario (the
// pool's order, the project's activity order), never by pointer, so a plan is
// a plain value that any simulator can play. The positions must exist in the
// scenario (the reader checks them; code that builds a plan keeps them so).

#include <QJsonObject>
#include <QList>
#include <QString>
#include <optional>
#include <utility>

// One set of changes the player can make between two day steps: the plan's
// initial keys (Dia 0) or one event (Dia N: applied before the day step that
// starts at project day N). Applied in the order team, hours, inspection
// hours, assignments. Each list is in position order, one entry per
// developer or activity at most.
struct TMudancasPlano {
    int Dia = 0;
    // The whole team, in order; a developer may appear more than once.
    std::optional<QList<int>> Equipe;
    // Pool position, whole work hours per day (8 to 12).
    QList<std::pair<int, int>> Horas;
    // Activity position of an inspection, whole hours of dedication (0 to 200).
    QList<std::pair<int, int>> Inspecoes;
    // Activity position, pool position or -1 for nobody.
    QList<std::pair<int, int>> Alocacoes;

    // True when applying it changes nothing.
    bool Vazia() const {
        return !Equipe && Horas.isEmpty() && Inspecoes.isEmpty() && Alocacoes.isEmpty();
    }
    bool operator==(const TMudancasPlano&) const = default;
};

// How a game ended, or stood after its last played day step.
struct TResultadoPlano {
    bool Concluido = false;
    int Dias = 0;
    double Custo = 0.0;
    bool operator==(const TResultadoPlano&) const = default;
};

struct TPlano {
    TMudancasPlano Inicio;
    // Increasing days, each 1 or more.
    QList<TMudancasPlano> Eventos;
    // Most day steps to play.
    int MaximoDias = PadraoMaximoDias;
    // Anything the writer of the plan wants to keep with it; never played.
    std::optional<QJsonObject> Meta;
    // The result the plan claims; what verifying compares the replay with.
    std::optional<TResultadoPlano> Resultado;

    static constexpr int PadraoMaximoDias = 1000;
    static constexpr int LimiteDias = 1000000;
    static constexpr int MinimoHoras = 8;
    static constexpr int MaximoHoras = 12;
    static constexpr int MaximoHorasInspecao = 200;
    static constexpr double HorasPorDia = 8.0;

    bool operator==(const TPlano&) const = default;
};

// A plan that cannot be read or played. The message is one line: whatever
// text of the plan it quotes is escaped.
struct EPlano {
    QString mensagem;
};
