// Main window: start state, read-out formats, the selection rules of
// the two selection-dependent commands, drag and drop onto the chart, the
// keys, and the general error handler.
#include "JogoTeste.h"
#include "Pintura.h"
#include "RoboModal.h"
#include "controls/CommandButton.h"
#include "model/mDesenvolvedor.h"
#include "model/mSimulador.h"
#include "ui/Aplicacao.h"
#include "ui/PainelMensagens.h"

#include <QLabel>
#include <QLocale>
#include <QTimer>
#include <QtTest>
#include <stdexcept>

namespace {

// Adds pool developers to the team and shows them.
void FormaEquipe(TJogoTeste& jogo, std::initializer_list<int> indices) {
    for (int i : indices) {
        jogo.Projeto()->Equipe().append(jogo.Janela->Simulador()->Desenvolvedores().at(i));
    }
    jogo.PainelVisao()->Atualiza();
}

// Works the developer at 12 hours a day until he is exhausted.
void Exaure(TDesenvolvedor* d) {
    d->SetHorasTrabalho(12);
    for (int dia = 1; dia < 200 && !d->Exausto(); ++dia) {
        d->AtualizarDia(true, true, nullptr, 1.0, dia);
    }
}

QList<TDesenvolvedor*> Atribuicoes(const TProjetoSoftware* projeto) {
    QList<TDesenvolvedor*> lista;
    for (int i = 0; i < projeto->NumeroAtividades(); ++i) {
        lista.append(projeto->Atividade(i)->Desenvolvedor());
    }
    return lista;
}

} // namespace

class TstJanelaPrincipal : public QObject {
    Q_OBJECT

    QStringList FErros;

    // A shown main window without dialogs whose first activation has run.
    void Abre(TJogoTeste& jogo) {
        jogo.Prepara(std::make_unique<TMainWindow>());
        jogo.Janela->show();
        QTRY_VERIFY(!jogo.Janela->PrimeiraAtivacao());
    }

private slots:
    void initTestCase() {
        QVERIFY(qobject_cast<TAplicacao*>(qApp));
        TAplicacao::DefineExibicaoErro([this](const QString& m) { FErros.append(m); });
    }
    void init() {
        FErros.clear();
        QLocale::setDefault(QLocale::c());
    }

    // guards against stale read-outs, or commands enabled with nothing selected
    void AFreshWindowShowsAnEmptyGameAndOnlyTheCommandsThatApply() {
        TJogoTeste jogo;
        jogo.Prepara(std::make_unique<TMainWindow>());
        TMainWindow& janela = *jogo.Janela;
        QCOMPARE(janela.findChild<TPainelMensagens*>("PainelMensagens")->Mensagens(),
                 QStringList{QStringLiteral("Day 0: Simulation started")});
        QCOMPARE(janela.findChild<QLabel*>("LbTempoDesenvolvimento")->text(), QStringLiteral("0"));
        QCOMPARE(janela.findChild<QLabel*>("LbCustoProjeto")->text(), QStringLiteral("0.00"));
        QVERIFY(janela.findChild<TCommandButton*>("BtDefineEquipe")->isEnabled() &&
                janela.findChild<TCommandButton*>("BtPassaTempo")->isEnabled());
        QVERIFY(!janela.findChild<TCommandButton*>("BtAumentaTrabalho")->isEnabled() &&
                !janela.findChild<TCommandButton*>("BtTempoTarefa")->isEnabled());
        QVERIFY(janela.PrimeiraAtivacao());
        QVERIFY(!janela.NovoJogo());
        // Keys always reach the window.
        for (const QWidget* filho : janela.findChildren<QWidget*>()) {
            QVERIFY2(filho->focusPolicy() == Qt::NoFocus, qPrintable(filho->objectName()));
        }
    }

    void ReadOutsGroupThousandsAndRoundAsTheLocaleSays_data() {
        QTest::addColumn<QString>("local");
        QTest::addColumn<double>("valor");
        QTest::addColumn<QString>("dias");
        QTest::addColumn<QString>("custo");
        QTest::newRow("zero") << "C" << 0.0 << "0"
                              << "0.00";
        QTest::newRow("grouped") << "C" << 1234.5 << "1,235"
                                 << "1,234.50";
        QTest::newRow("rounded cents") << "C" << 218.4549 << "218"
                                       << "218.45";
        QTest::newRow("german") << "de_DE" << 1234.5 << "1.235"
                                << "1.234,50";
    }
    // guards against read-outs rounded wrongly or without the user's separators
    void ReadOutsGroupThousandsAndRoundAsTheLocaleSays() {
        QFETCH(QString, local);
        QFETCH(double, valor);
        QFETCH(QString, dias);
        QFETCH(QString, custo);
        QLocale::setDefault(QLocale(local));
        QCOMPARE(TMainWindow::FormataDias(valor), dias);
        QCOMPARE(TMainWindow::FormataCusto(valor), custo);
    }

    // Actions: "A<i>" press on activity i, "D<i>" press on team member i,
    // "E" press on empty chart space, "X<i>" exhaust team member i.
    void SelectingInOnePanelClearsTheOtherAndSetsTheCommands_data() {
        QTest::addColumn<QStringList>("acoes");
        QTest::addColumn<bool>("horas");
        QTest::addColumn<bool>("tempo");
        QTest::addColumn<bool>("comDesenvolvedor");
        QTest::addColumn<bool>("comAtividade");
        QTest::newRow("nothing") << QStringList{} << false << false << false << false;
        QTest::newRow("inspection without time")
            << QStringList{"A7"} << false << true << false << true;
        QTest::newRow("coding") << QStringList{"A10"} << false << false << false << true;
        QTest::newRow("developer") << QStringList{"D0"} << true << false << true << false;
        QTest::newRow("exhausted developer")
            << QStringList{"X0", "D0"} << false << false << true << false;
        QTest::newRow("developer clears inspection")
            << QStringList{"A7", "D0"} << true << false << true << false;
        QTest::newRow("inspection clears developer")
            << QStringList{"D0", "A8"} << false << true << false << true;
        QTest::newRow("empty chart clears both")
            << QStringList{"D1", "E"} << false << false << false << false;
        QTest::newRow("exhaustion after selection keeps the button")
            << QStringList{"D0", "X0"} << true << false << true << false;
    }
    // guards against two selections at once, or commands enabled for the wrong selection
    void SelectingInOnePanelClearsTheOtherAndSetsTheCommands() {
        QFETCH(QStringList, acoes);
        QFETCH(bool, horas);
        QFETCH(bool, tempo);
        QFETCH(bool, comDesenvolvedor);
        QFETCH(bool, comAtividade);
        TJogoTeste jogo;
        Abre(jogo);
        FormaEquipe(jogo, {0, 1});
        for (const QString& acao : acoes) {
            const int i = acao.mid(1).toInt();
            switch (acao.at(0).toLatin1()) {
            case 'A':
                jogo.ClicaAtividade(i);
                QCOMPARE(jogo.PainelAtividades()->AtividadeSelecionada(), jogo.Atividade(i));
                break;
            case 'D':
                jogo.ClicaDesenvolvedor(i);
                QCOMPARE(jogo.PainelVisao()->DesenvolvedorSelecionado(),
                         jogo.Projeto()->Equipe().at(i));
                break;
            case 'E':
                jogo.ClicaFundoGrafico();
                break;
            case 'X':
                Exaure(jogo.Projeto()->Equipe().at(i));
                QVERIFY(jogo.Projeto()->Equipe().at(i)->Exausto());
                break;
            }
        }
        QCOMPARE(jogo.Botao("BtAumentaTrabalho")->isEnabled(), horas);
        QCOMPARE(jogo.Botao("BtTempoTarefa")->isEnabled(), tempo);
        QCOMPARE(jogo.PainelVisao()->DesenvolvedorSelecionado() != nullptr, comDesenvolvedor);
        QCOMPARE(jogo.PainelAtividades()->AtividadeSelecionada() != nullptr, comAtividade);
        QVERIFY(jogo.Botao("BtDefineEquipe")->isEnabled());
        QVERIFY(jogo.Botao("BtPassaTempo")->isEnabled());
    }

    void TheChartTakesOnlyADeveloperDraggedOverAnActivity_data() {
        QTest::addColumn<int>("fonte"); // 0 team panel, 1 chart, 2 none
        QTest::addColumn<QPoint>("desvio");
        QTest::addColumn<bool>("aceito");
        QTest::newRow("square corner") << 0 << QPoint(30, -30) << true;
        QTest::newRow("just outside") << 0 << QPoint(31, 0) << false;
        QTest::newRow("chart as source") << 1 << QPoint(0, 0) << false;
        QTest::newRow("no source") << 2 << QPoint(0, 0) << false;
    }
    // guards against drops accepted from the chart itself, from nowhere, or off every circle
    void TheChartTakesOnlyADeveloperDraggedOverAnActivity() {
        QFETCH(int, fonte);
        QFETCH(QPoint, desvio);
        QFETCH(bool, aceito);
        TJogoTeste jogo;
        jogo.Prepara(std::make_unique<TMainWindow>());
        QObject* origens[] = {jogo.PainelVisao(), jogo.PainelAtividades(), nullptr};
        for (int i : {0, 5, 13}) {
            const QPoint p = jogo.MostraAtividade(jogo.Atividade(i)) + desvio;
            QCOMPARE(jogo.ArrastaSobre(origens[fonte], p.x(), p.y()), aceito);
        }
    }

    // guards against a drop that misses its circle, keeps the old developer, or lands off it
    void DropAssignsReplacesAndMisses() {
        TJogoTeste jogo;
        Abre(jogo);
        FormaEquipe(jogo, {0, 1});
        TDesenvolvedor* corvin = jogo.Projeto()->Equipe().at(0);
        TDesenvolvedor* fennick = jogo.Projeto()->Equipe().at(1);
        jogo.ClicaDesenvolvedor(0);
        QVERIFY(jogo.SoltaNaAtividade(4));
        QCOMPARE(jogo.Atividade(4)->Desenvolvedor(), corvin);
        // Any activity in any state takes the developer.
        QVERIFY(jogo.SoltaNaAtividade(7));
        QCOMPARE(jogo.Atividade(7)->Desenvolvedor(), corvin);
        jogo.ClicaDesenvolvedor(1);
        QVERIFY(jogo.SoltaNaAtividade(4));
        QCOMPARE(jogo.Atividade(4)->Desenvolvedor(), fennick);
        // Outside every circle nothing changes.
        const auto antes = Atribuicoes(jogo.Projeto());
        jogo.SoltaEm(jogo.PainelVisao(), 200, 10);
        QCOMPARE(Atribuicoes(jogo.Projeto()), antes);
    }

    // Guards against refusing the drag that starts on empty team space: the
    // player then had no way to take a developer off a single activity.
    void DroppingNobodyClearsTheAssignment() {
        TJogoTeste jogo;
        Abre(jogo);
        FormaEquipe(jogo, {0});
        jogo.ClicaDesenvolvedor(0);
        QVERIFY(jogo.SoltaNaAtividade(4));
        QVERIFY(jogo.SoltaNaAtividade(5));
        TAreaDesenho* grafico = jogo.PainelAtividades()->AreaDesenho();
        QTRY_VERIFY(grafico->isVisible());
        const QPoint centro = jogo.MostraAtividade(jogo.Atividade(4));
        TEspiaoPintura espiao;
        grafico->installEventFilter(&espiao);
        // A press below the only card selects nobody and arms a drag.
        TPainelVisao* painel = jogo.PainelVisao();
        QTest::mousePress(painel->AreaDesenho(), Qt::LeftButton, {},
                          QPoint(painel->EsquerdaCartao() + 10, 200));
        QVERIFY(!painel->DesenvolvedorSelecionado());
        QVERIFY(painel->ArrastoPendente());
        espiao.Colhe();
        QVERIFY(jogo.SoltaNaAtividade(4));
        QCOMPARE(jogo.Atividade(4)->Desenvolvedor(), nullptr);
        QVERIFY(jogo.Atividade(5)->Desenvolvedor());
        QTRY_VERIFY(espiao.Total.contains(centro));
        grafico->removeEventFilter(&espiao);
        QTest::mouseRelease(painel->AreaDesenho(), Qt::LeftButton, {},
                            QPoint(painel->EsquerdaCartao() + 10, 200));
    }

    // Guards against a stale content height after "R" on a concluded project:
    // the new card was appended but the bottom strip hid before reaching it.
    void TheTeamPanelScrollsToTheLastCardAfterR() {
        TJogoTeste jogo;
        Abre(jogo);
        FormaEquipe(jogo, {0, 0, 0, 0, 0});
        // Four runs conclude the game (day 81), the fifth finds it concluded.
        for (int vez = 0; vez < 5; ++vez) {
            QTest::keyClick(jogo.Janela.get(), 'R');
        }
        QVERIFY(jogo.Projeto()->Concluido());
        QCOMPARE(jogo.Projeto()->Equipe().size(), 10);
        TPainelVisao* painel = jogo.PainelVisao();
        for (int passo = 0; passo < 50 && painel->BotaoDesce()->isVisible(); ++passo) {
            QTest::mouseClick(painel->BotaoDesce(), Qt::LeftButton);
        }
        QVERIFY(!painel->BotaoDesce()->isVisible());
        // The tenth card runs from content y 725 (white top border) to 799
        // (grey bottom border).
        TAreaDesenho* area = painel->AreaDesenho();
        const int topo = 725 - painel->Deslocamento();
        const int base = 799 - painel->Deslocamento();
        QVERIFY2(topo >= 0 && base < area->height(),
                 qPrintable(QStringLiteral("card at %1..%2 in %3").arg(topo).arg(base).arg(
                     area->height())));
        const QImage quadro = area->grab().toImage();
        const int x = painel->EsquerdaCartao() + 30;
        QCOMPARE(Hex(Cor(quadro, x, topo)), Hex(Branco));
        QCOMPARE(Hex(Cor(quadro, x, base)), Hex(qRgb(128, 128, 128)));
    }

    // guards against a team panel left scrolled past its cards by a restart: the new team out of sight
    void AfterF7TheNewTeamsCardIsInView() {
        TJogoTeste jogo;
        Abre(jogo);
        FormaEquipe(jogo, {0, 1, 2, 3, 4, 5, 6, 0, 1, 2});
        TPainelVisao* painel = jogo.PainelVisao();
        for (int passo = 0; passo < 50 && painel->BotaoDesce()->isVisible(); ++passo) {
            QTest::mouseClick(painel->BotaoDesce(), Qt::LeftButton);
        }
        QVERIFY(painel->Deslocamento() >= 800 - 378);
        QTest::keyClick(jogo.Janela.get(), Qt::Key_F7);
        FormaEquipe(jogo, {3});
        QCOMPARE(painel->Deslocamento(), 0);
        QVERIFY(!painel->BotaoSobe()->isVisible());
        // The card's white top border and grey bottom border are drawn.
        const QImage quadro = painel->AreaDesenho()->grab().toImage();
        const int x = painel->EsquerdaCartao() + 30;
        QCOMPARE(Hex(Cor(quadro, x, 5)), Hex(Branco));
        QCOMPARE(Hex(Cor(quadro, x, 79)), Hex(qRgb(128, 128, 128)));
        jogo.ClicaDesenvolvedor(0);
        QCOMPARE(painel->DesenvolvedorSelecionado(), jogo.Projeto()->Equipe().at(0));
    }

    // The chart is covered by its backdrop and drawing area: what the window
    // changes must reach the drawing area, not only the panel beneath it.
    // guards against a chart left stale after a drop or a day
    void ChartRepaintsAfterDropAndTurn() {
        TJogoTeste jogo;
        Abre(jogo);
        FormaEquipe(jogo, {0});
        TAreaDesenho* area = jogo.PainelAtividades()->AreaDesenho();
        QTRY_VERIFY(area->isVisible());
        QTest::qWait(20);
        TEspiaoPintura espiao;
        area->installEventFilter(&espiao);
        jogo.ClicaDesenvolvedor(0);
        espiao.Total = QRegion();
        QVERIFY(jogo.SoltaNaAtividade(0));
        QTRY_VERIFY(espiao.Total.contains(QPoint(100, 50)));
        espiao.Total = QRegion();
        QTest::keyClick(jogo.Janela.get(), '+');
        QTRY_VERIFY(espiao.Total.contains(QPoint(100, 50)));
        area->removeEventFilter(&espiao);
    }

    // guards against Q skipping activities, or stopping the program when the team is empty
    void QGivesEveryActivityTheFirstMember() {
        TJogoTeste jogo;
        Abre(jogo);
        // With an empty team the failure is reported and the program goes on.
        QTest::keyClick(jogo.Janela.get(), 'Q');
        QCOMPARE(FErros, QStringList{QStringLiteral("List index out of bounds (0)")});
        FormaEquipe(jogo, {3, 0});
        // Lower case letters do nothing.
        QTest::keyClick(jogo.Janela.get(), 'q');
        QTest::keyClick(jogo.Janela.get(), 'r');
        QCOMPARE(Atribuicoes(jogo.Projeto()), QList<TDesenvolvedor*>(16, nullptr));
        QCOMPARE(jogo.Projeto()->Tempo(), 0.0);
        QTest::keyClick(jogo.Janela.get(), 'Q');
        QCOMPARE(Atribuicoes(jogo.Projeto()),
                 QList<TDesenvolvedor*>(16, jogo.Janela->Simulador()->Desenvolvedores().at(3)));
        QCOMPARE(jogo.Projeto()->Equipe().size(), 2);
        QCOMPARE(FErros.size(), 1);
    }

    // guards against R playing another number of days, asking questions, or counting twice
    void RTwiceAppendsTwiceAndPlays26TurnsEach() {
        TJogoTeste jogo;
        Abre(jogo);
        TDesenvolvedor* primeiro = jogo.Janela->Simulador()->Desenvolvedores().at(0);
        QTest::keyClick(jogo.Janela.get(), 'R');
        QCOMPARE(jogo.Projeto()->Equipe(), QList<TDesenvolvedor*>{primeiro});
        QCOMPARE(Atribuicoes(jogo.Projeto()), QList<TDesenvolvedor*>(16, primeiro));
        QCOMPARE(jogo.Projeto()->Tempo(), 26.0);
        QCOMPARE(jogo.Janela->findChild<QLabel*>("LbTempoDesenvolvimento")->text(),
                 QStringLiteral("26"));
        QTest::keyClick(jogo.Janela.get(), 'R');
        QCOMPARE(jogo.Projeto()->Equipe(), (QList<TDesenvolvedor*>{primeiro, primeiro}));
        QCOMPARE(jogo.Projeto()->Tempo(), 52.0);
        // He always had work: no question was asked.
        QCOMPARE(jogo.Perguntas, 0);
        // The game was counted once, at its first turn.
        QVERIFY(jogo.Ini().contains("NTimes=1"));
        QVERIFY(FErros.isEmpty());
    }

    void PlusPassesADay_data() {
        QTest::addColumn<int>("modificadores");
        QTest::newRow("main keyboard") << int(Qt::ShiftModifier);
        QTest::newRow("keypad") << int(Qt::KeypadModifier);
    }
    // guards against + passing a day without the question, or none after Yes
    void PlusPassesADay() {
        QFETCH(int, modificadores);
        TJogoTeste jogo;
        Abre(jogo);
        QTest::keyClick(jogo.Janela.get(), Qt::Key_Plus, Qt::KeyboardModifiers(modificadores));
        // Nobody has work: the question is asked, Yes passes one day.
        QCOMPARE(jogo.Perguntas, 1);
        QCOMPARE(jogo.Projeto()->Tempo(), 1.0);
        QCOMPARE(jogo.Janela->findChild<QLabel*>("LbTempoDesenvolvimento")->text(),
                 QStringLiteral("1"));
        jogo.Resposta = false;
        QTest::keyClick(jogo.Janela.get(), Qt::Key_Plus, Qt::KeyboardModifiers(modificadores));
        QCOMPARE(jogo.Perguntas, 2);
        QCOMPARE(jogo.Projeto()->Tempo(), 1.0);
    }

    // guards against state of the old game left after F7, or a selection lost
    void F7Restarts() {
        TJogoTeste jogo;
        Abre(jogo);
        FormaEquipe(jogo, {0, 1});
        QTest::keyClick(jogo.Janela.get(), 'Q');
        for (int i = 0; i < 5; ++i) {
            QTest::keyClick(jogo.Janela.get(), '+');
        }
        QCOMPARE(jogo.Projeto()->Tempo(), 5.0);
        jogo.ClicaDesenvolvedor(1);
        TDesenvolvedor* selecionado = jogo.PainelVisao()->DesenvolvedorSelecionado();
        QVERIFY(jogo.Botao("BtAumentaTrabalho")->isEnabled());

        QTest::keyClick(jogo.Janela.get(), Qt::Key_F7, Qt::ShiftModifier);
        QCOMPARE(jogo.Projeto()->Tempo(), 0.0);
        QCOMPARE(jogo.Projeto()->Custo(), 0.0);
        QVERIFY(jogo.Projeto()->Equipe().isEmpty());
        QVERIFY(
            jogo.Janela->findChild<TPainelMensagens*>("PainelMensagens")->Mensagens().isEmpty());
        QCOMPARE(jogo.Janela->findChild<QLabel*>("LbTempoDesenvolvimento")->text(),
                 QStringLiteral("0"));
        QCOMPARE(jogo.Janela->findChild<QLabel*>("LbCustoProjeto")->text(), QStringLiteral("0.00"));
        QVERIFY(jogo.Janela->NovoJogo());
        // The selection stays, and the button with it.
        QCOMPARE(jogo.PainelVisao()->DesenvolvedorSelecionado(), selecionado);
        QVERIFY(jogo.Botao("BtAumentaTrabalho")->isEnabled());
        QCOMPARE(Atribuicoes(jogo.Projeto()), QList<TDesenvolvedor*>(16, nullptr));
        QVERIFY(FErros.isEmpty());
    }

    // guards against an error in a command that ends the program instead of being reported
    void ErrorHandlerReportsAndGoesOn() {
        QTimer::singleShot(0, [] { throw std::runtime_error("first failure"); });
        QTimer::singleShot(0, [] { throw 42; });
        bool seguiu = false;
        QTimer::singleShot(1, [&seguiu] { seguiu = true; });
        QTRY_VERIFY(seguiu);
        QCOMPARE(FErros, (QStringList{QStringLiteral("first failure"),
                                      QStringLiteral("Unexpected error")}));
    }

    // guards against an error reported nowhere the player can see
    void ErrorHandlerShowsAMessageBox() {
        TAplicacao::DefineExibicaoErro({});
        TRoboModal robo;
        QTimer::singleShot(0,
                           [] { throw std::runtime_error("Unable to write to /x/Orvanta.INI"); });
        QTRY_COMPARE(robo.Vistos, QStringList{QStringLiteral("QMessageBox")});
        QCOMPARE(robo.Textos, QStringList{QStringLiteral("Unable to write to /x/Orvanta.INI")});
        TAplicacao::DefineExibicaoErro([this](const QString& m) { FErros.append(m); });
    }
};

int main(int argc, char** argv) {
    TAplicacao aplicacao(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orvanta"));
    TstJanelaPrincipal teste;
    return QTest::qExec(&teste, argc, argv);
}

#include "tst_janela_principal.moc"
