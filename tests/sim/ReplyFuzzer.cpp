#include "sim/ReplyFuzzer.h"

#include <algorithm>

namespace sim {

void ReplyFuzzer::attach(Bus& bus) {
  bus.shaper = [this](std::string_view line, const Receiver& r, std::optional<std::string> reply,
                      uint32_t dueMs) { return shape(line, r, std::move(reply), dueMs); };
}

std::string ReplyFuzzer::randomBytes(size_t count) {
  std::string bytes;
  for (size_t i = 0; i < count; ++i) bytes += static_cast<char>(below(256));
  return bytes;
}

std::string ReplyFuzzer::variant(std::string_view line, const Receiver& r, std::string reply) {
  switch (below(7)) {
    case 0: {  // another layout of the same query
      Receiver other = Receiver::make(r.model == Model::Q5V ? Model::Z3K : Model::Q5V, r.address);
      const char* firmware[] = {"1.1A", "1.4A", "1.6A", "2.1B"};
      other.firmware = firmware[below(4)];
      std::vector<Carrier> air;
      return other.answer(line, air, 0).value_or(reply);
    }
    case 1:  // cut short
      return reply.substr(0, size_t(below(int(reply.size()) + 1))) + "\r";
    case 2:  // bytes written over
      for (int n = below(3) + 1; n > 0 && !reply.empty(); --n)
        reply[size_t(below(int(reply.size())))] = static_cast<char>(below(256));
      return reply;
    case 3:  // bytes added after the reply
      return reply + randomBytes(size_t(below(12)));
    case 4:  // random bytes with a CR
      return randomBytes(size_t(below(20))) + "\r";
    case 5:  // random bytes without one
      return randomBytes(size_t(below(20)));
    default:  // nothing
      return {};
  }
}

std::vector<ReplyPiece> ReplyFuzzer::deliver(std::string bytes, uint32_t dueMs) {
  if (bytes.empty()) return {};
  if (onTime) return {{dueMs, std::move(bytes)}};
  if (chance(0.1)) dueMs += uint32_t(below(600));  // late, maybe past the window
  if (!chance(0.2)) return {{dueMs, std::move(bytes)}};
  std::vector<ReplyPiece> pieces;
  while (!bytes.empty()) {
    const size_t size = size_t(below(int(bytes.size())) + 1);
    pieces.push_back({dueMs, bytes.substr(0, size)});
    bytes.erase(0, size);
    dueMs += uint32_t(below(250));
  }
  return pieces;
}

std::vector<ReplyPiece> ReplyFuzzer::shape(std::string_view line, const Receiver& r,
                                           std::optional<std::string> reply, uint32_t dueMs) {
  const std::string command = commandOf(line);
  const bool keep = std::any_of(spared.begin(), spared.end(),
                                [&](const std::string& s) { return command.starts_with(s); });
  if (keep) return reply ? std::vector<ReplyPiece>{{dueMs, *reply}} : std::vector<ReplyPiece>{};
  // A line the receiver ignores may still get an answer, built on a bare acknowledgement.
  std::string bytes = reply.value_or("");
  if (chance(rate_))
    bytes = variant(line, r, reply.value_or("$" + std::string(line.substr(1, 2)) + "\r"));
  return deliver(std::move(bytes), dueMs);
}

}  // namespace sim
