#pragma once

// Running a built program as its users do, for the tools' tests.

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#endif

// The sanitizers reserve far more memory than a limit on a program's data
// allows: under them such limits are not set.
#if defined(__SANITIZE_ADDRESS__)
#define ORVANTA_SOB_SANITIZADOR 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ORVANTA_SOB_SANITIZADOR 1
#endif
#endif
#ifndef ORVANTA_SOB_SANITIZADOR
#define ORVANTA_SOB_SANITIZADOR 0
#endif

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

// How a hostile run is set up: its standard input read from a file or a
// device, its standard output written to one (/dev/full), the data memory
// it may take (RLIMIT_DATA; 0 for no limit) and the size its files may grow
// to (RLIMIT_FSIZE, with writes past it failing as on a full disk; 0 for
// no limit).
struct TCondicoesExecucao {
    QString Entrada;
    QString Saida;
    qint64 LimiteDados = 0;
    qint64 LimiteArquivos = 0;
};

// Whether a limit on data memory can be set for the programs run here.
inline bool LimitaDados() {
#ifdef Q_OS_UNIX
    return !ORVANTA_SOB_SANITIZADOR;
#else
    return false;
#endif
}

// Runs programa as ExecutaPrograma does, under condicoes; saida is empty
// when standard output goes to a file.
inline TExecucao ExecutaSob(const QString& programa, const QStringList& argumentos,
                            const TCondicoesExecucao& condicoes) {
    QProcess processo;
    processo.setWorkingDirectory(QStringLiteral(ORVANTA_BIN_DIR));
    if (!condicoes.Entrada.isEmpty()) {
        processo.setStandardInputFile(condicoes.Entrada);
    }
    if (!condicoes.Saida.isEmpty()) {
        processo.setStandardOutputFile(condicoes.Saida);
    }
#ifdef Q_OS_UNIX
    const rlim_t dados = condicoes.LimiteDados > 0 && LimitaDados()
                             ? static_cast<rlim_t>(condicoes.LimiteDados)
                             : RLIM_INFINITY;
    const rlim_t arquivos = condicoes.LimiteArquivos > 0
                                ? static_cast<rlim_t>(condicoes.LimiteArquivos)
                                : RLIM_INFINITY;
    processo.setChildProcessModifier([dados, arquivos] {
        if (dados != RLIM_INFINITY) {
            const rlimit limite{dados, dados};
            setrlimit(RLIMIT_DATA, &limite);
        }
        if (arquivos != RLIM_INFINITY) {
            // A write past the limit fails with EFBIG instead of ending the program.
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit limite{arquivos, arquivos};
            setrlimit(RLIMIT_FSIZE, &limite);
        }
    });
#endif
    processo.start(programa, argumentos);
    TExecucao r;
    if (!processo.waitForStarted()) {
        return r;
    }
    if (condicoes.Entrada.isEmpty()) {
        processo.closeWriteChannel();
    }
    if (!processo.waitForFinished(120000) || processo.exitStatus() != QProcess::NormalExit) {
        processo.kill();
        processo.waitForFinished();
        return r;
    }
    r.status = processo.exitCode();
    r.saida = processo.readAllStandardOutput();
    r.erros = processo.readAllStandardError();
    return r;
}
