// The face of the main screen's name lines.
//
// A name line is 70 x 10 pixels and shows its text centred and drawn from the top; its
// widest texts are "64  WWWWWW", "  GR ** CH **" and "1,999.975MHZ". The form's own face
// at the line's 11 points would cut every one of them at the sides and the bottom, so the
// line uses a condensed face of 9 pixels, which shows each of them whole with a pixel of
// green all round. Where that face is not installed, the form's face at 8 pixels does the
// same, only smaller.
#pragma once

#include <QFontDatabase>
#include <QString>

namespace vondrix {

struct NameLineFace {
  QString fontName;
  int pixels;
};

inline NameLineFace NameLineFaceFor(bool condensedInstalled) {
  if (condensedInstalled) return {"DejaVu Sans Condensed", 9};
  return {"MS Sans Serif", 8};
}

// The face for this machine's fonts.
inline NameLineFace NameLineFaceHere() {
  return NameLineFaceFor(QFontDatabase::hasFamily("DejaVu Sans Condensed"));
}

}  // namespace vondrix
