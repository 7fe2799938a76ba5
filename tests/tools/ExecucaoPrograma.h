#pragma once

// Running a built program as its users do, for the tools' tests.

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>

struct TExecucao {
    // -1 when the program could not start, did not finish or crashed.
    int status = -1;
    QByteArray saida;
    QByteArray erros;
};

// Runs programa with entrada on its standard input, in pastaTrabalho.
inline TExecucao ExecutaPrograma(const QString& programa, const QStringList& argumentos,
                                 const QByteArray& entrada = {},
                                 const QString& pastaTrabalho = QStringLiteral(ORVANTA_BIN_DIR)) {
    QProcess processo;
    processo.setWorkingDirectory(pastaTrabalho);
    processo.start(programa, argumentos);
    TExecucao r;
    if (!processo.waitForStarted()) {
        return r;
    }
    processo.write(entrada);
    processo.closeWriteChannel();
    if (!processo.waitForFinished(120000) || processo.exitStatus() != QProcess::NormalExit) {
        return r;
    }
    r.status = processo.exitCode();
    r.saida = processo.readAllStandardOutput();
    r.erros = processo.readAllStandardError();
    return r;
}
