// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The best known plans a game is compared with: a front orvanta-best wrote
// (front.json listing {"plan", "days", "cost"} in increasing days, and each
// plan-NNN.json beside it). The game ships one in best/, found beside the
// program in a build and in ../share/orvanta/best when installed.

#include "plan/Plano.h"

#include <QList>
#include <QString>

class TSimuladorProjeto;

// One plan of the front.
struct TPlanoPar {
    QString Arquivo;           // its file name in the folder: "plan-013.json"
    TResultadoPlano Resultado; // as front.json lists it, which the plan claims too
    TPlano Plano;
};

struct TFrentePar {
    QString Pasta;          // where it was read from; empty when none was found
    QList<TPlanoPar> Planos; // in front.json's order
    QString Erro;           // why there is none (not found, unreadable); empty when read

    QList<TResultadoPlano> Resultados() const;
};

// Most plans a front may list: orvanta-best's fronts hold a few dozen.
inline constexpr int MaximoPlanosFrente = 200;

// Reads the front in pasta, its plans against sim's scenario. Throws EPlano,
// one line naming the file, when front.json is missing, larger than 1 MiB,
// not a list of {"plan", "days", "cost"} (1 to MaximoPlanosFrente of them,
// "plan" a file name in the same folder, "days" whole, "cost" 0 or more), or
// a plan cannot be read, is not a plan, or does not claim the concluded
// result listed for it.
TFrentePar LeFrentePar(const QString& pasta, const TSimuladorProjeto& sim);

// The front in pasta, or when pasta is empty the shipped one found beside
// the program (LocalizaDados). Never throws: a front that cannot be found or
// read comes back with no plans and Erro saying why.
TFrentePar CarregaFrentePar(const TSimuladorProjeto& sim, const QString& pasta = QString());
