#include "sim/Bus.h"

#include <algorithm>
#include <cstdio>

namespace sim {

namespace {

constexpr size_t kMaxPendingLine = 256;

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

std::string twoDigits(int address) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%02d", address % 100);
  return buf;
}

}  // namespace

std::string commandOf(std::string_view line) {
  return std::string(1, line[0]) + std::string(line.substr(3));
}

Receiver& Bus::add(Receiver r) {
  const int address = r.address;
  receivers_.insert_or_assign(address, std::move(r));
  return receivers_.at(address);
}

void Bus::remove(int address) {
  receivers_.erase(address);
}

Receiver* Bus::at(int address) {
  auto it = receivers_.find(address);
  return it == receivers_.end() ? nullptr : &it->second;
}

std::vector<std::string> Bus::lines() const {
  std::vector<std::string> out;
  out.reserve(log_.size());
  for (const LoggedLine& l : log_) out.push_back(l.line);
  return out;
}

std::vector<ReplyPiece> Bus::feed(std::string_view bytes, uint32_t nowMs) {
  std::vector<ReplyPiece> out;
  for (char c : bytes) {
    pending_ += c;
    if (c == '\r') {
      std::string line;
      line.swap(pending_);
      auto pieces = handleLine(line, nowMs);
      out.insert(out.end(), pieces.begin(), pieces.end());
    } else if (pending_.size() > kMaxPendingLine) {
      pending_.clear();
    }
  }
  std::stable_sort(out.begin(), out.end(), [](const ReplyPiece& a, const ReplyPiece& b) {
    return int32_t(a.dueMs - b.dueMs) < 0;
  });
  return out;
}

std::vector<ReplyPiece> Bus::handleLine(const std::string& line, uint32_t nowMs) {
  log_.push_back({nowMs, line});
  if (observer_) observer_(log_.back());

  const std::string_view body(line.data(), line.size() - 1);
  if (body.size() < 4 || (body[0] != '#' && body[0] != '%') || !isDigit(body[1]) ||
      !isDigit(body[2])) {
    return {};
  }
  Receiver* r = at((body[1] - '0') * 10 + (body[2] - '0'));
  if (!r || r->busyAt(nowMs)) return {};
  auto reply = r->answer(body, carriers, nowMs);
  if (shaper) return shaper(body, *r, std::move(reply), nowMs + latencyMs);
  if (!reply) return {};
  return shape(*r, body, std::move(*reply), nowMs);
}

std::vector<ReplyPiece> Bus::shape(Receiver& r, std::string_view line, std::string reply,
                                   uint32_t nowMs) const {
  const uint32_t due = nowMs + latencyMs;
  FaultSpec& f = r.fault;
  if (f.kind == Fault::None || f.times == 0 || !commandOf(line).starts_with(f.onlyFor))
    return {{due, std::move(reply)}};
  if (f.after > 0) {
    --f.after;
    return {{due, std::move(reply)}};
  }
  if (f.times > 0) --f.times;

  switch (f.kind) {
    case Fault::Silent:
      return {};
    case Fault::WrongAddress: {
      const int other = f.otherAddress > 0 ? f.otherAddress : r.address % 64 + 1;
      reply.replace(1, 2, twoDigits(other));
      return {{due, std::move(reply)}};
    }
    case Fault::Short: {
      const size_t keep = size_t(std::max(0, f.shortKeep));
      if (reply.size() - 1 > keep) reply = reply.substr(0, keep) + "\r";
      return {{due, std::move(reply)}};
    }
    case Fault::Garbage: {
      static const char kNoise[] = "?ZxG";
      const size_t from = reply.size() > 4 ? 3 : 1;
      for (size_t i = from; i + 1 < reply.size(); ++i) reply[i] = kNoise[i % 4];
      return {{due, std::move(reply)}};
    }
    case Fault::Split: {
      const size_t n = size_t(std::clamp<int>(f.splitPieces, 1, int(reply.size())));
      const size_t size = (reply.size() + n - 1) / n;
      std::vector<ReplyPiece> out;
      for (size_t i = 0; i * size < reply.size(); ++i) {
        out.push_back({due + uint32_t(i) * f.splitGapMs, reply.substr(i * size, size)});
      }
      return out;
    }
    case Fault::Late:
      return {{due + f.lateMs, std::move(reply)}};
    case Fault::None:
      break;
  }
  return {{due, std::move(reply)}};
}

}  // namespace sim
