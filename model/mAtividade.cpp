// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/mAtividade.h"

#include "model/MaxMin.h"
#include "model/mDesenvolvedor.h"
#include "model/mProjeto.h"
#include "model/mTabela.h"

#include <QStringBuilder>

namespace {

// The game's calibration, as the records replay it. FatorQualidade: the share
// of the injected error rate a test may leave in the product (0.05 of 2.4,
// 0.12 errors per unit of size). FatorRegeneracaoErros: the share of inherited
// errors that regenerate in the next phase's work. EscalaEsforcoDeteccao: the
// effort per error found at full productivity (a day of testing finds P / 0.28
// errors at high density). The two limits keep "started" and "planned"
// messages from firing on rounding dust.
constexpr double FatorQualidade = 0.05;
constexpr double FatorRegeneracaoErros = 0.24;
constexpr double EscalaEsforcoDeteccao = 0.28;
constexpr double LimiteInicio = 0.001;
constexpr double LimitePlanejamento = 0.001;

// Regeneration of inherited errors, indexed by error density (steps of 1).
constexpr std::array<double, 11> TabelaFatorRegeneracao = {1.0, 1.1, 1.2,  1.325, 1.45, 1.6,
                                                           2.0, 2.5, 3.25, 4.35,  6.0};

// Effort to find one error, indexed by 10 x error density (steps of 0.1).
constexpr std::array<double, 11> TabelaEsforcoDeteccao = {8.0, 6.75, 5.25, 4.0, 3.0, 2.0,
                                                          1.8, 1.6,  1.2,  1.1, 1.0};

const QChar Aspas = QLatin1Char('"');

} // namespace

QString NomeTipoAtividade(std::uint8_t tipo) {
    switch (tipo) {
    case TipoAnalise:
        return QStringLiteral("Analysis");
    case TipoArquitetura:
    case TipoProjeto:
        return QStringLiteral("Design");
    case TipoCodificacao:
        return QStringLiteral("Programming");
    case TipoTeste:
        return QStringLiteral("Testing");
    case TipoInspecao:
        return QStringLiteral("Inspection");
    default:
        return QString();
    }
}

TAtividade::TAtividade(const QString& nome, std::uint8_t tipo, std::int32_t posicaoX,
                       std::int32_t posicaoY, double percentualEsforco, double tamanho)
    : FTipo(tipo),
      // The errors a test may leave: 0.12 per unit of size.
      FNivelQualidade((TaxaErros[0] + TaxaErros[1] + TaxaErros[2] + TaxaErros[3]) *
                      (FatorQualidade * tamanho)),
      FTamanho(tamanho), FNome(nome), FPosicaoX(posicaoX), FPosicaoY(posicaoY),
      FPercentualEsforco(percentualEsforco) {
    Reiniciar();
}

void TAtividade::Mudou() {
    if (FProjeto) {
        ++FProjeto->FMudancas;
    }
}

void TAtividade::SetDuracao(double duracao) {
    FDuracao = duracao;
    Mudou();
}

void TAtividade::SetDesenvolvedor(TDesenvolvedor* desenvolvedor) {
    FDesenvolvedor = desenvolvedor;
    Mudou();
}

void TAtividade::Trabalhar(TReceptorMensagens* painel, double& usado, double disponivel,
                           double dia) {
    TrabalharPronta(ReceptorAtento(painel), usado, disponivel, dia, Pronta());
    Mudou();
}

void TAtividade::AdicionarPredecessora(TAtividade* a) {
    Mudou();
    FPredecessoras.append(a);
    a->FSucessoras.append(this);
    if (FProjeto) {
        FProjeto->NotaLigacao(a, this);
    }
}

double TAtividade::Estimativa(double fator) const {
    if (FTipo == TipoInspecao) {
        return FDuracao;
    }
    return FPercentualEsforco * TamanhoTotal / 100.0 * (FTamanho / TamanhoTotal * fator);
}

double TAtividade::DuracaoMinima() const {
    return Estimativa(FatorDuracaoMinima);
}
double TAtividade::DuracaoMedia() const {
    return Estimativa(FatorDuracaoMedia);
}
double TAtividade::DuracaoMaxima() const {
    return Estimativa(FatorDuracaoMaxima);
}

double TAtividade::Percentual() const {
    if (FTipo == TipoTeste) {
        const double denominador = FErros + FErrosEncontrados - NivelQualidade();
        if (!(denominador > 0.0)) {
            return 0.0;
        }
        return Min(Max(FErrosEncontrados / denominador, 0.0), 1.0);
    }
    if (FDuracao > 0.0) {
        return Max(1.0 - (FDuracao - FTempoExecutado) / FDuracao, 0.0);
    }
    return 1.0;
}

bool TAtividade::Planejada() const {
    return !(FTipo == TipoInspecao && FDuracao <= LimitePlanejamento);
}

void TAtividade::Iniciar() {
    for (const TAtividade* p : FPredecessoras) {
        FErros += p->FErros / p->NumeroSucessoras();
    }
    if (FTipo <= TipoCodificacao) {
        FErros += ConsultaTabela(TabelaFatorRegeneracao, FErros / FTamanho) *
                  (FatorRegeneracaoErros * FErros);
    }
}

void TAtividade::TrabalharPronta(TReceptorMensagens* painel, double& usado, double disponivel,
                                 double dia, bool pronta) {
    // Readiness depends on the predecessors alone, which nothing below changes.
    if (!FIniciada) {
        if (!pronta) {
            usado = 0.0;
            return;
        }
        FIniciada = true;
        Iniciar();
        if (!FDesenvolvedor || TrabalhoCumprido()) {
            usado = 0.0;
            return;
        }
    } else if (!FDesenvolvedor || TrabalhoCumprido() || !pronta) {
        usado = 0.0;
        return;
    }
    const double p = FDesenvolvedor->Produtividade(FTipo);
    if (!(p > 0.0)) {
        // Hours of 4 or fewer a day leave no productivity at all: no work is
        // done and none of his time is used (nor charged), instead of a
        // division by zero that would spoil the project's cost.
        usado = 0.0;
        return;
    }
    if (FTipo <= TipoCodificacao) {
        const double r = Min(disponivel * p, FDuracao - FTempoExecutado);
        if (painel) {
            AvisaProgresso(*painel, r, dia);
        }
        FTempoExecutado += r;
        usado = r / p;
        const double f = FDesenvolvedor->FatorErros(FTipo);
        FErros += TaxaErros[FTipo] * f * FTamanho * (r / FDuracao);
        return;
    }
    const double r =
        FTipo == TipoInspecao ? Min(disponivel, FDuracao - FTempoExecutado) : disponivel;
    if (painel) {
        AvisaProgresso(*painel, r, dia);
    }
    FTempoExecutado += r;
    usado = r;
    const double esforco = ConsultaTabela(TabelaEsforcoDeteccao, (FErros / FTamanho) * 10.0);
    double encontrados = r * p / (esforco * EscalaEsforcoDeteccao);
    if (encontrados > FErros) {
        encontrados = FErros;
    }
    FErrosEncontrados += encontrados;
    FErros -= encontrados;
    if (FErrosEncontrados - FErrosInformados >= 1.0) {
        if (painel) {
            const auto n = static_cast<long long>(FErrosEncontrados - FErrosInformados);
            painel->AdicionaMensagem(
                Mensagem(QStringLiteral("The "),
                         QStringLiteral(" activity has found and corrected ")) %
                    QString::number(n) % QStringLiteral(" error(s)"),
                dia);
        }
        FErrosInformados = FErrosEncontrados;
    }
    // Ready, as established above: accomplished means its own work is done.
    if (FTipo == TipoTeste && TrabalhoCumprido() && painel) {
        painel->AdicionaMensagem(
            Mensagem(QStringLiteral("Error detection in the "),
                     QStringLiteral(" activity suffices the desired quality level")),
            dia);
    }
}

QString TAtividade::Mensagem(const QString& antes, const QString& depois) const {
    return antes % Aspas % FNome % Aspas % depois;
}

void TAtividade::AvisaProgresso(TReceptorMensagens& painel, double r, double dia) const {
    if (FTempoExecutado < LimiteInicio && r > 0.0) {
        painel.AdicionaMensagem(
            Mensagem(QStringLiteral("The "), QStringLiteral(" activity has just started")), dia);
    }
    if (FTempoExecutado + r == FDuracao) {
        painel.AdicionaMensagem(
            Mensagem(QStringLiteral("The "), QStringLiteral(" activity was accomplished")), dia);
    }
}

void TAtividade::Reiniciar() {
    Mudou();
    FDesenvolvedor = nullptr;
    FTempoExecutado = 0.0;
    FErros = 0.0;
    FErrosEncontrados = 0.0;
    FErrosInformados = 0.0;
    FIniciada = false;
    FDuracao = FTipo == TipoInspecao ? 0.0 : DuracaoMedia();
    FDiasCobrados = 0.0;
    FCusto = 0.0;
}
