// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/mControladorVisao.h"

#include "controls/mVisaoBandeira.h"
#include "controls/mVisaoTermometro.h"

#include <utility>

TControladorVisao::TControladorVisao() = default;

TControladorVisao::~TControladorVisao() = default;

TVisaoTermometro* TControladorVisao::Termometro(int indice) const {
    return FTermometros.at(static_cast<std::size_t>(indice)).get();
}

void TControladorVisao::AdicionaTermometro(std::unique_ptr<TVisaoTermometro> visao) {
    FTermometros.push_back(std::move(visao));
}

TVisaoBandeira* TControladorVisao::Bandeira(int indice) const {
    return FBandeiras.at(static_cast<std::size_t>(indice)).get();
}

void TControladorVisao::AdicionaBandeira(std::unique_ptr<TVisaoBandeira> visao) {
    FBandeiras.push_back(std::move(visao));
}

void TControladorVisao::CriaVisoes() {}
