// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>

// Interpolated table lookup over entries 0..ultimo: at or below 0 the first
// entry, at or above the last index the last entry, linear interpolation
// between neighbours inside.
inline double ConsultaTabela(const double* tabela, std::size_t ultimo, double a) {
    if (!(a > 0.0)) {
        return tabela[0];
    }
    if (a >= static_cast<double>(ultimo)) {
        return tabela[ultimo];
    }
    const std::size_t i = static_cast<std::size_t>(a); // truncation
    const double f = a - static_cast<double>(i);
    return (1.0 - f) * tabela[i] + f * tabela[i + 1];
}

template <std::size_t N> double ConsultaTabela(const std::array<double, N>& tabela, double a) {
    static_assert(N > 0);
    return ConsultaTabela(tabela.data(), N - 1, a);
}
