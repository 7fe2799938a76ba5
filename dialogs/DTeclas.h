#pragma once

#include "DialogoCentrado.h"

#include <QList>
#include <QString>

class QGridLayout;
class QLabel;
class TBotaoRapido;

// One key of a list of keys and what it does.
struct TTeclaAjuda {
    QString Tecla;
    QString Acao;
};

// The "Keys" help: a list of keys, each with what it does, in lime and white
// on the dialogs' black panel, and a Close button. Close, Esc and Enter close
// it.
class TDlgTeclas : public TDialogoCentrado {
    Q_OBJECT
public:
    explicit TDlgTeclas(QWidget* parent = nullptr);

    // Shows the list, one row per key in the given order, and sizes the
    // dialog to it.
    void MostraTeclas(const QList<TTeclaAjuda>& teclas);

    // The rows shown: the key's label and the action's, in order.
    QList<QLabel*> RotulosTeclas() const { return FRotulosTeclas; }
    QList<QLabel*> RotulosAcoes() const { return FRotulosAcoes; }
    TBotaoRapido* BtFecha() const { return FBtFecha; }

protected:
    void keyPressEvent(QKeyEvent* evento) override;

private:
    QWidget* FPainel;
    QGridLayout* FGrade;
    QList<QLabel*> FRotulosTeclas;
    QList<QLabel*> FRotulosAcoes;
    TBotaoRapido* FBtFecha;
};
