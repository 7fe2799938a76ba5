// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Formularios.h"

#include "dialogs/DApresentacao.h"
#include "dialogs/DDedicacaoAtividade.h"
#include "dialogs/DDefineEquipe.h"
#include "dialogs/DDetalheAtividade.h"
#include "dialogs/DDetalheDesenvolvedor.h"
#include "dialogs/DNumeroHoras.h"
#include "dialogs/DProjetoConcluido.h"
#include "ui/JanelaPrincipal.h"

std::unique_ptr<TMainWindow> CriaFormularios() {
    auto janela = std::make_unique<TMainWindow>();
    TMainWindow* dono = janela.get();
    // Dialogs with the main window as parent stay on top of it; they carry the
    // Qt::Dialog flag, so they are still windows of their own.
    TDialogosJanela dialogos;
    dialogos.DetalhesAtividade = new TDlgDetalhesAtividade(dono);
    dialogos.DetalhesDesenvolvedor = new TDlgDetalhesDesenvolvedor(dono);
    dialogos.DefinicaoEquipe = new TDlgDefinicaoEquipe(dono);
    dialogos.Apresentacao = new TDlgApresentacao(dono);
    dialogos.NumeroHoras = new TDlgNumeroHorasDesenvolvedor(dono);
    dialogos.DedicacaoAtividade = new TDlgDedicacaoAtividade(dono);
    dialogos.ProjetoConcluido = new TDlgProjetoConcluido(dono);
    janela->DefineDialogos(dialogos);
    return janela;
}
