// SPDX-License-Identifier: GPL-3.0-or-later
#include "analise/ParJogo.h"

#include "analise/AnaliseJogo.h"
#include "analise/EscolhaPar.h"
#include "plan/JogoPlano.h"
#include "plan/PlanoReferencia.h"

#include <algorithm>
#include <utility>

QList<TEntradaEquipe> EntradasEquipe(const TAnaliseJogo& analise) {
    QList<TEntradaEquipe> entradas;
    QHash<int, qsizetype> abertas; // developer -> his entry still open
    for (const TDecisao& d : analise.Decisoes) {
        if (d.Tipo != ETipoMarco::Equipe) {
            continue;
        }
        for (auto it = abertas.begin(); it != abertas.end();) {
            if (!d.Equipe.contains(it.key())) {
                entradas[it.value()].Saida = d.Dia;
                it = abertas.erase(it);
            } else {
                ++it;
            }
        }
        // A developer in the team twice ("R" pressed twice) joined once.
        for (int dev : d.Equipe) {
            if (!abertas.contains(dev)) {
                abertas.insert(dev, entradas.size());
                entradas.append({dev, d.Dia, -1});
            }
        }
    }
    return entradas;
}

QStringList TextoEntradasEquipe(const TAnaliseJogo& analise) {
    // Members who joined and left on the same days, in order of joining.
    QList<std::pair<TEntradaEquipe, QStringList>> grupos;
    for (const TEntradaEquipe& e : EntradasEquipe(analise)) {
        const QString nome =
            analise.Cenario.Desenvolvedores.value(e.Desenvolvedor, QStringLiteral("?"));
        const auto igual = std::find_if(grupos.begin(), grupos.end(), [&e](const auto& g) {
            return g.first.Entrada == e.Entrada && g.first.Saida == e.Saida;
        });
        if (igual == grupos.end()) {
            grupos.append({e, {nome}});
        } else {
            igual->second.append(nome);
        }
    }
    QStringList linhas;
    for (const auto& [e, nomes] : grupos) {
        QString quem = nomes.constLast();
        if (nomes.size() > 1) {
            quem = nomes.first(nomes.size() - 1).join(QStringLiteral(", ")) +
                   QStringLiteral(" and ") + quem;
        }
        QString linha = e.Entrada == 0 ? QStringLiteral("%1 from the start").arg(quem)
                                       : QStringLiteral("%1 from day %2").arg(quem, QString::number(e.Entrada));
        if (e.Saida >= 0) {
            linha += QStringLiteral(" until day %1").arg(e.Saida);
        }
        linhas.append(linha);
    }
    if (linhas.isEmpty()) {
        linhas.append(QStringLiteral("nobody"));
    }
    return linhas;
}

TComparadorPar::TComparadorPar(TFrentePar frente) : FFrente(std::move(frente)) {}

std::shared_ptr<const TParJogo> TComparadorPar::ParDe(const TResultadoPlano& jogo,
                                                      TSimuladorProjeto& sim) {
    if (!FReferenciasFeitas) {
        FReferencias = {{QStringLiteral("run A"), JogaPlano(sim, PlanoReferencia(HorasReferenciaA))},
                        {QStringLiteral("run B"), JogaPlano(sim, PlanoReferencia(HorasReferenciaB))}};
        FReferenciasFeitas = true;
    }
    const QList<TResultadoPlano> frente = FFrente.Resultados();
    const int escolhido = EscolhePar(frente, jogo);
    if (FUltimo && FUltimo->Escolhido == escolhido) {
        return FUltimo;
    }
    auto par = std::make_shared<TParJogo>();
    par->Pasta = FFrente.Pasta;
    par->Erro = FFrente.Erro;
    par->Frente = frente;
    for (const TPlanoPar& plano : FFrente.Planos) {
        par->Arquivos.append(plano.Arquivo);
    }
    par->Referencias = FReferencias;
    par->Escolhido = escolhido;
    if (escolhido >= 0) {
        const TPlanoPar& plano = FFrente.Planos.at(escolhido);
        par->Arquivo = plano.Arquivo;
        std::shared_ptr<const TAnaliseJogo>& analise = FAnalises[escolhido];
        if (!analise) {
            analise = std::make_shared<const TAnaliseJogo>(AnalisaPlano(sim, plano.Plano));
        }
        par->Analise = analise;
    }
    FUltimo = par;
    return par;
}

std::shared_ptr<const TJogoOriginal> JogoOriginal(const TRamoJogo& ramo,
                                                  const TAnaliseJogo& original) {
    auto jogo = std::make_shared<TJogoOriginal>();
    jogo->Ramo = ramo;
    jogo->Resultado = original.Capa.Rejogado;
    jogo->Dias = original.Dias;
    jogo->CustoAcumulado = original.CustoAcumulado;
    return jogo;
}
