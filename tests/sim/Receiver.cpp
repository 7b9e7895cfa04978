#include "sim/Receiver.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace sim {

namespace {

std::string hex(unsigned v, int width) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%0*X", width, v);
  return buf;
}

// Upper-case hexadecimal only: the programs never send anything else.
std::optional<unsigned> parseHex(std::string_view s) {
  if (s.empty()) return std::nullopt;
  unsigned v = 0;
  for (char c : s) {
    if (c >= '0' && c <= '9') {
      v = v * 16 + unsigned(c - '0');
    } else if (c >= 'A' && c <= 'F') {
      v = v * 16 + unsigned(c - 'A' + 10);
    } else {
      return std::nullopt;
    }
  }
  return v;
}

std::optional<unsigned> parseDecimal(std::string_view s) {
  if (s.empty()) return std::nullopt;
  unsigned v = 0;
  for (char c : s) {
    if (c < '0' || c > '9') return std::nullopt;
    v = v * 10 + unsigned(c - '0');
  }
  return v;
}

double levelDbAt(uint16_t code, const std::vector<Carrier>& air) {
  // A floor of 2..4 dB that varies a little from step to step, like real noise.
  double db = 2.0 + double((unsigned(code) * 7u) % 3u);
  for (const Carrier& c : air) {
    const double distance = std::abs(int(code) - int(c.code));
    db = std::max(db, c.levelDb - 1.5 * distance);
  }
  return db;
}

uint8_t rawFromDb(double db, uint8_t low, uint8_t high) {
  const double raw = double(low) + (db - 6.0) * double(int(high) - int(low)) / 34.0;
  return uint8_t(std::clamp(std::trunc(raw), 0.0, 255.0));
}

}  // namespace

std::string modelCode(Model m) {
  return m == Model::Q5V ? "Q5V" : "Z3K";
}

Receiver Receiver::make(Model m, int address) {
  Receiver r;
  r.model = m;
  r.address = address;
  if (m == Model::Z3K) {
    r.name = "Z3K   ";
    r.firmware = "2.1B";
    r.band = "K1";
    r.status = '@';
    r.bandStartCode = 24960;  // 624.000 MHz
    r.bandSteps = 1200;       // 30 MHz
    r.frequencyCode = 24960;
    r.groups = std::vector<int>(10, 12);
    r.calLowA = r.calLowB = 30;
    r.calHighA = r.calHighB = 90;
    r.af = 3;
    r.battery = 4;
  } else {
    r.name = "Q5V   ";
  }
  if (auto code = r.channelCode(r.group, r.channel)) r.frequencyCode = *code;
  return r;
}

double Receiver::firmwareNumber() const {
  return std::atof(firmware.substr(0, 3).c_str());
}

bool Receiver::shortGroupChannel() const {
  return firmwareNumber() < (model == Model::Q5V ? 1.2 : 2.0);
}

bool Receiver::oldGroupTable() const {
  return firmwareNumber() < 1.2;
}

std::optional<uint16_t> Receiver::channelCode(int g, int c) const {
  if (g < 1 || g > int(groups.size()) || c < 1 || c > groups[g - 1]) return std::nullopt;
  const int spacing = std::max(1, bandSteps / std::max(1, groups[g - 1]));
  const int shift = (g - 1) * std::max(1, spacing / int(groups.size()));
  const int offset = std::min<int>((c - 1) * spacing + shift, bandSteps);
  return uint16_t(bandStartCode + offset);
}

uint8_t Receiver::squelchThreshold() const {
  const int span = int(calHighA) - int(calLowA);
  return uint8_t(calLowA + squelchLevel * span / (2 * std::max<int>(1, squelchMax)));
}

uint8_t Receiver::rfRawA(const std::vector<Carrier>& air) const {
  const double dbA = levelDbAt(frequencyCode, air);
  if (model == Model::Q5V) return rawFromDb(dbA, calLowA, calHighA);
  // The second model's single RF byte is on antenna A's scale, whichever antenna it uses.
  const double dbB = dbA - 2.0;
  const double db = antennaMode == AntennaMode::A   ? dbA
                    : antennaMode == AntennaMode::B ? dbB
                                                    : std::max(dbA, dbB);
  return rawFromDb(db, calLowA, calHighA);
}

uint8_t Receiver::rfRawB(const std::vector<Carrier>& air) const {
  return rawFromDb(levelDbAt(frequencyCode, air) - 2.0, calLowB, calHighB);
}

bool Receiver::busyAt(uint32_t nowMs) const {
  return busy_ && int32_t(busyUntilMs_ - nowMs) > 0;
}

std::optional<std::string> Receiver::answer(std::string_view line, const std::vector<Carrier>& air,
                                            uint32_t nowMs) {
  if (line.size() < 4) return std::nullopt;
  const char lead = line[0];
  const std::string head = "$" + std::string(line.substr(1, 2));
  const std::string ack = head + "\r";
  const std::string_view cmd = line.substr(3);
  const char letter = cmd[0];
  const std::string_view arg = cmd.substr(1);
  const bool z3k = model == Model::Z3K;

  if (lead == '%') {
    switch (letter) {
      case 'A':
        if (!arg.empty()) return std::nullopt;
        return head + modelCode(model) + hex(calLowA, 2) + hex(calLowB, 2) + hex(calHighA, 2) +
               hex(calHighB, 2) + "\r";
      case 'N':
        if (!arg.empty()) return std::nullopt;
        if (z3k) {
          const uint8_t code = antennaMode == AntennaMode::A   ? 135
                               : antennaMode == AntennaMode::B ? 45
                                                               : directionCode;
          return head + hex(af, 2) + hex(rfRawA(air), 2) + hex(code, 2) + hex(battery, 2) + "\r";
        }
        return head + hex(af, 2) + hex(rfRawA(air), 2) + hex(rfRawB(air), 2) + hex(battery, 2) +
               "\r";
      case 'B': {
        if (!arg.empty()) return std::nullopt;
        std::string fw = firmware;
        fw.resize(4, ' ');
        std::string bd = band;
        bd.resize(2, ' ');
        return head + fw[0] + fw.substr(2, 2) + status + bd + "\r";
      }
      case 'C':
        if (!arg.empty()) return std::nullopt;
        return head + name + "\r";
      case 'D':
        if (!arg.empty()) return std::nullopt;
        if (shortGroupChannel()) return head + hex(group, 1) + char('0' + channel) + "\r";
        return head + hex(group, 2) + hex(channel, 2) + "\r";
      case 'E':
        if (!arg.empty()) return std::nullopt;
        return head + hex(frequencyCode, 4) + "\r";
      case 'F':  // the argument means nothing to the receiver
        return head + hex(squelchMax, 2) + hex(squelchLevel, 2) + hex(squelchThreshold(), 2) + "\r";
      case 'G': {
        if (!z3k || !arg.empty()) return std::nullopt;
        char buf[16];
        std::snprintf(buf, sizeof buf, "%02d%02d", eqPresetHighest, eqPreset);
        return head + buf + "\r";
      }
      case 'H': {
        if (!arg.empty()) return std::nullopt;
        if (!oldGroupTable()) {
          const int perGroup = groups.empty() ? 0 : groups[0];
          return head + hex(unsigned(groups.size()), 2) + hex(perGroup, 2) + "\r";
        }
        std::string r = head + hex(unsigned(groups.size()), 1);
        for (int n : groups) r += hex(n == 16 ? 0 : n, 1);
        return r + "\r";
      }
      case 'I':
        if (!arg.empty()) return std::nullopt;
        return head + hex(bandStartCode, 4) + "\r";
      case 'J':
        if (!arg.empty()) return std::nullopt;
        return head + hex(bandSteps, 4) + "\r";
      case 'O':
        if (!arg.empty()) return std::nullopt;
        busy_ = true;
        busyUntilMs_ = nowMs + busyAfterZarnMs;
        return std::nullopt;
      default:
        return std::nullopt;
    }
  }

  if (lead != '#') return std::nullopt;
  switch (letter) {
    case 'A':
      if (arg == "1") return ack;
      if (arg == "0" && z3k) return ack;
      return std::nullopt;
    case 'B':
      if (arg == "1") {
        status = char(status | 0x02);
      } else if (arg == "0") {
        status = char(status & ~0x02);
      } else {
        return std::nullopt;
      }
      return ack;
    case 'C':
      if (arg.size() != 6) return std::nullopt;
      if (std::any_of(arg.begin(), arg.end(), [](char c) { return c < ' ' || c > '~'; })) {
        return std::nullopt;
      }
      name = std::string(arg);
      return ack;
    case 'D': {
      std::optional<unsigned> g, c;
      if (shortGroupChannel()) {
        if (arg.size() != 2) return std::nullopt;
        g = parseHex(arg.substr(0, 1));
        c = parseHex(arg.substr(1, 1));
        if (c && *c == 0) c = 16;
      } else {
        if (arg.size() != 4) return std::nullopt;
        g = parseHex(arg.substr(0, 2));
        c = parseHex(arg.substr(2, 2));
      }
      if (!g || !c) return std::nullopt;
      const auto code = channelCode(int(*g), int(*c));
      if (!code) return std::nullopt;
      group = int(*g);
      channel = int(*c);
      frequencyCode = *code;
      status = char(status & ~0x01);
      return head + hex(frequencyCode, 4) + "\r";
    }
    case 'F': {
      const auto level = arg.size() == 2 ? parseHex(arg) : std::nullopt;
      if (!level || *level > squelchMax) return std::nullopt;
      squelchLevel = uint8_t(*level);
      return ack;
    }
    case 'G': {
      const auto preset = z3k && arg.size() == 2 ? parseDecimal(arg) : std::nullopt;
      if (!preset || int(*preset) > eqPresetHighest) return std::nullopt;
      eqPreset = int(*preset);
      return ack;
    }
    case 'K': {
      const auto code = arg.size() == 4 ? parseHex(arg) : std::nullopt;
      if (!code || *code < bandStartCode || *code > unsigned(bandStartCode) + bandSteps) {
        return std::nullopt;
      }
      frequencyCode = uint16_t(*code);
      status = char(status | 0x01);
      return ack;
    }
    case 'Q':
      if (arg == "1") {
        status = char((status & 0x03) | 0x40);
      } else if (arg == "0") {
        status = char((status & 0x03) | 0x30);
      } else {
        return std::nullopt;
      }
      busy_ = true;
      busyUntilMs_ = nowMs + busyAfterZarnMs;
      return std::nullopt;
    case 'R':
      if (arg == "0") {
        antennaMode = AntennaMode::Diversity;
      } else if (arg == "1") {
        antennaMode = AntennaMode::B;
      } else if (arg == "2") {
        antennaMode = AntennaMode::A;
      } else {
        return std::nullopt;
      }
      return ack;
    case 'P': {
      if (!z3k || arg.size() != 11) return std::nullopt;
      const auto slot = parseDecimal(arg.substr(0, 1));
      const auto index = parseHex(arg.substr(1, 2));
      const auto value = parseHex(arg.substr(3, 8));
      if (!slot || !index || *index >= 160 || !value) return std::nullopt;
      auto [it, fresh] = eqSlots.try_emplace(int(*slot));
      if (fresh) it->second.fill(0);
      it->second[*index] = int32_t(uint32_t(*value));
      return std::string(line) + "\r";
    }
    default:
      return std::nullopt;
  }
}

}  // namespace sim
