#include "forms/Color.h"

#include <array>

namespace forms {

namespace {

// The classic default scheme, indexed like the system colours.
constexpr std::array<TColor, 29> kClassicPalette = {
    rgb(192, 192, 192),  // scroll bar
    rgb(0, 128, 128),    // desktop
    rgb(0, 0, 128),      // active caption
    rgb(128, 128, 128),  // inactive caption
    rgb(192, 192, 192),  // menu
    rgb(255, 255, 255),  // window
    rgb(0, 0, 0),        // window frame
    rgb(0, 0, 0),        // menu text
    rgb(0, 0, 0),        // window text
    rgb(255, 255, 255),  // caption text
    rgb(192, 192, 192),  // active border
    rgb(192, 192, 192),  // inactive border
    rgb(128, 128, 128),  // application workspace
    rgb(0, 0, 128),      // highlight
    rgb(255, 255, 255),  // highlight text
    rgb(192, 192, 192),  // button face
    rgb(128, 128, 128),  // button shadow
    rgb(128, 128, 128),  // grey text
    rgb(0, 0, 0),        // button text
    rgb(192, 192, 192),  // inactive caption text
    rgb(255, 255, 255),  // button highlight
    rgb(64, 64, 64),     // 3D dark shadow (not black: curves in it are drawn on black plots)
    rgb(223, 223, 223),  // 3D light
    rgb(0, 0, 0),        // tooltip text
    rgb(255, 255, 225),  // tooltip background
    rgb(0, 0, 0),        // (no colour of its own)
    rgb(0, 0, 128),      // hot-tracked item
    rgb(166, 202, 240),  // gradient of the active caption
    rgb(192, 192, 192),  // gradient of the inactive caption
};

}  // namespace

TColor colorToRgb(TColor c) {
  if (!isSystemColor(c)) return c & 0xFFFFFF;
  const TColor index = c & 0xFF;
  return index < kClassicPalette.size() ? kClassicPalette[index] : clBlack;
}

QColor toQColor(TColor c) {
  const TColor v = colorToRgb(c);
  return QColor(int(v & 0xFF), int(v >> 8 & 0xFF), int(v >> 16 & 0xFF));
}

TColor fromQColor(const QColor& c) {
  return rgb(c.red(), c.green(), c.blue());
}

}  // namespace forms
