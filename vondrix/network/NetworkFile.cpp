#include "vondrix/network/NetworkFile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>

#include "vondrix/buslink/Protocol.h"

namespace vondrix {

namespace {

constexpr std::size_t kMaxLineRead = 256;

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

}  // namespace

std::string FormatNetworkLine(const NetworkLine& l) {
  std::string line = Fit(l.ModelCode, 3, ' ', false) + "," + Fit(l.Address, 2, '0', true) + "," +
                     Fit(l.NameField, 6, ' ', false) + "," + OneDigit(l.Group) + "," +
                     OneDigit(l.Channel) + "," + Fit(l.FrequencyCode, 4, '0', true) + "," +
                     Fit(l.SquelchField, 2, '0', true) + "," + Fit(l.StatusBits, 1, '0', true);
  if (l.ModelCode == "Z3K")
    line += "," + Fit(l.QSetting, 1, '1', true) + "," + Fit(l.EqPreset, 2, '0', true);
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
         line.size() >= LineLengthOf(model);
}

platform::SaveResult SaveNetworkFile(const std::string& path,
                                     const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return platform::SaveFileAtomically(path, text);
}

NetworkFileText ReadNetworkFile(const std::string& path) {
  NetworkFileText result;
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    result.error = std::strerror(errno);
    return result;
  }
  std::string line;
  bool pending = false;  // a line has begun that no line end closed yet
  char c;
  while (result.lines.size() < std::size_t(kMaxSlots) && in.get(c)) {
    if (c == '\n') {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      result.lines.push_back(line);
      line.clear();
      pending = false;
      continue;
    }
    pending = true;
    if (line.size() < kMaxLineRead) line += c;
  }
  if (pending && result.lines.size() < std::size_t(kMaxSlots)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    result.lines.push_back(line);
  }
  if (in.bad()) result.error = std::strerror(EIO);
  return result;
}

int LoadedReceiverCount(int linesRead, int detected) {
  return std::max(0, std::min({linesRead, detected, kMaxSlots}));
}

}  // namespace vondrix
