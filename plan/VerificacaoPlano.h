#pragma once

#include "Plano.h"
#include "Rastro.h"

#include <QString>

class TReceptorMensagens;
class TSimuladorProjeto;

// True when both are concluded or both not, with the same days, and their
// costs agree to the cent (as both print with two decimals).
bool ResultadosConferem(const TResultadoPlano& gravado, const TResultadoPlano& rejogado);

// The cost in whole cents, as the game shows and records it (two decimals,
// rounded as they are printed): 9182.619999999999 and 9182.62 are both
// 918262.
qint64 CentavosCusto(double custo);

// "81 days, cost 16200.00", or "not concluded after 40 days, cost 8000.00".
QString DescreveResultado(const TResultadoPlano& resultado);

// A plan's recorded result beside its replay.
struct TVerificacao {
    TResultadoPlano Gravado;
    TResultadoPlano Rejogado;
    bool Confere = false;

    // "result differs: recorded 51 days, cost 17276.50; replayed 51 days, cost 17226.50"
    QString Diferenca() const;
};

// Throws EPlano when plano records no result to verify.
void ExigeResultado(const TPlano& plano);

// Replays plano (as JogaPlano, with the same receptor and rastro) and
// compares the replay with the result the plan records. Throws EPlano,
// before playing anything, when the plan records no result.
TVerificacao VerificaPlano(TSimuladorProjeto& sim, const TPlano& plano,
                           TReceptorMensagens* receptor = nullptr, TRastro* rastro = nullptr);
