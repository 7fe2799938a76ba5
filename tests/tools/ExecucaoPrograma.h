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

// Runs programa with entrada on its standard input, in pastaTrabalho, with
// the test's environment changed by ambiente ("NAME=value" each).
inline TExecucao ExecutaPrograma(const QString& programa, const QStringList& argumentos,
                                 const QByteArray& entrada = {},
                                 const QString& pastaTrabalho = QStringLiteral(ORVANTA_BIN_DIR),
                                 const QStringList& ambiente = {}) {
    QProcess processo;
    processo.setWorkingDirectory(pastaTrabalho);
    if (!ambiente.isEmpty()) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const QString& par : ambiente) {
            env.insert(par.section(u'=', 0, 0), par.section(u'=', 1));
        }
        processo.setProcessEnvironment(env);
    }
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
