#include "DDedicacaoAtividade.h"

#include "BotaoRapido.h"
#include "CamposHoras.h"
#include "EdInteiro.h"
#include "ResultadoModal.h"
#include "controls/Rotulos.h"
#include "model/mAtividade.h"

#include <QResizeEvent>

namespace {

constexpr int LarguraCliente = 436;
constexpr int AlturaCliente = 136;

} // namespace

TDlgDedicacaoAtividade::TDlgDedicacaoAtividade(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint) {
    setWindowTitle(QStringLiteral("Task Execution Time"));
    setFont(FonteJogo(11));
    resize(LarguraCliente, AlturaCliente);
    move(192, 103);

    FPainel =
        CriaPainel(this, QStringLiteral("Panel1"), Qt::black, 0, 0, LarguraCliente, AlturaCliente);

    FLbNome = CriaRotuloNome(FPainel, 19, QRect(8, 8, 417, 25));
    CriaLegendaCampo(FPainel, QStringLiteral("Label1"), QStringLiteral("Task Dedication:"), 8, 55,
                     135);
    FEdNumeroHoras = CriaCampoHoras(FPainel, QRect(152, 48, 81, 34), MinimoHoras, MaximoHoras, 4);
    CriaLegendaCampo(FPainel, QStringLiteral("Label2"), QStringLiteral("hours"), 240, 55, 46);

    FBtOk = CriaBotaoRapido(FPainel, QStringLiteral("BtOk"), QStringLiteral("&Ok"),
                            TBotaoRapido::GlyphOk, 244, 103);
    FBtFecha = CriaBotaoRapido(FPainel, QStringLiteral("BtFecha"), QStringLiteral("&Cancel"),
                               TBotaoRapido::GlyphFecha, 339, 103);

    LigaRespostas(this, FBtOk, FBtFecha, FEdNumeroHoras);
    FEdNumeroHoras->setFocus();
}

void TDlgDedicacaoAtividade::MostraAtividade(const TAtividade* a) {
    if (!a) {
        return;
    }
    MostraTexto(FLbNome, a->Nome());
    // Whole hours; NaN reads as no time, huge values as the maximum.
    FEdNumeroHoras->DefineValorTruncado(a->DuracaoMedia() * HorasPorDia);
}

double TDlgDedicacaoAtividade::Dedicacao() const {
    return FEdNumeroHoras->Valor() / HorasPorDia;
}

void TDlgDedicacaoAtividade::reject() {
    done(mrCancel);
}

void TDlgDedicacaoAtividade::showEvent(QShowEvent* evento) {
    QDialog::showEvent(evento);
    FocaCampo(FEdNumeroHoras);
}

void TDlgDedicacaoAtividade::resizeEvent(QResizeEvent* evento) {
    QDialog::resizeEvent(evento);
    if (!FPainel || !FBtOk || !FBtFecha) {
        return;
    }
    // The panel fills the client area; only the two buttons follow the
    // bottom-right corner.
    FPainel->setGeometry(rect());
    const int dx = width() - LarguraCliente;
    const int dy = height() - AlturaCliente;
    FBtOk->move(244 + dx, 103 + dy);
    FBtFecha->move(339 + dx, 103 + dy);
}
