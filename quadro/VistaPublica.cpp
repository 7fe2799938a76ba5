#include "VistaPublica.h"

#include <QHash>

QString NomeVistaPublica(EVistaPublica vista) {
    switch (vista) {
    case EVistaPublica::Numeros:
        return QStringLiteral("numbers");
    case EVistaPublica::Iniciais:
        return QStringLiteral("initials");
    case EVistaPublica::Desligada:
        break;
    }
    return QStringLiteral("off");
}

std::optional<EVistaPublica> LeVistaPublica(const QString& nome) {
    for (const EVistaPublica v :
         {EVistaPublica::Desligada, EVistaPublica::Numeros, EVistaPublica::Iniciais}) {
        if (NomeVistaPublica(v) == nome) {
            return v;
        }
    }
    return std::nullopt;
}

QString IniciaisNome(const QString& nome) {
    // Code points, not UTF-16 units: a letter outside the BMP is one letter.
    QList<char32_t> iniciais;
    bool inicioPalavra = true;
    for (const char32_t c : nome.toUcs4()) {
        if (QChar::isSpace(c)) {
            inicioPalavra = true;
        } else if (inicioPalavra && QChar::isLetterOrNumber(c)) {
            iniciais.append(QChar::toUpper(c));
            inicioPalavra = false;
        }
    }
    if (iniciais.isEmpty()) {
        return QStringLiteral("?");
    }
    if (iniciais.size() > 4) {
        iniciais = iniciais.mid(0, 3) << iniciais.constLast();
    }
    QStringList partes;
    for (const char32_t c : iniciais) {
        partes.append(QString::fromUcs4(&c, 1) + u'.');
    }
    return partes.join(u' ');
}

QStringList Pseudonimos(const QList<TRegistroGuardado>& registros, EVistaPublica vista) {
    QHash<QString, QString> porJogador;
    QHash<QString, int> usos;
    QStringList pseudonimos;
    for (const TRegistroGuardado& r : registros) {
        const QString& gerente = r.Linha.Gerente;
        auto achado = porJogador.constFind(gerente);
        if (achado == porJogador.cend()) {
            QString nome;
            if (vista == EVistaPublica::Iniciais) {
                nome = IniciaisNome(gerente);
                const int vez = ++usos[nome];
                if (vez > 1) {
                    nome += QStringLiteral(" (%1)").arg(vez);
                }
            } else {
                nome = QStringLiteral("Player %1").arg(porJogador.size() + 1);
            }
            achado = porJogador.insert(gerente, nome);
        }
        pseudonimos.append(*achado);
    }
    return pseudonimos;
}
