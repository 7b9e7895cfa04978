// The user's locale writing decimals with "," (as a program's start takes it from the
// environment): LC_NUMERIC and the run time's decimal separator, for the life of the object.
// A German locale is built into a scratch folder when the system has none with a comma.
#pragma once

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "runtime/FloatText.h"

namespace calyxon::testing {

class CommaLocale {
 public:
  CommaLocale() {
    if (!SetGerman()) {
      const std::string scratch = ::testing::TempDir() + "calyxon_locales";
      std::filesystem::create_directories(scratch);
      const std::string build =
          "localedef -i de_DE -f UTF-8 '" + scratch + "/de_DE.UTF-8' 2>/dev/null";
      if (std::system(build.c_str()) != -1) {
        setenv("LOCPATH", scratch.c_str(), 1);
        SetGerman();
      }
    }
    runtime::setDecimalSeparator(u',');
  }
  ~CommaLocale() {
    std::setlocale(LC_NUMERIC, "C");
    runtime::setDecimalSeparator(u'.');
  }
  CommaLocale(const CommaLocale&) = delete;
  CommaLocale& operator=(const CommaLocale&) = delete;

  // False when no such locale could be had: C's own functions then still write ".".
  bool active() const { return std::localeconv()->decimal_point == std::string(","); }

 private:
  static bool SetGerman() { return std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr; }
};

}  // namespace calyxon::testing
