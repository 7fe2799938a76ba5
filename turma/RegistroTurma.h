#pragma once

#include "Turma.h"

#include <QByteArray>
#include <QString>

class TSimuladorProjeto;

// The row of a game record, given the file's bytes and its shown name (the
// digest is the caller's). The record is read as a plan, replayed on sim and
// its replay compared with its "result" as the runner's --verify compares
// them: verified or mismatch, with the recorded (claimed) result and the
// "manager" and "game" of its "meta" (empty when absent or of another type).
// A file that is not a valid plan, or a plan without "result" (nothing to
// verify), is unreadable: with what "meta" and "result" hold of the right
// types, when the file is a JSON object at all.
TLinhaTurma LinhaRegistro(const QByteArray& dados, const QString& nome, TSimuladorProjeto& sim);
