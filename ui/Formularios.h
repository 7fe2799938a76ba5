// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

class TMainWindow;

// Creates the program's eight forms in their start order: the main window
// first, then the activity details, developer details, team definition,
// welcome, work hours, task dedication and conclusion dialogs, which the main
// window owns and is given once they exist. Throws EErroArquivo when a picture
// the game needs at start cannot be read.
std::unique_ptr<TMainWindow> CriaFormularios();
