#pragma once

#include "LinkTurma.h"

#include <QString>
#include <optional>

// The class the game has joined, kept beside the record file in a small
// INI file of its own, OrvantaClass.INI:
//
//   [Class]
//   Link=http://HOST:PORT/classes/CODE/
//   Name=the class's name as the server gave it
//
// No file: no class. The record file itself is never touched.
struct TTurmaSalva {
    TLinkTurma Link;
    QString Nome;

    static QString Caminho(const QString& pastaRegistro);

    // None when there is no file, or (with why in motivo) when the file is
    // there but cannot be read or names no class link.
    static std::optional<TTurmaSalva> Le(const QString& caminho, QString& motivo);
    // Replaces the file whole, at once. False, with why in motivo, when it
    // cannot be written.
    bool Grava(const QString& caminho, QString& motivo) const;
    // Removes the file; true when it is gone.
    static bool Apaga(const QString& caminho, QString& motivo);
};
