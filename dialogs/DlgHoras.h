// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

class QLabel;
class TBotaoRapido;
class TEdInteiro;

// What the two hours dialogs (a developer's work hours, a task's dedication)
// share: on a black panel, the name of the developer or activity in lime on
// dark grey, a captioned hours field, Ok and Cancel. Enter in the field or on
// Ok answers Ok; Esc, Cancel, the close button and the frame answer Cancel;
// the field has the focus with its whole text selected when shown.
class TDlgHoras : public QDialog {
    Q_OBJECT
public:
    TEdInteiro* EdNumeroHoras() const { return FEdNumeroHoras; }
    QLabel* LbNome() const { return FLbNome; }
    TBotaoRapido* BtOk() const { return FBtOk; }
    TBotaoRapido* BtFecha() const { return FBtFecha; }

public slots:
    void reject() override;

protected:
    // Where each part stands, in the panel's pixels.
    struct TPartes {
        QSize Cliente;
        QRect CaixaNome;
        int AlturaFonteNome;
        QString Legenda;
        QPoint PosicaoLegenda;
        int LarguraLegenda;
        QRect CaixaCampo;
        int Minimo;
        int Maximo;
        int Valor;
        QPoint PosicaoOk;
        QPoint PosicaoFecha;
    };

    // centrado: shown in the centre of the screen, as the fixed-size dialogs are.
    TDlgHoras(QWidget* parent, Qt::WindowFlags flags, bool centrado, const TPartes& partes);

    QWidget* Painel() const { return FPainel; }
    // A further bold white caption on the panel, narrowed to fit largura.
    QLabel* CriaLegenda(const QString& nome, const QString& texto, QPoint posicao, int largura);

    void showEvent(QShowEvent* evento) override;

private:
    bool FCentrado;
    QWidget* FPainel;
    QLabel* FLbNome;
    TEdInteiro* FEdNumeroHoras;
    TBotaoRapido* FBtOk;
    TBotaoRapido* FBtFecha;
};
