// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's commands that open the player's dialogs: Define Team, Work
// Hours, Task Time and the two detail sheets opened by double clicks.
#include "controls/PainelVisao.h"
#include "dialogs/DDedicacaoAtividade.h"
#include "dialogs/DDefineEquipe.h"
#include "dialogs/DDetalheAtividade.h"
#include "dialogs/DDetalheDesenvolvedor.h"
#include "dialogs/DNumeroHoras.h"
#include "dialogs/EdInteiro.h"
#include "model/mDesenvolvedor.h"
#include "model/mSimulador.h"
#include "tests/apoio/Cenario.h"
#include "tests/apoio/JogoTeste.h"
#include "tests/apoio/RoboModal.h"
#include "ui/Formularios.h"

#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QtTest>

namespace {

// Types texto over the field's whole text (none when null), then presses tecla in it.
void DigitaEFecha(TEdInteiro* campo, const QString& texto, Qt::Key tecla) {
    QLineEdit* edicao = campo->Edicao();
    if (texto.isNull()) {
        QTest::keyClick(edicao, tecla);
        return;
    }
    edicao->selectAll();
    QTest::keyClick(edicao, Qt::Key_Backspace);
    QTest::keyClicks(edicao, texto);
    QTest::keyClick(edicao, tecla);
}

} // namespace

class TstComandosDialogos : public QObject {
    Q_OBJECT

    TDesenvolvedor* Pool(int i) const {
        return FJogo->Janela->Simulador()->Desenvolvedores().at(i);
    }
    std::unique_ptr<TJogoTeste> FJogo;

private slots:
    void init() {
        FJogo = std::make_unique<TJogoTeste>();
        FJogo->Prepara(CriaFormularios());
        QVERIFY(FJogo->Janela->Dialogos().DefinicaoEquipe);
    }

    void cleanup() { FJogo.reset(); }

    // guards against lost team changes, or activities kept by developers who left
    void DefiningTheTeamTogglesMembersAndDropsTheLeaversAssignments() {
        TProjetoSoftware* projeto = FJogo->Projeto();
        projeto->Equipe() = {Pool(0), Pool(1)};
        projeto->Atividade(0)->SetDesenvolvedor(Pool(0));
        projeto->Atividade(1)->SetDesenvolvedor(Pool(1));
        projeto->Atividade(2)->SetDesenvolvedor(Pool(0));
        TDesenvolvedor* durante = nullptr;
        TRoboModal robo([&](QWidget* modal) {
            if (auto* dialogo = qobject_cast<TDlgDefinicaoEquipe*>(modal)) {
                QTest::keyClick(dialogo->GrTodos(), Qt::Key_Space); // row 0 leaves
                durante = projeto->Atividade(0)->Desenvolvedor();
                QTest::keyClick(dialogo->GrTodos(), Qt::Key_Down);
                QTest::keyClick(dialogo->GrTodos(), Qt::Key_Down);
                QTest::keyClick(dialogo->GrTodos(), Qt::Key_Space); // row 2 joins
                QTest::keyClick(dialogo->GrTodos(), Qt::Key_Return);
            }
            TRoboModal::Fecha(modal);
        });
        FJogo->Clica("BtDefineEquipe");
        QCOMPARE(robo.Vistos, QStringList({QStringLiteral("TDlgDefinicaoEquipe")}));
        // Assignments of who left are dropped when the dialog closes.
        QCOMPARE(durante, Pool(0));
        QCOMPARE(projeto->Equipe(), QList<TDesenvolvedor*>({Pool(1), Pool(2)}));
        QCOMPARE(projeto->Atividade(0)->Desenvolvedor(), nullptr);
        QCOMPARE(projeto->Atividade(2)->Desenvolvedor(), nullptr);
        QCOMPARE(projeto->Atividade(1)->Desenvolvedor(), Pool(1));
    }

    void TheHoursDialogsSetWhatIsTypedOrLeaveItOnCancel_data() {
        QTest::addColumn<bool>("tarefa");      // Task Time, or else Work Hours
        QTest::addColumn<QString>("digitado"); // null: confirm unchanged
        QTest::addColumn<int>("tecla");
        QTest::addColumn<double>("valor");
        QTest::newRow("hours 15 Enter") << false << "15" << int(Qt::Key_Return) << 12.0;
        QTest::newRow("hours empty Enter") << false << "" << int(Qt::Key_Enter) << 8.0;
        QTest::newRow("hours 10 Esc") << false << "10" << int(Qt::Key_Escape) << 9.0;
        QTest::newRow("task unchanged Enter") << true << QString() << int(Qt::Key_Return) << 1.25;
        QTest::newRow("task 999 Enter") << true << "999" << int(Qt::Key_Return) << 25.0;
        QTest::newRow("task 12 Esc") << true << "12" << int(Qt::Key_Escape) << 1.3;
    }
    // guards against hours changed by a cancelled dialog, or unchanged by a confirmed one
    void TheHoursDialogsSetWhatIsTypedOrLeaveItOnCancel() {
        QFETCH(bool, tarefa);
        QFETCH(QString, digitado);
        QFETCH(int, tecla);
        QFETCH(double, valor);
        TDesenvolvedor* d = Pool(2);
        d->SetHorasTrabalho(9.0);
        FJogo->Projeto()->Equipe() = {d};
        FJogo->PainelVisao()->SelecionaDesenvolvedor(d);
        TAtividade* inspecao = PrimeiraDoTipo(FJogo->Projeto(), TipoInspecao);
        inspecao->SetDuracao(1.3);
        FJogo->PainelAtividades()->SelecionaAtividade(inspecao);
        QString aberto;
        TRoboModal robo([&](QWidget* modal) {
            TEdInteiro* campo = nullptr;
            if (auto* horas = qobject_cast<TDlgNumeroHorasDesenvolvedor*>(modal)) {
                campo = horas->EdNumeroHoras();
            } else if (auto* dedicacao = qobject_cast<TDlgDedicacaoAtividade*>(modal)) {
                campo = dedicacao->EdNumeroHoras();
            }
            if (campo) {
                aberto = campo->Texto();
                DigitaEFecha(campo, digitado, Qt::Key(tecla));
            }
            if (modal->isVisible()) {
                TRoboModal::Fecha(modal);
            }
        });
        if (tarefa) {
            FJogo->Clica("BtTempoTarefa");
        } else {
            FJogo->Clica("BtAumentaTrabalho");
        }
        QCOMPARE(robo.Vistos.size(), 1);
        QCOMPARE(aberto, QLatin1String(tarefa ? "10" : "9"));
        QCOMPARE(tarefa ? inspecao->Duracao() : d->HorasTrabalho(), valor);
    }

    // guards against details of another activity or developer than the one double-clicked
    void ADoubleClickOpensTheDetailsOfTheSelection() {
        TAtividade* a = FJogo->Atividade(3);
        a->SetDesenvolvedor(Pool(4));
        FJogo->PainelAtividades()->SelecionaAtividade(a);
        FJogo->Projeto()->Equipe() = {Pool(5)};
        FJogo->PainelVisao()->SelecionaDesenvolvedor(Pool(5));
        QStringList nomes;
        QString humor;
        bool fechouComEnter = false;
        TRoboModal robo([&](QWidget* modal) {
            if (auto* dialogo = qobject_cast<TDlgDetalhesAtividade*>(modal)) {
                nomes << dialogo->LbNome()->text();
                QTest::keyClick(dialogo, Qt::Key_Return);
                fechouComEnter = !dialogo->isVisible();
            } else if (auto* dialogo = qobject_cast<TDlgDetalhesDesenvolvedor*>(modal)) {
                nomes << dialogo->LbNome()->text();
                humor = dialogo->LbExaustao()->text();
            }
            QTest::keyClick(modal, Qt::Key_Escape);
            if (modal->isVisible()) {
                TRoboModal::Fecha(modal);
            }
        });
        TJogoTeste::DuploClique(FJogo->PainelAtividades());
        TJogoTeste::DuploClique(FJogo->PainelVisao());
        QCOMPARE(robo.Vistos, QStringList({QStringLiteral("TDlgDetalhesAtividade"),
                                           QStringLiteral("TDlgDetalhesDesenvolvedor")}));
        QCOMPARE(nomes, QStringList({a->Nome(), Pool(5)->Nome()}));
        QVERIFY(!fechouComEnter);
        QCOMPARE(a->Desenvolvedor(), Pool(4));
        QCOMPARE(humor, QStringLiteral("I am fine, thanks."));
    }

    // guards against a dialog opened for nobody, which would dereference a missing selection
    void WithoutASelectionNoDialogOpens() {
        TRoboModal robo;
        FJogo->PainelAtividades()->SelecionaAtividade(nullptr);
        FJogo->PainelVisao()->SelecionaDesenvolvedor(nullptr);
        TJogoTeste::DuploClique(FJogo->PainelAtividades());
        TJogoTeste::DuploClique(FJogo->PainelVisao());
        FJogo->Clica("BtAumentaTrabalho");
        FJogo->Clica("BtTempoTarefa");
        QTest::qWait(20);
        QVERIFY(robo.Vistos.isEmpty());
    }
};

QTEST_MAIN(TstComandosDialogos)
#include "tst_comandos_dialogos.moc"
