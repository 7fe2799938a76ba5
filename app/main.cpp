// Orvanta: the software project management game.
#include "ui/Aplicacao.h"
#include "ui/Formularios.h"
#include "ui/JanelaPrincipal.h"

#include <QIcon>
#include <QMessageBox>
#include <exception>

int main(int argc, char** argv) {
    TAplicacao aplicacao(argc, argv);
    // The name alone, no organisation: the user's data folder for the record
    // file is then ~/.local/share/Orvanta on Linux.
    QApplication::setApplicationName(QStringLiteral("Orvanta"));
    // Installed, the desktop entry and the icon go by the application's id.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.orvanta.Orvanta"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("io.github.orvanta.Orvanta"),
                                                 QIcon(QStringLiteral(":/Logo.png"))));

    std::unique_ptr<TMainWindow> janela;
    try {
        janela = CriaFormularios();
    } catch (const std::exception& erro) {
        // A picture the game needs is missing or unreadable: say which, then leave.
        QMessageBox::critical(nullptr, QStringLiteral("Orvanta"), QString::fromUtf8(erro.what()));
        return 1;
    }
    janela->show();
    return aplicacao.exec();
}
