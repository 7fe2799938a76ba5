#include "RespostaHttp.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

TRespostaHttp RespostaJson(int status, const QJsonValue& valor) {
    TRespostaHttp r;
    r.Status = status;
    const QJsonDocument documento = valor.isArray() ? QJsonDocument(valor.toArray())
                                                    : QJsonDocument(valor.toObject());
    r.Corpo = documento.toJson(QJsonDocument::Compact).toStdString();
    return r;
}

TRespostaHttp RespostaErro(int status, const QString& mensagem) {
    return RespostaJson(status, QJsonObject{{QStringLiteral("error"), mensagem}});
}

TRespostaHttp RespostaBytes(const QByteArray& bytes, const char* tipo) {
    TRespostaHttp r;
    r.Corpo = bytes.toStdString();
    r.Tipo = tipo;
    return r;
}
