#include "vondrix/network/NetworkFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "vondrix/buslink/Protocol.h"

namespace vondrix {

namespace {

// text brought to width characters: cut at the end, or padded with pad on the given side.
std::string Fit(const std::string& text, std::size_t width, char pad, bool padLeft) {
  if (text.size() >= width) return text.substr(0, width);
  const std::string padding(width - text.size(), pad);
  return padLeft ? padding + text : text + padding;
}

// One hexadecimal digit: the last character of a longer text ("10" -> "0"), "0" for none.
std::string OneDigit(const std::string& text) {
  return text.empty() ? std::string("0") : text.substr(text.size() - 1);
}

std::size_t LineLengthOf(const std::string& model) {
  return model == "Z3K" ? kLineLengthZ3K : kLineLengthQ5V;
}

bool IsPrintable(char c) {
  return c >= 0x20 && c <= 0x7E;
}

bool IsDecimalDigit(char c) {
  return c >= '0' && c <= '9';
}

// True when text has width bytes, each passing the test.
template <class Test>
bool Holds(const std::string& text, std::size_t width, Test test) {
  return text.size() == width && std::all_of(text.begin(), text.end(), test);
}

// Fields a load sends as they stand.
bool FieldsAreSendable(const NetworkLine& f) {
  return Holds(f.NameField, 6, IsPrintable) && IsHexDigits(f.Group, 1) &&
         IsHexDigits(f.Channel, 1) && IsHexDigits(f.SquelchField, 2) &&
         (f.ModelCode != "Z3K" || IsDecimalDigits(f.EqPreset, 2));
}

}  // namespace

bool IsHexDigits(const std::string& text, std::size_t width) {
  return Holds(text, width, protocol::IsHexDigit);
}

bool IsDecimalDigits(const std::string& text, std::size_t width) {
  return Holds(text, width, IsDecimalDigit);
}

std::string FormatNetworkLine(const NetworkLine& l) {
  std::string line = Fit(l.ModelCode, 3, ' ', false) + "," + Fit(l.Address, 2, '0', true) + "," +
                     Fit(l.NameField, 6, ' ', false) + "," + OneDigit(l.Group) + "," +
                     OneDigit(l.Channel) + "," + Fit(l.FrequencyCode, 4, '0', true) + "," +
                     Fit(l.SquelchField, 2, '0', true) + "," + Fit(l.StatusBits, 1, '0', true);
  if (l.ModelCode == "Z3K")
    line += "," + Fit(l.QSetting, 1, '1', true) + "," + Fit(l.EqPreset, 2, '0', true);
  std::replace_if(
      line.begin(), line.end(), [](char c) { return !IsPrintable(c); }, ' ');
  return line;
}

NetworkLine CutNetworkLine(const std::string& line) {
  using protocol::Field;
  return {Field(line, 1, 3),  Field(line, 5, 2),  Field(line, 8, 6),  Field(line, 15, 1),
          Field(line, 17, 1), Field(line, 19, 4), Field(line, 24, 2), Field(line, 27, 1),
          Field(line, 29, 1), Field(line, 31, 2)};
}

bool LineAppliesToSlot(const std::string& line, int slot, const SlotTables& tables) {
  if (slot < 1 || slot > kMaxSlots) return false;
  const std::string model = protocol::Field(line, 1, 3);
  return model == tables.ReceiverModel[slot] &&
         protocol::Field(line, 5, 2) == tables.ReceiverAddress[slot] &&
         line.size() >= LineLengthOf(model) && FieldsAreSendable(CutNetworkLine(line));
}

bool AnyLineAppliesToItsSlot(const std::vector<std::string>& lines, const SlotTables& tables) {
  const int replayed = std::min({int(lines.size()), tables.DetectedReceiverCount, kMaxSlots});
  for (int s = 1; s <= replayed; ++s)
    if (LineAppliesToSlot(lines[s - 1], s, tables)) return true;
  return false;
}

platform::SaveResult SaveNetworkFile(const std::string& path,
                                     const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return platform::SaveFileAtomically(path, text);
}

namespace {

// Cuts the file's bytes into lines as they arrive and refuses a file beyond the limits.
// Empty lines at the end of the file (as an editor leaves them) are no lines of it: an
// empty line is held back until a line with bytes follows it.
class LineCutter {
 public:
  explicit LineCutter(NetworkFileText& result) : r_(result) {}

  // False once the file is refused.
  bool take(char c) {
    if (c == '\n') return close();
    if (c != '\r' && !lineHasBytes_) {
      // A line with bytes begins: the empty lines before it count, and so does it.
      if (r_.lines.size() + emptyHeld_ >= std::size_t(kMaxFileLines)) return refuseTooMany();
      r_.lines.insert(r_.lines.end(), emptyHeld_, std::string());
      emptyHeld_ = 0;
      lineHasBytes_ = true;
    }
    line_ += c;
    // One byte more than a line may hold: the CR of its CR LF.
    if (line_.size() > kMaxLineBytes + 1) return tooLong();
    return true;
  }
  // The end of the file: a last line without its end counts.
  void finish() {
    if (!line_.empty()) close();
  }
  // The bytes allowed ran out before the end: more lines than a network file has.
  bool refuseTooMany() { return refuse(Refusal::TooManyLines); }

 private:
  using Refusal = NetworkFileText::Refusal;

  bool close() {
    if (!line_.empty() && line_.back() == '\r') line_.pop_back();
    if (line_.size() > kMaxLineBytes) return tooLong();
    if (line_.empty()) {
      ++emptyHeld_;
    } else {
      r_.lines.push_back(std::move(line_));
    }
    line_.clear();
    lineHasBytes_ = false;
    return true;
  }
  bool tooLong() {
    r_.longLine = int(r_.lines.size() + emptyHeld_) + 1;
    return refuse(Refusal::LineTooLong);
  }
  bool refuse(Refusal why) {
    r_.refusal = why;
    r_.lines.clear();
    return false;
  }

  NetworkFileText& r_;
  std::string line_;
  bool lineHasBytes_ = false;  // the line begun holds a byte other than CR
  std::size_t emptyHeld_ = 0;  // empty lines not yet followed by a line with bytes
};

}  // namespace

NetworkFileText ReadNetworkFile(const std::string& path) {
  NetworkFileText result;
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) {
    result.refusal = NetworkFileText::Refusal::Unreadable;
    result.error = std::strerror(errno);
    return result;
  }
  LineCutter cutter(result);
  std::size_t budget = kMaxFileBytes + 1;
  char chunk[4096];
  bool going = true;
  while (going && budget > 0) {
    const ssize_t n = ::read(fd, chunk, std::min(sizeof chunk, budget));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      result.refusal = NetworkFileText::Refusal::Unreadable;
      result.error = std::strerror(errno);
      result.lines.clear();
      break;
    }
    if (n == 0) {
      cutter.finish();
      break;
    }
    budget -= std::size_t(n);
    for (ssize_t i = 0; i < n && going; ++i) going = cutter.take(chunk[i]);
    if (going && budget == 0) cutter.refuseTooMany();  // line ends without end
  }
  ::close(fd);
  return result;
}

int LoadedReceiverCount(int linesRead, int detected) {
  return std::max(0, std::min({linesRead, detected, kMaxSlots}));
}

}  // namespace vondrix
