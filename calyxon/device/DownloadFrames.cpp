#include "calyxon/device/DownloadFrames.h"

#include <cstdio>

#include "runtime/Convert.h"

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
  return Head(address) + "P" + char('0' + slot) + runtime::bytes::IntToHex(index, 2) +
         runtime::bytes::IntToHex(coefficient, 8) + "\r";
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
