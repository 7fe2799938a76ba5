#include "SessaoQuadro.h"

#include <QByteArray>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <array>

namespace {

std::string Atributos(const QString& codigo, bool seguro) {
    return "; Path=" + CaminhoTurma(codigo).toStdString() + "; HttpOnly; SameSite=Strict" +
           (seguro ? "; Secure" : "");
}

QString Minusculas(const std::string& texto) {
    return QString::fromStdString(texto).trimmed().toLower();
}

} // namespace

QString NovaSessao() {
    std::array<quint32, 8> bits{};
    QRandomGenerator::system()->fillRange(bits.data(), bits.size());
    const QByteArray bytes(reinterpret_cast<const char*>(bits.data()),
                           static_cast<qsizetype>(sizeof(bits)));
    return QString::fromLatin1(
        bytes.toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals));
}

QString CaminhoTurma(const QString& codigo) {
    return QStringLiteral("/classes/") + codigo + u'/';
}

std::string CookieSessao(const QString& codigo, const QString& sessao, bool seguro) {
    return std::string(NomeCookieSessao) + '=' + sessao.toStdString() +
           "; Max-Age=" + std::to_string(DuracaoSessaoSegundos) + Atributos(codigo, seguro);
}

std::string CookieRemovido(const QString& codigo, bool seguro) {
    return std::string(NomeCookieSessao) + "=; Max-Age=0" + Atributos(codigo, seguro);
}

QString SessaoDoCookie(const std::string& cookies) {
    static const QRegularExpression forma(QStringLiteral("^[A-Za-z0-9_-]{43}$"));
    const QString prefixo = QLatin1String(NomeCookieSessao) + u'=';
    for (const QString& parte : QString::fromStdString(cookies).split(u';')) {
        const QString cookie = parte.trimmed();
        if (cookie.startsWith(prefixo)) {
            const QString valor = cookie.mid(prefixo.size());
            if (forma.match(valor).hasMatch()) {
                return valor;
            }
        }
    }
    return {};
}

bool MesmaOrigem(const std::string& origem, const std::string& referencia,
                 const std::string& host, bool tls) {
    const QString nome = Minusculas(host);
    if (nome.isEmpty()) {
        return false;
    }
    const QString propria = (tls ? QStringLiteral("https://") : QStringLiteral("http://")) + nome;
    const QString deOrigem = Minusculas(origem);
    if (!deOrigem.isEmpty()) {
        return deOrigem == propria;
    }
    const QString pagina = Minusculas(referencia);
    return pagina.startsWith(propria) &&
           (pagina.size() == propria.size() || pagina.at(propria.size()) == u'/');
}
