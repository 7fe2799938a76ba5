// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The class server as its users meet it, for its tests: real orvanta-server
// processes on 127.0.0.1, a real database (an SQLite file in a temporary
// folder, or the throwaway PostgreSQL cluster the test fixture starts), and
// a real HTTP client.

#include <QByteArray>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QtTest>

#include <httplib.h>
#include <signal.h>

#include <memory>
#include <optional>

inline const QString ProgramaServidor = QStringLiteral(ORVANTA_BIN_DIR "/orvanta-server");

// The database of a test: PostgreSQL when ORVANTA_TEST_POSTGRESQL names the
// fixture's state file (its second line is the database's URL), SQLite in
// a folder of its own otherwise. A state file that cannot be read fails the
// test: the PostgreSQL run is never an SQLite run in disguise.
class TBancoTeste {
public:
    TBancoTeste() {
        const QString estado = qEnvironmentVariable("ORVANTA_TEST_POSTGRESQL");
        if (estado.isEmpty()) {
            return;
        }
        QFile arquivo(estado);
        if (arquivo.open(QIODevice::ReadOnly)) {
            const QList<QByteArray> linhas = arquivo.readAll().split('\n');
            FUrl = QString::fromUtf8(linhas.value(1)).trimmed();
        }
        FPostgreSQL = true;
    }
    bool PostgreSQL() const { return FPostgreSQL; }
    // False when PostgreSQL was asked for and its URL cannot be read.
    bool Valido() const { return FPasta.isValid() && (!FPostgreSQL || !FUrl.isEmpty()); }
    QStringList Argumentos() const {
        return FPostgreSQL ? QStringList{QStringLiteral("--database"), FUrl}
                           : QStringList{QStringLiteral("--data"), FPasta.path()};
    }
    QString Pasta() const { return FPasta.path(); }

private:
    QTemporaryDir FPasta;
    bool FPostgreSQL = false;
    QString FUrl;
};

struct TExecucaoServidor {
    int status = -1;
    QByteArray saida;
    QByteArray erros;
};

// Runs a command of orvanta-server to its end.
inline TExecucaoServidor ExecutaServidor(const QStringList& argumentos) {
    QProcess processo;
    processo.start(ProgramaServidor, argumentos);
    TExecucaoServidor r;
    if (!processo.waitForStarted() || !processo.waitForFinished(120000) ||
        processo.exitStatus() != QProcess::NormalExit) {
        return r;
    }
    r.status = processo.exitCode();
    r.saida = processo.readAllStandardOutput();
    r.erros = processo.readAllStandardError();
    return r;
}

struct TTurmaTeste {
    QString codigo;
    QString chave;
};

// A new class, made as a teacher makes one.
inline TTurmaTeste CriaTurmaTeste(const TBancoTeste& banco, const QString& nome) {
    const TExecucaoServidor r = ExecutaServidor(
        QStringList{QStringLiteral("class"), QStringLiteral("create"), nome,
                    QStringLiteral("--json")} +
        banco.Argumentos());
    const QJsonObject o = QJsonDocument::fromJson(r.saida).object();
    return {o.value("class").toString(), o.value("teacher_key").toString()};
}

// A server process serving on a free port of 127.0.0.1.
class TServidorTeste {
public:
    // Starts it and waits for its "listening" line; Porta() is 0 when it
    // did not come (Saida() and Erros() tell why).
    explicit TServidorTeste(const TBancoTeste& banco, const QStringList& extras = {}) {
        FProcesso.start(ProgramaServidor,
                        QStringList{QStringLiteral("serve"), QStringLiteral("--listen"),
                                    QStringLiteral("127.0.0.1:0")} +
                            banco.Argumentos() + extras);
        const QByteArray prefixo = "orvanta-server: listening on ";
        for (int i = 0; i < 600 && !FSaida.contains('\n'); ++i) {
            FProcesso.waitForReadyRead(50);
            FSaida += FProcesso.readAllStandardOutput();
            if (FProcesso.state() == QProcess::NotRunning) {
                break;
            }
        }
        if (FSaida.startsWith(prefixo) && FSaida.endsWith('\n')) {
            FUrl = QString::fromUtf8(FSaida.mid(prefixo.size()).trimmed());
            FPorta = FUrl.section(u':', -1).toInt();
        }
    }
    ~TServidorTeste() {
        if (FProcesso.state() != QProcess::NotRunning) {
            FProcesso.kill();
            FProcesso.waitForFinished(10000);
        }
    }
    TServidorTeste(const TServidorTeste&) = delete;
    TServidorTeste& operator=(const TServidorTeste&) = delete;

    int Porta() const { return FPorta; }
    // As the server printed it: "http://127.0.0.1:PORT" or https.
    QString Url() const { return FUrl; }
    QByteArray Saida() const { return FSaida; }
    QByteArray Erros() { return FProcesso.readAllStandardError(); }
    qint64 Pid() const { return FProcesso.processId(); }
    bool Rodando() { return !FProcesso.waitForFinished(0); }

    // Sends sinal and waits for the end: the exit status, or -1 when it
    // crashed or did not end within a minute.
    int Sinaliza(int sinal) {
        ::kill(static_cast<pid_t>(FProcesso.processId()), sinal);
        if (!FProcesso.waitForFinished(60000) || FProcesso.exitStatus() != QProcess::NormalExit) {
            return -1;
        }
        return FProcesso.exitCode();
    }
    // Ends it at once, as a power cut or the OOM killer would.
    void Mata() {
        FProcesso.kill();
        FProcesso.waitForFinished(10000);
    }

    // A client of this server with short timeouts.
    std::unique_ptr<httplib::Client> Cliente() const {
        auto cliente = std::make_unique<httplib::Client>("127.0.0.1", FPorta);
        cliente->set_connection_timeout(10);
        cliente->set_read_timeout(30);
        cliente->set_write_timeout(30);
        return cliente;
    }
    // Uploads corpo as a game record of the class codigo.
    httplib::Result EnviaRegistro(const QString& codigo, const QByteArray& corpo) const;

private:
    QProcess FProcesso;
    QByteArray FSaida;
    QString FUrl;
    int FPorta = 0;
};

inline const std::string TipoJsonEsperado = "application/json; charset=utf-8";

inline std::string Caminho(const QString& codigo, const char* resto = "") {
    return "/api/v1/classes/" + codigo.toStdString() + resto;
}

inline httplib::Result TServidorTeste::EnviaRegistro(const QString& codigo,
                                                     const QByteArray& corpo) const {
    return Cliente()->Post(Caminho(codigo, "/records"), corpo.toStdString(), "application/json");
}

inline httplib::Headers ComChave(const QString& chave) {
    return {{"Authorization", "Bearer " + chave.toStdString()}};
}

inline QJsonObject ObjetoJson(const std::string& corpo) {
    return QJsonDocument::fromJson(QByteArray::fromStdString(corpo)).object();
}

inline QString ErroJson(const std::string& corpo) {
    return ObjetoJson(corpo).value("error").toString();
}
