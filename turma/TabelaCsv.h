#pragma once

#include "Turma.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// The table's header line, without its line break.
inline constexpr char CabecalhoCsv[] = "file,manager,game,concluded,days,cost,check,sha256";

// A field as RFC 4180 writes it: inside double quotes, each quote doubled,
// when it holds a comma, a double quote, CR or LF; as it is otherwise.
QString CampoCsv(const QString& campo);

// Text that came from a student (a manager's name, a file's name) made safe
// to open in a spreadsheet, before CampoCsv quotes it:
// - a text that begins with =, +, -, @, a tab or a carriage return, which a
//   spreadsheet would take for a formula, gets a leading ' (the spreadsheets'
//   own mark for "text", which they hide);
// - control characters other than tab, CR and LF (U+0000 to U+001F, U+007F
//   to U+009F) are each written as U+FFFD, the replacement character.
// Numbers the table writes itself never go through it.
QString TextoAlunoCsv(const QString& texto);

// The fields of a row in the header's order: file and manager through
// TextoAlunoCsv; game and days as whole numbers, concluded "true" or
// "false", cost with two decimals, all in the C locale; what could not be
// read empty.
QStringList CamposLinha(const TLinhaTurma& linha);

// The whole table: the header, then one line per row, every line ending in
// CRLF (RFC 4180), UTF-8 without a byte order mark.
QByteArray TabelaCsv(const QList<TLinhaTurma>& linhas);
