// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QString>
#include <functional>

// The game's application object. Its notify is the program's general error
// handler: an exception escaping any event handler ends that handler, its
// message is shown in a message box, and the program goes on.
class TAplicacao : public QApplication {
    Q_OBJECT
public:
    // Shows one error message to the player.
    using TExibeErro = std::function<void(const QString& mensagem)>;

    TAplicacao(int& argc, char** argv);

    bool notify(QObject* receptor, QEvent* evento) override;

    // Reports an error as the general handler does: through the installed
    // display, or a critical message box titled with the application name.
    static void MostraErro(const QString& mensagem);
    // Runs a command of an event handler. An exception it throws ends the
    // command and is reported as the general handler does, before it could
    // unwind through the toolkit's own frames.
    static void ExecutaComando(const std::function<void()>& comando) noexcept;
    // Replaces how errors are shown (tests observe them); an empty function
    // restores the message box.
    static void DefineExibicaoErro(TExibeErro exibe);

private:
    static TExibeErro FExibeErro;
    static int FExibindo;
};
