#include "forms/Edit.h"

#include <QFile>
#include <QFocusEvent>
#include <QKeyEvent>
#include <stdexcept>

#include "platform/AtomicFile.h"

namespace forms {

Edit::Edit(QWidget* parent) : Control<QLineEdit>(parent) {
  colorRole_ = QPalette::Base;
  fillsBackground_ = false;
  setColor(clWindow);
  QObject::connect(this, &QLineEdit::textChanged, this, [this] { invokeHandler(OnChange); });
}

void Edit::setSelStart(int start) {
  setCursorPosition(start);
}

int Edit::selStart() const {
  return hasSelectedText() ? selectionStart() : cursorPosition();
}

void Edit::setSelLength(int length) {
  const int start = selStart();
  if (length <= 0) {
    setCursorPosition(start);
    return;
  }
  setSelection(start, length);
}

int Edit::selLength() const {
  return int(selectedText().size());
}

void Edit::setMaxLength(int length) {
  maxLength_ = std::max(length, 0);
}

void Edit::setAlignment(TAlignment alignment) {
  alignment_ = alignment;
  const Qt::Alignment h = alignment == taLeftJustify    ? Qt::AlignLeft
                          : alignment == taRightJustify ? Qt::AlignRight
                                                        : Qt::AlignHCenter;
  QLineEdit::setAlignment(h | Qt::AlignVCenter);
}

void Edit::keyPress(char16_t& key) {
  if (OnKeyPress) OnKeyPress(key);
}

void Edit::doExit() {
  if (OnExit) OnExit();
}

namespace {

// The character a key types, as the system reports typed characters; 0 for keys that
// type nothing.
char16_t typedCharacter(const QKeyEvent* e) {
  switch (e->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return 13;
    case Qt::Key_Backspace:
      return 8;
    case Qt::Key_Escape:
      return 27;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      return 0;  // moves the focus
    default:
      break;
  }
  if ((e->modifiers() & Qt::ControlModifier) && e->key() >= Qt::Key_A && e->key() <= Qt::Key_Z)
    return char16_t(e->key() - Qt::Key_A + 1);
  const QString text = e->text();
  return text.size() == 1 ? text[0].unicode() : 0;
}

}  // namespace

void Edit::keyPressEvent(QKeyEvent* e) {
  const char16_t typed = typedCharacter(e);
  if (typed == 0) {
    QLineEdit::keyPressEvent(e);
    return;
  }
  char16_t key = typed;
  // A handler that fails discards the character.
  if (!invokeHandler([&] { keyPress(key); }) || key == 0) {
    e->accept();
    return;
  }
  const bool printable = key >= 32;
  if (printable && maxLength_ > 0 && text().size() - selectedText().size() >= maxLength_) {
    e->accept();
    return;
  }
  if (key == typed) {
    QLineEdit::keyPressEvent(e);
  } else if (printable) {
    insert(QString(QChar(key)));
  } else if (key == 8) {
    backspace();
  }
  e->accept();
}

void Edit::focusOutEvent(QFocusEvent* e) {
  QLineEdit::focusOutEvent(e);
  // Another window or a popup taking the focus for a while is no exit.
  if (e->reason() == Qt::ActiveWindowFocusReason || e->reason() == Qt::PopupFocusReason) return;
  invokeHandler([this] { doExit(); });
}

Memo::Memo(QWidget* parent) : Control<QPlainTextEdit>(parent) {
  colorRole_ = QPalette::Base;
  fillsBackground_ = false;
  setColor(clWindow);
  QObject::connect(this, &QPlainTextEdit::textChanged, this, [this] {
    if (updating_) return;
    const QString text = toPlainText();
    lines_ = text.isEmpty() ? QStringList() : text.split(u'\n');
  });
}

void Memo::setLines(const QStringList& lines) {
  lines_ = lines;
  showLines();
}

void Memo::addLine(const QString& line) {
  lines_.append(line);
  showLines();
}

void Memo::insertLine(int index, const QString& line) {
  lines_.insert(std::clamp<qsizetype>(index, 0, lines_.size()), line);
  showLines();
}

void Memo::showLines() {
  updating_ = true;
  setPlainText(lines_.join(u'\n'));
  updating_ = false;
}

void Memo::saveToFile(const QString& path) const {
  std::string bytes;
  for (const QString& line : lines_) bytes += line.toLatin1().toStdString() + "\r\n";
  const platform::SaveResult saved =
      platform::SaveFileAtomically(QFile::encodeName(path).toStdString(), bytes);
  if (!saved.ok())
    throw std::runtime_error("Cannot create file \"" + path.toStdString() + "\": " + saved.error);
}

void Memo::loadFromFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly))
    throw std::runtime_error("Cannot open file \"" + path.toStdString() + "\"");
  QString text = QString::fromLatin1(file.readAll());
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
  if (text.isEmpty()) {
    clearLines();
    return;
  }
  if (text.endsWith(u'\n')) text.chop(1);
  setLines(text.split(u'\n'));
}

}  // namespace forms
