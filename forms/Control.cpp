#include "forms/Control.h"

#include <QPainter>
#include <QVariant>
#include <cmath>

#include "forms/Form.h"

namespace forms {

namespace {

constexpr const char* kColor = "formsColor";
constexpr const char* kFontColor = "formsFontColor";
constexpr const char* kFontName = "formsFontName";
constexpr const char* kOwnPalette = "formsPalette";

// The first value of property name on w or its parents up to the window; fallback if none.
QVariant inherited(const QWidget* w, const char* name) {
  for (const QWidget* p = w; p; p = p->parentWidget()) {
    const QVariant v = p->property(name);
    if (v.isValid()) return v;
    if (p->isWindow()) break;
  }
  return {};
}

bool isTextRole(QPalette::ColorRole role) {
  return role == QPalette::WindowText || role == QPalette::Text || role == QPalette::ButtonText;
}

// The palette roles the control set itself; others keep following the parent. Text of a
// disabled control is always drawn in the system's grey text colour, as the system draws it,
// so that a disabled control looks disabled whatever font colour it has.
void setOwnColor(QWidget* w, std::initializer_list<QPalette::ColorRole> roles, TColor color) {
  QPalette own = w->property(kOwnPalette).value<QPalette>();
  if (!w->property(kOwnPalette).isValid()) own = QPalette();
  for (QPalette::ColorRole role : roles) {
    own.setColor(role, toQColor(color));
    if (isTextRole(role)) own.setColor(QPalette::Disabled, role, toQColor(clGrayText));
  }
  w->setProperty(kOwnPalette, QVariant::fromValue(own));
  w->setPalette(own);
}

// MulDiv-style rounding of a * b / c for positive values.
int scaled(int a, int b, int c) {
  return int(std::lround(double(a) * b / c));
}

}  // namespace

QPoint clientOrigin(const QWidget* parent) {
  if (const auto* form = dynamic_cast<const Form*>(parent)) return {0, form->menuBarHeight()};
  return {0, 0};
}

QString fontFamilyFor(const QString& fontName) {
  const QString name = fontName.toLower();
  if (name == "times new roman") return QStringLiteral("Liberation Serif");
  if (name == "courier new" || name == "courier") return QStringLiteral("Liberation Mono");
  if (name == "system" || name == "@system") return QStringLiteral("Liberation Serif");
  if (name == "ms sans serif" || name == "arial" || name == "tahoma" ||
      name == "microsoft sans serif" || name == "ms shell dlg" || name == "ms shell dlg 2")
    return QStringLiteral("Liberation Sans");
  return fontName;
}

int pointsToPixels(int points) {
  return scaled(points, 96, 72);
}
int pixelsToPoints(int pixels) {
  return scaled(pixels, 72, 96);
}

namespace detail {

void setColor(QWidget* w, QPalette::ColorRole role, TColor color, bool fill) {
  w->setProperty(kColor, QVariant::fromValue(color));
  setOwnColor(w, {role}, color);
  if (fill) w->setAutoFillBackground(true);
  w->update();
}

TColor color(const QWidget* w) {
  const QVariant v = inherited(w, kColor);
  return v.isValid() ? v.value<TColor>() : clBtnFace;
}

void setFontColor(QWidget* w, TColor color) {
  w->setProperty(kFontColor, QVariant::fromValue(color));
  setOwnColor(w, {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}, color);
  w->update();
}

TColor fontColor(const QWidget* w) {
  const QVariant v = inherited(w, kFontColor);
  return v.isValid() ? v.value<TColor>() : clWindowText;
}

QString fontName(const QWidget* w) {
  const QVariant v = inherited(w, kFontName);
  return v.isValid() ? v.toString() : QStringLiteral("MS Sans Serif");
}

void markFontName(QWidget* w, const QString& name) {
  w->setProperty(kFontName, name);
}

void drawBevel(QPainter& p, const QRect& r, bool raised) {
  const QColor light = toQColor(clBtnHighlight);
  const QColor dark = toQColor(clBtnShadow);
  p.setPen(raised ? light : dark);
  p.drawLine(r.topLeft(), r.topRight());
  p.drawLine(r.topLeft(), r.bottomLeft());
  p.setPen(raised ? dark : light);
  p.drawLine(r.bottomLeft(), r.bottomRight());
  p.drawLine(r.topRight(), r.bottomRight());
}

ShiftState shiftOf(const QMouseEvent* e) {
  ShiftState s = 0;
  const Qt::KeyboardModifiers m = e->modifiers();
  if (m & Qt::ShiftModifier) s |= ssShift;
  if (m & Qt::AltModifier) s |= ssAlt;
  if (m & Qt::ControlModifier) s |= ssCtrl;
  const Qt::MouseButtons b = e->buttons();
  if (b & Qt::LeftButton) s |= ssLeft;
  if (b & Qt::RightButton) s |= ssRight;
  if (b & Qt::MiddleButton) s |= ssMiddle;
  return s;
}

MouseButton buttonOf(const QMouseEvent* e) {
  switch (e->button()) {
    case Qt::RightButton:
      return mbRight;
    case Qt::MiddleButton:
      return mbMiddle;
    default:
      return mbLeft;
  }
}

}  // namespace detail

}  // namespace forms
