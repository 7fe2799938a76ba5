// SPDX-License-Identifier: GPL-3.0-or-later
// orvanta-server: a class's results server. Keeps classes and the game
// records their students send in a database (SQLite, or PostgreSQL for
// several servers), each record replayed and checked as orvanta-class
// checks it, and serves them to the teacher over HTTP(S).
//
// Bad usage produces one line on standard error, exit status 2 and nothing
// else; a runtime failure (the address taken, the database unreachable) one
// line naming it and status 1.

#include "servidor/SinaisServidor.h"
#include "tools/AplicacaoGrafica.h"
#include "tools/ExecucaoFerramenta.h"
#include "tools/orvanta-server-comandos.h"
#include "turma/FrenteTurma.h"

#include <QCommandLineParser>
#include <QHostAddress>

#include <optional>

namespace {

const char* const Uso = "usage: orvanta-server serve|class|import ... (see orvanta-server --help)";

const char* const Ajuda =
    R"(usage: orvanta-server serve [--data DIR | --database URL] [--listen ADDR:PORT]
                           [--rate-limit N] [--tls-cert FILE --tls-key FILE]
                           [--front FRONT.json]
       orvanta-server class create NAME [--json] [--data DIR | --database URL]
       orvanta-server class list [--json] [--data DIR | --database URL]
       orvanta-server class key CODE [--json] [--data DIR | --database URL]
       orvanta-server import --class CODE [--data DIR | --database URL] PATH...
       orvanta-server --help

Keeps a class's game records in a database and serves them. Students' games
send their records (games/game-N.json) to the class; each is replayed and
checked as orvanta-class checks it, and kept with its check: verified,
mismatch (kept and shown: the teacher must see it) or unverified (a record
that claims no result).

Commands:
  serve         run the server until SIGINT or SIGTERM (the requests in
                flight are answered, the database closed, status 0; requests
                still in flight after 30 s, or a second signal, end it at
                once with status 1); when ready it prints
                "orvanta-server: listening on http://ADDR:PORT" (https with
                TLS; the port taken when 0 was asked)
  class create  make a class: prints its code and its teacher key (the key
                is shown only then; the server keeps only its SHA-256 digest)
  class list    the classes: code, records, when created, name
  class key     a new teacher key for the class CODE; the old one stops working
  import        read, check and store the game records found in each PATH
                (a record, or a folder searched as orvanta-class searches it);
                record files (Orvanta.INI) hold no game to replay and are
                skipped; prints what was stored, then one line per mismatch
                and per unreadable file

Options:
  --data DIR          the folder of the SQLite database (classes.sqlite), made
                      when missing; default: the user's data folder + /server
                      (on Linux ~/.local/share/Orvanta/server)
  --database URL      a PostgreSQL database instead, as libpq writes it:
                      postgresql://USER[:PASSWORD]@[HOST][:PORT]/DBNAME
                      [?host=SOCKET_DIR&port=N&sslmode=...]
  --listen ADDR:PORT  the address to serve on (default 127.0.0.1:8737; a
                      class's room: 0.0.0.0:8737; IPv6: [::]:8737; port 0:
                      any free port)
  --rate-limit N      records one address may send a minute (default 120;
                      0: no limit); more are answered 429 with Retry-After
  --tls-cert FILE     serve HTTPS with this certificate (PEM) ...
  --tls-key FILE      ... and its private key (PEM, unencrypted)
  --front FILE        the best-known front the class chart shows (orvanta-best's
                      front.json) instead of the one shipped with the game
                      (best/front.json beside the program, or
                      ../share/orvanta/best/front.json when installed; when
                      that cannot be read, a line on standard error says so
                      and the chart has no front)
  --json              class commands: print JSON (class create:
                      {"class", "teacher_key", "name"})
  --class CODE        import: the class to store the records in
  -h, --help          print this help

API v1 (JSON in UTF-8; every error is {"error": "one line"}):
  POST /api/v1/classes/CODE/records      a game record as the game writes
       it: 201 {"id", "check", "concluded", "days", "cost", "sha256"} when
       stored, 200 the same when these bytes were stored before; 400 not a
       plan (the message orvanta-sim gives), 404 no such class, 413 larger
       than 1 MiB, 429 too many from this address
  GET  /api/v1/classes/CODE              {"name"}
  With "Authorization: Bearer KEY" (401 without it, or wrong):
  GET  /api/v1/classes/CODE/results      one object per record: file (the
       record's id), manager, game, concluded, days, cost, check, sha256,
       id, uploaded
  GET  /api/v1/classes/CODE/results.csv  the same rows as orvanta-class's table
  GET  /api/v1/classes/CODE/records/ID   the record's bytes as received

The teacher's board, in a browser (the class link, as students get it):
  /classes/CODE/          sign in with the teacher key (a session cookie for
                          12 hours), then the class's results, live: the
                          table, its counts, the class chart, the CSV, each
                          game's page with the debrief's charts and its record
  /classes/CODE/public    a view for a projector, without names, while the
                          teacher has switched it on from the board

Exit status: 0 done (serve: stopped by a signal); 1 a runtime failure (the
address in use, the database unreachable or of a newer schema, the
certificate unusable; serve: stopped with requests still in flight),
with one line on standard error naming it; 2 bad usage (an unknown command
or option, a missing argument, an unknown class, a --front file that cannot
be read), with one line on standard error; 3 import: some file was a mismatch (stored) or unreadable (not stored).
)";

void EscreveErro(const QString& linha) {
    EscreveErroFerramenta("orvanta-server", linha);
}

// "ADDR:PORT", "[IPv6]:PORT"; "localhost" is 127.0.0.1.
bool LeEscuta(const QString& texto, TOpcoesServidor& servidor, QString& erro) {
    erro = QStringLiteral("--listen must be ADDR:PORT (an IP address, a port 0..65535): ") + texto;
    QString endereco;
    QString porta;
    if (texto.startsWith(QLatin1Char('['))) {
        const qsizetype fim = texto.indexOf(QLatin1String("]:"));
        if (fim < 0) {
            return false;
        }
        endereco = texto.mid(1, fim - 1);
        porta = texto.mid(fim + 2);
    } else {
        const qsizetype dois = texto.lastIndexOf(QLatin1Char(':'));
        if (dois < 0 || texto.left(dois).contains(QLatin1Char(':'))) {
            return false;
        }
        endereco = texto.left(dois);
        porta = texto.mid(dois + 1);
    }
    if (endereco == QLatin1String("localhost")) {
        endereco = QStringLiteral("127.0.0.1");
    }
    QHostAddress ip;
    bool ok = false;
    const int numero = porta.toInt(&ok);
    if (!ip.setAddress(endereco) || !ip.scopeId().isEmpty() || !ok || numero < 0 ||
        numero > 65535) {
        return false;
    }
    servidor.Endereco = ip.toString();
    servidor.Porta = numero;
    erro.clear();
    return true;
}

// A class's name as the teacher gives it: one line, 1..200 characters.
bool NomeValido(const QString& nome, QString& erro) {
    if (nome.trimmed().isEmpty() || nome.size() > 200) {
        erro = QStringLiteral("the class name must have 1 to 200 characters");
        return false;
    }
    for (const QChar c : nome) {
        if (c.category() == QChar::Other_Control || c == QChar::LineSeparator ||
            c == QChar::ParagraphSeparator) {
            erro = QStringLiteral("the class name must be one line of text");
            return false;
        }
    }
    return true;
}

const char* const UsoTurma =
    "usage: orvanta-server class create NAME | class list | class key CODE [--json]";

// The options, or the line that says what is wrong with them.
std::optional<TOpcoesComando> LeOpcoes(const QStringList& argumentos, bool& ajuda, QString& erro) {
    QCommandLineParser parser;
    const QCommandLineOption pasta("data", QString(), "DIR");
    const QCommandLineOption banco("database", QString(), "URL");
    const QCommandLineOption escuta("listen", QString(), "ADDR:PORT");
    const QCommandLineOption limite("rate-limit", QString(), "N");
    const QCommandLineOption certificado("tls-cert", QString(), "FILE");
    const QCommandLineOption chave("tls-key", QString(), "FILE");
    const QCommandLineOption json("json");
    const QCommandLineOption turma("class", QString(), "CODE");
    const QCommandLineOption frente("front", QString(), "FILE");
    const QList<const QCommandLineOption*> todas{&pasta, &banco, &escuta, &limite, &certificado,
                                                 &chave, &json,  &turma,  &frente};
    for (const QCommandLineOption* opcao : todas) {
        parser.addOption(*opcao);
    }
    if (!AnalisaArgumentos(parser, argumentos, QLatin1Char(' ') + QLatin1String(Uso), ajuda,
                           erro)) {
        return std::nullopt;
    }
    const QStringList posicionais = parser.positionalArguments();
    const QString comando = posicionais.value(0);
    TOpcoesComando o;
    QList<const QCommandLineOption*> aceitas{&pasta, &banco};
    if (comando == QLatin1String("serve") && posicionais.size() == 1) {
        o.Comando = EComandoServidor::Serve;
        aceitas << &escuta << &limite << &certificado << &chave << &frente;
    } else if (comando == QLatin1String("class")) {
        const QString acao = posicionais.value(1);
        aceitas << &json;
        if (acao == QLatin1String("create") && posicionais.size() == 3) {
            o.Comando = EComandoServidor::CriaTurma;
            o.Nome = posicionais.at(2);
            if (!NomeValido(o.Nome, erro)) {
                return std::nullopt;
            }
        } else if (acao == QLatin1String("list") && posicionais.size() == 2) {
            o.Comando = EComandoServidor::ListaTurmas;
        } else if (acao == QLatin1String("key") && posicionais.size() == 3) {
            o.Comando = EComandoServidor::ChaveTurma;
            o.Codigo = posicionais.at(2);
        } else {
            erro = QLatin1String(UsoTurma);
            return std::nullopt;
        }
    } else if (comando == QLatin1String("import") && posicionais.size() >= 2) {
        o.Comando = EComandoServidor::Importa;
        o.Caminhos = posicionais.mid(1);
        aceitas << &turma;
    } else {
        erro = QLatin1String(Uso);
        return std::nullopt;
    }
    const QString nomeComando = posicionais.mid(0, comando == QLatin1String("class") ? 2 : 1)
                                    .join(QLatin1Char(' '));
    for (const QCommandLineOption* opcao : todas) {
        const QString nome = QStringLiteral("--") + opcao->names().constFirst();
        if (!parser.isSet(*opcao)) {
            continue;
        }
        if (!aceitas.contains(opcao)) {
            erro = nome + QStringLiteral(" is not an option of ") + nomeComando;
            return std::nullopt;
        }
        if (!opcao->valueName().isEmpty() && parser.value(*opcao).isEmpty()) {
            erro = nome + QStringLiteral(" needs a value");
            return std::nullopt;
        }
    }
    if (parser.isSet(pasta) && parser.isSet(banco)) {
        erro = QStringLiteral("--data and --database name two databases: give one");
        return std::nullopt;
    }
    o.Pasta = parser.value(pasta);
    if (parser.isSet(banco)) {
        o.Banco = LeEnderecoPostgreSQL(parser.value(banco), erro);
        if (!o.Banco) {
            return std::nullopt;
        }
    }
    if (parser.isSet(escuta) && !LeEscuta(parser.value(escuta), o.Servidor, erro)) {
        return std::nullopt;
    }
    if (parser.isSet(limite)) {
        bool ok = false;
        o.Servidor.LimitePorMinuto = parser.value(limite).toInt(&ok);
        if (!ok || o.Servidor.LimitePorMinuto < 0 || o.Servidor.LimitePorMinuto > 1000000) {
            erro = QStringLiteral("--rate-limit must be a whole number from 0 to 1000000");
            return std::nullopt;
        }
    }
    if (parser.isSet(certificado) != parser.isSet(chave)) {
        erro = QStringLiteral("--tls-cert and --tls-key go together");
        return std::nullopt;
    }
    o.Servidor.Certificado = parser.value(certificado);
    o.Servidor.ChavePrivada = parser.value(chave);
    o.Json = parser.isSet(json);
    if (parser.isSet(frente)) {
        try {
            o.Frente = LeArquivoFrente(parser.value(frente));
        } catch (const ETurma& e) {
            erro = e.mensagem;
            return std::nullopt;
        }
    }
    if (o.Comando == EComandoServidor::Importa) {
        if (!parser.isSet(turma)) {
            erro = QStringLiteral("import needs --class CODE");
            return std::nullopt;
        }
        o.Codigo = parser.value(turma);
    }
    return o;
}

int Executa(const TOpcoesComando& opcoes) {
    switch (opcoes.Comando) {
    case EComandoServidor::Serve:
        return Serve(opcoes);
    case EComandoServidor::CriaTurma:
        return CriaTurma(opcoes);
    case EComandoServidor::ListaTurmas:
        return ListaTurmas(opcoes);
    case EComandoServidor::ChaveTurma:
        return TrocaChaveTurma(opcoes);
    case EComandoServidor::Importa:
        return Importa(opcoes);
    }
    return 2;
}

// Qt's own remarks (a driver's warnings) are not the server's: its standard
// error holds only its own lines, and a fatal one as one of them. The server
// draws charts: a widget application on the offscreen platform.
std::unique_ptr<QCoreApplication> CriaAplicacao(int& argc, char** argv,
                                                const TOpcoesComando& opcoes) {
    if (opcoes.Comando == EComandoServidor::Serve) {
        // Before the application starts any thread of its own.
        BloqueiaSinaisParada();
        return CriaAplicacaoGrafica(argc, argv, "orvanta-server", true);
    }
    qInstallMessageHandler([](QtMsgType tipo, const QMessageLogContext&, const QString& texto) {
        if (tipo == QtFatalMsg) {
            EscreveErro(texto);
        }
    });
    return std::make_unique<QCoreApplication>(argc, argv);
}

} // namespace

int main(int argc, char** argv) {
    return ExecutaFerramenta<TOpcoesComando>(argc, argv, "orvanta-server", Ajuda, LeOpcoes, Executa,
                                             CriaAplicacao);
}
