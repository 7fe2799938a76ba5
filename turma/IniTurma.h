// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "turma/Turma.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

// The rows of a player record file (Orvanta.INI), given its bytes and its
// shown name (the digest is the caller's), read as the game reads it. One row
// per game section, "#" followed by a whole number (the first section of each
// number), in game order: the file's "Manager", the game number, the
// section's "Cost" and "Time", concluded when both are numbers (the game
// writes a section only for a concluded game; otherwise concluded is empty),
// check unverified. A file with neither an "Orvanta" section nor a game
// section is no record file: one unreadable row.
QList<TLinhaTurma> LinhasIni(const QByteArray& dados, const QString& nome);

// A number as a record file holds it: the general form, written with the
// player's decimal separator, '.' or ',' ("812,5"), and no thousands
// separator. None for anything else, infinities and NaN included.
std::optional<double> NumeroRegistro(const QString& texto);
