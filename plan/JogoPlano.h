#pragma once

#include "Plano.h"
#include "Rastro.h"
#include "model/mReceptorMensagens.h"

#include <QList>
#include <QString>
#include <functional>

class TSimuladorProjeto;

// A message sink that keeps every message, in order.
class TListaMensagens : public TReceptorMensagens {
public:
    void AdicionaMensagem(const QString& texto, double dia) override {
        Mensagens.append({texto, dia});
    }
    QList<TMensagemJogo> Mensagens;
};

// Applies one set of changes as the window's commands make them: the team
// replaced, then ValidarAlocacoes (as after the team dialog); hours set, also
// for an exhausted developer (the window allows that until the next
// selection); an inspection's dedication set to hours / 8 days; assignments.
void AplicaMudancas(TSimuladorProjeto& sim, const TMudancasPlano& mudancas);

// The project's result as it stands: concluded, days played, cost.
TResultadoPlano ResultadoAtual(const TSimuladorProjeto& sim);

// Plays plano from the start of a game (sim is reset first), as the window
// plays it: the initial changes, then for each day step k = 0, 1, ... (the
// step that starts at project day k): the event for day k if there is one,
// then, unless the project is concluded, the day step. It stops at the first
// concluded test or after plano.MaximoDias steps. The model's messages go to
// receptor and one trace entry per step is appended to rastro, when given;
// without either, nothing is allocated per day. Returns ResultadoAtual.
TResultadoPlano JogaPlano(TSimuladorProjeto& sim, const TPlano& plano,
                          TReceptorMensagens* receptor = nullptr, TRastro* rastro = nullptr);

// Receives each day step's trace entry as soon as the step is played.
using TPassoRastro = std::function<void(TRastroDia&& dia)>;

// The same, handing each step's trace entry to porPasso instead of keeping
// it: what a caller writes out day by day needs no room for the whole game.
TResultadoPlano JogaPlanoPassoAPasso(TSimuladorProjeto& sim, const TPlano& plano,
                                     TReceptorMensagens* receptor, const TPassoRastro& porPasso);
