// Text boxes: Edit (one line) and Memo (lines).
#pragma once

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QString>
#include <QStringList>

#include "forms/Control.h"

namespace forms {

// A one-line text box. Default colour clWindow.
//
// Every typed character goes through keyPress before the box sees it; the character
// is the one the key types (Enter 13, Backspace 8, Escape 27, Ctrl+letter 1..26). Keys
// that type nothing (arrows, Delete, Home, End) do not go through it. OnExit runs when
// the focus moves from the box to another control of the program (not when another
// window or a menu takes it for a while).
class Edit : public Control<QLineEdit> {
 public:
  explicit Edit(QWidget* parent);

  // Text, selection and the caret, counted in characters from 0.
  void setText(const QString& text) { QLineEdit::setText(text); }
  QString text() const { return QLineEdit::text(); }
  void setSelStart(int start);
  int selStart() const;
  void setSelLength(int length);
  int selLength() const;
  // At most this many characters can be typed (0 = no limit).
  void setMaxLength(int length);
  int maxLength() const { return maxLength_; }
  void setAlignment(TAlignment alignment);
  TAlignment alignment() const { return alignment_; }
  void setReadOnly(bool on) { QLineEdit::setReadOnly(on); }
  bool readOnly() const { return isReadOnly(); }

  KeyPressEvent OnKeyPress;
  NotifyEvent OnExit;
  NotifyEvent OnChange;

 protected:
  // The key hook: runs OnKeyPress. A subclass that filters keys overrides it, calls
  // Edit::keyPress first and then applies its own rules; key = 0 discards the character.
  virtual void keyPress(char16_t& key);
  // The exit hook: runs OnExit. A subclass may override it (and need not call it).
  virtual void doExit();

  void keyPressEvent(QKeyEvent* e) override;
  void focusOutEvent(QFocusEvent* e) override;

 private:
  TAlignment alignment_ = taLeftJustify;
  int maxLength_ = 0;
};

// A multi-line text box holding a list of lines; the program uses it as a line buffer as
// well as for display. Default colour clWindow.
class Memo : public Control<QPlainTextEdit> {
 public:
  explicit Memo(QWidget* parent);

  QStringList lines() const { return lines_; }
  void setLines(const QStringList& lines);
  int lineCount() const { return int(lines_.size()); }
  void addLine(const QString& line);
  // Inserts before line index (0-based); an index at or past the end appends.
  void insertLine(int index, const QString& line);
  void clearLines() { setLines({}); }

  // Writes the lines, each ended by CR LF, through a temporary file beside it. Throws
  // std::runtime_error ("Cannot create file \"<path>\": <reason>") when the file cannot be
  // written; the previous file is then kept as it was.
  void saveToFile(const QString& path) const;
  // Replaces the lines by those of the file (ended by CR LF, LF or CR; a last line
  // without an end counts). Throws std::runtime_error ("Cannot open file \"<path>\"").
  void loadFromFile(const QString& path);

 private:
  void showLines();
  QStringList lines_;
  bool updating_ = false;
};

}  // namespace forms
