#include "ChavesTurma.h"

#include <QCryptographicHash>
#include <QRandomGenerator>

#include <array>
#include <cstring>

QString NovoCodigoTurma() {
    constexpr quint32 letras = sizeof(AlfabetoCodigo) - 1;
    QString codigo;
    for (int i = 0; i < TamanhoCodigo; ++i) {
        codigo += QLatin1Char(AlfabetoCodigo[QRandomGenerator::system()->bounded(letras)]);
    }
    return codigo;
}

QString NormalizaCodigoTurma(const QString& codigo) {
    if (codigo.size() != TamanhoCodigo) {
        return {};
    }
    const QString maiusculas = codigo.toUpper();
    for (const QChar c : maiusculas) {
        if (c.unicode() > 0x7f || !std::strchr(AlfabetoCodigo, c.toLatin1())) {
            return {};
        }
    }
    return maiusculas;
}

QString NovaChaveProfessor() {
    std::array<quint32, 6> bits{};
    QRandomGenerator::system()->fillRange(bits.data(), bits.size());
    const QByteArray bytes(reinterpret_cast<const char*>(bits.data()),
                           static_cast<qsizetype>(sizeof(bits)));
    return QString::fromLatin1(
        bytes.toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals));
}

QString DigestoChave(const QString& chave) {
    return QString::fromLatin1(
        QCryptographicHash::hash(chave.toUtf8(), QCryptographicHash::Sha256).toHex());
}

bool ChaveConfere(const QString& chave, const QString& digesto) {
    const QByteArray dado = DigestoChave(chave).toLatin1();
    const QByteArray guardado = digesto.toLatin1();
    // Both digests have the same length whatever the key; a stored digest of
    // another length never matches, and is read through all the same.
    unsigned diferenca = dado.size() == guardado.size() ? 0u : 1u;
    for (qsizetype i = 0; i < dado.size(); ++i) {
        const char g = i < guardado.size() ? guardado.at(i) : '\0';
        diferenca |= static_cast<unsigned char>(dado.at(i) ^ g);
    }
    return diferenca == 0;
}
