// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

struct TCapaJogo;
struct TRamoJogo;
struct TResultadoPlano;

// The cover's lines, as the Summary, the report's first page and the
// export's proposed name show them.

// "Concluded in 81 days, cost 16,200.00"; "Not concluded after 40 days,
// cost 8,000.00"; "No day played yet".
QString TextoResultado(const TResultadoPlano& resultado);

// "Verified: the record replays to the result it claims", or what differs.
QString TextoVerificacao(const TCapaJogo& capa);

// When the game was played: "2026-12-08 11:02 to 11:40"; empty when the
// record does not say.
QString TextoQuando(const TCapaJogo& capa);

// "Ana, game 3"; "game 3"; "Ana"; "Ana, practice from day 12 of game 3";
// empty when the record names neither.
QString TextoIdentidade(const TCapaJogo& capa);

// The record a practice game was replayed from: "game 3", or the practice
// record's file name.
QString TextoOrigem(const TRamoJogo& ramo);

// The name the export proposes: orvanta-MANAGER-game-N.sufixo (a practice
// game's orvanta-MANAGER-game-N-practice-day-D.sufixo), the
// manager's name kept to letters, digits, "-" and "_"; a part the record
// does not hold is left out ("orvanta-game-3.pdf", "orvanta-debrief.pdf").
QString NomeArquivoDebrief(const TCapaJogo& capa, const QString& sufixo);
