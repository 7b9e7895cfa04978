// A panel: a raised box with a caption, the container of run-time built control groups.
//
// The caption is drawn in the panel (centred unless aligned otherwise) and is also its
// window text, which the main screen's hit test reads back. Default colour clBtnFace.
#pragma once

#include <QString>

#include "forms/Control.h"

namespace forms {

enum BevelCut { bvNone, bvLowered, bvRaised };

class Panel : public Control<QWidget> {
 public:
  explicit Panel(QWidget* parent);

  void setCaption(const QString& caption);
  QString caption() const { return caption_; }
  void setAlignment(TAlignment alignment);
  TAlignment alignment() const { return alignment_; }
  // The outer bevel (raised by default).
  void setBevelOuter(BevelCut bevel);
  BevelCut bevelOuter() const { return bevel_; }

 protected:
  void paintEvent(QPaintEvent* e) override;

 private:
  QString caption_;
  TAlignment alignment_ = taCenter;
  BevelCut bevel_ = bvRaised;
};

}  // namespace forms
