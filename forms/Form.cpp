#include "forms/Form.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMenuBar>
#include <QPaintEvent>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <algorithm>
#include <functional>
#include <utility>

#include "forms/Canvas.h"

namespace forms {

namespace {

// A menu bar that tells its form whenever its height may have changed: after items come,
// go or change, and after a font or style change.
class FormMenuBar : public QMenuBar {
 public:
  FormMenuBar(QWidget* form, std::function<void()> changed)
      : QMenuBar(form), changed_(std::move(changed)) {
    setNativeMenuBar(false);  // the menus belong in the window, not in a desktop's panel
  }
  // The form is going: its items' removal must not call back into it.
  void release() { changed_ = nullptr; }

 protected:
  bool event(QEvent* e) override {
    const bool handled = QMenuBar::event(e);
    if (!changed_) return handled;
    switch (e->type()) {
      case QEvent::ActionAdded:
      case QEvent::ActionChanged:
      case QEvent::ActionRemoved:
      case QEvent::FontChange:
      case QEvent::StyleChange:
      case QEvent::LayoutRequest:
        changed_();
        break;
      default:
        break;
    }
    return handled;
  }

 private:
  std::function<void()> changed_;
};

// Shows the form's direct drawings (in client coordinates, below the menu bar) above its
// controls; the mouse goes through to the controls beneath.
class FormSurface : public QWidget {
 public:
  FormSurface(QWidget* form, const QImage& drawing, const int& clientTop)
      : QWidget(form), drawing_(drawing), clientTop_(clientTop) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
  }

 protected:
  void paintEvent(QPaintEvent* e) override {
    QPainter p(this);
    p.setClipRect(e->rect());
    p.drawImage(0, clientTop_, drawing_);
  }

 private:
  const QImage& drawing_;
  const int& clientTop_;
};

}  // namespace

Form::Form(QWidget* parent) : Control<QWidget>(parent) {
  setWindowFlag(Qt::Window);
  setColor(clBtnFace);
  setFontColor(clWindowText);
  setFontName(QStringLiteral("MS Sans Serif"));
  setFontSize(8);
  applyWindowFlags();
}

Form::~Form() {
  if (menuBar_) static_cast<FormMenuBar*>(menuBar_)->release();
}

void Form::setCaption(const QString& caption) {
  setWindowTitle(caption);
  if (publication_) {
    publication_->setTitle(caption);
    return;
  }
  if (caption.isEmpty()) return;
  publication_ = std::make_unique<platform::WindowPublication>(caption);
  QObject::connect(publication_.get(), &platform::WindowPublication::messagePosted, this,
                   [this](uint32_t message, uint64_t wParam, int64_t lParam) {
                     invokeHandler([&] {
                       if (OnMessage) OnMessage(message, wParam, lParam);
                     });
                   });
}

platform::WindowHandle Form::publishedHandle() const {
  return publication_ ? publication_->handle() : platform::WindowHandle{};
}

void Form::setClientSize(int width, int height) {
  sizeIsOuter_ = false;
  applyClientSize(width, height);
}

void Form::applyClientSize(int width, int height) {
  setMinimumSize(0, 0);
  setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  resize(std::max(width, 0), std::max(height, 0) + menuBarHeight());
  if (borderStyle_ != bsSizeable) setFixedSize(size());
}

int Form::clientHeight() const {
  return height() - menuBarHeight();
}

QSize Form::frameExtra() const {
  // One classic frame for every bordered window: 4 px a side and a 19 px caption.
  if (borderStyle_ == bsNone) return {0, 0};
  return {2 * 4, 2 * 4 + 19};
}

void Form::setOuterSize(int width, int height) {
  sizeIsOuter_ = true;
  const QSize extra = frameExtra();
  applyClientSize(width - extra.width(), height - extra.height() - menuBarHeight());
}

int Form::outerWidth() const {
  return clientWidth() + frameExtra().width();
}

int Form::outerHeight() const {
  return height() + frameExtra().height();
}

void Form::setBounds(int left, int top, int width, int height) {
  move(left, top);
  setOuterSize(width, height);
}

void Form::centerOnScreen() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return;
  const QRect area = screen->geometry();
  move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
}

void Form::setBorderStyle(BorderStyle style) {
  borderStyle_ = style;
  applyWindowFlags();
}

void Form::setBorderIcons(unsigned icons) {
  borderIcons_ = icons;
  applyWindowFlags();
}

void Form::applyWindowFlags() {
  Qt::WindowFlags flags = Qt::Window;
  if (borderStyle_ == bsNone) {
    flags |= Qt::FramelessWindowHint;
  } else {
    if (borderStyle_ == bsToolWindow) flags = Qt::Tool;
    flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (borderIcons_ & biSystemMenu) flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (borderIcons_ & biMinimize) flags |= Qt::WindowMinimizeButtonHint;
    if ((borderIcons_ & biMaximize) && borderStyle_ == bsSizeable)
      flags |= Qt::WindowMaximizeButtonHint;
  }
  const bool wasShown = !isHidden();
  setWindowFlags(flags);
  if (borderStyle_ == bsSizeable) {
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  } else {
    setFixedSize(size());
  }
  if (wasShown) show();
}

QMenuBar* Form::menuBar() {
  if (!menuBar_) {
    menuBar_ = new FormMenuBar(this, [this] { placeMenuBar(); });
    placeMenuBar();
  }
  return menuBar_;
}

void Form::placeMenuBar() {
  if (!menuBar_ || placingMenuBar_) return;
  placingMenuBar_ = true;
  const int height = menuBar_->sizeHint().height();
  const int delta = height - menuHeight_;
  if (delta != 0) {
    const int client = clientHeight();
    // Controls keep their client positions.
    for (QObject* child : children()) {
      auto* w = qobject_cast<QWidget*>(child);
      if (w && w != menuBar_ && !w->isWindow()) w->move(w->pos() + QPoint(0, delta));
    }
    menuHeight_ = height;
    // An outer size stays as given, so the client area gives way to the bar.
    applyClientSize(width(), sizeIsOuter_ ? client - delta : client);
  }
  menuBar_->setGeometry(0, 0, width(), menuHeight_);
  placingMenuBar_ = false;
}

bool Form::close() {
  if (!isHidden()) return QWidget::close();
  // Qt sends no close event to a hidden window; the handlers must still run.
  QPointer<Form> self(this);
  QCloseEvent e;
  QCoreApplication::sendEvent(this, &e);
  return self && e.isAccepted();
}

void Form::closeEvent(QCloseEvent* e) {
  bool canClose = true;
  // An exception in a close handler refuses the close.
  if (!invokeHandler([&] {
        if (OnCloseQuery) OnCloseQuery(canClose);
      }) ||
      !canClose) {
    e->ignore();
    return;
  }
  CloseAction action = caHide;
  if (!invokeHandler([&] {
        if (OnClose) OnClose(action);
      }) ||
      action == caNone) {
    e->ignore();
    return;
  }
  if (action == caMinimize) {
    e->ignore();
    showMinimized();
    return;
  }
  e->accept();
  if (action == caFree) deleteLater();
  if (mainForm() == this) terminate();
}

void Form::showEvent(QShowEvent* e) {
  placeMenuBar();  // polishing at the first show may change the bar's font
  Control<QWidget>::showEvent(e);
  invokeHandler(OnShow);
}

Canvas& Form::canvas() {
  if (!canvas_) {
    drawing_ = QImage(std::max(clientWidth(), 1), std::max(clientHeight(), 1),
                      QImage::Format_ARGB32_Premultiplied);
    drawing_.fill(Qt::transparent);
    surface_ = new FormSurface(this, drawing_, menuHeight_);
    surface_->setGeometry(rect());
    surface_->show();
    canvas_ = std::make_unique<Canvas>(&drawing_, [this] {
      // Controls made or raised since the last drawing stay beneath it.
      surface_->setGeometry(rect());
      surface_->raise();
      if (isVisible()) surface_->repaint();
    });
  }
  return *canvas_;
}

void Form::hideEvent(QHideEvent* e) {
  if (canvas_) drawing_.fill(Qt::transparent);
  Control<QWidget>::hideEvent(e);
  invokeHandler(OnHide);
}

void Form::resizeEvent(QResizeEvent* e) {
  Control<QWidget>::resizeEvent(e);
  if (canvas_ && (clientWidth() > drawing_.width() || clientHeight() > drawing_.height())) {
    QImage larger(std::max(clientWidth(), drawing_.width()),
                  std::max(clientHeight(), drawing_.height()), drawing_.format());
    larger.fill(Qt::transparent);
    QPainter(&larger).drawImage(0, 0, drawing_);
    drawing_ = larger;  // the canvas keeps drawing into the same object
  }
  if (surface_) surface_->setGeometry(rect());
  placeMenuBar();  // a new width may wrap the bar's titles
}

void Form::paintEvent(QPaintEvent* e) {
  Control<QWidget>::paintEvent(e);
  invokeHandler(OnPaint);
}

}  // namespace forms
