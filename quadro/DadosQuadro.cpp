#include "DadosQuadro.h"

#include "SessaoQuadro.h"

#include <QHostAddress>
#include <QJsonArray>
#include <QNetworkInterface>

namespace {

QJsonValue Jogo(const TLinhaTurma& l) {
    return l.Jogo ? QJsonValue(*l.Jogo) : QJsonValue(QJsonValue::Null);
}

// The fields every view shows.
QJsonObject Resultado(const TRegistroGuardado& r) {
    const TLinhaTurma& l = r.Linha;
    return {{"game", Jogo(l)},
            {"concluded", l.Concluido.value_or(false)},
            {"days", l.Dias.value_or(0)},
            {"cost", l.Custo.value_or(0.0)},
            {"check", NomeConferencia(l.Conferencia)},
            {"uploaded", r.Enviado}};
}

QJsonObject LinhaQuadro(const TRegistroGuardado& r) {
    QJsonObject o = Resultado(r);
    o.insert("id", r.Id);
    o.insert("manager", r.Linha.Gerente);
    o.insert("note", r.Linha.Nota);
    o.insert("sha256", r.Linha.Sha256);
    return o;
}

bool DestaMaquina(const QString& nome) {
    if (nome.compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0) {
        return true;
    }
    const QHostAddress endereco(nome);
    return !endereco.isNull() && endereco.isLoopback();
}

// This machine's first IPv4 address on a network (not the loopback one).
QString EnderecoNaRede() {
    for (const QHostAddress& a : QNetworkInterface::allAddresses()) {
        if (a.protocol() == QAbstractSocket::IPv4Protocol && !a.isLoopback() &&
            !a.isLinkLocal()) {
            return a.toString();
        }
    }
    return {};
}

} // namespace

TLinkTurma LinkTurma(const QString& codigo, const QString& host, bool tls,
                     const QString& enderecoEscuta) {
    // Host is "name", "name:port", "[v6]" or "[v6]:port".
    QString nome = host;
    QString porta;
    const qsizetype fimColchete = host.lastIndexOf(u']');
    const qsizetype doisPontos = host.lastIndexOf(u':');
    if (doisPontos > fimColchete && (fimColchete >= 0 || host.count(u':') == 1)) {
        nome = host.left(doisPontos);
        porta = host.mid(doisPontos);
    }
    const QString semColchetes =
        nome.startsWith(u'[') && nome.endsWith(u']') ? nome.mid(1, nome.size() - 2) : nome;
    TLinkTurma link;
    if (DestaMaquina(semColchetes)) {
        const QHostAddress escuta(enderecoEscuta);
        if (escuta == QHostAddress::AnyIPv4 || escuta == QHostAddress::AnyIPv6) {
            const QString rede = EnderecoNaRede();
            if (!rede.isEmpty()) {
                nome = rede;
            }
        } else if (escuta.isLoopback()) {
            link.Aviso = QStringLiteral(
                "This server listens on this computer only: students cannot reach it. Start "
                "it with --listen 0.0.0.0:8737 to serve the room.");
        }
    }
    link.Link = (tls ? QStringLiteral("https://") : QStringLiteral("http://")) + nome + porta +
                CaminhoTurma(codigo);
    return link;
}

QJsonObject JsonQuadro(const TTurma& turma, const QList<TRegistroGuardado>& registros,
                       const TLinkTurma& link, const QString& versao) {
    QJsonArray linhas;
    for (const TRegistroGuardado& r : registros) {
        linhas.append(LinhaQuadro(r));
    }
    return {{"class", QJsonObject{{"code", turma.Codigo},
                                  {"name", turma.Nome},
                                  {"link", link.Link},
                                  {"link_warning", link.Aviso}}},
            {"public_view", turma.VistaPublica},
            {"version", versao},
            {"records", linhas}};
}

QJsonObject JsonPublico(const TTurma& turma, const QList<TRegistroGuardado>& registros,
                        EVistaPublica vista, const TLinkTurma& link, const QString& versao) {
    const QStringList pseudonimos = Pseudonimos(registros, vista);
    QJsonArray linhas;
    for (qsizetype i = 0; i < registros.size(); ++i) {
        QJsonObject o = Resultado(registros.at(i));
        o.insert("id", i + 1);
        o.insert("player", pseudonimos.at(i));
        linhas.append(o);
    }
    return {{"class", QJsonObject{{"name", turma.Nome}, {"link", link.Link}}},
            {"version", versao},
            {"records", linhas}};
}

QJsonObject JsonJogo(const TRegistroGuardado& registro, const QStringList& graficos) {
    QJsonObject o = LinhaQuadro(registro);
    o.insert("started", registro.Iniciado);
    QJsonArray lista;
    for (const QString& nome : graficos) {
        lista.append(QJsonObject{{"name", nome}, {"file", ArquivoGrafico(nome)}});
    }
    o.insert("charts", lista);
    return o;
}

QString ArquivoGrafico(const QString& nome) {
    return nome.toLower().replace(u' ', u'-') + QStringLiteral(".svg");
}

QString VersaoDe(const QList<TRegistroGuardado>& registros) {
    qint64 maior = 0;
    for (const TRegistroGuardado& r : registros) {
        maior = std::max(maior, r.Id);
    }
    return QString::number(registros.size()) + u'.' + QString::number(maior);
}
