#include "forms/FileDialog.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QStringList>

namespace forms {

QString qtFilter(const QString& filter) {
  const QStringList parts = filter.split(u'|');
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QString patterns = parts[i + 1];
    patterns.replace(u';', u' ');
    filters << parts[i] + QStringLiteral(" (") + patterns + u')';
  }
  return filters.join(QStringLiteral(";;"));
}

QString withDefaultExt(const QString& name, const QString& ext) {
  if (ext.isEmpty() || name.isEmpty() || QFileInfo(name).fileName().contains(u'.')) return name;
  return name + u'.' + ext;
}

bool FileDialog::execute() {
  const FileRequest request{kind_, title_, filter_, defaultExt_, fileName_, initialDir_};
  std::optional<QString> chosen;
  if (DialogResponder* responder = dialogResponder()) {
    chosen = responder->answerFile(request);
  } else {
    QFileDialog dialog(parent_, title_, initialDir_, qtFilter(filter_));
    const bool save = kind_ == DialogKind::SaveFile;
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    dialog.setDefaultSuffix(defaultExt_);
    if (!fileName_.isEmpty()) dialog.selectFile(fileName_);
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
      chosen = dialog.selectedFiles().first();
  }
  if (!chosen) return false;
  fileName_ = withDefaultExt(*chosen, defaultExt_);
  return true;
}

}  // namespace forms
