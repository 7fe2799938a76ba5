// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QImage>
#include <QtGlobal>

// A colour as the forms store it: $00BBGGRR (255 is red, $FF0000 blue), or a
// system colour role: the high bit set and the role's index in the low byte.
using TColor = quint32;

// Builds a $00BBGGRR value from its three channels.
constexpr TColor CorRGB(quint8 r, quint8 g, quint8 b) {
    return TColor(r) | (TColor(g) << 8) | (TColor(b) << 16);
}

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clMaroon = 0x000080;
inline constexpr TColor clGreen = 0x008000;
inline constexpr TColor clOlive = 0x008080;
inline constexpr TColor clNavy = 0x800000;
inline constexpr TColor clPurple = 0x800080;
inline constexpr TColor clTeal = 0x808000;
inline constexpr TColor clGray = 0x808080;
inline constexpr TColor clSilver = 0xC0C0C0;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clLime = 0x00FF00;
inline constexpr TColor clYellow = 0x00FFFF;
inline constexpr TColor clBlue = 0xFF0000;
inline constexpr TColor clFuchsia = 0xFF00FF;
inline constexpr TColor clAqua = 0xFFFF00;
inline constexpr TColor clWhite = 0xFFFFFF;

// The game's named colours, as its widgets paint them. A widget names the part
// it paints after one of these (const QColor& CorSetor = CorLima;) rather than
// writing the value again.
inline const QColor CorPreta(0, 0, 0);         // clBlack
inline const QColor CorBranca(255, 255, 255);  // clWhite
inline const QColor CorLima(0, 255, 0);        // clLime
inline const QColor CorAmarela(255, 255, 0);   // clYellow
inline const QColor CorAqua(0, 255, 255);      // clAqua
inline const QColor CorAzul(0, 0, 255);        // clBlue
inline const QColor CorPrata(192, 192, 192);   // clSilver
inline const QColor CorCinza(128, 128, 128);   // clGray
inline const QColor CorFundoValor(63, 63, 63); // 4144959
inline const QColor CorFundoNome(60, 60, 60);  // 3947580

// System colour roles.
inline constexpr TColor clSystemColor = 0x80000000;
inline constexpr TColor clScrollBar = clSystemColor | 0;
inline constexpr TColor clBackground = clSystemColor | 1;
inline constexpr TColor clActiveCaption = clSystemColor | 2;
inline constexpr TColor clInactiveCaption = clSystemColor | 3;
inline constexpr TColor clMenu = clSystemColor | 4;
inline constexpr TColor clWindow = clSystemColor | 5;
inline constexpr TColor clWindowFrame = clSystemColor | 6;
inline constexpr TColor clMenuText = clSystemColor | 7;
inline constexpr TColor clWindowText = clSystemColor | 8;
inline constexpr TColor clCaptionText = clSystemColor | 9;
inline constexpr TColor clActiveBorder = clSystemColor | 10;
inline constexpr TColor clInactiveBorder = clSystemColor | 11;
inline constexpr TColor clAppWorkSpace = clSystemColor | 12;
inline constexpr TColor clHighlight = clSystemColor | 13;
inline constexpr TColor clHighlightText = clSystemColor | 14;
inline constexpr TColor clBtnFace = clSystemColor | 15;
inline constexpr TColor clBtnShadow = clSystemColor | 16;
inline constexpr TColor clGrayText = clSystemColor | 17;
inline constexpr TColor clBtnText = clSystemColor | 18;
inline constexpr TColor clInactiveCaptionText = clSystemColor | 19;
inline constexpr TColor clBtnHighlight = clSystemColor | 20;
inline constexpr TColor cl3DDkShadow = clSystemColor | 21;
inline constexpr TColor cl3DLight = clSystemColor | 22;
inline constexpr TColor clInfoText = clSystemColor | 23;
inline constexpr TColor clInfoBk = clSystemColor | 24;

// The RGB a colour stands for: a system role is looked up in the application
// palette; any other value keeps its low three bytes.
QColor ColorToRGB(TColor cor);

// The $00BBGGRR value of an RGB colour (alpha ignored).
TColor CorDeQColor(const QColor& cor);

// A 32-bit copy of imagem in which every pixel of colour transparente (alpha
// ignored) is fully transparent; a null image stays null.
QImage ComCorTransparente(const QImage& imagem, QRgb transparente);
