// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/DlgHoras.h"

#include "controls/Rotulos.h"
#include "dialogs/BotaoRapido.h"
#include "dialogs/EdInteiro.h"
#include "dialogs/ResultadoModal.h"

#include <QLabel>
#include <QLineEdit>

TDlgHoras::TDlgHoras(QWidget* parent, Qt::WindowFlags flags, bool centrado, const TPartes& partes)
    : QDialog(parent, flags), FCentrado(centrado) {
    setFont(FonteJogo(11));
    FPainel = CriaPainel(this, QStringLiteral("Panel1"), Qt::black, 0, 0, partes.Cliente.width(),
                         partes.Cliente.height());

    FLbNome = new QLabel(FPainel);
    FLbNome->setObjectName(QStringLiteral("LbNome"));
    FLbNome->setFont(FonteJogo(partes.AlturaFonteNome, true));
    DefineCores(FLbNome, CorFundoNome, CorLima);
    FLbNome->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    FLbNome->setGeometry(partes.CaixaNome);

    CriaLegenda(QStringLiteral("Label1"), partes.Legenda, partes.PosicaoLegenda,
                partes.LarguraLegenda);

    FEdNumeroHoras = new TEdInteiro(FPainel);
    FEdNumeroHoras->setObjectName(QStringLiteral("EdNumeroHoras"));
    FEdNumeroHoras->setFont(FonteJogo(19));
    FEdNumeroHoras->setGeometry(partes.CaixaCampo);
    FEdNumeroHoras->DefineFaixa(partes.Minimo, partes.Maximo);
    FEdNumeroHoras->DefineValor(partes.Valor);

    FBtOk = CriaBotaoRapido(FPainel, QStringLiteral("BtOk"), QStringLiteral("&Ok"),
                            TBotaoRapido::GlyphOk, partes.PosicaoOk.x(), partes.PosicaoOk.y());
    FBtFecha = CriaBotaoRapido(FPainel, QStringLiteral("BtFecha"), QStringLiteral("&Cancel"),
                               TBotaoRapido::GlyphFecha, partes.PosicaoFecha.x(),
                               partes.PosicaoFecha.y());

    // Enter on a button reached by Tab presses that button.
    FBtOk->SetEnterClica(true);
    FBtFecha->SetEnterClica(true);
    connect(FBtOk, &QToolButton::clicked, this, [this] { done(mrOk); });
    connect(FBtFecha, &QToolButton::clicked, this, [this] { done(mrCancel); });
    connect(FEdNumeroHoras, &TEdInteiro::Confirmado, this, [this] { done(mrOk); });
    connect(FEdNumeroHoras, &TEdInteiro::Cancelado, this, [this] { done(mrCancel); });
    FEdNumeroHoras->setFocus();
}

QLabel* TDlgHoras::CriaLegenda(const QString& nome, const QString& texto, QPoint posicao,
                               int largura) {
    auto* rotulo = new QLabel(texto, FPainel);
    rotulo->setObjectName(nome);
    rotulo->setFont(FonteJogo(16, true));
    DefineCores(rotulo, Qt::black, Qt::white);
    rotulo->move(posicao);
    AjustaFonte(rotulo, largura);
    rotulo->adjustSize();
    return rotulo;
}

void TDlgHoras::reject() {
    done(mrCancel);
}

void TDlgHoras::showEvent(QShowEvent* evento) {
    QDialog::showEvent(evento);
    if (FCentrado) {
        CentraNaTela(this);
    }
    FEdNumeroHoras->setFocus();
    FEdNumeroHoras->Edicao()->selectAll();
}
