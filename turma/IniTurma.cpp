// SPDX-License-Identifier: GPL-3.0-or-later
#include "turma/IniTurma.h"

#include "model/LeituraInteiro.h"
#include "registro/ArquivoIni.h"

#include <QLocale>
#include <QSet>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// The game number of a section named "#N"; none for any other section.
std::optional<int> NumeroJogo(const QString& secao) {
    // Digits only after the "#": no sign.
    if (secao.size() < 2 || secao.size() > 11 || !secao.startsWith(QLatin1Char('#')) ||
        secao.at(1) == u'+' || secao.at(1) == u'-') {
        return std::nullopt;
    }
    qint64 numero = 0;
    if (!LeInteiroDecimal(secao.mid(1), numero) || numero > std::numeric_limits<int>::max()) {
        return std::nullopt;
    }
    return static_cast<int>(numero);
}

std::optional<int> DiasInteiros(const std::optional<double>& tempo) {
    if (!tempo || *tempo != std::floor(*tempo) || *tempo < 0 ||
        *tempo > std::numeric_limits<int>::max()) {
        return std::nullopt;
    }
    return static_cast<int>(*tempo);
}

std::optional<double> Numero(const TSecaoIni& secao, const char* chave) {
    const std::optional<QString> valor = secao.Valor(QLatin1String(chave));
    return valor ? NumeroRegistro(*valor) : std::nullopt;
}

} // namespace

std::optional<double> NumeroRegistro(const QString& texto) {
    if (texto.contains(QLatin1Char('.')) && texto.contains(QLatin1Char(','))) {
        return std::nullopt;
    }
    QString ponto = texto.trimmed();
    ponto.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double x = QLocale::c().toDouble(ponto, &ok);
    if (!ok || !std::isfinite(x)) {
        return std::nullopt;
    }
    return x;
}

QList<TLinhaTurma> LinhasIni(const QByteArray& dados, const QString& nome) {
    const TArquivoIni ini(dados);
    // One pass: a hostile file of many sections must not take the square
    // of its size.
    const QList<TSecaoIni> secoes = ini.Secoes();
    const QString gerente =
        ini.Valor(QStringLiteral("Orvanta"), QStringLiteral("Manager")).value_or(QString());
    QList<TLinhaTurma> linhas;
    QSet<int> vistos;
    bool temOrvanta = false;
    for (const TSecaoIni& secao : secoes) {
        temOrvanta =
            temOrvanta || secao.Nome.compare(QLatin1String("Orvanta"), Qt::CaseInsensitive) == 0;
        const std::optional<int> jogo = NumeroJogo(secao.Nome);
        if (!jogo || vistos.contains(*jogo)) {
            continue;
        }
        vistos.insert(*jogo);
        TLinhaTurma linha;
        linha.Arquivo = nome;
        linha.Gerente = gerente;
        linha.Jogo = jogo;
        linha.Custo = Numero(secao, "Cost");
        linha.Dias = DiasInteiros(Numero(secao, "Time"));
        if (linha.Custo && linha.Dias) {
            linha.Concluido = true;
        }
        linha.Conferencia = EConferencia::NaoVerificado;
        linhas.append(linha);
    }
    std::stable_sort(linhas.begin(), linhas.end(),
                     [](const TLinhaTurma& a, const TLinhaTurma& b) { return *a.Jogo < *b.Jogo; });
    if (linhas.isEmpty() && !temOrvanta) {
        TLinhaTurma ilegivel;
        ilegivel.Arquivo = nome;
        ilegivel.Nota = QStringLiteral("not a record file: no [Orvanta] section and no games");
        linhas.append(ilegivel);
    }
    return linhas;
}
