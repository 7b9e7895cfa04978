#include "calyxon/ui/ShownName.h"

#include <QFile>

namespace calyxon {

QString ShownFileName(const QString& path) {
  const QString name = path.mid(path.lastIndexOf('/') + 1);
  const qsizetype dot = name.lastIndexOf('.');
  return dot < 0 ? name : name.left(dot);
}

std::string LocalPath(const QString& path) {
  return QFile::encodeName(path).toStdString();
}

}  // namespace calyxon
