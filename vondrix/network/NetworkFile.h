// The network file ("*.vxn"): the settings of every detected receiver, one line per slot in
// slot order, each line ended by CR LF, no header. Fields are joined by "," but read by
// position, so each has a fixed width:
//
//   Q5V,05,VOCAL1,2,7,7C2B,0A,0          first model, 27 characters
//   Z3K,22,VOCAL2,3,C,6310,02,0,1,03     second model, 32 characters
//   model, address, name (6, blank-padded), group (1 hex digit), channel (1 hex digit),
//   frequency code (4 hex digits), squelch level (2 hex digits), status (0..3: bit 0 tuned by
//   frequency, bit 1 muted); second model: YES/NO ("1" YES, "0" NO), EQ preset (2 digits).
//
// Saving (NetworkSave.h) queries each receiver and writes the file through a temporary file
// beside it; loading (NetworkLoad.h) replays each line into the receiver of the same slot.
// This module holds the format and the file itself.
#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <vector>

#include "platform/AtomicFile.h"
#include "vondrix/network/ReceiverState.h"

namespace vondrix {

constexpr std::size_t kLineLengthQ5V = 27;
constexpr std::size_t kLineLengthZ3K = 32;

struct NetworkLine {
  std::string ModelCode;      // "Q5V" or "Z3K"
  std::string Address;        // "01".."64"
  std::string NameField;      // 6 characters
  std::string Group;          // 1 hex digit
  std::string Channel;        // 1 hex digit
  std::string FrequencyCode;  // 4 hex digits
  std::string SquelchField;   // 2 hex digits
  std::string StatusBits;     // "0".."3"
  std::string QSetting;       // "0" (NO) or "1" (YES); second model only
  std::string EqPreset;       // 2 decimal digits; second model only
};

// The line of these fields (without CR LF), every field brought to its width so that no
// field can move the ones after it: texts are cut or padded (the name with blanks on the
// right, numbers with "0" on the left); a group or channel text longer than one character
// keeps its last one, so a held channel "10" (16) is written "0", as the receivers' one-digit
// form has it. The two second-model fields only for the model "Z3K". Every byte outside
// 0x20-0x7E (a control byte a receiver sent) is written as a blank: a CR or LF would end the
// line early, and the reader would take the rest for the next slot's line.
std::string FormatNetworkLine(const NetworkLine& line);

// The fields of a line, cut by position; fields past the end of a short line are shorter or
// empty.
NetworkLine CutNetworkLine(const std::string& line);

// True when the line belongs to the receiver of slot: its model and address are the slot's,
// it is long enough to hold every field of that model, and the fields that a load sends as
// they stand are what they must be: the name six bytes of 0x20-0x7E, group and channel one
// hexadecimal digit each, the squelch two, the second model's preset two decimal digits.
// A line that fails counts as another receiver's, so that no byte of it can end a command
// line early and put a command of its own on the bus. The status digit, the YES/NO digit and
// the frequency code are not checked here: the load maps any status or YES/NO character to
// its commands, and a frequency code that is not hexadecimal stops the load with the
// conversion error when it is tuned.
bool LineAppliesToSlot(const std::string& line, int slot, const SlotTables& tables);

// True when text is exactly width hexadecimal digits (either case), or decimal digits.
bool IsHexDigits(const std::string& text, std::size_t width);
bool IsDecimalDigits(const std::string& text, std::size_t width);

// True when at least one of the lines that a load replays (line s for slot s, s = 1 up to
// the smaller of the line count and DetectedReceiverCount) applies to its slot. A file
// without such a line belongs to another network or is no network file at all.
bool AnyLineAppliesToItsSlot(const std::vector<std::string>& lines, const SlotTables& tables);

// Writes the lines, each followed by CR LF, as the file at path: through a temporary file
// beside it, so that a failed save leaves the old file as it was. On failure the caller shows
// "Can't Open File".
[[nodiscard]] platform::SaveResult SaveNetworkFile(const std::string& path,
                                                   const std::vector<std::string>& lines);

// What a network file may hold at most: one line per receiver, and lines of up to 256 bytes,
// far more than the format's 32, so that a line with text after its fields still loads.
constexpr int kMaxFileLines = kMaxSlots;
constexpr std::size_t kMaxLineBytes = 256;  // without the line end
// The most bytes a file within the limits has: every line at its longest with CR LF, and
// room for a few empty lines after the last. One byte more always crosses a limit.
constexpr std::size_t kMaxFileBytes =
    std::size_t(kMaxFileLines) * (kMaxLineBytes + 2) + 2 * std::size_t(kMaxFileLines);

struct NetworkFileText {
  enum class Refusal {
    None,
    Unreadable,    // error: the system's reason
    TooManyLines,  // more than kMaxFileLines lines
    LineTooLong,   // line longLine holds more than kMaxLineBytes bytes
  };
  std::vector<std::string> lines;  // without their line ends; empty when refused
  Refusal refusal = Refusal::None;
  std::string error;
  int longLine = 0;
  bool ok() const { return refusal == Refusal::None; }
};

// Reads the lines of the file at path, ended by CR LF or LF (a last line without an end
// counts; empty lines after the last line with bytes do not). A file of more lines or longer
// lines than the limits above is refused whole. At most the bytes that the limits allow plus
// one are read, so a path to a device without end (a zero device) is refused after a few
// kilobytes, and the open does not wait for a writer (a named pipe).
NetworkFileText ReadNetworkFile(const std::string& path);

// The receivers a load works on: the file's lines, but never more than were detected.
int LoadedReceiverCount(int linesRead, int detected);

// The EQ preset each second-model receiver last reported or was given, by address: what a
// save writes for a receiver whose preset query gets no reply.
struct KnownEqPresets {
  std::map<std::string, std::string> byAddress;
};

}  // namespace vondrix
