// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/orvanta-server-comandos.h"

#include "analise/FrentePar.h"
#include "model/mSimulador.h"
#include "plan/Plano.h"
#include "quadro/ApiQuadro.h"
#include "quadro/DesenhistaQuadro.h"
#include "quadro/GraficosQuadro.h"
#include "quadro/RotasQuadro.h"
#include "servidor/BancoTurmas.h"
#include "servidor/ChavesTurma.h"
#include "servidor/PoolTrabalho.h"
#include "servidor/RegistroRecebido.h"
#include "servidor/SinaisServidor.h"
#include "tools/ExecucaoFerramenta.h"
#include "turma/ArquivosTurma.h"
#include "turma/LeitorTurma.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>
#include <QThread>

#include <thread>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <memory>

namespace {

const char* const Ferramenta = "orvanta-server";

// How long a stop waits for the requests in flight: a record of 1 MiB on a
// poor classroom network arrives well within it; a client that takes
// longer (or a second signal) is not waited for.
constexpr std::chrono::seconds PrazoParada{30};

void EscreveErro(const QString& linha) {
    EscreveErroFerramenta(Ferramenta, linha);
}

// The front shipped with the game, for a board whose teacher named none;
// none, with a line saying why, when it cannot be found or read: the board
// serves on without it.
QList<TPontoFrente> FrenteDoJogo() {
    try {
        return LeFrenteDoJogo();
    } catch (const ETurma& e) {
        EscreveErro(QStringLiteral("note: the class chart has no front: ") + e.mensagem);
        return {};
    }
}

void Escreve(const QString& texto) {
    std::fputs(texto.toUtf8().constData(), stdout);
}

void EscreveJson(const QJsonValue& valor) {
    const QJsonDocument documento = valor.isArray() ? QJsonDocument(valor.toArray())
                                                    : QJsonDocument(valor.toObject());
    std::fputs(documento.toJson(QJsonDocument::Compact).constData(), stdout);
    std::fputs("\n", stdout);
}

// The database the options name: --database, or the SQLite file of the data
// folder (--data, or the user's data folder), the folder made when missing,
// readable by its owner only (it holds students' names and addresses).
std::optional<TEnderecoBanco> Endereco(const TOpcoesComando& opcoes) {
    if (opcoes.Banco) {
        return opcoes.Banco;
    }
    QString pasta = opcoes.Pasta;
    if (pasta.isEmpty()) {
        QCoreApplication::setApplicationName(QStringLiteral("Orvanta"));
        pasta = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
                QStringLiteral("/server");
    }
    if (!QFileInfo(pasta).isDir()) {
        if (!QDir().mkpath(pasta)) {
            EscreveErro(QStringLiteral("cannot make the data folder ") + pasta);
            return std::nullopt;
        }
        QFile::setPermissions(pasta, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                         QFileDevice::ExeOwner);
    }
    return EnderecoSQLite(pasta);
}

// The database opened on this thread and brought to this server's schema;
// none, with the error line written, when that fails.
std::unique_ptr<TBancoTurmas> AbreBanco(const TEnderecoBanco& endereco) {
    try {
        auto banco = std::make_unique<TBancoTurmas>(endereco);
        banco->PreparaEsquema();
        return banco;
    } catch (const EBanco& e) {
        EscreveErro(e.mensagem);
        return nullptr;
    }
}

std::unique_ptr<TBancoTurmas> AbreBanco(const TOpcoesComando& opcoes) {
    const std::optional<TEnderecoBanco> endereco = Endereco(opcoes);
    return endereco ? AbreBanco(*endereco) : nullptr;
}

QString SemTurma(const QString& codigo) {
    return QStringLiteral("no class ") + codigo;
}

} // namespace

int Serve(const TOpcoesComando& opcoes) {
    // Before any thread starts, so that every one leaves the signals to
    // the thread that waits for them.
    BloqueiaSinaisParada();
    const std::optional<TEnderecoBanco> endereco = Endereco(opcoes);
    if (!endereco || !AbreBanco(*endereco)) {
        return 1;
    }
    // One simulator per worker, each kept for every replay it makes.
    const int trabalhadores = std::max(4, QThread::idealThreadCount());
    std::deque<TSimuladorProjeto> simuladores(trabalhadores);
    std::vector<TSimuladorProjeto*> emUso;
    for (TSimuladorProjeto& sim : simuladores) {
        emUso.push_back(&sim);
    }
    TOpcoesQuadro quadro;
    quadro.Tls = !opcoes.Servidor.Certificado.isEmpty();
    quadro.EnderecoEscuta = opcoes.Servidor.Endereco;
    quadro.Referencias = ReferenciasTurma(*emUso.front());
    quadro.Frente = opcoes.Frente ? *opcoes.Frente : FrenteDoJogo();
    // A game's Par chart: the shipped plans (a front named by --front has
    // its points only).
    quadro.Melhores = std::make_shared<const TFrentePar>(CarregaFrentePar(*emUso.front()));
    TPoolTrabalho pool(emUso, *endereco);
    // Made on this thread, the application's: the board's charts are drawn here.
    TDesenhistaQuadro desenhista;
    TApiQuadro apiQuadro(pool, desenhista, quadro);
    TServidorTurmas servidor(opcoes.Servidor, pool, [&apiQuadro](httplib::Server& s) {
        RegistraRotasQuadro(s, apiQuadro);
    });
    QString erro;
    if (!servidor.Liga(erro)) {
        EscreveErro(erro);
        return 1;
    }
    Escreve(QStringLiteral("orvanta-server: listening on ") + servidor.Url() +
            QLatin1Char('\n'));
    std::fflush(stdout);
    bool servido = false;
    {
        const TEsperaSinais espera([&servidor] { servidor.Para(); }, PrazoParada, [] {
            EscreveErro(QStringLiteral("requests still in flight; stopped without them"));
            std::_Exit(1);
        });
        // HTTP is served on a thread of its own; this one draws the charts
        // its requests ask for, until serving has ended.
        std::thread http([&servidor, &servido] {
            servido = servidor.Serve();
            QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit,
                                      Qt::QueuedConnection);
        });
        QCoreApplication::exec();
        http.join();
    }
    // The requests in flight are answered; the workers close their
    // connections as they end.
    pool.Encerra();
    if (!servido) {
        EscreveErro(QStringLiteral("serving ") + servidor.Url() + QStringLiteral(" failed"));
        return 1;
    }
    return 0;
}

int CriaTurma(const TOpcoesComando& opcoes) {
    const std::unique_ptr<TBancoTurmas> banco = AbreBanco(opcoes);
    if (!banco) {
        return 1;
    }
    const QString chave = NovaChaveProfessor();
    TTurma turma;
    turma.Nome = opcoes.Nome;
    turma.DigestoChave = DigestoChave(chave);
    try {
        // A code already taken (rare: there are 31^8 of them) is drawn again.
        bool criada = false;
        for (int tentativa = 0; tentativa < 20 && !criada; ++tentativa) {
            turma.Codigo = NovoCodigoTurma();
            criada = banco->CriaTurma(turma);
        }
        if (!criada) {
            EscreveErro(QStringLiteral("no free class code found; try again"));
            return 1;
        }
    } catch (const EBanco& e) {
        EscreveErro(e.mensagem);
        return 1;
    }
    if (opcoes.Json) {
        EscreveJson(QJsonObject{{"class", turma.Codigo}, {"teacher_key", chave}, {"name", turma.Nome}});
    } else {
        Escreve(QStringLiteral("class ") + turma.Codigo + QStringLiteral(": ") + turma.Nome +
                QStringLiteral("\nteacher key: ") + chave +
                QStringLiteral("\nThe key is shown only now; the server keeps only its digest. "
                               "\"orvanta-server class key ") +
                turma.Codigo + QStringLiteral("\" gives a new one.\n"));
    }
    return 0;
}

int ListaTurmas(const TOpcoesComando& opcoes) {
    const std::unique_ptr<TBancoTurmas> banco = AbreBanco(opcoes);
    if (!banco) {
        return 1;
    }
    QList<TTurma> turmas;
    try {
        turmas = banco->Turmas();
    } catch (const EBanco& e) {
        EscreveErro(e.mensagem);
        return 1;
    }
    if (opcoes.Json) {
        QJsonArray lista;
        for (const TTurma& t : turmas) {
            lista.append(QJsonObject{{"class", t.Codigo},
                                     {"name", t.Nome},
                                     {"records", t.Registros},
                                     {"created", t.Criada}});
        }
        EscreveJson(lista);
        return 0;
    }
    for (const TTurma& t : turmas) {
        Escreve(t.Codigo + QStringLiteral("  ") + QString::number(t.Registros) +
                (t.Registros == 1 ? QStringLiteral(" record") : QStringLiteral(" records")) +
                QStringLiteral("  created ") + t.Criada + QStringLiteral("  ") +
                EscapaControles(t.Nome) + QLatin1Char('\n'));
    }
    return 0;
}

int TrocaChaveTurma(const TOpcoesComando& opcoes) {
    const std::unique_ptr<TBancoTurmas> banco = AbreBanco(opcoes);
    if (!banco) {
        return 1;
    }
    const QString codigo = NormalizaCodigoTurma(opcoes.Codigo);
    const QString chave = NovaChaveProfessor();
    try {
        if (codigo.isEmpty() || !banco->TrocaChave(codigo, DigestoChave(chave))) {
            EscreveErro(SemTurma(opcoes.Codigo));
            return 2;
        }
    } catch (const EBanco& e) {
        EscreveErro(e.mensagem);
        return 1;
    }
    if (opcoes.Json) {
        EscreveJson(QJsonObject{{"class", codigo}, {"teacher_key", chave}});
    } else {
        Escreve(QStringLiteral("class ") + codigo + QStringLiteral(": new teacher key: ") + chave +
                QStringLiteral("\nThe old key no longer works.\n"));
    }
    return 0;
}

namespace {

// What importing a class's files came to.
struct TImportacao {
    int Verificados = 0;
    int Divergentes = 0;
    int NaoVerificados = 0;
    int JaGuardados = 0;
    int ArquivosRegistro = 0;
    QStringList Problemas; // "mismatch: FILE: ..." and "unreadable: FILE: ..."
};

// Reads, checks and keeps one game record file.
void ImportaArquivo(const TArquivoTurma& arquivo, qint64 turma, TBancoTurmas& banco,
                    TSimuladorProjeto& sim, TImportacao& soma) {
    const QString nome = EscapaControles(arquivo.Nome);
    QString erro = arquivo.Erro;
    std::optional<QByteArray> dados;
    if (erro.isEmpty()) {
        dados = LeArquivoLimitado(arquivo.Caminho, TamanhoMaximoRegistroEnviado, erro);
    }
    TRegistroGuardado registro;
    if (dados) {
        try {
            registro = ConfereRegistro(*dados, sim);
        } catch (const EPlano& e) {
            erro = e.mensagem;
        }
    }
    if (!erro.isEmpty()) {
        soma.Problemas.append(QStringLiteral("unreadable: ") + nome + QStringLiteral(": ") + erro);
        return;
    }
    if (!banco.GuardaRegistro(turma, registro, *dados)) {
        ++soma.JaGuardados;
        return;
    }
    switch (registro.Linha.Conferencia) {
    case EConferencia::Verificado:
        ++soma.Verificados;
        break;
    case EConferencia::Divergente:
        ++soma.Divergentes;
        soma.Problemas.append(QStringLiteral("mismatch: ") + nome + QStringLiteral(": ") +
                              registro.Linha.Nota);
        break;
    default:
        ++soma.NaoVerificados;
        break;
    }
}

QString Contagem(int n, const char* um, const char* varios) {
    return QString::number(n) + QLatin1Char(' ') + QLatin1String(n == 1 ? um : varios);
}

} // namespace

int Importa(const TOpcoesComando& opcoes) {
    QList<TArquivoTurma> arquivos;
    try {
        arquivos = BuscaArquivosTurma(opcoes.Caminhos);
    } catch (const ETurma& e) {
        EscreveErro(e.mensagem);
        return 2;
    }
    const std::unique_ptr<TBancoTurmas> banco = AbreBanco(opcoes);
    if (!banco) {
        return 1;
    }
    TSimuladorProjeto sim;
    const QString codigo = NormalizaCodigoTurma(opcoes.Codigo);
    TImportacao soma;
    try {
        const std::optional<TTurma> turma = codigo.isEmpty() ? std::nullopt : banco->Turma(codigo);
        if (!turma) {
            EscreveErro(SemTurma(opcoes.Codigo));
            return 2;
        }
        for (const TArquivoTurma& arquivo : arquivos) {
            if (arquivo.Tipo == ETipoArquivoTurma::Ini) {
                ++soma.ArquivosRegistro;
            } else {
                ImportaArquivo(arquivo, turma->Id, *banco, sim, soma);
            }
        }
    } catch (const EBanco& e) {
        EscreveErro(e.mensagem);
        return 1;
    }
    const int guardados = soma.Verificados + soma.Divergentes + soma.NaoVerificados;
    const int ilegiveis = static_cast<int>(soma.Problemas.size()) - soma.Divergentes;
    Escreve(QStringLiteral("class ") + codigo + QStringLiteral(": ") +
            Contagem(guardados, "record", "records") + QStringLiteral(" stored (") +
            QString::number(soma.Verificados) + QStringLiteral(" verified, ") +
            QString::number(soma.Divergentes) + QStringLiteral(" mismatch, ") +
            QString::number(soma.NaoVerificados) + QStringLiteral(" unverified), ") +
            QString::number(soma.JaGuardados) + QStringLiteral(" already stored, ") +
            QString::number(ilegiveis) + QStringLiteral(" unreadable, ") +
            Contagem(soma.ArquivosRegistro, "record file", "record files") +
            QStringLiteral(" skipped\n"));
    for (const QString& problema : soma.Problemas) {
        Escreve(problema + QLatin1Char('\n'));
    }
    return soma.Problemas.isEmpty() ? 0 : 3;
}
