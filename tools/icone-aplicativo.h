// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

// The application's icon, lado x lado pixels: three linked activity circles
// of a PERT chart, each further along than the one before, on a dark rounded
// square.
// Drawn from shapes at every size, so each size is sharp; the corners are
// transparent.
QImage IconeAplicativo(int lado);
