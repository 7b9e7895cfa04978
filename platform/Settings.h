// Named string values of one program's settings file, Orsek/<program>.ini in the user's
// config folder (XDG_CONFIG_HOME, else ~/.config): the program's registry key. The folder
// and the file are created on the first write.
#pragma once

#include <optional>
#include <string>

namespace platform {

class Settings {
 public:
  // program = "Vondrix": the file Orsek/Vondrix.ini.
  explicit Settings(std::string program);
  // The value, or nothing when it is missing.
  std::optional<std::string> read(const std::string& name) const;
  // Writes and flushes; false when the file could not be written.
  bool write(const std::string& name, const std::string& value);
  std::string filePath() const;

 private:
  std::string program_;
};

}  // namespace platform
