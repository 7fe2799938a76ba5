// SPDX-License-Identifier: GPL-3.0-or-later
// A whole game played with key events only, through the window and the
// dialogs it opens, against the same game played by mouse: the same record
// file, game record and result.
#include "controls/CommandButton.h"
#include "dialogs/BotaoRapido.h"
#include "dialogs/DDefineEquipe.h"
#include "dialogs/EdInteiro.h"
#include "tests/apoio/JogoTeste.h"
#include "tests/apoio/RegistroJogoTeste.h"
#include "tests/apoio/RoboModal.h"
#include "ui/Aplicacao.h"
#include "ui/Formularios.h"

#include <QTableWidget>
#include <QtTest>
#include <functional>

namespace {

// The game: Corvin, Tamsin and Brannoc (pool 0, 3 and 6; team 0, 1 and 2),
// each activity's member, Tamsin at 10 hours and Brannoc at 9, inspections
// 7, 8 and 9 given 8, 16 and 24 hours, and Corvin at 12 hours from day 10.
const int MembroDaAtividade[16] = {0, 1, 0, 1, 2, 1, 0, 0, 2, 1, 2, 2, 2, 0, 1, 2};
constexpr int DiaMudanca = 10;

// Keys typed where the focus is, in the dialog on top.
void Tecla(Qt::Key tecla, Qt::KeyboardModifiers m = Qt::NoModifier) {
    QTest::keyClick(QApplication::focusWidget(), tecla, m);
}
void Digita(const char* texto) {
    QTest::keyClicks(QApplication::focusWidget(), QString::fromLatin1(texto));
}

// Answers each modal dialog with the next answer given, once the dialog is
// the active window (as a window manager makes it); one met with no answer
// left, or left open by its answer, is closed as Esc closes it.
class TRespostas {
public:
    QList<std::function<void(QWidget*)>> Fila;
    QStringList Vistos() const { return FRobo.Vistos; }

private:
    TRoboModal FRobo{[this](QWidget* modal) {
        // A loaded machine may take more than one activation's wait.
        bool ativa = false;
        for (int vez = 0; vez < 4 && !ativa; ++vez) {
            modal->activateWindow();
            ativa = QTest::qWaitForWindowActive(modal);
        }
        if (!Fila.isEmpty() && ativa) {
            Fila.takeFirst()(modal);
        }
        if (modal->isVisible()) {
            TRoboModal::Fecha(modal);
        }
    }};
};

void Clica(QWidget* w) {
    QTest::mouseClick(w, Qt::LeftButton);
}

// Clicks the spin field's up arrow n times, then Ok.
std::function<void(QWidget*)> SobeEConfirma(int n) {
    return [n](QWidget* modal) {
        TEdInteiro* campo = modal->findChild<TEdInteiro*>(QStringLiteral("EdNumeroHoras"));
        for (int i = 0; i < n; ++i) {
            Clica(campo->BotaoCima());
        }
        Clica(modal->findChild<QWidget*>(QStringLiteral("BtOk")));
    };
}

} // namespace

class TstJogoTeclado : public QObject {
    Q_OBJECT

    QStringList FErros;
    int FLeituras = 0;

    // A shown main window with all its dialogs, after its first activation;
    // its records' clock reads the same in every game.
    void Abre(TJogoTeste& jogo) {
        FLeituras = 0;
        jogo.Prepara(CriaFormularios());
        jogo.Janela->Gravacao().DefineRelogio([this] {
            const QDateTime inicio(QDate(2026, 12, 8), QTime(11, 2, 3), Qt::OffsetFromUTC, 3600);
            return inicio.addSecs(60 * FLeituras++);
        });
        TRoboModal fecha;
        jogo.Janela->show();
        QTRY_VERIFY(!jogo.Janela->PrimeiraAtivacao());
    }

    static void NaJanela(TJogoTeste& jogo, Qt::Key tecla, Qt::KeyboardModifiers m = {}) {
        QTest::keyClick(jogo.Janela.get(), tecla, m);
    }
    static int Membro(TJogoTeste& jogo) {
        return int(
            jogo.Projeto()->Equipe().indexOf(jogo.PainelVisao()->DesenvolvedorSelecionado()));
    }
    static void SelecionaMembro(TJogoTeste& jogo, int i) {
        for (int passo = 0; passo < 10 && Membro(jogo) != i; ++passo) {
            NaJanela(jogo, Membro(jogo) < i ? Qt::Key_PageDown : Qt::Key_PageUp);
        }
        QCOMPARE(Membro(jogo), i);
    }
    static int Atividade(TJogoTeste& jogo) {
        return int(jogo.Projeto()->Atividades().indexOf(
            jogo.PainelAtividades()->AtividadeSelecionada()));
    }

    void JogaPorTeclas(TJogoTeste& jogo, TRespostas& r) {
        // The team dialog: Space on rows 0, 3 and 6, then Tab to Close and Enter.
        r.Fila.append([](QWidget*) {
            Tecla(Qt::Key_Space);
            for (int vez = 0; vez < 2; ++vez) {
                for (int i = 0; i < 3; ++i) {
                    Tecla(Qt::Key_Down);
                }
                Tecla(Qt::Key_Space);
            }
            Tecla(Qt::Key_Tab);
            Tecla(Qt::Key_Return);
        });
        NaJanela(jogo, Qt::Key_D, Qt::AltModifier);

        // Every activity, in chart order, gets its member; the sixth first
        // gets the wrong one, which Delete takes off again.
        for (int i = 0; i < 16; ++i) {
            NaJanela(jogo, Qt::Key_Tab);
            QCOMPARE(Atividade(jogo), i);
            if (i == 5) {
                SelecionaMembro(jogo, 0);
                NaJanela(jogo, Qt::Key_Return);
                NaJanela(jogo, Qt::Key_Delete);
            }
            SelecionaMembro(jogo, MembroDaAtividade[i]);
            NaJanela(jogo, Qt::Key_Return);
        }

        // Tamsin's hours typed, Tab to Ok and Enter; Brannoc's one step up and
        // Enter in the field.
        r.Fila.append([](QWidget*) {
            Digita("10");
            Tecla(Qt::Key_Tab);
            Tecla(Qt::Key_Return);
        });
        SelecionaMembro(jogo, 1);
        NaJanela(jogo, Qt::Key_W, Qt::AltModifier);
        r.Fila.append([](QWidget*) {
            Tecla(Qt::Key_Up);
            Tecla(Qt::Key_Return);
        });
        SelecionaMembro(jogo, 2);
        NaJanela(jogo, Qt::Key_W, Qt::AltModifier);

        // The inspections, reached by the arrows from the last test: 24, 16
        // (after a round of Tab and Shift+Tab) and 8 hours.
        NaJanela(jogo, Qt::Key_End);
        NaJanela(jogo, Qt::Key_Up);
        NaJanela(jogo, Qt::Key_Up);
        QCOMPARE(Atividade(jogo), 9);
        r.Fila.append([](QWidget*) {
            Digita("24");
            Tecla(Qt::Key_Return);
        });
        NaJanela(jogo, Qt::Key_T, Qt::AltModifier);
        NaJanela(jogo, Qt::Key_Left);
        r.Fila.append([](QWidget*) {
            Digita("16");
            Tecla(Qt::Key_Tab);
            Tecla(Qt::Key_Tab);
            Tecla(Qt::Key_Backtab, Qt::ShiftModifier);
            Tecla(Qt::Key_Return);
        });
        NaJanela(jogo, Qt::Key_T, Qt::AltModifier);
        NaJanela(jogo, Qt::Key_Left);
        QCOMPARE(Atividade(jogo), 7);
        r.Fila.append([](QWidget*) {
            for (int i = 0; i < 8; ++i) {
                Tecla(Qt::Key_Up);
            }
            Tecla(Qt::Key_Return);
        });
        NaJanela(jogo, Qt::Key_T, Qt::AltModifier);

        // Play; Corvin goes to 12 hours on day 10.
        for (int dia = 0; dia < 300 && !jogo.Projeto()->Concluido(); ++dia) {
            if (dia == DiaMudanca) {
                SelecionaMembro(jogo, 0);
                r.Fila.append([](QWidget*) {
                    Digita("12");
                    Tecla(Qt::Key_Return);
                });
                NaJanela(jogo, Qt::Key_W, Qt::AltModifier);
            }
            QTest::keyClick(jogo.Janela.get(), '+');
        }
        QTest::keyClick(jogo.Janela.get(), '+');
    }

    void JogaPorMouse(TJogoTeste& jogo, TRespostas& r) {
        // The team dialog: double clicks on rows 0, 3 and 6, then Close.
        r.Fila.append([](QWidget* modal) {
            auto* dialogo = qobject_cast<TDlgDefinicaoEquipe*>(modal);
            QTableWidget* grade = dialogo->GrTodos();
            for (int linha : {0, 3, 6}) {
                const QModelIndex indice = grade->model()->index(linha, 0);
                grade->scrollTo(indice);
                const QPoint centro = grade->visualRect(indice).center();
                QTest::mouseClick(grade->viewport(), Qt::LeftButton, {}, centro);
                QTest::mouseDClick(grade->viewport(), Qt::LeftButton, {}, centro);
            }
            Clica(dialogo->BtFecha());
        });
        Clica(jogo.Botao("BtDefineEquipe"));

        for (int i = 0; i < 16; ++i) {
            jogo.ClicaDesenvolvedor(MembroDaAtividade[i]);
            QVERIFY(jogo.SoltaNaAtividade(i));
        }

        r.Fila.append(SobeEConfirma(2));
        jogo.ClicaDesenvolvedor(1);
        Clica(jogo.Botao("BtAumentaTrabalho"));
        r.Fila.append(SobeEConfirma(1));
        jogo.ClicaDesenvolvedor(2);
        Clica(jogo.Botao("BtAumentaTrabalho"));

        for (int i : {9, 8, 7}) {
            r.Fila.append(SobeEConfirma(8 * (i - 6)));
            jogo.ClicaAtividade(i);
            Clica(jogo.Botao("BtTempoTarefa"));
        }

        for (int dia = 0; dia < 300 && !jogo.Projeto()->Concluido(); ++dia) {
            if (dia == DiaMudanca) {
                r.Fila.append(SobeEConfirma(4));
                jogo.ClicaDesenvolvedor(0);
                Clica(jogo.Botao("BtAumentaTrabalho"));
            }
            Clica(jogo.Botao("BtPassaTempo"));
        }
        Clica(jogo.Botao("BtPassaTempo"));
    }

private slots:
    void initTestCase() {
        TAplicacao::DefineExibicaoErro([this](const QString& m) { FErros.append(m); });
    }

    // guards against a command, an assignment or a dialog answer that the keyboard
    // cannot reach, or that it reaches otherwise than the mouse does
    void AGamePlayedByKeysRecordsWhatTheSameGameByMouseRecords() {
        QLocale::setDefault(QLocale::c());
        QByteArray ini[2];
        QByteArray registro[2];
        TPlano plano[2];
        for (int porTeclas : {1, 0}) {
            TJogoTeste jogo;
            Abre(jogo);
            TRespostas respostas;
            if (porTeclas) {
                JogaPorTeclas(jogo, respostas);
            } else {
                JogaPorMouse(jogo, respostas);
            }
            QVERIFY2(respostas.Fila.isEmpty(), qPrintable(respostas.Vistos().join(QLatin1Char(' ')) + QString::number(respostas.Fila.size())));
            QVERIFY(jogo.Projeto()->Concluido());
            // Two hours dialogs, three task dialogs, one more hours dialog and
            // the conclusion.
            QCOMPARE(respostas.Vistos(),
                     (QStringList{"TDlgDefinicaoEquipe", "TDlgNumeroHorasDesenvolvedor",
                                  "TDlgNumeroHorasDesenvolvedor", "TDlgDedicacaoAtividade",
                                  "TDlgDedicacaoAtividade", "TDlgDedicacaoAtividade",
                                  "TDlgNumeroHorasDesenvolvedor", "TDlgProjetoConcluido"}));
            TSimuladorProjeto sim;
            plano[porTeclas] = LeRegistroJogo(jogo, 1, sim);
            ini[porTeclas] = jogo.Ini();
            QFile arquivo(CaminhoRegistroJogo(jogo, 1));
            QVERIFY(arquivo.open(QIODevice::ReadOnly));
            registro[porTeclas] = arquivo.readAll();
        }
        // The game is the one meant: the team, the hours, the inspections.
        const TMudancasPlano& inicio = plano[1].Inicio;
        QVERIFY(inicio.Equipe == (QList<int>{0, 3, 6}));
        QCOMPARE(inicio.Horas, (QList<std::pair<int, int>>{
                                   {0, 8}, {1, 8}, {2, 8}, {3, 10}, {4, 8}, {5, 8}, {6, 9}}));
        QCOMPARE(inicio.Inspecoes, (QList<std::pair<int, int>>{{7, 8}, {8, 16}, {9, 24}}));
        QList<std::pair<int, int>> alocacoes;
        for (int i = 0; i < 16; ++i) {
            alocacoes.append({i, QList<int>{0, 3, 6}.at(MembroDaAtividade[i])});
        }
        QCOMPARE(inicio.Alocacoes, alocacoes);
        QCOMPARE(plano[1].Eventos.size(), 1);
        QCOMPARE(plano[1].Eventos.at(0).Dia, DiaMudanca);
        QVERIFY(plano[1].Resultado && plano[1].Resultado->Concluido);
        // And both players recorded it alike, to the byte.
        QVERIFY(plano[1] == plano[0]);
        QCOMPARE(registro[1], registro[0]);
        QCOMPARE(ini[1], ini[0]);
        QVERIFY(ini[1].contains("[#1]"));
        QVERIFY(FErros.isEmpty());
    }
};

QTEST_MAIN(TstJogoTeclado)
#include "tst_jogo_teclado.moc"
