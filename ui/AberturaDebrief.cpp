#include "AberturaDebrief.h"

#include "JanelaPrincipal.h"
#include "debrief/JanelaDebrief.h"
#include "model/mImagens.h"

#include <QMessageBox>

void AbreDebrief(TMainWindow& janela, QPointer<TJanelaDebrief>& debrief,
                 std::function<TPlano()> plano) {
    if (!debrief) {
        try {
            debrief = new TJanelaDebrief(std::move(plano), &janela);
        } catch (const EErroArquivo& e) {
            QMessageBox::warning(&janela, QStringLiteral("Orvanta Debrief"),
                                 QString::fromStdString(e.what()));
            return;
        }
        QObject::connect(&janela, &TMainWindow::JogoMudou, debrief, &TJanelaDebrief::Atualiza);
    }
    debrief->show();
    debrief->raise();
    debrief->activateWindow();
}
