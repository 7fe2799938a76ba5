// SPDX-License-Identifier: GPL-3.0-or-later
#include "busca/CodificacaoPlano.h"

#include "model/mAtividade.h"
#include "model/mProjeto.h"
#include "model/mSimulador.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

int Inteiro(double gene) {
    return static_cast<int>(std::lround(gene));
}

bool Entre(int valor, int minimo, int maximo) {
    return valor >= minimo && valor <= maximo;
}

} // namespace

TCodificacaoPlano::TCodificacaoPlano(const TSimuladorProjeto& sim) {
    const TProjetoSoftware* p = sim.Projeto();
    FNumeroAtividades = p->NumeroAtividades();
    FNumeroDesenvolvedores = static_cast<int>(sim.Desenvolvedores().size());
    Q_ASSERT(FNumeroDesenvolvedores <= MaximoDesenvolvedores);
    for (int a = 0; a < FNumeroAtividades; ++a) {
        if (p->Atividade(a)->Tipo() == TipoInspecao) {
            FPosicaoInspecao.append(static_cast<int>(FInspecoes.size()));
            FInspecoes.append(a);
        } else {
            FPosicaoInspecao.append(-1);
        }
    }
    FTamanho = GeneHorasMudanca(0) + FNumeroDesenvolvedores;
}

std::pair<TGenes, TGenes> TCodificacaoPlano::Limites(bool comMudancas) const {
    TGenes minimo(static_cast<size_t>(FTamanho), 0.0);
    TGenes maximo(static_cast<size_t>(FTamanho), 0.0);
    auto limita = [&](int gene, int de, int ate) {
        minimo[static_cast<size_t>(gene)] = de;
        maximo[static_cast<size_t>(gene)] = ate;
    };
    for (int a = 0; a < FNumeroAtividades; ++a) {
        limita(GeneAlocacao(a), 0,
               EhInspecao(a) ? FNumeroDesenvolvedores : FNumeroDesenvolvedores - 1);
    }
    for (int d = 0; d < FNumeroDesenvolvedores; ++d) {
        limita(GeneHoras(d), TPlano::MinimoHoras, TPlano::MaximoHoras);
        limita(GeneDiaMudanca(d), 0, HorizonteMudancas);
        limita(GeneHorasMudanca(d), TPlano::MinimoHoras, TPlano::MaximoHoras);
    }
    for (int i = 0; i < FInspecoes.size(); ++i) {
        limita(GeneInspecao(i), 0, TPlano::MaximoHorasInspecao);
    }
    if (!comMudancas) {
        minimo.resize(static_cast<size_t>(TamanhoEstatico()));
        maximo.resize(static_cast<size_t>(TamanhoEstatico()));
    }
    return {minimo, maximo};
}

TGenes TCodificacaoPlano::VetorAleatorio(bool comMudancas, std::mt19937& aleatorio) const {
    const auto [minimo, maximo] = Limites(comMudancas);
    TGenes genes(minimo.size());
    for (size_t g = 0; g < genes.size(); ++g) {
        genes[g] =
            std::uniform_int_distribution<int>(Inteiro(minimo[g]), Inteiro(maximo[g]))(aleatorio);
    }
    return genes;
}

void TCodificacaoPlano::DecodificaEm(std::span<const double> genes, TPlano& plano) const {
    auto gene = [&](int i) {
        const auto g = static_cast<size_t>(i);
        return g < genes.size() ? Inteiro(genes[g]) : 0;
    };
    std::array<bool, MaximoDesenvolvedores> naEquipe{};
    TMudancasPlano& inicio = plano.Inicio;
    inicio.Dia = 0;
    inicio.Alocacoes.clear();
    for (int a = 0; a < FNumeroAtividades; ++a) {
        const int d = gene(GeneAlocacao(a));
        if (d < FNumeroDesenvolvedores) {
            naEquipe[static_cast<size_t>(d)] = true;
            inicio.Alocacoes.append({a, d});
        } else {
            inicio.Alocacoes.append({a, -1});
        }
    }
    if (!inicio.Equipe) {
        inicio.Equipe.emplace();
    }
    inicio.Equipe->clear();
    inicio.Horas.clear();
    for (int d = 0; d < FNumeroDesenvolvedores; ++d) {
        if (naEquipe[static_cast<size_t>(d)]) {
            inicio.Equipe->append(d);
            inicio.Horas.append({d, gene(GeneHoras(d))});
        }
    }
    inicio.Inspecoes.clear();
    for (int i = 0; i < FInspecoes.size(); ++i) {
        inicio.Inspecoes.append({FInspecoes.at(i), gene(GeneInspecao(i))});
    }

    // One event per change day, in day order; the list's entries are reused.
    qsizetype eventos = 0;
    int ultimoDia = 0;
    for (;;) {
        int dia = 0;
        for (int d = 0; d < FNumeroDesenvolvedores; ++d) {
            const int mudanca = gene(GeneDiaMudanca(d));
            if (naEquipe[static_cast<size_t>(d)] && mudanca > ultimoDia &&
                (dia == 0 || mudanca < dia)) {
                dia = mudanca;
            }
        }
        if (dia == 0) {
            break;
        }
        if (eventos == plano.Eventos.size()) {
            plano.Eventos.append(TMudancasPlano{});
        }
        TMudancasPlano& evento = plano.Eventos[eventos++];
        evento.Dia = dia;
        evento.Equipe.reset();
        evento.Horas.clear();
        evento.Inspecoes.clear();
        evento.Alocacoes.clear();
        for (int d = 0; d < FNumeroDesenvolvedores; ++d) {
            if (naEquipe[static_cast<size_t>(d)] && gene(GeneDiaMudanca(d)) == dia) {
                evento.Horas.append({d, gene(GeneHorasMudanca(d))});
            }
        }
        ultimoDia = dia;
    }
    plano.Eventos.resize(eventos);
    plano.MaximoDias = TPlano::PadraoMaximoDias;
}

TPlano TCodificacaoPlano::Decodifica(std::span<const double> genes) const {
    TPlano plano;
    DecodificaEm(genes, plano);
    return plano;
}

std::optional<TGenes> TCodificacaoPlano::Codifica(const TPlano& plano) const {
    const TMudancasPlano& inicio = plano.Inicio;
    if (!inicio.Equipe || inicio.Alocacoes.size() != FNumeroAtividades ||
        inicio.Inspecoes.size() != FInspecoes.size() ||
        plano.MaximoDias != TPlano::PadraoMaximoDias) {
        return std::nullopt;
    }
    TGenes genes(static_cast<size_t>(FTamanho), 0.0);
    auto define = [&](int gene, int valor) { genes[static_cast<size_t>(gene)] = valor; };
    for (int d = 0; d < FNumeroDesenvolvedores; ++d) {
        define(GeneHoras(d), TPlano::MinimoHoras);
        define(GeneHorasMudanca(d), TPlano::MinimoHoras);
    }
    QList<int> usados;
    for (int a = 0; a < FNumeroAtividades; ++a) {
        const auto [atividade, d] = inicio.Alocacoes.at(a);
        const bool valido = atividade == a && (d >= 0 ? d < FNumeroDesenvolvedores : EhInspecao(a));
        if (!valido) {
            return std::nullopt;
        }
        define(GeneAlocacao(a), d >= 0 ? d : FNumeroDesenvolvedores);
        if (d >= 0 && !usados.contains(d)) {
            usados.append(d);
        }
    }
    std::sort(usados.begin(), usados.end());
    if (*inicio.Equipe != usados || inicio.Horas.size() != usados.size()) {
        return std::nullopt;
    }
    for (int i = 0; i < usados.size(); ++i) {
        const auto [d, horas] = inicio.Horas.at(i);
        if (d != usados.at(i) || !Entre(horas, TPlano::MinimoHoras, TPlano::MaximoHoras)) {
            return std::nullopt;
        }
        define(GeneHoras(d), horas);
    }
    for (int i = 0; i < FInspecoes.size(); ++i) {
        const auto [a, horas] = inicio.Inspecoes.at(i);
        if (a != FInspecoes.at(i) || !Entre(horas, 0, TPlano::MaximoHorasInspecao)) {
            return std::nullopt;
        }
        define(GeneInspecao(i), horas);
    }
    int ultimoDia = 0;
    for (const TMudancasPlano& evento : plano.Eventos) {
        const bool soHoras =
            !evento.Equipe && evento.Inspecoes.isEmpty() && evento.Alocacoes.isEmpty();
        if (!soHoras || evento.Horas.isEmpty() ||
            !Entre(evento.Dia, ultimoDia + 1, HorizonteMudancas)) {
            return std::nullopt;
        }
        int anterior = -1;
        for (const auto& [d, horas] : evento.Horas) {
            // Team members in pool order, each changed once in the whole plan.
            const bool valido = d > anterior && usados.contains(d) &&
                                genes[static_cast<size_t>(GeneDiaMudanca(d))] == 0 &&
                                Entre(horas, TPlano::MinimoHoras, TPlano::MaximoHoras);
            if (!valido) {
                return std::nullopt;
            }
            define(GeneDiaMudanca(d), evento.Dia);
            define(GeneHorasMudanca(d), horas);
            anterior = d;
        }
        ultimoDia = evento.Dia;
    }
    return genes;
}

bool TCodificacaoPlano::PodeConcluir(std::span<const double> genes) const {
    for (int i = 0; i < FInspecoes.size(); ++i) {
        const bool ninguem = Inteiro(genes[static_cast<size_t>(GeneAlocacao(FInspecoes.at(i)))]) >=
                             FNumeroDesenvolvedores;
        if (ninguem && Inteiro(genes[static_cast<size_t>(GeneInspecao(i))]) > 0) {
            return false;
        }
    }
    return true;
}
