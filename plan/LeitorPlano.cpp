#include "LeitorPlano.h"

#include "TextoEscapado.h"
#include "model/mAtividade.h"
#include "model/mDesenvolvedor.h"
#include "model/mProjeto.h"
#include "model/mSimulador.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cmath>

namespace {

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

QJsonObject Objeto(const QJsonValue& valor, const QString& onde) {
    if (!valor.isObject()) {
        throw EPlano{onde + QStringLiteral(" must be an object, not ") + DescreveJson(valor)};
    }
    return valor.toObject();
}

int Inteiro(const QJsonValue& valor, const QString& onde, int minimo, int maximo) {
    if (!valor.isDouble() || valor.toDouble() != std::floor(valor.toDouble())) {
        throw EPlano{onde + QStringLiteral(" must be a whole number, not ") + DescreveJson(valor)};
    }
    const double x = valor.toDouble();
    if (x < minimo || x > maximo) {
        throw EPlano{onde + QStringLiteral(" is %1, out of range %2 to %3")
                                .arg(DescreveJson(valor), QString::number(minimo),
                                     QString::number(maximo))};
    }
    return static_cast<int>(x);
}

// Entries in position order, whatever the order of the keys in the text.
void OrdenaPorPosicao(QList<std::pair<int, int>>& entradas) {
    std::sort(entradas.begin(), entradas.end());
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
            if (it.key() == QLatin1String("meta")) {
                plano.Meta = Objeto(it.value(), QStringLiteral("\"meta\""));
            } else if (it.key() == QLatin1String("result")) {
                plano.Resultado = LeResultado(it.value());
            } else {
                LeChave(it.key(), it.value(), plano.Inicio, QString());
            }
        }
        if (raiz.contains(QLatin1String("max_days"))) {
            plano.MaximoDias = Inteiro(raiz.value(QLatin1String("max_days")),
                                       QStringLiteral("\"max_days\""), 0, TPlano::LimiteDias);
        }
        if (raiz.contains(QLatin1String("events"))) {
            LeEventos(raiz.value(QLatin1String("events")), plano);
        }
        VerificaEquipes(plano);
        return plano;
    }

private:
    static TResultadoPlano LeResultado(const QJsonValue& valor) {
        const QString onde = QStringLiteral("\"result\"");
        const QJsonObject objeto = Objeto(valor, onde);
        for (auto it = objeto.begin(); it != objeto.end(); ++it) {
            if (it.key() != QLatin1String("concluded") && it.key() != QLatin1String("days") &&
                it.key() != QLatin1String("cost")) {
                throw EPlano{onde + QStringLiteral(": unknown key ") + Citado(it.key())};
            }
        }
        for (const char* chave : {"concluded", "days", "cost"}) {
            if (!objeto.contains(QLatin1String(chave))) {
                throw EPlano{onde + QStringLiteral(" has no \"%1\"").arg(QLatin1String(chave))};
            }
        }
        TResultadoPlano resultado;
        const QJsonValue concluido = objeto.value(QLatin1String("concluded"));
        if (!concluido.isBool()) {
            throw EPlano{onde + QStringLiteral(": \"concluded\" must be true or false, not ") +
                         DescreveJson(concluido)};
        }
        resultado.Concluido = concluido.toBool();
        resultado.Dias = Inteiro(objeto.value(QLatin1String("days")),
                                 onde + QStringLiteral(": \"days\""), 0, TPlano::LimiteDias);
        const QJsonValue custo = objeto.value(QLatin1String("cost"));
        if (!custo.isDouble()) {
            throw EPlano{onde + QStringLiteral(": \"cost\" must be a number, not ") +
                         DescreveJson(custo)};
        }
        resultado.Custo = custo.toDouble();
        return resultado;
    }

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
            TMudancasPlano mudancas;
            mudancas.Dia = Inteiro(objeto.value(QLatin1String("day")),
                                   onde + QStringLiteral(": \"day\""), 1, TPlano::LimiteDias);
            if (mudancas.Dia <= anterior) {
                throw EPlano{QStringLiteral("events out of order: the event for day %1 comes "
                                            "after the one for day %2")
                                 .arg(QString::number(mudancas.Dia), QString::number(anterior))};
            }
            anterior = mudancas.Dia;
            const QString contexto = QStringLiteral("event for day %1: ").arg(mudancas.Dia);
            for (auto it = objeto.begin(); it != objeto.end(); ++it) {
                if (it.key() != QLatin1String("day")) {
                    LeChave(it.key(), it.value(), mudancas, contexto);
                }
            }
            plano.Eventos.append(mudancas);
        }
    }

    void LeChave(const QString& chave, const QJsonValue& valor, TMudancasPlano& m,
                 const QString& contexto) {
        if (chave == QLatin1String("team")) {
            m.Equipe = LeEquipe(valor, contexto);
        } else if (chave == QLatin1String("hours")) {
            LeHoras(valor, m, contexto);
        } else if (chave == QLatin1String("inspection_hours")) {
            LeInspecoes(valor, m, contexto);
        } else if (chave == QLatin1String("assign")) {
            LeAlocacoes(valor, m, contexto);
        } else {
            throw EPlano{contexto + QStringLiteral("unknown key ") + Citado(chave)};
        }
    }

    // A developer may be listed more than once, as the window's "R" makes it.
    QList<int> LeEquipe(const QJsonValue& valor, const QString& contexto) const {
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
            equipe.append(Desenvolvedor(nome.toString(), onde));
        }
        return equipe;
    }

    void LeHoras(const QJsonValue& valor, TMudancasPlano& m, const QString& contexto) const {
        const QString onde = contexto + QStringLiteral("\"hours\"");
        const QJsonObject objeto = Objeto(valor, onde);
        for (auto it = objeto.begin(); it != objeto.end(); ++it) {
            m.Horas.append({Desenvolvedor(it.key(), onde),
                            Inteiro(it.value(), onde + QStringLiteral(" of ") + Citado(it.key()),
                                    TPlano::MinimoHoras, TPlano::MaximoHoras)});
        }
        OrdenaPorPosicao(m.Horas);
    }

    void LeInspecoes(const QJsonValue& valor, TMudancasPlano& m, const QString& contexto) const {
        const QString onde = contexto + QStringLiteral("\"inspection_hours\"");
        const QJsonObject objeto = Objeto(valor, onde);
        QList<int> vistas;
        for (auto it = objeto.begin(); it != objeto.end(); ++it) {
            const int a = Atividade(it.key(), onde, vistas);
            if (FSim.Projeto()->Atividade(a)->Tipo() != TipoInspecao) {
                throw EPlano{onde + QStringLiteral(": activity %1 (%2) is not an inspection")
                                        .arg(QString::number(a + 1), NomeAtividade(a))};
            }
            m.Inspecoes.append({a, Inteiro(it.value(), onde + QStringLiteral(" of ") +
                                                           Citado(it.key()),
                                           0, TPlano::MaximoHorasInspecao)});
        }
        OrdenaPorPosicao(m.Inspecoes);
    }

    void LeAlocacoes(const QJsonValue& valor, TMudancasPlano& m, const QString& contexto) const {
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
            m.Alocacoes.append({a, d});
        }
        OrdenaPorPosicao(m.Alocacoes);
    }

    // Assignments may only name developers who are in the team at that moment.
    void VerificaEquipes(const TPlano& plano) const {
        QList<int> equipe;
        const auto verifica = [&](const TMudancasPlano& m, const QString& contexto) {
            if (m.Equipe) {
                equipe = *m.Equipe;
            }
            for (const auto& [a, d] : m.Alocacoes) {
                if (d >= 0 && !equipe.contains(d)) {
                    throw EPlano{contexto + QStringLiteral("\"assign\" of activity %1 (%2): %3 is "
                                                           "not in the team at that moment")
                                                .arg(QString::number(a + 1), NomeAtividade(a),
                                                     Citado(FSim.Desenvolvedores().at(d)->Nome()))};
                }
            }
        };
        verifica(plano.Inicio, QString());
        for (const TMudancasPlano& m : plano.Eventos) {
            verifica(m, QStringLiteral("event for day %1: ").arg(m.Dia));
        }
    }

    QString NomeAtividade(int a) const { return Citado(FSim.Projeto()->Atividade(a)->Nome()); }

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
                                    .arg(QString::number(achada + 1), NomeAtividade(achada))};
        }
        vistas.append(achada);
        return achada;
    }

    const TSimuladorProjeto& FSim;
};

// "line L, column C" of a byte offset in the plan.
QString Posicao(const QByteArray& dados, qsizetype deslocamento) {
    deslocamento = qBound<qsizetype>(0, deslocamento, dados.size());
    const QByteArray antes = dados.left(deslocamento);
    const qsizetype linha = antes.count('\n') + 1;
    const qsizetype inicioLinha = antes.lastIndexOf('\n') + 1;
    const qsizetype coluna = QString::fromUtf8(antes.mid(inicioLinha)).size() + 1;
    return QStringLiteral("line %1, column %2").arg(QString::number(linha), QString::number(coluna));
}

} // namespace

TPlano LePlano(const QByteArray& dados, const QString& origem, const TSimuladorProjeto& sim) {
    QJsonParseError erro{};
    const QJsonDocument documento = QJsonDocument::fromJson(dados, &erro);
    if (erro.error != QJsonParseError::NoError) {
        // The parser stops one character past the one it could not take,
        // except for trailing garbage, where it points at the garbage itself.
        const qsizetype onde =
            erro.error == QJsonParseError::GarbageAtEnd ? erro.offset : erro.offset - 1;
        throw EPlano{QStringLiteral("%1: malformed JSON at %2: %3")
                         .arg(EscapaControles(origem), Posicao(dados, onde), erro.errorString())};
    }
    return TLeitorPlano(sim).Le(documento);
}

QString NomeArquivoPlano(const QString& caminho) {
    return caminho == QLatin1String("-") ? QStringLiteral("standard input")
                                         : EscapaControles(caminho);
}

QByteArray LeArquivoPlano(const QString& caminho) {
    QFile arquivo;
    bool aberto = false;
    if (caminho == QLatin1String("-")) {
        aberto = arquivo.open(stdin, QIODevice::ReadOnly);
    } else {
        arquivo.setFileName(caminho);
        aberto = arquivo.open(QIODevice::ReadOnly);
    }
    const auto falha = [&] {
        return EPlano{QStringLiteral("cannot read the plan %1: %2")
                          .arg(NomeArquivoPlano(caminho), EscapaControles(arquivo.errorString()))};
    };
    if (!aberto) {
        throw falha();
    }
    // In pieces, and never past the limit: standard input may be endless
    // (/dev/zero, a program that never stops writing), and so may a device
    // or a pipe named as the plan.
    constexpr qint64 Pedaco = 64 * 1024;
    QByteArray dados;
    for (;;) {
        const qsizetype antes = dados.size();
        dados.resize(antes + Pedaco);
        const qint64 lidos = arquivo.read(dados.data() + antes, Pedaco);
        dados.resize(antes + std::max<qint64>(lidos, 0));
        if (lidos < 0 || arquivo.error() != QFileDevice::NoError) {
            throw falha();
        }
        if (dados.size() > TamanhoMaximoPlano) {
            throw EPlano{QStringLiteral("the plan %1 is larger than %2 MiB")
                             .arg(NomeArquivoPlano(caminho),
                                  QString::number(TamanhoMaximoPlano / (1024 * 1024)))};
        }
        if (lidos == 0) {
            return dados;
        }
    }
}
