#pragma once

#include "mFonteImagens.h"
#include "mReceptorMensagens.h"

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

    // Builds the scenario. Each developer, in pool order, is given his
    // pictures by imagens, when there is one (whatever it throws ends the
    // build); without one the developers have no pictures.
    explicit TSimuladorProjeto(const TFonteImagens& imagens = {});
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
    void CriarCenario(const TFonteImagens& imagens);

    TProjetoSoftware* FProjeto = nullptr;
    QList<TDesenvolvedor*> FDesenvolvedores;
};
