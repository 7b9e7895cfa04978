// A chosen file's path as the window shows it and as the file routines beneath it take it.
#pragma once

#include <QString>
#include <string>

namespace calyxon {

// The name the window shows for a chosen file: the part after the last "/", without its
// extension (cut at the name's last "."; a name without "." is shown whole, and a "." in a
// folder's name cuts nothing).
QString ShownFileName(const QString& path);

// The path in the file system's own encoding, for the routines that open files by byte path.
std::string LocalPath(const QString& path);

}  // namespace calyxon
