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
// form has it. The two second-model fields only for the model "Z3K".
std::string FormatNetworkLine(const NetworkLine& line);

// The fields of a line, cut by position; fields past the end of a short line are shorter or
// empty.
NetworkLine CutNetworkLine(const std::string& line);

// True when the line belongs to the receiver of slot: its model and address are the slot's,
// and it is long enough to hold every field of that model.
bool LineAppliesToSlot(const std::string& line, int slot, const SlotTables& tables);

// Writes the lines, each followed by CR LF, as the file at path: through a temporary file
// beside it, so that a failed save leaves the old file as it was. On failure the caller shows
// "Can't Open File".
[[nodiscard]] platform::SaveResult SaveNetworkFile(const std::string& path,
                                                   const std::vector<std::string>& lines);

struct NetworkFileText {
  std::vector<std::string> lines;  // without their line ends
  std::string error;               // why the file could not be read; empty when it was
  bool ok() const { return error.empty(); }
};

// Reads the lines of the file at path, ended by CR LF or LF (a last line without an end
// counts). Reads no more than kMaxSlots lines, since no network has more receivers, and no
// more than 256 characters of a line, since no line of the format is longer.
NetworkFileText ReadNetworkFile(const std::string& path);

// The receivers a load works on: the file's lines, but never more than were detected.
int LoadedReceiverCount(int linesRead, int detected);

// The EQ preset each second-model receiver last reported or was given, by address: what a
// save writes for a receiver whose preset query gets no reply.
struct KnownEqPresets {
  std::map<std::string, std::string> byAddress;
};

}  // namespace vondrix
