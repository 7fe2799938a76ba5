// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/TelaPreta.h"

#include "controls/Rotulos.h"
#include "dialogs/BotaoRapido.h"

#include <QKeyEvent>
#include <QLabel>

TDlgTelaPreta::TDlgTelaPreta(QWidget* parent, const QString& nome, int largura, int altura,
                             bool enterFecha)
    : TDialogoCentrado(parent, Qt::Dialog | Qt::FramelessWindowHint), FEnterFecha(enterFecha) {
    setObjectName(nome);
    setFixedSize(largura, altura);
    setFont(FonteJogo(11));
    FPainel = CriaPainel(this, QStringLiteral("Panel1"), Qt::black, 0, 0, largura, altura);
}

void TDlgTelaPreta::CriaImagem(const QRect& caixa, const QString& recurso) {
    FImage1 = new QLabel(FPainel);
    FImage1->setObjectName(QStringLiteral("Image1"));
    FImage1->setGeometry(caixa);
    MostraImagem(FImage1, QImage(recurso), recurso);
}

TBotaoRapido* TDlgTelaPreta::CriaBotaoFecha(const QString& nome, int x, int y) {
    TBotaoRapido* botao =
        CriaBotaoRapido(FPainel, nome, QStringLiteral("&Close"), TBotaoRapido::GlyphFecha, x, y);
    connect(botao, &QToolButton::clicked, this, &TDlgTelaPreta::reject);
    return botao;
}

void TDlgTelaPreta::EncaixaNaLargura(QLabel* rotulo) const {
    AjustaFonte(rotulo, width() - MargemDireita - rotulo->x());
    rotulo->adjustSize();
}

void TDlgTelaPreta::keyPressEvent(QKeyEvent* evento) {
    const int tecla = evento->key();
    const bool enter = tecla == Qt::Key_Return || tecla == Qt::Key_Enter;
    if (tecla == Qt::Key_Escape || (enter && FEnterFecha)) {
        reject();
        return;
    }
    // Every other key does nothing here.
    evento->accept();
}
