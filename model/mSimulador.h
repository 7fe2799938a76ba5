// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/mReceptorMensagens.h"

#include <QList>
#include <QString>
#include <functional>

class TDesenvolvedor;
class TProjetoSoftware;

// Root of the model: builds the fixed scenario, runs the turn test and the day step.
class TSimuladorProjeto {
public:
    // Asks the player a Yes/No/Cancel question; true only for Yes.
    using TPergunta = std::function<bool(const QString& pergunta)>;

    // Builds the scenario; throws EErroArquivo when a developer picture is missing.
    TSimuladorProjeto();
    ~TSimuladorProjeto();
    TSimuladorProjeto(const TSimuladorProjeto&) = delete;
    TSimuladorProjeto& operator=(const TSimuladorProjeto&) = delete;

    TProjetoSoftware* Projeto() const { return FProjeto; }
    const QList<TDesenvolvedor*>& Desenvolvedores() const { return FDesenvolvedores; }

    // True at once when some pool developer has a running activity; otherwise
    // asks TextoConfirmacao through pergunta (no asker counts as No).
    bool ConfirmarTurno(const TPergunta& pergunta) const;
    void AvancarDia(TReceptorMensagens* painel);
    void Reiniciar();

    static const QString TextoConfirmacao;

private:
    void CriarCenario();

    TProjetoSoftware* FProjeto = nullptr;
    QList<TDesenvolvedor*> FDesenvolvedores;
};
