// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>

// The game's one face: DejaVu Sans (any sans-serif where it is missing), at
// no size yet.
QFont FaceJogo(bool negrito = false);

// The game's face at a pixel height, so that text keeps its size whatever the
// screen's resolution.
QFont FonteJogo(int pixelSize, bool negrito = false);
