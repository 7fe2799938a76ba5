// The game's records of itself: games/game-N.json beside the record file,
// written as the game is played, replaying and verifying with the plan
// library; what they say besides the plan; games never played; records of
// other games in the way; a folder that cannot be written.
#include "RegistroJogoTeste.h"
#include "model/mSimulador.h"
#include "plan/VerificacaoPlano.h"
#include "ui/Aplicacao.h"

#include "registro/ArquivoIni.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QtTest>
#include <random>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/wait.h>
#include <unistd.h>
#endif

class TstGravacaoJogo : public QObject {
    Q_OBJECT

    QStringList FAvisos;
    int FLeituras = 0;

    // A window without dialogs on the test's record file, activated (its
    // next turn counts a game); turns are answered Yes; the clock reads
    // 2026-12-08 11:02:03 +01:00, one minute later at each reading.
    void Abre(TJogoTeste& jogo) {
        jogo.Prepara(std::make_unique<TMainWindow>());
        jogo.Janela->Gravacao().DefineRelogio([this] {
            const QDateTime inicio(QDate(2026, 12, 8), QTime(11, 2, 3), Qt::OffsetFromUTC, 3600);
            return inicio.addSecs(60 * FLeituras++);
        });
        jogo.Janela->DefineAvisoGravacao([this](const QString& m) { FAvisos.append(m); });
        jogo.Janela->show();
        QTRY_VERIFY(!jogo.Janela->PrimeiraAtivacao());
    }

    static void Tecla(TJogoTeste& jogo, char tecla) { QTest::keyClick(jogo.Janela.get(), tecla); }
    static void Tecla(TJogoTeste& jogo, Qt::Key tecla) {
        QTest::keyClick(jogo.Janela.get(), tecla);
    }

    // Corvin alone on the first use case, which he ends in its first days.
    static void CorvinNoCasoDeUso(TJogoTeste& jogo) {
        jogo.Projeto()->Equipe().append(jogo.Janela->Simulador()->Desenvolvedores().at(0));
        jogo.Atividade(0)->SetDesenvolvedor(jogo.Projeto()->Equipe().at(0));
    }

#ifdef Q_OS_UNIX
    // The child killed at random: a window on the record file that counts
    // game after game ("+", then F7) without end. It says it is ready on
    // pronto once its window stands.
    [[noreturn]] static void JogaSemFim(const QString& caminhoIni, int pronto) {
        TAplicacao::DefineExibicaoErro([](const QString&) {});
        TMainWindow janela;
        janela.Registro().DefineCaminho(caminhoIni);
        janela.DefinePergunta([](const QString&) { return true; });
        janela.DefineAvisoGravacao([](const QString&) {});
        const char sinal = 1;
        if (write(pronto, &sinal, 1) != 1) {
            _exit(3);
        }
        for (;;) {
            QTest::keyClick(&janela, '+');
            QTest::keyClick(&janela, Qt::Key_F7);
        }
    }
#endif

private slots:
    void init() {
        FAvisos.clear();
        FLeituras = 0;
        QLocale::setDefault(QLocale::c());
    }

    // Guards against a record that does not replay what the window played,
    // or that the window's own view of the record disagrees with.
    void RThenPlusToTheEndRecordsAGameThatVerifies() {
        TJogoTeste jogo;
        Abre(jogo);
        Tecla(jogo, 'R');
        while (!jogo.Projeto()->Concluido() && jogo.Projeto()->Tempo() < 200) {
            Tecla(jogo, '+');
        }
        Tecla(jogo, '+'); // the result is recorded

        TSimuladorProjeto sim;
        const TPlano plano = LeRegistroJogo(jogo, 1, sim);
        const TVerificacao v = VerificaPlano(sim, plano);
        QVERIFY2(v.Confere, qPrintable(v.Diferenca()));
        QVERIFY(v.Gravado == (TResultadoPlano{true, 81, 16200.0}));
        QVERIFY(plano == jogo.Janela->PlanoJogoAtual());
        QCOMPARE(ArquivosJogos(jogo), QStringList{QStringLiteral("game-1.json")});
        QVERIFY(FAvisos.isEmpty());
    }

    // Guards against a record that depends on the locale (decimal commas,
    // grouping) or mangles the manager's letters, and against meta naming
    // the wrong game or times without their offset.
    void TheRecordSaysWhoWhenAndWhichGameWhateverTheLocale() {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        TJogoTeste jogo("[Orvanta]\nManager=Zo\xc3\xab N\xc3\xba\xc3\xb1""ez\nNTimes=41\n");
        Abre(jogo);
        CorvinNoCasoDeUso(jogo);
        for (int dia = 0; dia < 2; ++dia) {
            Tecla(jogo, '+');
        }
        const double custo = jogo.Projeto()->Custo();
        QVERIFY(custo != std::floor(custo)); // a real with decimals to write

        TSimuladorProjeto sim;
        const TPlano plano = LeRegistroJogo(jogo, 42, sim);
        QVERIFY(plano.Resultado && plano.Resultado->Custo == custo);
        const QJsonObject meta = plano.Meta.value_or(QJsonObject());
        QCOMPARE(meta.value("game").toInt(), 42);
        QCOMPARE(meta.value("manager").toString(), QString::fromUtf8("Zo\xc3\xab N\xc3\xba\xc3\xb1""ez"));
        QVERIFY(QRegularExpression("^Orvanta \\d+\\.\\d+")
                    .match(meta.value("program").toString()).hasMatch());
        QCOMPARE(meta.value("started").toString(), QStringLiteral("2026-12-08T11:02:03+01:00"));
        QCOMPARE(meta.value("days_played_at").toArray(),
                 (QJsonArray{"2026-12-08T11:03:03+01:00", "2026-12-08T11:04:03+01:00"}));
        // The text: UTF-8, and the cost in the C locale's digits.
        QFile arquivo(CaminhoRegistroJogo(jogo, 42));
        QVERIFY(arquivo.open(QIODevice::ReadOnly));
        const QByteArray texto = arquivo.readAll();
        QVERIFY(texto.contains("\"manager\": \"Zo\xc3\xab N\xc3\xba\xc3\xb1""ez\""));
        QVERIFY(QRegularExpression("\"cost\": \\d+\\.\\d+,").match(QString::fromUtf8(texto)).hasMatch());
    }

    // Guards against a counted game that leaves no record, or a record that
    // the runner would refuse, when no day of it is ever played.
    void AGameCountedButNeverPlayedKeepsAnEmptyRecord() {
        TJogoTeste jogo;
        Abre(jogo);
        Tecla(jogo, Qt::Key_F7); // not counted yet: nothing recorded
        jogo.Resposta = false;
        Tecla(jogo, '+');        // counted, turn declined
        Tecla(jogo, Qt::Key_F7);
        QCOMPARE(jogo.Perguntas, 1);

        TSimuladorProjeto sim;
        const TPlano plano = LeRegistroJogo(jogo, 1, sim);
        QCOMPARE(plano.MaximoDias, 0);
        QVERIFY(plano.Eventos.isEmpty());
        QVERIFY(plano.Meta && plano.Meta->value("days_played_at").toArray().isEmpty());
        const TVerificacao v = VerificaPlano(sim, plano);
        QVERIFY(v.Confere);
        QVERIFY(v.Gravado == TResultadoPlano());
        QCOMPARE(ArquivosJogos(jogo), QStringList{QStringLiteral("game-1.json")});
    }

    // Guards against a game overwriting the record of another game of the
    // same number (a record file replaced while games/ stayed), also one of
    // the same run, and against a game moving its own record aside.
    void ARecordInTheWayIsKeptAsAnEarlierOne() {
        TJogoTeste jogo;
        QVERIFY(QDir(jogo.Pasta.path()).mkdir(QStringLiteral("games")));
        const auto escreve = [&](const char* nome, const QByteArray& conteudo) {
            QFile arquivo(jogo.Pasta.filePath(QStringLiteral("games/") + nome));
            QVERIFY(arquivo.open(QIODevice::WriteOnly));
            arquivo.write(conteudo);
        };
        escreve("game-1.json", "old game 1");
        escreve("earlier-game-1.json", "older game 1");
        Abre(jogo);
        CorvinNoCasoDeUso(jogo);
        Tecla(jogo, '+');
        Tecla(jogo, '+');
        TSimuladorProjeto sim;
        QCOMPARE(LeRegistroJogo(jogo, 1, sim).MaximoDias, 2);

        // A new record file: the next game is number 1 again.
        Tecla(jogo, Qt::Key_F7);
        QFile::remove(jogo.CaminhoIni());
        CorvinNoCasoDeUso(jogo);
        Tecla(jogo, '+');
        QCOMPARE(LeRegistroJogo(jogo, 1, sim).MaximoDias, 1);
        QCOMPARE(ArquivosJogos(jogo),
                 (QStringList{"earlier-game-1-2.json", "earlier-game-1-3.json",
                              "earlier-game-1.json", "game-1.json"}));
        const auto le = [&](const char* nome) {
            QFile arquivo(jogo.Pasta.filePath(QStringLiteral("games/") + nome));
            return arquivo.open(QIODevice::ReadOnly) ? arquivo.readAll() : QByteArray();
        };
        QCOMPARE(le("earlier-game-1.json"), QByteArray("older game 1"));
        QCOMPARE(le("earlier-game-1-2.json"), QByteArray("old game 1"));
        QCOMPARE(LePlano(le("earlier-game-1-3.json"), "earlier", sim).MaximoDias, 2);
        QVERIFY(FAvisos.isEmpty());
    }

    // Guards against a count written before its game's record: a game
    // killed in between was counted with no record at all. A window counts
    // game after game and is killed at random moments: every game the
    // record file counts must have its record.
    void EveryCountedGameHasItsRecordWhateverMomentTheGameIsKilled() {
#ifdef Q_OS_UNIX
        TJogoTeste jogo;
        std::mt19937 sorteio(20261208);
        std::uniform_int_distribution<int> espera(0, 40000);
        int contados = 0;
        for (int vez = 0; vez < 30; ++vez) {
            int canal[2];
            QCOMPARE(pipe(canal), 0);
            const pid_t filho = fork();
            QVERIFY(filho >= 0);
            if (filho == 0) {
                close(canal[0]);
                JogaSemFim(jogo.CaminhoIni(), canal[1]);
            }
            close(canal[1]);
            char sinal = 0;
            const bool pronto = read(canal[0], &sinal, 1) == 1;
            close(canal[0]);
            if (pronto) {
                usleep(static_cast<useconds_t>(espera(sorteio)));
            }
            kill(filho, SIGKILL);
            int status = 0;
            QCOMPARE(waitpid(filho, &status, 0), filho);
            QVERIFY(pronto);
            TArquivoIni ini;
            QVERIFY(ini.Carrega(jogo.CaminhoIni()));
            contados = ini.Valor(QStringLiteral("Orvanta"), QStringLiteral("NTimes"))
                           .value_or(QStringLiteral("0"))
                           .toInt();
            for (int numero = 1; numero <= contados; ++numero) {
                QVERIFY2(QFileInfo::exists(CaminhoRegistroJogo(jogo, numero)),
                         qPrintable(QStringLiteral("kill %1: game %2 of %3 counted has no record")
                                        .arg(QString::number(vez + 1), QString::number(numero),
                                             QString::number(contados))));
            }
        }
        QVERIFY2(contados > 10, qPrintable(QString::number(contados)));
#else
        QSKIP("needs fork and kill");
#endif
    }

    // Guards against the record of a game whose count could not be written
    // left behind (the record is made first), or moved aside as an earlier
    // game's when the count is tried again.
    void ACountThatCannotBeWrittenLeavesNoRecord() {
        TJogoTeste jogo;
        Abre(jogo);
        // A record file that reads as empty but cannot be written: a folder.
        QVERIFY(QDir(jogo.Pasta.path()).mkpath(QStringLiteral("outra/Orvanta.INI")));
        const QString caminho = jogo.Pasta.filePath(QStringLiteral("outra/Orvanta.INI"));
        jogo.Janela->Registro().DefineCaminho(caminho);
        QStringList erros;
        TAplicacao::DefineExibicaoErro([&](const QString& m) { erros.append(m); });
        const auto restaura = qScopeGuard([] { TAplicacao::DefineExibicaoErro({}); });
        CorvinNoCasoDeUso(jogo);
        Tecla(jogo, '+');
        QCOMPARE(erros, QStringList{QStringLiteral("Unable to write to ") + caminho});
        QVERIFY(jogo.Janela->NovoJogo());
        QCOMPARE(jogo.Projeto()->Tempo(), 0.0);
        const QDir jogos(jogo.Pasta.filePath(QStringLiteral("outra/games")));
        QCOMPARE(jogos.entryList(QDir::Files), QStringList());

        QVERIFY(QDir(jogo.Pasta.path()).rmdir(QStringLiteral("outra/Orvanta.INI")));
        Tecla(jogo, '+');
        jogo.Janela->Gravacao().AguardaGravacoes();
        QCOMPARE(erros.size(), 1);
        QCOMPARE(jogo.Projeto()->Tempo(), 1.0);
        QCOMPARE(jogos.entryList(QDir::Files), QStringList{QStringLiteral("game-1.json")});
        QVERIFY(FAvisos.isEmpty());
    }

    // Guards against a record that cannot be written stopping the turn (as
    // the record file's errors do), staying silent, or nagging every day.
    void AnUnwritableGamesFolderIsToldOnceAndTheGameGoesOn() {
        TJogoTeste jogo;
        QFile bloqueio(jogo.Pasta.filePath(QStringLiteral("games")));
        QVERIFY(bloqueio.open(QIODevice::WriteOnly)); // a file where the folder goes
        bloqueio.close();
        Abre(jogo);
        QStringList erros;
        TAplicacao::DefineExibicaoErro([&](const QString& m) { erros.append(m); });
        CorvinNoCasoDeUso(jogo);
        for (int vez = 0; vez < 3; ++vez) {
            Tecla(jogo, '+');
        }
        Tecla(jogo, Qt::Key_F7);
        CorvinNoCasoDeUso(jogo);
        Tecla(jogo, '+');
        jogo.Janela->Gravacao().AguardaGravacoes();
        QCoreApplication::processEvents();
        TAplicacao::DefineExibicaoErro({});

        QCOMPARE(jogo.Projeto()->Tempo(), 1.0);
        QVERIFY(jogo.Ini().contains("NTimes=2"));
        QVERIFY(erros.isEmpty());
        QCOMPARE(FAvisos.size(), 1);
        QVERIFY2(FAvisos.first().startsWith(QStringLiteral("Unable to write the game record ") +
                                            QDir::toNativeSeparators(CaminhoRegistroJogo(jogo, 1)) +
                                            QStringLiteral(": the folder ")),
                 qPrintable(FAvisos.first()));
    }

    // Guards against a debrief that misses a change of the game, or whose
    // plan is not the record's: the signal after each step, result and F7.
    void TheWindowTellsWhenTheGameChanges() {
        TJogoTeste jogo;
        Abre(jogo);
        QSignalSpy mudou(jogo.Janela.get(), &TMainWindow::JogoMudou);
        QCOMPARE(jogo.Janela->PlanoJogoAtual().MaximoDias, 0);
        jogo.Resposta = false;
        Tecla(jogo, '+'); // declined: nothing played
        QCOMPARE(mudou.count(), 0);
        Tecla(jogo, 'R');
        QCOMPARE(mudou.count(), 26);
        TSimuladorProjeto sim;
        QVERIFY(jogo.Janela->PlanoJogoAtual() == LeRegistroJogo(jogo, 1, sim));
        while (!jogo.Projeto()->Concluido() && jogo.Projeto()->Tempo() < 200) {
            Tecla(jogo, '+');
        }
        mudou.clear();
        Tecla(jogo, '+'); // the result
        Tecla(jogo, Qt::Key_F7);
        QCOMPARE(mudou.count(), 2);
        TPlano nenhum;
        nenhum.MaximoDias = 0;
        QVERIFY(jogo.Janela->PlanoJogoAtual() == nenhum);
    }
};

int main(int argc, char** argv) {
    TAplicacao aplicacao(argc, argv);
    TstGravacaoJogo teste;
    return QTest::qExec(&teste, argc, argv);
}

#include "tst_gravacao_jogo.moc"
