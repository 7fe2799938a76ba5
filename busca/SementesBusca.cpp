// SPDX-License-Identifier: GPL-3.0-or-later
#include "busca/SementesBusca.h"

#include "model/mAtividade.h"
#include "model/mDesenvolvedor.h"
#include "model/mProjeto.h"
#include "model/mSimulador.h"

#include <algorithm>
#include <functional>

namespace {

// A developer's merit for a kind of work; the larger the better.
using TMerito = std::function<double(const TDesenvolvedor&, std::uint8_t tipo)>;

double MeritoExperiencia(const TDesenvolvedor& d, std::uint8_t tipo) {
    // Ties go to the cheaper developer.
    return d.Experiencia(tipo) - d.Custo() * 1e-6;
}

// Work of this kind done per dollar, at 8 hours and on the first day.
double MeritoEconomia(const TDesenvolvedor& d, std::uint8_t tipo) {
    return d.Produtividade(tipo) / d.Custo();
}

class TSementes {
public:
    TSementes(TSimuladorProjeto& sim, const TCodificacaoPlano& c) : FSim(sim), FC(c) {
        FSim.Reiniciar();
    }

    // Everybody at the same hours, inspections at the same dedication; the
    // developer of each activity chosen by quem.
    void Adiciona(const std::function<int(int atividade)>& quem, int horas, int horasInspecao) {
        TGenes genes(static_cast<size_t>(FC.Tamanho()), 0.0);
        auto define = [&](int gene, int valor) { genes[static_cast<size_t>(gene)] = valor; };
        for (int a = 0; a < FC.NumeroAtividades(); ++a) {
            define(FC.GeneAlocacao(a), quem(a));
        }
        for (int d = 0; d < FC.NumeroDesenvolvedores(); ++d) {
            define(FC.GeneHoras(d), horas);
            define(FC.GeneHorasMudanca(d), TPlano::MinimoHoras);
        }
        for (int i = 0; i < FC.Inspecoes().size(); ++i) {
            define(FC.GeneInspecao(i), horasInspecao);
        }
        // Stored canonical, so that equal plans are seen as repeats.
        const TGenes canonico = *FC.Codifica(FC.Decodifica(genes));
        if (std::find(FSementes.begin(), FSementes.end(), canonico) == FSementes.end()) {
            FSementes.push_back(canonico);
        }
    }

    // The k-th best developer for the kind of work of activity a.
    int Melhor(int a, const TMerito& merito, int k = 0) const {
        const std::uint8_t tipo = FSim.Projeto()->Atividade(a)->Tipo();
        const QList<TDesenvolvedor*>& pool = FSim.Desenvolvedores();
        QList<int> ordem;
        for (int d = 0; d < pool.size(); ++d) {
            ordem.append(d);
        }
        std::stable_sort(ordem.begin(), ordem.end(), [&](int x, int y) {
            return merito(*pool.at(x), tipo) > merito(*pool.at(y), tipo);
        });
        return ordem.at(std::min(k, static_cast<int>(ordem.size()) - 1));
    }

    // Activities of one kind of work, the k-th of them in network order.
    int OrdemNoTipo(int a) const {
        const TProjetoSoftware* p = FSim.Projeto();
        int k = 0;
        for (int b = 0; b < a; ++b) {
            k += p->Atividade(b)->Tipo() == p->Atividade(a)->Tipo() ? 1 : 0;
        }
        return k;
    }

    int Corvin() const {
        const QList<TDesenvolvedor*>& pool = FSim.Desenvolvedores();
        for (int d = 0; d < pool.size(); ++d) {
            if (pool.at(d)->Nome() == QLatin1String("Corvin")) {
                return d;
            }
        }
        return 0;
    }

    std::vector<TGenes> FSementes;

private:
    TSimuladorProjeto& FSim;
    const TCodificacaoPlano& FC;
};

} // namespace

std::vector<TGenes> SementesBusca(TSimuladorProjeto& sim, const TCodificacaoPlano& codificacao) {
    TSementes s(sim, codificacao);
    const int corvin = s.Corvin();
    for (int horas : {TPlano::MinimoHoras, TPlano::MaximoHoras}) {
        s.Adiciona([corvin](int) { return corvin; }, horas, 0);
    }
    for (int d = 0; d < codificacao.NumeroDesenvolvedores(); ++d) {
        for (int horas : {TPlano::MinimoHoras, TPlano::MaximoHoras}) {
            s.Adiciona([d](int) { return d; }, horas, 0);
        }
    }
    const std::array<TMerito, 2> meritos = {MeritoExperiencia, MeritoEconomia};
    for (const TMerito& merito : meritos) {
        for (int horasInspecao : {0, static_cast<int>(TPlano::HorasPorDia)}) {
            for (int horas : {TPlano::MinimoHoras, TPlano::MaximoHoras}) {
                s.Adiciona([&](int a) { return s.Melhor(a, merito); }, horas, horasInspecao);
                s.Adiciona([&](int a) { return s.Melhor(a, merito, s.OrdemNoTipo(a)); }, horas,
                           horasInspecao);
            }
        }
    }
    return std::move(s.FSementes);
}
