#pragma once

// Plans for the runner written as its users write them, in JSON.

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>

// Corvin alone on every activity.
inline QJsonObject PlanoCorvin(int horas) {
    QJsonObject alocacoes;
    for (int i = 1; i <= 16; ++i) {
        alocacoes.insert(QString::number(i), QStringLiteral("Corvin"));
    }
    QJsonObject plano{{"team", QJsonArray{"Corvin"}}, {"assign", alocacoes}};
    if (horas != 8) {
        plano.insert("hours", QJsonObject{{"Corvin", horas}});
    }
    return plano;
}

inline QByteArray Texto(const QJsonObject& plano) {
    return QJsonDocument(plano).toJson(QJsonDocument::Compact);
}
