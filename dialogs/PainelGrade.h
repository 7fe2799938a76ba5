// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QDialog;
class QGridLayout;
class QVBoxLayout;
class QWidget;

// The look of the dialogs laid out by Qt (Keys, Class): a black panel
// "Panel1" fills the dialog, which takes the panel's size whatever it holds;
// in it a column, with the margin around it, starts with a grid of captions
// and fields. What follows the grid is added to the column.
struct TPainelGrade {
    QWidget* Painel;
    QVBoxLayout* Coluna;
    QGridLayout* Grade;
};
TPainelGrade CriaPainelGrade(QDialog* dialogo);

// The margin around the column; half of it below, as the buttons end the column.
inline constexpr int MargemPainelGrade = 16;
