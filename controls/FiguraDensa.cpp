// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/FiguraDensa.h"

#include "controls/Cores.h"
#include "figuras/LocalizacaoImagens.h"

#include <QFile>
#include <QHash>
#include <QPaintDevice>
#include <QPixmap>
#include <cmath>

namespace {

// Variants already read (a null picture for one that is missing or unreadable),
// by file, ratio and transparent colour. Read on the GUI thread only.
QHash<QString, QImage> VariantesLidas;

QImage LeVariante(const QString& arquivo, qreal razao, std::optional<QRgb> transparente) {
    const QString caminho = ArquivoDenso(arquivo, razao);
    const QString chave = caminho + QLatin1Char('|') +
                          (transparente ? QString::number(*transparente, 16) : QString());
    const auto lida = VariantesLidas.constFind(chave);
    if (lida != VariantesLidas.constEnd()) {
        return lida.value();
    }
    QImage variante;
    if (QFile::exists(caminho) && variante.load(caminho)) {
        if (transparente) {
            variante = ComCorTransparente(variante, *transparente);
        }
        variante.setDevicePixelRatio(razao);
    }
    VariantesLidas.insert(chave, variante);
    return variante;
}

// A variant drawn for another picture than base (a 1x picture replaced by
// hand) would show another figure: it must have base's size times its ratio.
bool Serve(const QImage& variante, const QImage& base, qreal razao) {
    return !variante.isNull() && variante.width() == int(std::ceil(base.width() * razao - 1e-9)) &&
           variante.height() == int(std::ceil(base.height() * razao - 1e-9));
}

} // namespace

QString ArquivoDenso(const QString& arquivo, qreal razao) {
    const int barra = int(arquivo.lastIndexOf(QLatin1Char('/')));
    int ponto = int(arquivo.lastIndexOf(QLatin1Char('.')));
    if (ponto <= barra) {
        ponto = int(arquivo.size());
    }
    QString denso = arquivo;
    return denso.insert(ponto, QLatin1Char('@') + QString::number(razao) + QLatin1Char('x'));
}

qreal RazaoPixels(const QPainter& canvas) {
    // The device's own ratio is not enough: a widget rendered into a denser
    // picture (QWidget::render) paints on a painter whose device is still the
    // widget. The painter's transform past the world's holds the true scale.
    const double mundo = std::abs(canvas.worldTransform().determinant());
    const double total = std::abs(canvas.combinedTransform().determinant());
    if (mundo > 0 && std::isfinite(total / mundo)) {
        const qreal razao = std::sqrt(total / mundo);
        // Floating point must not turn a plain screen into a dense one.
        return razao < 1.0 + 1e-6 ? 1.0 : razao;
    }
    const QPaintDevice* dispositivo = canvas.device();
    return dispositivo ? dispositivo->devicePixelRatioF() : 1.0;
}

QImage FiguraParaRazao(const QImage& base, const QString& arquivo, qreal razao,
                       std::optional<QRgb> transparente) {
    if (razao <= 1.0 || base.isNull() || arquivo.isEmpty()) {
        return base;
    }
    // The nearest ratio at or above the device's first, then the other.
    const qreal preferida = razao <= RazoesDensas[0] ? RazoesDensas[0] : RazoesDensas[1];
    for (const qreal r :
         {preferida, preferida == RazoesDensas[0] ? RazoesDensas[1] : RazoesDensas[0]}) {
        const QImage variante = LeVariante(arquivo, r, transparente);
        if (Serve(variante, base, r)) {
            return variante;
        }
    }
    return base;
}

void DesenhaFigura(QPainter& canvas, const QRect& alvo, const QImage& base, const QString& arquivo,
                   std::optional<QRgb> transparente) {
    const QImage figura = FiguraParaRazao(base, arquivo, RazaoPixels(canvas), transparente);
    if (figura.devicePixelRatio() == 1.0) {
        if (alvo.size() == base.size()) {
            canvas.drawImage(alvo.topLeft(), base);
        } else {
            canvas.drawImage(alvo, base);
        }
        return;
    }
    canvas.save();
    canvas.setRenderHint(QPainter::SmoothPixmapTransform);
    canvas.drawImage(QRectF(alvo), figura);
    canvas.restore();
}

void AdicionaVariantes(QIcon& icone, const QImage& base, const QString& arquivo,
                       std::optional<QRgb> transparente) {
    for (const qreal r : RazoesDensas) {
        const QImage variante = LeVariante(arquivo, r, transparente);
        if (Serve(variante, base, r)) {
            icone.addPixmap(QPixmap::fromImage(variante));
        }
    }
}

QString ArquivoRetrato(const QString& nome, bool grande) {
    return LocalizaImagem((grande ? QStringLiteral("imagens/Big") : QStringLiteral("imagens/Sml")) +
                          nome + QStringLiteral(".bmp"));
}

void DesenhaRetrato(QPainter& canvas, const QRect& alvo, const QImage& base, const QString& nome,
                    bool grande) {
    DesenhaFigura(canvas, alvo, base,
                  RazaoPixels(canvas) > 1.0 ? ArquivoRetrato(nome, grande) : QString());
}
