// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A game beside the best known plans (the debrief's Par chart) and beside
// the game a practice game branched from: what the charts draw besides the
// game itself.

#include "analise/FrentePar.h"
#include "plan/Plano.h"
#include "plan/RamoJogo.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <memory>

class TSimuladorProjeto;
struct TAnaliseJogo;

// A reference run as played: "run A", "run B".
struct TReferenciaPar {
    QString Nome;
    TResultadoPlano Resultado;
};

// The par of a game: the front, the reference runs, and the plan chosen
// (EscolhePar) with its analysis, for the game's result.
struct TParJogo {
    QString Pasta;                      // where the front was read from
    QString Erro;                       // why there is no front; empty when there is
    QList<TResultadoPlano> Frente;      // increasing days
    QStringList Arquivos;               // each plan's file name, in that order
    QList<TReferenciaPar> Referencias;  // runs A and B
    int Escolhido = -1;                 // in Frente; -1 when there is none
    QString Arquivo;                    // the chosen plan's file name
    std::shared_ptr<const TAnaliseJogo> Analise; // the chosen plan as played
};

// A member's time in the team, from the decisions that changed it.
struct TEntradaEquipe {
    int Desenvolvedor = -1; // pool position
    int Entrada = 0;        // the day of the step he first worked in (0: from the start)
    int Saida = -1;         // the day he was taken out; -1 when he stayed
    bool operator==(const TEntradaEquipe&) const = default;
};

// Who was in the team and when each joined (and left), in order of
// joining, from the analysis's team decisions.
QList<TEntradaEquipe> EntradasEquipe(const TAnaliseJogo& analise);

// The same in words, a line for the members who joined (and left) on the
// same days: "Corvin, Fennick and Ysolde from the start", "Tamsin from day 3
// until day 20"; "nobody" when the team stayed empty.
QStringList TextoEntradasEquipe(const TAnaliseJogo& analise);

// Chooses and analyses the par of each game shown, keeping what it has
// worked out: the reference runs once, each plan's analysis the first time
// it is chosen, so that following a game turn by turn replays nothing.
class TComparadorPar {
public:
    explicit TComparadorPar(TFrentePar frente);

    const TFrentePar& Frente() const { return FFrente; }
    // The par of a game with result jogo; sim replays what is not kept yet.
    std::shared_ptr<const TParJogo> ParDe(const TResultadoPlano& jogo, TSimuladorProjeto& sim);

private:
    TFrentePar FFrente;
    QList<TReferenciaPar> FReferencias;
    bool FReferenciasFeitas = false;
    QHash<int, std::shared_ptr<const TAnaliseJogo>> FAnalises;
    std::shared_ptr<const TParJogo> FUltimo; // the last one given, when it still fits
};

// The game a practice game branched from, as its cost line and result are
// drawn beside it.
struct TJogoOriginal {
    TRamoJogo Ramo;
    TResultadoPlano Resultado;
    QList<double> Dias;
    QList<double> CustoAcumulado;
};

// The original of a practice game from the analysis of its record.
std::shared_ptr<const TJogoOriginal> JogoOriginal(const TRamoJogo& ramo, const TAnaliseJogo& original);
