// Text controls: Label (a caption drawn on its parent) and StaticText (a caption in a box
// of its own, optionally bevelled).
#pragma once

#include <QLabel>
#include <QString>

#include "forms/Control.h"

namespace forms {

// A caption. It takes its parent's colour until given one; a transparent label never
// paints a background. With auto-size on (the default) the label's size follows its text:
// width and height of the text in the label's font, left and top kept. The text is drawn
// from the label's top whatever its height: a font taller than the label shows the top
// of its glyphs, cut off at the bottom.
class Label : public Control<QLabel> {
 public:
  explicit Label(QWidget* parent);

  void setCaption(const QString& caption);
  QString caption() const { return text(); }
  void setAlignment(TAlignment alignment);
  TAlignment alignment() const { return alignment_; }
  void setAutoSize(bool on);
  bool autoSize() const { return autoSize_; }
  void setTransparent(bool on);
  bool transparent() const { return transparent_; }
  // Texts wider than the label continue on the next line.
  void setWordWrap(bool on);

 protected:
  void changeEvent(QEvent* e) override;
  void fitText();

 private:
  TAlignment alignment_ = taLeftJustify;
  bool autoSize_ = true;
  bool transparent_ = false;
};

enum BevelKind { bkNone, bkTile, bkSoft, bkFlat };
enum StaticBorderStyle { sbsNone, sbsSingle, sbsSunken };

// A caption in a window of its own: it paints its background in its colour (default the
// parent's) and may carry a border or a bevel. No auto-size unless switched on.
class StaticText : public Label {
 public:
  explicit StaticText(QWidget* parent);

  void setBevelKind(BevelKind kind);
  BevelKind bevelKind() const { return bevelKind_; }
  void setBorderStyle(StaticBorderStyle style);
  StaticBorderStyle borderStyle() const { return borderStyle_; }

 protected:
  void paintEvent(QPaintEvent* e) override;

 private:
  BevelKind bevelKind_ = bkNone;
  StaticBorderStyle borderStyle_ = sbsNone;
};

}  // namespace forms
