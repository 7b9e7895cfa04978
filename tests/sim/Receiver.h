// One simulated wireless-microphone receiver: its state and its answers to the ASCII
// command lines of the bus. A Receiver knows nothing of time or of the wire; the Bus
// (Bus.h) assembles lines, routes them by address, applies faults and schedules replies.
//
// What the receiver does where the programs' side leaves it open (the receivers' own
// choices, fixed here so that every test sees the same device):
// - Every reply starts with the lead character "$", then the two address digits.
// - Numbers are read and written as upper-case hexadecimal; a line with a lower-case or
//   otherwise malformed argument, an argument out of range (group, channel, squelch
//   level, preset, a K frequency outside the band) or an unknown command is ignored:
//   no reply and no change, as a receiver drops a line it does not understand.
// - Firmware "1.4A": major digit, ".", two more characters; the version is the number of
//   the first three characters. The D query answers in the short layout (group hex digit,
//   channel as "0" + channel, so 10 is ":" and 16 is "@") below 1.2 on a Q5V and below 2.0
//   on a Z3K, otherwise in the wide layout (2 + 2 hex digits). The D set accepts the
//   matching form only: short = group hex digit + channel hex digit ("0" = 16), wide =
//   2 + 2 hex digits. The H query answers in the old form below 1.2 (both models) and in
//   the new form from 1.2 on, as the programs' group-table query expects.
// - Status character: bit 0 = tuned by frequency (set by K, cleared by D set), bit 1 =
//   muted (B1/B0), bit 5 (0x20) = the YES/NO option is NO. The digits "0".."3" all have
//   bit 5 set, so a receiver whose option is YES sends the same two low bits with bit 5
//   clear and bit 6 set: "@".."C". Q1 gives "@".."C", Q0 gives "0".."3".
// - After "O" (Zarn) and after Q1/Q0 the receiver is busy for busyAfterZarnMs (600 ms)
//   and ignores every line meanwhile; these commands themselves get no reply.
// - The squelch query's argument is ignored; the threshold of a level is
//   calLowA + level * (calHighA - calLowA) / (2 * squelchMax), in raw RF units.
// - EQ presets (G), coefficient frames (P) and the end command (A0) belong to the second
//   model only; a Q5V ignores them. A well-formed P frame is stored and echoed byte for
//   byte; "#00A0\r" (the quit broadcast) gets no reply from anyone.
// - The RF level follows the tuned frequency: the carriers on the air (Bus::carriers)
//   give triangular peaks over a low floor, converted to raw readings through the
//   receiver's calibration (low reading = 6 dB, high reading = 40 dB). Antenna B reads
//   2 dB less than antenna A. A Z3K reports the antenna in use: A (R2), B (R1) or, in
//   diversity (R0), the stronger one; its antenna code is 135 for A, 45 for B and
//   directionCode (0, 9, 18 or 27) in diversity.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sim {

enum class Model { Q5V, Z3K };

// "Q5V" / "Z3K".
std::string modelCode(Model m);

enum class AntennaMode { Diversity, A, B };

// A transmitter on the air: its frequency code (kHz / 25) and its level in dB at the
// receivers' antennas.
struct Carrier {
  uint16_t code = 0;
  double levelDb = 0;
};

// What a receiver does wrong on purpose, for the programs' failure paths.
enum class Fault {
  None,
  Silent,        // no reply at all
  WrongAddress,  // the reply carries otherAddress in characters 2-3
  Short,         // only the first shortKeep characters of the reply, then CR
  Garbage,       // payload (or, without one, the address) replaced by non-hex text
  Split,         // the reply arrives in splitPieces pieces, splitGapMs apart
  Late,          // the whole reply arrives lateMs after the usual latency
};

struct FaultSpec {
  Fault kind = Fault::None;
  int times = -1;  // replies still affected; -1 = every reply
  // Only replies to lines whose lead and command start so: "%A" the identify query, "#A1"
  // the probe, "%N" the status query. Empty: every reply.
  std::string onlyFor = "";
  // Replies (of the onlyFor kind) that still go out unharmed before the fault starts.
  int after = 0;
  int otherAddress = 0;  // WrongAddress; 0 = the next address (64 wraps to 01)
  int shortKeep = 6;
  int splitPieces = 3;
  uint32_t splitGapMs = 50;
  uint32_t lateMs = 400;
};

struct Receiver {
  Model model = Model::Q5V;
  int address = 1;
  std::string name = "      ";  // 6 characters
  std::string firmware = "1.4A";
  std::string band = "JB";  // 2-character band designation
  char status = '0';
  uint16_t bandStartCode = 31920;  // 798.000 MHz
  uint16_t bandSteps = 960;        // 24 MHz
  uint16_t frequencyCode = 31920;
  int group = 1;
  int channel = 1;
  std::vector<int> groups = std::vector<int>(8, 16);  // channel count of each group
  uint8_t calLowA = 20, calLowB = 22, calHighA = 80, calHighB = 84;
  uint8_t squelchMax = 5, squelchLevel = 2;
  int eqPresetHighest = 9, eqPreset = 0;
  uint8_t af = 150;      // Q5V: raw audio level; Z3K: 0..6
  uint8_t battery = 20;  // Q5V: battery code 17..35; Z3K: level 0..5
  uint8_t directionCode = 0;
  AntennaMode antennaMode = AntennaMode::Diversity;
  uint32_t busyAfterZarnMs = 600;
  FaultSpec fault;
  // Coefficient frames received, by preset slot, 160 entries (band * 5 + k) each.
  std::map<int, std::array<int32_t, 160>> eqSlots;

  // A receiver of model m at address with plausible values of that model.
  static Receiver make(Model m, int address);

  // The firmware number of the first three characters ("1.4A" -> 1.4; 0 when unreadable).
  double firmwareNumber() const;
  // Short D layout and old D set form (Q5V below 1.2, Z3K below 2.0).
  bool shortGroupChannel() const;
  // Old H form (below 1.2).
  bool oldGroupTable() const;
  // Frequency code of group g, channel c (1-based): channels spread over the band, each
  // group shifted a little; nullopt when there is no such entry.
  std::optional<uint16_t> channelCode(int g, int c) const;
  uint8_t squelchThreshold() const;
  // Raw RF readings of antennas A and B at the tuned frequency.
  uint8_t rfRawA(const std::vector<Carrier>& air) const;
  uint8_t rfRawB(const std::vector<Carrier>& air) const;

  // Answers one request line (without its CR; lead, address and command already known
  // to be for this receiver). Returns the reply with its CR, or nothing (no reply or a
  // line it ignores). nowMs only feeds the busy time after O/Q.
  std::optional<std::string> answer(std::string_view line, const std::vector<Carrier>& air,
                                    uint32_t nowMs);
  // True while the receiver ignores lines after O or Q1/Q0.
  bool busyAt(uint32_t nowMs) const;

 private:
  uint32_t busyUntilMs_ = 0;
  bool busy_ = false;
};

}  // namespace sim
