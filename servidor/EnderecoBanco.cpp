#include "EnderecoBanco.h"

#include <QDir>
#include <QRegularExpression>
#include <QUrl>
#include <QUrlQuery>

#include <algorithm>

TEnderecoBanco EnderecoSQLite(const QString& pasta) {
    TEnderecoBanco endereco;
    endereco.Dialeto = EDialetoBanco::SQLite;
    endereco.Arquivo = QDir(pasta).filePath(QLatin1String(NomeArquivoBanco));
    endereco.Descricao = endereco.Arquivo;
    return endereco;
}

namespace {

bool LePorta(const QString& texto, int& porta) {
    bool ok = false;
    const int valor = texto.toInt(&ok);
    if (!ok || valor < 1 || valor > 65535) {
        return false;
    }
    porta = valor;
    return true;
}

} // namespace

std::optional<TEnderecoBanco> LeEnderecoPostgreSQL(const QString& uri, QString& erro) {
    const QUrl url(uri, QUrl::StrictMode);
    const QString esquema = url.scheme();
    if (!url.isValid() || (esquema != QLatin1String("postgresql") &&
                           esquema != QLatin1String("postgres"))) {
        erro = QStringLiteral("--database must be postgresql://USER@HOST/DBNAME");
        return std::nullopt;
    }
    TEnderecoBanco e;
    e.Dialeto = EDialetoBanco::PostgreSQL;
    e.Usuario = url.userName(QUrl::FullyDecoded);
    e.Senha = url.password(QUrl::FullyDecoded);
    e.Servidor = url.host(QUrl::FullyDecoded);
    e.Porta = url.port(-1);
    e.Banco = url.path(QUrl::FullyDecoded).mid(1);
    e.Descricao = url.toString(QUrl::RemovePassword);
    if (e.Banco.isEmpty() || e.Banco.contains(QLatin1Char('/'))) {
        erro = QStringLiteral("--database names no database: postgresql://USER@HOST/DBNAME");
        return std::nullopt;
    }
    static const QRegularExpression nomeOpcao(QStringLiteral("^[a-z_]+$"));
    static const QRegularExpression valorOpcao(QStringLiteral("^[A-Za-z0-9._/:-]+$"));
    QStringList opcoes;
    for (const auto& [nome, valor] :
         QUrlQuery(url).queryItems(QUrl::FullyDecoded)) {
        if (nome == QLatin1String("host")) {
            e.Servidor = valor;
        } else if (nome == QLatin1String("port")) {
            if (!LePorta(valor, e.Porta)) {
                erro = QStringLiteral("--database: the port must be a number from 1 to 65535");
                return std::nullopt;
            }
        } else if (!nomeOpcao.match(nome).hasMatch() || !valorOpcao.match(valor).hasMatch() ||
                   nome == QLatin1String("dbname") || nome == QLatin1String("user") ||
                   nome == QLatin1String("password")) {
            // Settings reach libpq as "name=value" text: nothing that could
            // end one and start another gets through.
            erro = QStringLiteral("--database: unsupported setting \"") + nome +
                   QStringLiteral("\" in the query");
            return std::nullopt;
        } else {
            opcoes.append(nome + QLatin1Char('=') + valor);
        }
    }
    // A database that does not answer is told as such, not waited for.
    if (std::none_of(opcoes.cbegin(), opcoes.cend(), [](const QString& o) {
            return o.startsWith(QLatin1String("connect_timeout="));
        })) {
        opcoes.append(QStringLiteral("connect_timeout=10"));
    }
    e.Opcoes = opcoes.join(QLatin1Char(';'));
    return e;
}
