// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The simulator a tool replays plans on. Making one loads the developers'
// pictures, which may be missing where the tool was copied alone.

#include "model/mSimulador.h"
#include "tools/ExecucaoFerramenta.h"

#include <optional>

// Makes sim; false, after the tool's one line on standard error naming what
// is missing, when it cannot be made (the tools then end with status 1).
inline bool CriaSimuladorFerramenta(std::optional<TSimuladorProjeto>& sim, const char* ferramenta) {
    try {
        sim.emplace();
    } catch (const EErroArquivo& e) {
        EscreveErroFerramenta(ferramenta, QString::fromStdString(e.what()));
        return false;
    }
    return true;
}
