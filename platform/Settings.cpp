#include "platform/Settings.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string_view>

#include "platform/AtomicFile.h"
#include "platform/Paths.h"

namespace platform {
namespace {

constexpr char kGeneral[] = "General";
constexpr char kByteOrderMark[] = "\xEF\xBB\xBF";

struct Line {
  enum Kind { Comment, Section, Key, Unreadable } kind;
  std::string text;     // as in the file, without its line end
  std::string section;  // the section the line belongs to
  std::string key, value;
};

struct Contents {
  std::vector<Line> lines;
  std::string error;  // why the file could not be read; empty when read or missing
};

std::string_view Trimmed(std::string_view s) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!s.empty() && blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && blank(s.back())) s.remove_suffix(1);
  return s;
}

bool HasControlByte(std::string_view s) {
  return std::any_of(s.begin(), s.end(), [](char c) {
    const auto b = static_cast<unsigned char>(c);
    return (b < 0x20 && b != '\t') || b == 0x7F;
  });
}

// One line of the file, read in the section that the lines before it opened.
Line Parse(std::string text, const std::string& section) {
  Line line{Line::Unreadable, std::move(text), section, {}, {}};
  const std::string_view t = Trimmed(line.text);
  if (HasControlByte(line.text)) return line;
  if (t.empty() || t.front() == ';' || t.front() == '#') {
    line.kind = Line::Comment;
    return line;
  }
  if (t.front() == '[') {
    const std::string_view name = Trimmed(t.substr(1, t.size() - 1 - (t.back() == ']')));
    if (t.back() != ']' || name.empty() || name.find_first_of("[]") != std::string_view::npos)
      return line;
    line.kind = Line::Section;
    line.section = name;
    return line;
  }
  const auto equals = t.find('=');
  if (equals == std::string_view::npos || Trimmed(t.substr(0, equals)).empty()) return line;
  line.kind = Line::Key;
  line.key = Trimmed(t.substr(0, equals));
  std::string_view value = Trimmed(t.substr(equals + 1));
  if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
    value = value.substr(1, value.size() - 2);
  line.value = value;
  return line;
}

// The file's bytes; a missing file is an empty one.
bool ReadFile(const std::string& path, std::string& bytes, std::string& error) {
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) {
    if (errno == ENOENT) return true;
    error = std::strerror(errno);
    return false;
  }
  struct stat st {};
  bool ok = fstat(fd, &st) == 0;
  if (!ok) error = std::strerror(errno);
  if (ok && !S_ISREG(st.st_mode)) ok = false, error = "it is not a file";
  char chunk[4096];
  while (ok) {
    const ssize_t n = ::read(fd, chunk, sizeof chunk);
    if (n == 0) break;
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) ok = false, error = std::strerror(errno);
    if (n > 0) bytes.append(chunk, static_cast<std::size_t>(n));
  }
  close(fd);
  return ok;
}

Contents Load(const std::string& path) {
  Contents c;
  std::string bytes;
  if (!ReadFile(path, bytes, c.error)) return c;
  // Some editors put a UTF-8 byte-order mark first; it is no part of the first line.
  if (bytes.starts_with(kByteOrderMark)) bytes.erase(0, std::strlen(kByteOrderMark));
  std::string section = kGeneral;
  std::size_t start = 0;
  while (start < bytes.size()) {
    std::size_t end = bytes.find('\n', start);
    if (end == std::string::npos) end = bytes.size();
    std::string text = bytes.substr(start, end - start);
    if (!text.empty() && text.back() == '\r') text.pop_back();
    c.lines.push_back(Parse(std::move(text), section));
    section = c.lines.back().section;
    start = end + 1;
  }
  return c;
}

// "Ports/COM1" -> {"Ports", "COM1"}; "TV" -> {"General", "TV"}.
std::pair<std::string, std::string> SectionAndKey(const std::string& name) {
  const auto slash = name.find('/');
  if (slash == std::string::npos) return {kGeneral, name};
  return {name.substr(0, slash), name.substr(slash + 1)};
}

// The last line that sets the key (the one that counts, as in every INI reader), or end.
template <class Lines>
auto Find(Lines& lines, const std::string& section, const std::string& key) {
  auto it = std::find_if(lines.rbegin(), lines.rend(), [&](const Line& l) {
    return l.kind == Line::Key && l.section == section && l.key == key;
  });
  return it == lines.rend() ? lines.end() : std::prev(it.base());
}

std::string ValueText(const std::string& value) {
  const bool quote = !value.empty() && (Trimmed(value).size() != value.size() ||
                                        (value.front() == '"' && value.back() == '"'));
  return quote ? '"' + value + '"' : value;
}

}  // namespace

Settings::Settings(std::string program) : program_(std::move(program)) {}

std::string Settings::filePath() const {
  return configDir() + "/" + program_ + ".ini";
}

std::optional<std::string> Settings::read(const std::string& name) const {
  const Contents c = Load(filePath());
  const auto [section, key] = SectionAndKey(name);
  const auto line = Find(c.lines, section, key);
  if (line == c.lines.end()) return std::nullopt;
  return line->value;
}

Settings::WriteResult Settings::write(const std::string& name, const std::string& value) {
  const auto [section, key] = SectionAndKey(name);
  const auto badName = [](const std::string& s) {
    return s.empty() || Trimmed(s).size() != s.size() || HasControlByte(s) ||
           s.find_first_of("=[]/;#") != std::string::npos;
  };
  if (badName(section) || badName(key) || HasControlByte(value))
    return {"the setting " + name + " cannot be written as text", {}};

  Contents c = Load(filePath());
  if (!c.error.empty()) return {"it could not be read: " + c.error, {}};
  WriteResult result;
  std::vector<Line> kept;
  for (Line& line : c.lines) {
    if (line.kind == Line::Unreadable)
      result.dropped.push_back(std::move(line.text));
    else
      kept.push_back(std::move(line));
  }

  const std::string text = key + "=" + ValueText(value);
  if (const auto line = Find(kept, section, key); line != kept.end()) {
    line->text = text;
  } else {
    // After the section's last header or key, else in a new section at the end.
    auto last = std::find_if(kept.rbegin(), kept.rend(), [&](const Line& l) {
      return l.section == section && l.kind != Line::Comment;
    });
    if (last != kept.rend()) {
      kept.insert(last.base(), Line{Line::Key, text, section, key, value});
    } else {
      if (!kept.empty() && !Trimmed(kept.back().text).empty())
        kept.push_back(Line{Line::Comment, "", section, {}, {}});
      kept.push_back(Line{Line::Section, "[" + section + "]", section, {}, {}});
      kept.push_back(Line{Line::Key, text, section, key, value});
    }
  }

  std::string bytes;
  for (const Line& line : kept) bytes += line.text + "\n";
  std::error_code made;
  std::filesystem::create_directories(configDir(), made);
  if (made) return {made.message(), {}};
  if (const SaveResult saved = SaveFileAtomically(filePath(), bytes); !saved.ok())
    return {saved.error, {}};
  return result;
}

}  // namespace platform
