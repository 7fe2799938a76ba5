#pragma once

// A game record that reaches the server, by upload or import, made into
// what the server keeps: read by the plan library as orvanta-sim reads it,
// replayed and checked as orvanta-class checks it.

#include "BancoTurmas.h"

#include <QByteArray>

class TSimuladorProjeto;

// The largest record the server takes: a game of a thousand days is well
// under it.
inline constexpr qint64 TamanhoMaximoRegistroEnviado = 1024 * 1024;

// The record of the bytes dados, with its digest, the "manager", "game" and
// "started" of its "meta", and its check: verified or mismatch, with the
// result it claims, as orvanta-class decides; unverified for a plan that
// claims no result, with the result its replay gives. Throws EPlano, whose
// message is orvanta-sim's for the same bytes without the name of the file,
// when the bytes are not a plan.
TRegistroGuardado ConfereRegistro(const QByteArray& dados, TSimuladorProjeto& sim);
