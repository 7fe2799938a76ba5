// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Text from outside (a plan's keys and names, a file's path) made safe to
// quote in a one-line message: control characters, line and paragraph
// separators and lone surrogate halves are written as escapes (\n, \t, \r,
// \b, \f, \u001b, \u2028, ...), so the message stays exactly one line.
QString EscapaControles(const QString& texto);

// The text in double quotes, escaped as a JSON string is: a quote inside
// becomes \", a backslash \\, and control characters as EscapaControles.
QString Citado(const QString& texto);
