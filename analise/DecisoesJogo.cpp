#include "DecisoesJogo.h"

#include "CenarioAnalise.h"

#include <QStringList>

namespace {

QString Nomes(const QList<int>& posicoes, const TCenarioAnalise& c) {
    QStringList nomes;
    for (int d : posicoes) {
        nomes.append(c.Desenvolvedores.value(d, QStringLiteral("?")));
    }
    return nomes.join(QStringLiteral(", "));
}

// Who joined and who left, from one team to the next (a name once each).
QString MudancaEquipe(const QList<int>& antes, const QList<int>& depois, const TCenarioAnalise& c) {
    QList<int> entraram;
    QList<int> sairam;
    for (int d : depois) {
        if (!antes.contains(d) && !entraram.contains(d)) {
            entraram.append(d);
        }
    }
    for (int d : antes) {
        if (!depois.contains(d) && !sairam.contains(d)) {
            sairam.append(d);
        }
    }
    QStringList partes;
    if (!entraram.isEmpty()) {
        partes.append(QStringLiteral("%1 joined").arg(Nomes(entraram, c)));
    }
    if (!sairam.isEmpty()) {
        partes.append(QStringLiteral("%1 left").arg(Nomes(sairam, c)));
    }
    return partes.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(partes.join(QStringLiteral("; ")));
}

QString Citada(int atividade, const TCenarioAnalise& c) {
    return QLatin1Char('"') + c.Atividades.value(atividade, QStringLiteral("?")) + QLatin1Char('"');
}

} // namespace

QString NomeTipoMarco(ETipoMarco tipo) {
    switch (tipo) {
    case ETipoMarco::Equipe:
        return QStringLiteral("team changed");
    case ETipoMarco::Horas:
        return QStringLiteral("hours set");
    case ETipoMarco::Inspecao:
        return QStringLiteral("inspection time set");
    case ETipoMarco::Alocacao:
        return QStringLiteral("assignment");
    case ETipoMarco::Aviso:
        return QStringLiteral("warning level passed");
    case ETipoMarco::Exausto:
        return QStringLiteral("exhausted");
    case ETipoMarco::InspecaoPulada:
        return QStringLiteral("inspection skipped");
    }
    return {};
}

QString TextoDecisao(const TDecisao& d, const TCenarioAnalise& c) {
    switch (d.Tipo) {
    case ETipoMarco::Equipe:
        if (d.Equipe.isEmpty()) {
            return QStringLiteral("Team emptied%1").arg(MudancaEquipe(d.EquipeAntes, d.Equipe, c));
        }
        return QStringLiteral("Team: %1%2")
            .arg(Nomes(d.Equipe, c), MudancaEquipe(d.EquipeAntes, d.Equipe, c));
    case ETipoMarco::Horas:
        return QStringLiteral("%1's hours set to %2 a day%3")
            .arg(c.Desenvolvedores.value(d.Desenvolvedor, QStringLiteral("?")),
                 QString::number(d.Valor),
                 d.Exausto ? QStringLiteral(", while he was exhausted") : QString());
    case ETipoMarco::Inspecao:
        if (d.Valor == 0) {
            return QStringLiteral("%1 given no time").arg(Citada(d.Atividade, c));
        }
        return QStringLiteral("%1 given %2 hours").arg(Citada(d.Atividade, c), QString::number(d.Valor));
    case ETipoMarco::Alocacao:
        if (d.Desenvolvedor < 0) {
            return QStringLiteral("Nobody on %1").arg(Citada(d.Atividade, c));
        }
        return QStringLiteral("%1 assigned to %2")
            .arg(c.Desenvolvedores.value(d.Desenvolvedor, QStringLiteral("?")),
                 Citada(d.Atividade, c));
    default:
        return NomeTipoMarco(d.Tipo);
    }
}

TLeitorDecisoes::TLeitorDecisoes(const TCenarioAnalise& cenario)
    : FHoras(cenario.Desenvolvedores.size(), TPlano::MinimoHoras),
      FInspecoes(cenario.Atividades.size(), 0), FAlocacoes(cenario.Atividades.size(), -1) {}

void TLeitorDecisoes::Adiciona(TDecisao decisao) {
    FDecisoes.append(std::move(decisao));
}

void TLeitorDecisoes::Aplica(const TMudancasPlano& m, const QList<bool>& exaustos) {
    // Only the initial changes may restate a new game's state.
    const bool inicio = m.Dia == 0;
    if (m.Equipe && !(inicio && *m.Equipe == FEquipe)) {
        Adiciona({m.Dia, ETipoMarco::Equipe, -1, -1, 0, *m.Equipe, FEquipe, false});
        FEquipe = *m.Equipe;
    }
    for (const auto& [dev, horas] : m.Horas) {
        if (!(inicio && FHoras.value(dev) == horas)) {
            Adiciona({m.Dia, ETipoMarco::Horas, dev, -1, horas, {}, {}, exaustos.value(dev)});
        }
        if (dev >= 0 && dev < FHoras.size()) {
            FHoras[dev] = horas;
        }
    }
    for (const auto& [atividade, horas] : m.Inspecoes) {
        if (!(inicio && FInspecoes.value(atividade) == horas)) {
            Adiciona({m.Dia, ETipoMarco::Inspecao, -1, atividade, horas, {}, {}, false});
        }
        if (atividade >= 0 && atividade < FInspecoes.size()) {
            FInspecoes[atividade] = horas;
        }
    }
    for (const auto& [atividade, dev] : m.Alocacoes) {
        if (!(inicio && FAlocacoes.value(atividade, -1) == dev)) {
            Adiciona({m.Dia, ETipoMarco::Alocacao, dev, atividade, 0, {}, {}, false});
        }
        if (atividade >= 0 && atividade < FAlocacoes.size()) {
            FAlocacoes[atividade] = dev;
        }
    }
}
