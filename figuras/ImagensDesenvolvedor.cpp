#include "ImagensDesenvolvedor.h"

#include "LocalizacaoImagens.h"

#include <QStringBuilder>

TImagensDesenvolvedor CarregaImagensDesenvolvedor(const QString& nome) {
    TImagensDesenvolvedor imagens;
    imagens.Grande = CarregaImagem(QStringLiteral("imagens/Big") % nome % QStringLiteral(".bmp"));
    imagens.Pequena = CarregaImagem(QStringLiteral("imagens/Sml") % nome % QStringLiteral(".bmp"));
    return imagens;
}
