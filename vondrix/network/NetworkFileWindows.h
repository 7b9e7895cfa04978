// The network file's queries and replay routines as the real windows run them: the main
// screen's QueryState and the detail windows' own routines (SendName, SendGroupChannel,
// TuneFrequency, QueryEqPreset, SendEqPreset), so that none of them is written twice.
//
// Each detail-window routine first points its window at the receiver (AddressReceiver with
// SelectedSlot, which the replay sets, and the address as it is), as the window's opener
// would. The window is not shown; it keeps that receiver until it is next opened.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "vondrix/network/NetworkLoad.h"
#include "vondrix/network/NetworkSave.h"

namespace vondrix {

class DetailWindow;
class Program;

class NetworkFileWindows : public NetworkSaveQueries, public NetworkLoadRoutines {
 public:
  explicit NetworkFileWindows(Program& program) : program_(program) {}

  // Both the save's and the replay's.
  void QueryState(int slot) override;
  // TForm7's QueryEqPreset: the preset its StaticText23 then shows, when a reply came.
  std::optional<std::string> QueryEqPreset(const std::string& address) override;
  void SendName(DetailWindowKind window, const std::string& address) override;
  void SendGroupChannel(DetailWindowKind window, const std::string& address) override;
  void TuneFrequency(DetailWindowKind window, const std::string& address,
                     std::int32_t kHz) override;
  // EqPresetIndex := preset, then TForm7's SendEqPreset.
  void SendEqPreset(const std::string& address, const std::string& preset) override;

 private:
  DetailWindow& Point(DetailWindowKind window, const std::string& address);

  Program& program_;
};

}  // namespace vondrix
