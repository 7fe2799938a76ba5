// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/mFonteImagens.h"
#include "model/mReceptorMensagens.h"
#include "model/mTabela.h"

#include <QImage>
#include <QLatin1String>
#include <QString>
#include <array>
#include <cstdint>
#include <utility>

// One member of the developer pool.
class TDesenvolvedor {
public:
    // Made without pictures: whoever shows him gives them (DefineImagens).
    TDesenvolvedor(const QString& nome, double custo, double experienciaAnalise,
                   double experienciaProjeto, double experienciaProgramacao,
                   double experienciaTestes, double experienciaQA);

    const QString& Nome() const { return FNome; }
    double Custo() const { return FCusto; }
    double HorasTrabalho() const { return FHorasTrabalho; }
    void SetHorasTrabalho(double horas) { FHorasTrabalho = horas; }
    double Exaustao() const { return FExaustao; }
    bool Exausto() const { return FExausto; }
    double TempoProjeto() const { return FTempoProjeto; }
    double Experiencia(std::uint8_t tipo) const { return FExperiencia[tipo]; }
    // Null pictures until DefineImagens gives them.
    const QImage& ImagemGrande() const { return FImagens.Grande; }
    const QImage& ImagemPequena() const { return FImagens.Pequena; }
    void DefineImagens(TImagensDesenvolvedor imagens) { FImagens = std::move(imagens); }

    // "Very low", "Low", "Average", "High" or "Very high".
    QString NivelExperiencia(std::uint8_t tipo) const;
    // These four are asked by every activity worked, every day: inline.
    double FatorAprendizado() const {
        return ConsultaTabela(TabelaAprendizado, FTempoProjeto * 10.0 / 20.0);
    }
    double FatorHoras() const { return (FHorasTrabalho - 8.0) / 4.0 + 1.0; }
    double Produtividade(std::uint8_t tipo) const {
        return (0.666 * Experiencia(tipo) + 0.667) * FatorHoras() * FatorAprendizado();
    }
    double FatorErros(std::uint8_t tipo) const {
        return ((1.0 - Experiencia(tipo)) * 0.666 + 0.667) *
               ConsultaTabela(TabelaErrosHorasExtras, (FatorHoras() - 1.0) * 7.0);
    }
    // Exhaustion gained by a working day at the current hours (0.0 at 8 hours,
    // 0.3, 0.7, 1.3 and 2.2 at 9 to 12 hours).
    double IncrementoExaustao() const;

    void Reiniciar();
    // Daily update after the project's part of a day, for every pool
    // developer every day: inline. painel may be null.
    void AtualizarDia(bool naEquipe, bool trabalhando, TReceptorMensagens* painel, double dias,
                      double dia);

    // Exhaustion levels and the daily recovery, the game's calibration: the
    // warning at 25, exhausted above 50 (hours forced back to 8), rested again
    // below 0.1, and 2.5 recovered a day while idle or exhausted. At 12 hours
    // a fresh developer is warned on his 12th working day and exhausted on
    // his 23rd.
    static constexpr double LimiteAviso = 25.0;
    static constexpr double LimiteExaustao = 50.0;
    static constexpr double LimiteDescanso = 0.1;
    static constexpr double Recuperacao = 2.5;

private:
    // Learning, indexed by days in the project / 2.
    static constexpr std::array<double, 11> TabelaAprendizado = {
        1.0, 1.0125, 1.0325, 1.055, 1.09, 1.15, 1.2, 1.22, 1.245, 1.25, 1.25};
    // Errors made in overtime, indexed by (hours factor - 1) x 7.
    static constexpr std::array<double, 8> TabelaErrosHorasExtras = {0.9,  0.94, 1.0,  1.05,
                                                                     1.14, 1.24, 1.36, 1.5};

    // Posts "<Nome><texto>" stamped dia.
    void Avisa(TReceptorMensagens& painel, QLatin1String texto, double dia) const;

    QString FNome;
    double FHorasTrabalho = 8.0;
    bool FExausto = false;
    double FCusto = 0.0;
    double FExaustao = 0.0;
    double FTempoProjeto = 0.0;
    std::array<double, 6> FExperiencia{};
    TImagensDesenvolvedor FImagens;
};

inline void TDesenvolvedor::AtualizarDia(bool naEquipe, bool trabalhando,
                                         TReceptorMensagens* painel, double dias, double dia) {
    painel = ReceptorAtento(painel);
    if (naEquipe) {
        FTempoProjeto += dias;
    }
    // A day off adds nothing: the level is never -0, which adding 0 would
    // turn into 0, so skipping the sum changes nothing.
    if (trabalhando) {
        const double incremento = IncrementoExaustao();
        if (FExaustao + incremento > LimiteAviso && !(FExaustao > LimiteAviso) && painel) {
            Avisa(*painel, QLatin1String(" is looking exhaust due to overworking hours"), dia);
        }
        FExaustao += incremento;
    }
    if (FExaustao > LimiteExaustao) {
        if (painel) {
            Avisa(*painel, QLatin1String(" is exhaust and will stop overworking"), dia);
        }
        FHorasTrabalho = 8.0;
        FExausto = true;
    }
    if (FExausto || !trabalhando) {
        FExaustao -= Recuperacao;
    }
    if (FExaustao < LimiteDescanso && FExausto) {
        if (painel) {
            Avisa(*painel, QLatin1String(" is willing to overwork again, if necessary"), dia);
        }
        FExausto = false;
    }
}
