// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Modal results of the program's dialogs, as QDialog::exec() returns them.
enum TResultadoModal : int {
    mrNone = 0,
    mrOk = 1,
    mrCancel = 2, // also closing by the close button, Esc or the frame
};
