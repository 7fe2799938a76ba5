#include "TabelaCsv.h"

#include <algorithm>

namespace {

template <typename T> QString Opcional(const std::optional<T>& valor) {
    return valor ? QString::number(*valor) : QString();
}

QByteArray LinhaCsv(const QStringList& campos) {
    QStringList citados;
    for (const QString& campo : campos) {
        citados.append(CampoCsv(campo));
    }
    return citados.join(QLatin1Char(',')).toUtf8() + "\r\n";
}

} // namespace

QString CampoCsv(const QString& campo) {
    static const QString especiais = QStringLiteral(",\"\r\n");
    const bool cita =
        std::any_of(campo.cbegin(), campo.cend(), [](QChar c) { return especiais.contains(c); });
    if (!cita) {
        return campo;
    }
    QString citado = campo;
    citado.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + citado + QLatin1Char('"');
}

QString TextoAlunoCsv(const QString& texto) {
    QString seguro = texto;
    for (QChar& c : seguro) {
        const char16_t u = c.unicode();
        const bool controle = (u < 0x20 && u != u'\t' && u != u'\r' && u != u'\n') ||
                              (u >= 0x7f && u <= 0x9f);
        if (controle) {
            c = QChar::ReplacementCharacter;
        }
    }
    static const QString formula = QStringLiteral("=+-@\t\r");
    if (!seguro.isEmpty() && formula.contains(seguro.front())) {
        seguro.prepend(QLatin1Char('\''));
    }
    return seguro;
}

QStringList CamposLinha(const TLinhaTurma& linha) {
    const QString concluido =
        linha.Concluido ? QString::fromLatin1(*linha.Concluido ? "true" : "false") : QString();
    // QString::number writes in the C locale whatever the user's settings.
    const QString custo = linha.Custo ? QString::number(*linha.Custo, 'f', 2) : QString();
    return {TextoAlunoCsv(linha.Arquivo),
            TextoAlunoCsv(linha.Gerente),
            Opcional(linha.Jogo),
            concluido,
            Opcional(linha.Dias),
            custo,
            NomeConferencia(linha.Conferencia),
            linha.Sha256};
}

QByteArray TabelaCsv(const QList<TLinhaTurma>& linhas) {
    QByteArray tabela = QByteArray(CabecalhoCsv) + "\r\n";
    for (const TLinhaTurma& linha : linhas) {
        tabela += LinhaCsv(CamposLinha(linha));
    }
    return tabela;
}
