#include "DNumeroHoras.h"

#include "BotaoRapido.h"
#include "EdInteiro.h"
#include "ResultadoModal.h"
#include "Rotulos.h"
#include "model/mDesenvolvedor.h"

#include <QLineEdit>
#include <cmath>

TDlgNumeroHorasDesenvolvedor::TDlgNumeroHorasDesenvolvedor(QWidget* parent)
    : TDialogoCentrado(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    setWindowTitle(QStringLiteral("Work Hours per Day"));
    setFont(FonteDialogo(11));
    setFixedSize(350, 153);

    QWidget* painel = CriaPainel(this, QStringLiteral("Panel1"), Qt::black, 0, 0, 350, 153);

    FImagem = new QLabel(painel);
    FImagem->setObjectName(QStringLiteral("Imagem"));
    FImagem->setGeometry(8, 8, 129, 137);

    FLbNome = new QLabel(painel);
    FLbNome->setObjectName(QStringLiteral("LbNome"));
    FLbNome->setFont(FonteDialogo(24, true));
    DefineCores(FLbNome, CorFundoNome, CorLima);
    FLbNome->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    FLbNome->setGeometry(152, 8, 185, 29);

    auto* label1 = new QLabel(QStringLiteral("Work hours:"), painel);
    label1->setObjectName(QStringLiteral("Label1"));
    label1->setFont(FonteDialogo(16, true));
    DefineCores(label1, Qt::black, Qt::white);
    label1->move(152, 63);
    AjustaFonte(label1, 97);
    label1->adjustSize();

    FEdNumeroHoras = new TEdInteiro(painel);
    FEdNumeroHoras->setObjectName(QStringLiteral("EdNumeroHoras"));
    FEdNumeroHoras->setFont(FonteDialogo(19));
    FEdNumeroHoras->setGeometry(256, 56, 81, 34);
    FEdNumeroHoras->DefineFaixa(MinimoHoras, MaximoHoras);
    FEdNumeroHoras->DefineValor(8);

    FBtOk = CriaBotaoRapido(painel, QStringLiteral("BtOk"), QStringLiteral("&Ok"),
                            TBotaoRapido::GlyphOk, 158, 120);
    FBtFecha = CriaBotaoRapido(painel, QStringLiteral("BtFecha"), QStringLiteral("&Cancel"),
                               TBotaoRapido::GlyphFecha, 253, 120);

    connect(FBtOk, &QToolButton::clicked, this, [this] { done(mrOk); });
    connect(FBtFecha, &QToolButton::clicked, this, [this] { done(mrCancel); });
    connect(FEdNumeroHoras, &TEdInteiro::Confirmado, this, [this] { done(mrOk); });
    connect(FEdNumeroHoras, &TEdInteiro::Cancelado, this, [this] { done(mrCancel); });
    FEdNumeroHoras->setFocus();
}

void TDlgNumeroHorasDesenvolvedor::MostraDesenvolvedor(const TDesenvolvedor* d) {
    if (!d)
        return;
    MostraTexto(FLbNome, d->Nome());
    MostraImagem(FImagem, d->ImagemGrande());
    const double horas = d->HorasTrabalho();
    // Truncation toward zero; NaN reads as the normal day, huge values as the bounds.
    int inteiro = MinimoHoras;
    if (!std::isnan(horas))
        inteiro = static_cast<int>(
            std::clamp(std::trunc(horas), double(MinimoHoras), double(MaximoHoras)));
    FEdNumeroHoras->DefineValor(inteiro);
}

double TDlgNumeroHorasDesenvolvedor::NumeroHoras() const {
    return FEdNumeroHoras->Valor();
}

void TDlgNumeroHorasDesenvolvedor::showEvent(QShowEvent* evento) {
    TDialogoCentrado::showEvent(evento);
    FEdNumeroHoras->setFocus();
    FEdNumeroHoras->Edicao()->selectAll();
}
