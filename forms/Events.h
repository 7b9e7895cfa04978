// Event handler types and the small enumerations the controls share.
//
// Handlers are std::function members named like the form's events (OnClick, OnMouseMove,
// ...); an empty one does nothing. The kit calls every handler through invokeHandler
// (Application.h), so an exception in a handler is shown and the program goes on.
#pragma once

#include <functional>

namespace forms {

enum MouseButton { mbLeft, mbRight, mbMiddle };

// Keys and buttons held during a mouse event; ssDouble marks the second press of a
// double click.
enum ShiftFlag : unsigned {
  ssShift = 1,
  ssAlt = 2,
  ssCtrl = 4,
  ssLeft = 8,
  ssRight = 16,
  ssMiddle = 32,
  ssDouble = 64,
};
using ShiftState = unsigned;

enum TAlignment { taLeftJustify, taRightJustify, taCenter };

using NotifyEvent = std::function<void()>;
// Mouse position in the control's client coordinates.
using MouseEvent = std::function<void(MouseButton button, ShiftState shift, int x, int y)>;
using MouseMoveEvent = std::function<void(ShiftState shift, int x, int y)>;
// The typed character; setting it to 0 discards it, setting another character types that.
using KeyPressEvent = std::function<void(char16_t& key)>;

}  // namespace forms
