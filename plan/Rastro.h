#pragma once

// The day-by-day trace of a game: the state of every activity and every pool
// developer after each played day step, for charts and reports.

#include "model/mReceptorMensagens.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QList>
#include <QString>

class TSimuladorProjeto;

// A message of the game as the model posted it.
struct TMensagemJogo {
    QString Texto;
    double Dia = 0.0;
    bool operator==(const TMensagemJogo&) const = default;
};

struct TRastroAtividade {
    double Percentual = 0.0; // Percentual(), 0 to 1 (more for a cut inspection)
    double Erros = 0.0;
    double ErrosEncontrados = 0.0;
    int Desenvolvedor = -1; // pool position, -1 for nobody
    bool EmExecucao = false;
    bool Concluida = false;
    bool Iniciada = false;        // has taken its predecessors' errors (it became ready)
    double TempoExecutado = 0.0;  // TempoExecutado()
    double Custo = 0.0;           // what the project has charged for it so far
    bool operator==(const TRastroAtividade&) const = default;
};

struct TRastroDesenvolvedor {
    double HorasTrabalho = 0.0;
    double Exaustao = 0.0;
    bool Exausto = false;
    bool NaEquipe = false;
    bool Trabalhando = false; // has a running activity assigned
    double HorasPasso = 0.0;  // the daily hours the step was worked at (before the step)
    double DiasUsados = 0.0;  // days of his time the step's activities consumed (0 to 1)
    bool operator==(const TRastroDesenvolvedor&) const = default;
};

struct TRastroDia {
    int Dia = 0;        // the project's day count after the step: 1 for the first step
    double Custo = 0.0; // the project's accumulated cost after the step
    QList<TRastroAtividade> Atividades;         // scenario order
    QList<TRastroDesenvolvedor> Desenvolvedores; // pool order
    QList<TMensagemJogo> Mensagens;              // posted during the step, in order
    bool operator==(const TRastroDia&) const = default;
};

using TRastro = QList<TRastroDia>;

// The state of sim as it stands (after a day step, in a trace). The fields
// that describe the step itself (HorasPasso, DiasUsados, Mensagens) are left
// at zero: PassaDiaRastro fills them.
TRastroDia CapturaDia(const TSimuladorProjeto& sim);

// Plays one day step of sim (AvancarDia), forwarding its messages to
// receptor (may be null), and returns the step's trace entry. A developer's
// DiasUsados are the days the project charged for his activities in the
// step.
TRastroDia PassaDiaRastro(TSimuladorProjeto& sim, TReceptorMensagens* receptor);

// The trace as the runner's "trace": one object per day step, with "day",
// "cost", "activities" (each "percent", "errors", "found", "developer" (a name
// or null), "running", "accomplished", "started", "executed", "cost"),
// "developers" (each "hours", "exhaustion", "exhausted", "in_team",
// "working", "step_hours", "days_used") and "messages" (each "day", "text").
QJsonArray RastroEmJson(const TRastro& rastro, const TSimuladorProjeto& sim);

// One entry of that list: one day step.
QJsonObject DiaRastroEmJson(const TRastroDia& dia, const TSimuladorProjeto& sim);

// A message as the trace and the runner write it: "day", "text".
QJsonObject MensagemEmJson(const TMensagemJogo& mensagem);
