// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/mControladorVisao.h"

// The team panel's controller: objects are TDesenvolvedor. One red exhaustion
// thermometer on 0..50, then the hard-work flag and the slavery flag.
class TControladorVisaoDesenvolvedores : public TControladorVisao {
public:
    // Loads the two flag pictures; throws EErroArquivo when one cannot be read.
    TControladorVisaoDesenvolvedores();

    QString NomeObjeto(const void* objeto) const override;
    const QImage& ImagemObjeto(const void* objeto) const override;

protected:
    void CriaVisoes() override;
};
