// The main window in a class: the Class dialog (F9), the --class option, and
// the records handed to the sending as their results are recorded.
#include "JanelaPrincipal.h"

#include "dialogs/DTurma.h"
#include "envio/EnvioTurma.h"

#include <QFileInfo>

// The class and the records' state live beside the record file, wherever
// that is at the moment (tests and a record file that moves to the user's
// data folder alike).
QString TMainWindow::PastaRegistro() const {
    return QFileInfo(FRegistro.Caminho()).absolutePath();
}

void TMainWindow::IniciaEnvio() {
    FEnvio->DefinePasta(PastaRegistro());
    FEnvio->Tenta();
}

void TMainWindow::EntraTurma(const QString& link) {
    FEnvio->DefinePasta(PastaRegistro());
    FEnvio->Entra(link);
}

void TMainWindow::EnviaResultado() {
    if (FGravacao->Numero() == 0) {
        return;
    }
    FEnvio->DefinePasta(PastaRegistro());
    // Out of a class the turn does no more than it always did.
    if (FEnvio->Turma()) {
        FEnvio->ResultadoRegistrado(FGravacao->Caminho(), FGravacao->Dados());
    }
}

void TMainWindow::MostraTurma() {
    FEnvio->DefinePasta(PastaRegistro());
    if (!FDlgTurma) {
        FDlgTurma = new TDlgTurma(*FEnvio, this);
    }
    FDlgTurma->exec();
}
