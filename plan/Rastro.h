#pragma once

// The day-by-day trace of a game: the state of every activity and every pool
// developer after each played day step, for charts and reports.

#include <QJsonArray>
#include <QList>

class TSimuladorProjeto;

struct TRastroAtividade {
    double Percentual = 0.0; // Percentual(), 0 to 1 (more for a cut inspection)
    double Erros = 0.0;
    double ErrosEncontrados = 0.0;
    int Desenvolvedor = -1; // pool position, -1 for nobody
    bool EmExecucao = false;
    bool Concluida = false;
    bool operator==(const TRastroAtividade&) const = default;
};

struct TRastroDesenvolvedor {
    double HorasTrabalho = 0.0;
    double Exaustao = 0.0;
    bool Exausto = false;
    bool NaEquipe = false;
    bool Trabalhando = false; // has a running activity assigned
    bool operator==(const TRastroDesenvolvedor&) const = default;
};

struct TRastroDia {
    int Dia = 0;        // the project's day count after the step: 1 for the first step
    double Custo = 0.0; // the project's accumulated cost after the step
    QList<TRastroAtividade> Atividades;         // scenario order
    QList<TRastroDesenvolvedor> Desenvolvedores; // pool order
    bool operator==(const TRastroDia&) const = default;
};

using TRastro = QList<TRastroDia>;

// The state of sim as it stands (after a day step, in a trace).
TRastroDia CapturaDia(const TSimuladorProjeto& sim);

// The trace as the runner's "trace": one object per day step, with "day",
// "cost", "activities" (each "percent", "errors", "found", "developer" (a name
// or null), "running", "accomplished") and "developers" (each "hours",
// "exhaustion", "exhausted", "in_team", "working").
QJsonArray RastroEmJson(const TRastro& rastro, const TSimuladorProjeto& sim);
