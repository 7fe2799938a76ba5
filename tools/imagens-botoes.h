// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The command buttons' pictures, the scroll buttons' arrows and the dialog
// buttons' glyphs (resources/), each drawn at the scale it is given: 1, or a
// density of imagens-comum.h.

#include <QImage>

// 7 x 4 arrows, black on white; the scroll buttons make white transparent.
QImage glifoSobe(qreal escala = 1);
QImage glifoDesce(qreal escala = 1);

// The command pictures, on a ground of classic green that the button leaves out.
QImage botaoDefineEquipe(qreal escala = 1);
QImage botaoAumentaTrabalho(qreal escala = 1);
QImage botaoTempoTarefa(qreal escala = 1);
QImage botaoPassaTempo(qreal escala = 1);
// The disabled look of a command picture.
QImage gravado(const QImage& base, qreal escala = 1);

// 16 x 16 glyphs of the dialogs' OK and Close buttons.
QImage glifoOk(qreal escala = 1);
QImage glifoFecha(qreal escala = 1);
