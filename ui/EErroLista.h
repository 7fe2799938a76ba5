// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <stdexcept>

// An index outside a list: "List index out of bounds (3)".
class EErroLista : public std::out_of_range {
public:
    explicit EErroLista(qsizetype indice)
        : std::out_of_range(
              QStringLiteral("List index out of bounds (%1)").arg(indice).toStdString()) {}
};

// Entry i of lista; throws EErroLista when there is none.
template <class T> T ItemLista(const QList<T>& lista, qsizetype i) {
    if (i < 0 || i >= lista.size()) {
        throw EErroLista(i);
    }
    return lista.at(i);
}
