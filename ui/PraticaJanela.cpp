// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/JanelaPrincipal.h"

#include "model/mProjeto.h"
#include "plan/JogoPlano.h"
#include "plan/RamoJogo.h"
#include "ui/Aplicacao.h"
#include "ui/PainelMensagens.h"

#include <QFileInfo>

#include <algorithm>

// Practice games: a game played again from one of its days, put back as its
// record stood before that day's step. The record file never hears of them.

QString TMainWindow::TituloPratica(const TRamoJogo& ramo) {
    return QStringLiteral("Orvanta \u2014 ") + TextoRamo(ramo);
}

void TMainWindow::JogaDoDia(int dia) {
    TAplicacao::ExecutaComando([this, dia] { ComecaPratica(dia); });
}

void TMainWindow::ComecaPratica(int dia) {
    const std::optional<TRamoJogo> ramoAtual = FGravacao->Ramo();
    const int numero = FGravacao->Numero();
    if (numero <= 0 && !ramoAtual) {
        return; // no game counted yet: no record to play again
    }
    const TPlano registro = FGravacao->Plano();
    // A concluded game has no turn after its last day to play again.
    const bool concluido = registro.Resultado && registro.Resultado->Concluido;
    dia = std::clamp(dia, 0, std::max(registro.MaximoDias - (concluido ? 1 : 0), 0));
    const QString jogo = ramoAtual ? QStringLiteral("This practice game")
                                   : QStringLiteral("Game %1").arg(numero);
    if (!Projeto()->Concluido() && registro.MaximoDias > 0 &&
        !FPergunta(QStringLiteral("%1 is not concluded. Playing again from day %2 leaves it at "
                                  "day %3 for good (its record keeps what was played). Play from "
                                  "day %2?")
                       .arg(jogo, QString::number(dia), QString::number(registro.MaximoDias)))) {
        return;
    }
    TRamoJogo ramo;
    ramo.Dia = dia;
    if (ramoAtual) {
        ramo.Jogo = ramoAtual->Jogo;
        ramo.Registro = QFileInfo(FGravacao->Caminho()).fileName();
    } else {
        ramo.Jogo = numero;
    }
    const TPlano historia = PlanoAteODia(registro, dia);
    FPainelMensagens->LimpaMensagens();
    JogaPlano(*FSimulador, historia, FPainelMensagens);
    FGravacao->IniciaPratica(ramo, historia, QFileInfo(FRegistro.Caminho()).absolutePath(),
                             FRegistro.Gerente());
    FPlanoOriginal = registro;
    // Already under way: the next turn counts nothing.
    FNovoJogo = false;
    setWindowTitle(TituloPratica(ramo));
    AtualizaVariaveis();
    AtualizaComandos();
    emit JogoMudou();
    raise();
    activateWindow();
}
