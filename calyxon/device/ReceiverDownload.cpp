#include "calyxon/device/ReceiverDownload.h"

#include <cstdarg>
#include <cstdio>

#include "calyxon/eq/CoefficientTable.h"
#include "platform/Clock.h"
#include "platform/PortDirectory.h"

namespace calyxon {

namespace {

constexpr std::uint32_t kByteTimeoutMs = 20;
constexpr std::uint32_t kPauseBeforeFramesMs = 3000;
constexpr std::uint32_t kPauseBeforeEndMs = 1000;
constexpr std::uint64_t kWaitSeconds = 3;
const char* const kClientTooLong = "Serial port Wait Too Long Before Client Reponse !!\n";

std::string Format(const char* format, ...) {
  char text[256];
  va_list args;
  va_start(args, format);
  std::vsnprintf(text, sizeof text, format, args);
  va_end(args);
  return text;
}

// Whole seconds a seconds counter has moved on since the tick start. A wait ends once this
// exceeds 3: after 3 to 4 s, depending on where in its second the wait began.
std::uint64_t SecondsMovedSince(std::uint32_t start) {
  const std::uint32_t elapsed = platform::clock().tickCount() - start;
  return (start % 1000 + std::uint64_t(elapsed)) / 1000;
}

void WriteLine(platform::SerialPort& port, const std::string& bytes) {
  std::uint32_t written = 0;
  // A write that fails shows as the missing reply that follows it.
  port.write(bytes.data(), std::uint32_t(bytes.size()), written);
}

// Marks a download as running for as long as it runs, however it ends.
struct RunningFlag {
  explicit RunningFlag(bool& flag) : flag_(flag) { flag_ = true; }
  ~RunningFlag() { flag_ = false; }
  bool& flag_;
};

}  // namespace

ReceiverDownload::ReceiverDownload(EqDesign& design, platform::SerialBackend& ports)
    : design_(design), ports_(ports) {
  SerialPortList = [] { return platform::PortDirectory::load().portNames(); };
}

void ReceiverDownload::Status(const std::string& text) {
  if (ShowStatus) ShowStatus(text);
}

int ReceiverDownload::DownloadEqSlot(int address, int slot) {
  if (running_ || address < 1 || address > 64 || slot < 0 || slot > 9) return 0;
  RunningFlag running(running_);
  BuildDownloadTable();
  std::unique_ptr<platform::SerialPort> port = FindReceiver(address);
  if (!port) {
    Status("Not Com Searched !!\n");
    return 0;
  }
  platform::clock().sleep(kPauseBeforeFramesMs);
  SendFrames(*port, address, slot);
  platform::clock().sleep(kPauseBeforeEndMs);
  SendEnd(*port, address);
  port.reset();
  Status("End of EQ Download.\n");
  return 0;
}

void ReceiverDownload::BuildDownloadTable() {
  for (int j = 0; j < kBandCount; ++j) {
    design_.DownloadFc[j] = static_cast<float>(design_.BandFc[j]);
    design_.DownloadBw[j] = static_cast<float>(design_.BandBw[j]);
    design_.DownloadGain[j] = static_cast<float>(design_.BandGain[j]);
  }
  const std::string saturated = SaturationStatusText(BuildCoefficientTable(design_));
  if (!saturated.empty()) Status(saturated);
}

std::unique_ptr<platform::SerialPort> ReceiverDownload::FindReceiver(int address) {
  for (const std::string& name : SerialPortList()) {
    Status(Format("Search %s.\n", name.c_str()));
    std::unique_ptr<platform::SerialPort> port = ports_.open(name);
    if (!port) {
      Status(Format("CreateFile failed with error %d.\n", ports_.lastOpenError()));
      continue;
    }
    platform::LineSettings settings;
    if (!port->getLineSettings(settings)) {
      Status(Format("GetCommState failed with error %d.\n", port->lastError()));
      continue;
    }
    settings.baudRate = 115200;
    settings.byteSize = 8;
    settings.parity = 0;
    settings.stopBits = 0;
    if (!port->setLineSettings(settings)) {
      Status(Format("SetCommState failed with error %d.\n", port->lastError()));
      continue;
    }
    Status(Format("Serial port %s successfully reconfigured.\n", name.c_str()));
    WriteLine(*port, HandshakeLine(address));
    ReplyRing<4> ring;
    if (Wait(*port, ring,
             [address](const ReplyRing<4>& r) { return HoldsAcknowledge(r, address); }))
      return port;
    Status("Wait Too Long !!\n");
  }
  return nullptr;
}

void ReceiverDownload::SendFrames(platform::SerialPort& port, int address, int slot) {
  ReplyRing<kFrameSize> ring;
  for (int i = 0; i < kBandCount; ++i) {
    for (int k = 0; k < 5; ++k) {
      const std::string frame =
          CoefficientFrame(address, slot, i * 5 + k, design_.DownloadCoefficients[i][k]);
      Status(Format(" i %3d   j %3d \n", i, k));
      WriteLine(port, frame);
      const bool echoed = Wait(port, ring, HoldsFrame);
      for (std::size_t b = 0; b < kFrameSize; ++b) {
        if (ring.Bytes()[b] != frame[b])
          Status(DataErrorText(static_cast<unsigned char>(frame[b]),
                               static_cast<unsigned char>(ring.Bytes()[b])));
      }
      if (!echoed) {
        Status(kClientTooLong);
        return;
      }
    }
  }
}

void ReceiverDownload::SendEnd(platform::SerialPort& port, int address) {
  WriteLine(port, EndLine(address));
  ReplyRing<4> ring;
  if (!Wait(port, ring, [address](const ReplyRing<4>& r) { return HoldsAcknowledge(r, address); }))
    Status(kClientTooLong);
}

template <std::size_t N, class Holds>
bool ReceiverDownload::Wait(platform::SerialPort& port, ReplyRing<N>& ring, Holds holds) {
  ring.Clear();
  const std::uint32_t start = platform::clock().tickCount();
  for (;;) {
    port.setTimeouts({kByteTimeoutMs, kByteTimeoutMs});
    char byte = 0;
    std::uint32_t got = 0;
    if (port.readByte(byte, got)) {
      ring.Store(byte, got);
    } else {
      // A port that went away fails at once; waiting out the read time-out keeps the loop
      // from spinning until the wait ends.
      platform::clock().sleep(kByteTimeoutMs);
    }
    const bool timedOut = SecondsMovedSince(start) > kWaitSeconds;
    if (ProcessMessages) ProcessMessages();
    if (holds(ring)) return true;
    if (timedOut) return false;
  }
}

}  // namespace calyxon
