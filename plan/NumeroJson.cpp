// SPDX-License-Identifier: GPL-3.0-or-later
#include "plan/NumeroJson.h"

#include <cmath>

std::optional<double> InteiroJson(const QJsonValue& valor) {
    if (!valor.isDouble()) {
        return std::nullopt;
    }
    const double x = valor.toDouble();
    if (x != std::floor(x)) {
        return std::nullopt;
    }
    return x;
}
