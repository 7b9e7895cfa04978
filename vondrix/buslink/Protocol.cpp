#include "vondrix/buslink/Protocol.h"

#include <algorithm>

#include "runtime/Convert.h"
#include "runtime/FloatText.h"

namespace vondrix::protocol {
namespace {

std::string hex(int value, int digits) {
  return runtime::bytes::IntToHex(value, digits);
}

}  // namespace

std::string Address(int i) {
  // Hexadecimal text for 1..9 and decimal from 10 on: both give two decimal digits.
  return i <= 9 ? hex(i, 2) : std::to_string(i);
}

std::string QuitAll() {
  return "#00A0\r";
}
std::string Probe(const std::string& a) {
  return "#" + a + "A1\r";
}
std::string Query(const std::string& a, char cmd) {
  return "%" + a + cmd + "\r";
}
std::string Mute(const std::string& a, const std::string& v) {
  return "#" + a + "B" + v + "\r";
}
std::string SquelchQuery(const std::string& a, const std::string& level) {
  const bool sendable = level.size() <= 2 && std::all_of(level.begin(), level.end(), IsHexDigit);
  return "%" + a + "F" + (sendable ? level : std::string(kSquelchQueryFallback)) + "\r";
}
std::string Diversity(const std::string& a) {
  return "#" + a + "R0\r";
}
std::string Command(const std::string& a, const std::string& letters) {
  return "#" + a + letters + "\r";
}

// Group, channel and frequency
std::string Tune(const std::string& a, const std::string& code) {
  return "#" + a + "K" + code + "\r";
}
std::string SetGroupChannel(const std::string& a, const std::string& group,
                            const std::string& channel) {
  return "#" + a + "D" + group + channel + "\r";
}
// Squelch
std::string SetSquelch(const std::string& a, const std::string& level) {
  return "#" + a + "F" + level + "\r";
}

std::string SetName(const std::string& a, const std::string& name) {
  std::string n = name;
  if (n.size() < 6) n.append(6 - n.size(), ' ');
  return "#" + a + "C" + n + "\r";
}

bool EchoMatches(const std::string& reply, const std::string& a) {
  return !reply.empty() && Field(reply, 2, 2) == a;
}
bool ExactAck(const std::string& reply, const std::string& a) {
  return reply == "$" + a + "\r";
}
bool LengthIs4(const std::string& reply) {
  return reply.size() == 4;
}
bool EchoAnd12(const std::string& reply, const std::string& a) {
  return EchoMatches(reply, a) && reply.size() == 12;
}

bool IsHexDigit(char c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

std::string Field(const std::string& text, int index, int count) {
  return runtime::bytes::Copy(text, index, count);
}

int HexOr(const std::string& field, int def) {
  return runtime::bytes::StrToIntDef("0x" + field, def);
}
int HexStrict(const std::string& field) {
  return runtime::bytes::StrToInt("0x" + field);
}

double FirmwareNumber(const std::string& firmwareVersion) {
  // The program itself puts the "." into the version text, so it is read with "." whatever
  // the machine's decimal separator is. The three bytes become three characters (Latin-1),
  // so nothing shifts.
  const std::string field = Field(firmwareVersion, 1, 3);
  QString text = QString::fromLatin1(field.data(), qsizetype(field.size()));
  text.replace('.', runtime::decimalSeparator());
  return static_cast<double>(runtime::StrToFloat(text));
}

GroupChannel ParseGroupChannel(const std::string& reply) {
  GroupChannel gc;
  // Too short to hold both characters: nothing usable came (a cut reply).
  if (reply.size() < 6) return gc;
  gc.valid = true;
  bool wide = reply.size() == 8;
  for (int i = 4; wide && i <= 7; ++i)
    wide = std::isxdigit(static_cast<unsigned char>(reply[i - 1]));
  if (wide) {
    gc.group = hex(HexStrict(Field(reply, 4, 2)), 1);
    gc.channel = hex(HexStrict(Field(reply, 6, 2)), 1);
    return gc;
  }
  gc.group = Field(reply, 4, 1);
  std::string ch = Field(reply, 5, 1);
  int value = (ch.empty() ? 0 : static_cast<unsigned char>(ch[0])) - '0';
  gc.channel = hex(value, 1);
  return gc;
}

}  // namespace vondrix::protocol
