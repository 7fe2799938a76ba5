// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Where the player record file Orvanta.INI lives for a program in pastaPrograma:
// - beside the program when a record is already there (it is read first, so
//   nothing kept there is lost when the folder stops being writable), or when
//   the folder can be written, as a copy of the game unpacked in a folder of
//   its own keeps its record;
// - otherwise (an installed game in a system folder) in the user's data folder
//   for the application, QStandardPaths::AppDataLocation (on Linux
//   ~/.local/share/Orvanta/Orvanta.INI), whose folder is created here so that
//   the first write finds it.
// Files kept beside the record (the game records in games/) follow it.
QString LocalizaRegistro(const QString& pastaPrograma);

// The same rule with the program's folder already known to be writable or not.
QString LocalizaRegistro(const QString& pastaPrograma, bool pastaGravavel);

// Whether a new file can be made in pasta, tried for real by creating and
// removing a temporary file: permission bits alone do not tell (a read-only
// file system, the administrator, access control lists).
bool PastaGravavel(const QString& pasta);
