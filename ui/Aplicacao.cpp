// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Aplicacao.h"

#include <QMessageBox>
#include <exception>

TAplicacao::TExibeErro TAplicacao::FExibeErro;
int TAplicacao::FExibindo = 0;

TAplicacao::TAplicacao(int& argc, char** argv) : QApplication(argc, argv) {}

bool TAplicacao::notify(QObject* receptor, QEvent* evento) {
    try {
        return QApplication::notify(receptor, evento);
    } catch (const std::exception& erro) {
        MostraErro(QString::fromUtf8(erro.what()));
    } catch (...) {
        MostraErro(QStringLiteral("Unexpected error"));
    }
    return true;
}

void TAplicacao::ExecutaComando(const std::function<void()>& comando) noexcept {
    try {
        comando();
    } catch (const std::exception& erro) {
        MostraErro(QString::fromUtf8(erro.what()));
    } catch (...) {
        MostraErro(QStringLiteral("Unexpected error"));
    }
}

void TAplicacao::MostraErro(const QString& mensagem) {
    if (FExibeErro) {
        FExibeErro(mensagem);
        return;
    }
    // An error met while an error box is open (for example in a repaint under
    // the box) must not stack boxes without end.
    if (FExibindo > 0) {
        qWarning("%s", qUtf8Printable(mensagem));
        return;
    }
    ++FExibindo;
    QMessageBox::critical(QApplication::activeWindow(), QApplication::applicationDisplayName(),
                          mensagem);
    --FExibindo;
}

void TAplicacao::DefineExibicaoErro(TExibeErro exibe) {
    FExibeErro = std::move(exibe);
}
