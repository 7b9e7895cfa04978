// Picture controls: Image (shows a picture that its canvas draws on and keeps) and
// PaintBox (a surface its OnPaint handler draws on at each repaint).
#pragma once

#include <QImage>
#include <memory>

#include "forms/Canvas.h"
#include "forms/Control.h"

namespace forms {

// Shows its picture at the top-left corner (or stretched to the control). The canvas
// draws into the picture; on first use without a picture it makes a white picture of
// the control's size. What is drawn stays until drawn over or replaced. A drag that
// starts on it stays with it: the moves and the release outside it come to its mouse
// handlers, in its client coordinates.
class Image : public Control<QWidget> {
 public:
  explicit Image(QWidget* parent);
  ~Image() override;

  Canvas& canvas();
  // Replaces the picture (a copy of it, converted to 32-bit RGB).
  void loadPicture(const QImage& picture);
  const QImage& picture() const { return picture_; }
  void setStretch(bool on);
  bool stretch() const { return stretch_; }
  void setTransparent(bool on);

 protected:
  void paintEvent(QPaintEvent* e) override;

 private:
  QImage picture_;
  std::unique_ptr<Canvas> canvas_;
  bool stretch_ = false;
  bool transparent_ = false;
};

// A surface for OnPaint. Its canvas draws into a picture of the control's size that is
// shown after OnPaint; drawing outside OnPaint shows at once and lasts until drawn over.
class PaintBox : public Control<QWidget> {
 public:
  explicit PaintBox(QWidget* parent);
  ~PaintBox() override;

  Canvas& canvas();
  NotifyEvent OnPaint;

 protected:
  void paintEvent(QPaintEvent* e) override;

 private:
  void fitSurface();
  QImage surface_;
  std::unique_ptr<Canvas> canvas_;
  bool painting_ = false;
};

}  // namespace forms
