// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/DApresentacao.h"

#include "controls/Rotulos.h"

#include <QLabel>

namespace {

// A fixed-size label whose text wraps inside its box.
QLabel* RotuloQuebrado(QWidget* pai, const QString& nome, const QString& texto, int x, int y, int w,
                       int h) {
    QLabel* rotulo = CriaRotuloTexto(pai, nome, texto, x, y, Qt::white, 13);
    rotulo->setWordWrap(true);
    rotulo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    rotulo->setGeometry(x, y, w, h);
    return rotulo;
}

} // namespace

TDlgApresentacao::TDlgApresentacao(QWidget* parent)
    : TDlgTelaPreta(parent, QStringLiteral("DlgApresentacao"), 481, 240, false) {
    QWidget* painel = Painel();
    CriaImagem(QRect(16, 8, 85, 127), QStringLiteral(":/Apresentacao.png"));

    QLabel* label1 = CriaRotuloTexto(painel, QStringLiteral("Label1"), QStringLiteral("Welcome to"),
                                     120, 8, Qt::white, 24, true);
    QLabel* label2 = CriaRotuloTexto(painel, QStringLiteral("Label2"), QStringLiteral("Orvanta"),
                                     272, 8, CorLima, 24, true);
    // With a font wider than the one the layout was drawn for, the name keeps
    // a space's distance from the greeting instead of running into it.
    const int depoisSaudacao =
        label1->geometry().right() + 1 + label1->fontMetrics().horizontalAdvance(QLatin1Char(' '));
    if (label2->x() < depoisSaudacao) {
        label2->move(depoisSaudacao, label2->y());
    }
    CriaRotuloTexto(painel, QStringLiteral("Label3"),
                    QStringLiteral("Here you are the software project manager !!!"), 120, 48,
                    Qt::white, 13);
    RotuloQuebrado(painel, QStringLiteral("Label4"),
                   QStringLiteral("Your project is depicted by a PERT chart. There are some "
                                  "software developers available for your team."),
                   120, 80, 353, 33);
    RotuloQuebrado(painel, QStringLiteral("Label5"),
                   QStringLiteral("Analyze their abilities, form your team, assign it to "
                                  "activities and run the project."),
                   120, 128, 353, 33);

    FBtFecha = CriaBotaoFecha(QStringLiteral("BtFecha"), 381, 205);
}
