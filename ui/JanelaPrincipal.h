// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/mSimulador.h"
#include "plan/Plano.h"
#include "registro/GravacaoJogo.h"
#include "registro/RegistroJogador.h"

#include <QPointer>
#include <QWidget>
#include <memory>
#include <optional>

class QFrame;
class QLabel;
class TAtividade;
class TBackDrop;
class TCommandButton;
class TControladorVisaoDesenvolvedores;
class TDlgApresentacao;
class TDlgDedicacaoAtividade;
class TDlgDefinicaoEquipe;
class TDlgDetalhesAtividade;
class TDlgDetalhesDesenvolvedor;
class TDlgNumeroHorasDesenvolvedor;
class TDlgProjetoConcluido;
class TDlgTeclas;
class TDlgTurma;
class TEnvioTurma;
class TJanelaDebrief;
class TPainelAtividades;
class TPainelMensagens;
class TPainelVisao;
class TProjetoSoftware;

// The dialogs the main window opens. They are created after the window, so
// the window is given them once they exist; a missing one is simply not shown.
struct TDialogosJanela {
    TDlgDetalhesAtividade* DetalhesAtividade = nullptr;
    TDlgDetalhesDesenvolvedor* DetalhesDesenvolvedor = nullptr;
    TDlgDefinicaoEquipe* DefinicaoEquipe = nullptr;
    TDlgApresentacao* Apresentacao = nullptr;
    TDlgNumeroHorasDesenvolvedor* NumeroHoras = nullptr;
    TDlgDedicacaoAtividade* DedicacaoAtividade = nullptr;
    TDlgProjetoConcluido* ProjetoConcluido = nullptr;
};

// The game's main window: command column, activity chart, team column and the
// message strip with the two read-outs. It owns the simulator and runs the game
// flow: welcome and manager name at the first showing, the day turns, the
// record of a concluded game and the restart.
class TMainWindow : public QWidget {
    Q_OBJECT
public:
    // Builds the simulator, giving its developers their pictures, and the
    // panels. Throws EErroArquivo when a developer's picture or a flag the
    // team panel shows cannot be read.
    explicit TMainWindow(QWidget* parent = nullptr);
    ~TMainWindow() override;

    void DefineDialogos(const TDialogosJanela& dialogos) { FDialogos = dialogos; }
    const TDialogosJanela& Dialogos() const { return FDialogos; }

    // The window's widgets are found by their object names (PainelVisao,
    // PainelAtividades, PainelMensagens, BtDefineEquipe, BtAumentaTrabalho,
    // BtTempoTarefa, BtPassaTempo, LbTempoDesenvolvimento, LbCustoProjeto).
    TSimuladorProjeto* Simulador() const { return FSimulador.get(); }
    TProjetoSoftware* Projeto() const;
    TRegistroJogador& Registro() { return FRegistro; }
    // A game whose first day has not been played yet; the window's first
    // showing not yet handled.
    bool NovoJogo() const { return FNovoJogo; }
    bool PrimeiraAtivacao() const { return FPrimeiraAtivacao; }

    // How the turn's confirmation question is asked (a Yes/No/Cancel box by
    // default; true only for Yes).
    void DefinePergunta(TSimuladorProjeto::TPergunta pergunta) { FPergunta = std::move(pergunta); }
    // How the one failure of the run to write a game record is told (a
    // warning box by default); the game goes on.
    void DefineAvisoGravacao(TGravacaoJogo::TAviso aviso);

    // The current game's record (games/game-N.json) as its file holds it:
    // the day steps played so far; a plan of no steps before the first day.
    TPlano PlanoJogoAtual() const;
    TGravacaoJogo& Gravacao() { return *FGravacao; }

    // Plays the current game again from day dia (PraticaJanela.cpp): the
    // game is put back as its record stood before that day's step, and
    // played on as a practice game, titled as one, never counted, recorded
    // in games/practice-G-N.json. When the game in play is not concluded,
    // the player is asked first (through the turn's question). Nothing
    // happens before a game is counted; dia is kept within the days played
    // (before the last one's step for a concluded game).
    // An error it meets is reported by the general error handler.
    void JogaDoDia(int dia);
    // The record of the game the current practice game was played again
    // from; none for a counted game.
    const std::optional<TPlano>& PlanoOriginal() const { return FPlanoOriginal; }
    // "Orvanta — practice from day 12 of game 3"
    static QString TituloPratica(const TRamoJogo& ramo);
    // The class the game sends its records to (F9), beside the record file.
    TEnvioTurma& Envio() { return *FEnvio; }
    // Joins the class of the link as the Class dialog's Join does (the
    // --class option); EntradaConcluida of Envio tells how it went.
    void EntraTurma(const QString& link);

    // Read-out texts: days "#,##0" and cost "#,##0.00" with the regional separators.
    static QString FormataDias(double dias);
    static QString FormataCusto(double custo);

    static constexpr int Largura = 742;
    static constexpr int Altura = 437;
    static constexpr int TurnosJogoRapido = 26;

signals:
    // The current game changed: after every played day step, after a
    // recorded result, and after F7's new game.
    void JogoMudou();

protected:
    void keyPressEvent(QKeyEvent* evento) override;
    void showEvent(QShowEvent* evento) override;
    // Tab and Shift+Tab move the chart's selection: no child takes the focus.
    bool focusNextPrevChild(bool proximo) override;

private:
    // The game flow, run from the window's events (buttons, panels, keys, the
    // first showing). Each may throw (the record file's errors, a list index),
    // which ends it; the error is reported by the general error handler.
    void FormActivate();
    void AtualizaComandos();
    void AtualizaVariaveis();
    void BtDefineEquipeClick();
    void BtAumentaTrabalhoClick();
    void BtTempoTarefaClick();
    void BtPassaTempoClick();
    void PainelVisaoSelect();
    void PainelAtividadesSelect();
    void PainelVisaoDblClick();
    void PainelAtividadesDblClick();
    bool AreaDesenhoDragOver(QObject* source, int x, int y) const;
    void AreaDesenhoDragDrop(QObject* source, int x, int y);
    // What a drop does: a takes d (none takes the developer off it), and the
    // chart is repainted; nothing when a is none.
    void Atribui(TAtividade* a, TDesenvolvedor* d);
    // "Q": every activity gets the team's first member (EErroLista when the
    // team is empty). "R": the pool's first developer joins the team, then "Q",
    // then 26 turns. F7: the game starts again.
    void AtribuiPrimeiroDaEquipe();
    void ExecutaJogoRapido();
    void Reinicia();
    void ComecaPratica(int dia);

    void IncrementaPartidas();
    void VerificaGerente();
    void RegistraResultado();

    // The keys beyond "+", "Q", "R", F7 and F8 (TecladoJanela.cpp): moving
    // either panel's selection, assigning, the commands, the keys' help and
    // the Class dialog (F9).
    // False for a key that is not one of them.
    bool TeclaNavegacao(const QKeyEvent* evento);
    void SelecionaAtividadeTeclado(TAtividade* a);
    void SelecionaMembroTeclado(TDesenvolvedor* d);
    void AtribuiSelecionado();
    void LimpaSelecionada();
    // Runs the button's own click when it is enabled; a beep otherwise.
    void AcionaBotao(TCommandButton* botao);
    void MostraTeclas();

    // The class (EnvioJanela.cpp): the sending follows the record file's
    // folder; it starts with the window, each recorded result is handed to
    // it, and F9 shows the Class dialog. None of them can fail the command
    // that runs them.
    QString PastaRegistro() const;
    void IniciaEnvio();
    void EnviaResultado();
    void MostraTurma();

    // Runs one of the window's commands from an event: an error it meets ends
    // it and is reported by the general error handler.
    void Comando(void (TMainWindow::*comando)());
    // The form (FormularioJanela.cpp): the window's panels, command column and
    // message strip; then, once the simulator exists, the message, team and
    // activity panels.
    void CriaFormulario();
    void CriaComandos();
    void CriaBarraMensagens();
    void CriaPaineis();
    void RepintaEquipe();
    void RepintaAtividades();

    std::unique_ptr<TSimuladorProjeto> FSimulador;
    std::unique_ptr<TControladorVisaoDesenvolvedores> FControlador;
    TPainelMensagens* FPainelMensagens = nullptr;
    TPainelAtividades* FPainelAtividades = nullptr;
    TPainelVisao* FPainelVisao = nullptr;
    bool FNovoJogo = false;
    bool FPrimeiraAtivacao = false;
    bool FAtivacaoAgendada = false;

    TRegistroJogador FRegistro;
    // Reads the simulator: declared after it, so it goes first.
    std::unique_ptr<TGravacaoJogo> FGravacao;
    TDialogosJanela FDialogos;
    TSimuladorProjeto::TPergunta FPergunta;
    std::optional<TPlano> FPlanoOriginal;

    QFrame* FPnComandos = nullptr;
    QFrame* FPnCentral = nullptr;
    QFrame* FPnVisoes = nullptr;
    QFrame* FPnMensagens = nullptr;
    TBackDrop* FBackDrop2 = nullptr;
    TCommandButton* FBtDefineEquipe = nullptr;
    TCommandButton* FBtAumentaTrabalho = nullptr;
    TCommandButton* FBtTempoTarefa = nullptr;
    TCommandButton* FBtPassaTempo = nullptr;
    QLabel* FLbTempoDesenvolvimento = nullptr;
    QLabel* FLbCustoProjeto = nullptr;
    // The debrief window (F8), once opened.
    QPointer<TJanelaDebrief> FDebrief;
    // The keys' help (F1), once opened.
    QPointer<TDlgTeclas> FTeclas;
    TEnvioTurma* FEnvio = nullptr;
    // The Class dialog (F9), once opened.
    QPointer<TDlgTurma> FDlgTurma;
};
