// The game in a class, played through the main window's own handlers
// against a real orvanta-server on 127.0.0.1 (and, for the faults a real
// server does not make on demand, a socket of the test's own): joining with
// F9 and as --class does, a finished game's record reaching the class
// verified and byte for byte, a server down, stalling, failing or refusing,
// and the game going on through all of it.
#include "../gui/RegistroJogoTeste.h"
#include "../gui/RoboModal.h"
#include "../servidor/ServidorTeste.h"
#include "ServidorFalso.h"
#include "dialogs/BotaoRapido.h"
#include "dialogs/DTurma.h"
#include "envio/EnvioTurma.h"
#include "ui/Aplicacao.h"

#include <QCryptographicHash>
#include <QJsonArray>
#include <QLabel>
#include <QLineEdit>

Q_DECLARE_METATYPE(TServidorFalso::TResposta)

using namespace std::chrono_literals;
using ESituacao = TRegistroEnvio::ESituacao;

namespace {

// Short enough for a test, long enough for a loaded machine's real server.
const TEnvioTurma::TTempos TemposServidorReal{10s, 200ms, 800ms};
// A stall or a failure is met within a second, and met again soon after.
const TEnvioTurma::TTempos TemposFalhas{300ms, 100ms, 400ms};
constexpr int Espera = 60000; // the longest wait for the network, in ms (a loaded machine)

QByteArray LeArquivo(const QString& caminho) {
    QFile arquivo(caminho);
    return arquivo.open(QIODevice::ReadOnly) ? arquivo.readAll() : QByteArray();
}

QString Digesto(const QByteArray& dados) {
    return QString::fromLatin1(QCryptographicHash::hash(dados, QCryptographicHash::Sha256).toHex());
}

QString LinkTurma(int porta, const QString& codigo) {
    return QStringLiteral("http://127.0.0.1:%1/classes/%2/").arg(porta).arg(codigo);
}

} // namespace

class TstEnvioJogo : public QObject {
    Q_OBJECT

    QStringList FErros;

    // A window without dialogs on the test's record folder, shown and
    // activated (which starts the sending); turns are answered Yes.
    static void Abre(TJogoTeste& jogo, const TEnvioTurma::TTempos& tempos) {
        jogo.Prepara(std::make_unique<TMainWindow>());
        jogo.Janela->Envio().DefineTempos(tempos);
        jogo.Janela->show();
        QTRY_VERIFY(!jogo.Janela->PrimeiraAtivacao());
    }
    // The game closed and started again on the same folder.
    static void Reabre(TJogoTeste& jogo, const TEnvioTurma::TTempos& tempos) {
        jogo.Janela.reset();
        Abre(jogo, tempos);
    }
    static TEnvioTurma& Envio(TJogoTeste& jogo) { return jogo.Janela->Envio(); }

    static void Tecla(TJogoTeste& jogo, char tecla) { QTest::keyClick(jogo.Janela.get(), tecla); }
    static void Tecla(TJogoTeste& jogo, Qt::Key tecla) {
        QTest::keyClick(jogo.Janela.get(), tecla);
    }
    // "R", then "+" until the project is concluded, then the "+" that records it.
    static void JogaAteOFim(TJogoTeste& jogo) {
        Tecla(jogo, 'R');
        while (!jogo.Projeto()->Concluido() && jogo.Projeto()->Tempo() < 200) {
            Tecla(jogo, '+');
        }
        Tecla(jogo, '+');
    }
    // Joins as --class does, and waits for the class's answer.
    static void Entra(TJogoTeste& jogo, const QString& link) {
        jogo.Janela->EntraTurma(link);
        QTRY_VERIFY_WITH_TIMEOUT(Envio(jogo).Turma().has_value(), Espera);
    }
    // A class joined in an earlier run: its file beside the record file.
    static void JaNaTurma(TJogoTeste& jogo, const QString& link) {
        QString motivo;
        const auto lido = TLinkTurma::Le(link, motivo);
        QVERIFY2(lido, qPrintable(motivo));
        const TTurmaSalva turma{*lido, QStringLiteral("Earlier")};
        QVERIFY2(turma.Grava(TTurmaSalva::Caminho(jogo.Pasta.path()), motivo), qPrintable(motivo));
    }

    // F9, and what robo does with the Class dialog before closing it.
    static void ComDialogo(TJogoTeste& jogo, const std::function<void(TDlgTurma*)>& robo) {
        TRoboModal roboModal([&robo](QWidget* modal) {
            if (auto* dialogo = qobject_cast<TDlgTurma*>(modal)) {
                robo(dialogo);
                QTest::mouseClick(dialogo->BtFecha(), Qt::LeftButton);
            } else {
                TRoboModal::Fecha(modal);
            }
        });
        Tecla(jogo, Qt::Key_F9);
        QCOMPARE(roboModal.Vistos, QStringList{QStringLiteral("TDlgTurma")});
    }

    static QJsonArray Resultados(const TServidorTeste& servidor, const TTurmaTeste& turma) {
        const auto r =
            servidor.Cliente()->Get(Caminho(turma.codigo, "/results"), ComChave(turma.chave));
        return r && r->status == 200
                   ? QJsonDocument::fromJson(QByteArray::fromStdString(r->body)).array()
                   : QJsonArray();
    }

private slots:
    void initTestCase() {
        TAplicacao::DefineExibicaoErro([this](const QString& m) { FErros.append(m); });
    }
    void init() {
        FErros.clear();
        QLocale::setDefault(QLocale::c());
    }
    void cleanup() { QVERIFY2(FErros.isEmpty(), qPrintable(FErros.join('\n'))); }

    // guards against a record that never reaches the class, reaches it changed or
    // unverified, is sent twice, or a class that finds its way into the record file
    void RThenPlusToTheEndReachesTheClassVerifiedWithTheManagersName() {
        TBancoTeste banco;
        const TTurmaTeste turma = CriaTurmaTeste(banco, QStringLiteral("Year 9 Software"));
        TServidorTeste servidor(banco);
        QVERIFY2(servidor.Porta() > 0 && !turma.codigo.isEmpty(), servidor.Erros().constData());
        const QString link = LinkTurma(servidor.Porta(), turma.codigo);
        TJogoTeste jogo;
        Abre(jogo, TemposServidorReal);

        QString nome;
        ComDialogo(jogo, [&](TDlgTurma* dialogo) {
            dialogo->EdLink()->setText(QStringLiteral("  ") + link.toLower().chopped(1) + "  ");
            QTest::keyClick(dialogo->EdLink(), Qt::Key_Return); // Enter in the field joins
            QTRY_VERIFY_WITH_TIMEOUT(Envio(jogo).Turma().has_value(), Espera);
            nome = dialogo->LbTurma()->text();
        });
        QCOMPARE(nome, QStringLiteral("Year 9 Software  (%1)").arg(link));
        QVERIFY(LeArquivo(TTurmaSalva::Caminho(jogo.Pasta.path())).contains(link.toUtf8()));

        JogaAteOFim(jogo);
        QTRY_COMPARE_WITH_TIMEOUT(Envio(jogo).Conta(ESituacao::Enviado), 1, Espera);
        Tecla(jogo, '+'); // recorded again: the same record
        QTRY_VERIFY(!Envio(jogo).Enviando());

        const QJsonArray linhas = Resultados(servidor, turma);
        QCOMPARE(linhas.size(), 1);
        const QJsonObject linha = linhas.first().toObject();
        QCOMPARE(linha.value("check").toString(), QStringLiteral("verified"));
        QCOMPARE(linha.value("concluded").toBool(), true);
        QCOMPARE(linha.value("days").toInt(), 81);
        QCOMPARE(linha.value("cost").toDouble(), 16200.0);
        QCOMPARE(linha.value("manager").toString(), QStringLiteral("Tester"));
        QCOMPARE(linha.value("game").toInt(), 1);

        // The bytes the class keeps are the file in games/, and the state says so.
        jogo.Janela->Gravacao().AguardaGravacoes();
        Envio(jogo).AguardaGravacoes();
        const QByteArray arquivo = LeArquivo(CaminhoRegistroJogo(jogo, 1));
        const auto registro = servidor.Cliente()->Get(
            Caminho(turma.codigo, "/records/") + std::to_string(linha.value("id").toInteger()),
            ComChave(turma.chave));
        QVERIFY(registro && registro->status == 200);
        QCOMPARE(QByteArray::fromStdString(registro->body), arquivo);
        QCOMPARE(linha.value("sha256").toString(), Digesto(arquivo));
        const QJsonArray estado =
            QJsonDocument::fromJson(LeArquivo(TEstadoEnvio::CaminhoEstado(jogo.Pasta.path())))
                .object()
                .value("records")
                .toArray();
        QCOMPARE(estado.size(), 1);
        QCOMPARE(estado.first().toObject().value("sha256").toString(), Digesto(arquivo));
        QCOMPARE(estado.first().toObject().value("state").toString(), QStringLiteral("sent"));
        // The record file keeps its own sections and nothing else.
        QCOMPARE(jogo.Ini(), QByteArray("[Orvanta]\nManager=Tester\nNTimes=1\n[#1]\nCost=16200\n"
                                        "Time=81\n"));

        QStringList dialogo;
        ComDialogo(jogo, [&](TDlgTurma* d) {
            for (QLabel* l : {d->LbEnviados(), d->LbAguardando(), d->LbRecusados()}) {
                dialogo.append(l->text());
            }
        });
        QCOMPARE(dialogo, (QStringList{"1", "0", "0"}));
    }

    // guards against a record lost when the server is down, never tried again,
    // or sent again on every start once acknowledged
    void ARecordWaitsWhileTheServerIsDownAndIsSentOnceWhenItIsBack() {
        TBancoTeste banco;
        const TTurmaTeste turma = CriaTurmaTeste(banco, QStringLiteral("Evening class"));
        auto servidor = std::make_unique<TServidorTeste>(banco);
        const int porta = servidor->Porta();
        QVERIFY(porta > 0);
        TJogoTeste jogo;
        Abre(jogo, TemposServidorReal);
        Entra(jogo, LinkTurma(porta, turma.codigo));
        QCOMPARE(servidor->Sinaliza(SIGTERM), 0);

        JogaAteOFim(jogo);
        QTRY_VERIFY_WITH_TIMEOUT(!Envio(jogo).UltimoErro().isEmpty(), Espera);
        QVERIFY2(Envio(jogo).UltimoErro().contains(QStringLiteral("Connection refused")),
                 qPrintable(Envio(jogo).UltimoErro()));
        QCOMPARE(Envio(jogo).Conta(ESituacao::Aguardando), 1);
        QVERIFY(Envio(jogo).ProximaTentativa().isValid());
        // Tried again after its pause, still waiting.
        const QDateTime primeiraFalha = Envio(jogo).HoraUltimoErro();
        QTRY_VERIFY_WITH_TIMEOUT(Envio(jogo).HoraUltimoErro() > primeiraFalha, Espera);
        QCOMPARE(Envio(jogo).Conta(ESituacao::Aguardando), 1);

        // The server back on its address, the game started again.
        servidor = std::make_unique<TServidorTeste>(
            banco, QStringList{"--listen", QStringLiteral("127.0.0.1:%1").arg(porta)});
        QCOMPARE(servidor->Porta(), porta);
        Reabre(jogo, TemposServidorReal);
        QTRY_VERIFY2_WITH_TIMEOUT(Envio(jogo).Conta(ESituacao::Enviado) == 1,
                                  qPrintable(Envio(jogo).UltimoErro()), Espera);
        QCOMPARE(Envio(jogo).Conta(ESituacao::Aguardando), 0);
        const QJsonArray linhas = Resultados(*servidor, turma);
        QCOMPARE(linhas.size(), 1);
        QCOMPARE(linhas.first().toObject().value("check").toString(), QStringLiteral("verified"));
        QCOMPARE(linhas.first().toObject().value("sha256").toString(),
                 Digesto(LeArquivo(CaminhoRegistroJogo(jogo, 1))));

        // Acknowledged: with the server gone again, a new start tries nothing.
        QCOMPARE(servidor->Sinaliza(SIGTERM), 0);
        Reabre(jogo, TemposServidorReal);
        QTest::qWait(300);
        QVERIFY2(Envio(jogo).UltimoErro().isEmpty(), qPrintable(Envio(jogo).UltimoErro()));
        QVERIFY(!Envio(jogo).ProximaTentativa().isValid());
        QCOMPARE(Envio(jogo).Conta(ESituacao::Enviado), 1);
    }

    void AServerThatFailsNeverStopsTheGameAndTheRecordIsTriedAgain_data() {
        QTest::addColumn<TServidorFalso::TResposta>("resposta");
        QTest::addColumn<QString>("erro");
        QTest::newRow("stalling") << TServidorFalso::Mudo() << "no whole answer within 0.3 s";
        QTest::newRow("500") << TServidorFalso::Http(500, R"({"error": "the database\nfell"})")
                             << "the server answered HTTP 500: the database fell";
        QTest::newRow("429") << TServidorFalso::Http(429, R"({"error": "too many"})")
                             << "the server answered HTTP 429: too many";
        QTest::newRow("garbage") << TServidorFalso::Bytes(
                                        QByteArray("\x16\x03\x01\x00\xff garbage", 15))
                                 << "127.0.0.1:";
        QTest::newRow("a page, not a receipt")
            << TServidorFalso::Http(200, "<html>Sign in to the network</html>")
            << "is not a receipt for this record";
        QTest::newRow("a receipt for other bytes")
            << TServidorFalso::Http(201, R"({"id": 1, "sha256": "0000"})")
            << "is not a receipt for this record";
    }
    // guards against a turn, a dialog or a message box held up by the server,
    // and against a record given up after a failure instead of tried again
    void AServerThatFailsNeverStopsTheGameAndTheRecordIsTriedAgain() {
        QFETCH(TServidorFalso::TResposta, resposta);
        QFETCH(QString, erro);
        TServidorFalso falso(resposta);
        TJogoTeste jogo;
        JaNaTurma(jogo, falso.Link());
        TRoboModal robo;
        Abre(jogo, TemposFalhas);
        JogaAteOFim(jogo);

        // The game goes on while the record is under way or failing.
        Tecla(jogo, Qt::Key_F7);
        Tecla(jogo, 'R');
        QCOMPARE(jogo.Projeto()->Tempo(), 26.0);
        QVERIFY(robo.Vistos.isEmpty());

        // Failed, and failed again at a later try.
        QTRY_VERIFY_WITH_TIMEOUT(!Envio(jogo).UltimoErro().isEmpty(), Espera);
        const QDateTime primeiraFalha = Envio(jogo).HoraUltimoErro();
        QTRY_VERIFY_WITH_TIMEOUT(Envio(jogo).HoraUltimoErro() > primeiraFalha, Espera);
        QVERIFY(falso.Pedidos >= 2);
        QVERIFY2(Envio(jogo).UltimoErro().contains(erro), qPrintable(Envio(jogo).UltimoErro()));
        QCOMPARE(Envio(jogo).Conta(ESituacao::Aguardando), 1);
        QCOMPARE(Envio(jogo).Conta(ESituacao::Enviado), 0);

        // The server mended: the record goes at its next try.
        falso.DefineResposta(TServidorFalso::Recibo());
        QTRY_COMPARE_WITH_TIMEOUT(Envio(jogo).Conta(ESituacao::Enviado), 1, Espera);
        QVERIFY(robo.Vistos.isEmpty());
    }

    void ARefusedRecordIsShownAndNeverSentAgain_data() {
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("corpo");
        QTest::addColumn<QString>("motivo");
        QTest::newRow("400") << 400 << QByteArray(R"({"error": "the record is not a plan"})")
                             << "the record is not a plan";
        QTest::newRow("404") << 404 << QByteArray(R"({"error": "no class FALSO234"})")
                             << "no class FALSO234";
        QTest::newRow("413 without a reason") << 413 << QByteArray() << "HTTP status 413";
    }
    // guards against a refused record sent again and again, or refused in silence
    void ARefusedRecordIsShownAndNeverSentAgain() {
        QFETCH(int, status);
        QFETCH(QByteArray, corpo);
        QFETCH(QString, motivo);
        TServidorFalso falso(TServidorFalso::Http(status, corpo));
        TJogoTeste jogo;
        JaNaTurma(jogo, falso.Link());
        Abre(jogo, TemposFalhas);
        JogaAteOFim(jogo);
        QTRY_COMPARE_WITH_TIMEOUT(Envio(jogo).Conta(ESituacao::Recusado), 1, Espera);

        QStringList textos;
        ComDialogo(jogo, [&](TDlgTurma* d) {
            textos << d->LbRecusados()->text() << d->LbNaoEnviados()->text();
        });
        QCOMPARE(textos, (QStringList{"1", "game-1.json: " + motivo}));

        Tecla(jogo, '+'); // recorded again
        Reabre(jogo, TemposFalhas);
        QTest::qWait(3 * TemposFalhas.PausaMaxima.count());
        QCOMPARE(falso.Pedidos, 1);
        QCOMPARE(Envio(jogo).Conta(ESituacao::Recusado), 1);
        QCOMPARE(Envio(jogo).Conta(ESituacao::Aguardando), 0);
    }

    // guards against a refusal by the real server lost or shown without its reason
    void AClassTheServerNoLongerHasRefusesTheRecordWithItsReason() {
        TBancoTeste banco;
        const TTurmaTeste turma = CriaTurmaTeste(banco, QStringLiteral("Gone"));
        auto servidor = std::make_unique<TServidorTeste>(banco);
        const int porta = servidor->Porta();
        TJogoTeste jogo;
        Abre(jogo, TemposServidorReal);
        Entra(jogo, LinkTurma(porta, turma.codigo));
        // Another server, another database, on the class's address.
        QCOMPARE(servidor->Sinaliza(SIGTERM), 0);
        TBancoTeste outro;
        servidor = std::make_unique<TServidorTeste>(
            outro, QStringList{"--listen", QStringLiteral("127.0.0.1:%1").arg(porta)});
        QCOMPARE(servidor->Porta(), porta);

        JogaAteOFim(jogo);
        QTRY_COMPARE_WITH_TIMEOUT(Envio(jogo).Conta(ESituacao::Recusado), 1, Espera);
        QCOMPARE(Envio(jogo).NaoEnviados().first().Motivo, "no class " + turma.codigo);
        QCOMPARE(Envio(jogo).ProximaTentativa().isValid(), false);
    }

    // guards against a class joined on a bad link or an unknown code, a
    // failure without its reason, and a class left that still gets records
    void TheClassDialogJoinsOnlyAClassTheServerKnowsAndLeaves() {
        TBancoTeste banco;
        const TTurmaTeste turma = CriaTurmaTeste(banco, QStringLiteral("Morning"));
        TServidorTeste servidor(banco);
        TJogoTeste jogo;
        Abre(jogo, TemposServidorReal);
        const QString caminhoTurma = TTurmaSalva::Caminho(jogo.Pasta.path());
        const QString fechada =
            LinkTurma(TServidorFalso(TServidorFalso::Mudo()).Porta(), "ABCD2345");
        const QList<std::pair<QString, QString>> tentativas{
            {"", "no class link: the teacher gives one like http://HOST:PORT/classes/CODE/"},
            {"ftp://127.0.0.1/classes/ABC/",
             "not a class link: it looks like http://HOST:PORT/classes/CODE/"},
            {LinkTurma(servidor.Porta(), "ZZZZ2345"), "no class ZZZZ2345"},
            {fechada, "Connection refused"},
        };
        QStringList vistos;
        bool botaoSai = true;
        ComDialogo(jogo, [&](TDlgTurma* d) {
            botaoSai = d->BtSai()->isEnabled();
            for (const auto& [link, motivo] : tentativas) {
                d->EdLink()->setText(link);
                QTest::mouseClick(d->BtEntra(), Qt::LeftButton);
                QTRY_VERIFY_WITH_TIMEOUT(!Envio(jogo).Verificando(), Espera);
                vistos.append(d->LbEntrada()->text());
            }
        });
        QVERIFY(!botaoSai);
        QCOMPARE(vistos.size(), tentativas.size());
        for (int i = 0; i < tentativas.size(); ++i) {
            QVERIFY2(vistos[i].startsWith("Not joined: ") &&
                         vistos[i].contains(tentativas[i].second),
                     qPrintable(vistos[i]));
        }
        QVERIFY(!Envio(jogo).Turma());
        QVERIFY(!QFile::exists(caminhoTurma));

        Entra(jogo, LinkTurma(servidor.Porta(), turma.codigo));
        QVERIFY(QFile::exists(caminhoTurma));
        ComDialogo(jogo, [&](TDlgTurma* d) {
            QVERIFY(d->BtSai()->isEnabled());
            QTest::mouseClick(d->BtSai(), Qt::LeftButton);
        });
        QVERIFY(!Envio(jogo).Turma());
        QVERIFY(!QFile::exists(caminhoTurma));
        JogaAteOFim(jogo);
        QTest::qWait(200);
        QVERIFY(Resultados(servidor, turma).isEmpty());
        QVERIFY(!QFile::exists(TEstadoEnvio::CaminhoEstado(jogo.Pasta.path())));
    }

    void TheClassOptionTakesOnlyAClassLink_data() {
        QTest::addColumn<QStringList>("argumentos");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("saida");
        QTest::addColumn<QString>("erros");
        QTest::newRow("help") << QStringList{"--help"} << 0 << "--class <LINK>"
                              << "";
        QTest::newRow("not a link")
            << QStringList{"--class", "ftp://h/classes/X/"} << 2 << ""
            << "orvanta: --class: not a class link: it looks like http://HOST:PORT/classes/CODE/\n";
        QTest::newRow("no link") << QStringList{"--class"} << 2 << ""
                                 << "orvanta: Missing value after '--class'. (orvanta --help "
                                    "tells the options)\n";
        QTest::newRow("unknown option") << QStringList{"--klass", "x"} << 2 << ""
                                        << "orvanta: Unknown option 'klass'. (orvanta --help "
                                           "tells the options)\n";
    }
    // guards against a bad link taken silently by a lab's script, or an option
    // that changes the game when it is not given
    void TheClassOptionTakesOnlyAClassLink() {
        QFETCH(QStringList, argumentos);
        QFETCH(int, status);
        QFETCH(QString, saida);
        QFETCH(QString, erros);
        // A runtime folder of its own, so that Qt has nothing to say of it.
        QTemporaryDir execucao;
        QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
        ambiente.insert(QStringLiteral("XDG_RUNTIME_DIR"), execucao.path());
        QProcess jogo;
        jogo.setProcessEnvironment(ambiente);
        jogo.start(QStringLiteral(ORVANTA_BIN_DIR "/orvanta"), argumentos);
        QVERIFY(jogo.waitForFinished(60000));
        QCOMPARE(jogo.exitStatus(), QProcess::NormalExit);
        QCOMPARE(jogo.exitCode(), status);
        QVERIFY(QString::fromUtf8(jogo.readAllStandardOutput()).contains(saida));
        QCOMPARE(QString::fromUtf8(jogo.readAllStandardError()), erros);
    }
};

int main(int argc, char** argv) {
    TAplicacao aplicacao(argc, argv);
    TstEnvioJogo teste;
    return QTest::qExec(&teste, argc, argv);
}

#include "tst_envio_jogo.moc"
