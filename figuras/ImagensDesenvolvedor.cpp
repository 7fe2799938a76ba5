// SPDX-License-Identifier: GPL-3.0-or-later
#include "figuras/ImagensDesenvolvedor.h"

#include "figuras/LocalizacaoImagens.h"

#include <QStringBuilder>

TImagensDesenvolvedor CarregaImagensDesenvolvedor(const QString& nome) {
    TImagensDesenvolvedor imagens;
    imagens.Grande = CarregaImagem(QStringLiteral("imagens/Big") % nome % QStringLiteral(".bmp"));
    imagens.Pequena = CarregaImagem(QStringLiteral("imagens/Sml") % nome % QStringLiteral(".bmp"));
    return imagens;
}
