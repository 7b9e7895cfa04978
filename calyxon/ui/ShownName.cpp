#include "calyxon/ui/ShownName.h"

namespace calyxon {

QString ShownFileName(const QString& path) {
  const QString name = path.mid(path.lastIndexOf('/') + 1);
  const qsizetype dot = name.lastIndexOf('.');
  return dot < 0 ? name : name.left(dot);
}

}  // namespace calyxon
