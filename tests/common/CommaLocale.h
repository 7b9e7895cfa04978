// The user's locale writing decimals with "," (as a program's start takes it from the
// environment): LC_NUMERIC and, unless asked not to, the run time's decimal separator, for the
// life of the object. A German locale is built into a scratch folder when the system has none
// with a comma.
#pragma once

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "runtime/FloatText.h"

// Compiles a German locale into folder (for LOCPATH); false when localedef could not run.
inline bool BuildGermanLocale(const std::string& folder) {
  std::filesystem::create_directories(folder);
  const std::string command =
      "localedef -i de_DE -f UTF-8 '" + folder + "/de_DE.UTF-8' >/dev/null 2>&1";
  return std::system(command.c_str()) != -1;
}

class CommaLocale {
 public:
  enum class RuntimeSeparator { Comma, Untouched };

  explicit CommaLocale(RuntimeSeparator runtime = RuntimeSeparator::Comma)
      : runtime_(runtime), previousLocpath_(Getenv("LOCPATH")) {
    if (!SetAny()) {
      const std::string folder = ::testing::TempDir() + "comma_locales";
      if (BuildGermanLocale(folder)) {
        setenv("LOCPATH", folder.c_str(), 1);
        SetAny();
      }
    }
    if (runtime_ == RuntimeSeparator::Comma) runtime::setDecimalSeparator(u',');
  }
  ~CommaLocale() {
    std::setlocale(LC_NUMERIC, "C");
    if (previousLocpath_)
      setenv("LOCPATH", previousLocpath_->c_str(), 1);
    else
      unsetenv("LOCPATH");
    if (runtime_ == RuntimeSeparator::Comma) runtime::setDecimalSeparator(u'.');
  }
  CommaLocale(const CommaLocale&) = delete;
  CommaLocale& operator=(const CommaLocale&) = delete;

  // False when no such locale could be had: C's own functions then still write ".".
  bool active() const { return std::localeconv()->decimal_point == std::string(","); }

 private:
  static std::optional<std::string> Getenv(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::optional<std::string>(value) : std::nullopt;
  }
  static bool SetAny() {
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8"})
      if (std::setlocale(LC_NUMERIC, name)) return true;
    return false;
  }

  RuntimeSeparator runtime_;
  std::optional<std::string> previousLocpath_;
};
