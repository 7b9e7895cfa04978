// Saving the designer's files: through a temporary file beside the target, so that a failed
// save keeps the previous file (platform/AtomicFile.h), with the status text the window shows.
#pragma once

#include <QString>
#include <string_view>

namespace calyxon {

// Writes text as the whole file at path. Returns "" when it was saved, else the status text
// "File:<path> Save Failed (<reason>), the previous file is kept  !!! \n", or without ", the
// previous file is kept" when there was no file at path (nothing, or a folder of that name).
QString SaveDesignerFile(const QString& path, std::string_view text);

// "File:<path> Not Saved: <problem>  !!! \n", for a file refused before it was written.
QString NotSavedStatusText(const QString& path, const QString& problem);

}  // namespace calyxon
