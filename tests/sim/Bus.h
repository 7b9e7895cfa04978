// A bus of simulated receivers: takes the bytes a program writes, cuts them into
// CR-terminated lines, logs every line, hands each to the receiver at its address and
// turns the answer into reply pieces that become due at given times.
//
// Timing: a reply is due latencyMs after the line that caused it; a receiver's fault
// (Receiver.h, FaultSpec) can delay it, cut it, garble it, split it or drop it, for every
// command or for one only. The bus
// has no clock of its own: callers pass the time in ms (the virtual clock for the fake
// port, a monotonic clock for the pseudo-terminal), so one model serves both.
//
// Lines: "#" or "%", two decimal address digits, command. Lines to addresses without a
// receiver, to "00" (only the quit broadcast uses it) or of any other shape get no reply
// but are logged all the same. Bytes that never reach a CR are kept up to 256 and then
// dropped, so noise cannot grow the line without end.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "sim/Receiver.h"

namespace sim {

// A part of a reply and the time at which its first byte has arrived at the program's end.
struct ReplyPiece {
  uint32_t dueMs = 0;
  std::string bytes;
};

// The lead and command of a line (without its CR) to a receiver, without the address: "%A",
// "#A1". The line has at least the lead, the two address digits and the command letter.
std::string commandOf(std::string_view line);

struct LoggedLine {
  uint32_t atMs = 0;
  std::string line;  // with its CR
};

class Bus {
 public:
  // Adds or replaces the receiver at r.address; returns it for further setup.
  Receiver& add(Receiver r);
  void remove(int address);
  // The receiver at address, or nullptr.
  Receiver* at(int address);
  const std::map<int, Receiver>& receivers() const { return receivers_; }

  // Takes bytes written at nowMs and returns the reply pieces of the lines they completed,
  // in the order of their due times.
  std::vector<ReplyPiece> feed(std::string_view bytes, uint32_t nowMs);

  // Every line received, in order, with its arrival time.
  const std::vector<LoggedLine>& log() const { return log_; }
  // The logged lines' texts only.
  std::vector<std::string> lines() const;
  void clearLog() { log_.clear(); }
  // Called for every line as it is logged (receiver-sim writes its log file from here).
  void setLineObserver(std::function<void(const LoggedLine&)> f) { observer_ = std::move(f); }

  std::vector<Carrier> carriers;  // what is on the air, shared by all receivers
  uint32_t latencyMs = 3;

  // When set, shapes the replies instead of the receivers' faults (the fuzz tests): given
  // a line (without its CR) to a receiver that is not busy, the receiver, its true reply
  // (nothing when it ignores the line) and the time the reply is due, returns the pieces
  // that go out.
  using ReplyShaper = std::function<std::vector<ReplyPiece>(
      std::string_view line, const Receiver& r, std::optional<std::string> reply, uint32_t dueMs)>;
  ReplyShaper shaper;

 private:
  std::vector<ReplyPiece> handleLine(const std::string& line, uint32_t nowMs);
  std::vector<ReplyPiece> shape(Receiver& r, std::string_view line, std::string reply,
                                uint32_t nowMs) const;

  std::map<int, Receiver> receivers_;
  std::string pending_;
  std::vector<LoggedLine> log_;
  std::function<void(const LoggedLine&)> observer_;
};

}  // namespace sim
