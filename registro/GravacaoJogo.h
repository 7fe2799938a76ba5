// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "arquivos/EscritorArquivos.h"
#include "plan/GravadorPlano.h"
#include "plan/Plano.h"
#include "plan/RamoJogo.h"

#include <QDateTime>
#include <QJsonArray>
#include <QObject>
#include <QString>
#include <functional>

class TSimuladorProjeto;

// The record the game keeps of itself: each counted game, as a plan that
// replays it, in the file games/game-N.json beside the record file (N the
// game's count). The plan holds the state before the first day step and,
// before each later step, what the player changed since the previous one;
// "meta" says which program wrote it, the manager, the game's number, when
// it was counted and when each day was played; "result" is the project's
// result after the last step played.
//
// The file is written after every day step and when the result is recorded,
// whole and atomically, on a thread of its own (TEscritorArquivos): the turn
// never waits for the disk, but for the game's first file, which the window
// has on the disk before it writes the count (AguardaGravacoes), so that a
// game counted has its record whenever the program is killed. A game
// counted but never played still gets its file (no steps, the state at its
// count, result 0 days and 0 cost). A file of that name that this game did
// not write is kept as earlier-game-N.json. When a write fails the game goes
// on; the first failure of the run is told to the player.
//
// A practice game (played again from a day of a recorded game, never
// counted) is recorded the same way in games/practice-G-N.json, the first
// of practice-G-N.json, practice-G-N-2.json, ... that is free; its record
// begins with the replayed days and its "meta" has "branch_of" in place of
// "game".
class TGravacaoJogo : public QObject {
    Q_OBJECT
public:
    using TRelogio = std::function<QDateTime()>;
    using TAviso = std::function<void(const QString& mensagem)>;

    // sim is the game's simulator, read at each call; it must outlive this.
    explicit TGravacaoJogo(const TSimuladorProjeto& sim, QObject* parent = nullptr);

    // Where the times in "meta" come from (the local clock by default).
    void DefineRelogio(TRelogio relogio) { FRelogio = std::move(relogio); }
    // How a failed write is told (nothing until set); called once per run.
    void DefineAviso(TAviso aviso) { FAviso = std::move(aviso); }

    // The game about to be counted as number numero: its file goes to
    // pastaRegistro/games. Written at once.
    void IniciaJogo(int numero, const QString& pastaRegistro, const QString& gerente);
    // A practice game from day ramo.Dia of game ramo.Jogo: historia is the
    // record it was replayed from, cut to that day (PlanoAteODia), and the
    // simulator stands where its replay left it. Its file goes to
    // pastaRegistro/games under the first free name, written at once.
    void IniciaPratica(const TRamoJogo& ramo, const TPlano& historia, const QString& pastaRegistro,
                       const QString& gerente);
    // The count of the game just started could not be written: its file is
    // removed (when this game wrote it) and the game is not counted.
    void DesfazInicio();
    // Right before and right after each day step. After the step the file
    // is written.
    void AntesDoPasso();
    void DepoisDoPasso();
    // The game's result has been recorded: the file is written again.
    void RegistraResultado();
    // The game is over (F7): the next counted game gets a file of its own.
    void Reinicia();

    // The record as its file holds it: the steps played so far, "meta" and
    // "result" once the game is counted. Before the first step, a plan of no
    // steps.
    TPlano Plano() const;
    // The bytes of the record's file as they are written now (Plano's).
    QByteArray Dados() const;
    // The current game's number and file; 0 and empty until it is counted.
    // A practice game has no number, and a file.
    int Numero() const { return FNumero; }
    // Where the current practice game branched from; none for a counted game.
    const std::optional<TRamoJogo>& Ramo() const { return FRamo; }
    const QString& Caminho() const { return FCaminho; }
    // Returns once every write asked so far is made (or has failed; the
    // failure is told when the event loop next runs).
    void AguardaGravacoes() { FEscritor.Aguarda(); }

    // pastaRegistro/games/game-N.json
    static QString CaminhoJogo(const QString& pastaRegistro, int numero);
    // pastaRegistro/games/practice-G-N.json, or the first of -2, -3, ...
    // that does not exist.
    static QString CaminhoPratica(const QString& pastaRegistro, const TRamoJogo& ramo);
    // "Orvanta" and the version.
    static QString Programa();
    // The message a failed write shows.
    static QString TextoFalha(const QString& caminho, const QString& motivo);
    // ISO 8601 with the offset from UTC: 2026-12-08T11:02:03+01:00.
    static QString TextoHorario(const QDateTime& horario);

private slots:
    // A write failed: the first failure of the run is told.
    void Falhou(const QString& caminho, const QString& motivo);

private:
    void Grava();
    QJsonObject Meta() const;

    const TSimuladorProjeto& FSim;
    TGravadorPlano FGravador;
    // The state when the game was counted, the start of a record of no steps.
    TMudancasPlano FInicioContado;
    QJsonArray FHorariosDias;
    int FNumero = 0;
    std::optional<TRamoJogo> FRamo;
    quint64 FJogo = 0; // one per counted game of the run: the files' owner
    QString FCaminho;
    QString FGerente;
    QString FInicio;
    TRelogio FRelogio;
    TAviso FAviso;
    bool FAvisado = false;
    TEscritorArquivos FEscritor;
};
