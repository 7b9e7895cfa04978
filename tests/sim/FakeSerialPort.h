// A serial port wired to a simulated Bus, on the process clock (platform::clock(), a
// VirtualClock in tests), and a backend that opens such ports by "COMn" name.
//
// Timing, as a real driver behaves:
// - write() hands the bytes to the bus at the current time; the replies arrive later
//   (Bus::latencyMs, plus what a fault adds). Bytes still in flight are not received yet.
// - readByte() returns at once with a byte that has arrived; otherwise it waits (sleeps on
//   the clock) until the next byte arrives if that is within the read time-out, else for
//   the whole time-out and returns got = 0. A read time-out of 0 returns at once.
// - purgeReceive() drops the bytes that have arrived; bytes still in flight arrive later.
// - The receivers speak 115200 8N1 only: bytes written while the port holds other line
//   settings (the driver's own 9600 until setLineSettings) reach no receiver.
#pragma once

#include <deque>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/SerialPort.h"
#include "sim/Bus.h"

namespace sim {

// What the backend knows of one port name; shared with the open port.
struct FakePortState {
  Bus* bus = nullptr;
  bool open = false;
  bool openFails = false;  // open() refuses (EACCES)
  bool refusesLineSettings = false;
  bool ioFails = false;  // reads and writes fail (EIO), as an unplugged adapter
};

class FakeSerialPort : public platform::SerialPort {
 public:
  // A port on bus; state may be shared with a backend (nullptr: a port of its own).
  explicit FakeSerialPort(Bus& bus, std::shared_ptr<FakePortState> state = nullptr);
  ~FakeSerialPort() override;

  bool setLineSettings(const platform::LineSettings& s) override;
  bool getLineSettings(platform::LineSettings& s) override;
  bool setTimeouts(const platform::Timeouts& t) override;
  bool setupQueues(uint32_t inBytes, uint32_t outBytes) override;
  bool purgeReceive() override;
  bool write(const void* data, uint32_t n, uint32_t& written) override;
  bool readByte(char& byte, uint32_t& got) override;
  int lastError() const override { return error_; }
  std::string errorText() const override;

  const platform::Timeouts& timeouts() const { return timeouts_; }

 private:
  struct Due {
    uint32_t atMs;
    char byte;
  };
  bool fail(int err);
  bool speaksBusLanguage() const;

  Bus& bus_;
  std::shared_ptr<FakePortState> state_;
  platform::LineSettings settings_;
  platform::Timeouts timeouts_;
  std::deque<Due> incoming_;  // ordered by arrival time
  int error_ = 0;
};

// Port names mapped to buses. A name that was never attached does not exist (not mapped);
// a port that is open already is busy (EBUSY), as ports are not shared; the reasons read as
// the real ports' do. Closing = the
// program destroying its port; it can then be opened again.
class FakeSerialBackend : public platform::SerialBackend {
 public:
  // portName ("COM3") now exists, with the receivers of bus (which must outlive its ports).
  void attach(const std::string& portName, Bus& bus);
  void setOpenFails(const std::string& portName, bool fails);
  void setRefusesLineSettings(const std::string& portName, bool refuses);
  void setIoFails(const std::string& portName, bool fails);

  bool isOpen(const std::string& portName) const;
  // Every open() asked for, in order, whether it worked or not.
  const std::vector<std::string>& openAttempts() const { return attempts_; }

  std::unique_ptr<platform::SerialPort> open(const std::string& portName,
                                             std::string* error = nullptr) override;
  // "sim:COM3" for an attached name, "" for any other.
  std::string devicePath(const std::string& portName) const override;
  // ENOENT (not attached), EACCES (setOpenFails) or EBUSY (open already); 0 after an open.
  int lastOpenError() const override { return lastOpenError_; }

 private:
  std::shared_ptr<FakePortState> state(const std::string& portName);

  std::map<std::string, std::shared_ptr<FakePortState>> ports_;
  std::vector<std::string> attempts_;
  int lastOpenError_ = 0;
};

}  // namespace sim
