// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "plan/LeitorPlano.h"
#include "turma/ArquivosTurma.h"
#include "turma/Turma.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <memory>
#include <optional>

class TSimuladorProjeto;

// The largest files read: a game record is a plan (the runner's limit), a
// record file takes a few kilobytes.
constexpr qint64 TamanhoMaximoRegistro = TamanhoMaximoPlano;
constexpr qint64 TamanhoMaximoIni = 1024 * 1024;

// The bytes of a regular file of at most limite bytes; none, with the reason
// in erro, for anything else (a missing file, a folder, a pipe or device,
// a larger file, a read error). Never blocks on a pipe.
std::optional<QByteArray> LeArquivoLimitado(const QString& caminho, qint64 limite, QString& erro);

// Reads the files of a class into rows, with one simulator for every replay
// (made when the first game record is read).
class TLeitorTurma {
public:
    TLeitorTurma();
    ~TLeitorTurma();
    TLeitorTurma(const TLeitorTurma&) = delete;
    TLeitorTurma& operator=(const TLeitorTurma&) = delete;

    // The rows of one file (LinhaRegistro, LinhasIni), each with the digest
    // of the file's bytes; one unreadable row, with what could be read, for
    // a file that cannot be read.
    QList<TLinhaTurma> Le(const TArquivoTurma& arquivo);

    // The rows of every file, in order.
    QList<TLinhaTurma> LeTodos(const QList<TArquivoTurma>& arquivos);

    // The simulator of the replays.
    TSimuladorProjeto& Simulador();

private:
    std::unique_ptr<TSimuladorProjeto> FSim;
};
