// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/mDesenvolvedor.h"

#include <QStringBuilder>

#include <cmath>

namespace {

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

void TDesenvolvedor::Avisa(TReceptorMensagens& painel, QLatin1String texto, double dia) const {
    painel.AdicionaMensagem(FNome % texto, dia);
}
