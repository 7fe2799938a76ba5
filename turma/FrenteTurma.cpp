// SPDX-License-Identifier: GPL-3.0-or-later
#include "turma/FrenteTurma.h"

#include "dados/LocalDados.h"
#include "plan/JogoPlano.h"
#include "plan/PlanoReferencia.h"
#include "turma/LeitorTurma.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cmath>

namespace {

// Front files are small: a few hundred points at most.
constexpr qint64 TamanhoMaximoFrente = 8 * 1024 * 1024;

double Numero(const QJsonObject& ponto, const char* chave, qsizetype indice, const QString& nome) {
    const QJsonValue valor = ponto.value(QLatin1String(chave));
    if (!valor.isDouble() || !std::isfinite(valor.toDouble()) || valor.toDouble() < 0) {
        throw ETurma{QStringLiteral("the front %1: point %2 has no number \"%3\" of 0 or more")
                         .arg(nome, QString::number(indice + 1), QLatin1String(chave))};
    }
    return valor.toDouble();
}

} // namespace

QList<TPontoFrente> LeFrente(const QByteArray& dados, const QString& nome) {
    QJsonParseError erro{};
    const QJsonDocument documento = QJsonDocument::fromJson(dados, &erro);
    if (erro.error != QJsonParseError::NoError) {
        throw ETurma{QStringLiteral("the front %1 is not JSON: %2 at byte %3")
                         .arg(nome, erro.errorString(), QString::number(erro.offset))};
    }
    const QJsonArray lista = documento.array();
    if (!documento.isArray() || lista.isEmpty()) {
        throw ETurma{
            QStringLiteral("the front %1 must be a list of {\"days\", \"cost\"} points").arg(nome)};
    }
    QList<TPontoFrente> frente;
    for (qsizetype i = 0; i < lista.size(); ++i) {
        if (!lista.at(i).isObject()) {
            throw ETurma{
                QStringLiteral("the front %1: point %2 is not an object")
                    .arg(nome, QString::number(i + 1))};
        }
        const QJsonObject ponto = lista.at(i).toObject();
        frente.append({Numero(ponto, "days", i, nome), Numero(ponto, "cost", i, nome)});
    }
    std::sort(frente.begin(), frente.end(), [](const TPontoFrente& a, const TPontoFrente& b) {
        return a.Dias != b.Dias ? a.Dias < b.Dias : a.Custo < b.Custo;
    });
    return frente;
}

QList<TPontoFrente> LeArquivoFrente(const QString& caminho) {
    QString erro;
    const std::optional<QByteArray> dados = LeArquivoLimitado(caminho, TamanhoMaximoFrente, erro);
    if (!dados) {
        throw ETurma{QStringLiteral("cannot read the front %1: %2").arg(caminho, erro)};
    }
    return LeFrente(*dados, caminho);
}

QList<TPontoFrente> LeFrenteDoJogo() {
    const QString nome = QLatin1String(PastaMelhoresPlanos);
    const QString pasta = LocalizaDados(nome);
    if (pasta.isEmpty()) {
        QStringList lugares = LugaresDados(nome, PastaDoPrograma());
        for (QString& l : lugares) {
            l = QDir::toNativeSeparators(l);
        }
        throw ETurma{QStringLiteral("the best known plans were not found (looked in %1)")
                         .arg(lugares.join(QStringLiteral(" and ")))};
    }
    return LeArquivoFrente(QDir(pasta).filePath(QStringLiteral("front.json")));
}

QList<TReferenciaTurma> ReferenciasTurma(TSimuladorProjeto& sim) {
    QList<TReferenciaTurma> referencias;
    for (const auto& [nome, horas] :
         {std::pair{"A", HorasReferenciaA}, std::pair{"B", HorasReferenciaB}}) {
        const TResultadoPlano r = JogaPlano(sim, PlanoReferencia(horas));
        referencias.append({QLatin1String(nome), static_cast<double>(r.Dias), r.Custo});
    }
    return referencias;
}
