#include "ApiTurmas.h"

#include "ChavesTurma.h"
#include "PoolTrabalho.h"
#include "RegistroRecebido.h"
#include "plan/Plano.h"
#include "plan/TextoEscapado.h"
#include "turma/TabelaCsv.h"

#include <QCryptographicHash>
#include <QJsonArray>
#include <QJsonObject>

#include <cstdio>

namespace {

QString Texto(const std::string& s) {
    return QString::fromStdString(s);
}

const QString SemChave =
    QStringLiteral("this needs the class's teacher key: Authorization: Bearer KEY");
const QString ChaveErrada = QStringLiteral("wrong class code or teacher key");

TRespostaHttp SemTurma(const QString& codigo) {
    return RespostaErro(404, QStringLiteral("no class ") + codigo);
}

// Keys are never compared byte by byte with what is kept (see ChaveConfere);
// an unknown class is answered as a wrong key is.
TRespostaHttp NaoAutorizado(const QString& mensagem) {
    TRespostaHttp r = RespostaErro(401, mensagem);
    r.Cabecalhos.emplace_back("WWW-Authenticate", "Bearer realm=\"orvanta-server\"");
    return r;
}

QJsonValue Opcional(const std::optional<int>& valor) {
    return valor ? QJsonValue(*valor) : QJsonValue(QJsonValue::Null);
}

QJsonObject Recibo(const TRegistroGuardado& r) {
    const TLinhaTurma& l = r.Linha;
    return {{"id", r.Id},
            {"check", NomeConferencia(l.Conferencia)},
            {"concluded", l.Concluido.value_or(false)},
            {"days", l.Dias.value_or(0)},
            {"cost", l.Custo.value_or(0.0)},
            {"sha256", l.Sha256}};
}

QJsonObject Resultado(const TRegistroGuardado& r) {
    const TLinhaTurma& l = r.Linha;
    return {{"file", l.Arquivo},
            {"manager", l.Gerente},
            {"game", Opcional(l.Jogo)},
            {"concluded", l.Concluido.value_or(false)},
            {"days", l.Dias.value_or(0)},
            {"cost", l.Custo.value_or(0.0)},
            {"check", NomeConferencia(l.Conferencia)},
            {"sha256", l.Sha256},
            {"id", r.Id},
            {"uploaded", r.Enviado}};
}

TRespostaHttp Particular(TRespostaHttp r) {
    r.Cabecalhos.emplace_back("Cache-Control", "no-store");
    return r;
}

} // namespace

QString ChaveDoCabecalho(const std::string& autorizacao) {
    const QString valor = Texto(autorizacao).trimmed();
    const QString esquema = QStringLiteral("bearer ");
    if (!valor.startsWith(esquema, Qt::CaseInsensitive)) {
        return {};
    }
    return valor.mid(esquema.size()).trimmed();
}

std::optional<TTurma> TurmaDoProfessor(TBancoTurmas& banco, const QString& codigo,
                                       const QString& chave) {
    const QString normal = NormalizaCodigoTurma(codigo);
    std::optional<TTurma> turma = normal.isEmpty() ? std::nullopt : banco.Turma(normal);
    // The digest is worked out whether or not the class exists.
    const bool confere = ChaveConfere(chave, turma ? turma->DigestoChave : QString());
    return turma && confere ? turma : std::nullopt;
}

TApiTurmas::TApiTurmas(TPoolTrabalho& pool, int limitePorMinuto)
    : FPool(pool), FLimite(limitePorMinuto), FLimitePorMinuto(limitePorMinuto) {}

// Runs trabalho on a worker with its database; a database that fails is
// answered 503 (the clients try again later), told on the server's
// standard error, and its connection opened afresh by the next work.
template <typename F> TRespostaHttp TApiTurmas::NoBanco(F&& trabalho) {
    return FPool.Executa([&trabalho](TContextoTrabalho& c) -> TRespostaHttp {
        try {
            return trabalho(c.Banco(), c);
        } catch (const EBanco& e) {
            c.DescartaBanco();
            std::fprintf(stderr, "orvanta-server: %s\n",
                         EscapaControles(e.mensagem).toUtf8().constData());
            return RespostaErro(503, QStringLiteral("the database is not available; try again "
                                                    "later"));
        }
    });
}

TRespostaHttp TApiTurmas::EnviaRegistro(const std::string& codigo, const std::string& corpo,
                                        const std::string& endereco) {
    if (const int espera = FLimite.Admite(endereco)) {
        TRespostaHttp r = RespostaErro(
            429, QStringLiteral("too many records from this address: at most %1 a minute")
                     .arg(FLimitePorMinuto));
        r.Cabecalhos.emplace_back("Retry-After", std::to_string(espera));
        return r;
    }
    const QString normal = NormalizaCodigoTurma(Texto(codigo));
    const QByteArray dados = QByteArray::fromStdString(corpo);
    const QString enderecoCliente = Texto(endereco);
    return NoBanco([&](TBancoTurmas& banco, TContextoTrabalho& c) {
        const std::optional<TTurma> turma =
            normal.isEmpty() ? std::nullopt : banco.Turma(normal);
        if (!turma) {
            return SemTurma(Texto(codigo));
        }
        // A retry costs a lookup, not a replay.
        const QString digesto = QString::fromLatin1(
            QCryptographicHash::hash(dados, QCryptographicHash::Sha256).toHex());
        if (const auto anterior = banco.RegistroPorDigesto(turma->Id, digesto)) {
            return RespostaJson(200, Recibo(*anterior));
        }
        TRegistroGuardado registro;
        try {
            registro = ConfereRegistro(dados, c.Simulador());
        } catch (const EPlano& e) {
            return RespostaErro(400, e.mensagem);
        }
        registro.Endereco = enderecoCliente;
        const bool novo = banco.GuardaRegistro(turma->Id, registro, dados);
        return RespostaJson(novo ? 201 : 200, Recibo(registro));
    });
}

TRespostaHttp TApiTurmas::Turma(const std::string& codigo) {
    const QString normal = NormalizaCodigoTurma(Texto(codigo));
    return NoBanco([&](TBancoTurmas& banco, TContextoTrabalho&) {
        const std::optional<TTurma> turma =
            normal.isEmpty() ? std::nullopt : banco.Turma(normal);
        return turma ? RespostaJson(200, QJsonObject{{"name", turma->Nome}})
                     : SemTurma(Texto(codigo));
    });
}

TRespostaHttp TApiTurmas::Resultados(const std::string& codigo, const std::string& autorizacao) {
    const QString chave = ChaveDoCabecalho(autorizacao);
    if (chave.isEmpty()) {
        return NaoAutorizado(SemChave);
    }
    return NoBanco([&](TBancoTurmas& banco, TContextoTrabalho&) {
        const std::optional<TTurma> turma = TurmaDoProfessor(banco, Texto(codigo), chave);
        if (!turma) {
            return NaoAutorizado(ChaveErrada);
        }
        QJsonArray lista;
        for (const TRegistroGuardado& r : banco.Registros(turma->Id)) {
            lista.append(Resultado(r));
        }
        return Particular(RespostaJson(200, lista));
    });
}

TRespostaHttp TApiTurmas::ResultadosCsv(const std::string& codigo,
                                        const std::string& autorizacao) {
    const QString chave = ChaveDoCabecalho(autorizacao);
    if (chave.isEmpty()) {
        return NaoAutorizado(SemChave);
    }
    return NoBanco([&](TBancoTurmas& banco, TContextoTrabalho&) {
        const std::optional<TTurma> turma = TurmaDoProfessor(banco, Texto(codigo), chave);
        if (!turma) {
            return NaoAutorizado(ChaveErrada);
        }
        QList<TLinhaTurma> linhas;
        for (const TRegistroGuardado& r : banco.Registros(turma->Id)) {
            linhas.append(r.Linha);
        }
        TRespostaHttp r = Particular(RespostaBytes(TabelaCsv(linhas), TipoCsv));
        r.Cabecalhos.emplace_back("Content-Disposition", "attachment; filename=\"class-" +
                                                             turma->Codigo.toStdString() +
                                                             "-results.csv\"");
        return r;
    });
}

TRespostaHttp TApiTurmas::Registro(const std::string& codigo, const std::string& id,
                                   const std::string& autorizacao) {
    const QString chave = ChaveDoCabecalho(autorizacao);
    if (chave.isEmpty()) {
        return NaoAutorizado(SemChave);
    }
    bool numero = false;
    const qint64 registro = Texto(id).toLongLong(&numero);
    return NoBanco([&](TBancoTurmas& banco, TContextoTrabalho&) {
        const std::optional<TTurma> turma = TurmaDoProfessor(banco, Texto(codigo), chave);
        if (!turma) {
            return NaoAutorizado(ChaveErrada);
        }
        const std::optional<QByteArray> bytes =
            numero ? banco.Conteudo(turma->Id, registro) : std::nullopt;
        if (!bytes) {
            return RespostaErro(404, QStringLiteral("no record ") + Texto(id) +
                                         QStringLiteral(" in this class"));
        }
        TRespostaHttp r = Particular(RespostaBytes(*bytes, TipoJson));
        r.Cabecalhos.emplace_back("Content-Disposition",
                                  "attachment; filename=\"record-" + std::to_string(registro) +
                                      ".json\"");
        return r;
    });
}
