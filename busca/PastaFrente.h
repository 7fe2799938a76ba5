#pragma once

// The folder a search writes its front into:
//   front.json      a list of {"plan": "plan-001.json", "days": D, "cost": C},
//                   in increasing days;
//   plan-NNN.json   each plan of the front, numbered from 001 in that order,
//                   with its "result" and a "meta" whose "program" is
//                   "orvanta-best".
// Nothing else is ever written there, and a folder holding anything else is
// refused: the tool never overwrites or removes a file it did not write.

#include "plan/Plano.h"

#include <QList>
#include <QString>

class TSimuladorProjeto;

// Why a folder cannot take a front. Uso: the folder given is not one to write
// into (bad usage); otherwise writing failed. The message is one line.
struct EPastaFrente {
    QString mensagem;
    bool Uso = false;
};

// The value of "program" in the meta of every plan the tool writes.
extern const QLatin1String ProgramaPastaFrente;

// "plan-001.json" for the first plan.
QString NomePlanoFrente(int indice);

// Checks that pasta either does not exist or is a folder holding only files
// of an earlier front: front.json, and plan-NNN.json files whose meta names
// this program. Throws EPastaFrente (Uso) otherwise. Returns the plan files.
QStringList VerificaPastaFrente(const QString& pasta);

// Makes sure, before a search spends its time, that its front can be
// written: checks the folder as VerificaPastaFrente does, creates it when
// missing and creates and removes a file in it. Throws EPastaFrente: Uso as
// VerificaPastaFrente, otherwise "cannot create the folder ..." or "cannot
// write into the folder ...: reason".
void PreparaPastaFrente(const QString& pasta);

// The plans the front lists, from planos in increasing days: a plan is left
// out when another as fast or faster costs as little or less, costs compared
// in whole cents (CentavosCusto), as the game shows them; of plans with the
// same days and cents the first stays.
QList<TPlano> PlanosNaoBatidos(const QList<TPlano>& planos);

// Writes the front of PlanosNaoBatidos(planos), each plan with its
// Resultado and Meta: checks the folder again, creates it when missing,
// removes the old front.json first (so that an interrupted write leaves no
// list of files that disagree with it), writes the plans and then
// front.json, each atomically, and last removes plan files of an earlier,
// larger front. Throws EPastaFrente.
void EscrevePastaFrente(const QString& pasta, const QList<TPlano>& planos,
                        const TSimuladorProjeto& sim);
