#pragma once

// The debrief's numbers: every series and figure its charts show, computed
// from a game's day-by-day trace. Day d of a series is the trace entry whose
// Dia is d, the state after the step from day d - 1 to day d.

#include "CenarioAnalise.h"
#include "plan/Plano.h"
#include "plan/Rastro.h"

#include <QList>
#include <QString>
#include <utility>

class TSimuladorProjeto;

// A stretch of days [Inicio, Fim] in project days.
struct TIntervaloDias {
    double Inicio = 0.0;
    double Fim = 0.0;
    bool operator==(const TIntervaloDias&) const = default;
};

// A stretch of days in which an activity was worked on by one developer.
struct TFaixaCronograma {
    double Inicio = 0.0;    // the day the first step of the stretch started
    double Fim = 0.0;       // the day the last step of the stretch ended
    int Desenvolvedor = -1; // pool position
    bool operator==(const TFaixaCronograma&) const = default;
};

// An area's errors after each day.
struct TErrosArea {
    QList<double> Feitos;      // that have entered the area's work: Restantes + Encontrados
    QList<double> Encontrados; // found and corrected by its inspection and test
    QList<double> Restantes;   // still in the area's latest started activity
    double Custo = 0.0;        // what the area's activities cost
};

// A developer who was in the team at some point.
struct TSerieDesenvolvedor {
    int Posicao = -1;           // pool position
    QString Nome;
    QList<double> Horas;        // the hours each day was worked at (0 when out of the team)
    QList<double> Exaustao;     // after each day
    QList<TIntervaloDias> Exausto; // from the first day exhausted to the day willing again
    QList<int> Avisos;          // days his exhaustion went past the warning level
};

struct TResumoJogo {
    int Dias = 0;
    double Custo = 0.0;
    bool Concluido = false;
    double CustoComum = 0.0;      // the shared activities' cost
    double HorasExtras = 0.0;     // hours over 8 a day, in the time the activities used
    double DiasExaustos = 0.0;    // developer-days in the team spent exhausted
    double DiasOciosos = 0.0;     // developer-days in the team without any work
    double ErrosNosTestes = 0.0;  // errors the tests inherited when they started
};

struct TAnaliseJogo {
    TCenarioAnalise Cenario;
    QList<double> Dias;           // 1, 2, ... one per day step played
    QList<double> CustoAcumulado;
    QList<double> CustoDia;
    QList<TErrosArea> Areas;      // in the order of Cenario.Areas
    QList<TSerieDesenvolvedor> Equipe;
    QList<QList<TFaixaCronograma>> Cronograma; // per activity
    QList<double> Ociosos;        // team members without any work, each day
    QList<double> FimAtividade;   // the day each was accomplished; Dias + 1 when never
    QList<int> Caminho;           // the critical path as played
    TResumoJogo Resumo;
};

// The analysis of rastro, a game of the scenario cenario describes.
TAnaliseJogo AnalisaRastro(const TRastro& rastro, const TCenarioAnalise& cenario);

// Replays plano on sim (which it resets) and analyses its trace.
TAnaliseJogo AnalisaPlano(TSimuladorProjeto& sim, const TPlano& plano);
