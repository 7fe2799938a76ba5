// SPDX-License-Identifier: GPL-3.0-or-later
#include "turma/RegistroTurma.h"

#include "plan/LeitorPlano.h"
#include "plan/NumeroJson.h"
#include "plan/RamoJogo.h"
#include "plan/VerificacaoPlano.h"
#include "texto/TextoEscapado.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>
#include <limits>

namespace {

std::optional<int> Inteiro(const QJsonValue& valor) {
    const std::optional<double> x = InteiroJson(valor);
    if (!x || *x < 0 || *x > std::numeric_limits<int>::max()) {
        return std::nullopt;
    }
    return static_cast<int>(*x);
}

// What a file that is not a valid record still says of itself.
void LeParcial(const QByteArray& dados, TLinhaTurma& linha) {
    const QJsonDocument documento = QJsonDocument::fromJson(dados);
    const QJsonObject raiz = documento.object();
    LeMetaRegistro(raiz.value(QLatin1String("meta")).toObject(), linha);
    const QJsonObject resultado = raiz.value(QLatin1String("result")).toObject();
    const QJsonValue concluido = resultado.value(QLatin1String("concluded"));
    if (concluido.isBool()) {
        linha.Concluido = concluido.toBool();
    }
    linha.Dias = Inteiro(resultado.value(QLatin1String("days")));
    const QJsonValue custo = resultado.value(QLatin1String("cost"));
    if (custo.isDouble() && std::isfinite(custo.toDouble())) {
        linha.Custo = custo.toDouble();
    }
}

} // namespace

void LeMetaRegistro(const QJsonObject& meta, TLinhaTurma& linha) {
    const QJsonValue gerente = meta.value(QLatin1String("manager"));
    if (gerente.isString()) {
        linha.Gerente = gerente.toString();
    }
    linha.Jogo = Inteiro(meta.value(QLatin1String("game")));
    linha.Pratica = RamoDoMeta(meta).has_value();
}

QString NotaPlano(const QString& mensagem, const QString& nome) {
    const QString origem = EscapaControles(nome) + QStringLiteral(": ");
    return mensagem.startsWith(origem) ? mensagem.mid(origem.size()) : mensagem;
}

TLinhaTurma LinhaPlano(const TPlano& plano, const QString& nome, TSimuladorProjeto& sim) {
    TLinhaTurma linha;
    linha.Arquivo = nome;
    if (plano.Meta) {
        LeMetaRegistro(*plano.Meta, linha);
    }
    const TVerificacao verificacao = VerificaPlano(sim, plano);
    linha.Concluido = verificacao.Gravado.Concluido;
    linha.Dias = verificacao.Gravado.Dias;
    linha.Custo = verificacao.Gravado.Custo;
    if (verificacao.Confere) {
        linha.Conferencia = EConferencia::Verificado;
    } else {
        linha.Conferencia = EConferencia::Divergente;
        linha.Nota = verificacao.Diferenca();
    }
    return linha;
}

TLinhaTurma LinhaRegistro(const QByteArray& dados, const QString& nome, TSimuladorProjeto& sim) {
    try {
        return LinhaPlano(LePlano(dados, nome, sim), nome, sim);
    } catch (const EPlano& e) {
        TLinhaTurma linha;
        linha.Arquivo = nome;
        LeParcial(dados, linha);
        linha.Conferencia = EConferencia::Ilegivel;
        // The reader names the file in some messages; the note's reader
        // already knows which file it is about.
        linha.Nota = NotaPlano(e.mensagem, nome);
        return linha;
    }
}
