#include "EstadoEnvio.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <algorithm>

namespace {

using ESituacao = TRegistroEnvio::ESituacao;

constexpr int Formato = 1;

const QString NomeSituacao[] = {QStringLiteral("waiting"), QStringLiteral("sent"),
                                QStringLiteral("refused"), QStringLiteral("lost")};

const QRegularExpression Digesto(QStringLiteral("^[0-9a-f]{64}$"));

QJsonObject Objeto(const TRegistroEnvio& r) {
    QJsonObject o{{"class", r.Turma},
                  {"file", r.Arquivo},
                  {"sha256", r.Sha256},
                  {"state", NomeSituacao[static_cast<int>(r.Situacao)]}};
    if (r.Situacao == ESituacao::Enviado) {
        o.insert(QLatin1String("id"), r.Id);
        o.insert(QLatin1String("check"), r.Conferencia);
    } else if (r.Situacao != ESituacao::Aguardando) {
        o.insert(QLatin1String("reason"), r.Motivo);
    }
    return o;
}

bool LeRegistro(const QJsonValue& valor, TRegistroEnvio& r) {
    const QJsonObject o = valor.toObject();
    r.Turma = o.value(QLatin1String("class")).toString();
    r.Arquivo = o.value(QLatin1String("file")).toString();
    r.Sha256 = o.value(QLatin1String("sha256")).toString();
    const QString situacao = o.value(QLatin1String("state")).toString();
    const auto* fim = std::end(NomeSituacao);
    const auto* achada = std::find(std::begin(NomeSituacao), fim, situacao);
    // Only a plain name in games/: a state file never points elsewhere.
    if (r.Turma.isEmpty() || r.Arquivo.isEmpty() || r.Arquivo.contains(QLatin1Char('/')) ||
        r.Arquivo.contains(QLatin1Char('\\')) || r.Arquivo.startsWith(QLatin1Char('.')) ||
        !Digesto.match(r.Sha256).hasMatch() || achada == fim) {
        return false;
    }
    r.Situacao = static_cast<ESituacao>(achada - std::begin(NomeSituacao));
    r.Motivo = o.value(QLatin1String("reason")).toString();
    r.Id = o.value(QLatin1String("id")).toInteger();
    r.Conferencia = o.value(QLatin1String("check")).toString();
    return true;
}

} // namespace

TRegistroEnvio* TEstadoEnvio::Procura(const QString& turma, const QString& sha256) {
    for (TRegistroEnvio& r : Registros) {
        if (r.Turma == turma && r.Sha256 == sha256) {
            return &r;
        }
    }
    return nullptr;
}

TRegistroEnvio* TEstadoEnvio::ProximoAguardando(const QString& turma) {
    for (TRegistroEnvio& r : Registros) {
        if (r.Turma == turma && r.Situacao == ESituacao::Aguardando) {
            return &r;
        }
    }
    return nullptr;
}

int TEstadoEnvio::Conta(const QString& turma, ESituacao situacao) const {
    return static_cast<int>(std::count_if(Registros.begin(), Registros.end(), [&](const auto& r) {
        return r.Turma == turma && r.Situacao == situacao;
    }));
}

QByteArray TEstadoEnvio::Json() const {
    QJsonArray lista;
    for (const TRegistroEnvio& r : Registros) {
        lista.append(Objeto(r));
    }
    return QJsonDocument(QJsonObject{{"format", Formato}, {"records", lista}})
        .toJson(QJsonDocument::Indented);
}

bool TEstadoEnvio::LeJson(const QByteArray& dados, QString& motivo) {
    QJsonParseError erro;
    const QJsonDocument documento = QJsonDocument::fromJson(dados, &erro);
    if (erro.error != QJsonParseError::NoError) {
        motivo = QStringLiteral("not JSON: ") + erro.errorString();
        return false;
    }
    const QJsonObject raiz = documento.object();
    if (raiz.value(QLatin1String("format")).toInt() != Formato ||
        !raiz.value(QLatin1String("records")).isArray()) {
        motivo = QStringLiteral("not a sending state of format %1").arg(Formato);
        return false;
    }
    QList<TRegistroEnvio> registros;
    for (const QJsonValue& valor : raiz.value(QLatin1String("records")).toArray()) {
        TRegistroEnvio r;
        if (!LeRegistro(valor, r)) {
            motivo = QStringLiteral("record %1 is not a record's state").arg(registros.size() + 1);
            return false;
        }
        registros.append(r);
    }
    Registros = registros;
    return true;
}

QString TEstadoEnvio::CaminhoEstado(const QString& pastaRegistro) {
    return QDir(pastaRegistro).filePath(QStringLiteral("games/sending.state"));
}
