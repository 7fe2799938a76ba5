#pragma once

// A class's code and its teacher's key. The code is public (students type
// it); the key is a secret the server keeps only as a digest.

#include <QByteArray>
#include <QString>

// The letters of a class code: digits and capitals without 0, O, 1, I and L,
// so that a code read aloud or copied from a board is typed right.
inline constexpr char AlfabetoCodigo[] = "23456789ABCDEFGHJKMNPQRSTUVWXYZ";
inline constexpr int TamanhoCodigo = 8;

// A new class code drawn from the system's random source.
QString NovoCodigoTurma();

// The code as stored: capitals (a code typed in small letters is the same
// class); empty when it cannot be a code (a letter outside AlfabetoCodigo,
// or the wrong length).
QString NormalizaCodigoTurma(const QString& codigo);

// A new teacher key: 192 bits from the system's random source, written in
// 32 characters of the URL-safe Base64 alphabet.
QString NovaChaveProfessor();

// The digest kept for a key: SHA-256 of its UTF-8 bytes, in lower-case hex.
QString DigestoChave(const QString& chave);

// True when the key's digest is digesto. The comparison takes the same time
// whatever the two digests share, so the answer's timing says nothing of
// how close a guess came.
bool ChaveConfere(const QString& chave, const QString& digesto);
