#include "DNumeroHoras.h"

#include "BotaoRapido.h"
#include "CamposHoras.h"
#include "EdInteiro.h"
#include "controls/FiguraDensa.h"
#include "controls/Rotulos.h"
#include "model/mDesenvolvedor.h"

TDlgNumeroHorasDesenvolvedor::TDlgNumeroHorasDesenvolvedor(QWidget* parent)
    : TDialogoCentrado(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    setWindowTitle(QStringLiteral("Work Hours per Day"));
    setFont(FonteJogo(11));
    setFixedSize(350, 153);

    QWidget* painel = CriaPainel(this, QStringLiteral("Panel1"), Qt::black, 0, 0, 350, 153);

    FImagem = new QLabel(painel);
    FImagem->setObjectName(QStringLiteral("Imagem"));
    FImagem->setGeometry(8, 8, 129, 137);

    FLbNome = CriaRotuloNome(painel, 24, QRect(152, 8, 185, 29));
    CriaLegendaCampo(painel, QStringLiteral("Label1"), QStringLiteral("Work hours:"), 152, 63, 97);
    FEdNumeroHoras = CriaCampoHoras(painel, QRect(256, 56, 81, 34), MinimoHoras, MaximoHoras, 8);

    FBtOk = CriaBotaoRapido(painel, QStringLiteral("BtOk"), QStringLiteral("&Ok"),
                            TBotaoRapido::GlyphOk, 158, 120);
    FBtFecha = CriaBotaoRapido(painel, QStringLiteral("BtFecha"), QStringLiteral("&Cancel"),
                               TBotaoRapido::GlyphFecha, 253, 120);

    LigaRespostas(this, FBtOk, FBtFecha, FEdNumeroHoras);
    FEdNumeroHoras->setFocus();
}

void TDlgNumeroHorasDesenvolvedor::MostraDesenvolvedor(const TDesenvolvedor* d) {
    if (!d) {
        return;
    }
    MostraTexto(FLbNome, d->Nome());
    MostraImagem(FImagem, d->ImagemGrande(), ArquivoRetrato(d->Nome(), true));
    // NaN reads as the normal day, huge values as the bounds.
    FEdNumeroHoras->DefineValorTruncado(d->HorasTrabalho());
}

double TDlgNumeroHorasDesenvolvedor::NumeroHoras() const {
    return FEdNumeroHoras->Valor();
}

void TDlgNumeroHorasDesenvolvedor::showEvent(QShowEvent* evento) {
    TDialogoCentrado::showEvent(evento);
    FocaCampo(FEdNumeroHoras);
}
