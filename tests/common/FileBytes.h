// Reading and writing the files under test byte for byte.
#pragma once

#include <fstream>
#include <sstream>
#include <string>

// The file's bytes; "" when it cannot be read.
inline std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// Replaces the file's bytes with bytes.
inline void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}
