#pragma once

// Drawn charts kept for the next request that asks for the same: a chart
// depends only on what its key and version name (a class's records at one
// version, a record that never changes), so a kept one is never stale, and
// a board, its public view and several teachers' tabs share one drawing. A
// new version replaces the old; the least recently used go first once the
// bytes kept pass the limit.

#include <QByteArray>
#include <QHash>
#include <QString>

#include <mutex>
#include <optional>

class TCacheSvg {
public:
    explicit TCacheSvg(qsizetype limiteBytes) : FLimite(limiteBytes) {}

    // The chart kept under chave when it is of that version.
    std::optional<QByteArray> Busca(const QString& chave, const QString& versao = {});
    void Guarda(const QString& chave, const QByteArray& svg, const QString& versao = {});

private:
    struct TEntrada {
        QString Versao;
        QByteArray Svg;
        quint64 Uso = 0;
    };

    std::mutex FTrava;
    QHash<QString, TEntrada> FEntradas;
    qsizetype FLimite;
    qsizetype FTotal = 0;
    quint64 FRelogio = 0;
};
