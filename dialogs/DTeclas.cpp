// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/DTeclas.h"

#include "controls/Rotulos.h"
#include "dialogs/BotaoRapido.h"
#include "dialogs/PainelGrade.h"
#include "dialogs/ResultadoModal.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QVBoxLayout>

TDlgTeclas::TDlgTeclas(QWidget* parent)
    : TDialogoCentrado(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("DlgTeclas"));
    setWindowTitle(QStringLiteral("Keys"));
    setFont(FonteJogo(11));

    // The dialog takes the size of its list, whatever the list.
    const TPainelGrade partes = CriaPainelGrade(this);
    FPainel = partes.Painel;
    FGrade = partes.Grade;
    QVBoxLayout* dentro = partes.Coluna;
    dentro->addSpacing(MargemPainelGrade / 2);

    FBtFecha = CriaBotaoRapido(FPainel, QStringLiteral("BtFecha"), QStringLiteral("&Close"),
                               TBotaoRapido::GlyphFecha, 0, 0);
    FBtFecha->setFixedSize(FBtFecha->size());
    FBtFecha->SetEnterClica(true);
    connect(FBtFecha, &QToolButton::clicked, this, [this] { done(mrCancel); });
    dentro->addWidget(FBtFecha, 0, Qt::AlignRight);
}

void TDlgTeclas::MostraTeclas(const QList<TTeclaAjuda>& teclas) {
    qDeleteAll(FRotulosTeclas);
    qDeleteAll(FRotulosAcoes);
    FRotulosTeclas.clear();
    FRotulosAcoes.clear();
    for (int i = 0; i < teclas.size(); ++i) {
        QLabel* tecla = CriaRotuloTexto(FPainel, QStringLiteral("LbTecla%1").arg(i),
                                        teclas[i].Tecla, 0, 0, CorLima, 11, true);
        QLabel* acao = CriaRotuloTexto(FPainel, QStringLiteral("LbAcao%1").arg(i), teclas[i].Acao,
                                       0, 0, Qt::white, 11);
        FGrade->addWidget(tecla, i, 0, Qt::AlignLeft | Qt::AlignTop);
        FGrade->addWidget(acao, i, 1, Qt::AlignLeft | Qt::AlignTop);
        FRotulosTeclas.append(tecla);
        FRotulosAcoes.append(acao);
    }
    layout()->activate();
}

void TDlgTeclas::keyPressEvent(QKeyEvent* evento) {
    const int tecla = evento->key();
    if (tecla == Qt::Key_Return || tecla == Qt::Key_Enter) {
        done(mrCancel);
        return;
    }
    TDialogoCentrado::keyPressEvent(evento);
}
