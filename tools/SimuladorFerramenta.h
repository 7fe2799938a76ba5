#pragma once

// The simulator a tool replays plans on. Making one reads no file (the
// developers' pictures belong to the game's window), so a tool runs wherever
// it is copied and this always succeeds. It keeps its earlier form (false,
// after a line on standard error, when the simulator could not be made) for
// the tools written against it; a new tool simply makes a TSimuladorProjeto.

#include "model/mSimulador.h"

#include <optional>

inline bool CriaSimuladorFerramenta(std::optional<TSimuladorProjeto>& sim, const char*) {
    sim.emplace();
    return true;
}
