// SPDX-License-Identifier: GPL-3.0-or-later
#include "graficos/FaixaGrafico.h"

#include <algorithm>

std::optional<std::pair<QCPRange, QCPRange>> FaixaDosGraficos(const QCustomPlot& grafico) {
    std::optional<std::pair<QCPRange, QCPRange>> faixa;
    for (int i = 0; i < grafico.graphCount(); ++i) {
        bool ok = false;
        const QCPRange gx = grafico.graph(i)->getKeyRange(ok);
        if (!ok) {
            continue;
        }
        const QCPRange gy = grafico.graph(i)->getValueRange(ok);
        if (!faixa) {
            faixa.emplace(gx, gy);
            continue;
        }
        auto& [x, y] = *faixa;
        x = QCPRange(std::min(x.lower, gx.lower), std::max(x.upper, gx.upper));
        y = QCPRange(std::min(y.lower, gy.lower), std::max(y.upper, gy.upper));
    }
    return faixa;
}
