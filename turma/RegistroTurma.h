#pragma once

#include "Turma.h"
#include "plan/Plano.h"

#include <QByteArray>
#include <QJsonObject>
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

// The row of a plan read from a game record (LePlano): the "manager" and
// "game" of its "meta", and its replay compared with its "result" as
// LinhaRegistro compares them. Throws EPlano, before playing anything, when
// the plan records no result.
TLinhaTurma LinhaPlano(const TPlano& plano, const QString& nome, TSimuladorProjeto& sim);

// The "manager" and "game" of a record's "meta" put into linha: the manager
// when it is text, the game when it is a whole number (emptied otherwise).
void LeMetaRegistro(const QJsonObject& meta, TLinhaTurma& linha);

// A reader's message about the plan of the file shown as nome, without the
// name in front that some messages start with.
QString NotaPlano(const QString& mensagem, const QString& nome);
