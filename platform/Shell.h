// The desktop shell: open a document with its handler, start a sibling program detached.
#pragma once

#include <string>

namespace platform {

// Opens the file with the desktop's handler (xdg-open), detached; false when nothing could
// be started. A relative path is taken from the current directory.
bool openDocument(const std::string& path);
// Starts the program (a file name beside the running executable, or a path) detached.
// A missing program is a silent no-op: returns false.
bool startProgram(const std::string& program);

// Tests replace the launcher to see what would have been started.
using ShellLauncher = bool (*)(const std::string& program, const std::string& argument);
void setShellLauncher(ShellLauncher launcher);  // nullptr restores the real one

}  // namespace platform
