// The per-user folders the programs use: the settings folder and the runtime folder.
#pragma once

#include <string>

namespace platform {

// $XDG_CONFIG_HOME/Orsek (fallback ~/.config/Orsek). Not created.
std::string configDir();
// $XDG_RUNTIME_DIR/orsek (fallback /tmp/orsek-<uid>), created user-only on first use.
std::string runtimeDir();
// Folder of the running executable, with a trailing '/'.
std::string exeFolder();

}  // namespace platform
