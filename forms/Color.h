// Colours as the forms write them.
//
// A TColor is either a 24-bit colour number with red in the lowest byte, then green, then
// blue (0x00BBGGRR), or a system colour: 0x80000000 plus the index of one of the classic
// system colours (clBtnFace = 0x8000000F). System colours resolve to the classic default
// palette, so the programs look the same on every desktop theme.
#pragma once

#include <QColor>
#include <cstdint>

namespace forms {

using TColor = std::uint32_t;

// Builds a colour number from its three components.
constexpr TColor rgb(int red, int green, int blue) {
  return TColor(red & 0xFF) | TColor(green & 0xFF) << 8 | TColor(blue & 0xFF) << 16;
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
inline constexpr TColor clLtGray = 0xC0C0C0;
inline constexpr TColor clDkGray = 0x808080;

// System colours by index (the classic system colour numbers).
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
inline constexpr TColor clHotLight = clSystemColor | 26;
inline constexpr TColor clGradientActiveCaption = clSystemColor | 27;
inline constexpr TColor clGradientInactiveCaption = clSystemColor | 28;

// True for a system colour (high bit set).
constexpr bool isSystemColor(TColor c) {
  return (c & clSystemColor) != 0;
}

// The colour number a colour stands for: a system colour is looked up in the classic
// palette (an unknown index gives black); a colour number is returned as it is, without
// its unused top byte.
TColor colorToRgb(TColor c);

// The Qt colour of c (system colours resolved as by colorToRgb).
QColor toQColor(TColor c);

// The colour number of a Qt colour (its alpha is dropped).
TColor fromQColor(const QColor& c);

}  // namespace forms
