// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Answers the modal dialogs that open while it lives, so that tests can drive
// commands that show them without a person: every few milliseconds it looks at
// the application's active modal widget, records its class and hands it to
// the answer function, which must close it.
#include <QApplication>
#include <QDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>
#include <QTimer>
#include <functional>

class TRoboModal {
public:
    using TResposta = std::function<void(QWidget* modal)>;

    explicit TRoboModal(TResposta resposta = Fecha) : FResposta(std::move(resposta)) {
        FTemporizador.setInterval(5);
        QObject::connect(&FTemporizador, &QTimer::timeout, [this] { Verifica(); });
        FTemporizador.start();
    }

    // Class names of the modal widgets met, in order.
    QStringList Vistos;
    // Texts of the message boxes met, in order.
    QStringList Textos;

    int Contagem(const char* classe) const {
        return static_cast<int>(Vistos.count(QString::fromLatin1(classe)));
    }

    // Closes a dialog as Esc would (Cancel).
    static void Fecha(QWidget* modal) {
        if (auto* dialogo = qobject_cast<QDialog*>(modal)) {
            dialogo->reject();
        } else {
            modal->close();
        }
    }

    // Clicks a message box's button of the given kind, or closes anything else.
    static TResposta Responde(QMessageBox::StandardButton botao) {
        return [botao](QWidget* modal) {
            auto* caixa = qobject_cast<QMessageBox*>(modal);
            if (caixa && caixa->button(botao)) {
                caixa->button(botao)->click();
            } else {
                Fecha(modal);
            }
        };
    }

    // Types a name into the input box and confirms it; closes anything else.
    static TResposta DigitaNome(const QString& nome) {
        return [nome](QWidget* modal) {
            if (auto* entrada = qobject_cast<QInputDialog*>(modal)) {
                entrada->setTextValue(nome);
                entrada->accept();
            } else {
                Fecha(modal);
            }
        };
    }

private:
    void Verifica() {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible() || FOcupado) {
            return;
        }
        FOcupado = true;
        Vistos.append(QString::fromLatin1(modal->metaObject()->className()));
        if (auto* caixa = qobject_cast<QMessageBox*>(modal)) {
            Textos.append(caixa->text());
        }
        FResposta(modal);
        FOcupado = false;
    }

    TResposta FResposta;
    QTimer FTemporizador;
    bool FOcupado = false;
};
