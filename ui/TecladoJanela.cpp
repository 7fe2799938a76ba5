#include "JanelaPrincipal.h"

#include "Aplicacao.h"
#include "NavegacaoTeclado.h"
#include "controls/CommandButton.h"
#include "controls/PainelVisao.h"
#include "dialogs/DTeclas.h"
#include "model/mProjeto.h"
#include "ui/PainelTarefas.h"

#include <QApplication>
#include <QKeyEvent>
#include <functional>

// The main window's keys besides "+", "Q", "R", F7 and F8, so that a player
// without a mouse can play every game: the selections move among the
// activities and the team members, and are shown as a press shows them; Enter
// and Delete assign as a drop does; the commands and the details open through
// the buttons' and the panels' own handlers.

namespace {

using TDirecao = TNavegacaoTeclado::TDirecao;

// Every key of the main window, as its help lists them.
QList<TTeclaAjuda> TeclasJanela() {
    const auto t = [](const char* tecla, const char* acao) {
        return TTeclaAjuda{QString::fromUtf8(tecla), QString::fromUtf8(acao)};
    };
    return {
        t("Arrow keys", "Select the next activity that way on the chart"),
        t("Tab, Shift+Tab", "Select the next or previous activity, row by row"),
        t("Home, End", "Select the first or last activity"),
        t("Page Down, Page Up", "Select the next or previous team member"),
        t("Enter", "Put the selected team member on the selected activity"),
        t("Delete", "Take the developer off the selected activity"),
        t("Alt+D", "Define Team"),
        t("Alt+W", "Work Hours of the selected team member"),
        t("Alt+T", "Task Time of the selected inspection"),
        t("Alt+A", "Details of the selected activity"),
        t("Alt+M", "Details of the selected team member"),
        t("+", "Next Turn: play one project day"),
        t("Q", "Give every activity the team's first member (capital Q)"),
        t("R", "Add the pool's first developer to the team, give him every activity, "
               "play 26 days (capital R)"),
        t("F7", "Start the game again"),
        t("F8", "Open the debrief: charts of the game so far"),
        t("F9", "Join a class: each finished game's record is sent to the teacher's server"),
        t("F1", "This list of keys"),
        t("In a dialog", "Tab: the next control; Space: press the button; "
                         "Enter: Ok (or the button); Esc: Cancel"),
    };
}

} // namespace

bool TMainWindow::focusNextPrevChild(bool) {
    return false;
}

bool TMainWindow::TeclaNavegacao(const QKeyEvent* evento) {
    const Qt::KeyboardModifiers modificadores = evento->modifiers() & ~Qt::KeypadModifier;
    const QList<TAtividade*>& atividades = Projeto()->Atividades();
    TAtividade* atividade = FPainelAtividades->AtividadeSelecionada();
    TDesenvolvedor* membro = FPainelVisao->DesenvolvedorSelecionado();
    const auto vizinha = [&](TDirecao direcao) {
        return [this, &atividades, atividade, direcao] {
            SelecionaAtividadeTeclado(TNavegacaoTeclado::Vizinha(atividades, atividade, direcao));
        };
    };
    const auto seguinte = [&](int passo) {
        return [this, &atividades, atividade, passo] {
            SelecionaAtividadeTeclado(TNavegacaoTeclado::Seguinte(atividades, atividade, passo));
        };
    };
    const auto extremo = [&](bool ultima) {
        return [this, &atividades, ultima] {
            SelecionaAtividadeTeclado(TNavegacaoTeclado::Extremo(atividades, ultima));
        };
    };
    const auto outroMembro = [&](int passo) {
        return [this, membro, passo] {
            SelecionaMembroTeclado(
                TNavegacaoTeclado::MembroSeguinte(Projeto()->Equipe(), membro, passo));
        };
    };
    // The details open only for a selection, as a double click does.
    const auto detalhes = [this](bool selecionado, void (TMainWindow::*comando)()) {
        return [this, selecionado, comando] {
            if (selecionado) {
                (this->*comando)();
            } else {
                QApplication::beep();
            }
        };
    };

    std::function<void()> acao;
    if (modificadores == Qt::AltModifier) {
        switch (evento->key()) {
        case Qt::Key_D:
            acao = [this] { AcionaBotao(FBtDefineEquipe); };
            break;
        case Qt::Key_W:
            acao = [this] { AcionaBotao(FBtAumentaTrabalho); };
            break;
        case Qt::Key_T:
            acao = [this] { AcionaBotao(FBtTempoTarefa); };
            break;
        case Qt::Key_A:
            acao = detalhes(atividade != nullptr, &TMainWindow::PainelAtividadesDblClick);
            break;
        case Qt::Key_M:
            acao = detalhes(membro != nullptr, &TMainWindow::PainelVisaoDblClick);
            break;
        default:
            break;
        }
    } else if (evento->key() == Qt::Key_Backtab &&
               (modificadores == Qt::ShiftModifier || modificadores == Qt::NoModifier)) {
        acao = seguinte(-1);
    } else if (modificadores == Qt::NoModifier) {
        switch (evento->key()) {
        case Qt::Key_Left:
            acao = vizinha(TDirecao::Esquerda);
            break;
        case Qt::Key_Right:
            acao = vizinha(TDirecao::Direita);
            break;
        case Qt::Key_Up:
            acao = vizinha(TDirecao::Cima);
            break;
        case Qt::Key_Down:
            acao = vizinha(TDirecao::Baixo);
            break;
        case Qt::Key_Tab:
            acao = seguinte(1);
            break;
        case Qt::Key_Home:
            acao = extremo(false);
            break;
        case Qt::Key_End:
            acao = extremo(true);
            break;
        case Qt::Key_PageDown:
            acao = outroMembro(1);
            break;
        case Qt::Key_PageUp:
            acao = outroMembro(-1);
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            acao = [this] { AtribuiSelecionado(); };
            break;
        case Qt::Key_Delete:
            acao = [this] { LimpaSelecionada(); };
            break;
        case Qt::Key_F1:
            acao = [this] { MostraTeclas(); };
            break;
        case Qt::Key_F9:
            acao = [this] { MostraTurma(); };
            break;
        default:
            break;
        }
    }
    if (!acao) {
        return false;
    }
    TAplicacao::ExecutaComando(acao);
    return true;
}

// Shown as a press on the circle shows it, and scrolled into view; the
// team panel keeps its selection, so that Enter has both.
void TMainWindow::SelecionaAtividadeTeclado(TAtividade* a) {
    if (!a) {
        QApplication::beep();
        return;
    }
    FPainelAtividades->SelecionaAtividade(a);
    FPainelAtividades->MostraAtividade(a);
    AtualizaComandos();
}

void TMainWindow::SelecionaMembroTeclado(TDesenvolvedor* d) {
    if (!d) {
        QApplication::beep();
        return;
    }
    FPainelVisao->SelecionaDesenvolvedor(d);
    FPainelVisao->MostraDesenvolvedor(d);
    AtualizaComandos();
}

// A member who has left the team stays selected, but only members are
// assigned, as only they can be dragged.
void TMainWindow::AtribuiSelecionado() {
    TAtividade* a = FPainelAtividades->AtividadeSelecionada();
    TDesenvolvedor* d = FPainelVisao->DesenvolvedorSelecionado();
    if (!a || !d || !Projeto()->Equipe().contains(d)) {
        QApplication::beep();
        return;
    }
    Atribui(a, d);
}

void TMainWindow::LimpaSelecionada() {
    TAtividade* a = FPainelAtividades->AtividadeSelecionada();
    if (!a) {
        QApplication::beep();
        return;
    }
    Atribui(a, nullptr);
}

void TMainWindow::AcionaBotao(TCommandButton* botao) {
    if (!botao->isEnabled() || !botao->OnClick) {
        QApplication::beep();
        return;
    }
    botao->OnClick(botao);
}

void TMainWindow::MostraTeclas() {
    if (!FTeclas) {
        FTeclas = new TDlgTeclas(this);
        FTeclas->MostraTeclas(TeclasJanela());
    }
    FTeclas->exec();
}
