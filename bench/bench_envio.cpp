// The game in a class whose server stalls: "Next Turn" through the window,
// day steps and the turns that record a result (which hand the record to
// the sending), with no class joined (0) and with a class whose server
// accepts and never answers (1). The stalled request and the records
// queued behind it must cost a turn nothing.
#include "controls/CommandButton.h"
#include "envio/EnvioTurma.h"
#include "model/mAtividade.h"
#include "model/mProjeto.h"
#include "model/mSimulador.h"
#include "ui/JanelaPrincipal.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

using namespace std::chrono_literals;

// Corvin alone on every activity.
void PreparaJogo(TMainWindow& janela) {
    TProjetoSoftware* projeto = janela.Projeto();
    projeto->Equipe().append(janela.Simulador()->Desenvolvedores().at(0));
    for (int i = 0; i < projeto->NumeroAtividades(); ++i) {
        projeto->Atividade(i)->SetDesenvolvedor(projeto->Equipe().at(0));
    }
}

// One iteration is one "Next Turn" of run A played over and over (81 days,
// then the turn that records the result, then F7, untimed). The time shown
// is per turn; "result_turn_us" is the mean of the turns that record a result.
void BM_TurnWithTheClassServerStalling(benchmark::State& state) {
    const bool turma = state.range(0) != 0;
    // Accepts every connection and never answers.
    QTcpServer parado;
    parado.listen(QHostAddress::LocalHost);
    QList<QTcpSocket*> presos;
    QObject::connect(&parado, &QTcpServer::newConnection, [&] {
        while (QTcpSocket* s = parado.nextPendingConnection()) {
            presos.append(s);
        }
    });

    QTemporaryDir pasta;
    const QString ini = pasta.filePath(QStringLiteral("Orvanta.INI"));
    {
        QFile arquivo(ini);
        if (arquivo.open(QIODevice::WriteOnly)) {
            arquivo.write("[Orvanta]\nManager=Bench\n");
        }
    }
    if (turma) {
        QString motivo;
        const TTurmaSalva salva{
            *TLinkTurma::Le(QStringLiteral("http://127.0.0.1:%1/classes/STALL234/")
                                .arg(parado.serverPort()),
                            motivo),
            QStringLiteral("Stalling")};
        salva.Grava(TTurmaSalva::Caminho(pasta.path()), motivo);
    }
    TMainWindow janela;
    janela.Registro().DefineCaminho(ini);
    // The stalled request stays under way for the whole run.
    janela.Envio().DefineTempos({1h, 1h, 1h});
    janela.show();
    while (janela.PrimeiraAtivacao()) {
        QApplication::processEvents();
    }
    PreparaJogo(janela);
    QApplication::processEvents();
    auto* proximoTurno = janela.findChild<TCommandButton*>(QStringLiteral("BtPassaTempo"));
    bool registrado = false;
    double registros = 0;
    double tempoRegistros = 0;
    for (auto _ : state) {
        if (registrado) {
            state.PauseTiming();
            QKeyEvent f7(QEvent::KeyPress, Qt::Key_F7, Qt::NoModifier);
            QApplication::sendEvent(&janela, &f7);
            PreparaJogo(janela);
            QApplication::processEvents();
            registrado = false;
            state.ResumeTiming();
        }
        registrado = janela.Projeto()->Concluido();
        QElapsedTimer relogio;
        relogio.start();
        proximoTurno->OnClick(proximoTurno);
        QApplication::processEvents();
        if (registrado) {
            tempoRegistros += relogio.nsecsElapsed() / 1000.0;
            ++registros;
        }
    }
    state.counters["result_turn_us"] = registros > 0 ? tempoRegistros / registros : 0.0;
    state.counters["stalled_connections"] = presos.size();
    state.counters["records_waiting"] = janela.Envio().Conta(TRegistroEnvio::ESituacao::Aguardando);
    qDeleteAll(presos);
}
BENCHMARK(BM_TurnWithTheClassServerStalling)
    ->ArgName("class")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMicrosecond)
    ->MinTime(3.0);

} // namespace
