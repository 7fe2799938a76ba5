// The main window's keys beyond the specified ones: where they move the two
// selections on the scenario's chart and team, assigning and clearing with
// Enter and Delete, the commands' keys under the buttons' rules, the keys'
// help; Tab, Enter and Esc in the dialogs; Esc in the debrief.
#include "JogoTeste.h"
#include "RoboModal.h"
#include "controls/CommandButton.h"
#include "debrief/JanelaDebrief.h"
#include "dialogs/DApresentacao.h"
#include "dialogs/DDedicacaoAtividade.h"
#include "dialogs/DDefineEquipe.h"
#include "dialogs/DDetalheAtividade.h"
#include "dialogs/DNumeroHoras.h"
#include "dialogs/DTeclas.h"
#include "dialogs/EdInteiro.h"
#include "dialogs/ResultadoModal.h"
#include "model/mDesenvolvedor.h"
#include "ui/Aplicacao.h"
#include "ui/Formularios.h"

#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QtTest>
#include <memory>

namespace {

void Exaure(TDesenvolvedor* d) {
    d->SetHorasTrabalho(12);
    for (int dia = 1; dia < 200 && !d->Exausto(); ++dia) {
        d->AtualizarDia(true, true, nullptr, 1.0, dia);
    }
}

} // namespace

class TstTeclado : public QObject {
    Q_OBJECT

    QStringList FErros;

    // A shown main window with all its dialogs after its first activation,
    // and pool developers in its team.
    void Abre(TJogoTeste& jogo, std::initializer_list<int> equipe = {}) {
        jogo.Prepara(CriaFormularios());
        {
            TRoboModal fecha;
            jogo.Janela->show();
            QTRY_VERIFY(!jogo.Janela->PrimeiraAtivacao());
        }
        for (int i : equipe) {
            jogo.Projeto()->Equipe().append(Pool(jogo, i));
        }
        jogo.PainelVisao()->Atualiza();
    }
    static TDesenvolvedor* Pool(TJogoTeste& jogo, int i) {
        return jogo.Janela->Simulador()->Desenvolvedores().at(i);
    }
    static void Tecla(TJogoTeste& jogo, Qt::Key tecla, Qt::KeyboardModifiers m = {}) {
        QTest::keyClick(jogo.Janela.get(), tecla, m);
    }
    static int Selecionada(TJogoTeste& jogo) {
        return int(jogo.Projeto()->Atividades().indexOf(
            jogo.PainelAtividades()->AtividadeSelecionada()));
    }

private slots:
    void initTestCase() {
        TAplicacao::DefineExibicaoErro([this](const QString& m) { FErros.append(m); });
    }
    void init() {
        FErros.clear();
        QLocale::setDefault(QLocale::c());
    }

    void ChartKeysFollowTheChartAndScrollTheSelectionIntoView_data();
    void ChartKeysFollowTheChartAndScrollTheSelectionIntoView();
    void PageKeysWalkTheTeamOnceEachAndStopAtTheEnds();
    void EnterAndDeleteAssignAsADropDoes();
    void CommandKeysOpenOnlyWhatTheButtonsAndPanelsWould_data();
    void CommandKeysOpenOnlyWhatTheButtonsAndPanelsWould();
    void F1ListsTheKeysAndTheSpecifiedKeysStayAsTheyAre();
    void DialogsAnswerTabEnterAndEsc_data();
    void DialogsAnswerTabEnterAndEsc();
    void EscClosesTheDebrief();
};

void TstTeclado::ChartKeysFollowTheChartAndScrollTheSelectionIntoView_data() {
    QTest::addColumn<int>("de"); // activity, -1 for none
    QTest::addColumn<int>("tecla");
    QTest::addColumn<int>("modificador");
    QTest::addColumn<int>("para"); // the selection after the key
    // The chart: use cases 0 1 2 on the first row, the architecture 3 alone
    // in the middle of the second, then designs, inspections, codings and
    // tests in rows of three (x 100, 300, 450; y 250 to 550).
    const int nada = Qt::NoModifier;
    QTest::newRow("an arrow from none") << -1 << int(Qt::Key_Right) << nada << 0;
    QTest::newRow("right along a row") << 0 << int(Qt::Key_Right) << nada << 1;
    QTest::newRow("past the row's end") << 2 << int(Qt::Key_Right) << nada << 2;
    QTest::newRow("down a column") << 0 << int(Qt::Key_Down) << nada << 4;
    QTest::newRow("down the middle") << 1 << int(Qt::Key_Down) << nada << 3;
    QTest::newRow("up to the middle") << 5 << int(Qt::Key_Up) << nada << 3;
    QTest::newRow("up a side column") << 6 << int(Qt::Key_Up) << nada << 2;
    QTest::newRow("left of the middle") << 3 << int(Qt::Key_Left) << nada << 0;
    QTest::newRow("down to the tests") << 12 << int(Qt::Key_Down) << nada << 15;
    QTest::newRow("below the tests") << 15 << int(Qt::Key_Down) << nada << 15;
    QTest::newRow("Tab from none") << -1 << int(Qt::Key_Tab) << nada << 0;
    QTest::newRow("Tab on") << 3 << int(Qt::Key_Tab) << nada << 4;
    QTest::newRow("Tab round") << 15 << int(Qt::Key_Tab) << nada << 0;
    QTest::newRow("Shift+Tab from none")
        << -1 << int(Qt::Key_Backtab) << int(Qt::ShiftModifier) << 15;
    QTest::newRow("Shift+Tab round") << 0 << int(Qt::Key_Backtab) << int(Qt::ShiftModifier) << 15;
    QTest::newRow("Home") << 12 << int(Qt::Key_Home) << nada << 0;
    QTest::newRow("End") << 0 << int(Qt::Key_End) << nada << 15;
    QTest::newRow("Ctrl+Down does nothing") << 0 << int(Qt::Key_Down) << int(Qt::ControlModifier)
                                            << 0;
}
// guards against keys that jump across the chart, stick, or select out of sight
void TstTeclado::ChartKeysFollowTheChartAndScrollTheSelectionIntoView() {
    QFETCH(int, de);
    QFETCH(int, tecla);
    QFETCH(int, modificador);
    QFETCH(int, para);
    TJogoTeste jogo;
    Abre(jogo, {2});
    TPainelAtividades* grafico = jogo.PainelAtividades();
    jogo.ClicaDesenvolvedor(0);
    grafico->SelecionaAtividade(de >= 0 ? jogo.Atividade(de) : nullptr);
    Tecla(jogo, Qt::Key(tecla), Qt::KeyboardModifiers(modificador));
    QCOMPARE(Selecionada(jogo), para);
    // The team panel keeps its selection, and the buttons follow both.
    QCOMPARE(jogo.PainelVisao()->DesenvolvedorSelecionado(), Pool(jogo, 2));
    QVERIFY(jogo.Botao("BtAumentaTrabalho")->isEnabled());
    QCOMPARE(jogo.Botao("BtTempoTarefa")->isEnabled(), jogo.Atividade(para)->Tipo() == 5);
    // The selected circle lies inside the drawing area, painted aqua.
    if (para != de) {
        const int y = jogo.Atividade(para)->PosicaoY() - grafico->Deslocamento();
        QVERIFY2(y - 30 >= 0 && y + 30 < grafico->AreaDesenho()->height(),
                 qPrintable(QString::number(y)));
        const QImage quadro = grafico->AreaDesenho()->grab().toImage();
        QCOMPARE(quadro.pixel(jogo.Atividade(para)->PosicaoX() - 20, y), qRgb(0, 255, 255));
    }
}

// guards against Page keys that loop between a member listed twice, or wrap round
void TstTeclado::PageKeysWalkTheTeamOnceEachAndStopAtTheEnds() {
    TJogoTeste jogo;
    // "R" twice puts the same developer in the team twice; eight cards
    // overflow the panel.
    Abre(jogo, {0, 2, 0, 5, 1, 3, 4, 6});
    TPainelVisao* painel = jogo.PainelVisao();
    jogo.ClicaAtividade(4);
    QList<int> visitados;
    for (int i = 0; i < 8; ++i) {
        Tecla(jogo, Qt::Key_PageDown);
        visitados.append(int(jogo.Janela->Simulador()->Desenvolvedores().indexOf(
            painel->DesenvolvedorSelecionado())));
        // The card is scrolled into view.
        const int linha = int(jogo.Projeto()->Equipe().indexOf(painel->DesenvolvedorSelecionado()));
        QVERIFY(80 * linha >= painel->Deslocamento());
        QVERIFY(80 * linha + 80 <= painel->Deslocamento() + painel->AreaDesenho()->height());
    }
    QCOMPARE(visitados, (QList<int>{0, 2, 5, 1, 3, 4, 6, 6}));
    // The chart keeps its selection.
    QCOMPARE(Selecionada(jogo), 4);
    Tecla(jogo, Qt::Key_PageUp);
    QCOMPARE(painel->DesenvolvedorSelecionado(), Pool(jogo, 4));
    painel->SelecionaDesenvolvedor(nullptr);
    Tecla(jogo, Qt::Key_PageUp);
    QCOMPARE(painel->DesenvolvedorSelecionado(), Pool(jogo, 6));
}

// guards against Enter or Delete that assign otherwise than a drop, or assign someone not in the team
void TstTeclado::EnterAndDeleteAssignAsADropDoes() {
    TJogoTeste jogo;
    Abre(jogo, {0, 3});
    TAtividade* a = jogo.Atividade(5);
    // Enter with only one of the two selections does nothing.
    Tecla(jogo, Qt::Key_PageDown);
    Tecla(jogo, Qt::Key_Return);
    QCOMPARE(a->Desenvolvedor(), nullptr);
    jogo.ClicaAtividade(5);
    QCOMPARE(jogo.PainelVisao()->DesenvolvedorSelecionado(), nullptr);
    Tecla(jogo, Qt::Key_Return);
    QCOMPARE(a->Desenvolvedor(), nullptr);
    // Both: the member takes the activity, replacing whoever had it, as a
    // drop of his card there would.
    a->SetDesenvolvedor(Pool(jogo, 5));
    Tecla(jogo, Qt::Key_PageDown);
    Tecla(jogo, Qt::Key_PageDown);
    Tecla(jogo, Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(a->Desenvolvedor(), Pool(jogo, 3));
    jogo.PainelAtividades()->Repinta();
    // Delete takes him off, as a drop of nobody would.
    Tecla(jogo, Qt::Key_Delete);
    QCOMPARE(a->Desenvolvedor(), nullptr);
    // A member who has left the team is still shown selected, but not assigned.
    jogo.Projeto()->Equipe().removeLast();
    Tecla(jogo, Qt::Key_Return);
    QCOMPARE(a->Desenvolvedor(), nullptr);
    QVERIFY(FErros.isEmpty());
}

void TstTeclado::CommandKeysOpenOnlyWhatTheButtonsAndPanelsWould_data() {
    QTest::addColumn<int>("tecla");
    QTest::addColumn<int>("atividade"); // selected by a press; -1 none
    QTest::addColumn<int>("membro");    // team member selected by Page Down; -1 none
    QTest::addColumn<bool>("exausto");
    QTest::addColumn<QString>("dialogo"); // empty: none opens
    QTest::newRow("Alt+D") << int(Qt::Key_D) << -1 << -1 << false << "TDlgDefinicaoEquipe";
    QTest::newRow("Alt+W, nobody") << int(Qt::Key_W) << 3 << -1 << false << "";
    QTest::newRow("Alt+W") << int(Qt::Key_W) << 3 << 0 << false
                           << "TDlgNumeroHorasDesenvolvedor";
    QTest::newRow("Alt+W, exhausted") << int(Qt::Key_W) << -1 << 0 << true << "";
    QTest::newRow("Alt+T, a design") << int(Qt::Key_T) << 4 << 0 << false << "";
    QTest::newRow("Alt+T, an inspection")
        << int(Qt::Key_T) << 7 << 0 << false << "TDlgDedicacaoAtividade";
    QTest::newRow("Alt+A, none") << int(Qt::Key_A) << -1 << 0 << false << "";
    QTest::newRow("Alt+A") << int(Qt::Key_A) << 2 << -1 << false << "TDlgDetalhesAtividade";
    QTest::newRow("Alt+M, none") << int(Qt::Key_M) << 2 << -1 << false << "";
    QTest::newRow("Alt+M") << int(Qt::Key_M) << -1 << 0 << true << "TDlgDetalhesDesenvolvedor";
}
// guards against a key that opens a command its button would refuse, or a sheet of nothing
void TstTeclado::CommandKeysOpenOnlyWhatTheButtonsAndPanelsWould() {
    QFETCH(int, tecla);
    QFETCH(int, atividade);
    QFETCH(int, membro);
    QFETCH(bool, exausto);
    QFETCH(QString, dialogo);
    TJogoTeste jogo;
    Abre(jogo, {1});
    if (exausto) {
        Exaure(Pool(jogo, 1));
    }
    if (atividade >= 0) {
        jogo.ClicaAtividade(atividade);
    }
    if (membro >= 0) {
        Tecla(jogo, Qt::Key_PageDown);
    }
    TRoboModal robo;
    Tecla(jogo, Qt::Key(tecla), Qt::AltModifier);
    QCOMPARE(robo.Vistos, dialogo.isEmpty() ? QStringList() : QStringList{dialogo});
    QVERIFY(FErros.isEmpty());
}

// guards against a help that forgets a key, and new keys that change "+", "Q" or "R"
void TstTeclado::F1ListsTheKeysAndTheSpecifiedKeysStayAsTheyAre() {
    TJogoTeste jogo;
    Abre(jogo, {0});
    // Tab moves the chart's selection, never the focus.
    jogo.Janela->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(jogo.Janela.get()));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), jogo.Janela.get());
    QCOMPARE(Selecionada(jogo), 0);
    QStringList teclas;
    TRoboModal robo([&teclas](QWidget* modal) {
        modal->activateWindow();
        if (auto* ajuda = qobject_cast<TDlgTeclas*>(modal);
            ajuda && QTest::qWaitForWindowActive(ajuda)) {
            for (QLabel* rotulo : ajuda->RotulosTeclas()) {
                teclas.append(rotulo->text());
            }
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        }
    });
    Tecla(jogo, Qt::Key_F1);
    QCOMPARE(robo.Vistos, QStringList{QStringLiteral("TDlgTeclas")});
    for (const char* tecla : {"Arrow keys", "Tab, Shift+Tab", "Home, End", "Page Down, Page Up",
                              "Enter", "Delete", "Alt+D", "Alt+W", "Alt+T", "Alt+A", "Alt+M",
                              "+", "Q", "R", "F7", "F8", "F9", "F1"}) {
        QVERIFY2(teclas.contains(QString::fromLatin1(tecla)), tecla);
    }
    // "q" still does nothing, "Q" still assigns the first member everywhere.
    QTest::keyClick(jogo.Janela.get(), 'q');
    QCOMPARE(jogo.Atividade(9)->Desenvolvedor(), nullptr);
    QTest::keyClick(jogo.Janela.get(), 'Q');
    QCOMPARE(jogo.Atividade(9)->Desenvolvedor(), Pool(jogo, 0));
    QVERIFY(FErros.isEmpty());
}

void TstTeclado::DialogsAnswerTabEnterAndEsc_data() {
    QTest::addColumn<QString>("dialogo");
    QTest::addColumn<QList<int>>("teclas"); // typed where the focus is
    QTest::addColumn<QString>("foco");      // object name of the focus before the last key; "" to skip
    QTest::addColumn<int>("resultado");     // -1: still open
    for (const char* horas : {"hours", "task"}) {
        QTest::addRow("%s: Enter in the field", horas)
            << horas << QList<int>{Qt::Key_Return} << "" << int(mrOk);
        QTest::addRow("%s: Tab to Ok, Enter", horas)
            << horas << QList<int>{Qt::Key_Tab, Qt::Key_Return} << "BtOk" << int(mrOk);
        QTest::addRow("%s: Tab to Cancel, Enter", horas)
            << horas << QList<int>{Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Return} << "BtFecha"
            << int(mrCancel);
        QTest::addRow("%s: Tab to Ok, Esc", horas)
            << horas << QList<int>{Qt::Key_Tab, Qt::Key_Escape} << "BtOk" << int(mrCancel);
        QTest::addRow("%s: Tab to Ok, Space", horas)
            << horas << QList<int>{Qt::Key_Tab, Qt::Key_Space} << "BtOk" << int(mrOk);
        QTest::addRow("%s: Tab round to the field", horas)
            << horas << QList<int>{Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Tab} << "BtFecha" << -1;
    }
    QTest::newRow("team: Tab to Close, Enter")
        << "team" << QList<int>{Qt::Key_Tab, Qt::Key_Return} << "BtFecha" << int(mrCancel);
    QTest::newRow("team: Tab round, Space toggles")
        << "team" << QList<int>{Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Space} << "GrTodos" << -1;
    QTest::newRow("details: Enter does nothing")
        << "details" << QList<int>{Qt::Key_Return} << "BtFecha" << -1;
    QTest::newRow("details: Space closes") << "details" << QList<int>{Qt::Key_Space} << "BtFecha"
                                           << int(mrCancel);
    QTest::newRow("details: Esc closes") << "details" << QList<int>{Qt::Key_Escape} << ""
                                         << int(mrCancel);
    QTest::newRow("welcome: Enter does nothing")
        << "welcome" << QList<int>{Qt::Key_Return} << "BtFecha" << -1;
    QTest::newRow("keys: Enter closes") << "keys" << QList<int>{Qt::Key_Return} << "BtFecha"
                                        << int(mrCancel);
}
// guards against a dialog control Tab cannot reach, or Enter and Esc that do other than Ok and Cancel
void TstTeclado::DialogsAnswerTabEnterAndEsc() {
    QFETCH(QString, dialogo);
    QFETCH(QList<int>, teclas);
    QFETCH(QString, foco);
    QFETCH(int, resultado);
    TSimuladorProjeto sim;
    QList<TDesenvolvedor*> equipe;
    std::unique_ptr<QDialog> d;
    QWidget* campo = nullptr;
    if (dialogo == QLatin1String("hours")) {
        auto* horas = new TDlgNumeroHorasDesenvolvedor;
        campo = horas->EdNumeroHoras()->Edicao();
        d.reset(horas);
    } else if (dialogo == QLatin1String("task")) {
        auto* tarefa = new TDlgDedicacaoAtividade;
        campo = tarefa->EdNumeroHoras()->Edicao();
        d.reset(tarefa);
    } else if (dialogo == QLatin1String("team")) {
        auto* time = new TDlgDefinicaoEquipe;
        time->MostraEquipe(&equipe, &sim.Desenvolvedores());
        campo = time->GrTodos();
        d.reset(time);
    } else if (dialogo == QLatin1String("details")) {
        d = std::make_unique<TDlgDetalhesAtividade>();
    } else if (dialogo == QLatin1String("welcome")) {
        d = std::make_unique<TDlgApresentacao>();
    } else {
        auto* ajuda = new TDlgTeclas;
        ajuda->MostraTeclas({{QStringLiteral("F1"), QStringLiteral("Help")}});
        d.reset(ajuda);
    }
    d->setResult(-1);
    d->show();
    d->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(d.get()));
    if (campo) {
        QCOMPARE(QApplication::focusWidget(), campo);
    }
    for (int i = 0; i < teclas.size() && d->isVisible(); ++i) {
        if (i == teclas.size() - 1 && !foco.isEmpty()) {
            QCOMPARE(QApplication::focusWidget()->objectName(), foco);
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(teclas[i]));
    }
    QCOMPARE(d->isVisible(), resultado == -1);
    QCOMPARE(d->result(), resultado);
    if (resultado == -1 && campo) {
        // Tab came round again to the first control.
        QCOMPARE(QApplication::focusWidget(), campo);
        QCOMPARE(equipe.size(), dialogo == QLatin1String("team") ? 1 : 0);
    }
}

// guards against a debrief that only the mouse can close
void TstTeclado::EscClosesTheDebrief() {
    TJogoTeste jogo;
    Abre(jogo);
    Tecla(jogo, Qt::Key_F8);
    auto* debrief = jogo.Janela->findChild<TJanelaDebrief*>();
    QVERIFY(debrief);
    QVERIFY(debrief->isVisible());
    QTest::keyClick(debrief, Qt::Key_Escape);
    QVERIFY(!debrief->isVisible());
    // F8 brings it back.
    Tecla(jogo, Qt::Key_F8);
    QVERIFY(debrief->isVisible());
}

QTEST_MAIN(TstTeclado)
#include "tst_teclado.moc"
