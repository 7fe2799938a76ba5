// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <qcustomplot.h>

#include <optional>
#include <utility>

// The days and costs (keys and values) that the chart's graphs span
// together, graphs with no point left out; none when no graph has a point.
// Each chart adds its own room around them.
std::optional<std::pair<QCPRange, QCPRange>> FaixaDosGraficos(const QCustomPlot& grafico);
