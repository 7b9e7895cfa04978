// The serial bus link: the one port to the receivers, the one shared CommandBuffer, and the
// two primitives every command goes through.
//
//   SendCommand: no port -> the buffer keeps the command (not sent). Otherwise purge the
//     receive queue, write the buffer; on success purge again and empty the buffer. An empty
//     buffer after a send is the only sign that the line went out.
//   ReadReply: appends bytes to the buffer until a CR (kept) ends the reply. A failed read,
//     or more than 0.3 s on the clock without the CR, empties the buffer: no reply. Bytes
//     after the CR stay in the queue until the next send purges them.
//
// A line whose reply nobody reads (the load's own commands, Zarn, YES/NO) is remembered:
// the next SendCommand on the same port first waits for that reply's CR, at most until the
// 0.3 s window counted from that line has passed (as a read would), and drops it. A receiver may
// answer later than the caller's pause (a USB adapter holds received bytes for its latency timer),
// and that reply must not be taken for the answer to the next command. Broadcasts to address 00 get
// no reply and are not waited for.
//
// The port search (OpenBus, OpenFirstWorkingPort) needs the screens around it for the port
// menu, the progress window and the detection; it reaches them through PortSearchHooks, so
// this module knows no widget.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "platform/SerialPort.h"

namespace vondrix {

// What the port search asks of the main screen.
class PortSearchHooks {
 public:
  virtual ~PortSearchHooks() = default;
  // The port menu item of index PortIndex (1..6): enabled with that caption / checked /
  // unchecked. Other indices: nothing.
  virtual void EnablePortMenuItem(const std::string& name) = 0;
  virtual void CheckPortMenuItem() = 0;
  virtual void UncheckPortMenuItem() = 0;
  virtual void ShowMessage(const std::string& text) = 0;
  // The progress window's hidden port label.
  virtual void ShowTriedPort(const std::string& name) = 0;
  // Runs the detection with its banner on the port just opened; returns ReceiverCount.
  virtual int DetectWithBanner() = 0;
  // Starts the main screen's poll timer.
  virtual void StartPolling() = 0;
  // True once the operator has ended the search during a sweep (by quitting): no further
  // port is tried after the port at hand.
  virtual bool SearchCancelled() = 0;
};

class BusLink {
 public:
  static constexpr uint32_t kSearchTimeoutMs = 200;  // first open by the port search
  static constexpr uint32_t kReopenTimeoutMs = 20;   // Reconnect and ReopenBus
  static constexpr uint32_t kReplyWindowMs = 300;

  explicit BusLink(platform::SerialBackend& backend) : backend_(backend) {}

  std::unique_ptr<platform::SerialPort> ComPortHandle;  // the open port, or none
  std::string CommandBuffer;
  // Whether the last SendCommand got its line out (the buffer alone cannot tell an unsent
  // command from a reply).
  bool LineSent = false;
  uint32_t BytesWritten = 0;
  uint32_t BytesRead = 0;
  bool LastIoResult = false;
  int32_t PortIndex = 0;
  std::array<std::string, 10> PortNames;  // "COMn" at 1..6 in the order found
  std::string SelectedPortName;

  void SendCommand();
  void ReadReply();
  // The pattern of every command routine: sends line and, only when it went out, reads
  // the reply. Returns the reply, or "" when none came or the line was not sent (the
  // buffer then still holds the command).
  std::string Transact(const std::string& line);
  // True when the last line went out and a reply is in the buffer: what callers that
  // retry count as an answer.
  bool ReplyCame() const { return LineSent && !CommandBuffer.empty(); }

  // Port search over COM1..COM20 (at most six kept), then OpenFirstWorkingPort. When no
  // port opens, the message (also written to standard error) is "Can't Open COM Port" and
  // one line per port that has a device: "COM3 (/dev/ttyUSB0): " + the reason; or, when no
  // name has a device, "COM1 to COM20: " + the reason.
  void OpenBus(PortSearchHooks& hooks);
  // Tries the found ports from the highest down and keeps the first with receivers; stops
  // early when the search is cancelled, with the fallback selection of a search that found
  // nobody.
  void OpenFirstWorkingPort(int count, PortSearchHooks& hooks);
  void CloseBus();
  // Reopens SelectedPortName with the 20 ms time-outs, no detection; failures are silent.
  void ReopenBus();

  // The Reconnect command's port step: open SelectedPortName as ReopenBus does.
  enum class ReopenResult { NotOpened, Ready, SettingsRefused };
  ReopenResult ReopenSelectedPort();

 private:
  // Opens a port and applies the time-outs and line settings; nullptr when it cannot.
  bool OpenConfigured(const std::string& name, uint32_t timeoutMs, bool& settingsAccepted);
  // Reads and drops the reply of the unread line, up to its CR or the end of the window.
  void DropUnreadReply();

  platform::SerialBackend& backend_;
  // The port on which a line went out whose reply no ReadReply has taken; nullptr when none.
  const platform::SerialPort* unreadReplyOn_ = nullptr;
  uint32_t unreadReplySentMs_ = 0;  // when that line went out
};

}  // namespace vondrix
