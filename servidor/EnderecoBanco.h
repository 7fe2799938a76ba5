#pragma once

// Where a class server keeps its data: an SQLite file in a data folder, or a
// PostgreSQL database named by a libpq URI.

#include <QString>
#include <optional>

enum class EDialetoBanco { SQLite, PostgreSQL };

struct TEnderecoBanco {
    EDialetoBanco Dialeto = EDialetoBanco::SQLite;
    // SQLite: the database file.
    QString Arquivo;
    // PostgreSQL: the connection's parts, decoded. An empty host is libpq's
    // default (its Unix socket); a host starting with "/" is a socket folder.
    QString Servidor;
    int Porta = -1;
    QString Banco;
    QString Usuario;
    QString Senha;
    // Further libpq settings ("sslmode=require;connect_timeout=5").
    QString Opcoes;
    // How messages name the database: the file, or the URI without its password.
    QString Descricao;
};

// The SQLite file kept in the data folder.
inline constexpr char NomeArquivoBanco[] = "classes.sqlite";

// The database in the data folder pasta.
TEnderecoBanco EnderecoSQLite(const QString& pasta);

// Reads postgresql://USER[:PASSWORD]@[HOST][:PORT]/DBNAME[?host=SOCKET_DIR&port=N&...]
// (also postgres://): percent-encoded parts decoded, "host" and "port" in the
// query taking the place of those before it, other query settings kept as
// libpq settings (names of small letters and "_", values of letters, digits
// and "-._/:"). None, with the reason in erro (one line), for anything else.
std::optional<TEnderecoBanco> LeEnderecoPostgreSQL(const QString& uri, QString& erro);
