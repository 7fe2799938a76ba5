// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/mReceptorMensagens.h"

#include <QString>
#include <QVarLengthArray>
#include <array>
#include <cstdint>

class TDesenvolvedor;
class TProjetoSoftware;

// Activity type codes.
enum : std::uint8_t {
    TipoAnalise = 0,
    TipoArquitetura = 1,
    TipoProjeto = 2,
    TipoCodificacao = 3,
    TipoTeste = 4,
    TipoInspecao = 5,
};

// The word shown for each type code ("Analysis", "Design", "Design",
// "Programming", "Testing", "Inspection").
QString NomeTipoAtividade(std::uint8_t tipo);

// One node of the project's precedence network.
class TAtividade {
public:
    TAtividade(const QString& nome, std::uint8_t tipo, std::int32_t posicaoX, std::int32_t posicaoY,
               double percentualEsforco, double tamanho);

    const QString& Nome() const { return FNome; }
    std::uint8_t Tipo() const { return FTipo; }
    std::int32_t PosicaoX() const { return FPosicaoX; }
    std::int32_t PosicaoY() const { return FPosicaoY; }
    double PercentualEsforco() const { return FPercentualEsforco; }
    double Tamanho() const { return FTamanho; }
    double TempoExecutado() const { return FTempoExecutado; }
    double Duracao() const { return FDuracao; }
    void SetDuracao(double duracao);
    double Erros() const { return FErros; }
    double ErrosEncontrados() const { return FErrosEncontrados; }
    double ErrosInformados() const { return FErrosInformados; }
    bool Iniciada() const { return FIniciada; }
    TDesenvolvedor* Desenvolvedor() const { return FDesenvolvedor; }
    void SetDesenvolvedor(TDesenvolvedor* desenvolvedor);

    int NumeroPredecessoras() const { return static_cast<int>(FPredecessoras.size()); }
    TAtividade* Predecessora(int i) const { return FPredecessoras.at(i); }
    int NumeroSucessoras() const { return static_cast<int>(FSucessoras.size()); }
    TAtividade* Sucessora(int i) const { return FSucessoras.at(i); }
    // Appends a to the predecessors and this activity to a's successors.
    void AdicionarPredecessora(TAtividade* a);

    double DuracaoMinima() const;
    double DuracaoMedia() const;
    double DuracaoMaxima() const;
    double NivelQualidade() const { return FNivelQualidade; }
    // Fraction concluded, 0 to 1 (an inspection cut below its executed time reports more).
    double Percentual() const;

    bool Pronta() const;
    bool Concluida() const;
    bool EmExecucao() const;
    bool EmExecucaoPor(const TDesenvolvedor* d) const;
    bool Planejada() const;
    // The activity's own completion test, leaving the predecessors aside: for a
    // test its errors are down to the quality level, for the others its
    // executed time has reached its duration.
    bool TrabalhoCumprido() const;

    // One day's work with the developer time offered; usado receives the days
    // of developer time consumed. painel may be null.
    void Trabalhar(TReceptorMensagens* painel, double& usado, double disponivel, double dia);
    void Reiniciar();

    // What the project has charged for work on this activity since the last
    // Reiniciar: the days of developer time and what they cost.
    double DiasCobrados() const { return FDiasCobrados; }
    double Custo() const { return FCusto; }
    void Cobrar(double dias, double custo) {
        FDiasCobrados += dias;
        FCusto += custo;
    }

    // The game's calibration, fixed when the project was designed and never
    // derived at run time: every stored record replays against these exact
    // values. TamanhoTotal is the whole project's size, the sum of the three
    // functional areas' sizes (19.71 + 20.44 + 23.36), which the architecture
    // carries. The duration factors are days of work per unit of size for the
    // shortest, expected (150/139) and longest estimate of an activity.
    // TaxaErros are the errors a whole activity of type 0..3 injects per unit
    // of size; they add up to 2.4.
    static constexpr double TamanhoTotal = 63.51;
    static constexpr double FatorDuracaoMinima = 0.74645434187608858;
    static constexpr double FatorDuracaoMedia = 1.0791366906474820;
    static constexpr double FatorDuracaoMaxima = 1.9467878001297859;
    static constexpr std::array<double, 4> TaxaErros = {0.6, 0.1800778715120052, 0.5699221284879948,
                                                        1.05};

private:
    friend class TProjetoSoftware;

    // Trabalhar with the activity's readiness already known (the project
    // knows it from its predecessors' work earlier in the same day).
    void TrabalharPronta(TReceptorMensagens* painel, double& usado, double disponivel, double dia,
                         bool pronta);
    // Tells the project that holds the activity that its state changed.
    void Mudou();
    void Iniciar();
    double Estimativa(double fator) const;
    // A message naming the activity in quotes: antes "Nome" depois.
    QString Mensagem(const QString& antes, const QString& depois) const;
    // Posts the started and accomplished messages for a day's work r.
    void AvisaProgresso(TReceptorMensagens& painel, double r, double dia) const;

    // What every day's work reads first, side by side.
    TDesenvolvedor* FDesenvolvedor = nullptr;
    std::uint8_t FTipo = 0;
    bool FIniciada = false;
    double FTempoExecutado = 0.0;
    double FDuracao = 0.0;
    double FErros = 0.0;
    double FNivelQualidade = 0.0;
    double FTamanho = 0.0;
    double FErrosEncontrados = 0.0;
    double FErrosInformados = 0.0;
    double FDiasCobrados = 0.0;
    double FCusto = 0.0;
    // Room for the scenario's most, the architecture's three, inside the activity.
    QVarLengthArray<TAtividade*, 3> FPredecessoras;
    QVarLengthArray<TAtividade*, 3> FSucessoras;
    // The project that holds the activity, and its position in the project's
    // list; none and -1 for an activity on its own.
    TProjetoSoftware* FProjeto = nullptr;
    int FPosicao = -1;
    QString FNome;
    std::int32_t FPosicaoX = 0;
    std::int32_t FPosicaoY = 0;
    double FPercentualEsforco = 0.0;
};

// The state tests run many times a day; they are inline so that the walk up
// the network stays cheap.

inline bool TAtividade::TrabalhoCumprido() const {
    return FTipo == TipoTeste ? FNivelQualidade >= FErros : FTempoExecutado >= FDuracao;
}

inline bool TAtividade::Pronta() const {
    for (const TAtividade* p : FPredecessoras) {
        if (!p->Concluida()) {
            return false;
        }
    }
    return true;
}

// The activity's own test comes first: it is cheap and, when it fails, spares
// the walk up the network.
inline bool TAtividade::Concluida() const {
    return TrabalhoCumprido() && Pronta();
}

inline bool TAtividade::EmExecucao() const {
    return !TrabalhoCumprido() && Pronta();
}

inline bool TAtividade::EmExecucaoPor(const TDesenvolvedor* d) const {
    return FDesenvolvedor == d && EmExecucao();
}
