// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/AberturaDebrief.h"

#include "debrief/JanelaDebrief.h"
#include "ui/JanelaPrincipal.h"

void AbreDebrief(TMainWindow& janela, QPointer<TJanelaDebrief>& debrief,
                 std::function<TPlano()> plano) {
    if (!debrief) {
        debrief = new TJanelaDebrief(std::move(plano), &janela);
        // A closed debrief stays made but does not replay the game every turn;
        // it catches up when it is opened again.
        TJanelaDebrief* aberta = debrief;
        aberta->DefineOriginal([&janela] { return janela.PlanoOriginal(); });
        if (janela.PlanoOriginal()) {
            // Drawn before it knew a practice game's original: again with it.
            aberta->Atualiza();
        }
        QObject::connect(aberta, &TJanelaDebrief::JogarDoDia, &janela, &TMainWindow::JogaDoDia);
        QObject::connect(&janela, &TMainWindow::JogoMudou, aberta, [aberta] {
            if (aberta->isVisible()) {
                aberta->Atualiza();
            }
        });
    } else if (!debrief->isVisible()) {
        debrief->Atualiza();
    }
    debrief->show();
    debrief->raise();
    debrief->activateWindow();
}
