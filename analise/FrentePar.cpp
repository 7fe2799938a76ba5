// SPDX-License-Identifier: GPL-3.0-or-later
#include "analise/FrentePar.h"

#include "dados/LocalDados.h"
#include "plan/LeitorPlano.h"
#include "plan/VerificacaoPlano.h"
#include "texto/TextoEscapado.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>

namespace {

constexpr qint64 TamanhoMaximoLista = 1024 * 1024;

QString Nome(const QString& caminho) {
    return EscapaControles(QDir::toNativeSeparators(caminho));
}

// front.json's bytes: a regular file (never a pipe or a device, which could
// block or never end) of at most 1 MiB.
QByteArray LeLista(const QString& caminho) {
    const QFileInfo info(caminho);
    if (!info.exists()) {
        throw EPlano{QStringLiteral("the front %1 does not exist").arg(Nome(caminho))};
    }
    if (!info.isFile()) {
        throw EPlano{QStringLiteral("the front %1 is not a file").arg(Nome(caminho))};
    }
    if (info.size() > TamanhoMaximoLista) {
        throw EPlano{QStringLiteral("the front %1 is larger than 1 MiB").arg(Nome(caminho))};
    }
    QFile arquivo(caminho);
    if (!arquivo.open(QIODevice::ReadOnly)) {
        throw EPlano{QStringLiteral("cannot read the front %1: %2")
                         .arg(Nome(caminho), EscapaControles(arquivo.errorString()))};
    }
    const QByteArray dados = arquivo.read(TamanhoMaximoLista + 1);
    if (dados.size() > TamanhoMaximoLista) {
        throw EPlano{QStringLiteral("the front %1 is larger than 1 MiB").arg(Nome(caminho))};
    }
    return dados;
}

// A plan's file name as front.json gives it: a plain name in its folder.
bool NomeSimples(const QString& nome) {
    return !nome.isEmpty() && nome != QLatin1String(".") && nome != QLatin1String("..") &&
           !nome.contains(QLatin1Char('/')) && !nome.contains(QLatin1Char('\\')) &&
           !nome.contains(QChar(0));
}

TPlanoPar LePonto(const QJsonValue& valor, int i, const QString& lista, const QString& pasta,
                  const TSimuladorProjeto& sim) {
    const QString onde = QStringLiteral("the front %1: point %2").arg(Nome(lista), QString::number(i + 1));
    const QJsonObject ponto = valor.toObject();
    const QJsonValue arquivo = ponto.value(QLatin1String("plan"));
    const QJsonValue dias = ponto.value(QLatin1String("days"));
    const QJsonValue custo = ponto.value(QLatin1String("cost"));
    if (!valor.isObject() || !arquivo.isString() || !NomeSimples(arquivo.toString())) {
        throw EPlano{onde + QStringLiteral(" has no \"plan\" naming a file beside it")};
    }
    const double d = dias.toDouble(-1.0);
    if (!dias.isDouble() || d < 0.0 || d > TPlano::LimiteDias || std::floor(d) != d) {
        throw EPlano{onde + QStringLiteral(" has no whole number of \"days\"")};
    }
    const double c = custo.toDouble(-1.0);
    if (!custo.isDouble() || !std::isfinite(c) || c < 0.0) {
        throw EPlano{onde + QStringLiteral(" has no \"cost\" of 0 or more")};
    }
    TPlanoPar par;
    par.Arquivo = arquivo.toString();
    par.Resultado = {true, static_cast<int>(d), c};
    const QString caminho = QDir(pasta).filePath(par.Arquivo);
    par.Plano = LePlano(LeArquivoPlano(caminho), NomeArquivoPlano(caminho), sim);
    if (!par.Plano.Resultado || !ResultadosConferem(par.Resultado, *par.Plano.Resultado)) {
        throw EPlano{onde + QStringLiteral(" lists %1 but %2 claims %3")
                                .arg(DescreveResultado(par.Resultado), Citado(par.Arquivo),
                                     par.Plano.Resultado ? DescreveResultado(*par.Plano.Resultado)
                                                         : QStringLiteral("no result"))};
    }
    return par;
}

} // namespace

QList<TResultadoPlano> TFrentePar::Resultados() const {
    QList<TResultadoPlano> resultados;
    for (const TPlanoPar& p : Planos) {
        resultados.append(p.Resultado);
    }
    return resultados;
}

TFrentePar LeFrentePar(const QString& pasta, const TSimuladorProjeto& sim) {
    const QString lista = QDir(pasta).filePath(QStringLiteral("front.json"));
    QJsonParseError erro{};
    const QJsonDocument documento = QJsonDocument::fromJson(LeLista(lista), &erro);
    if (erro.error != QJsonParseError::NoError) {
        throw EPlano{QStringLiteral("the front %1 is not JSON: %2 at byte %3")
                         .arg(Nome(lista), erro.errorString(), QString::number(erro.offset))};
    }
    const QJsonArray pontos = documento.array();
    if (!documento.isArray() || pontos.isEmpty() || pontos.size() > MaximoPlanosFrente) {
        throw EPlano{QStringLiteral("the front %1 must list 1 to %2 {\"plan\", \"days\", \"cost\"} points")
                         .arg(Nome(lista), QString::number(MaximoPlanosFrente))};
    }
    TFrentePar frente;
    frente.Pasta = pasta;
    for (int i = 0; i < pontos.size(); ++i) {
        frente.Planos.append(LePonto(pontos.at(i), i, lista, pasta, sim));
    }
    return frente;
}

TFrentePar CarregaFrentePar(const TSimuladorProjeto& sim, const QString& pasta) {
    QString lugar = pasta;
    if (lugar.isEmpty()) {
        const QString nome = QLatin1String(PastaMelhoresPlanos);
        lugar = LocalizaDados(nome);
        if (lugar.isEmpty()) {
            TFrentePar nenhuma;
            QStringList lugares;
            for (const QString& l : LugaresDados(nome, PastaDoPrograma())) {
                lugares.append(Nome(l));
            }
            nenhuma.Erro = QStringLiteral("the best known plans were not found (looked in %1)")
                               .arg(lugares.join(QStringLiteral(" and ")));
            return nenhuma;
        }
    }
    try {
        return LeFrentePar(lugar, sim);
    } catch (const EPlano& e) {
        TFrentePar ilegivel;
        ilegivel.Erro = e.mensagem;
        return ilegivel;
    }
}
