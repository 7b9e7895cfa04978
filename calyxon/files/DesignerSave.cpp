#include "calyxon/files/DesignerSave.h"

#include <QFile>

#include "platform/AtomicFile.h"

namespace calyxon {

QString SaveDesignerFile(const QString& path, std::string_view text) {
  const platform::SaveResult result =
      platform::SaveFileAtomically(QFile::encodeName(path).toStdString(), text);
  if (result.ok()) return {};
  return QStringLiteral("File:%1 Save Failed (%2), the previous file is kept  !!! \n")
      .arg(path, QString::fromStdString(result.error));
}

QString NotSavedStatusText(const QString& path, const QString& problem) {
  return QStringLiteral("File:%1 Not Saved: %2  !!! \n").arg(path, problem);
}

}  // namespace calyxon
