#pragma once

#include "Plano.h"

#include <QByteArray>
#include <QString>

class TSimuladorProjeto;

// Reads a plan from its JSON text, checked against the scenario of sim (the
// names of its developers and activities). origem names the text in a
// message about malformed JSON (a path, or "standard input"). The whole plan
// is checked: throws EPlano naming the first fault found.
//
// The format: an object with "team" (developer names), "hours" ({developer:
// 8..12}), "inspection_hours" ({inspection: 0..200}), "assign" ({activity:
// developer or null}), "events" (list of {"day": N >= 1, increasing, and any
// of the four keys before}), "max_days" (0..1000000, default 1000), "meta"
// (any object) and "result" ({"concluded": boolean, "days": whole number,
// "cost": number}). Activities are named "1".."16" or by their exact name.
TPlano LePlano(const QByteArray& dados, const QString& origem, const TSimuladorProjeto& sim);

// The largest plan read: a game record of a thousand days takes well under
// a megabyte.
constexpr qint64 TamanhoMaximoPlano = 8 * 1024 * 1024;

// The bytes of a plan file; "-" reads standard input. Throws EPlano ("cannot
// read the plan PATH: reason", "the plan PATH is larger than 8 MiB"); reads
// no more than one piece past the limit, whatever the file or input holds.
QByteArray LeArquivoPlano(const QString& caminho);

// How a plan file is named in messages: "standard input" for "-", otherwise
// the path with its control characters escaped.
QString NomeArquivoPlano(const QString& caminho);
