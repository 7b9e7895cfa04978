// Reply bytes shown on a control. The fields of a reply are cut byte by byte, so they are
// shown byte by byte too: every byte one character (Latin-1). A stray byte from the bus
// then shows as one odd character; it never merges with its neighbours or vanishes.
#pragma once

#include <QString>
#include <string>

namespace vondrix {

inline QString ReplyText(const std::string& bytes) {
  return QString::fromLatin1(bytes.data(), qsizetype(bytes.size()));
}

}  // namespace vondrix
