// The twin detail windows differ in details only: this table holds them, so that each
// shared routine of DetailWindow is written once. TwinTraits are the fixed differences of
// the two models; TwinRoles are the controls that play each role in a window.
#pragma once

#include <array>
#include <limits>
#include <vector>

#include "forms/Forms.h"
#include "vondrix/detail/DetailLink.h"
#include "vondrix/detail/TextRole.h"
#include "vondrix/detail/TuningMath.h"

namespace vondrix {

class TEditEx;

// Whose calibration converts the squelch threshold into dB.
enum class SquelchAntenna {
  LargerLow,  // antenna B when its low calibration reading is the larger, else A
  A,
};

// How a window waits for its receiver after the Zarn command.
enum class ZarnWait {
  BlinkCaption,  // the button's caption blinks, messages go through, until an answer
  Animation,     // a bounded line animation on the window, no messages in between
};

struct TwinTraits {
  const char* addressPrefix;   // before the address in the address control
  const char* firmwarePrefix;  // before the version in the firmware control
  int pollIntervalMs;
  int pollTries;              // status tries of one poll tick before "Offline"
  bool pollWaitsForDesigner;  // a tick does nothing while "Calyxon" runs
  StatusByte3 statusByte3;
  float newFormatFirmware;       // wide group/channel forms from this version on
  float shiftedDisplayFirmware;  // group numbers shown from 11 on from this version
  bool frequencyModeByLowBits;   // tuned by frequency: low two bits 1 or 3 (else "1"/"3")
  const char* groupChannelPrefix;
  const char* noGroupChannel;  // shown when the receiver is tuned by frequency
  int pictureWidth;            // spectrum and RF-monitor pictures
  SquelchAntenna squelchAntenna;
  const char* clearMarkerLabel;  // the spectrum's placeholders after Clear
  const char* clearMicrovolts;
  const char* clearDbm;
  const char* openMarkerLabel;    // the marker label the opener writes
  int monitorTraces;              // RF-monitor traces (antennas)
  int monitorCapacity;            // points per trace
  const char* monitorMicrovolts;  // the RF monitor's placeholders after Clear
  const char* monitorDbm;

  // Group, channel and frequency
  bool refusedTuneClosesWindow;  // a bad K acknowledgement: "Offline" and the window closes
  LevelSource levelSource;       // the level of a tune, and the Halt test
  bool tvAfterEnter;             // Enter in the frequency field refreshes the TV channel

  // Spectrum scan
  bool stepBeforeMarkerStep;  // the marker buttons read the scan step first

  // RF monitor
  bool monitorOfflineRule;     // three status tries, then Offline (else one unchecked query)
  bool monitorAlignsAntennas;  // the weaker low calibration is lifted before plotting
  std::array<forms::TColor, 2> monitorPens;  // per trace

  // Zarn
  ZarnWait zarnWait;
};

inline constexpr float kNever = std::numeric_limits<float>::infinity();

extern const TwinTraits kForm3Traits;
extern const TwinTraits kForm7Traits;

// Readouts of one RF-monitor trace.
struct MonitorReadout {
  forms::StaticText* microvolts = nullptr;
  forms::StaticText* dbm = nullptr;
};

struct TwinRoles {
  TextRole address, firmware, group, channel, tv, frequency;
  TextRole bandStart, bandStop;          // the receiver block's band texts
  TextRole spectrumStart, spectrumStop;  // the texts under the spectrum picture
  TextRole markerLabel, microvolts, dbm, scanElapsed, monitorElapsed;
  forms::Edit* nameEdit = nullptr;
  forms::BitBtn* run = nullptr;                 // the spectrum's Run/Stop button
  std::array<forms::RadioButton*, 4> steps{};   // 25, 50, 100, 125 kHz
  std::array<forms::RadioButton*, 3> sweeps{};  // Single, Continuous, Halt
  forms::PageControl* pages = nullptr;
  std::vector<forms::TabSheet*> sheets;
  forms::Image* spectrumImage = nullptr;
  forms::Image* monitorImage = nullptr;
  std::vector<MonitorReadout> monitorReadouts;  // per trace
  forms::Timer* pollTimer = nullptr;
  // Squelch extras: the first model's bar and dB text, the second model's LED column.
  forms::StaticText* squelchBar = nullptr;
  forms::StaticText* squelchText = nullptr;
  std::vector<forms::StaticText*> squelchLeds;  // bottom up

  // RF monitor
  forms::RadioButton* monitorSlow = nullptr;  // "Slow"

  // Zarn
  forms::BitBtn* zarnButton = nullptr;    // the first model's: its caption blinks
  forms::StaticText* zarnFace = nullptr;  // the second model's face
  forms::Image* zarnFrom = nullptr;       // where the wait animation starts
  forms::Image* zarnTo = nullptr;         // and where it ends
  forms::StaticText *yesFace = nullptr, *yesLabel = nullptr;  // YES/NO, second model
  forms::StaticText *noFace = nullptr, *noLabel = nullptr;
  std::array<forms::StaticText*, 3> antennaFaces{};  // A, Diversity, B (second model)

  // Designer launch and watch
  forms::Timer* designerWatch = nullptr;  // second model
};

}  // namespace vondrix
