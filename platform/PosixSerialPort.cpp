#include "platform/PosixSerialPort.h"

#include <fcntl.h>
#include <grp.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>
#include <cerrno>
#include <chrono>
#include <cstring>

namespace platform {
namespace {

speed_t speedFor(uint32_t baud) {
  switch (baud) {
    case 9600:
      return B9600;
    case 19200:
      return B19200;
    case 38400:
      return B38400;
    case 57600:
      return B57600;
    case 115200:
      return B115200;
    case 230400:
      return B230400;
    default:
      return 0;
  }
}

uint32_t baudOf(speed_t s) {
  switch (s) {
    case B9600:
      return 9600;
    case B19200:
      return 19200;
    case B38400:
      return 38400;
    case B57600:
      return 57600;
    case B115200:
      return 115200;
    case B230400:
      return 230400;
    default:
      return 0;
  }
}

// Real I/O waits in real time, whatever clock the program logic runs on.
uint32_t nowMs() {
  using namespace std::chrono;
  return static_cast<uint32_t>(
      duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

// Milliseconds left of a time-out that started at start.
int remaining(uint32_t start, uint32_t timeout) {
  uint32_t spent = nowMs() - start;
  return spent >= timeout ? 0 : static_cast<int>(timeout - spent);
}

}  // namespace

std::string describeOpenError(const std::string& path, int err) {
  const std::string ports = "the [Ports] section of " + PortDirectory::configFile();
  switch (err) {
    case ENOENT:
    case ENODEV:
    case ENXIO:
      return "The device is not there. Plug in the adapter, or correct the port's line in " +
             ports + ".";
    case EACCES:
    case EPERM: {
      std::string group = "dialout";
      struct stat st {};
      if (stat(path.c_str(), &st) == 0) {
        if (const struct group* g = getgrgid(st.st_gid)) group = g->gr_name;
      }
      return "No permission to use the device. Join the group " + group + " (sudo usermod -aG " +
             group + " $USER), then log out and in.";
    }
    case EBUSY:
    case EWOULDBLOCK:
      return "In use by another program. Close that program and try again.";
    case ENOTTY:
    case EISDIR:
      return "Not a serial device (a regular file or another kind of device). Name the "
             "adapter's device in " +
             ports + ".";
    default:
      return std::string("Cannot be opened: ") + std::strerror(err) + ".";
  }
}

std::unique_ptr<PosixSerialPort> PosixSerialPort::openDevice(const std::string& path,
                                                             std::string* error, int* errorNumber) {
  auto refuse = [&](int err) {
    if (error) *error = describeOpenError(path, err);
    if (errorNumber) *errorNumber = err;
    return nullptr;
  };
  // O_NONBLOCK so that the open never waits for a carrier; it stays set because every
  // read and write waits through poll() with its own time-out.
  int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return refuse(errno);
  // A file or a device that is no terminal would swallow the commands without a word.
  if (!isatty(fd)) {
    ::close(fd);
    return refuse(ENOTTY);
  }
  if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
    int err = errno;
    ::close(fd);
    return refuse(err == EWOULDBLOCK ? EBUSY : err);
  }
  termios tio{};
  if (tcgetattr(fd, &tio) == 0) {
    tio.c_cflag |= CLOCAL | CREAD;
    tcsetattr(fd, TCSANOW, &tio);  // may be refused by odd drivers; the line setup decides
  }
  return std::unique_ptr<PosixSerialPort>(new PosixSerialPort(fd, path));
}

PosixSerialPort::~PosixSerialPort() {
  if (fd_ >= 0) ::close(fd_);
}

bool PosixSerialPort::fail(int err) {
  error_ = err;
  return false;
}

std::string PosixSerialPort::errorText() const {
  if (error_ == 0) return {};
  return path_ + ": " + std::strerror(error_);
}

bool PosixSerialPort::setLineSettings(const LineSettings& s) {
  speed_t speed = speedFor(s.baudRate);
  if (speed == 0 || s.byteSize < 5 || s.byteSize > 8 || s.parity > 2 ||
      (s.stopBits != 0 && s.stopBits != 2))
    return fail(EINVAL);
  termios tio{};
  if (tcgetattr(fd_, &tio) != 0) return fail(errno);
  cfmakeraw(&tio);
  cfsetispeed(&tio, speed);
  cfsetospeed(&tio, speed);
  tio.c_cflag &= ~(CSIZE | PARENB | PARODD | CSTOPB | CRTSCTS);
  static const tcflag_t sizes[] = {CS5, CS6, CS7, CS8};
  tio.c_cflag |= sizes[s.byteSize - 5] | CLOCAL | CREAD;
  if (s.parity == 1) tio.c_cflag |= PARENB | PARODD;
  if (s.parity == 2) tio.c_cflag |= PARENB;
  if (s.stopBits == 2) tio.c_cflag |= CSTOPB;
  tio.c_iflag &= ~(IXON | IXOFF | IXANY);
  tio.c_cc[VMIN] = 0;
  tio.c_cc[VTIME] = 0;
  if (tcsetattr(fd_, TCSANOW, &tio) != 0) return fail(errno);
  error_ = 0;
  return true;
}

bool PosixSerialPort::getLineSettings(LineSettings& s) {
  termios tio{};
  if (tcgetattr(fd_, &tio) != 0) return fail(errno);
  s.baudRate = baudOf(cfgetospeed(&tio));
  switch (tio.c_cflag & CSIZE) {
    case CS5:
      s.byteSize = 5;
      break;
    case CS6:
      s.byteSize = 6;
      break;
    case CS7:
      s.byteSize = 7;
      break;
    default:
      s.byteSize = 8;
      break;
  }
  s.parity = (tio.c_cflag & PARENB) ? ((tio.c_cflag & PARODD) ? 1 : 2) : 0;
  s.stopBits = (tio.c_cflag & CSTOPB) ? 2 : 0;
  s.binary = true;
  return true;
}

bool PosixSerialPort::setTimeouts(const Timeouts& t) {
  timeouts_ = t;
  return true;
}

bool PosixSerialPort::setupQueues(uint32_t, uint32_t) {
  return true;
}

bool PosixSerialPort::purgeReceive() {
  if (tcflush(fd_, TCIFLUSH) != 0) return fail(errno);
  return true;
}

bool PosixSerialPort::write(const void* data, uint32_t n, uint32_t& written) {
  written = 0;
  const char* p = static_cast<const char*>(data);
  const uint32_t start = nowMs();
  while (written < n) {
    pollfd pfd{fd_, POLLOUT, 0};
    int r = poll(&pfd, 1, remaining(start, timeouts_.writeTotalConstant));
    if (r < 0) {
      if (errno == EINTR) continue;
      return fail(errno);
    }
    if (r == 0) return true;  // time-out: success with fewer bytes, as the drivers report it
    if (pfd.revents & (POLLHUP | POLLERR | POLLNVAL)) return fail(EIO);
    ssize_t k = ::write(fd_, p + written, n - written);
    if (k < 0) {
      if (errno == EAGAIN || errno == EINTR) continue;
      return fail(errno);
    }
    written += static_cast<uint32_t>(k);
  }
  return true;
}

bool PosixSerialPort::readByte(char& byte, uint32_t& got) {
  got = 0;
  const uint32_t start = nowMs();
  for (;;) {
    int left = remaining(start, timeouts_.readTotalConstant);
    pollfd pfd{fd_, POLLIN, 0};
    int r = poll(&pfd, 1, left);
    if (r < 0) {
      if (errno == EINTR) continue;
      return fail(errno);
    }
    if (r == 0) return true;
    if (pfd.revents & POLLIN) {
      ssize_t k = ::read(fd_, &byte, 1);
      if (k == 1) {
        got = 1;
        return true;
      }
      if (k == 0) return fail(EIO);  // readable but empty: the device hung up
      if (errno != EAGAIN && errno != EINTR) return fail(errno);
    } else if (pfd.revents & (POLLHUP | POLLERR | POLLNVAL)) {
      return fail(EIO);
    }
    if (left == 0) return true;
  }
}

PortDirectory PosixSerialBackend::directory() const {
  return directory_ ? *directory_ : PortDirectory::load();
}

std::unique_ptr<SerialPort> PosixSerialBackend::open(const std::string& portName,
                                                     std::string* error) {
  lastOpenError_ = 0;
  std::string path = directory().devicePath(portName);
  if (path.empty()) {
    if (error)
      *error =
          "Not mapped to a device. Plug in a serial adapter, or name its device in the "
          "[Ports] section of " +
          PortDirectory::configFile() + ".";
    lastOpenError_ = ENOENT;
    return nullptr;
  }
  return PosixSerialPort::openDevice(path, error, &lastOpenError_);
}

std::string PosixSerialBackend::devicePath(const std::string& portName) const {
  return directory().devicePath(portName);
}

}  // namespace platform
