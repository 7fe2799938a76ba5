// A seeded random player at the main window, through the window's own
// handlers: the team dialog's toggles, drops from the team panel (also of
// nobody), Work Hours (also for a developer exhausted since his selection),
// Task Time, "Q", "R", turns declined and accepted, the result recorded, F7.
// Every counted game's record replays with the plan library to the
// conclusion, days, cost and every message line the window showed, and the
// debrief tells its decisions as the record holds them.
#include "../analise/PlanosAnalise.h"
#include "RegistroJogoTeste.h"
#include "analise/AnaliseJogo.h"
#include "controls/CommandButton.h"
#include "dialogs/BotaoRapido.h"
#include "dialogs/DDedicacaoAtividade.h"
#include "dialogs/DDefineEquipe.h"
#include "dialogs/DNumeroHoras.h"
#include "dialogs/EdInteiro.h"
#include "model/mDesenvolvedor.h"
#include "model/mSimulador.h"
#include "plan/JogoPlano.h"
#include "ui/Aplicacao.h"
#include "ui/PainelMensagens.h"

#include <QJsonArray>
#include <QRandomGenerator>
#include <QTableWidget>
#include <QTimer>
#include <QtTest>

namespace {

// Sessions of the property test, each one window playing JogosPorSessao
// counted games. Seeds of sessions that once failed are kept here and run
// first (none has failed so far).
constexpr quint32 Sessoes = 40;
constexpr int JogosPorSessao = 5;
const QList<quint32> SementesRegressao = {};

struct TContagem {
    int Jogos = 0;
    int Concluidos = 0;
    int SemDias = 0;
    int HorasExausto = 0;
    int SoltasDeNinguem = 0;
};

// One window played by a seeded random player.
class TJogadorJanela {
public:
    TJogadorJanela(quint32 semente, TContagem& contagem)
        : FRng(semente), FContagem(contagem) {
        TDialogosJanela dialogos;
        auto janela = std::make_unique<TMainWindow>();
        dialogos.DefinicaoEquipe = new TDlgDefinicaoEquipe(janela.get());
        dialogos.NumeroHoras = new TDlgNumeroHorasDesenvolvedor(janela.get());
        dialogos.DedicacaoAtividade = new TDlgDedicacaoAtividade(janela.get());
        janela->DefineDialogos(dialogos);
        FJogo.Prepara(std::move(janela));
        J().DefinePergunta([this](const QString&) { return Sorteia(4) < FChanceSim; });
        // The panel keeps 50 lines; the player keeps them all.
        QObject::connect(J().findChild<TPainelMensagens*>("PainelMensagens"),
                         &TPainelMensagens::MensagemAdicionada,
                         [this](const QString& linha) { FLinhas.append(linha); });
        J().show();
    }

    TJogoTeste& Jogo() { return FJogo; }

    // Plays until a game ends (concluded, or left), its result maybe recorded.
    void JogaUmJogo() {
        QVERIFY(QTest::qWaitFor([this] { return !J().PrimeiraAtivacao(); }));
        // Now and then a short game of a hesitant player: one that may end
        // counted but unplayed.
        const bool curto = Sorteia(6) == 0;
        FChanceSim = curto ? 1 : 3;
        const int acoes = curto ? 1 + Sorteia(3) : 3 + Sorteia(60);
        for (int i = 0; i < acoes && Projeto()->Tempo() < 250; ++i) {
            Observa([this] { Acao(); });
            if (FConcluidoAposPasso && Sorteia(3) == 0) {
                break;
            }
        }
        if (Sorteia(2) == 0) {
            Observa([this] { Tecla('+'); }); // the result, or one more day
        }
    }

    // The game just played replays from its record to what the window
    // showed; then F7 starts the next one.
    void ConfereERecomeca(const QByteArray& caso) {
        const int numero = J().Gravacao().Numero();
        if (numero > 0) {
            Confere(numero, caso);
        } else {
            QVERIFY2(FLinhas.isEmpty(), caso.constData());
        }
        Tecla(Qt::Key_F7);
        FLinhas.clear();
        FConcluidoAposPasso = false;
    }

    int Contados() const { return FContados; }

private:
    TMainWindow& J() { return *FJogo.Janela; }
    TProjetoSoftware* Projeto() { return FJogo.Projeto(); }
    QList<TDesenvolvedor*>& Equipe() { return Projeto()->Equipe(); }
    int Sorteia(int n) { return int(FRng.bounded(n)); }
    void Tecla(char tecla) { QTest::keyClick(&J(), tecla); }
    void Tecla(Qt::Key tecla) { QTest::keyClick(&J(), tecla); }

    TDesenvolvedor* MembroOuNinguem() {
        return Equipe().isEmpty() || Sorteia(5) == 0 ? nullptr
                                                     : Equipe().at(Sorteia(int(Equipe().size())));
    }

    // Clicks the command button botao, which opens dialogo; acao answers the
    // dialog once it is on screen and closes it.
    template <class D>
    void ComDialogo(D* dialogo, const char* botao, const std::function<void(D*)>& acao) {
        QTimer::singleShot(0, dialogo, [dialogo, acao] {
            if (dialogo->isVisible()) {
                acao(dialogo);
            }
        });
        FJogo.Clica(botao);
    }

    // Runs acao, noting whether the project was concluded right after the
    // last day step it played: no command changes anything after its last
    // step, so that is how the project stands when it returns.
    void Observa(const std::function<void()>& acao) {
        const double antes = Projeto()->Tempo();
        acao();
        if (Projeto()->Tempo() != antes) {
            FConcluidoAposPasso = Projeto()->Concluido();
        }
    }

    void Acao() {
        const int acao = Sorteia(25);
        if (acao < 2) {
            DefineEquipe();
        } else if (acao == 2 && !Projeto()->Concluido()) {
            Tecla('R');
        } else if (acao == 3) {
            Tecla('Q');
        } else if (acao < 8) {
            Solta();
        } else if (acao == 8) {
            FJogo.PainelVisao()->SelecionaDesenvolvedor(MembroOuNinguem());
            TJogoTeste::Seleciona(FJogo.PainelVisao());
        } else if (acao < 11) {
            HorasTrabalho();
        } else if (acao == 11) {
            const int i = Sorteia(4) == 0 ? Sorteia(16) : 7 + Sorteia(3);
            FJogo.PainelAtividades()->SelecionaAtividade(Projeto()->Atividade(i));
            TJogoTeste::Seleciona(FJogo.PainelAtividades());
        } else if (acao < 14) {
            TempoTarefa();
        } else if (acao == 14 && !Equipe().isEmpty()) {
            // A sprint: the team's first member on everything ("Q") and
            // selected, overtime for him, many turns without touching the
            // panels, then his hours again (he may be exhausted by now, and
            // Work Hours still enabled).
            Tecla('Q');
            FJogo.PainelVisao()->SelecionaDesenvolvedor(Equipe().first());
            TJogoTeste::Seleciona(FJogo.PainelVisao());
            HorasTrabalho();
            Turnos(15 + Sorteia(20));
            HorasTrabalho();
        } else {
            Turnos(1 + Sorteia(8));
        }
    }

    // Once concluded, a turn only records the result again: one is enough.
    void Turnos(int n) {
        for (int t = Projeto()->Concluido() ? 1 : n; t > 0; --t) {
            Tecla('+');
        }
    }

    void DefineEquipe() {
        ComDialogo<TDlgDefinicaoEquipe>(J().Dialogos().DefinicaoEquipe, "BtDefineEquipe",
                                        [this](TDlgDefinicaoEquipe* d) {
                                            for (int t = 1 + Sorteia(3); t > 0; --t) {
                                                d->GrTodos()->setCurrentCell(Sorteia(7), 0);
                                                QTest::keyClick(d->GrTodos(), Qt::Key_Space);
                                            }
                                            QTest::keyClick(d->GrTodos(), Qt::Key_Escape);
                                        });
    }

    // A drag from the team panel, from a card or from empty space (nobody).
    void Solta() {
        TDesenvolvedor* d = MembroOuNinguem();
        FContagem.SoltasDeNinguem += d ? 0 : 1;
        FJogo.PainelVisao()->SelecionaDesenvolvedor(d);
        TJogoTeste::Seleciona(FJogo.PainelVisao());
        FJogo.SoltaNaAtividade(Sorteia(16));
    }

    void HorasTrabalho() {
        if (!FJogo.Botao("BtAumentaTrabalho")->isEnabled()) {
            return;
        }
        const TDesenvolvedor* d = FJogo.PainelVisao()->DesenvolvedorSelecionado();
        FContagem.HorasExausto += d && d->Exausto() ? 1 : 0;
        ComDialogo<TDlgNumeroHorasDesenvolvedor>(
            J().Dialogos().NumeroHoras, "BtAumentaTrabalho",
            [this](TDlgNumeroHorasDesenvolvedor* dialogo) {
                // Mostly overtime, so that developers tire.
                dialogo->EdNumeroHoras()->DefineValor(Sorteia(4) == 0 ? 8 + Sorteia(5)
                                                                       : 11 + Sorteia(2));
                (Sorteia(4) == 0 ? dialogo->BtFecha() : dialogo->BtOk())->click();
            });
    }

    void TempoTarefa() {
        if (!FJogo.Botao("BtTempoTarefa")->isEnabled()) {
            return;
        }
        ComDialogo<TDlgDedicacaoAtividade>(
            J().Dialogos().DedicacaoAtividade, "BtTempoTarefa",
            [this](TDlgDedicacaoAtividade* dialogo) {
                dialogo->EdNumeroHoras()->DefineValor(Sorteia(4) == 0 ? Sorteia(201)
                                                                       : Sorteia(25));
                (Sorteia(4) == 0 ? dialogo->BtFecha() : dialogo->BtOk())->click();
            });
    }

    void Confere(int numero, const QByteArray& caso) {
        ++FContados;
        TSimuladorProjeto sim;
        const TPlano plano = LeRegistroJogo(FJogo, numero, sim);
        TListaMensagens rejogo;
        const TResultadoPlano r = JogaPlano(sim, plano, &rejogo);
        QStringList linhas;
        for (const TMensagemJogo& m : rejogo.Mensagens) {
            linhas.append(FormataLinhaMensagem(m.Texto, m.Dia));
        }
        QVERIFY2(linhas == FLinhas, caso.constData());
        QVERIFY2(r.Concluido == FConcluidoAposPasso, caso.constData());
        QVERIFY2(r.Dias == qRound(Projeto()->Tempo()), caso.constData());
        QVERIFY2(r.Custo == Projeto()->Custo(), caso.constData());
        QVERIFY2(plano.Resultado && *plano.Resultado == r, caso.constData());
        const QJsonObject meta = plano.Meta.value_or(QJsonObject());
        QVERIFY2(meta.value("game").toInt() == numero, caso.constData());
        QVERIFY2(meta.value("days_played_at").toArray().size() == r.Dias, caso.constData());
        const TAnaliseJogo analise = AnalisaPlano(sim, plano);
        QVERIFY2(Remonta(analise.Decisoes, 0) == SemOPadrao(plano.Inicio), caso.constData());
        for (const TMudancasPlano& evento : plano.Eventos) {
            QVERIFY2(Remonta(analise.Decisoes, evento.Dia) == evento, caso.constData());
        }
        ++FContagem.Jogos;
        FContagem.Concluidos += r.Concluido ? 1 : 0;
        FContagem.SemDias += r.Dias == 0 ? 1 : 0;
    }

    TJogoTeste FJogo;
    QRandomGenerator FRng;
    TContagem& FContagem;
    QStringList FLinhas;
    bool FConcluidoAposPasso = false;
    int FContados = 0;
    int FChanceSim = 3; // in four: how often the turn's question is answered Yes
};

} // namespace

class TstJogadorAleatorio : public QObject {
    Q_OBJECT

private slots:
    // Guards against any move of the window that its game record fails to
    // carry, or carries so that the replay differs from what was shown.
    void EveryGameOfARandomPlayerReplaysFromItsRecord() {
        QStringList erros;
        TAplicacao::DefineExibicaoErro([&](const QString& m) { erros.append(m); });
        const auto restaura = qScopeGuard([] { TAplicacao::DefineExibicaoErro({}); });
        QList<quint32> sementes = SementesRegressao;
        for (quint32 s = 1; s <= Sessoes; ++s) {
            sementes.append(s);
        }
        TContagem contagem;
        for (quint32 semente : sementes) {
            TJogadorJanela jogador(semente, contagem);
            for (int vez = 0; jogador.Contados() < JogosPorSessao && vez < 3 * JogosPorSessao;
                 ++vez) {
                const QByteArray caso = "seed " + QByteArray::number(semente) + ", game " +
                                        QByteArray::number(vez + 1);
                jogador.JogaUmJogo();
                QVERIFY2(!QTest::currentTestFailed(), caso.constData());
                jogador.ConfereERecomeca(caso);
                if (QTest::currentTestFailed()) {
                    return;
                }
            }
            // Only counted games leave a file.
            QCOMPARE(ArquivosJogos(jogador.Jogo()).size(), jogador.Contados());
        }
        // "Q" with nobody in the team is the only error a player meets.
        erros.removeAll(QStringLiteral("List index out of bounds (0)"));
        QCOMPARE(erros, QStringList());
        // The games reach what matters: conclusions, games never played,
        // hours for an exhausted developer, drops of nobody.
        QVERIFY(contagem.Jogos >= 200);
        QVERIFY(contagem.Concluidos > 20);
        QVERIFY(contagem.SemDias > 0);
        QVERIFY(contagem.HorasExausto > 0);
        QVERIFY(contagem.SoltasDeNinguem > 0);
        qInfo("%d games, %d concluded, %d never played", contagem.Jogos, contagem.Concluidos,
              contagem.SemDias);
    }
};

int main(int argc, char** argv) {
    TAplicacao aplicacao(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orvanta"));
    TstJogadorAleatorio teste;
    return QTest::qExec(&teste, argc, argv);
}

#include "tst_jogador_aleatorio.moc"
