// What File > Load of the main screen does with the lines of a network file: each line that
// belongs to the receiver of its slot (same model and address, and fields that may go out
// as they stand: LineAppliesToSlot, NetworkFile.h) is replayed into that receiver, paced by
// short sleeps.
//
// A line is planned as a list of steps (data, so that what a line sends can be read and
// tested without windows) and the steps are then run against the program:
//   sleep 20 ms; then, only for a line that applies to its slot:
//   store     the name, group, channel and frequency code into the slot tables (and the
//             current-receiver values), the name line "aa NAMEXX" into the panel, and the
//             status digit into CurrentStatus;
//   send      "#aaF" + squelch + CR, sleep 10 ms;
//   send      "#aaB0\r" for status 0 or 1, else "#aaB1\r", sleep 20 ms;
//   select    HoveredSlot and SelectedSlot := the slot; the mute glyph from CurrentStatus;
//   SendName  of the model's detail window (TForm3 for "Q5V", TForm7 for "Z3K") with the name;
//   SendGroupChannel for status 0 or 2, after QueryState of the slot, since the command's
//             form follows the firmware held and that must be this receiver's; else
//             TuneFrequency with the frequency code x 25 kHz;
//   second model only: SendEqPreset with the preset, sleep 10 ms, send "#aaR0\r", sleep
//   20 ms, send "#aaQ0\r" for YES/NO "0" else "#aaQ1\r", sleep 40 ms.
// The load's own sends read no reply; the detail routines check theirs.
//
// Failure contract: a frequency field that is not hexadecimal throws the run time's
// conversion error when its TuneFrequency step runs (the lines before it have been replayed);
// a missing mute picture throws MuteGlyphMissing. The caller shows the error and switches
// polling and blinking back on however the load ends.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "vondrix/buslink/BusLink.h"
#include "vondrix/network/NetworkFile.h"
#include "vondrix/network/ReceiverQueries.h"
#include "vondrix/network/ReceiverState.h"

namespace vondrix {

// The detail window whose routines replay a line: TForm3 (first model) or TForm7 (second).
enum class DetailWindowKind { Form3, Form7 };

struct LoadStep {
  enum class Kind {
    Sleep,             // ms
    Send,              // text: the command line
    Store,             // slot, fields
    Select,            // slot
    QueryState,        // slot
    SendName,          // window, address, text: the name
    SendGroupChannel,  // window, address
    TuneFrequency,     // window, address, text: the frequency code (hexadecimal)
    SendEqPreset,      // address, text: the preset
  };
  Kind kind = Kind::Sleep;
  std::uint32_t ms = 0;
  std::string text;
  int slot = 0;
  DetailWindowKind window = DetailWindowKind::Form3;
  std::string address;
  NetworkLine fields;
};

// The routines the replay calls. Each detail-window routine sets the window's address
// control to address first and reads its reply as the window does.
class NetworkLoadRoutines {
 public:
  virtual ~NetworkLoadRoutines() = default;
  // The main screen's QueryState of the slot (ReceiverQueries::QueryState): the firmware
  // version, status and mute glyph of that receiver.
  virtual void QueryState(int slot) = 0;
  // SendName of the window, with CurrentName (the replay has set it).
  virtual void SendName(DetailWindowKind window, const std::string& address) = 0;
  // SendGroupChannel of the window, with CurrentGroup and CurrentChannel.
  virtual void SendGroupChannel(DetailWindowKind window, const std::string& address) = 0;
  virtual void TuneFrequency(DetailWindowKind window, const std::string& address,
                             std::int32_t kHz) = 0;
  // TForm7: EqPresetIndex := preset, then SendEqPreset.
  virtual void SendEqPreset(const std::string& address, const std::string& preset) = 0;
};

// The steps of line number slot (1-based) of a file.
std::vector<LoadStep> PlanLoadLine(int slot, const std::string& line, const SlotTables& tables);

class NetworkLoad {
 public:
  NetworkLoad(BusLink& bus, SlotTables& tables, CurrentReceiver& current, KnownEqPresets& presets,
              PanelView& view, NetworkLoadRoutines& routines)
      : bus_(bus),
        slots_(tables),
        current_(current),
        presets_(presets),
        view_(view),
        routines_(routines) {}

  // Runs the steps in order.
  void Run(const std::vector<LoadStep>& steps);
  // The whole load of a file's lines: ReceiverCount := LoadedReceiverCount (the file's lines,
  // at most DetectedReceiverCount, what the last detection found, whatever an earlier load
  // left), then line s is planned and run for s = 1..ReceiverCount.
  // The caller refuses a file of which no line applies to its slot first
  // (AnyLineAppliesToItsSlot): it is another network's or no network file, and must not
  // change the count.
  void Replay(const std::vector<std::string>& lines);

 private:
  void Store(const LoadStep& step);

  BusLink& bus_;
  SlotTables& slots_;
  CurrentReceiver& current_;
  KnownEqPresets& presets_;
  PanelView& view_;
  NetworkLoadRoutines& routines_;
};

}  // namespace vondrix
