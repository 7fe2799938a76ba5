// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Reading the game records a main window writes beside its record file.
#include "plan/LeitorPlano.h"
#include "registro/GravacaoJogo.h"
#include "tests/apoio/JogoTeste.h"

#include <QDir>

// games/game-N.json of the test's record folder.
inline QString CaminhoRegistroJogo(const TJogoTeste& jogo, int numero) {
    return TGravacaoJogo::CaminhoJogo(jogo.Pasta.path(), numero);
}

// The files in the test's games/ folder, by name.
inline QStringList ArquivosJogos(const TJogoTeste& jogo) {
    return QDir(jogo.Pasta.filePath(QStringLiteral("games"))).entryList(QDir::Files, QDir::Name);
}

// Game N's record once every write asked is made, read by the plan library
// against sim's scenario. Throws EPlano when it is missing or not a plan.
inline TPlano LeRegistroJogo(TJogoTeste& jogo, int numero, const TSimuladorProjeto& sim) {
    jogo.Janela->Gravacao().AguardaGravacoes();
    const QString caminho = CaminhoRegistroJogo(jogo, numero);
    return LePlano(LeArquivoPlano(caminho), caminho, sim);
}
