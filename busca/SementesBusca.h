// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "busca/CodificacaoPlano.h"

#include <vector>

class TSimuladorProjeto;

// The plans a search starts from, as canonical vectors, without repeats:
// reference runs A and B (Corvin alone on every activity at 8 hours, then at
// 12) first, then simple plans a manager would try: each developer alone at 8
// and at 12 hours; each activity to the developer most experienced in its
// kind of work, or to the one whose work of that kind costs least, alone or
// spread over the three areas; inspections left out or given a day.
std::vector<TGenes> SementesBusca(TSimuladorProjeto& sim, const TCodificacaoPlano& codificacao);
