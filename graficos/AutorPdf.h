#pragma once

#include <QByteArray>
#include <QString>

// A PDF as QPdfWriter writes it with an /Author entry added to its document
// information: Qt sets the title and the creator but has no setter for the
// author. The entry goes at the start of the information dictionary, and
// every cross-reference offset after it (and the one to the table) moves by
// its length. A file not laid out as expected (one classic cross-reference
// table, its trailer naming /Info) is returned as it was.
QByteArray PoeAutorPdf(const QByteArray& pdf, const QString& autor);
