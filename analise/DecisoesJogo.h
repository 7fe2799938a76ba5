#pragma once

#include "plan/Plano.h"

#include <QList>
#include <QString>

struct TCenarioAnalise;

// What the debrief marks on a chart's day axis: the player's decisions (the
// first four) and what the game did with them.
enum class ETipoMarco {
    Equipe,        // the team changed
    Horas,         // a developer's daily hours were set
    Inspecao,      // an inspection was given its time
    Alocacao,      // a developer was put on an activity, or taken off
    Aviso,         // a developer's exhaustion went past the warning level
    Exausto,       // a developer became exhausted
    InspecaoPulada // an inspection given no time was passed by, its errors unchecked
};
inline constexpr int NumeroTiposMarco = 7;

// "team changed", "hours set", ... for legends and lists.
QString NomeTipoMarco(ETipoMarco tipo);

// One change the player made, on the day of the step it came before.
struct TDecisao {
    int Dia = 0;
    ETipoMarco Tipo = ETipoMarco::Equipe;
    int Desenvolvedor = -1; // Horas: whose; Alocacao: who, -1 for nobody
    int Atividade = -1;     // Inspecao, Alocacao: activity position
    int Valor = 0;          // Horas: hours a day; Inspecao: hours given
    QList<int> Equipe;      // Equipe: the new team, in order
    QList<int> EquipeAntes; // Equipe: the team it replaced
    bool Exausto = false;   // Horas: set for a developer exhausted at the time
    bool operator==(const TDecisao&) const = default;
};

// The decision as a line of the debrief: "Corvin's hours set to 12 a day".
QString TextoDecisao(const TDecisao& decisao, const TCenarioAnalise& cenario);

// A marked day of a chart: every marker of one kind on that day (or, in a
// long game, in one point's stretch of days) in one.
struct TMarco {
    double Dia = 0.0;
    ETipoMarco Tipo = ETipoMarco::Equipe;
    int Quantos = 1;
    QString Texto; // a line each, at most a few, with a count of the rest
};

// The decisions a game's plan makes as it is played. The initial changes
// are told only where they differ from a new game's state (a game record
// holds the whole state there: every developer at 8 hours, every
// inspection at 0); every event is told whole, as the plan says it.
class TLeitorDecisoes {
public:
    explicit TLeitorDecisoes(const TCenarioAnalise& cenario);

    // The changes applied before the step that starts at mudancas.Dia;
    // exaustos tells, per pool developer, who is exhausted then.
    void Aplica(const TMudancasPlano& mudancas, const QList<bool>& exaustos = {});

    const QList<TDecisao>& Decisoes() const { return FDecisoes; }
    // The hours an activity (an inspection) was last given, 0 when never.
    int HorasInspecao(int atividade) const { return FInspecoes.value(atividade); }

private:
    void Adiciona(TDecisao decisao);

    QList<TDecisao> FDecisoes;
    QList<int> FEquipe;
    QList<int> FHoras;       // per pool developer
    QList<int> FInspecoes;   // per activity
    QList<int> FAlocacoes;   // per activity
};
