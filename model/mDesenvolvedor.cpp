#include "mDesenvolvedor.h"

#include "mTabela.h"

#include <QStringBuilder>

#include <cmath>

namespace {

// Learning, indexed by days in the project / 2.
constexpr std::array<double, 11> TabelaAprendizado = {1.0, 1.0125, 1.0325, 1.055, 1.09, 1.15,
                                                      1.2, 1.22,   1.245,  1.25,  1.25};

// Errors made in overtime, indexed by (hours factor - 1) x 7.
constexpr std::array<double, 8> TabelaErrosHorasExtras = {0.9,  0.94, 1.0,  1.05,
                                                          1.14, 1.24, 1.36, 1.5};

// Daily exhaustion increments, indexed by a whole number 0 to 15.
constexpr std::array<double, 16> TabelaIncrementoExaustao = {
    0.0, 0.0, 0.2, 0.3, 0.4, 0.5, 0.6, 0.7, 0.8, 0.9, 1.15, 1.3, 1.6, 1.9, 2.2, 2.5};

// The increments at 8, 9, 10, 11 and 12 hours (table indexes 0, 3, 7, 11, 14).
constexpr std::array<double, 5> IncrementosHorasInteiras = {0.0, 0.3, 0.7, 1.3, 2.2};

// x < decimos / 10, compared with the exact decimal rather than its nearest
// double: the fused multiply-add gives the sign of 10x - decimos exactly.
bool AbaixoDeDecimos(double x, int decimos) {
    return std::fma(x, 10.0, -static_cast<double>(decimos)) < 0.0;
}

} // namespace

TDesenvolvedor::TDesenvolvedor(const QString& nome, double custo, double experienciaAnalise,
                               double experienciaProjeto, double experienciaProgramacao,
                               double experienciaTestes, double experienciaQA)
    : FNome(nome),
      FCusto(custo), FExperiencia{experienciaAnalise,     experienciaProjeto, experienciaProjeto,
                                  experienciaProgramacao, experienciaTestes,  experienciaQA} {
    Reiniciar();
}

QString TDesenvolvedor::NivelExperiencia(std::uint8_t tipo) const {
    const double x = Experiencia(tipo);
    if (AbaixoDeDecimos(x, 2)) {
        return QStringLiteral("Very low");
    }
    if (AbaixoDeDecimos(x, 4)) {
        return QStringLiteral("Low");
    }
    if (AbaixoDeDecimos(x, 6)) {
        return QStringLiteral("Average");
    }
    if (AbaixoDeDecimos(x, 8)) {
        return QStringLiteral("High");
    }
    return QStringLiteral("Very high");
}

double TDesenvolvedor::FatorAprendizado() const {
    return ConsultaTabela(TabelaAprendizado, FTempoProjeto * 10.0 / 20.0);
}

double TDesenvolvedor::FatorHoras() const {
    return (FHorasTrabalho - 8.0) / 4.0 + 1.0;
}

double TDesenvolvedor::Produtividade(std::uint8_t tipo) const {
    return (0.666 * Experiencia(tipo) + 0.667) * FatorHoras() * FatorAprendizado();
}

double TDesenvolvedor::FatorErros(std::uint8_t tipo) const {
    return ((1.0 - Experiencia(tipo)) * 0.666 + 0.667) *
           ConsultaTabela(TabelaErrosHorasExtras, (FatorHoras() - 1.0) * 7.0);
}

double TDesenvolvedor::IncrementoExaustao() const {
    // The whole hours the work hours dialog offers take their increments as
    // listed. Worked out exactly, 12 hours fall just short of index 15 (2.2);
    // in double arithmetic the value ties up to 15 (2.5), so these five do not
    // come from the formula.
    for (std::size_t i = 0; i < IncrementosHorasInteiras.size(); ++i) {
        if (FHorasTrabalho == 8.0 + static_cast<double>(i)) {
            return IncrementosHorasInteiras[i];
        }
    }
    // Any other value: the formula in double, kept inside the table.
    const double indice = 10.0 * (1.0 - (1.0 - (0.6 * (FatorHoras() - 1.0) + 0.6)) / 0.4);
    if (!(indice > 0.0)) {
        return TabelaIncrementoExaustao.front();
    }
    if (indice >= static_cast<double>(TabelaIncrementoExaustao.size() - 1)) {
        return TabelaIncrementoExaustao.back();
    }
    return TabelaIncrementoExaustao[static_cast<std::size_t>(indice)];
}

void TDesenvolvedor::Reiniciar() {
    FExaustao = 0.0;
    FExausto = false;
    FTempoProjeto = 0.0;
    FHorasTrabalho = 8.0;
}

void TDesenvolvedor::AtualizarDia(bool naEquipe, bool trabalhando, TReceptorMensagens* painel,
                                  double dias, double dia) {
    if (naEquipe) {
        FTempoProjeto += dias;
    }
    const double incremento = trabalhando ? IncrementoExaustao() : 0.0;
    if (FExaustao + incremento > LimiteAviso && !(FExaustao > LimiteAviso) && painel) {
        painel->AdicionaMensagem(
            FNome % QStringLiteral(" is looking exhaust due to overworking hours"), dia);
    }
    FExaustao += incremento;
    if (FExaustao > LimiteExaustao) {
        if (painel) {
            painel->AdicionaMensagem(
                FNome % QStringLiteral(" is exhaust and will stop overworking"), dia);
        }
        FHorasTrabalho = 8.0;
        FExausto = true;
    }
    if (FExausto || !trabalhando) {
        FExaustao -= Recuperacao;
    }
    if (FExaustao < LimiteDescanso && FExausto) {
        if (painel) {
            painel->AdicionaMensagem(
                FNome % QStringLiteral(" is willing to overwork again, if necessary"), dia);
        }
        FExausto = false;
    }
}
