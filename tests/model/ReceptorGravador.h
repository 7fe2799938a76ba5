// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Test helpers shared by the model tests: a message sink that keeps what it
// receives, and a tolerance comparison for reals.

#include "model/mReceptorMensagens.h"

#include <QList>
#include <QString>
#include <QtTest>
#include <cmath>

struct TMensagemGravada {
    QString texto;
    double dia;
};

class TReceptorGravador : public TReceptorMensagens {
public:
    void AdicionaMensagem(const QString& texto, double dia) override {
        mensagens.append({texto, dia});
    }
    // Lines as the message panel shows them.
    QStringList Linhas() const {
        QStringList linhas;
        for (const TMensagemGravada& m : mensagens) {
            linhas.append(FormataLinhaMensagem(m.texto, m.dia));
        }
        return linhas;
    }
    // Messages whose text is texto.
    QList<double> Dias(const QString& texto) const {
        QList<double> dias;
        for (const TMensagemGravada& m : mensagens) {
            if (m.texto == texto) {
                dias.append(m.dia);
            }
        }
        return dias;
    }
    QList<TMensagemGravada> mensagens;
};

inline QString Citada(const QString& nome) {
    return QLatin1Char('"') + nome + QLatin1Char('"');
}
inline QString MsgIniciada(const QString& nome) {
    return QStringLiteral("The ") + Citada(nome) + QStringLiteral(" activity has just started");
}
inline QString MsgConcluida(const QString& nome) {
    return QStringLiteral("The ") + Citada(nome) + QStringLiteral(" activity was accomplished");
}
inline QString MsgEncontrados(const QString& nome, int n) {
    return QStringLiteral("The ") + Citada(nome) +
           QStringLiteral(" activity has found and corrected %1 error(s)").arg(n);
}
inline QString MsgQualidade(const QString& nome) {
    return QStringLiteral("Error detection in the ") + Citada(nome) +
           QStringLiteral(" activity suffices the desired quality level");
}

// Compares two reals within an absolute tolerance, naming both on failure.
#define COMPARA_REAL(atual, esperado, tolerancia)                                                  \
    do {                                                                                           \
        const double a_ = (atual);                                                                 \
        const double e_ = (esperado);                                                              \
        QVERIFY2(std::abs(a_ - e_) <= (tolerancia),                                                \
                 qPrintable(QStringLiteral("%1 is %2, expected %3")                                \
                                .arg(QStringLiteral(#atual))                                       \
                                .arg(a_, 0, 'g', 17)                                               \
                                .arg(e_, 0, 'g', 17)));                                            \
    } while (false)
