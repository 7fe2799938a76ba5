// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/DProjetoConcluido.h"

#include "controls/Rotulos.h"

TDlgProjetoConcluido::TDlgProjetoConcluido(QWidget* parent)
    : TDlgTelaPreta(parent, QStringLiteral("DlgProjetoConcluido"), 456, 193, true) {
    setWindowTitle(QStringLiteral("Project Conclusion"));
    QWidget* painel = Painel();
    CriaImagem(QRect(8, 8, 110, 135), QStringLiteral(":/ProjetoConcluido.png"));

    EncaixaNaLargura(CriaRotuloTexto(painel, QStringLiteral("Label1"),
                                     QStringLiteral("The Project is Concluded !!!"), 144, 16,
                                     CorLima, 24));
    CriaRotuloTexto(painel, QStringLiteral("Label2"),
                    QStringLiteral("Thanks for participating in this experiment."), 144, 56,
                    Qt::white, 13);
    CriaRotuloTexto(painel, QStringLiteral("Label3"),
                    QStringLiteral("Please, don't forget to send your time and cost"), 144, 88,
                    Qt::white, 13);
    CriaRotuloTexto(painel, QStringLiteral("Label4"), QStringLiteral("results by e-mail."), 144,
                    104, Qt::white, 13);

    FBtClose = CriaBotaoFecha(QStringLiteral("BtClose"), 358, 160);
}
