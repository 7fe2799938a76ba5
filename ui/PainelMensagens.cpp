// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/PainelMensagens.h"

#include "controls/Cores.h"

#include <QFontMetrics>
#include <QPainter>

TPainelMensagens::TPainelMensagens(QWidget* parent) : TPainelDesenhoVertical(parent) {
    SetEstiloBotoes(2);
    CriaControles();
}

void TPainelMensagens::AdicionaMensagem(const QString& texto, double dia) {
    while (FMensagens.size() >= MaximoMensagens) {
        FMensagens.removeFirst();
    }
    FMensagens.append(FormataLinhaMensagem(texto, dia));
    AtualizaAltura();
    RolaParaFim();
    emit MensagemAdicionada(FMensagens.last());
}

void TPainelMensagens::LimpaMensagens() {
    FMensagens.clear();
    AtualizaAltura();
    RolaParaFim();
}

// Every line is one text height of the drawing area's font.
void TPainelMensagens::AtualizaAltura() {
    const int alturaLinha = QFontMetrics(AreaDesenho()->font()).height();
    SetAlturaConteudo(2 + int(FMensagens.size()) * alturaLinha);
}

void TPainelMensagens::DesenhaConteudo(QPainter& canvas, int deslocamento) {
    const TAreaDesenho* area = AreaDesenho();
    canvas.fillRect(0, 0, area->width(), area->height(), Qt::black);
    canvas.setPen(CorLima);
    const QFontMetrics medidas(canvas.font());
    const int alturaLinha = medidas.height();
    int y = 2 - deslocamento;
    for (const QString& linha : FMensagens) {
        if (y + alturaLinha > 0 && y < area->height()) {
            canvas.drawText(1, y + medidas.ascent(), linha);
        }
        y += alturaLinha;
    }
}
