#pragma once

// The class's public view, for a projector: its results without the key,
// each player under a pseudonym, never a name.

#include "servidor/BancoTurmas.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

enum class EVistaPublica {
    Desligada, // no public view (a new class's)
    Numeros,   // "Player 1", "Player 2", ... in order of first upload
    Iniciais   // the initials of the name the player gave
};

// "off", "numbers", "initials": as stored and as the board sends it.
QString NomeVistaPublica(EVistaPublica vista);
std::optional<EVistaPublica> LeVistaPublica(const QString& nome);

// The initials of a name: the first letter or digit of each word, in
// capitals, each followed by a full stop ("Ana Souza": "A. S."); of a name
// of more than four words, the first three's and the last's. "?" for a
// name with no letter or digit at all.
QString IniciaisNome(const QString& nome);

// One pseudonym per record, in the order given (the order of arrival): a
// player is a manager's name as given, numbered by the first record that
// gives it; initials that two players share are told apart by that order
// ("A. S.", "A. S. (2)").
QStringList Pseudonimos(const QList<TRegistroGuardado>& registros, EVistaPublica vista);
