// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The command buttons' pictures, the scroll buttons' arrows and the dialog
// buttons' glyphs (resources/).

#include <QImage>

// 7 x 4 arrows, black on white; the scroll buttons make white transparent.
QImage glifoSobe();
QImage glifoDesce();

// The command pictures, on a ground of classic green that the button leaves out.
QImage botaoDefineEquipe();
QImage botaoAumentaTrabalho();
QImage botaoTempoTarefa();
QImage botaoPassaTempo();
// The disabled look of a command picture.
QImage gravado(const QImage& base);

// 16 x 16 glyphs of the dialogs' OK and Close buttons.
QImage glifoOk();
QImage glifoFecha();
