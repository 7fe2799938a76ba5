// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/mVisaoBandeira.h"

#include "controls/Cores.h"

#include "figuras/LocalizacaoImagens.h"
#include "model/mDesenvolvedor.h"

#include <QFileInfo>

namespace {

// The file CarregaImagemDoPrograma reads: the copy beside the program, or else
// the installed one.
QString ArquivoDoPrograma(const QString& caminhoRelativo) {
    const QString aoLado = PastaPrograma() + QLatin1Char('/') + caminhoRelativo;
    return QFileInfo::exists(aoLado) ? aoLado : LocalizaImagem(caminhoRelativo);
}

} // namespace

TVisaoBandeira::TVisaoBandeira(const QString& caminhoRelativo)
    : FImagemBandeira(ComCorTransparente(CarregaImagemDoPrograma(caminhoRelativo), qRgb(0, 0, 0))),
      FArquivoBandeira(ArquivoDoPrograma(caminhoRelativo)) {}

bool TVisaoBandeiraTrabalhoDuro::Visivel(const void* objeto) const {
    return Condicao(static_cast<const TDesenvolvedor*>(objeto)->HorasTrabalho());
}

bool TVisaoBandeiraEscravidao::Visivel(const void* objeto) const {
    return Condicao(static_cast<const TDesenvolvedor*>(objeto)->HorasTrabalho());
}
