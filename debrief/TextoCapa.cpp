// SPDX-License-Identifier: GPL-3.0-or-later
#include "debrief/TextoCapa.h"

#include "analise/CapaJogo.h"
#include "debrief/FormatoDebrief.h"

#include <QDateTime>

namespace {

// A record's time as its player saw it: the offset it was written with.
QDateTime Horario(const QString& texto) {
    const QDateTime horario = QDateTime::fromString(texto, Qt::ISODate);
    return horario.isValid() ? horario.toOffsetFromUtc(horario.offsetFromUtc()) : QDateTime();
}

// A file name part: letters and digits, other runs made one "-".
QString ParteNome(const QString& texto) {
    QString parte;
    for (const QChar c : texto) {
        if (c.isLetterOrNumber() || c == QLatin1Char('_')) {
            parte.append(c);
        } else if (!parte.isEmpty() && !parte.endsWith(QLatin1Char('-'))) {
            parte.append(QLatin1Char('-'));
        }
    }
    while (parte.endsWith(QLatin1Char('-'))) {
        parte.chop(1);
    }
    return parte.left(40);
}

} // namespace

QString TextoResultado(const TResultadoPlano& r) {
    if (!r.Concluido && r.Dias == 0) {
        return QStringLiteral("No day played yet");
    }
    return (r.Concluido ? QStringLiteral("Concluded in %1 days, cost %2")
                        : QStringLiteral("Not concluded after %1 days, cost %2"))
        .arg(TextoInteiro(r.Dias), TextoDinheiro(r.Custo));
}

QString TextoVerificacao(const TCapaJogo& capa) {
    if (!capa.Gravado) {
        return QStringLiteral("Not checked: the plan records no result");
    }
    if (capa.Confere()) {
        return QStringLiteral("Verified: the record replays to the result it claims");
    }
    return QStringLiteral("MISMATCH: the record claims \"%1\" but replays to \"%2\"")
        .arg(TextoResultado(*capa.Gravado), TextoResultado(capa.Rejogado));
}

QString TextoQuando(const TCapaJogo& capa) {
    const QDateTime inicio = Horario(capa.Inicio);
    if (!inicio.isValid()) {
        return capa.Inicio;
    }
    const QString formato = QStringLiteral("yyyy-MM-dd HH:mm");
    const QString texto = inicio.toString(formato);
    const QDateTime fim = Horario(capa.Fim);
    if (!fim.isValid() || fim.toString(formato) == texto) {
        return texto;
    }
    return QStringLiteral("%1 to %2").arg(
        texto, fim.toString(fim.date() == inicio.date() ? QStringLiteral("HH:mm") : formato));
}

QString TextoIdentidade(const TCapaJogo& capa) {
    if (capa.Jogo <= 0 && !capa.Ramo) {
        return capa.Gerente;
    }
    const QString jogo = capa.Ramo ? TextoRamo(*capa.Ramo) : QStringLiteral("game %1").arg(capa.Jogo);
    return capa.Gerente.isEmpty() ? jogo : QStringLiteral("%1, %2").arg(capa.Gerente, jogo);
}

QString TextoOrigem(const TRamoJogo& ramo) {
    return ramo.Registro.isEmpty() ? QStringLiteral("game %1").arg(ramo.Jogo) : ramo.Registro;
}

QString NomeArquivoDebrief(const TCapaJogo& capa, const QString& sufixo) {
    QString nome = QStringLiteral("orvanta");
    const QString gerente = ParteNome(capa.Gerente);
    if (!gerente.isEmpty()) {
        nome += QLatin1Char('-') + gerente;
    }
    if (capa.Ramo) {
        nome += QStringLiteral("-game-%1-practice-day-%2")
                    .arg(QString::number(capa.Ramo->Jogo), QString::number(capa.Ramo->Dia));
    } else {
        nome += capa.Jogo > 0 ? QStringLiteral("-game-%1").arg(capa.Jogo)
                              : (gerente.isEmpty() ? QStringLiteral("-debrief") : QString());
    }
    return nome + QLatin1Char('.') + sufixo;
}
