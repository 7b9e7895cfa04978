#include "calyxon/files/DesignerSave.h"

#include <QFile>
#include <QFileInfo>

#include "platform/AtomicFile.h"

namespace calyxon {

QString SaveDesignerFile(const QString& path, std::string_view text) {
  // Asked before the save: afterwards a failed save has left the target as it was. A folder or
  // a device of that name is no previous file.
  const bool previous = QFileInfo(path).isFile();
  const platform::SaveResult result =
      platform::SaveFileAtomically(QFile::encodeName(path).toStdString(), text);
  if (result.ok()) return {};
  const QString kept = previous ? QStringLiteral(", the previous file is kept") : QString();
  return QStringLiteral("File:%1 Save Failed (%2)%3  !!! \n")
      .arg(path, QString::fromStdString(result.error), kept);
}

QString NotSavedStatusText(const QString& path, const QString& problem) {
  return QStringLiteral("File:%1 Not Saved: %2  !!! \n").arg(path, problem);
}

}  // namespace calyxon
