// The main window's commands that open the player's dialogs: Define Team, Work
// Hours, Task Time and the two detail sheets opened by double clicks.
#include "Cenario.h"
#include "JogoTeste.h"
#include "RoboModal.h"
#include "controls/PainelVisao.h"
#include "dialogs/DDedicacaoAtividade.h"
#include "dialogs/DDefineEquipe.h"
#include "dialogs/DDetalheAtividade.h"
#include "dialogs/DDetalheDesenvolvedor.h"
#include "dialogs/DNumeroHoras.h"
#include "dialogs/EdInteiro.h"
#include "model/mDesenvolvedor.h"
#include "model/mSimulador.h"
#include "ui/Formularios.h"

#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QtTest>

namespace {

// Types texto over the field's whole text, then presses tecla in it.
void DigitaEFecha(TEdInteiro* campo, const QString& texto, Qt::Key tecla) {
    QLineEdit* edicao = campo->Edicao();
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

    void defineEquipeAlternaEDerrubaAlocacoes() {
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
        FJogo->Janela->BtDefineEquipeClick();
        QCOMPARE(robo.Vistos, QStringList({QStringLiteral("TDlgDefinicaoEquipe")}));
        // Assignments of who left are dropped when the dialog closes.
        QCOMPARE(durante, Pool(0));
        QCOMPARE(projeto->Equipe(), QList<TDesenvolvedor*>({Pool(1), Pool(2)}));
        QCOMPARE(projeto->Atividade(0)->Desenvolvedor(), nullptr);
        QCOMPARE(projeto->Atividade(2)->Desenvolvedor(), nullptr);
        QCOMPARE(projeto->Atividade(1)->Desenvolvedor(), Pool(1));
    }

    void horasTrabalho_data() {
        QTest::addColumn<QString>("digitado");
        QTest::addColumn<int>("tecla");
        QTest::addColumn<double>("horas");
        QTest::newRow("15 Enter") << "15" << int(Qt::Key_Return) << 12.0;
        QTest::newRow("empty Enter") << "" << int(Qt::Key_Enter) << 8.0;
        QTest::newRow("10 Esc") << "10" << int(Qt::Key_Escape) << 9.0;
    }

    void horasTrabalho() {
        QFETCH(QString, digitado);
        QFETCH(int, tecla);
        QFETCH(double, horas);
        TDesenvolvedor* d = Pool(2);
        d->SetHorasTrabalho(9.0);
        FJogo->Projeto()->Equipe() = {d};
        FJogo->Janela->PainelVisao()->SelecionaDesenvolvedor(d);
        QString aberto;
        TRoboModal robo([&](QWidget* modal) {
            if (auto* dialogo = qobject_cast<TDlgNumeroHorasDesenvolvedor*>(modal)) {
                aberto = dialogo->EdNumeroHoras()->Texto();
                DigitaEFecha(dialogo->EdNumeroHoras(), digitado, Qt::Key(tecla));
            }
            if (modal->isVisible())
                TRoboModal::Fecha(modal);
        });
        FJogo->Janela->BtAumentaTrabalhoClick();
        QCOMPARE(robo.Contagem("TDlgNumeroHorasDesenvolvedor"), 1);
        QCOMPARE(aberto, QStringLiteral("9"));
        QCOMPARE(d->HorasTrabalho(), horas);
    }

    void tempoTarefa_data() {
        QTest::addColumn<QString>("digitado"); // empty: confirm unchanged
        QTest::addColumn<int>("tecla");
        QTest::addColumn<double>("duracao");
        QTest::newRow("unchanged Enter") << "" << int(Qt::Key_Return) << 1.25;
        QTest::newRow("999 Enter") << "999" << int(Qt::Key_Return) << 25.0;
        QTest::newRow("12 Esc") << "12" << int(Qt::Key_Escape) << 1.3;
    }

    void tempoTarefa() {
        QFETCH(QString, digitado);
        QFETCH(int, tecla);
        QFETCH(double, duracao);
        TAtividade* inspecao = PrimeiraDoTipo(FJogo->Projeto(), TipoInspecao);
        inspecao->SetDuracao(1.3);
        FJogo->Janela->PainelAtividades()->SelecionaAtividade(inspecao);
        QString aberto;
        TRoboModal robo([&](QWidget* modal) {
            if (auto* dialogo = qobject_cast<TDlgDedicacaoAtividade*>(modal)) {
                aberto = dialogo->EdNumeroHoras()->Texto();
                if (digitado.isEmpty())
                    QTest::keyClick(dialogo->EdNumeroHoras()->Edicao(), Qt::Key(tecla));
                else
                    DigitaEFecha(dialogo->EdNumeroHoras(), digitado, Qt::Key(tecla));
            }
            if (modal->isVisible())
                TRoboModal::Fecha(modal);
        });
        FJogo->Janela->BtTempoTarefaClick();
        QCOMPARE(robo.Contagem("TDlgDedicacaoAtividade"), 1);
        QCOMPARE(aberto, QStringLiteral("10"));
        QCOMPARE(inspecao->Duracao(), duracao);
    }

    void detalhes() {
        TAtividade* a = FJogo->Atividade(3);
        a->SetDesenvolvedor(Pool(4));
        FJogo->Janela->PainelAtividades()->SelecionaAtividade(a);
        FJogo->Projeto()->Equipe() = {Pool(5)};
        FJogo->Janela->PainelVisao()->SelecionaDesenvolvedor(Pool(5));
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
            if (modal->isVisible())
                TRoboModal::Fecha(modal);
        });
        FJogo->Janela->PainelAtividadesDblClick();
        FJogo->Janela->PainelVisaoDblClick();
        QCOMPARE(robo.Vistos, QStringList({QStringLiteral("TDlgDetalhesAtividade"),
                                           QStringLiteral("TDlgDetalhesDesenvolvedor")}));
        QCOMPARE(nomes, QStringList({a->Nome(), Pool(5)->Nome()}));
        QVERIFY(!fechouComEnter);
        QCOMPARE(a->Desenvolvedor(), Pool(4));
        QCOMPARE(humor, QStringLiteral("I am fine, thanks."));
    }

    void semSelecaoNadaAbre() {
        TRoboModal robo;
        FJogo->Janela->PainelAtividades()->SelecionaAtividade(nullptr);
        FJogo->Janela->PainelVisao()->SelecionaDesenvolvedor(nullptr);
        FJogo->Janela->PainelAtividadesDblClick();
        FJogo->Janela->PainelVisaoDblClick();
        FJogo->Janela->BtAumentaTrabalhoClick();
        FJogo->Janela->BtTempoTarefaClick();
        QTest::qWait(20);
        QVERIFY(robo.Vistos.isEmpty());
    }
};

QTEST_MAIN(TstComandosDialogos)
#include "tst_comandos_dialogos.moc"
