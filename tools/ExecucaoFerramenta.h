#pragma once

// What every command-line tool does around its own work: --help printed to
// standard output with status 0 (1, with one line on standard error, when it
// cannot be written); bad usage told in one line "tool: message" on standard
// error with status 2; otherwise the work, whose status is the tool's.

#include "plan/TextoEscapado.h"

#include <QByteArrayView>
#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>

// One line "tool: message" on standard error; control characters in it are
// escaped, so the line stays whole whatever the message quotes.
inline void EscreveErroFerramenta(const char* ferramenta, const QString& linha) {
    std::fprintf(stderr, "%s: %s\n", ferramenta, EscapaControles(linha).toUtf8().constData());
}

// Standard output as a tool writes it: every write checked (a full disk, a
// closed file), nothing more written after the first that fails, and the
// reason kept for the tool's one line.
class TSaidaPadrao {
public:
    // False once any write has failed.
    bool Escreve(QByteArrayView dados) {
        if (!FErro.isEmpty()) {
            return false;
        }
        errno = 0;
        if (std::fwrite(dados.data(), 1, static_cast<size_t>(dados.size()), stdout) !=
                static_cast<size_t>(dados.size()) ||
            std::ferror(stdout)) {
            Falhou();
        }
        return FErro.isEmpty();
    }
    // Flushes what is buffered: true when everything reached standard output.
    bool Termina() {
        if (FErro.isEmpty()) {
            errno = 0;
            if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
                Falhou();
            }
        }
        return FErro.isEmpty();
    }
    // "cannot write to standard output: No space left on device"
    const QString& Erro() const { return FErro; }

private:
    void Falhou() {
        FErro = QStringLiteral("cannot write to standard output");
        if (errno != 0) {
            FErro += QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(errno));
        }
    }
    QString FErro;
};

// Adds -h/--help to the tool's options in parser and parses the arguments:
// true when the tool is to run; false with ajuda set when help is asked, or
// with erro holding Qt's reason followed by sufixo (the usage line) when the
// arguments do not parse.
inline bool AnalisaArgumentos(QCommandLineParser& parser, const QStringList& argumentos,
                              const QString& sufixo, bool& ajuda, QString& erro) {
    const QCommandLineOption opcaoAjuda(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    parser.addOption(opcaoAjuda);
    if (!parser.parse(argumentos)) {
        erro = parser.errorText() + sufixo;
        return false;
    }
    ajuda = parser.isSet(opcaoAjuda);
    return !ajuda;
}

// The options read by leOpcoes, or the status to end with once help or the
// error line is written.
template <typename TOpcoes>
std::optional<TOpcoes>
ResolveOpcoes(const QStringList& argumentos, const char* ferramenta, const char* ajuda,
              std::optional<TOpcoes> (*leOpcoes)(const QStringList&, bool&, QString&),
              int& status) {
    bool pedeAjuda = false;
    QString erro;
    std::optional<TOpcoes> opcoes = leOpcoes(argumentos, pedeAjuda, erro);
    if (pedeAjuda) {
        TSaidaPadrao saida;
        status = 0;
        if (!saida.Escreve(ajuda) || !saida.Termina()) {
            EscreveErroFerramenta(ferramenta, saida.Erro());
            status = 1;
        }
        return std::nullopt;
    }
    if (!opcoes) {
        EscreveErroFerramenta(ferramenta, erro);
        status = 2;
    }
    return opcoes;
}

// leOpcoes reads the arguments (the program's name first): the options, or
// nothing with ajuda set, or nothing with erro saying what is wrong.
template <typename TOpcoes>
int ExecutaFerramenta(int argc, char** argv, const char* ferramenta, const char* ajuda,
                      std::optional<TOpcoes> (*leOpcoes)(const QStringList&, bool&, QString&),
                      int (*executa)(const TOpcoes&)) {
    QCoreApplication aplicacao(argc, argv);
    int status = 0;
    const std::optional<TOpcoes> opcoes =
        ResolveOpcoes(aplicacao.arguments(), ferramenta, ajuda, leOpcoes, status);
    return opcoes ? executa(*opcoes) : status;
}

// The same for a tool whose application object depends on its options (one
// that draws needs a QGuiApplication): the arguments are read first, then
// criaAplicacao makes the application object from the program's name alone,
// so that Qt takes none of the arguments for its own (-platform, -style, ...).
template <typename TOpcoes>
int ExecutaFerramenta(int argc, char** argv, const char* ferramenta, const char* ajuda,
                      std::optional<TOpcoes> (*leOpcoes)(const QStringList&, bool&, QString&),
                      int (*executa)(const TOpcoes&),
                      std::unique_ptr<QCoreApplication> (*criaAplicacao)(int&, char**,
                                                                         const TOpcoes&)) {
    QStringList argumentos;
    for (int i = 0; i < argc; ++i) {
        argumentos.append(QString::fromLocal8Bit(argv[i]));
    }
    int status = 0;
    const std::optional<TOpcoes> opcoes =
        ResolveOpcoes(argumentos, ferramenta, ajuda, leOpcoes, status);
    if (!opcoes) {
        return status;
    }
    int argcQt = 1;
    const std::unique_ptr<QCoreApplication> aplicacao = criaAplicacao(argcQt, argv, *opcoes);
    return executa(*opcoes);
}
