#include "DDedicacaoAtividade.h"

#include "BotaoRapido.h"
#include "EdInteiro.h"
#include "ResultadoModal.h"
#include "Rotulos.h"
#include "model/mAtividade.h"

#include <QLineEdit>
#include <QResizeEvent>
#include <cmath>

namespace {

constexpr int LarguraCliente = 436;
constexpr int AlturaCliente = 136;

} // namespace

TDlgDedicacaoAtividade::TDlgDedicacaoAtividade(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint) {
    setWindowTitle(QStringLiteral("Task Execution Time"));
    setFont(FonteDialogo(11));
    resize(LarguraCliente, AlturaCliente);
    move(192, 103);

    FPainel =
        CriaPainel(this, QStringLiteral("Panel1"), Qt::black, 0, 0, LarguraCliente, AlturaCliente);

    FLbNome = new QLabel(FPainel);
    FLbNome->setObjectName(QStringLiteral("LbNome"));
    FLbNome->setFont(FonteDialogo(19, true));
    DefineCores(FLbNome, CorFundoNome, CorLima);
    FLbNome->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    FLbNome->setGeometry(8, 8, 417, 25);

    auto* label1 = new QLabel(QStringLiteral("Task Dedication:"), FPainel);
    label1->setObjectName(QStringLiteral("Label1"));
    label1->setFont(FonteDialogo(16, true));
    DefineCores(label1, Qt::black, Qt::white);
    label1->move(8, 55);
    AjustaFonte(label1, 135);
    label1->adjustSize();

    FEdNumeroHoras = new TEdInteiro(FPainel);
    FEdNumeroHoras->setObjectName(QStringLiteral("EdNumeroHoras"));
    FEdNumeroHoras->setFont(FonteDialogo(19));
    FEdNumeroHoras->setGeometry(152, 48, 81, 34);
    FEdNumeroHoras->DefineFaixa(MinimoHoras, MaximoHoras);
    FEdNumeroHoras->DefineValor(4);

    auto* label2 = new QLabel(QStringLiteral("hours"), FPainel);
    label2->setObjectName(QStringLiteral("Label2"));
    label2->setFont(FonteDialogo(16, true));
    DefineCores(label2, Qt::black, Qt::white);
    label2->move(240, 55);
    AjustaFonte(label2, 46);
    label2->adjustSize();

    FBtOk = CriaBotaoRapido(FPainel, QStringLiteral("BtOk"), QStringLiteral("&Ok"),
                            TBotaoRapido::GlyphOk, 244, 103);
    FBtFecha = CriaBotaoRapido(FPainel, QStringLiteral("BtFecha"), QStringLiteral("&Cancel"),
                               TBotaoRapido::GlyphFecha, 339, 103);

    connect(FBtOk, &QToolButton::clicked, this, [this] { done(mrOk); });
    connect(FBtFecha, &QToolButton::clicked, this, [this] { done(mrCancel); });
    connect(FEdNumeroHoras, &TEdInteiro::Confirmado, this, [this] { done(mrOk); });
    connect(FEdNumeroHoras, &TEdInteiro::Cancelado, this, [this] { done(mrCancel); });
    FEdNumeroHoras->setFocus();
}

void TDlgDedicacaoAtividade::MostraAtividade(const TAtividade* a) {
    if (!a)
        return;
    MostraTexto(FLbNome, a->Nome());
    const double horas = a->DuracaoMedia() * HorasPorDia;
    // Truncation to whole hours; NaN reads as no time, huge values as the maximum.
    int inteiro = MinimoHoras;
    if (!std::isnan(horas))
        inteiro = static_cast<int>(
            std::clamp(std::trunc(horas), double(MinimoHoras), double(MaximoHoras)));
    FEdNumeroHoras->DefineValor(inteiro);
}

double TDlgDedicacaoAtividade::Dedicacao() const {
    return FEdNumeroHoras->Valor() / HorasPorDia;
}

void TDlgDedicacaoAtividade::reject() {
    done(mrCancel);
}

void TDlgDedicacaoAtividade::showEvent(QShowEvent* evento) {
    QDialog::showEvent(evento);
    FEdNumeroHoras->setFocus();
    FEdNumeroHoras->Edicao()->selectAll();
}

void TDlgDedicacaoAtividade::resizeEvent(QResizeEvent* evento) {
    QDialog::resizeEvent(evento);
    if (!FPainel || !FBtOk || !FBtFecha)
        return;
    // The panel fills the client area; only the two buttons follow the
    // bottom-right corner.
    FPainel->setGeometry(rect());
    const int dx = width() - LarguraCliente;
    const int dy = height() - AlturaCliente;
    FBtOk->move(244 + dx, 103 + dy);
    FBtFecha->move(339 + dx, 103 + dy);
}
