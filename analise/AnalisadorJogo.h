#pragma once

#include "AnaliseJogo.h"
#include "DecisoesJogo.h"
#include "SeriesDias.h"

#include <QList>

// Analyses a game day by day as it is played: told each set of changes as
// it is applied and each day step's trace entry, it keeps only what the
// debrief shows (series of bounded length, spans, totals), never the trace.
class TAnalisadorJogo {
public:
    explicit TAnalisadorJogo(const TCenarioAnalise& cenario,
                             int limitePontos = TSeriesDias::LimitePadrao);

    void Aplica(const TMudancasPlano& mudancas);
    void Passa(const TRastroDia& dia);
    // The analysis of what was told; the analyser is spent.
    TAnaliseJogo Conclui(TCapaJogo capa);

private:
    struct TDesenvolvedorDia {
        bool Esteve = false;
        bool ExaustoAntes = false;
    };
    struct TAtividadeDia {
        double Custo = 0.0;
        double Executado = 0.0;
        bool Iniciada = false;
        bool Pulada = false;
    };

    void PassaCusto(const TRastroDia& dia);
    void PassaEquipe(const TRastroDia& dia, double* valores);
    void PassaAtividades(const TRastroDia& dia);
    void PassaMensagens(const TRastroDia& dia);
    void FechaSeries();
    void FechaMarcos();
    void AdicionaMensagem(TMensagemDebrief mensagem);

    TAnaliseJogo R;
    TLeitorDecisoes FDecisoes;
    TSeriesDias FSeries;
    QList<TDesenvolvedorDia> FDesenvolvedores;
    QList<TAtividadeDia> FAtividades;
    QList<TRastroAtividade> FUltimas; // the activities after the last day
    double FCustoAnterior = 0.0;
    int FDiasPassados = 0;
};
