// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/JanelaPrincipal.h"

#include "controls/CommandButton.h"
#include "controls/Cores.h"
#include "controls/PainelVisao.h"
#include "controls/Rotulos.h"
#include "controls/mDesenvolvedorVisao.h"
#include "dialogs/DApresentacao.h"
#include "dialogs/DDedicacaoAtividade.h"
#include "dialogs/DDefineEquipe.h"
#include "dialogs/DDetalheAtividade.h"
#include "dialogs/DDetalheDesenvolvedor.h"
#include "dialogs/DNumeroHoras.h"
#include "dialogs/DProjetoConcluido.h"
#include "dialogs/ResultadoModal.h"
#include "envio/EnvioTurma.h"
#include "figuras/ImagensDesenvolvedor.h"
#include "model/mAtividade.h"
#include "model/mDesenvolvedor.h"
#include "model/mProjeto.h"
#include "ui/AberturaDebrief.h"
#include "ui/Aplicacao.h"
#include "ui/EErroLista.h"
#include "ui/PainelMensagens.h"
#include "ui/PainelTarefas.h"

#include <QApplication>
#include <QFileInfo>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QTimer>
#include <algorithm>

namespace {

// The user's separators, with thousands grouped even where the locale leaves
// grouping off by default (the C locale).
QLocale LocalAgrupado() {
    QLocale local;
    local.setNumberOptions(local.numberOptions() & ~QLocale::OmitGroupSeparator);
    return local;
}

bool PerguntaPadrao(QWidget* pai, const QString& pergunta) {
    return QMessageBox::question(pai, QStringLiteral("Confirm"), pergunta,
                                 QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                                 QMessageBox::Yes) == QMessageBox::Yes;
}

} // namespace

TMainWindow::TMainWindow(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint) {
    CriaFormulario();
    FPergunta = [this](const QString& pergunta) { return PerguntaPadrao(this, pergunta); };

    // The simulator exists before the panels, which show its project from the
    // first paint; "Simulation started" is the strip's first line.
    FSimulador = std::make_unique<TSimuladorProjeto>(CarregaImagensDesenvolvedor);
    FGravacao = std::make_unique<TGravacaoJogo>(*FSimulador);
    DefineAvisoGravacao({});
    FEnvio = new TEnvioTurma(this);

    CriaPaineis();
    FPainelMensagens->AdicionaMensagem(QStringLiteral("Simulation started"), 0);

    FPainelVisao->OnSelect = [this](QObject*) { Comando(&TMainWindow::PainelVisaoSelect); };
    FPainelVisao->OnDblClick = [this](QObject*) { Comando(&TMainWindow::PainelVisaoDblClick); };
    FControlador = std::make_unique<TControladorVisaoDesenvolvedores>();
    FPainelVisao->DefineDesenvolvedores(&Projeto()->Equipe(), FControlador.get());

    FPainelAtividades->OnSelect = [this](QObject*) {
        Comando(&TMainWindow::PainelAtividadesSelect);
    };
    FPainelAtividades->OnDblClick = [this](QObject*) {
        Comando(&TMainWindow::PainelAtividadesDblClick);
    };
    FPainelAtividades->DefineAtividades(&Projeto()->Atividades());

    FBtDefineEquipe->OnClick = [this](QObject*) { Comando(&TMainWindow::BtDefineEquipeClick); };
    FBtAumentaTrabalho->OnClick = [this](QObject*) {
        Comando(&TMainWindow::BtAumentaTrabalhoClick);
    };
    FBtTempoTarefa->OnClick = [this](QObject*) { Comando(&TMainWindow::BtTempoTarefaClick); };
    FBtPassaTempo->OnClick = [this](QObject*) { Comando(&TMainWindow::BtPassaTempoClick); };

    TAreaDesenho* area = FPainelAtividades->AreaDesenho();
    area->OnDragOver = [this](QObject* source, int x, int y) {
        return AreaDesenhoDragOver(source, x, y);
    };
    area->OnDragDrop = [this](QObject* source, int x, int y) {
        TAplicacao::ExecutaComando([&] { AreaDesenhoDragDrop(source, x, y); });
    };

    AtualizaComandos();
    AtualizaVariaveis();
    FPrimeiraAtivacao = true;

    // The keys belong to the window: no child takes the focus.
    for (QWidget* filho : findChildren<QWidget*>()) {
        filho->setFocusPolicy(Qt::NoFocus);
    }
    setFocusPolicy(Qt::StrongFocus);
}

TMainWindow::~TMainWindow() {
    // The panels read the simulator's lists and the controller: they go first.
    delete FPainelVisao;
    delete FPainelAtividades;
    delete FPainelMensagens;
}

TProjetoSoftware* TMainWindow::Projeto() const {
    return FSimulador->Projeto();
}

void TMainWindow::showEvent(QShowEvent* evento) {
    QWidget::showEvent(evento);
    if (FPrimeiraAtivacao && !FAtivacaoAgendada) {
        FAtivacaoAgendada = true;
        CentraNaTela(this);
        setFocus();
        // Once the window is on screen and the event loop runs, whatever the
        // window manager (or none) does about activation.
        QTimer::singleShot(0, this, [this] {
            IniciaEnvio();
            Comando(&TMainWindow::FormActivate);
        });
    }
}

void TMainWindow::FormActivate() {
    if (FPrimeiraAtivacao && FDialogos.Apresentacao) {
        FDialogos.Apresentacao->exec();
    }
    VerificaGerente();
    FPrimeiraAtivacao = false;
    FNovoJogo = true;
}

void TMainWindow::AtualizaComandos() {
    const TDesenvolvedor* d = FPainelVisao->DesenvolvedorSelecionado();
    FBtAumentaTrabalho->setEnabled(d && !d->Exausto());
    const TAtividade* a = FPainelAtividades->AtividadeSelecionada();
    FBtTempoTarefa->setEnabled(a && a->Tipo() == TipoInspecao);
}

QString TMainWindow::FormataDias(double dias) {
    return LocalAgrupado().toString(qRound64(dias));
}

QString TMainWindow::FormataCusto(double custo) {
    return LocalAgrupado().toString(custo, 'f', 2);
}

void TMainWindow::AtualizaVariaveis() {
    FLbTempoDesenvolvimento->setText(FormataDias(Projeto()->Tempo()));
    FLbCustoProjeto->setText(FormataCusto(Projeto()->Custo()));
    RepintaAtividades();
    RepintaEquipe();
}

void TMainWindow::RepintaAtividades() {
    FPainelAtividades->Repinta();
}

void TMainWindow::RepintaEquipe() {
    FPainelVisao->Atualiza();
}

void TMainWindow::BtDefineEquipeClick() {
    TDlgDefinicaoEquipe* dialogo = FDialogos.DefinicaoEquipe;
    if (!dialogo) {
        return;
    }
    dialogo->setWindowTitle(QStringLiteral("Project Team"));
    dialogo->MostraEquipe(&Projeto()->Equipe(), &FSimulador->Desenvolvedores());
    dialogo->exec();
    Projeto()->ValidarAlocacoes();
    RepintaEquipe();
}

void TMainWindow::BtAumentaTrabalhoClick() {
    TDesenvolvedor* d = FPainelVisao->DesenvolvedorSelecionado();
    TDlgNumeroHorasDesenvolvedor* dialogo = FDialogos.NumeroHoras;
    if (!d || !dialogo) {
        return;
    }
    dialogo->MostraDesenvolvedor(d);
    if (dialogo->exec() == mrOk) {
        d->SetHorasTrabalho(dialogo->NumeroHoras());
        RepintaEquipe();
    }
}

void TMainWindow::BtTempoTarefaClick() {
    TAtividade* a = FPainelAtividades->AtividadeSelecionada();
    TDlgDedicacaoAtividade* dialogo = FDialogos.DedicacaoAtividade;
    if (!a || !dialogo) {
        return;
    }
    dialogo->MostraAtividade(a);
    if (dialogo->exec() == mrOk) {
        a->SetDuracao(dialogo->Dedicacao());
        RepintaAtividades();
    }
}

void TMainWindow::BtPassaTempoClick() {
    if (FNovoJogo) {
        IncrementaPartidas();
        FNovoJogo = false;
    }
    if (Projeto()->Concluido()) {
        RegistraResultado();
        return;
    }
    if (FSimulador->ConfirmarTurno(FPergunta)) {
        FGravacao->AntesDoPasso();
        FSimulador->AvancarDia(FPainelMensagens);
        FGravacao->DepoisDoPasso();
        AtualizaVariaveis();
        emit JogoMudou();
    }
}

void TMainWindow::PainelVisaoSelect() {
    FPainelAtividades->SelecionaAtividade(nullptr);
    AtualizaComandos();
}

void TMainWindow::PainelAtividadesSelect() {
    FPainelVisao->SelecionaDesenvolvedor(nullptr);
    AtualizaComandos();
}

void TMainWindow::PainelVisaoDblClick() {
    const TDesenvolvedor* d = FPainelVisao->DesenvolvedorSelecionado();
    if (!d || !FDialogos.DetalhesDesenvolvedor) {
        return;
    }
    FDialogos.DetalhesDesenvolvedor->MostraDesenvolvedor(d);
    FDialogos.DetalhesDesenvolvedor->exec();
}

void TMainWindow::PainelAtividadesDblClick() {
    TAtividade* a = FPainelAtividades->AtividadeSelecionada();
    if (!a || !FDialogos.DetalhesAtividade) {
        return;
    }
    FDialogos.DetalhesAtividade->MostraAtividade(Projeto(), a);
    FDialogos.DetalhesAtividade->exec();
    RepintaAtividades();
}

bool TMainWindow::AreaDesenhoDragOver(QObject* source, int x, int y) const {
    return source == FPainelVisao && FPainelAtividades->AtividadeEm(x, y) != nullptr;
}

void TMainWindow::AreaDesenhoDragDrop(QObject*, int x, int y) {
    Atribui(FPainelAtividades->AtividadeEm(x, y), FPainelVisao->DesenvolvedorSelecionado());
}

void TMainWindow::Atribui(TAtividade* a, TDesenvolvedor* d) {
    if (a) {
        a->SetDesenvolvedor(d);
        RepintaAtividades();
    }
}

void TMainWindow::AtribuiPrimeiroDaEquipe() {
    TDesenvolvedor* primeiro = ItemLista(Projeto()->Equipe(), 0);
    for (int i = 0; i < Projeto()->NumeroAtividades(); ++i) {
        Projeto()->Atividade(i)->SetDesenvolvedor(primeiro);
    }
    RepintaAtividades();
}

void TMainWindow::ExecutaJogoRapido() {
    Projeto()->Equipe().append(ItemLista(FSimulador->Desenvolvedores(), 0));
    // The team panel's content height follows the list, also when no day
    // passes below (a concluded project).
    RepintaEquipe();
    AtribuiPrimeiroDaEquipe();
    for (int i = 0; i < TurnosJogoRapido; ++i) {
        BtPassaTempoClick();
    }
    RepintaAtividades();
}

void TMainWindow::Reinicia() {
    // A practice game ends here too: the next game is counted.
    setWindowTitle(QStringLiteral("Orvanta"));
    FPlanoOriginal.reset();
    FSimulador->Reiniciar();
    FPainelMensagens->LimpaMensagens();
    AtualizaVariaveis();
    AtualizaComandos();
    FNovoJogo = true;
    FGravacao->Reinicia();
    emit JogoMudou();
}

void TMainWindow::keyPressEvent(QKeyEvent* evento) {
    if (evento->key() == Qt::Key_F7) {
        Comando(&TMainWindow::Reinicia);
        return;
    }
    if (evento->key() == Qt::Key_F8) {
        AbreDebrief(*this, FDebrief, [this] { return PlanoJogoAtual(); });
        return;
    }
    const QString texto = evento->text();
    if (texto == QLatin1String("+")) {
        Comando(&TMainWindow::BtPassaTempoClick);
    } else if (texto == QLatin1String("Q")) {
        Comando(&TMainWindow::AtribuiPrimeiroDaEquipe);
    } else if (texto == QLatin1String("R")) {
        Comando(&TMainWindow::ExecutaJogoRapido);
    } else if (!TeclaNavegacao(evento)) {
        QWidget::keyPressEvent(evento);
    }
}

void TMainWindow::Comando(void (TMainWindow::*comando)()) {
    TAplicacao::ExecutaComando([this, comando] { (this->*comando)(); });
}

void TMainWindow::IncrementaPartidas() {
    // A count that cannot be read writes nothing.
    const int numero = FRegistro.ProximaPartida();
    // The game's record goes beside the record file, wherever that is, and
    // is on the disk before the count: a game killed at any moment after it
    // is counted has its record.
    FGravacao->IniciaJogo(numero, QFileInfo(FRegistro.Caminho()).absolutePath(),
                          FRegistro.Gerente());
    FGravacao->AguardaGravacoes();
    try {
        FRegistro.GravaPartidas(numero);
    } catch (...) {
        FGravacao->DesfazInicio();
        throw;
    }
}

void TMainWindow::VerificaGerente() {
    if (!FRegistro.Gerente().isEmpty()) {
        return;
    }
    QInputDialog caixa(this);
    caixa.setObjectName(QStringLiteral("CaixaGerente"));
    caixa.setWindowTitle(QStringLiteral("Manager Name"));
    caixa.setLabelText(QStringLiteral("Hello, manager. What is your name ?"));
    caixa.setTextValue(QString());
    const QString nome = caixa.exec() == QDialog::Accepted ? caixa.textValue() : QString();
    if (!nome.isEmpty()) {
        FRegistro.DefineGerente(nome);
    }
}

void TMainWindow::RegistraResultado() {
    // The record file keeps the counted games only.
    if (!FGravacao->Ramo()) {
        FRegistro.RegistraResultado(Projeto()->Custo(), Projeto()->Tempo());
    }
    FGravacao->RegistraResultado();
    EnviaResultado();
    emit JogoMudou();
    if (FDialogos.ProjetoConcluido) {
        FDialogos.ProjetoConcluido->exec();
    }
}

void TMainWindow::DefineAvisoGravacao(TGravacaoJogo::TAviso aviso) {
    if (!aviso) {
        aviso = [this](const QString& mensagem) {
            QMessageBox::warning(this, QApplication::applicationDisplayName(), mensagem);
        };
    }
    FGravacao->DefineAviso(std::move(aviso));
}

TPlano TMainWindow::PlanoJogoAtual() const {
    return FGravacao->Plano();
}
