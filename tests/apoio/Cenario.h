// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Looking up the scenario's activities by what they are.
#include "model/mAtividade.h"
#include "model/mProjeto.h"

#include <cstdint>

// The project's first activity, in network order, of the type; null when none.
inline TAtividade* PrimeiraDoTipo(TProjetoSoftware* projeto, std::uint8_t tipo) {
    for (TAtividade* a : projeto->Atividades()) {
        if (a->Tipo() == tipo) {
            return a;
        }
    }
    return nullptr;
}
