// Open and save dialogs with a title, a filter in the form's notation and a default
// extension. Execute shows the dialog (or asks the DialogResponder, Dialogs.h) and, when
// the user chooses a file, puts its path into fileName.
#pragma once

#include <QString>

#include "forms/Dialogs.h"

class QWidget;

namespace forms {

class FileDialog {
 public:
  virtual ~FileDialog() = default;

  void setTitle(const QString& title) { title_ = title; }
  QString title() const { return title_; }
  // Pairs of description and patterns, all separated by "|": "Network files|*.vxn|All|*.*".
  // Several patterns of one pair are separated by ";".
  void setFilter(const QString& filter) { filter_ = filter; }
  QString filter() const { return filter_; }
  // Without dot ("vxn"): added to a chosen name that has no extension.
  void setDefaultExt(const QString& ext) { defaultExt_ = ext; }
  QString defaultExt() const { return defaultExt_; }
  void setFileName(const QString& name) { fileName_ = name; }
  QString fileName() const { return fileName_; }
  void setInitialDir(const QString& dir) { initialDir_ = dir; }
  QString initialDir() const { return initialDir_; }

  // True when a file was chosen (fileName holds it); false for Cancel (fileName kept).
  bool execute();

 protected:
  FileDialog(QWidget* parent, DialogKind kind) : parent_(parent), kind_(kind) {}

 private:
  QWidget* parent_;
  DialogKind kind_;
  QString title_, filter_, defaultExt_, fileName_, initialDir_;
};

// Chooses an existing file.
class OpenDialog : public FileDialog {
 public:
  explicit OpenDialog(QWidget* parent) : FileDialog(parent, DialogKind::OpenFile) {}
};

// Chooses a file name to write; an existing file is chosen without asking.
class SaveDialog : public FileDialog {
 public:
  explicit SaveDialog(QWidget* parent) : FileDialog(parent, DialogKind::SaveFile) {}
};

// The Qt filter of a filter in the form's notation: "*.vxn|*.vxn" gives "*.vxn (*.vxn)".
QString qtFilter(const QString& filter);

// name with "." + ext appended when ext is not empty and name's file part has no
// extension.
QString withDefaultExt(const QString& name, const QString& ext);

}  // namespace forms
