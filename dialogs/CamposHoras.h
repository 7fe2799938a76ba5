#pragma once

#include <QRect>
#include <QString>

class QDialog;
class QLabel;
class QWidget;
class TBotaoRapido;
class TEdInteiro;

// The parts the two hours dialogs (work hours, task dedication) are made of.

// The name of the developer or activity: bold lime on dark grey, in a fixed box.
QLabel* CriaRotuloNome(QWidget* parent, int alturaFonte, const QRect& caixa);

// A bold white caption on black sized to its text, narrowed to fit largura.
QLabel* CriaLegendaCampo(QWidget* parent, const QString& nome, const QString& texto, int x, int y,
                         int largura);

// The hours field "EdNumeroHoras" with its range and first value.
TEdInteiro* CriaCampoHoras(QWidget* parent, const QRect& caixa, int minimo, int maximo, int valor);

// Ok and Enter in the field close the dialog with Ok; Cancel and Esc in the
// field with Cancel. Enter on a button reached by Tab presses that button.
void LigaRespostas(QDialog* dialogo, TBotaoRapido* ok, TBotaoRapido* cancela, TEdInteiro* campo);

// Gives the field the focus with its whole text selected.
void FocaCampo(TEdInteiro* campo);
