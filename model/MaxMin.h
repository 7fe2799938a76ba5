// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Max and Min of two reals as the model's arithmetic has always taken them.
// They are not std::max and std::min: whenever the comparison fails they
// answer the second argument, so a NaN first is dropped (Max(NaN, 3) is 3)
// while a NaN second is kept (Max(3, NaN) is NaN), where std::max keeps the
// first argument in both cases; a tie (0.0 against -0.0) also answers the
// second. Stored records are verified by replaying them, so every result the
// model gives depends on this exact choice: keep it.
inline double Max(double a, double b) {
    return a > b ? a : b;
}
inline double Min(double a, double b) {
    return a < b ? a : b;
}
