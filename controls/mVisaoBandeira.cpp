// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/mVisaoBandeira.h"

#include "controls/Cores.h"

#include "figuras/LocalizacaoImagens.h"
#include "model/mDesenvolvedor.h"

TVisaoBandeira::TVisaoBandeira(const QString& caminhoRelativo)
    : FImagemBandeira(ComCorTransparente(CarregaImagemDoPrograma(caminhoRelativo), qRgb(0, 0, 0))) {
}

bool TVisaoBandeiraTrabalhoDuro::Visivel(const void* objeto) const {
    return Condicao(static_cast<const TDesenvolvedor*>(objeto)->HorasTrabalho());
}

bool TVisaoBandeiraEscravidao::Visivel(const void* objeto) const {
    return Condicao(static_cast<const TDesenvolvedor*>(objeto)->HorasTrabalho());
}
