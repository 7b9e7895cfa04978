#include "vondrix/network/NetworkFileWindows.h"

#include "vondrix/detail/DetailWindows.h"
#include "vondrix/network/MainScreen.h"
#include "vondrix/network/Program.h"

namespace vondrix {

DetailWindow& NetworkFileWindows::Point(DetailWindowKind window, const std::string& address) {
  DetailWindow& w = window == DetailWindowKind::Form3 ? static_cast<DetailWindow&>(*program_.Form3)
                                                      : *program_.Form7;
  w.AddressReceiver(program_.Slots.SelectedSlot, address);
  return w;
}

void NetworkFileWindows::QueryState(int slot) {
  program_.Form1->Queries.QueryState(slot);
}

std::optional<std::string> NetworkFileWindows::QueryEqPreset(const std::string& address) {
  Point(DetailWindowKind::Form7, address);
  if (!program_.Form7->QueryEqPreset()) return std::nullopt;
  return program_.Detail.EqPresetIndex;
}

void NetworkFileWindows::SendName(DetailWindowKind window, const std::string& address) {
  Point(window, address).SendName();
}

void NetworkFileWindows::SendGroupChannel(DetailWindowKind window, const std::string& address) {
  Point(window, address).SendGroupChannel();
}

void NetworkFileWindows::TuneFrequency(DetailWindowKind window, const std::string& address,
                                       std::int32_t kHz) {
  Point(window, address).TuneFrequency(kHz);
}

void NetworkFileWindows::SendEqPreset(const std::string& address, const std::string& preset) {
  Point(DetailWindowKind::Form7, address);
  program_.Detail.EqPresetIndex = preset;
  program_.Form7->SendEqPreset();
}

}  // namespace vondrix
