// SPDX-License-Identifier: GPL-3.0-or-later
#include "debrief/MontagemGraficos.h"

#include "analise/AnaliseJogo.h"
#include "analise/ParJogo.h"
#include "debrief/EstiloDebrief.h"
#include "debrief/GanttDebrief.h"
#include "debrief/TabelaGrafico.h"
#include "graficos/FaixaGrafico.h"
#include "graficos/PaletaGrafico.h"

#include <qcustomplot.h>

#include <algorithm>

namespace {

bool Jogou(const TResultadoPlano& r) {
    return r.Concluido || r.Dias > 0;
}

// "36 days, 9,182.62"
QString Resultado(const TResultadoPlano& r) {
    return QStringLiteral("%1 days, %2").arg(TextoInteiro(r.Dias), TextoDinheiro(r.Custo));
}

// What the par plan is, or why there is none.
QString NotaPar(const TAnaliseJogo& a) {
    if (!a.Par) {
        return QStringLiteral("The best known plans are not given to this chart");
    }
    const TParJogo& par = *a.Par;
    if (par.Escolhido < 0) {
        return QStringLiteral("No best known plans to compare with: %1").arg(par.Erro);
    }
    const TResultadoPlano& p = par.Frente.at(par.Escolhido);
    const TResultadoPlano& jogo = a.Capa.Rejogado;
    const QString plano = QStringLiteral("Par plan %1: %2").arg(par.Arquivo, Resultado(p));
    if (!Jogou(jogo)) {
        return QStringLiteral("%1, the fastest of the best known plans (no day played yet)").arg(plano);
    }
    const QString seus = jogo.Concluido ? QStringLiteral("your %1").arg(TextoInteiro(jogo.Dias))
                                        : QStringLiteral("the %1 you have played so far")
                                              .arg(TextoInteiro(jogo.Dias));
    if (p.Dias <= jogo.Dias) {
        return QStringLiteral("%1, the cheapest of the best known plans that finish in no more "
                              "days than %2")
            .arg(plano, seus);
    }
    return QStringLiteral("%1, the fastest of the best known plans: none finishes in %2 days or fewer")
        .arg(plano, TextoInteiro(jogo.Dias));
}

QCPGraph* Pontos(QCustomPlot& grafico, const QString& nome, const QList<double>& dias,
                 const QList<double>& custos, const QCPScatterStyle& forma) {
    QCPGraph* g = grafico.addGraph(grafico.xAxis, grafico.yAxis);
    g->setName(nome);
    g->setData(dias, custos);
    g->setLineStyle(QCPGraph::lsNone);
    g->setScatterStyle(forma);
    return g;
}

void Rotulo(QCustomPlot& grafico, double x, double y, const QString& texto,
            const TPaletaGrafico& paleta) {
    auto* rotulo = new QCPItemText(&grafico);
    rotulo->setClipToAxisRect(true);
    rotulo->position->setCoords(x, y);
    rotulo->setPositionAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    rotulo->setPadding(QMargins(9, 0, 0, 0));
    rotulo->setFont(FonteGrafico(7));
    rotulo->setColor(paleta.Texto);
    rotulo->setText(texto);
}

// Room around the points, and on the right for the labels.
void AjustaEixos(QCustomPlot& grafico) {
    const auto [x, y] =
        FaixaDosGraficos(grafico).value_or(std::pair(QCPRange(0, 40), QCPRange(0, 10000)));
    const double largura = std::max(x.size(), 10.0);
    const double altura = std::max(y.size(), 1000.0);
    grafico.xAxis->setRange(std::max(0.0, x.lower - 0.08 * largura), x.upper + 0.25 * largura);
    grafico.yAxis->setRange(std::max(0.0, y.lower - 0.12 * altura), y.upper + 0.12 * altura);
}

// Days against cost: the front as a line, the par plan ringed, runs A and
// B, and the game.
void DesenhaFrente(QCustomPlot& grafico, const TAnaliseJogo& a, const TPaletaGrafico& paleta) {
    grafico.xAxis->setLabel(QStringLiteral("Days"));
    grafico.yAxis->setLabel(QStringLiteral("Cost ($)"));
    grafico.xAxis->setTicker(MarcasInteiras());
    grafico.xAxis->ticker()->setTickCount(6);
    grafico.xAxis->setNumberFormat(QStringLiteral("f"));
    grafico.xAxis->setNumberPrecision(0);
    if (const TParJogo* par = a.Par.get()) {
        if (!par->Frente.isEmpty()) {
            QList<double> dias;
            QList<double> custos;
            QStringList dicas;
            for (qsizetype i = 0; i < par->Frente.size(); ++i) {
                dias.append(par->Frente.at(i).Dias);
                custos.append(par->Frente.at(i).Custo);
                dicas.append(QStringLiteral("%1\n%2").arg(par->Arquivos.value(i),
                                                          Resultado(par->Frente.at(i))));
            }
            QCPGraph* frente = Pontos(grafico, QStringLiteral("best known plans"), dias, custos,
                                      QCPScatterStyle(QCPScatterStyle::ssCircle, paleta.Amarelo, 5));
            frente->setLineStyle(QCPGraph::lsStepLeft);
            frente->setPen(QPen(paleta.Amarelo, 1.5));
            PoeDicasPontos(*frente, dicas);
        }
        if (par->Escolhido >= 0) {
            const TResultadoPlano& p = par->Frente.at(par->Escolhido);
            QCPGraph* escolhido = Pontos(
                grafico, QStringLiteral("par plan"), {double(p.Dias)}, {p.Custo},
                QCPScatterStyle(QCPScatterStyle::ssCircle, QPen(paleta.Lima, 2), Qt::NoBrush, 14));
            PoeDicasPontos(*escolhido, {QStringLiteral("par plan %1\n%2").arg(par->Arquivo, Resultado(p))});
        }
        QList<double> dias;
        QList<double> custos;
        QStringList dicas;
        for (const TReferenciaPar& r : par->Referencias) {
            dias.append(r.Resultado.Dias);
            custos.append(r.Resultado.Custo);
            dicas.append(QStringLiteral("%1\n%2").arg(r.Nome, Resultado(r.Resultado)));
            Rotulo(grafico, r.Resultado.Dias, r.Resultado.Custo, r.Nome, paleta);
        }
        if (!dias.isEmpty()) {
            QCPGraph* referencias = Pontos(
                grafico, QStringLiteral("runs A and B"), dias, custos,
                QCPScatterStyle(QCPScatterStyle::ssDiamond, QPen(paleta.Texto, 1), paleta.Prata, 9));
            PoeDicasPontos(*referencias, dicas);
        }
    }
    const TResultadoPlano& jogo = a.Capa.Rejogado;
    if (Jogou(jogo)) {
        const QString nome = jogo.Concluido ? QStringLiteral("your game")
                                            : QStringLiteral("your game so far (not concluded)");
        QCPGraph* seu = Pontos(grafico, nome, {double(jogo.Dias)}, {jogo.Custo},
                               QCPScatterStyle(QCPScatterStyle::ssStar, QPen(paleta.Alerta, 2.5),
                                               Qt::NoBrush, 13));
        PoeDicasPontos(*seu, {QStringLiteral("%1\n%2").arg(nome, Resultado(jogo))});
        Rotulo(grafico, jogo.Dias, jogo.Custo, QStringLiteral("you"), paleta);
    }
    AjustaEixos(grafico);
}

// texto in lines of about largura characters, broken after its commas.
QString Quebra(const QString& texto, int largura) {
    QStringList linhas;
    QString linha;
    for (const QString& parte : texto.split(QStringLiteral(", "))) {
        if (!linha.isEmpty() && linha.size() + parte.size() + 2 > largura) {
            linhas.append(linha + QLatin1Char(','));
            linha.clear();
        }
        linha += (linha.isEmpty() ? QString() : QStringLiteral(", ")) + parte;
    }
    linhas.append(linha);
    return linhas.join(QLatin1Char('\n'));
}

// The game beside its par plan, row by row.
void Comparacao(TTabelaGrafico& tabela, const TAnaliseJogo& a, const TAnaliseJogo* par) {
    const auto coluna = [](const TAnaliseJogo* j, auto valor) {
        return j ? valor(*j) : QStringLiteral("-");
    };
    const auto linha = [&](const QString& nome, auto valor) {
        tabela.Linha({nome, valor(a), coluna(par, valor)});
    };
    tabela.Linha({QString(), QStringLiteral("Your game"), QStringLiteral("Par plan")}, true);
    linha(QStringLiteral("Days"), [](const TAnaliseJogo& j) {
        const QString dias = TextoInteiro(j.Capa.Rejogado.Dias);
        return j.Capa.Rejogado.Concluido ? dias : QStringLiteral("%1 so far").arg(dias);
    });
    linha(QStringLiteral("Cost ($)"),
          [](const TAnaliseJogo& j) { return TextoDinheiro(j.Capa.Rejogado.Custo); });
    linha(QStringLiteral("Team"), [](const TAnaliseJogo& j) {
        QStringList linhas;
        for (const QString& l : TextoEntradasEquipe(j)) {
            linhas.append(Quebra(l, 42));
        }
        return linhas.join(QLatin1Char('\n'));
    });
    linha(QStringLiteral("Overtime hours"),
          [](const TAnaliseJogo& j) { return Numero(j.Resumo.HorasExtras, 1); });
    linha(QStringLiteral("Inspection hours"),
          [](const TAnaliseJogo& j) { return TextoInteiro(j.Resumo.HorasInspecao); });
    linha(QStringLiteral("Idle developer-days"),
          [](const TAnaliseJogo& j) { return TextoInteiro(j.Resumo.DiasOciosos); });
    linha(QStringLiteral("Exhausted developer-days"),
          [](const TAnaliseJogo& j) { return TextoInteiro(j.Resumo.DiasExaustos); });
    linha(QStringLiteral("Errors that reached the tests"),
          [](const TAnaliseJogo& j) { return TextoInteiro(j.Resumo.ErrosNosTestes); });
    tabela.AlinhaEsquerda(1);
    tabela.AlinhaEsquerda(2);
}

// A game's Gantt chart in a plot of its own, named on its left.
QCPAxisRect* Gantt(QCustomPlot& grafico, const QString& titulo, const TAnaliseJogo& jogo,
                   const TPaletaGrafico& paleta) {
    auto* area = new QCPAxisRect(&grafico);
    LinhaGrafico(grafico, area, 1.0);
    EixoDias(*area, jogo);
    area->axis(QCPAxis::atBottom)->setLabel(QString());
    EixoAtividades(*area, jogo, 5.5);
    area->axis(QCPAxis::atLeft)->setLabel(titulo);
    DesenhaGantt(*area, jogo, paleta);
    if (jogo.Dias.isEmpty()) {
        AvisoGrafico(*area, paleta, SemDias());
    }
    return area;
}

} // namespace

void MontaGraficoPar(QCustomPlot& grafico, const TAnaliseJogo& analise,
                     const TPaletaGrafico& paleta) {
    TituloDebrief(grafico, QStringLiteral("Par: your game and the best known plans"), NotaPar(analise));
    const TAnaliseJogo* par =
        analise.Par && analise.Par->Analise ? analise.Par->Analise.get() : nullptr;

    // Days against cost on the left, the two games side by side on the right.
    QCPAxisRect* frente = grafico.xAxis->axisRect();
    grafico.plotLayout()->take(frente);
    grafico.plotLayout()->simplify();
    auto* topo = new QCPLayoutGrid;
    LinhaGrafico(grafico, topo, 0.9);
    topo->addElement(0, 0, frente);
    TTabelaGrafico tabela(grafico, paleta, *topo, 0, 1);
    topo->setColumnStretchFactors({1.2, 1.0});
    DesenhaFrente(grafico, analise, paleta);
    Comparacao(tabela, analise, par);

    // The two schedules, over the same days.
    QList<QCPAxisRect*> gantts{Gantt(grafico, QStringLiteral("Your game"), analise, paleta)};
    QList<const TAnaliseJogo*> jogos{&analise};
    if (par) {
        gantts.append(Gantt(grafico, QStringLiteral("Par plan"), *par, paleta));
        jogos.append(par);
    }
    double ultimo = 10.0;
    for (const TAnaliseJogo* j : jogos) {
        ultimo = std::max(ultimo, j->Dias.isEmpty() ? 0.0 : j->Dias.constLast());
    }
    for (QCPAxisRect* area : gantts) {
        area->axis(QCPAxis::atBottom)->setRange(-0.5, ultimo + 0.5);
    }
    gantts.constLast()->axis(QCPAxis::atBottom)->setLabel(QStringLiteral("Project day"));
    LegendaGantt(grafico, jogos, paleta);

    FinalizaGrafico(grafico, paleta, 5);
    // Two schedules share the page: their rows' names smaller than the
    // palette's.
    for (QCPAxisRect* area : gantts) {
        area->axis(QCPAxis::atLeft)->setTickLabelFont(FonteGrafico(6));
    }
    // The schedules line up; the days-against-cost plot keeps its own margins.
    frente->setMarginGroup(QCP::msLeft | QCP::msRight, nullptr);
    RestauraTitulos(grafico, paleta);
}
