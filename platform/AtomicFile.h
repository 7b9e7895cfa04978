// Saving a file so that a failure never loses the previous one.
//
// The contents go into a temporary file beside the target (same folder, so the final rename
// stays on one file system), which is flushed to the disk and then renamed over the target.
// Only a complete file ever carries the target's name: after a failed save the old file (or no
// file, when there was none) is there exactly as before, and the temporary file is removed.
//
// A new file gets the permissions the user's umask gives; a file that is replaced keeps its
// own. A target that is a symbolic link is written through to the file it points to.
#pragma once

#include <string>
#include <string_view>

namespace platform {

struct SaveResult {
  // Empty when the file was saved; otherwise why not, in words for the user
  // ("No space left on device").
  std::string error;
  bool ok() const { return error.empty(); }
};

// Writes contents as the whole file at path, byte for byte.
[[nodiscard]] SaveResult SaveFileAtomically(const std::string& path, std::string_view contents);

// Makes a write past the process's file-size limit (ulimit -f) fail with EFBIG, which a save
// reports as "File too large" and recovers from, instead of ending the process with SIGXFSZ
// (the unsaved work lost, the temporary file left behind). Every program calls it first
// thing in main; programs it starts inherit it.
void IgnoreFileSizeLimitSignal();

}  // namespace platform
