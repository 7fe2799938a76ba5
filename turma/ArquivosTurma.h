// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "turma/Turma.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

enum class ETipoArquivoTurma {
    Registro, // a game record (a plan with "meta" and "result")
    Ini,      // a player record file, Orvanta.INI
    Pasta     // a folder that could not be searched (Erro says why)
};

// One file of a class, as the search found it.
struct TArquivoTurma {
    // How the file is shown: the path given on the command line, cleaned
    // ("." and ".." parts and doubled or trailing "/" taken out), followed,
    // for a file found in a folder, by its path inside the folder; "/"
    // separators. A name that is not UTF-8 text shows U+FFFD in place of
    // its bad bytes.
    QString Nome;
    // The path to open it by; empty when some part of its name is not UTF-8
    // text (Erro then says so).
    QString Caminho;
    ETipoArquivoTurma Tipo = ETipoArquivoTurma::Registro;
    // Why the file cannot be read at all, before trying; empty otherwise.
    QString Erro;
    // Identifies the file whatever path reached it (links resolved).
    QByteArray Chave;
};

// Orders two shown paths: folder by folder, and within a name, runs of
// digits by their value ("game-2" before "game-10"); paths that only differ
// in leading zeros are ordered as plain text. Negative, zero or positive.
int ComparaCaminhos(const QString& a, const QString& b);

// The key of TArquivoTurma::Chave for any path, existing or not.
QByteArray ChaveArquivo(const QString& caminho);

// The files of a class, each once, in ComparaCaminhos order of their names.
// Each path is a file or a folder. A file is taken as given: a record file
// when its name ends in ".ini", a game record otherwise (any case). A folder
// is searched through its subfolders for game records (names ending in
// ".json") and record files (named "Orvanta.INI"), any case; names starting
// with "." are skipped, and links to folders are not followed (so a link
// cannot make a loop). A folder that cannot be listed comes as a Pasta entry.
// Throws ETurma for a path that does not exist.
QList<TArquivoTurma> BuscaArquivosTurma(const QStringList& caminhos);
