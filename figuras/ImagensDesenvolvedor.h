// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/mFonteImagens.h"

#include <QString>

// The game's picture source (a TFonteImagens): the developer's large and
// small pictures, imagens/Big<nome>.bmp then imagens/Sml<nome>.bmp, looked up
// and read as CarregaImagem does. Throws EErroArquivo naming the first that
// is missing or unreadable.
TImagensDesenvolvedor CarregaImagensDesenvolvedor(const QString& nome);
