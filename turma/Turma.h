// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A class's results: one row per game found in the students' game records
// and record files, each with what checking it found.

#include <QString>
#include <optional>

// What checking one game found.
enum class EConferencia {
    Verificado,    // a game record whose replay gives its recorded result
    Divergente,    // a game record whose replay gives another result
    NaoVerificado, // a game of a record file, which holds no plan to replay
    Ilegivel       // a file that cannot be read, or is not a game record
};

// "verified", "mismatch", "unverified", "unreadable": the check column's text.
QString NomeConferencia(EConferencia conferencia);

// One game of the class. Empty optionals are what could not be read.
struct TLinhaTurma {
    QString Arquivo; // the file as found (see BuscaArquivosTurma)
    QString Gerente;
    std::optional<int> Jogo;
    std::optional<bool> Concluido;
    std::optional<int> Dias;
    std::optional<double> Custo;
    EConferencia Conferencia = EConferencia::Ilegivel;
    QString Sha256; // the file's bytes, lower-case hex; empty when not read
    // Why the file is unreadable, or both results of a mismatch; one line.
    QString Nota;
    // A practice game's record ("meta" "branch_of"): played again from a day
    // of a counted game, never counted itself.
    bool Pratica = false;

    bool operator==(const TLinhaTurma&) const = default;
};

// Bad usage found while gathering the class: a path that does not exist, a
// front file that cannot be read. The message is one line.
struct ETurma {
    QString mensagem;
};
