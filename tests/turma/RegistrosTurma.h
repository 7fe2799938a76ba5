// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Game records and files of a class, made for the class results' tests.

#include "model/mSimulador.h"
#include "plan/EscritorPlano.h"
#include "plan/JogoPlano.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>
#include <QList>
#include <QStringList>

// A record as the game writes it: developer d alone on every activity at
// the given hours, with its meta and the result its replay gives.
inline TPlano RegistroTurma(TSimuladorProjeto& sim, int d, int horas, const QString& gerente,
                            int jogo) {
    TPlano plano;
    plano.Inicio.Equipe = QList<int>{d};
    plano.Inicio.Horas = {{d, horas}};
    for (int a = 0; a < 16; ++a) {
        plano.Inicio.Alocacoes.append({a, d});
    }
    plano.Meta = QJsonObject{{"program", "Orvanta 1.0"},
                             {"manager", gerente},
                             {"game", jogo},
                             {"started", "2024-03-01T09:00:00+01:00"},
                             {"days_played_at", QJsonArray{}}};
    plano.Resultado = JogaPlano(sim, plano);
    return plano;
}

// Writes a file, making its folders.
inline bool GravaArquivo(const QString& caminho, const QByteArray& dados) {
    QDir().mkpath(QFileInfo(caminho).path());
    QFile arquivo(caminho);
    return arquivo.open(QIODevice::WriteOnly) && arquivo.write(dados) == dados.size();
}

// An RFC 4180 reader, written apart from the writer: rows of fields. As
// spreadsheets do, any line break outside quotes ends a row.
inline QList<QStringList> LeCsv(const QByteArray& bytes) {
    const QString texto = QString::fromUtf8(bytes);
    QList<QStringList> linhas;
    QStringList campos;
    QString campo;
    bool citado = false;
    for (qsizetype i = 0; i < texto.size(); ++i) {
        const QChar c = texto.at(i);
        if (citado) {
            if (c == u'"' && i + 1 < texto.size() && texto.at(i + 1) == u'"') {
                campo += c;
                ++i;
            } else if (c == u'"') {
                citado = false;
            } else {
                campo += c;
            }
        } else if (c == u'"') {
            citado = true;
        } else if (c == u',') {
            campos.append(std::exchange(campo, QString()));
        } else if (c == u'\r' || c == u'\n') {
            campos.append(std::exchange(campo, QString()));
            linhas.append(std::exchange(campos, QStringList()));
            if (c == u'\r' && i + 1 < texto.size() && texto.at(i + 1) == u'\n') {
                ++i;
            }
        } else {
            campo += c;
        }
    }
    return linhas;
}
