// Screen metrics, the pointer, and finding the control under a point, computed from Qt's
// screens and widget geometry.
#pragma once

#include <QPoint>
#include <QString>

class QWidget;

namespace forms {

// Size of the primary screen in pixels.
int screenWidth();
int screenHeight();

// The pointer's position in screen coordinates (tests move it with QCursor::setPos).
QPoint cursorPos();
// A screen point in the client coordinates of widget (below a Form's menu bar).
QPoint screenToClient(const QWidget* widget, QPoint screenPoint);

// The direct child control of parent whose rectangle holds the client point, topmost
// first (the one created last); parent itself when none does, nullptr when the point is
// outside parent. Only controls with a window of their own count (not Label, Shape, Pie,
// Image, PaintBox, nor the menu bar). skipDisabled leaves out children disabled by the
// program; skipInvisible leaves out hidden ones (hidden children count otherwise).
QWidget* childWindowFromPoint(QWidget* parent, QPoint clientPoint, bool skipDisabled,
                              bool skipInvisible);

// The window text of a control: the caption of a Form, Panel, Button, GroupBox,
// StaticText or RadioButton, the text of an Edit; "" for others.
QString windowText(const QWidget* widget);

}  // namespace forms
