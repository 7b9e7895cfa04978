// The bytes of a download and the rings its replies are caught in.
//
// A download speaks to one receiver address (1..64) with three kinds of line: the handshake
// "#", tens digit, units digit, "A1", CR; one 16-byte coefficient frame per entry of the
// slot; and the end command "#", tens, units, "A0", CR. The receiver acknowledges the
// handshake and the end command with "$", tens, units, CR and echoes every frame.
//
// Replies are caught in a ring of 4 (acknowledgements) or 16 bytes (frame echoes): each byte
// read goes to the write position, which then moves on modulo the ring's size. A reply has
// come when the ring holds it from position 0 on, so bytes that arrive out of step (noise
// before the reply) leave the ring unmatched until the wait times out.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace calyxon {

inline constexpr int kFrameCount = 160;  // 32 bands x 5 coefficients
inline constexpr std::size_t kFrameSize = 16;

// "#07A1\r" for address 7.
std::string HandshakeLine(int address);
// "#07A0\r" for address 7.
std::string EndLine(int address);
// "$07\r" for address 7: what the handshake and the end command wait for.
std::string AcknowledgeLine(int address);
// The frame of entry index (band * 5 + k, 0..159) of preset slot (0..9): "#", the address
// digits, "P", '0' + slot, the index as 2 upper-case hex digits, the coefficient's 32 bits
// as 8 upper-case hex digits from the most significant, CR. 16 bytes.
std::string CoefficientFrame(int address, int slot, int index, std::int32_t coefficient);

// The status text for a byte of a frame's echo that differs from the byte sent:
// "  Data Error  " sent "  " received " \n", both in lower-case hex ("ff", never "ffffffff").
std::string DataErrorText(unsigned char sent, unsigned char received);

template <std::size_t N>
class ReplyRing {
 public:
  // Zeroes the ring and moves the write position to 0.
  void Clear() {
    bytes_.fill(0);
    position_ = 0;
  }
  // Stores count (0 or 1) bytes read.
  void Store(char byte, std::uint32_t count) {
    if (count == 0) return;
    bytes_[position_] = byte;
    position_ = (position_ + count) % N;
  }
  const std::array<char, N>& Bytes() const { return bytes_; }

 private:
  std::array<char, N> bytes_{};
  std::size_t position_ = 0;
};

// True when the 4-byte ring holds exactly the acknowledgement of address.
bool HoldsAcknowledge(const ReplyRing<4>& ring, int address);
// True when the 16-byte ring holds a whole frame: "#" at position 0 and CR at 15.
bool HoldsFrame(const ReplyRing<kFrameSize>& ring);

}  // namespace calyxon
