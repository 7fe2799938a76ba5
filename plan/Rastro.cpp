#include "Rastro.h"

#include "model/mAtividade.h"
#include "model/mDesenvolvedor.h"
#include "model/mProjeto.h"
#include "model/mSimulador.h"

#include <QJsonObject>

#include <cmath>

TRastroDia CapturaDia(const TSimuladorProjeto& sim) {
    const TProjetoSoftware* p = sim.Projeto();
    const QList<TDesenvolvedor*>& pool = sim.Desenvolvedores();
    TRastroDia dia;
    dia.Dia = static_cast<int>(std::lround(p->Tempo()));
    dia.Custo = p->Custo();
    dia.Atividades.reserve(p->NumeroAtividades());
    for (const TAtividade* a : p->Atividades()) {
        dia.Atividades.append({a->Percentual(), a->Erros(), a->ErrosEncontrados(),
                               static_cast<int>(pool.indexOf(a->Desenvolvedor())),
                               a->EmExecucao(), a->Concluida()});
    }
    dia.Desenvolvedores.reserve(pool.size());
    for (const TDesenvolvedor* d : pool) {
        dia.Desenvolvedores.append({d->HorasTrabalho(), d->Exaustao(), d->Exausto(),
                                    p->NaEquipe(d), p->Trabalhando(d)});
    }
    return dia;
}

QJsonArray RastroEmJson(const TRastro& rastro, const TSimuladorProjeto& sim) {
    const QList<TDesenvolvedor*>& pool = sim.Desenvolvedores();
    QJsonArray dias;
    for (const TRastroDia& dia : rastro) {
        QJsonArray atividades;
        for (const TRastroAtividade& a : dia.Atividades) {
            atividades.append(QJsonObject{
                {QLatin1String("percent"), a.Percentual},
                {QLatin1String("errors"), a.Erros},
                {QLatin1String("found"), a.ErrosEncontrados},
                {QLatin1String("developer"),
                 a.Desenvolvedor >= 0 ? QJsonValue(pool.at(a.Desenvolvedor)->Nome()) : QJsonValue()},
                {QLatin1String("running"), a.EmExecucao},
                {QLatin1String("accomplished"), a.Concluida}});
        }
        QJsonArray desenvolvedores;
        for (const TRastroDesenvolvedor& d : dia.Desenvolvedores) {
            desenvolvedores.append(QJsonObject{{QLatin1String("hours"), d.HorasTrabalho},
                                               {QLatin1String("exhaustion"), d.Exaustao},
                                               {QLatin1String("exhausted"), d.Exausto},
                                               {QLatin1String("in_team"), d.NaEquipe},
                                               {QLatin1String("working"), d.Trabalhando}});
        }
        dias.append(QJsonObject{{QLatin1String("day"), dia.Dia},
                                {QLatin1String("cost"), dia.Custo},
                                {QLatin1String("activities"), atividades},
                                {QLatin1String("developers"), desenvolvedores}});
    }
    return dias;
}
