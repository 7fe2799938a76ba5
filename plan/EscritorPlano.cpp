// SPDX-License-Identifier: GPL-3.0-or-later
#include "plan/EscritorPlano.h"

#include "model/mDesenvolvedor.h"
#include "model/mSimulador.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace {

QString NomeDesenvolvedor(const TSimuladorProjeto& sim, int d) {
    return sim.Desenvolvedores().at(d)->Nome();
}

QString NumeroAtividade(int a) {
    return QString::number(a + 1);
}

// The changes' keys, added to objeto.
void EscreveMudancas(const TMudancasPlano& m, const TSimuladorProjeto& sim, QJsonObject& objeto) {
    if (m.Equipe) {
        QJsonArray equipe;
        for (int d : *m.Equipe) {
            equipe.append(NomeDesenvolvedor(sim, d));
        }
        objeto.insert(QLatin1String("team"), equipe);
    }
    if (!m.Horas.isEmpty()) {
        QJsonObject horas;
        for (const auto& [d, h] : m.Horas) {
            horas.insert(NomeDesenvolvedor(sim, d), h);
        }
        objeto.insert(QLatin1String("hours"), horas);
    }
    if (!m.Inspecoes.isEmpty()) {
        QJsonObject inspecoes;
        for (const auto& [a, h] : m.Inspecoes) {
            inspecoes.insert(NumeroAtividade(a), h);
        }
        objeto.insert(QLatin1String("inspection_hours"), inspecoes);
    }
    if (!m.Alocacoes.isEmpty()) {
        QJsonObject alocacoes;
        for (const auto& [a, d] : m.Alocacoes) {
            alocacoes.insert(NumeroAtividade(a),
                             d >= 0 ? QJsonValue(NomeDesenvolvedor(sim, d)) : QJsonValue());
        }
        objeto.insert(QLatin1String("assign"), alocacoes);
    }
}

} // namespace

QJsonObject ResultadoEmJson(const TResultadoPlano& resultado) {
    return QJsonObject{{QLatin1String("concluded"), resultado.Concluido},
                       {QLatin1String("days"), resultado.Dias},
                       {QLatin1String("cost"), resultado.Custo}};
}

QJsonObject PlanoEmJson(const TPlano& plano, const TSimuladorProjeto& sim) {
    QJsonObject raiz;
    EscreveMudancas(plano.Inicio, sim, raiz);
    if (!plano.Eventos.isEmpty()) {
        QJsonArray eventos;
        for (const TMudancasPlano& m : plano.Eventos) {
            QJsonObject evento{{QLatin1String("day"), m.Dia}};
            EscreveMudancas(m, sim, evento);
            eventos.append(evento);
        }
        raiz.insert(QLatin1String("events"), eventos);
    }
    raiz.insert(QLatin1String("max_days"), plano.MaximoDias);
    if (plano.Meta) {
        raiz.insert(QLatin1String("meta"), *plano.Meta);
    }
    if (plano.Resultado) {
        raiz.insert(QLatin1String("result"), ResultadoEmJson(*plano.Resultado));
    }
    return raiz;
}

QByteArray EscrevePlano(const TPlano& plano, const TSimuladorProjeto& sim) {
    // QJsonDocument writes numbers in the C locale, each real in the
    // shortest form that reads back to the same double.
    return QJsonDocument(PlanoEmJson(plano, sim)).toJson(QJsonDocument::Indented);
}
