// orvanta-sim: plays a scripted plan with the simulation model alone, with no
// window, and prints the game's messages and its result.
//
// The whole plan is checked before the first day is played, so a bad plan
// produces one line on standard error, exit status 2 and nothing else.

#include "model/mAtividade.h"
#include "model/mDesenvolvedor.h"
#include "model/mImagens.h"
#include "model/mProjeto.h"
#include "model/mSimulador.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QList>
#include <QString>

#include <cmath>
#include <cstdio>
#include <optional>

namespace {

const char* const Uso = "usage: orvanta-sim [--json] PLAN.json | orvanta-sim --help";

const char* const Ajuda = R"(usage: orvanta-sim [--json] PLAN.json
       orvanta-sim --help

Plays a scripted plan of the Orvanta project game with no window. PLAN.json
is a file, or - for standard input. The plan is a JSON object:

  "team"              list of pool developers, in team order
  "hours"             { developer: whole work hours 8..12 }
  "inspection_hours"  { inspection activity: whole hours 0..200 }
  "assign"            { activity: developer or null }
  "events"            list of { "day": N, and any of the four keys above },
                      applied before the day step that starts at day N
                      (N >= 1, increasing); a "team" there replaces the team
                      and clears assignments to developers who left it
  "max_days"          most day steps to play (default 1000)

Activities are named by their number "1".."16" or their exact name. The
initial keys apply before the first day in the order team, hours,
inspection_hours, assign; an event applies them in the same order.

Developers: Corvin, Fennick, Ysolde, Tamsin, Idony, Oswin, Brannoc.

Output: every message as the game shows it ("Day 6: ..."), then
"Result: concluded in D days, cost C" or "Result: not concluded after D days,
cost C". With --json: one JSON object with concluded, days, cost, messages,
activities and developers.

Exit status: 0 when the plan was played (concluded or not), 2 for a bad plan
or bad arguments, 1 when the game's pictures cannot be loaded.
)";

constexpr int MaximoDias = 1000000;

// A bad plan: the message names the problem.
struct EPlano {
    QString mensagem;
};

// One set of changes: the plan's initial keys (dia 0) or one event.
struct TMudancas {
    int dia = 0;
    std::optional<QList<int>> equipe;     // pool positions
    QList<std::pair<int, int>> horas;     // pool position, hours
    QList<std::pair<int, int>> inspecoes; // activity position, hours
    QList<std::pair<int, int>> alocacoes; // activity position, pool position or -1
};

struct TPlano {
    TMudancas inicio;
    QList<TMudancas> eventos;
    int maximoDias = 1000;
};

QString Citado(const QString& texto) {
    return QLatin1Char('"') + texto + QLatin1Char('"');
}

QString DescreveJson(const QJsonValue& v) {
    switch (v.type()) {
    case QJsonValue::String:
        return Citado(v.toString());
    case QJsonValue::Double:
        return QString::number(v.toDouble(), 'g', 17);
    case QJsonValue::Bool:
        return v.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    case QJsonValue::Null:
        return QStringLiteral("null");
    case QJsonValue::Array:
        return QStringLiteral("a list");
    case QJsonValue::Object:
        return QStringLiteral("an object");
    case QJsonValue::Undefined:
        break;
    }
    return QStringLiteral("nothing");
}

// Reads and checks a plan against the scenario of sim.
class TLeitorPlano {
public:
    explicit TLeitorPlano(const TSimuladorProjeto& sim) : FSim(sim) {}

    TPlano Le(const QJsonDocument& documento) {
        if (!documento.isObject()) {
            throw EPlano{QStringLiteral("the plan must be a JSON object")};
        }
        const QJsonObject raiz = documento.object();
        TPlano plano;
        for (auto it = raiz.begin(); it != raiz.end(); ++it) {
            if (it.key() == QLatin1String("events") || it.key() == QLatin1String("max_days")) {
                continue;
            }
            LeChave(it.key(), it.value(), plano.inicio, QString());
        }
        if (raiz.contains(QLatin1String("max_days"))) {
            plano.maximoDias = Inteiro(raiz.value(QLatin1String("max_days")),
                                       QStringLiteral("\"max_days\""), 0, MaximoDias);
        }
        if (raiz.contains(QLatin1String("events"))) {
            LeEventos(raiz.value(QLatin1String("events")), plano);
        }
        VerificaEquipes(plano);
        return plano;
    }

private:
    void LeEventos(const QJsonValue& valor, TPlano& plano) {
        if (!valor.isArray()) {
            throw EPlano{QStringLiteral("\"events\" must be a list of objects")};
        }
        const QJsonArray eventos = valor.toArray();
        int anterior = 0;
        for (qsizetype i = 0; i < eventos.size(); ++i) {
            const QString onde = QStringLiteral("event %1").arg(i + 1);
            if (!eventos.at(i).isObject()) {
                throw EPlano{onde + QStringLiteral(" must be an object")};
            }
            const QJsonObject objeto = eventos.at(i).toObject();
            if (!objeto.contains(QLatin1String("day"))) {
                throw EPlano{onde + QStringLiteral(" has no \"day\"")};
            }
            TMudancas mudancas;
            mudancas.dia = Inteiro(objeto.value(QLatin1String("day")),
                                   onde + QStringLiteral(": \"day\""), 1, MaximoDias);
            if (mudancas.dia <= anterior) {
                throw EPlano{QStringLiteral("events out of order: the event for day %1 comes "
                                            "after the one for day %2")
                                 .arg(mudancas.dia)
                                 .arg(anterior)};
            }
            anterior = mudancas.dia;
            const QString contexto = QStringLiteral("event for day %1: ").arg(mudancas.dia);
            for (auto it = objeto.begin(); it != objeto.end(); ++it) {
                if (it.key() != QLatin1String("day")) {
                    LeChave(it.key(), it.value(), mudancas, contexto);
                }
            }
            plano.eventos.append(mudancas);
        }
    }

    void LeChave(const QString& chave, const QJsonValue& valor, TMudancas& m,
                 const QString& contexto) {
        if (chave == QLatin1String("team")) {
            m.equipe = LeEquipe(valor, contexto);
        } else if (chave == QLatin1String("hours")) {
            const QJsonObject objeto = Objeto(valor, contexto + QStringLiteral("\"hours\""));
            for (auto it = objeto.begin(); it != objeto.end(); ++it) {
                const QString onde = contexto + QStringLiteral("\"hours\" of ") + Citado(it.key());
                m.horas.append({Desenvolvedor(it.key(), contexto + QStringLiteral("\"hours\"")),
                                Inteiro(it.value(), onde, 8, 12)});
            }
        } else if (chave == QLatin1String("inspection_hours")) {
            const QString onde = contexto + QStringLiteral("\"inspection_hours\"");
            const QJsonObject objeto = Objeto(valor, onde);
            QList<int> vistas;
            for (auto it = objeto.begin(); it != objeto.end(); ++it) {
                const int a = Atividade(it.key(), onde, vistas);
                if (FSim.Projeto()->Atividade(a)->Tipo() != TipoInspecao) {
                    throw EPlano{onde + QStringLiteral(": activity %1 (%2) is not an inspection")
                                            .arg(a + 1)
                                            .arg(Citado(FSim.Projeto()->Atividade(a)->Nome()))};
                }
                m.inspecoes.append(
                    {a, Inteiro(it.value(), onde + QStringLiteral(" of ") + Citado(it.key()), 0,
                                200)});
            }
        } else if (chave == QLatin1String("assign")) {
            const QString onde = contexto + QStringLiteral("\"assign\"");
            const QJsonObject objeto = Objeto(valor, onde);
            QList<int> vistas;
            for (auto it = objeto.begin(); it != objeto.end(); ++it) {
                const int a = Atividade(it.key(), onde, vistas);
                int d = -1;
                if (it.value().isString()) {
                    d = Desenvolvedor(it.value().toString(), onde);
                } else if (!it.value().isNull()) {
                    throw EPlano{onde + QStringLiteral(" of ") + Citado(it.key()) +
                                 QStringLiteral(" must be a developer name or null, not ") +
                                 DescreveJson(it.value())};
                }
                m.alocacoes.append({a, d});
            }
        } else {
            throw EPlano{contexto + QStringLiteral("unknown key ") + Citado(chave)};
        }
    }

    QList<int> LeEquipe(const QJsonValue& valor, const QString& contexto) {
        const QString onde = contexto + QStringLiteral("\"team\"");
        if (!valor.isArray()) {
            throw EPlano{onde + QStringLiteral(" must be a list of developer names")};
        }
        QList<int> equipe;
        for (const QJsonValue& nome : valor.toArray()) {
            if (!nome.isString()) {
                throw EPlano{onde + QStringLiteral(" must be a list of developer names, not ") +
                             DescreveJson(nome)};
            }
            const int d = Desenvolvedor(nome.toString(), onde);
            if (equipe.contains(d)) {
                throw EPlano{onde + QStringLiteral(": ") + Citado(nome.toString()) +
                             QStringLiteral(" is listed twice")};
            }
            equipe.append(d);
        }
        return equipe;
    }

    // Assignments may only name developers who are in the team at that moment.
    void VerificaEquipes(const TPlano& plano) const {
        QList<int> equipe;
        const auto verifica = [&](const TMudancas& m, const QString& contexto) {
            if (m.equipe) {
                equipe = *m.equipe;
            }
            for (const auto& [a, d] : m.alocacoes) {
                if (d >= 0 && !equipe.contains(d)) {
                    throw EPlano{contexto + QStringLiteral("\"assign\" of activity %1 (%2): %3 is "
                                                           "not in the team at that moment")
                                                .arg(a + 1)
                                                .arg(Citado(FSim.Projeto()->Atividade(a)->Nome()))
                                                .arg(Citado(FSim.Desenvolvedores().at(d)->Nome()))};
                }
            }
        };
        verifica(plano.inicio, QString());
        for (const TMudancas& m : plano.eventos) {
            verifica(m, QStringLiteral("event for day %1: ").arg(m.dia));
        }
    }

    static QJsonObject Objeto(const QJsonValue& valor, const QString& onde) {
        if (!valor.isObject()) {
            throw EPlano{onde + QStringLiteral(" must be an object, not ") + DescreveJson(valor)};
        }
        return valor.toObject();
    }

    static int Inteiro(const QJsonValue& valor, const QString& onde, int minimo, int maximo) {
        if (!valor.isDouble()) {
            throw EPlano{onde + QStringLiteral(" must be a whole number, not ") +
                         DescreveJson(valor)};
        }
        const double x = valor.toDouble();
        if (x != std::floor(x)) {
            throw EPlano{onde + QStringLiteral(" must be a whole number, not ") +
                         DescreveJson(valor)};
        }
        if (x < minimo || x > maximo) {
            throw EPlano{onde + QStringLiteral(" is %1, out of range %2 to %3")
                                    .arg(DescreveJson(valor))
                                    .arg(minimo)
                                    .arg(maximo)};
        }
        return static_cast<int>(x);
    }

    int Desenvolvedor(const QString& nome, const QString& onde) const {
        const QList<TDesenvolvedor*>& pool = FSim.Desenvolvedores();
        for (int i = 0; i < pool.size(); ++i) {
            if (pool.at(i)->Nome() == nome) {
                return i;
            }
        }
        throw EPlano{onde + QStringLiteral(": unknown developer ") + Citado(nome)};
    }

    // "1".."16" or an activity's exact name; each activity at most once per object.
    int Atividade(const QString& chave, const QString& onde, QList<int>& vistas) const {
        const TProjetoSoftware* p = FSim.Projeto();
        int achada = -1;
        for (int i = 0; i < p->NumeroAtividades(); ++i) {
            if (chave == QString::number(i + 1) || chave == p->Atividade(i)->Nome()) {
                achada = i;
                break;
            }
        }
        if (achada < 0) {
            throw EPlano{onde + QStringLiteral(": unknown activity ") + Citado(chave)};
        }
        if (vistas.contains(achada)) {
            throw EPlano{onde + QStringLiteral(": activity %1 (%2) is given twice")
                                    .arg(achada + 1)
                                    .arg(Citado(p->Atividade(achada)->Nome()))};
        }
        vistas.append(achada);
        return achada;
    }

    const TSimuladorProjeto& FSim;
};

// Keeps every message of the game, in order.
class TReceptorLista : public TReceptorMensagens {
public:
    void AdicionaMensagem(const QString& texto, double dia) override {
        mensagens.append({texto, dia});
    }
    QList<std::pair<QString, double>> mensagens;
};

void EscreveErro(const QString& linha) {
    std::fprintf(stderr, "orvanta-sim: %s\n", linha.toUtf8().constData());
}

void Aplica(TSimuladorProjeto& sim, const TMudancas& m) {
    TProjetoSoftware* p = sim.Projeto();
    const QList<TDesenvolvedor*>& pool = sim.Desenvolvedores();
    if (m.equipe) {
        p->Equipe().clear();
        for (int d : *m.equipe) {
            p->Equipe().append(pool.at(d));
        }
        p->ValidarAlocacoes();
    }
    for (const auto& [d, horas] : m.horas) {
        TDesenvolvedor* dev = pool.at(d);
        if (dev->Exausto()) {
            // As in the game: an exhausted developer keeps 8 hours until rested.
            EscreveErro(QStringLiteral("day %1: %2 hours for %3 refused: he is exhausted")
                            .arg(m.dia)
                            .arg(horas)
                            .arg(dev->Nome()));
            continue;
        }
        dev->SetHorasTrabalho(horas);
    }
    for (const auto& [a, horas] : m.inspecoes) {
        p->Atividade(a)->SetDuracao(horas / 8.0);
    }
    for (const auto& [a, d] : m.alocacoes) {
        p->Atividade(a)->SetDesenvolvedor(d >= 0 ? pool.at(d) : nullptr);
    }
}

QByteArray SaidaTexto(const TSimuladorProjeto& sim, const TReceptorLista& receptor) {
    QString saida;
    for (const auto& [texto, dia] : receptor.mensagens) {
        saida += FormataLinhaMensagem(texto, dia) + QLatin1Char('\n');
    }
    const TProjetoSoftware* p = sim.Projeto();
    const QString dias = QString::number(p->Tempo(), 'f', 0);
    const QString custo = QString::number(p->Custo(), 'f', 2);
    saida +=
        p->Concluido()
            ? QStringLiteral("Result: concluded in %1 days, cost %2\n").arg(dias, custo)
            : QStringLiteral("Result: not concluded after %1 days, cost %2\n").arg(dias, custo);
    return saida.toUtf8();
}

QByteArray SaidaJson(const TSimuladorProjeto& sim, const TReceptorLista& receptor) {
    const TProjetoSoftware* p = sim.Projeto();
    QJsonArray mensagens;
    for (const auto& [texto, dia] : receptor.mensagens) {
        mensagens.append(QJsonObject{{"day", dia}, {"text", texto}});
    }
    QJsonArray atividades;
    for (const TAtividade* a : p->Atividades()) {
        atividades.append(QJsonObject{{"name", a->Nome()},
                                      {"executed", a->TempoExecutado()},
                                      {"duration", a->Duracao()},
                                      {"errors", a->Erros()},
                                      {"found", a->ErrosEncontrados()},
                                      {"percent", a->Percentual()}});
    }
    QJsonArray desenvolvedores;
    for (const TDesenvolvedor* d : sim.Desenvolvedores()) {
        desenvolvedores.append(QJsonObject{{"name", d->Nome()},
                                           {"hours", d->HorasTrabalho()},
                                           {"exhaustion", d->Exaustao()},
                                           {"exhausted", d->Exausto()},
                                           {"days_in_project", d->TempoProjeto()}});
    }
    const QJsonObject resultado{
        {"concluded", p->Concluido()}, {"days", static_cast<qint64>(p->Tempo())},
        {"cost", p->Custo()},          {"messages", mensagens},
        {"activities", atividades},    {"developers", desenvolvedores}};
    return QJsonDocument(resultado).toJson(QJsonDocument::Indented);
}

// "line L, column C" of a byte offset in the plan.
QString Posicao(const QByteArray& dados, qsizetype deslocamento) {
    deslocamento = qBound<qsizetype>(0, deslocamento, dados.size());
    const QByteArray antes = dados.left(deslocamento);
    const qsizetype linha = antes.count('\n') + 1;
    const qsizetype inicioLinha = antes.lastIndexOf('\n') + 1;
    const qsizetype coluna = QString::fromUtf8(antes.mid(inicioLinha)).size() + 1;
    return QStringLiteral("line %1, column %2").arg(linha).arg(coluna);
}

QString NomePlano(const QString& caminho) {
    return caminho == QLatin1String("-") ? QStringLiteral("standard input") : caminho;
}

QByteArray LePlano(const QString& caminho) {
    QFile arquivo;
    bool aberto = false;
    if (caminho == QLatin1String("-")) {
        aberto = arquivo.open(stdin, QIODevice::ReadOnly);
    } else {
        arquivo.setFileName(caminho);
        aberto = arquivo.open(QIODevice::ReadOnly);
    }
    if (!aberto) {
        throw EPlano{QStringLiteral("cannot read the plan %1: %2")
                         .arg(NomePlano(caminho), arquivo.errorString())};
    }
    QByteArray dados = arquivo.readAll();
    if (arquivo.error() != QFileDevice::NoError) {
        throw EPlano{QStringLiteral("cannot read the plan %1: %2")
                         .arg(NomePlano(caminho), arquivo.errorString())};
    }
    return dados;
}

int Executa(const QString& caminho, bool json) {
    std::optional<TSimuladorProjeto> sim;
    try {
        sim.emplace();
    } catch (const EErroArquivo& e) {
        EscreveErro(QString::fromStdString(e.what()));
        return 1;
    }
    TPlano plano;
    try {
        const QByteArray dados = LePlano(caminho);
        QJsonParseError erro{};
        const QJsonDocument documento = QJsonDocument::fromJson(dados, &erro);
        if (erro.error != QJsonParseError::NoError) {
            // The parser stops one character past the one it could not take,
            // except for trailing garbage, where it points at the garbage itself.
            const qsizetype onde =
                erro.error == QJsonParseError::GarbageAtEnd ? erro.offset : erro.offset - 1;
            throw EPlano{QStringLiteral("%1: malformed JSON at %2: %3")
                             .arg(NomePlano(caminho), Posicao(dados, onde), erro.errorString())};
        }
        plano = TLeitorPlano(*sim).Le(documento);
    } catch (const EPlano& e) {
        EscreveErro(e.mensagem);
        return 2;
    }

    TReceptorLista receptor;
    TProjetoSoftware* p = sim->Projeto();
    Aplica(*sim, plano.inicio);
    qsizetype proximo = 0;
    for (int passos = 0; !p->Concluido() && passos < plano.maximoDias; ++passos) {
        if (proximo < plano.eventos.size() && plano.eventos.at(proximo).dia == passos) {
            Aplica(*sim, plano.eventos.at(proximo));
            ++proximo;
        }
        // A day in which nobody works still passes, as when the player answers Yes.
        sim->AvancarDia(&receptor);
    }
    const QByteArray saida = json ? SaidaJson(*sim, receptor) : SaidaTexto(*sim, receptor);
    std::fwrite(saida.constData(), 1, static_cast<size_t>(saida.size()), stdout);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    // Knows the program's folder, from which an installed runner finds the
    // installed pictures.
    QCoreApplication aplicacao(argc, argv);
    QStringList argumentos;
    for (int i = 1; i < argc; ++i) {
        argumentos.append(QString::fromLocal8Bit(argv[i]));
    }
    if (argumentos == QStringList{QStringLiteral("--help")}) {
        std::fputs(Ajuda, stdout);
        return 0;
    }
    bool json = false;
    if (!argumentos.isEmpty() && argumentos.first() == QLatin1String("--json")) {
        json = true;
        argumentos.removeFirst();
    }
    if (argumentos.size() != 1 ||
        (argumentos.first().startsWith(QLatin1Char('-')) && argumentos.first() != "-")) {
        EscreveErro(QString::fromLatin1(Uso));
        return 2;
    }
    return Executa(argumentos.first(), json);
}
