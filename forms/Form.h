// A top-level window of the programs.
//
// Sizes. Controls are placed in the client area, which lies below the menu bar when a
// MainMenu is attached. A window's size is given in one of two ways:
// - setClientSize: the client area itself;
// - setOuterSize (and setWidth, setHeight, setBounds): the size of the whole window as
//   the classic desktop draws it, so client = outer minus a frame of 4 px on each side and
//   a 19 px caption (8 x 27 in all, for every border style but bsNone, which has no frame),
//   minus the menu bar. A 730 x 410 window with a menu bar of height m has a client area of
//   722 x (383 - m).
// The widget itself is the client area plus the menu bar; the window system adds its own
// frame around it.
//
// The menu bar follows its real height: when its items, font or style change, the bar
// is resized, the controls keep their client positions, and the size is kept as it was
// last given (a client size stays the client size; an outer size stays the outer size and
// the client area gives way).
//
// Its caption is the window's title exactly, as the window system shows it; its colour
// and font default to clBtnFace and "MS Sans Serif" 8 pt. While a Form exists it is listed
// in the window directory under its caption (an empty caption lists nothing), so other
// programs find it by title and post messages to it; a caption change republishes it.
// Posted messages arrive through OnMessage.
//
// canvas() draws straight on the window, outside any paint handler: each drawing shows at
// once, over the controls, without a turn of the event loop, and lets the mouse through to
// the controls beneath. It lasts until the window is hidden, which wipes it as a repaint of
// the whole window would.
//
// Closing (close(), the title bar's close button, Alt+F4) asks OnCloseQuery, then lets
// OnClose choose what happens: caHide (the default) hides the form, caFree hides it and
// deletes it at the next turn of the event loop, caNone keeps it open, caMinimize
// minimises it. Closing a hidden form runs the same handlers. When the main form
// (setMainForm) closes, the event loop ends.
#pragma once

#include <QImage>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>

#include "forms/Control.h"
#include "platform/WindowDirectory.h"

class QMenuBar;

namespace forms {

class Canvas;

enum BorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow };
enum BorderIcon : unsigned { biSystemMenu = 1, biMinimize = 2, biMaximize = 4 };
enum CloseAction { caNone, caHide, caFree, caMinimize };

class Form : public Control<QWidget> {
 public:
  explicit Form(QWidget* parent = nullptr);
  ~Form() override;

  void setCaption(const QString& caption);
  QString caption() const { return windowTitle(); }

  // Client area size (below the menu bar).
  void setClientSize(int width, int height);
  int clientWidth() const { return width(); }
  int clientHeight() const;
  // Outer size as the form writes Width and Height: the client size plus the classic
  // frame and the menu bar (see above).
  void setOuterSize(int width, int height);
  int outerWidth() const;
  int outerHeight() const;
  void setWidth(int width) { setOuterSize(width, outerHeight()); }
  void setHeight(int height) { setOuterSize(outerWidth(), height); }

  // Position of the window on the screen.
  void setLeft(int left) { move(left, y()); }
  void setTop(int top) { move(x(), top); }
  int left() const { return x(); }
  int top() const { return y(); }
  // Position and outer size.
  void setBounds(int left, int top, int width, int height);
  // Centres the window on the primary screen.
  void centerOnScreen();

  // Border: bsNone has no frame and no title bar; bsSingle and bsDialog cannot be
  // resized; bsSizeable can. Border icons choose the title bar's buttons (a close button
  // comes with biSystemMenu).
  void setBorderStyle(BorderStyle style);
  BorderStyle borderStyle() const { return borderStyle_; }
  void setBorderIcons(unsigned icons);
  unsigned borderIcons() const { return borderIcons_; }

  // Closes as described above, also when the form is hidden; false when refused.
  bool close();

  // The window's own canvas, in client coordinates (see above).
  Canvas& canvas();

  // Where this window is listed for other programs.
  platform::WindowHandle publishedHandle() const;

  std::function<void(bool& canClose)> OnCloseQuery;
  std::function<void(CloseAction& action)> OnClose;
  NotifyEvent OnShow;
  NotifyEvent OnHide;
  NotifyEvent OnPaint;
  std::function<void(uint32_t message, uint64_t wParam, int64_t lParam)> OnMessage;

  // The form's menu bar, made on the first call (MainMenu fills it); the client area
  // starts below it.
  QMenuBar* menuBar();
  int menuBarHeight() const { return menuHeight_; }

 protected:
  void closeEvent(QCloseEvent* e) override;
  void showEvent(QShowEvent* e) override;
  void hideEvent(QHideEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;
  void paintEvent(QPaintEvent* e) override;

 private:
  void applyWindowFlags();
  QSize frameExtra() const;
  void applyClientSize(int width, int height);
  // Gives the bar its current height and the full width, moving the controls with it.
  void placeMenuBar();

  std::unique_ptr<platform::WindowPublication> publication_;
  QWidget* surface_ = nullptr;  // shows the canvas's drawings over the controls
  QImage drawing_;
  std::unique_ptr<Canvas> canvas_;
  BorderStyle borderStyle_ = bsSizeable;
  unsigned borderIcons_ = biSystemMenu | biMinimize | biMaximize;
  QMenuBar* menuBar_ = nullptr;
  int menuHeight_ = 0;
  bool sizeIsOuter_ = false;  // how the size was last given
  bool placingMenuBar_ = false;
};

}  // namespace forms
