#include "calyxon/device/DownloadFrames.h"

#include <cstdio>

#include "calyxon/eq/CoefficientTable.h"

namespace calyxon {

namespace {

// "#", tens digit, units digit.
std::string Head(int address) {
  return {'#', char('0' + address / 10), char('0' + address % 10)};
}

}  // namespace

std::string HandshakeLine(int address) {
  return Head(address) + "A1\r";
}

std::string EndLine(int address) {
  return Head(address) + "A0\r";
}

std::string AcknowledgeLine(int address) {
  return {'$', char('0' + address / 10), char('0' + address % 10), '\r'};
}

std::string CoefficientFrame(int address, int slot, int index, std::int32_t coefficient) {
  std::string frame = Head(address) + "P" + char('0' + slot);
  char hex[2];
  ByteToHex(hex, static_cast<std::uint8_t>(index));
  frame.append(hex, 2);
  const auto bits = static_cast<std::uint32_t>(coefficient);
  for (int shift = 24; shift >= 0; shift -= 8) {
    ByteToHex(hex, static_cast<std::uint8_t>(bits >> shift));
    frame.append(hex, 2);
  }
  return frame + "\r";
}

std::string DataErrorText(unsigned char sent, unsigned char received) {
  char text[48];
  std::snprintf(text, sizeof text, "  Data Error  %x  %x \n", unsigned(sent), unsigned(received));
  return text;
}

bool HoldsAcknowledge(const ReplyRing<4>& ring, int address) {
  const std::string expected = AcknowledgeLine(address);
  return std::string(ring.Bytes().begin(), ring.Bytes().end()) == expected;
}

bool HoldsFrame(const ReplyRing<kFrameSize>& ring) {
  return ring.Bytes()[0] == '#' && ring.Bytes()[kFrameSize - 1] == '\r';
}

}  // namespace calyxon
