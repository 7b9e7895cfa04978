// Reading and writing the files under test byte for byte, and their CR LF lines.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/FileBytes.h"

namespace calyxon::testing {

using ::ReadBytes;
using ::WriteBytes;

// The lines of a text whose every line ends with CR LF; a line without it, or a bare LF in a
// line, fails the test.
inline std::vector<std::string> CrLfLines(const std::string& text) {
  std::vector<std::string> lines;
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t end = text.find("\r\n", start);
    if (end == std::string::npos) {
      ADD_FAILURE() << "a last line without CR LF";
      break;
    }
    lines.push_back(text.substr(start, end - start));
    EXPECT_EQ(lines.back().find('\n'), std::string::npos) << "a bare LF in line " << lines.size();
    start = end + 2;
  }
  return lines;
}

inline std::string JoinCrLf(const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& line : lines) text += line + "\r\n";
  return text;
}

}  // namespace calyxon::testing
