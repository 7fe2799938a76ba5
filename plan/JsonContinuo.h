#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QJsonObject>
#include <QJsonValue>
#include <QString>
#include <functional>

// A JSON object written out piece by piece, byte for byte as
// QJsonDocument(object).toJson(QJsonDocument::Indented) would write it
// whole, so that a list of any length goes out as its elements are made and
// is never held in memory.
//
// QJsonObject keeps its keys in order, and so does its text: members must be
// given in increasing key order (Membros' own keys, then each list's key
// after them).
class TObjetoJsonContinuo {
public:
    using TDestino = std::function<void(QByteArrayView texto)>;

    // Every piece of text goes to destino, in order; the object is opened at once.
    explicit TObjetoJsonContinuo(TDestino destino);

    // Members with whole values, in their key order.
    void Membros(const QJsonObject& membros);
    // A member whose value is a list: opened here, one element at a time
    // with Elemento, closed with FechaLista.
    void AbreLista(const QString& chave);
    void Elemento(const QJsonValue& valor);
    void FechaLista();
    // Closes the object, ending its text as a document's ends.
    void Fecha();

    // The text of valor written at nivel levels of indentation (its first
    // line not indented, as after a member's key), without a line break at
    // its end.
    static QByteArray TextoValor(const QJsonValue& valor, int nivel);

private:
    void AbreMembro(const QString& chave);

    TDestino FDestino;
    bool FComMembros = false;
    bool FComElementos = false;
};
