// Push buttons: Button (a caption) and BitBtn (a caption and a glyph picture).
//
// OnClick runs on a mouse click and on the keyboard's activation of the button, and when
// the program calls click().
#pragma once

#include <QImage>
#include <QPushButton>
#include <QString>

#include "forms/Control.h"

namespace forms {

class Button : public Control<QPushButton> {
 public:
  explicit Button(QWidget* parent);

  void setCaption(const QString& caption) { setText(caption); }
  QString caption() const { return text(); }
};

// A button with a glyph. A glyph from a bitmap takes the colour of its bottom-left pixel
// as transparent, as button glyphs do.
class BitBtn : public Button {
 public:
  explicit BitBtn(QWidget* parent);

  // Loads the glyph from a BMP (or any image) file. A missing or unreadable file throws
  // std::runtime_error ("Cannot open file \"<path>\"") and leaves the glyph as it was.
  void loadGlyph(const QString& path);
  // Sets the glyph from a picture (a null picture removes it).
  void setGlyph(const QImage& picture);
  void clearGlyph() { setGlyph(QImage()); }
  // The glyph as set (a null image when there is none).
  const QImage& glyph() const { return glyph_; }

 private:
  QImage glyph_;
};

// Reads a picture file; a missing or unreadable file throws std::runtime_error
// ("Cannot open file \"<path>\"").
QImage loadBitmapFile(const QString& path);

}  // namespace forms
