#include "forms/Form.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMenuBar>
#include <QPainter>
#include <QPointer>
#include <QScreen>

namespace forms {

Form::Form(QWidget* parent) : Control<QWidget>(parent) {
  setWindowFlag(Qt::Window);
  setColor(clBtnFace);
  setFontColor(clWindowText);
  setFontName(QStringLiteral("MS Sans Serif"));
  setFontSize(8);
  applyWindowFlags();
}

Form::~Form() = default;

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
  setMinimumSize(0, 0);
  setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  resize(width, height + menuBarHeight());
  if (borderStyle_ != bsSizeable) setFixedSize(size());
}

int Form::clientHeight() const {
  return height() - menuBarHeight();
}

QSize Form::frameExtra() const {
  switch (borderStyle_) {
    case bsNone:
      return {0, 0};
    case bsSizeable:
      return {8, 8 + 19};
    case bsToolWindow:
      return {6, 6 + 15};
    default:
      return {6, 6 + 19};
  }
}

void Form::setOuterSize(int width, int height) {
  const QSize extra = frameExtra();
  setClientSize(width - extra.width(), height - extra.height() - menuBarHeight());
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

void Form::attachMenuBar(QMenuBar* bar) {
  const int height = bar->sizeHint().height();
  // Controls placed before the menu came keep their client positions.
  for (QObject* child : children()) {
    auto* w = qobject_cast<QWidget*>(child);
    if (w && w != bar && !w->isWindow()) w->move(w->pos() + QPoint(0, height));
  }
  const int client = clientHeight();
  menuBar_ = bar;
  menuHeight_ = height;
  bar->setGeometry(0, 0, width(), height);
  setClientSize(width(), client);
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
  Control<QWidget>::showEvent(e);
  invokeHandler(OnShow);
}

void Form::hideEvent(QHideEvent* e) {
  Control<QWidget>::hideEvent(e);
  invokeHandler(OnHide);
}

void Form::resizeEvent(QResizeEvent* e) {
  Control<QWidget>::resizeEvent(e);
  if (menuBar_) menuBar_->setGeometry(0, 0, width(), menuHeight_);
}

void Form::paintEvent(QPaintEvent* e) {
  Control<QWidget>::paintEvent(e);
  invokeHandler(OnPaint);
}

}  // namespace forms
