// The name the window shows for a chosen file: the part after the last "/", without its
// extension (cut at the name's last "."; a name without "." is shown whole, and a "." in a
// folder's name cuts nothing).
#pragma once

#include <QString>

namespace calyxon {

QString ShownFileName(const QString& path);

}  // namespace calyxon
