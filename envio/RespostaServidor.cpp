#include "RespostaServidor.h"

#include "LinkTurma.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace {

// Retry-After in seconds (the date form is not worth its parsing here: the
// game's own pauses apply then).
int SegundosEspera(const QByteArray& retryAfter) {
    bool ok = false;
    const int segundos = retryAfter.trimmed().toInt(&ok);
    return ok && segundos > 0 ? segundos : 0;
}

QJsonObject Objeto(const QByteArray& corpo) {
    QJsonParseError erro;
    const QJsonDocument documento = QJsonDocument::fromJson(corpo, &erro);
    return erro.error == QJsonParseError::NoError ? documento.object() : QJsonObject();
}

} // namespace

QString MotivoErro(int status, const QByteArray& corpo) {
    const QString motivo = LinhaUnica(Objeto(corpo).value(QLatin1String("error")).toString());
    return motivo.isEmpty() ? QStringLiteral("HTTP status %1").arg(status) : motivo;
}

QString FalhaServidor(int status, const QByteArray& corpo) {
    const QString motivo = LinhaUnica(Objeto(corpo).value(QLatin1String("error")).toString());
    QString texto = QStringLiteral("the server answered HTTP %1").arg(status);
    if (!motivo.isEmpty()) {
        texto += QStringLiteral(": ") + motivo;
    }
    return texto;
}

TRespostaEnvio ClassificaEnvio(int status, const QByteArray& corpo, const QString& erroRede,
                               const QString& sha256, const QByteArray& retryAfter) {
    using ETipo = TRespostaEnvio::ETipo;
    TRespostaEnvio r;
    if (status == 0) {
        r.Motivo = LinhaUnica(erroRede);
        return r;
    }
    if (status == 200 || status == 201) {
        const QJsonObject recibo = Objeto(corpo);
        if (recibo.value(QLatin1String("sha256")).toString().compare(sha256, Qt::CaseInsensitive) !=
                0 ||
            sha256.isEmpty()) {
            r.Motivo = QStringLiteral("the server's answer (HTTP %1) is not a receipt for this "
                                      "record")
                           .arg(status);
            return r;
        }
        r.Tipo = ETipo::Aceito;
        r.Id = recibo.value(QLatin1String("id")).toInteger();
        r.Conferencia = LinhaUnica(recibo.value(QLatin1String("check")).toString(), 40);
        return r;
    }
    if (status == 400 || status == 404 || status == 413) {
        r.Tipo = ETipo::Recusado;
        r.Motivo = MotivoErro(status, corpo);
        return r;
    }
    if (status == 429 || status == 503) {
        r.Espera = SegundosEspera(retryAfter);
    }
    r.Motivo = FalhaServidor(status, corpo);
    return r;
}

TRespostaTurma ClassificaTurma(int status, const QByteArray& corpo, const QString& erroRede) {
    TRespostaTurma r;
    if (status == 0) {
        r.Motivo = LinhaUnica(erroRede);
        return r;
    }
    if (status == 200) {
        const QJsonValue nome = Objeto(corpo).value(QLatin1String("name"));
        r.Nome = LinhaUnica(nome.toString(), 80);
        r.Ok = nome.isString() && !r.Nome.isEmpty();
        if (!r.Ok) {
            r.Motivo = QStringLiteral("the server's answer is not a class");
        }
        return r;
    }
    r.Motivo = status == 404 ? MotivoErro(status, corpo) : FalhaServidor(status, corpo);
    return r;
}
