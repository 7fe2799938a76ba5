// SPDX-License-Identifier: GPL-3.0-or-later
#include "turma/ResumoTurma.h"

#include "texto/TextoEscapado.h"

#include <QMap>
#include <QSet>

#include <algorithm>

namespace {

double Mediana(QList<double> valores) {
    std::sort(valores.begin(), valores.end());
    const qsizetype meio = valores.size() / 2;
    return valores.size() % 2 == 1 ? valores.at(meio)
                                   : (valores.at(meio - 1) + valores.at(meio)) / 2;
}

// Days are whole, and a median of an even count falls on a half at most.
QString TextoDias(double dias) {
    return QString::number(dias, 'f', dias == static_cast<qint64>(dias) ? 0 : 1);
}

QString Custo(double custo) {
    return QString::number(custo, 'f', 2);
}

} // namespace

TResumoTurma ResumeTurma(const QList<TLinhaTurma>& linhas) {
    TResumoTurma resumo;
    resumo.Jogos = linhas.size();
    QList<double> dias;
    QList<double> custos;
    QMap<QString, QSet<int>> jogosPorGerente;
    for (const TLinhaTurma& linha : linhas) {
        switch (linha.Conferencia) {
        case EConferencia::Verificado:
            ++resumo.Verificados;
            break;
        case EConferencia::Divergente:
            ++resumo.Divergentes;
            break;
        case EConferencia::NaoVerificado:
            ++resumo.NaoVerificados;
            break;
        case EConferencia::Ilegivel:
            ++resumo.Ilegiveis;
            break;
        }
        resumo.Praticas += linha.Pratica ? 1 : 0;
        if (linha.Conferencia == EConferencia::Verificado && linha.Concluido.value_or(false) &&
            linha.Dias && linha.Custo && !linha.Pratica) {
            dias.append(*linha.Dias);
            custos.append(*linha.Custo);
        }
        if (!linha.Gerente.isEmpty() && linha.Jogo) {
            jogosPorGerente[linha.Gerente].insert(*linha.Jogo);
        }
    }
    resumo.Concluidos = dias.size();
    if (!dias.isEmpty()) {
        resumo.MedianaDias = Mediana(dias);
        resumo.MelhorDias = static_cast<int>(*std::min_element(dias.cbegin(), dias.cend()));
        resumo.MedianaCusto = Mediana(custos);
        resumo.MelhorCusto = *std::min_element(custos.cbegin(), custos.cend());
    }
    for (auto it = jogosPorGerente.cbegin(); it != jogosPorGerente.cend(); ++it) {
        if (it.value().size() > 1) {
            resumo.GerentesRepetidos.append({it.key(), it.value().size()});
        }
    }
    return resumo;
}

QString TextoResumo(const TResumoTurma& resumo, const QList<TLinhaTurma>& linhas) {
    QString texto = QStringLiteral("games: %1 (%2 verified, %3 mismatch, %4 unverified, "
                                   "%5 unreadable)\n")
                        .arg(QString::number(resumo.Jogos), QString::number(resumo.Verificados),
                             QString::number(resumo.Divergentes),
                             QString::number(resumo.NaoVerificados),
                             QString::number(resumo.Ilegiveis));
    if (resumo.Concluidos > 0) {
        texto += QStringLiteral("verified concluded games: %1; days: median %2, best %3; "
                                "cost: median %4, best %5\n")
                     .arg(QString::number(resumo.Concluidos), TextoDias(resumo.MedianaDias),
                          QString::number(resumo.MelhorDias), Custo(resumo.MedianaCusto),
                          Custo(resumo.MelhorCusto));
    } else {
        texto += QStringLiteral("verified concluded games: 0\n");
    }
    if (resumo.Praticas > 0) {
        texto += QStringLiteral("practice games: %1 (played again from a day of a counted game; "
                                "not in the medians and bests, nor on the chart)\n")
                     .arg(resumo.Praticas);
    }
    QStringList gerentes;
    for (const auto& [nome, jogos] : resumo.GerentesRepetidos) {
        gerentes.append(QStringLiteral("%1 (%2)").arg(Citado(nome), QString::number(jogos)));
    }
    texto +=
        QStringLiteral("managers with more than one counted game: %1\n")
            .arg(gerentes.isEmpty() ? QStringLiteral("none") : gerentes.join(QLatin1String(", ")));
    for (const TLinhaTurma& linha : linhas) {
        if (linha.Conferencia == EConferencia::Divergente ||
            linha.Conferencia == EConferencia::Ilegivel) {
            texto += QStringLiteral("%1: %2: %3\n")
                         .arg(NomeConferencia(linha.Conferencia), EscapaControles(linha.Arquivo),
                              EscapaControles(linha.Nota));
        }
    }
    return texto;
}
