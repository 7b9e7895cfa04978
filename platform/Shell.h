// The desktop shell: open a document with its handler, start a sibling program detached.
#pragma once

#include <functional>
#include <string>

namespace platform {

// Opens the file with the desktop's handler (xdg-open); false when nothing could be started
// (no handler on PATH, no such file). A relative path is taken from the current directory.
// The handler is never waited for: when it ends in failure within its first seconds (an exit
// status other than 0, as xdg-open's when no browser is there), failed runs later from the
// event loop. A handler still running by then has started a viewer, whose own end says
// nothing about the page. The handler outlives this program if it runs that long.
bool openDocument(const std::string& path, std::function<void()> failed = {});
// Starts the program (a file name beside the running executable, or a path) detached.
// A missing program is a silent no-op: returns false.
bool startProgram(const std::string& program);

// Tests replace the launcher to see what would have been started. failed is empty for a
// program started detached; otherwise the launcher runs it when the program fails.
using ShellLauncher = bool (*)(const std::string& program, const std::string& argument,
                               const std::function<void()>& failed);
void setShellLauncher(ShellLauncher launcher);  // nullptr restores the real one

}  // namespace platform
