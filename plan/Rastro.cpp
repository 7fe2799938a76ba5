#include "Rastro.h"

#include "model/mAtividade.h"
#include "model/mDesenvolvedor.h"
#include "model/mProjeto.h"
#include "model/mSimulador.h"

#include <QJsonObject>

#include <QVarLengthArray>

#include <cmath>

namespace {

// Forwards the model's messages and keeps a copy for the trace.
class TCopiaMensagens : public TReceptorMensagens {
public:
    TCopiaMensagens(TReceptorMensagens* destino, QList<TMensagemJogo>& copia)
        : FDestino(destino), FCopia(copia) {}
    void AdicionaMensagem(const QString& texto, double dia) override {
        FCopia.append({texto, dia});
        if (FDestino) {
            FDestino->AdicionaMensagem(texto, dia);
        }
    }

private:
    TReceptorMensagens* FDestino;
    QList<TMensagemJogo>& FCopia;
};

} // namespace

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
                               a->EmExecucao(), a->Concluida(), a->Iniciada(),
                               a->TempoExecutado(), a->Custo()});
    }
    dia.Desenvolvedores.reserve(pool.size());
    for (const TDesenvolvedor* d : pool) {
        dia.Desenvolvedores.append({d->HorasTrabalho(), d->Exaustao(), d->Exausto(),
                                    p->NaEquipe(d), p->Trabalhando(d), 0.0, 0.0});
    }
    return dia;
}

TRastroDia PassaDiaRastro(TSimuladorProjeto& sim, TReceptorMensagens* receptor) {
    const TProjetoSoftware* p = sim.Projeto();
    const QList<TDesenvolvedor*>& pool = sim.Desenvolvedores();
    const int n = p->NumeroAtividades();
    // Each activity's charged days and developer before the step (assignments
    // do not change inside it), and each developer's hours.
    QVarLengthArray<double, 16> cobrados(n);
    QVarLengthArray<int, 16> responsavel(n);
    for (int i = 0; i < n; ++i) {
        const TAtividade* a = p->Atividade(i);
        cobrados[i] = a->DiasCobrados();
        responsavel[i] = static_cast<int>(pool.indexOf(a->Desenvolvedor()));
    }
    QVarLengthArray<double, 8> horas(pool.size());
    for (qsizetype k = 0; k < pool.size(); ++k) {
        horas[k] = pool.at(k)->HorasTrabalho();
    }

    QList<TMensagemJogo> mensagens;
    TCopiaMensagens copia(receptor, mensagens);
    sim.AvancarDia(&copia);

    TRastroDia dia = CapturaDia(sim);
    dia.Mensagens = std::move(mensagens);
    for (int i = 0; i < n; ++i) {
        if (responsavel[i] >= 0) {
            dia.Desenvolvedores[responsavel[i]].DiasUsados +=
                p->Atividade(i)->DiasCobrados() - cobrados[i];
        }
    }
    for (qsizetype k = 0; k < pool.size(); ++k) {
        dia.Desenvolvedores[k].HorasPasso = horas[k];
    }
    return dia;
}

QJsonObject DiaRastroEmJson(const TRastroDia& dia, const TSimuladorProjeto& sim) {
    const QList<TDesenvolvedor*>& pool = sim.Desenvolvedores();
    QJsonArray atividades;
    for (const TRastroAtividade& a : dia.Atividades) {
        atividades.append(QJsonObject{
            {QLatin1String("percent"), a.Percentual},
            {QLatin1String("errors"), a.Erros},
            {QLatin1String("found"), a.ErrosEncontrados},
            {QLatin1String("developer"),
             a.Desenvolvedor >= 0 ? QJsonValue(pool.at(a.Desenvolvedor)->Nome()) : QJsonValue()},
            {QLatin1String("running"), a.EmExecucao},
            {QLatin1String("accomplished"), a.Concluida},
            {QLatin1String("started"), a.Iniciada},
            {QLatin1String("executed"), a.TempoExecutado},
            {QLatin1String("cost"), a.Custo}});
    }
    QJsonArray desenvolvedores;
    for (const TRastroDesenvolvedor& d : dia.Desenvolvedores) {
        desenvolvedores.append(QJsonObject{{QLatin1String("hours"), d.HorasTrabalho},
                                           {QLatin1String("exhaustion"), d.Exaustao},
                                           {QLatin1String("exhausted"), d.Exausto},
                                           {QLatin1String("in_team"), d.NaEquipe},
                                           {QLatin1String("working"), d.Trabalhando},
                                           {QLatin1String("step_hours"), d.HorasPasso},
                                           {QLatin1String("days_used"), d.DiasUsados}});
    }
    QJsonArray mensagens;
    for (const TMensagemJogo& m : dia.Mensagens) {
        mensagens.append(MensagemEmJson(m));
    }
    return QJsonObject{{QLatin1String("day"), dia.Dia},
                       {QLatin1String("cost"), dia.Custo},
                       {QLatin1String("activities"), atividades},
                       {QLatin1String("developers"), desenvolvedores},
                       {QLatin1String("messages"), mensagens}};
}

QJsonObject MensagemEmJson(const TMensagemJogo& mensagem) {
    return QJsonObject{{QLatin1String("day"), mensagem.Dia},
                       {QLatin1String("text"), mensagem.Texto}};
}

QJsonArray RastroEmJson(const TRastro& rastro, const TSimuladorProjeto& sim) {
    QJsonArray dias;
    for (const TRastroDia& dia : rastro) {
        dias.append(DiaRastroEmJson(dia, sim));
    }
    return dias;
}
