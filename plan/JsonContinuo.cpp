#include "JsonContinuo.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace {

// Qt indents each level by four spaces.
QByteArray Recuo(int nivel) {
    return QByteArray(4 * nivel, ' ');
}

} // namespace

TObjetoJsonContinuo::TObjetoJsonContinuo(TDestino destino) : FDestino(std::move(destino)) {
    FDestino("{\n");
}

QByteArray TObjetoJsonContinuo::TextoValor(const QJsonValue& valor, int nivel) {
    if (!valor.isObject() && !valor.isArray()) {
        // A document holds no bare value: a one-element list does, and its
        // compact text is the value's own between the brackets.
        const QByteArray lista = QJsonDocument(QJsonArray{valor}).toJson(QJsonDocument::Compact);
        return lista.sliced(1, lista.size() - 2);
    }
    QByteArray texto = valor.isObject()
                           ? QJsonDocument(valor.toObject()).toJson(QJsonDocument::Indented)
                           : QJsonDocument(valor.toArray()).toJson(QJsonDocument::Indented);
    texto.chop(1); // the document's last line break
    // Written alone, its lines sit at level 0: each line after the first
    // moves down by nivel levels. Line breaks inside strings are escapes.
    const QByteArray recuo = '\n' + Recuo(nivel);
    if (nivel > 0) {
        texto.replace('\n', recuo);
    }
    return texto;
}

void TObjetoJsonContinuo::AbreMembro(const QString& chave) {
    if (FComMembros) {
        FDestino(",\n");
    }
    FComMembros = true;
    FDestino(Recuo(1) + TextoValor(chave, 0) + ": ");
}

void TObjetoJsonContinuo::Membros(const QJsonObject& membros) {
    for (auto it = membros.begin(); it != membros.end(); ++it) {
        AbreMembro(it.key());
        FDestino(TextoValor(it.value(), 1));
    }
}

void TObjetoJsonContinuo::AbreLista(const QString& chave) {
    AbreMembro(chave);
    FDestino("[\n");
    FComElementos = false;
}

void TObjetoJsonContinuo::Elemento(const QJsonValue& valor) {
    FDestino((FComElementos ? ",\n" : "") + Recuo(2) + TextoValor(valor, 2));
    FComElementos = true;
}

void TObjetoJsonContinuo::FechaLista() {
    FDestino((FComElementos ? "\n" : "") + Recuo(1) + ']');
}

void TObjetoJsonContinuo::Fecha() {
    FDestino(FComMembros ? "\n}\n" : "}\n");
}
