// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>

// Reads an optionally signed run of decimal digits; false for anything else
// (empty, a sign alone, blanks, a separator). Values far beyond the range of
// an int saturate, so they still compare as out of range.
bool LeInteiroDecimal(const QString& texto, qint64& valor);
