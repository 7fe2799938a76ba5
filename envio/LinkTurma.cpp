#include "LinkTurma.h"

#include <QRegularExpression>

namespace {

// The server takes codes of letters and digits only; what else a code may
// be is the server's to say (it answers an unknown one 404).
const QRegularExpression CaminhoTurma(QStringLiteral("^/classes/([A-Za-z0-9]{1,32})/?$"));

const QString Exemplo = QStringLiteral("http://HOST:PORT/classes/CODE/");

} // namespace

QString TLinkTurma::Texto() const {
    return Base.toString(QUrl::FullyEncoded) + QStringLiteral("/classes/") + Codigo +
           QLatin1Char('/');
}

QUrl TLinkTurma::UrlTurma() const {
    QUrl url = Base;
    url.setPath(QStringLiteral("/api/v1/classes/") + Codigo);
    return url;
}

QUrl TLinkTurma::UrlRegistros() const {
    QUrl url = Base;
    url.setPath(QStringLiteral("/api/v1/classes/") + Codigo + QStringLiteral("/records"));
    return url;
}

std::optional<TLinkTurma> TLinkTurma::Le(const QString& texto, QString& motivo) {
    const QString limpo = texto.trimmed();
    if (limpo.isEmpty()) {
        motivo = QStringLiteral("no class link: the teacher gives one like ") + Exemplo;
        return std::nullopt;
    }
    const QUrl url(limpo, QUrl::StrictMode);
    const QString esquema = url.scheme().toLower();
    if (!url.isValid() || (esquema != QLatin1String("http") && esquema != QLatin1String("https")) ||
        url.host().isEmpty()) {
        motivo = QStringLiteral("not a class link: it looks like ") + Exemplo;
        return std::nullopt;
    }
    if (!url.userInfo().isEmpty() || url.hasQuery() || url.hasFragment()) {
        motivo = QStringLiteral("not a class link: it has more than ") + Exemplo;
        return std::nullopt;
    }
    const QRegularExpressionMatch m = CaminhoTurma.match(url.path());
    if (!m.hasMatch()) {
        motivo = QStringLiteral("not a class link: its path is not /classes/CODE/");
        return std::nullopt;
    }
    TLinkTurma link;
    link.Base.setScheme(esquema);
    link.Base.setHost(url.host());
    link.Base.setPort(url.port());
    link.Codigo = m.captured(1).toUpper();
    return link;
}

QString LinhaUnica(const QString& texto, int maximo) {
    QString linha;
    linha.reserve(texto.size());
    for (const QChar c : texto) {
        const bool controle =
            c.category() == QChar::Other_Control || c.category() == QChar::Separator_Line ||
            c.category() == QChar::Separator_Paragraph || c.category() == QChar::Other_Format;
        linha += controle ? QChar(u' ') : c;
    }
    linha = linha.simplified();
    if (linha.size() > maximo) {
        qsizetype corte = maximo - 1;
        if (corte > 0 && linha.at(corte - 1).isHighSurrogate()) {
            --corte; // never half a character
        }
        linha = linha.left(corte).trimmed() + QChar(0x2026);
    }
    return linha;
}
