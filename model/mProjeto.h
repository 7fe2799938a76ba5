// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/mReceptorMensagens.h"

#include <QList>

class TAtividade;
class TDesenvolvedor;

// The software project: activities (owned), the team (references), time and cost.
class TProjetoSoftware {
public:
    TProjetoSoftware() = default;
    ~TProjetoSoftware();
    TProjetoSoftware(const TProjetoSoftware&) = delete;
    TProjetoSoftware& operator=(const TProjetoSoftware&) = delete;

    QList<TAtividade*>& Atividades() { return FAtividades; }
    const QList<TAtividade*>& Atividades() const { return FAtividades; }
    int NumeroAtividades() const { return static_cast<int>(FAtividades.size()); }
    TAtividade* Atividade(int i) const { return FAtividades.at(i); }
    // Takes ownership of a.
    void AdicionarAtividade(TAtividade* a);

    // The live team list; callers (the team dialog) edit it in place.
    QList<TDesenvolvedor*>& Equipe() { return FEquipe; }
    const QList<TDesenvolvedor*>& Equipe() const { return FEquipe; }

    double Custo() const { return FCusto; }
    double Tempo() const { return FTempo; }

    bool Concluido() const;
    bool NaEquipe(const TDesenvolvedor* d) const;
    bool Trabalhando(const TDesenvolvedor* d) const;
    void ValidarAlocacoes();
    void AvancarTempo(TReceptorMensagens* painel, double dias);
    void Reiniciar();

private:
    QList<TAtividade*> FAtividades;
    QList<TDesenvolvedor*> FEquipe;
    double FCusto = 0.0;
    double FTempo = 0.0;
};
