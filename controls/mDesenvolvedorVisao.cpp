// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/mDesenvolvedorVisao.h"

#include "controls/mVisaoBandeira.h"
#include "controls/mVisaoTermometro.h"
#include "model/mDesenvolvedor.h"

#include <memory>

TControladorVisaoDesenvolvedores::TControladorVisaoDesenvolvedores() {
    CriaVisoes();
}

void TControladorVisaoDesenvolvedores::CriaVisoes() {
    AdicionaTermometro(std::make_unique<TTermometroExaustao>(clRed, 0.0, 50.0));
    AdicionaBandeira(std::make_unique<TVisaoBandeiraTrabalhoDuro>(
        QStringLiteral("imagens/bd_trabalhoduro.bmp")));
    AdicionaBandeira(
        std::make_unique<TVisaoBandeiraEscravidao>(QStringLiteral("imagens/bd_escravidao.bmp")));
}

QString TControladorVisaoDesenvolvedores::NomeObjeto(const void* objeto) const {
    return static_cast<const TDesenvolvedor*>(objeto)->Nome();
}

const QImage& TControladorVisaoDesenvolvedores::ImagemObjeto(const void* objeto) const {
    return static_cast<const TDesenvolvedor*>(objeto)->ImagemPequena();
}
