// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/mDesenvolvedor.h"
#include "model/mFonteImagens.h"
#include "model/mReceptorMensagens.h"

#include <QList>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

class TProjetoSoftware;

// Root of the model: builds the fixed scenario, runs the turn test and the day step.
class TSimuladorProjeto {
public:
    // Asks the player a Yes/No/Cancel question; true only for Yes.
    using TPergunta = std::function<bool(const QString& pergunta)>;

    // Builds the scenario. Each developer, in pool order, is given his
    // pictures by imagens, when there is one (whatever it throws ends the
    // build); without one the developers have no pictures.
    explicit TSimuladorProjeto(const TFonteImagens& imagens = {});
    ~TSimuladorProjeto();
    TSimuladorProjeto(const TSimuladorProjeto&) = delete;
    TSimuladorProjeto& operator=(const TSimuladorProjeto&) = delete;

    TProjetoSoftware* Projeto() const { return FProjeto.get(); }
    const QList<TDesenvolvedor*>& Desenvolvedores() const { return FDesenvolvedores; }

    // True at once when some pool developer has a running activity; otherwise
    // asks TextoConfirmacao through pergunta (no asker counts as No).
    bool ConfirmarTurno(const TPergunta& pergunta) const;
    void AvancarDia(TReceptorMensagens* painel);
    void Reiniciar();

    static const QString TextoConfirmacao;

private:
    void CriarCenario(const TFonteImagens& imagens);
    // The developer's position in the pool, or -1 when he is not of it.
    qsizetype PosicaoPool(const TDesenvolvedor* d) const {
        const std::less_equal<const TDesenvolvedor*> ate;
        const TDesenvolvedor* inicio = FPool.data();
        return d && ate(inicio, d) && ate(d, inicio + FPool.size() - 1) ? d - inicio : -1;
    }

    std::unique_ptr<TProjetoSoftware> FProjeto;
    // The pool, side by side; never grows once built, so the list's
    // addresses hold.
    std::vector<TDesenvolvedor> FPool;
    QList<TDesenvolvedor*> FDesenvolvedores;
    // Whether some pool developer had a running activity after the last day
    // step, good while the project's activities have not changed since.
    bool FAlguemTrabalha = false;
    bool FTrabalhoConhecido = false;
    quint64 FMudancasTrabalho = 0;
};
