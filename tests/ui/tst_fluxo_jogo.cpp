// SPDX-License-Identifier: GPL-3.0-or-later
// The game flow through the main window: missing pictures at start, the first
// activation (welcome, then the manager's name), a whole game played as a
// player does (team dialog, drops, Next Turn) to reference run A's result and
// its record, the confirmation question, game counting, restart, and the
// record file's failures stopping the command that met them.
#include "controls/CommandButton.h"
#include "dialogs/DDefineEquipe.h"
#include "figuras/LocalizacaoImagens.h"
#include "model/mDesenvolvedor.h"
#include "model/mSimulador.h"
#include "tests/apoio/JogoTeste.h"
#include "tests/apoio/RoboModal.h"
#include "ui/Aplicacao.h"
#include "ui/Formularios.h"
#include "ui/PainelMensagens.h"

#include <QDir>
#include <QLabel>
#include <QLocale>
#include <QTableWidget>
#include <QtTest>

namespace {

// Answers the program's dialogs as a player of run A: closes the welcome and
// conclusion screens, gives a name, puts Corvin (first row) into the team.
void RespostaJogador(QWidget* modal) {
    if (auto* equipe = qobject_cast<TDlgDefinicaoEquipe*>(modal)) {
        equipe->GrTodos()->setCurrentCell(0, 0);
        QTest::keyClick(equipe->GrTodos(), Qt::Key_Space);
        QTest::keyClick(equipe->GrTodos(), Qt::Key_Escape);
        return;
    }
    TRoboModal::DigitaNome(QStringLiteral("Ana"))(modal);
}

void ClicaProximoTurno(TJogoTeste& jogo) {
    QTest::mouseClick(jogo.Janela->findChild<TCommandButton*>("BtPassaTempo"), Qt::LeftButton);
}

// A record file path no one can write: its folder is a regular file.
QString CaminhoBloqueado(TJogoTeste& jogo) {
    QFile arquivo(jogo.Pasta.filePath(QStringLiteral("arquivo")));
    arquivo.open(QIODevice::WriteOnly);
    return arquivo.fileName() + QStringLiteral("/Orvanta.INI");
}

} // namespace

class TstFluxoJogo : public QObject {
    Q_OBJECT

    QStringList FErros;

    // A shown main window with all its dialogs, after the first activation.
    void Abre(TJogoTeste& jogo) {
        jogo.Prepara(CriaFormularios());
        jogo.Janela->show();
        QTRY_VERIFY(!jogo.Janela->PrimeiraAtivacao());
    }

    // Corvin alone on every activity, by the "Q" key.
    static void AtribuiCorvin(TJogoTeste& jogo) {
        jogo.Projeto()->Equipe().append(jogo.Janela->Simulador()->Desenvolvedores().at(0));
        QTest::keyClick(jogo.Janela.get(), 'Q');
    }

private slots:
    void initTestCase() {
        TAplicacao::DefineExibicaoErro([this](const QString& m) { FErros.append(m); });
    }
    void init() {
        FErros.clear();
        QLocale::setDefault(QLocale::c());
    }

    // guards against a game started without its flag pictures, or a crash instead of a report
    void MissingFlagPicturesStopTheStart() {
        // The developers' pictures are there, the flags are not.
        QTemporaryDir vazia;
        const QString pastaAntes = PastaPrograma();
        const QString trabalhoAntes = QDir::currentPath();
        QVERIFY(QDir::setCurrent(vazia.path()));
        DefinePastaPrograma(vazia.path());
        const auto restaura = qScopeGuard([&] {
            QDir::setCurrent(trabalhoAntes);
            DefinePastaPrograma(pastaAntes);
        });
        QVERIFY(QDir(vazia.path()).mkdir(QStringLiteral("imagens")));
        const QDir origem(pastaAntes + QStringLiteral("/imagens"));
        for (const QString& nome :
             origem.entryList({QStringLiteral("Big*.bmp"), QStringLiteral("Sml*.bmp")})) {
            QVERIFY(QFile::copy(origem.filePath(nome),
                                vazia.filePath(QStringLiteral("imagens/") + nome)));
        }
        try {
            CriaFormularios();
            QFAIL("started without the flag pictures");
        } catch (const EErroArquivo& erro) {
            QVERIFY2(QString::fromUtf8(erro.what()).contains(QStringLiteral("bd_")), erro.what());
        }
    }

    void TheManagerIsAskedTheirNameOnlyWhenTheRecordHasNone_data() {
        QTest::addColumn<QByteArray>("arquivo");
        QTest::addColumn<QString>("resposta"); // null: Cancel
        QTest::addColumn<bool>("perguntado");
        QTest::addColumn<QString>("guardado");
        QTest::newRow("no file, typed") << QByteArray() << "Ana" << true << "Ana";
        QTest::newRow("no file, cancel") << QByteArray() << QString() << true << QString();
        QTest::newRow("empty answer")
            << QByteArray("[Orvanta]\nNTimes=3\n") << "" << true << QString();
        QTest::newRow("stored name")
            << QByteArray("[Orvanta]\nManager=Bo\n") << "Ana" << false << "Bo";
        QTest::newRow("stored empty name")
            << QByteArray("[orvanta]\nmanager=\n") << "Cy" << true << "Cy";
    }
    // guards against a name question every start, or a name lost when the question is closed
    void TheManagerIsAskedTheirNameOnlyWhenTheRecordHasNone() {
        QFETCH(QByteArray, arquivo);
        QFETCH(QString, resposta);
        QFETCH(bool, perguntado);
        QFETCH(QString, guardado);
        TJogoTeste jogo(arquivo.isNull() ? nullptr : arquivo.constData());
        auto robo = std::make_unique<TRoboModal>([&resposta](QWidget* modal) {
            if (resposta.isNull()) {
                TRoboModal::Fecha(modal);
            } else {
                TRoboModal::DigitaNome(resposta)(modal);
            }
        });
        Abre(jogo);
        // The first activation welcomes, then asks; showing again does neither.
        jogo.Janela->hide();
        jogo.Janela->show();
        QTest::qWait(30);
        QStringList vistos{QStringLiteral("TDlgApresentacao")};
        if (perguntado) {
            vistos.append(QStringLiteral("QInputDialog"));
        }
        QCOMPARE(robo->Vistos, vistos);
        QVERIFY(jogo.Janela->NovoJogo());
        robo.reset();
        QCOMPARE(jogo.Janela->Registro().Gerente(), guardado);
        if (guardado.isEmpty()) {
            // Nothing written: the file is as it was (or still absent).
            QCOMPARE(jogo.Ini(), arquivo.isNull() ? QByteArray() : arquivo);
            QCOMPARE(QFile::exists(jogo.CaminhoIni()), !arquivo.isNull());
            // The next start asks again.
            TJogoTeste outro(arquivo.isNull() ? nullptr : arquivo.constData());
            TRoboModal outroRobo;
            Abre(outro);
            QCOMPARE(outroRobo.Contagem("QInputDialog"), 1);
        }
        QVERIFY(FErros.isEmpty());
    }

    // guards against a game played through the window ending elsewhere than the reference run
    void WholeGameReachesRunAAndRecordsIt() {
        TJogoTeste jogo(nullptr);
        TRoboModal robo(RespostaJogador);
        Abre(jogo);
        TMainWindow& janela = *jogo.Janela;

        // Define Team: Corvin joins.
        QTest::mouseClick(janela.findChild<TCommandButton*>("BtDefineEquipe"), Qt::LeftButton);
        QCOMPARE(robo.Contagem("TDlgDefinicaoEquipe"), 1);
        TDesenvolvedor* corvin = janela.Simulador()->Desenvolvedores().at(0);
        QCOMPARE(jogo.Projeto()->Equipe(), QList<TDesenvolvedor*>{corvin});

        // Dragged onto every activity from the team panel.
        jogo.ClicaDesenvolvedor(0);
        QCOMPARE(janela.findChild<TPainelVisao*>("PainelVisao")->DesenvolvedorSelecionado(),
                 corvin);
        for (int i = 0; i < jogo.Projeto()->NumeroAtividades(); ++i) {
            QVERIFY(jogo.SoltaNaAtividade(i));
            QCOMPARE(jogo.Atividade(i)->Desenvolvedor(), corvin);
        }

        int turnos = 0;
        while (!jogo.Projeto()->Concluido() && turnos < 200) {
            ClicaProximoTurno(jogo);
            ++turnos;
            QCOMPARE(jogo.Projeto()->Tempo(), double(turnos));
        }
        QCOMPARE(turnos, 81);
        QCOMPARE(jogo.Perguntas, 0);
        QCOMPARE(janela.findChild<QLabel*>("LbTempoDesenvolvimento")->text(), QStringLiteral("81"));
        QCOMPARE(janela.findChild<QLabel*>("LbCustoProjeto")->text(), QStringLiteral("16,200.00"));
        QVERIFY(janela.findChild<TPainelMensagens*>("PainelMensagens")
                    ->Mensagens()
                    .last()
                    .startsWith(QStringLiteral("Day 8")));
        QVERIFY(jogo.Ini().contains("NTimes=1"));
        QVERIFY(!jogo.Ini().contains("[#1]"));
        QCOMPARE(robo.Contagem("TDlgProjetoConcluido"), 0);

        // Every further Next Turn records the same result and shows the conclusion.
        for (int vez = 1; vez <= 3; ++vez) {
            ClicaProximoTurno(jogo);
            QCOMPARE(robo.Contagem("TDlgProjetoConcluido"), vez);
        }
        QCOMPARE(jogo.Projeto()->Tempo(), 81.0);
        QCOMPARE(janela.Registro().LeValor("#1", "Cost", ""), QStringLiteral("16200"));
        QCOMPARE(janela.Registro().LeValor("#1", "Time", ""), QStringLiteral("81"));
        QCOMPARE(jogo.Ini().count("Cost="), 1);
        QCOMPARE(janela.Registro().Gerente(), QStringLiteral("Ana"));

        // A restart counts a new game at its first turn, even a declined one.
        QTest::keyClick(&janela, Qt::Key_F7);
        jogo.Resposta = false;
        ClicaProximoTurno(jogo);
        QCOMPARE(jogo.Perguntas, 1);
        QCOMPARE(jogo.Projeto()->Tempo(), 0.0);
        QCOMPARE(janela.Registro().LeValor("Orvanta", "NTimes", ""), QStringLiteral("2"));
        // The second game, played by the R key (104 turns), goes to its own section.
        for (int vez = 0; vez < 4; ++vez) {
            QTest::keyClick(&janela, 'R');
        }
        QCOMPARE(jogo.Projeto()->Tempo(), 81.0);
        QCOMPARE(robo.Contagem("TDlgProjetoConcluido"), 3 + 4 * 26 - 81);
        QCOMPARE(janela.Registro().LeValor("#2", "Cost", ""), QStringLiteral("16200"));
        QCOMPARE(jogo.Ini().count("[#"), 2);
        QCOMPARE(jogo.Perguntas, 1);
        QVERIFY(FErros.isEmpty());
    }

    // Guards against a record file re-serialised by the game: comments, loose
    // lines, duplicate keys, spacing, CRLF and everything after a NUL byte
    // were lost or changed by a counted game and its recorded result.
    void AHostileRecordFileKeepsEveryOtherByteThroughAGame() {
        static const char texto[] = "; Orvanta record\r\n[Other]\r\nFoo = bar baz\r\nx\0y\xff\r\n\r\n"
                                    "[ORVANTA]\r\nManager=Bo\r\nntimes = 4\r\nNTimes=99\r\n"
                                    "loose line\r\n; after the last key\r\n[Notes]\r\n\0tail";
        const QByteArray antes(texto, sizeof(texto) - 1);
        TJogoTeste jogo(nullptr);
        {
            QFile arquivo(jogo.CaminhoIni());
            QVERIFY(arquivo.open(QIODevice::WriteOnly));
            arquivo.write(antes);
        }
        TRoboModal robo;
        Abre(jogo);
        // Four runs of "R": the game is counted, concluded on day 81 and recorded.
        for (int vez = 0; vez < 4; ++vez) {
            QTest::keyClick(jogo.Janela.get(), 'R');
        }
        QVERIFY(jogo.Projeto()->Concluido());
        QVERIFY(robo.Contagem("TDlgProjetoConcluido") > 0);
        QByteArray esperado = antes;
        esperado.replace("ntimes = 4", "ntimes = 5");
        esperado += "\r\n[#5]\r\nCost=16200\r\nTime=81\r\n";
        QCOMPARE(jogo.Ini(), esperado);
        QVERIFY(FErros.isEmpty());
    }

    void OnlyYesToTheTurnQuestionPlaysTheDay_data() {
        QTest::addColumn<int>("botao");
        QTest::addColumn<double>("tempo");
        QTest::newRow("yes") << int(QMessageBox::Yes) << 1.0;
        QTest::newRow("cancel") << int(QMessageBox::Cancel) << 0.0;
    }
    // guards against a day played on No or Cancel, or not played on Yes
    void OnlyYesToTheTurnQuestionPlaysTheDay() {
        QFETCH(int, botao);
        QFETCH(double, tempo);
        TJogoTeste jogo;
        jogo.Janela = std::make_unique<TMainWindow>();
        jogo.Janela->Registro().DefineCaminho(jogo.CaminhoIni());
        jogo.Janela->show();
        QTRY_VERIFY(!jogo.Janela->PrimeiraAtivacao());
        QMessageBox::StandardButtons botoes;
        TRoboModal robo([&](QWidget* modal) {
            if (auto* caixa = qobject_cast<QMessageBox*>(modal)) {
                botoes = caixa->standardButtons();
            }
            TRoboModal::Responde(QMessageBox::StandardButton(botao))(modal);
        });
        ClicaProximoTurno(jogo);
        QCOMPARE(robo.Textos, QStringList{TSimuladorProjeto::TextoConfirmacao});
        QCOMPARE(botoes, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        QCOMPARE(jogo.Projeto()->Tempo(), tempo);
        // The game is counted whatever the answer.
        QVERIFY(jogo.Ini().contains("NTimes=1"));
    }

    // guards against a restart before the first turn counting a game of its own
    void RestartBeforeAnyTurnCountsOneGame() {
        TJogoTeste jogo;
        TRoboModal robo;
        Abre(jogo);
        QTest::keyClick(jogo.Janela.get(), Qt::Key_F7);
        ClicaProximoTurno(jogo);
        ClicaProximoTurno(jogo);
        QCOMPARE(jogo.Janela->Registro().LeValor("Orvanta", "NTimes", ""), QStringLiteral("1"));
        QCOMPARE(jogo.Projeto()->Tempo(), 2.0);
    }

    // guards against a day played while the game count cannot be read
    void UnreadableCountStopsTheTurnUntilMended() {
        const QByteArray arquivo("[Orvanta]\nManager=Bo\nNTimes=abc\n");
        TJogoTeste jogo(arquivo.constData());
        TRoboModal robo;
        Abre(jogo);
        AtribuiCorvin(jogo);
        ClicaProximoTurno(jogo);
        QCOMPARE(FErros, QStringList{QStringLiteral("'abc' is not a valid integer value")});
        QCOMPARE(jogo.Projeto()->Tempo(), 0.0);
        QVERIFY(jogo.Janela->NovoJogo());
        QCOMPARE(jogo.Ini(), arquivo);
        {
            QFile mendado(jogo.CaminhoIni());
            QVERIFY(mendado.open(QIODevice::WriteOnly | QIODevice::Truncate));
            mendado.write("[Orvanta]\nManager=Bo\nNTimes=4\n");
        }
        ClicaProximoTurno(jogo);
        QCOMPARE(FErros.size(), 1);
        QCOMPARE(jogo.Projeto()->Tempo(), 1.0);
        QCOMPARE(jogo.Janela->Registro().LeValor("Orvanta", "NTimes", ""), QStringLiteral("5"));
    }

    // guards against a day played, or a conclusion shown, when the record cannot be written
    void UnwritableRecordStopsTheCommand() {
        TJogoTeste jogo;
        TRoboModal robo;
        Abre(jogo);
        AtribuiCorvin(jogo);
        const QByteArray antes = jogo.Ini();
        const QString caminho = CaminhoBloqueado(jogo);
        jogo.Janela->Registro().DefineCaminho(caminho);
        const QString mensagem = QStringLiteral("Unable to write to %1").arg(caminho);

        // A failed count: no day passes, the game is still to be counted.
        ClicaProximoTurno(jogo);
        QCOMPARE(FErros, QStringList{mensagem});
        QCOMPARE(jogo.Projeto()->Tempo(), 0.0);
        QVERIFY(jogo.Janela->NovoJogo());

        // Counted in the real file, played to the end, then the record fails:
        // no conclusion dialog.
        jogo.Janela->Registro().DefineCaminho(jogo.CaminhoIni());
        while (!jogo.Projeto()->Concluido() && jogo.Projeto()->Tempo() < 200) {
            QTest::keyClick(jogo.Janela.get(), '+');
        }
        jogo.Janela->Registro().DefineCaminho(caminho);
        ClicaProximoTurno(jogo);
        QCOMPARE(FErros, (QStringList{mensagem, mensagem}));
        QCOMPARE(robo.Contagem("TDlgProjetoConcluido"), 0);
        QVERIFY(!jogo.Ini().contains("[#"));
        QVERIFY(jogo.Ini() != antes);
    }

    // guards against a first showing that goes on as if the manager's name were saved
    void FailedNameWriteSkipsTheRestOfTheActivation() {
        TJogoTeste jogo(nullptr);
        TRoboModal robo(TRoboModal::DigitaNome(QStringLiteral("Ana")));
        jogo.Prepara(CriaFormularios());
        const QString caminho = CaminhoBloqueado(jogo);
        jogo.Janela->Registro().DefineCaminho(caminho);
        jogo.Janela->show();
        QTRY_COMPARE(FErros, QStringList{QStringLiteral("Unable to write to %1").arg(caminho)});
        QCOMPARE(robo.Vistos,
                 (QStringList{QStringLiteral("TDlgApresentacao"), QStringLiteral("QInputDialog")}));
        QVERIFY(jogo.Janela->PrimeiraAtivacao());
        QVERIFY(!jogo.Janela->NovoJogo());
    }
};

int main(int argc, char** argv) {
    TAplicacao aplicacao(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orvanta"));
    TstFluxoJogo teste;
    return QTest::qExec(&teste, argc, argv);
}

#include "tst_fluxo_jogo.moc"
