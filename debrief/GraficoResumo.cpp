// SPDX-License-Identifier: GPL-3.0-or-later
#include "debrief/MontagemGraficos.h"

#include "analise/AnaliseJogo.h"
#include "analise/ParJogo.h"
#include "debrief/EstiloDebrief.h"
#include "debrief/TabelaGrafico.h"
#include "debrief/TextoCapa.h"
#include "graficos/PaletaGrafico.h"

#include <qcustomplot.h>

namespace {

void Capa(QCustomPlot& grafico, const TAnaliseJogo& a, const TPaletaGrafico& paleta) {
    const TCapaJogo& capa = a.Capa;
    const QString falta = QStringLiteral("not recorded");
    TTabelaGrafico tabela(grafico, paleta);
    tabela.Linha({QStringLiteral("Manager"), capa.Gerente.isEmpty() ? falta : capa.Gerente});
    if (capa.Ramo) {
        tabela.Linha({QStringLiteral("Game"),
                      QStringLiteral("%1 (not counted)").arg(TextoRamo(*capa.Ramo))});
    } else {
        tabela.Linha({QStringLiteral("Game"), capa.Jogo > 0 ? QString::number(capa.Jogo) : falta});
    }
    const QString quando = TextoQuando(capa);
    tabela.Linha({QStringLiteral("Played"), quando.isEmpty() ? falta : quando});
    tabela.Linha({QStringLiteral("Result"), TextoResultado(capa.Rejogado)});
    // A practice game beside the game it was played again from.
    if (a.Original) {
        tabela.Linha({QStringLiteral("Result of %1").arg(TextoOrigem(a.Original->Ramo)),
                      TextoResultado(a.Original->Resultado)});
    }
    tabela.Linha({QStringLiteral("Check"), TextoVerificacao(capa)});
    tabela.AlinhaEsquerda(1);
}

QString Horas(double horas) {
    return Numero(horas, 1);
}

void Desenvolvedores(QCustomPlot& grafico, const TAnaliseJogo& a, const TPaletaGrafico& paleta) {
    TTabelaGrafico tabela(grafico, paleta);
    tabela.Linha({QStringLiteral("Developer"), QStringLiteral("Cost ($)"), QStringLiteral("Hours worked"),
                  QStringLiteral("Overtime hours"), QStringLiteral("Days in the team"),
                  QStringLiteral("Idle days"), QStringLiteral("Exhausted days")},
                 true);
    TSerieDesenvolvedor total;
    for (const TSerieDesenvolvedor& s : a.Equipe) {
        tabela.Linha({s.Nome, TextoDinheiro(s.Custo), Horas(s.HorasTrabalhadas), Horas(s.HorasExtras),
                      TextoInteiro(s.DiasNaEquipe), TextoInteiro(s.DiasOciosos),
                      TextoInteiro(s.DiasExaustos)});
        total.Custo += s.Custo;
        total.HorasTrabalhadas += s.HorasTrabalhadas;
        total.HorasExtras += s.HorasExtras;
        total.DiasNaEquipe += s.DiasNaEquipe;
        total.DiasOciosos += s.DiasOciosos;
        total.DiasExaustos += s.DiasExaustos;
    }
    if (a.Equipe.isEmpty()) {
        tabela.Linha({QStringLiteral("Nobody was in the team")});
    } else {
        tabela.Linha({QStringLiteral("Team"), TextoDinheiro(total.Custo), Horas(total.HorasTrabalhadas),
                      Horas(total.HorasExtras), TextoInteiro(total.DiasNaEquipe),
                      TextoInteiro(total.DiasOciosos), TextoInteiro(total.DiasExaustos)},
                     true);
    }
}

void Areas(QCustomPlot& grafico, const TAnaliseJogo& a, const TPaletaGrafico& paleta) {
    TTabelaGrafico tabela(grafico, paleta);
    tabela.Linha({QStringLiteral("Functional area"), QStringLiteral("Cost ($)"),
                  QStringLiteral("Inspection hours given"), QStringLiteral("Errors the inspection found"),
                  QStringLiteral("Errors that reached the test")},
                 true);
    for (qsizetype k = 0; k < a.Areas.size(); ++k) {
        const TErrosArea& e = a.Areas.at(k);
        tabela.Linha({a.Cenario.Areas.at(k).Nome, TextoDinheiro(e.Custo), TextoInteiro(e.HorasInspecao),
                      TextoInteiro(e.ErrosInspecao), TextoInteiro(e.ErrosNoTeste)});
    }
    tabela.Linha({QStringLiteral("Shared (use cases, architecture)"),
                  TextoDinheiro(a.Resumo.CustoComum), QString(), QString(), QString()});
}

// The project's days lost, in one sentence.
QString DiasPerdidos(const TAnaliseJogo& a) {
    const TResumoJogo& r = a.Resumo;
    return QStringLiteral("Developer-days lost: %1 exhausted (hours forced to 8), %2 idle (in the "
                          "team without work). Overtime: %3 hours. Decisions: %4.")
        .arg(TextoInteiro(r.DiasExaustos), TextoInteiro(r.DiasOciosos), Horas(r.HorasExtras),
             TextoInteiro(a.Decisoes.size()));
}

} // namespace

void MontaGraficoResumo(QCustomPlot& grafico, const TAnaliseJogo& analise,
                        const TPaletaGrafico& paleta) {
    const QString quem = TextoIdentidade(analise.Capa);
    TituloDebrief(grafico,
                  quem.isEmpty() ? QStringLiteral("Orvanta debrief")
                                 : QStringLiteral("Orvanta debrief: %1").arg(quem),
                  NotaPasso(analise));
    // No plot here: text only.
    grafico.plotLayout()->remove(grafico.xAxis->axisRect());
    grafico.plotLayout()->simplify();
    Capa(grafico, analise, paleta);
    TituloSecao(grafico, QStringLiteral("Where the days and money went"), paleta);
    Desenvolvedores(grafico, analise, paleta);
    auto* perdidos = new QCPTextElement(&grafico, DiasPerdidos(analise), FonteGrafico(9));
    perdidos->setTextFlags(Qt::AlignLeft | Qt::AlignVCenter);
    perdidos->setMargins(QMargins(8, 6, 8, 2));
    LinhaGrafico(grafico, perdidos);
    TituloSecao(grafico, QStringLiteral("Functional areas: cost, inspection and the errors left for the tests"),
           paleta);
    Areas(grafico, analise, paleta);
    // What is left of the page stays empty, below the text.
    LinhaGrafico(grafico, new QCPLayoutGrid, 1.0);
    AplicaPaleta(grafico, paleta);
    RestauraTitulos(grafico, paleta);
}
