#include "vondrix/buslink/BusLink.h"

#include <iostream>

#include "platform/Clock.h"

namespace vondrix {
namespace {

platform::Timeouts timeoutsOf(uint32_t ms) {
  platform::Timeouts t;
  t.readTotalConstant = ms;
  t.writeTotalConstant = ms;
  return t;
}

// Lines to "00" reach every receiver and none answers.
bool ExpectsReply(const std::string& line) {
  return line.size() < 3 || line.compare(1, 2, "00") != 0;
}

}  // namespace

void BusLink::SendCommand() {
  LineSent = false;
  if (!ComPortHandle) return;
  if (unreadReplyOn_ == ComPortHandle.get()) DropUnreadReply();
  unreadReplyOn_ = nullptr;
  ComPortHandle->purgeReceive();
  LastIoResult = ComPortHandle->write(CommandBuffer.data(),
                                      static_cast<uint32_t>(CommandBuffer.size()), BytesWritten);
  if (!LastIoResult) return;
  ComPortHandle->purgeReceive();
  if (ExpectsReply(CommandBuffer)) {
    unreadReplyOn_ = ComPortHandle.get();
    unreadReplySentMs_ = platform::clock().tickCount();
  }
  CommandBuffer.clear();
  LineSent = true;
}

void BusLink::DropUnreadReply() {
  // The reply is waited for as long as a read right after its line would have waited.
  platform::Clock& clock = platform::clock();
  while (clock.tickCount() - unreadReplySentMs_ <= kReplyWindowMs) {
    char byte = 0;
    uint32_t got = 0;
    if (!ComPortHandle->readByte(byte, got)) return;
    if (got == 1 && byte == '\r') return;
  }
}

void BusLink::ReadReply() {
  unreadReplyOn_ = nullptr;
  platform::Clock& clock = platform::clock();
  const uint32_t t0 = clock.tickCount();
  for (;;) {
    char byte = 0;
    BytesRead = 0;
    LastIoResult = ComPortHandle && ComPortHandle->readByte(byte, BytesRead);
    if (!LastIoResult) {
      CommandBuffer.clear();
      return;
    }
    if (BytesRead == 1) {
      CommandBuffer += byte;
      if (byte == '\r') return;
    }
    // Whole milliseconds against the window: 300 ms is still inside it (in binary floating
    // point 300 * 0.001 would already count as past 0.3).
    if (clock.tickCount() - t0 > kReplyWindowMs) {
      CommandBuffer.clear();
      return;
    }
  }
}

std::string BusLink::Transact(const std::string& line) {
  CommandBuffer = line;
  SendCommand();
  if (!CommandBuffer.empty()) return {};  // not sent: the buffer still holds the command
  ReadReply();
  return CommandBuffer;
}

void BusLink::OpenBus(PortSearchHooks& hooks) {
  PortIndex = 0;
  std::string failures;     // one line per port with a device that would not open
  std::string noDeviceWhy;  // why a name without a device failed
  for (int n = 1; n <= 20; ++n) {
    const std::string name = "COM" + std::to_string(n);
    std::string why;
    if (auto probe = backend_.open(name, &why)) {
      PortIndex += 1;
      hooks.EnablePortMenuItem(name);
      PortNames[PortIndex] = name;
    } else if (const std::string path = backend_.devicePath(name); !path.empty()) {
      failures += "\n" + name + " (" + path + "): " + why;
    } else if (noDeviceWhy.empty()) {
      noDeviceWhy = why;
    }  // the probe handle closes here
    ComPortHandle.reset();
    if (PortIndex == 6) break;
  }
  if (PortIndex <= 0) {
    if (failures.empty()) failures = "\nCOM1 to COM20: " + noDeviceWhy;
    const std::string text = "Can't Open COM Port" + failures;
    std::cerr << text << '\n';
    hooks.ShowMessage(text);
    return;
  }
  OpenFirstWorkingPort(PortIndex, hooks);
}

bool BusLink::OpenConfigured(const std::string& name, uint32_t timeoutMs, bool& settingsAccepted) {
  unreadReplyOn_ = nullptr;
  ComPortHandle = backend_.open(name);
  if (!ComPortHandle) return false;
  ComPortHandle->setTimeouts(timeoutsOf(timeoutMs));
  settingsAccepted = ComPortHandle->setLineSettings(platform::LineSettings{});
  if (settingsAccepted) ComPortHandle->setupQueues(100, 100);
  return true;
}

void BusLink::OpenFirstWorkingPort(int count, PortSearchHooks& hooks) {
  for (int k = count; k >= 1; --k) {
    SelectedPortName = PortNames[k];
    hooks.ShowTriedPort(SelectedPortName);
    bool accepted = false;
    if (!OpenConfigured(SelectedPortName, kSearchTimeoutMs, accepted)) continue;
    if (!accepted) {
      ComPortHandle.reset();
      continue;
    }
    PortIndex = k;
    if (hooks.DetectWithBanner() >= 1) {
      hooks.CheckPortMenuItem();
      SelectedPortName = PortNames[k];
      hooks.StartPolling();
      return;
    }
    hooks.UncheckPortMenuItem();
    ComPortHandle.reset();
    if (hooks.SearchCancelled()) break;
  }
  // No port with receivers: the selection falls back to the first port tried, closed. This
  // also covers a last port that could not be opened or set up, so the menu always shows
  // which port Reconnect will try.
  PortIndex = count;
  SelectedPortName = PortNames[count];
  hooks.CheckPortMenuItem();
}

void BusLink::CloseBus() {
  unreadReplyOn_ = nullptr;
  ComPortHandle.reset();
}

BusLink::ReopenResult BusLink::ReopenSelectedPort() {
  bool accepted = false;
  if (!OpenConfigured(SelectedPortName, kReopenTimeoutMs, accepted)) return ReopenResult::NotOpened;
  return accepted ? ReopenResult::Ready : ReopenResult::SettingsRefused;
}

void BusLink::ReopenBus() {
  ReopenSelectedPort();
}

}  // namespace vondrix
