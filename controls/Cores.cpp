// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/Cores.h"

#include <QGuiApplication>
#include <QPalette>
#include <iterator>

namespace {

struct TPapelSistema {
    QPalette::ColorGroup Grupo;
    QPalette::ColorRole Papel;
};

// Palette entry of each system colour index, in index order.
constexpr TPapelSistema PapeisSistema[] = {
    {QPalette::Active, QPalette::Button},          // scroll bar
    {QPalette::Active, QPalette::Dark},            // desktop
    {QPalette::Active, QPalette::Highlight},       // active caption
    {QPalette::Inactive, QPalette::Mid},           // inactive caption
    {QPalette::Active, QPalette::Window},          // menu
    {QPalette::Active, QPalette::Base},            // window
    {QPalette::Active, QPalette::Shadow},          // window frame
    {QPalette::Active, QPalette::WindowText},      // menu text
    {QPalette::Active, QPalette::Text},            // window text
    {QPalette::Active, QPalette::HighlightedText}, // caption text
    {QPalette::Active, QPalette::Window},          // active border
    {QPalette::Inactive, QPalette::Window},        // inactive border
    {QPalette::Active, QPalette::Mid},             // application workspace
    {QPalette::Active, QPalette::Highlight},       // highlight
    {QPalette::Active, QPalette::HighlightedText}, // highlight text
    {QPalette::Active, QPalette::Button},          // button face
    {QPalette::Active, QPalette::Dark},            // button shadow
    {QPalette::Disabled, QPalette::Text},          // grey text
    {QPalette::Active, QPalette::ButtonText},      // button text
    {QPalette::Inactive, QPalette::WindowText},    // inactive caption text
    {QPalette::Active, QPalette::Light},           // button highlight
    {QPalette::Active, QPalette::Shadow},          // 3D dark shadow
    {QPalette::Active, QPalette::Midlight},        // 3D light
    {QPalette::Active, QPalette::ToolTipText},     // tooltip text
    {QPalette::Active, QPalette::ToolTipBase},     // tooltip background
};

} // namespace

QColor ColorToRGB(TColor cor) {
    if (cor & clSystemColor) {
        const unsigned indice = cor & 0xFF;
        if (indice >= std::size(PapeisSistema)) {
            return QColor(0, 0, 0);
        }
        const TPapelSistema& p = PapeisSistema[indice];
        const QColor c = QGuiApplication::palette().color(p.Grupo, p.Papel);
        return QColor(c.red(), c.green(), c.blue());
    }
    return QColor(int(cor & 0xFF), int((cor >> 8) & 0xFF), int((cor >> 16) & 0xFF));
}

TColor CorDeQColor(const QColor& cor) {
    return CorRGB(quint8(cor.red()), quint8(cor.green()), quint8(cor.blue()));
}

QImage ComCorTransparente(const QImage& imagem, QRgb transparente) {
    if (imagem.isNull()) {
        return QImage();
    }
    QImage resultado = imagem.convertToFormat(QImage::Format_ARGB32);
    const QRgb chave = transparente & RGB_MASK;
    for (int y = 0; y < resultado.height(); ++y) {
        auto* linha = reinterpret_cast<QRgb*>(resultado.scanLine(y));
        for (int x = 0; x < resultado.width(); ++x) {
            if ((linha[x] & RGB_MASK) == chave) {
                linha[x] = 0;
            }
        }
    }
    return resultado;
}
