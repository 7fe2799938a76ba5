// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/PainelDesenho.h"
#include "model/mReceptorMensagens.h"

#include <QStringList>

// The game's message log: lime lines on black, each stamped with its day, the
// newest at the bottom. Keeps the last 50 lines.
class TPainelMensagens : public TPainelDesenhoVertical, public TReceptorMensagens {
    Q_OBJECT
public:
    static constexpr int MaximoMensagens = 50;

    explicit TPainelMensagens(QWidget* parent);

    void AdicionaMensagem(const QString& texto, double dia) override;
    void LimpaMensagens();

    const QStringList& Mensagens() const { return FMensagens; }

signals:
    // Every line as it is added, also those the panel later lets go.
    void MensagemAdicionada(const QString& linha);

protected:
    void DesenhaConteudo(QPainter& canvas, int deslocamento) override;

private:
    void AtualizaAltura();

    QStringList FMensagens;
};
