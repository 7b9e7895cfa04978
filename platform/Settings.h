// Named string values of one program's settings file, Orsek/<program>.ini in the user's
// config folder (XDG_CONFIG_HOME, else ~/.config): the program's registry key.
//
// The file is INI text of the form earlier versions wrote with QSettings:
//   [General]
//   TV=4
// Read line by line, after a UTF-8 byte-order mark at the start (written back without it):
// - "[Name]" starts the section Name; lines before the first header are in [General];
// - "key=value": key and value without the blanks around them; a value in double quotes
//   is the text between them;
// - blank lines and lines that begin with ";" or "#" are comments;
// - every other line cannot be read and is skipped: a "[" without its "]", a line without
//   "=" or without a key, a line with a control byte. The lines after it are read as if it
//   were not there (keys after a broken header stay in the section before it).
// A name "TV" is the key TV of [General]; "Ports/COM1" the key COM1 of [Ports].
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace platform {

class Settings {
 public:
  // program = "Vondrix": the file Orsek/Vondrix.ini.
  explicit Settings(std::string program);

  // The value, or nothing when it is missing or the file cannot be read.
  std::optional<std::string> read(const std::string& name) const;

  struct WriteResult {
    // Empty when the file was written; otherwise why not, in words for the user. After a
    // failed write the file is as it was.
    std::string error;
    // The lines of the old file that could not be read: they are not in the new one.
    std::vector<std::string> dropped;
    bool ok() const { return error.empty(); }
  };
  // Writes the file anew through the atomic save: every key of the old file that could be
  // read, in its place, with this one set (added at the end of its section when new). The
  // folder is created when missing. An old file that exists but cannot be read is left
  // alone and the write fails, so that no key is lost. A name or value that could not be
  // read back as written (a control byte; "=", "[" or "]" in a name) is refused.
  WriteResult write(const std::string& name, const std::string& value);

  std::string filePath() const;

 private:
  std::string program_;
};

}  // namespace platform
