// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// Folders of data the programs ship with (best/, the best known plans), found
// as the pictures are: beside the program in a build (bin/best), and when
// installed in the data folder relative to the program's folder
// (bin/../share/orvanta/best). The working folder is never looked in: a
// folder of that name there is the user's own (a front orvanta-best wrote).

// The best known plans, a front of orvanta-best: best/ beside the program,
// share/orvanta/best installed.
inline constexpr const char* PastaMelhoresPlanos = "best";

// The running program's folder, as the application object reports it; the
// working folder for a program without one.
QString PastaDoPrograma();

// The places a data folder nome is looked for, in order, for a program in
// pastaPrograma: beside it, then installed.
QStringList LugaresDados(const QString& nome, const QString& pastaPrograma);

// The first of those that is a folder; empty when none is.
QString LocalizaDados(const QString& nome, const QString& pastaPrograma);

// The same for the running program.
QString LocalizaDados(const QString& nome);
