// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/DDedicacaoAtividade.h"

#include "controls/Rotulos.h"
#include "dialogs/BotaoRapido.h"
#include "dialogs/EdInteiro.h"
#include "model/mAtividade.h"

#include <QResizeEvent>

namespace {

constexpr int LarguraCliente = 436;
constexpr int AlturaCliente = 136;
constexpr QPoint PosicaoOk(244, 103);
constexpr QPoint PosicaoFecha(339, 103);

} // namespace

TDlgDedicacaoAtividade::TDlgDedicacaoAtividade(QWidget* parent)
    : TDlgHoras(parent,
                Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                    Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint,
                false,
                {QSize(LarguraCliente, AlturaCliente), QRect(8, 8, 417, 25), 19,
                 QStringLiteral("Task Dedication:"), QPoint(8, 55), 135, QRect(152, 48, 81, 34),
                 MinimoHoras, MaximoHoras, 4, PosicaoOk, PosicaoFecha}) {
    setWindowTitle(QStringLiteral("Task Execution Time"));
    resize(LarguraCliente, AlturaCliente);
    move(192, 103);
    CriaLegenda(QStringLiteral("Label2"), QStringLiteral("hours"), QPoint(240, 55), 46);
}

void TDlgDedicacaoAtividade::MostraAtividade(const TAtividade* a) {
    if (!a) {
        return;
    }
    MostraTexto(LbNome(), a->Nome());
    // Whole hours; NaN reads as no time, huge values as the maximum.
    EdNumeroHoras()->DefineValorTruncado(a->DuracaoMedia() * HorasPorDia);
}

double TDlgDedicacaoAtividade::Dedicacao() const {
    return EdNumeroHoras()->Valor() / HorasPorDia;
}

void TDlgDedicacaoAtividade::resizeEvent(QResizeEvent* evento) {
    TDlgHoras::resizeEvent(evento);
    // The panel fills the client area; only the two buttons follow the
    // bottom-right corner.
    Painel()->setGeometry(rect());
    const QPoint desvio(width() - LarguraCliente, height() - AlturaCliente);
    BtOk()->move(PosicaoOk + desvio);
    BtFecha()->move(PosicaoFecha + desvio);
}
