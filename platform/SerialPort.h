// The serial port as the programs use it: open by port name ("COM3"), line settings,
// time-outs, one-byte reads that wait at most the read time-out, purge of the receive
// queue. One interface, two backends: PosixSerialPort over termios, and the tests'
// simulator port.
//
// Failure contract: every call that can fail returns false and leaves errno-style detail
// in lastError()/errorText(); nothing throws. A port that went away (adapter unplugged)
// fails its reads and writes; it never blocks beyond the time-outs.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace platform {

// 115200 8N1, raw, no flow control: the only setting the receivers speak.
struct LineSettings {
  uint32_t baudRate = 115200;
  uint8_t byteSize = 8;
  uint8_t parity = 0;    // 0 = none
  uint8_t stopBits = 0;  // 0 = one stop bit
  bool binary = true;
};

// Total time-outs in ms; the interval and multiplier values of the original are all 0.
struct Timeouts {
  uint32_t readTotalConstant = 200;
  uint32_t writeTotalConstant = 200;
};

class SerialPort {
 public:
  virtual ~SerialPort() = default;

  // Applies the line settings; false = refused (the port stays open, as it was).
  virtual bool setLineSettings(const LineSettings& s) = 0;
  // Reads back the settings in force; false when the port cannot tell.
  virtual bool getLineSettings(LineSettings& s) = 0;
  virtual bool setTimeouts(const Timeouts& t) = 0;
  // Driver queue sizes: accepted and ignored on this platform.
  virtual bool setupQueues(uint32_t inBytes, uint32_t outBytes) = 0;
  // Drops everything received and not yet read.
  virtual bool purgeReceive() = 0;
  // Writes n bytes, waiting at most the write time-out; written = bytes that went out.
  virtual bool write(const void* data, uint32_t n, uint32_t& written) = 0;
  // Reads at most one byte, waiting at most the read time-out. Returns true with
  // got = 0 when nothing came in time; false on a failed read (the port is gone).
  virtual bool readByte(char& byte, uint32_t& got) = 0;
  // errno of the last failure (0 = none) and the same in words a user can act on.
  virtual int lastError() const = 0;
  virtual std::string errorText() const = 0;
};

// Opens ports by their "COMn" names.
class SerialBackend {
 public:
  virtual ~SerialBackend() = default;
  // Opens the port; nullptr when it does not exist or cannot be opened. Then *error (when
  // given) holds the reason in one or two sentences a user can act on, without the port's
  // name or device path ("In use by another program. Close that program and try again.").
  // Closing = destroying the port.
  virtual std::unique_ptr<SerialPort> open(const std::string& portName,
                                           std::string* error = nullptr) = 0;
  // errno of the last open() that failed (ENOENT for a name that stands for no device); 0
  // after an open that worked, or when the backend cannot tell.
  virtual int lastOpenError() const { return 0; }
  // The device behind the port name ("/dev/ttyUSB0"); empty when the name stands for none.
  virtual std::string devicePath(const std::string& portName) const = 0;
};

}  // namespace platform
