// SPDX-License-Identifier: GPL-3.0-or-later
#include "plan/RamoJogo.h"

#include <algorithm>
#include <cmath>

namespace {

// A whole number from minimo up that a JSON value holds exactly.
std::optional<int> Inteiro(const QJsonValue& valor, int minimo) {
    if (!valor.isDouble()) {
        return std::nullopt;
    }
    const double numero = valor.toDouble();
    if (!(numero >= minimo && numero <= 2147483647.0) || std::floor(numero) != numero) {
        return std::nullopt;
    }
    return static_cast<int>(numero);
}

} // namespace

QJsonObject RamoEmJson(const TRamoJogo& ramo) {
    QJsonObject objeto{{QLatin1String("game"), ramo.Jogo}, {QLatin1String("day"), ramo.Dia}};
    if (!ramo.Registro.isEmpty()) {
        objeto.insert(QLatin1String("record"), ramo.Registro);
    }
    return objeto;
}

std::optional<TRamoJogo> RamoDoMeta(const QJsonObject& meta) {
    const QJsonValue valor = meta.value(QLatin1String("branch_of"));
    if (!valor.isObject()) {
        return std::nullopt;
    }
    const QJsonObject ramo = valor.toObject();
    const std::optional<int> jogo = Inteiro(ramo.value(QLatin1String("game")), 1);
    const std::optional<int> dia = Inteiro(ramo.value(QLatin1String("day")), 0);
    if (!jogo || !dia) {
        return std::nullopt;
    }
    return TRamoJogo{*jogo, *dia, ramo.value(QLatin1String("record")).toString()};
}

QString TextoRamo(const TRamoJogo& ramo) {
    return (ramo.Registro.isEmpty() ? QStringLiteral("practice from day %1 of game %2")
                                    : QStringLiteral("practice from day %1 of a practice of game %2"))
        .arg(QString::number(ramo.Dia), QString::number(ramo.Jogo));
}

QString NomeRegistroPratica(int jogo, int dia, int vez) {
    const QString base = QStringLiteral("practice-%1-%2").arg(jogo).arg(dia);
    return (vez > 1 ? base + QStringLiteral("-%1").arg(vez) : base) + QStringLiteral(".json");
}

TPlano PlanoAteODia(const TPlano& registro, int dia) {
    TPlano plano;
    plano.Inicio = registro.Inicio;
    plano.MaximoDias = std::clamp(dia, 0, registro.MaximoDias);
    if (plano.MaximoDias == 0) {
        // Before the first step the game is as a new one: the initial
        // changes are day 0's decisions.
        plano.Inicio = TMudancasPlano();
        return plano;
    }
    for (const TMudancasPlano& evento : registro.Eventos) {
        if (evento.Dia < plano.MaximoDias) {
            plano.Eventos.append(evento);
        }
    }
    return plano;
}
