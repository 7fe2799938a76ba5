// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The debrief's numbers: every series and figure its charts show, computed
// from a game's day-by-day trace. Day d of a series is the trace entry whose
// Dia is d, the state after the step from day d - 1 to day d.

#include "analise/CapaJogo.h"
#include "analise/CenarioAnalise.h"
#include "analise/DecisoesJogo.h"
#include "plan/Plano.h"
#include "plan/Rastro.h"

#include <QList>
#include <QString>
#include <memory>

class TSimuladorProjeto;
struct TJogoOriginal;
struct TParJogo;

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
    int Desenvolvedor = -1; // pool position; -2 for several (a long game's merged stretch)
    bool operator==(const TFaixaCronograma&) const = default;
};

// An area's errors after each day, and what was spent on it.
struct TErrosArea {
    QList<double> Feitos;      // that have entered the area's work: Restantes + Encontrados
    QList<double> Encontrados; // found and corrected by its inspection and test
    QList<double> Restantes;   // still in the area's latest started activity
    double Custo = 0.0;        // what the area's activities cost
    double HorasInspecao = 0.0;  // the hours its inspections were last given
    double ErrosInspecao = 0.0;  // errors its inspections found and corrected
    double ErrosNoTeste = 0.0;   // errors its test inherited when it started
};

// A developer who was in the team at some point: his series, and where his
// days and money went.
struct TSerieDesenvolvedor {
    int Posicao = -1;           // pool position
    QString Nome;
    QList<double> Horas;        // the hours each day was worked at (0 when out of the team)
    QList<double> Exaustao;     // after each day; below 0 is rest in hand
    QList<TIntervaloDias> Exausto; // from the first day exhausted to the day willing again
    QList<int> Avisos;          // days the game warned he was looking exhausted
    double Custo = 0.0;         // what his work on the activities cost
    double HorasTrabalhadas = 0.0; // hours of his time the activities used
    double HorasExtras = 0.0;   // of those, the hours over 8 a day
    double DiasNaEquipe = 0.0;  // day steps he was in the team for
    double DiasOciosos = 0.0;   // of those, days without any work
    double DiasExaustos = 0.0;  // of those, days he started exhausted (held at 8 hours)
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
    double HorasInspecao = 0.0;   // hours the inspections were last given, all areas
};

// An inspection given no time, passed by the moment it was ready: the game
// says nothing of it.
struct TInspecaoPulada {
    double Dia = 0.0;   // the day of the step it was passed by in (as its messages are stamped)
    int Atividade = -1;
    double Erros = 0.0; // the errors it let through unchecked
    bool operator==(const TInspecaoPulada&) const = default;
};

// A message of the debrief's list: the game's own, or a note the debrief
// adds where the game stays silent (an inspection skipped).
struct TMensagemDebrief {
    double Dia = 0.0;
    QString Texto;
    bool Nota = false;
    bool operator==(const TMensagemDebrief&) const = default;
};

struct TAnaliseJogo {
    TCenarioAnalise Cenario;
    TCapaJogo Capa;
    // Days each point of the daily series stands for: 1 up to a few
    // thousand days; a longer game's points are merged (TSeriesDias).
    int Passo = 1;
    QList<double> Dias;           // each point's day: 1, 2, ... one per day step played
    QList<double> CustoAcumulado;
    QList<double> CustoDia;       // the mean over the point's days
    QList<TErrosArea> Areas;      // in the order of Cenario.Areas
    QList<TSerieDesenvolvedor> Equipe;
    QList<QList<TFaixaCronograma>> Cronograma; // per activity
    QList<double> Ociosos;        // team members without any work, each day
    QList<double> FimAtividade;   // the day each was accomplished; Dias + 1 when never
    QList<int> Caminho;           // the critical path as played
    QList<TDecisao> Decisoes;     // every change the player made, in order
    QList<TInspecaoPulada> Puladas;
    QList<TMarco> Marcos;         // what the charts mark on their day axis, by stretch and kind
    QList<TMensagemDebrief> Mensagens;
    qsizetype MensagensOmitidas = 0; // beyond LimiteMensagens
    TResumoJogo Resumo;
    // The best known plans beside the game (ParJogo.h); none until given.
    std::shared_ptr<const TParJogo> Par;
    // The game a practice game branched from; none for any other game.
    std::shared_ptr<const TJogoOriginal> Original;

    static constexpr qsizetype LimiteMensagens = 20000;
};

// The analysis of rastro, a game of the scenario cenario describes (without
// the player's decisions, which only a plan holds).
TAnaliseJogo AnalisaRastro(const TRastro& rastro, const TCenarioAnalise& cenario);

// Replays plano on sim (which it resets) and analyses the game day by day as
// it is played, keeping no trace: memory stays bounded whatever its length.
TAnaliseJogo AnalisaPlano(TSimuladorProjeto& sim, const TPlano& plano);
