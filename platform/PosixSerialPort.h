// The real serial port over POSIX termios.
//
// open(): O_RDWR|O_NOCTTY|O_NONBLOCK, CLOCAL so that no carrier is awaited, and an
// exclusive flock so that a second program sees "busy" instead of garbled traffic. A path
// that is no terminal (a regular file, /dev/null) is refused. A refused open says why in
// words a user can act on (for EACCES: the group that owns the device). A device that hangs
// up (adapter unplugged, POLLHUP/EIO, 0-byte read) fails the read or write.
#pragma once

#include <optional>

#include "platform/PortDirectory.h"
#include "platform/SerialPort.h"

namespace platform {

class PosixSerialPort : public SerialPort {
 public:
  // Opens the device at path; nullptr on failure with the reason in *error and its errno
  // in *errorNumber.
  static std::unique_ptr<PosixSerialPort> openDevice(const std::string& path,
                                                     std::string* error = nullptr,
                                                     int* errorNumber = nullptr);
  ~PosixSerialPort() override;

  bool setLineSettings(const LineSettings& s) override;
  bool getLineSettings(LineSettings& s) override;
  bool setTimeouts(const Timeouts& t) override;
  bool setupQueues(uint32_t inBytes, uint32_t outBytes) override;
  bool purgeReceive() override;
  bool write(const void* data, uint32_t n, uint32_t& written) override;
  bool readByte(char& byte, uint32_t& got) override;
  int lastError() const override { return error_; }
  std::string errorText() const override;

  const std::string& path() const { return path_; }

 private:
  PosixSerialPort(int fd, std::string path) : fd_(fd), path_(std::move(path)) {}
  bool fail(int err);

  int fd_;
  std::string path_;
  Timeouts timeouts_;
  int error_ = 0;
};

// Opens "COMn" names through the PortDirectory.
class PosixSerialBackend : public SerialBackend {
 public:
  // With the map given once.
  explicit PosixSerialBackend(PortDirectory directory) : directory_(std::move(directory)) {}
  // With the map read afresh (PortDirectory::load) at every open, for a program that opens
  // its port only now and then and should see an edited [Ports] section.
  PosixSerialBackend() = default;
  std::unique_ptr<SerialPort> open(const std::string& portName,
                                   std::string* error = nullptr) override;
  std::string devicePath(const std::string& portName) const override;
  int lastOpenError() const override { return lastOpenError_; }

 private:
  PortDirectory directory() const;

  std::optional<PortDirectory> directory_;
  int lastOpenError_ = 0;
};

// Why an open of path failed with err, in words a user can act on, without the path
// ("In use by another program. Close that program and try again.").
std::string describeOpenError(const std::string& path, int err);

}  // namespace platform
