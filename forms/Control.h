// The common part of every control: placement in client coordinates, the Visible and
// Enabled flags as the program set them, colour and font as the form writes them, and the
// mouse events.
//
// Control<QtWidget> is a Qt widget with these additions; each control of the kit derives
// from it. Colour and font follow the parent until the program sets them on the control
// (as "parent colour" and "parent font" do), and read back as set: a control coloured
// clBtnFace reads clBtnFace, a font set to "MS Sans Serif" reads "MS Sans Serif".
#pragma once

#include <QFont>
#include <QMouseEvent>
#include <QPalette>
#include <QString>
#include <QWidget>

class QPainter;

#include "forms/Application.h"
#include "forms/Color.h"
#include "forms/Events.h"

namespace forms {

// Where client coordinate (0, 0) of parent lies in its widget coordinates: below the menu
// bar of a Form that has one, else (0, 0).
QPoint clientOrigin(const QWidget* parent);

// The Qt family of a form's font name: "MS Sans Serif", "Arial" and the like map to
// Liberation Sans, "Times New Roman" to Liberation Serif, "Courier New" to Liberation
// Mono, "System" and "@System" to Liberation Serif (so they look visibly different from
// the sans-serif default); other names are used as they are.
QString fontFamilyFor(const QString& fontName);

// Pixels of a font of the given point size at 96 dots per inch (8 pt = 11 px), and back.
int pointsToPixels(int points);
int pixelsToPoints(int pixels);

// The colour and font state shared by the controls; the template below forwards to these.
namespace detail {
void setColor(QWidget* w, QPalette::ColorRole role, TColor color, bool fill);
TColor color(const QWidget* w);
void setFontColor(QWidget* w, TColor color);
TColor fontColor(const QWidget* w);
QString fontName(const QWidget* w);
void markFontName(QWidget* w, const QString& name);
// A one-pixel frame on r: light top and left edges and dark bottom and right ones when
// raised, the other way round when sunken.
void drawBevel(QPainter& p, const QRect& r, bool raised);
ShiftState shiftOf(const QMouseEvent* e);
MouseButton buttonOf(const QMouseEvent* e);
}  // namespace detail

template <class QtWidget>
class Control : public QtWidget {
 public:
  explicit Control(QWidget* parent) : QtWidget(parent) { this->setMouseTracking(true); }

  // Placement in the parent's client coordinates.
  void setBounds(int left, int top, int width, int height) {
    this->setGeometry(
        QRect(QPoint(left, top) + clientOrigin(this->parentWidget()), QSize(width, height)));
  }
  int left() const { return this->x() - clientOrigin(this->parentWidget()).x(); }
  int top() const { return this->y() - clientOrigin(this->parentWidget()).y(); }
  void setLeft(int left) { setBounds(left, top(), this->width(), this->height()); }
  void setTop(int top) { setBounds(left(), top, this->width(), this->height()); }
  void setWidth(int width) { this->resize(width, this->height()); }
  void setHeight(int height) { this->resize(this->width(), height); }

  // Visible and Enabled as the program set them, also while a parent is hidden or
  // disabled. Set them with Qt's setVisible / show / hide and setEnabled.
  bool visible() const { return !this->isHidden(); }
  bool enabled() const { return !this->testAttribute(Qt::WA_ForceDisabled); }

  // The control's colour; until set, the parent's.
  void setColor(TColor color) { detail::setColor(this, colorRole_, color, fillsBackground_); }
  TColor color() const { return detail::color(this); }

  // The font; each attribute follows the parent's until set.
  void setFontName(const QString& name) {
    ownFont_.setFamily(fontFamilyFor(name));
    detail::markFontName(this, name);
    this->setFont(ownFont_);
  }
  QString fontName() const { return detail::fontName(this); }
  // Size in points (at 96 dpi) or, as the form's negative font heights say, in pixels.
  void setFontSize(int points) { setFontHeight(pointsToPixels(points)); }
  int fontSize() const { return pixelsToPoints(fontHeight()); }
  void setFontHeight(int pixels) {
    ownFont_.setPixelSize(pixels);
    this->setFont(ownFont_);
  }
  int fontHeight() const { return this->font().pixelSize(); }
  void setFontBold(bool bold) {
    ownFont_.setBold(bold);
    this->setFont(ownFont_);
  }
  bool fontBold() const { return this->font().bold(); }
  void setFontColor(TColor color) { detail::setFontColor(this, color); }
  TColor fontColor() const { return detail::fontColor(this); }

  // Kept for the form's sake; Qt paints every widget double-buffered anyway.
  void setDoubleBuffered(bool on) { doubleBuffered_ = on; }
  bool doubleBuffered() const { return doubleBuffered_; }

  // OnClick: left button pressed and released over the control (buttons and menu items
  // also by keyboard). OnDblClick: a double click, before the second OnMouseDown (which
  // carries ssDouble).
  NotifyEvent OnClick;
  NotifyEvent OnDblClick;
  MouseEvent OnMouseDown;
  MouseEvent OnMouseUp;
  MouseMoveEvent OnMouseMove;

 protected:
  // The palette role the control's colour paints (Window for most, Base for text boxes,
  // Button for buttons), and whether setting a colour fills the background.
  QPalette::ColorRole colorRole_ = QPalette::Window;
  bool fillsBackground_ = true;
  // False for controls whose OnClick comes from Qt's clicked signal.
  bool clicksFromMouse_ = true;

  void mousePressEvent(QMouseEvent* e) override {
    QtWidget::mousePressEvent(e);
    e->accept();  // a control's mouse events are its own, never its parent's
    if (e->button() == Qt::LeftButton) pressed_ = true;
    const QPoint p = clientPos(e);
    invokeHandler([&] {
      if (OnMouseDown) OnMouseDown(detail::buttonOf(e), detail::shiftOf(e), p.x(), p.y());
    });
  }
  void mouseReleaseEvent(QMouseEvent* e) override {
    QtWidget::mouseReleaseEvent(e);
    e->accept();
    const QPoint p = clientPos(e);
    const bool click =
        pressed_ && e->button() == Qt::LeftButton && this->rect().contains(e->position().toPoint());
    if (e->button() == Qt::LeftButton) pressed_ = false;
    invokeHandler([&] {
      if (OnMouseUp) OnMouseUp(detail::buttonOf(e), detail::shiftOf(e), p.x(), p.y());
    });
    if (click && clicksFromMouse_) invokeHandler(OnClick);
  }
  void mouseDoubleClickEvent(QMouseEvent* e) override {
    QtWidget::mouseDoubleClickEvent(e);
    e->accept();
    if (e->button() == Qt::LeftButton) {
      pressed_ = true;
      invokeHandler(OnDblClick);
    }
    const QPoint p = clientPos(e);
    invokeHandler([&] {
      if (OnMouseDown)
        OnMouseDown(detail::buttonOf(e), detail::shiftOf(e) | ssDouble, p.x(), p.y());
    });
  }
  void mouseMoveEvent(QMouseEvent* e) override {
    QtWidget::mouseMoveEvent(e);
    e->accept();
    const QPoint p = clientPos(e);
    invokeHandler([&] {
      if (OnMouseMove) OnMouseMove(detail::shiftOf(e), p.x(), p.y());
    });
  }

  // The event's position in the control's client coordinates.
  QPoint clientPos(const QMouseEvent* e) const {
    return e->position().toPoint() - clientOrigin(this);
  }

 private:
  QFont ownFont_;
  bool doubleBuffered_ = false;
  bool pressed_ = false;
};

}  // namespace forms
