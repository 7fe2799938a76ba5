// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/PainelGrade.h"

#include "controls/Rotulos.h"

#include <QDialog>
#include <QGridLayout>
#include <QVBoxLayout>

namespace {

constexpr int EspacoColunas = 16;
constexpr int EspacoLinhas = 4;

} // namespace

TPainelGrade CriaPainelGrade(QDialog* dialogo) {
    auto* fora = new QVBoxLayout(dialogo);
    fora->setContentsMargins(0, 0, 0, 0);
    fora->setSizeConstraint(QLayout::SetFixedSize);
    QWidget* painel = CriaPainel(dialogo, QStringLiteral("Panel1"), Qt::black, 0, 0, 0, 0);
    fora->addWidget(painel);
    auto* coluna = new QVBoxLayout(painel);
    const int m = MargemPainelGrade;
    coluna->setContentsMargins(m, m, m, m / 2);
    auto* grade = new QGridLayout;
    grade->setHorizontalSpacing(EspacoColunas);
    grade->setVerticalSpacing(EspacoLinhas);
    coluna->addLayout(grade);
    return {painel, coluna, grade};
}
