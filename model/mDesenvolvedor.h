#pragma once

#include "mFonteImagens.h"
#include "mReceptorMensagens.h"

#include <QImage>
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
    double FatorAprendizado() const;
    double FatorHoras() const;
    double Produtividade(std::uint8_t tipo) const;
    double FatorErros(std::uint8_t tipo) const;
    // Exhaustion gained by a working day at the current hours (0.0 at 8 hours,
    // 0.3, 0.7, 1.3 and 2.2 at 9 to 12 hours).
    double IncrementoExaustao() const;

    void Reiniciar();
    // Daily update after the project's part of a day. painel may be null.
    void AtualizarDia(bool naEquipe, bool trabalhando, TReceptorMensagens* painel, double dias,
                      double dia);

    // Exhaustion levels and the daily recovery.
    static constexpr double LimiteAviso = 25.0;
    static constexpr double LimiteExaustao = 50.0;
    static constexpr double LimiteDescanso = 0.1;
    static constexpr double Recuperacao = 2.5;

private:
    QString FNome;
    double FHorasTrabalho = 8.0;
    bool FExausto = false;
    double FCusto = 0.0;
    double FExaustao = 0.0;
    double FTempoProjeto = 0.0;
    std::array<double, 6> FExperiencia{};
    TImagensDesenvolvedor FImagens;
};
