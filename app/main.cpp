// Orvanta: the software project management game.
#include "envio/EnvioTurma.h"
#include "envio/LinkTurma.h"
#include "ui/Aplicacao.h"
#include "ui/Formularios.h"
#include "ui/JanelaPrincipal.h"

#include <QCommandLineParser>
#include <QIcon>
#include <QMessageBox>
#include <cstdio>
#include <exception>

namespace {

void EscreveErro(const QString& linha) {
    std::fprintf(stderr, "orvanta: %s\n", qUtf8Printable(LinhaUnica(linha, 400)));
}

} // namespace

int main(int argc, char** argv) {
    TAplicacao aplicacao(argc, argv);
    // The name alone, no organisation: the user's data folder for the record
    // file is then ~/.local/share/Orvanta on Linux.
    QApplication::setApplicationName(QStringLiteral("Orvanta"));
    // Installed, the desktop entry and the icon go by the application's id.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.orvanta.Orvanta"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("io.github.orvanta.Orvanta"),
                                                 QIcon(QStringLiteral(":/Logo.png"))));

    // Without options the game is the game; --class is for a teacher's
    // desktop shortcut or lab script. Bad usage: one line, status 2.
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Orvanta: the software project management game."));
    const QCommandLineOption opcaoAjuda(QStringList{QStringLiteral("h"), QStringLiteral("help")},
                                        QStringLiteral("Show this help and leave."));
    const QCommandLineOption opcaoTurma(
        QStringLiteral("class"),
        QStringLiteral("Join the class of LINK (http://HOST:PORT/classes/CODE/), as F9's Join "
                       "does: each finished game's record is then sent to it. A class that "
                       "cannot be joined is told on standard error; the game starts anyway."),
        QStringLiteral("LINK"));
    parser.addOption(opcaoAjuda);
    parser.addOption(opcaoTurma);
    if (!parser.parse(QCoreApplication::arguments())) {
        EscreveErro(parser.errorText() + QStringLiteral(" (orvanta --help tells the options)"));
        return 2;
    }
    if (parser.isSet(opcaoAjuda)) {
        std::fputs(qUtf8Printable(parser.helpText()), stdout);
        return 0;
    }
    if (!parser.positionalArguments().isEmpty()) {
        EscreveErro(QStringLiteral("unexpected argument: ") + parser.positionalArguments().first());
        return 2;
    }
    QString motivo;
    const QString link = parser.value(opcaoTurma);
    if (parser.isSet(opcaoTurma) && !TLinkTurma::Le(link, motivo)) {
        EscreveErro(QStringLiteral("--class: ") + motivo);
        return 2;
    }

    std::unique_ptr<TMainWindow> janela;
    try {
        janela = CriaFormularios();
    } catch (const std::exception& erro) {
        // A picture the game needs is missing or unreadable: say which, then leave.
        QMessageBox::critical(nullptr, QStringLiteral("Orvanta"), QString::fromUtf8(erro.what()));
        return 1;
    }
    if (parser.isSet(opcaoTurma)) {
        QObject::connect(
            &janela->Envio(), &TEnvioTurma::EntradaConcluida, &aplicacao,
            [](bool entrou, const QString& texto) {
                if (!entrou) {
                    EscreveErro(QStringLiteral("cannot join the class: ") + texto);
                }
            },
            Qt::SingleShotConnection);
        janela->EntraTurma(link);
    }
    janela->show();
    return aplicacao.exec();
}
