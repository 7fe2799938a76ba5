#pragma once

// Max and Min of two reals, as the model uses them.
inline double Max(double a, double b) {
    return a > b ? a : b;
}
inline double Min(double a, double b) {
    return a < b ? a : b;
}
