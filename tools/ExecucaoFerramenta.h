#pragma once

// What every command-line tool does around its own work: --help printed to
// standard output with status 0; bad usage told in one line
// "tool: message" on standard error with status 2; otherwise the work, whose
// status is the tool's.

#include "plan/TextoEscapado.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <cstdio>
#include <optional>

// One line "tool: message" on standard error; control characters in it are
// escaped, so the line stays whole whatever the message quotes.
inline void EscreveErroFerramenta(const char* ferramenta, const QString& linha) {
    std::fprintf(stderr, "%s: %s\n", ferramenta, EscapaControles(linha).toUtf8().constData());
}

// leOpcoes reads the arguments (the program's name first): the options, or
// nothing with ajuda set, or nothing with erro saying what is wrong.
template <typename TOpcoes>
int ExecutaFerramenta(int argc, char** argv, const char* ferramenta, const char* ajuda,
                      std::optional<TOpcoes> (*leOpcoes)(const QStringList&, bool&, QString&),
                      int (*executa)(const TOpcoes&)) {
    QCoreApplication aplicacao(argc, argv);
    bool pedeAjuda = false;
    QString erro;
    const std::optional<TOpcoes> opcoes = leOpcoes(aplicacao.arguments(), pedeAjuda, erro);
    if (pedeAjuda) {
        std::fputs(ajuda, stdout);
        return 0;
    }
    if (!opcoes) {
        EscreveErroFerramenta(ferramenta, erro);
        return 2;
    }
    return executa(*opcoes);
}
