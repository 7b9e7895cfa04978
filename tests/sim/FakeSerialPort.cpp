#include "sim/FakeSerialPort.h"

#include <cerrno>
#include <cstring>
#include <iterator>

#include "platform/Clock.h"
#include "platform/PosixSerialPort.h"

namespace sim {

FakeSerialPort::FakeSerialPort(Bus& bus, std::shared_ptr<FakePortState> state)
    : bus_(bus), state_(state ? std::move(state) : std::make_shared<FakePortState>()) {
  state_->open = true;
  settings_.baudRate = 9600;  // the driver's own setting until the program sets its own
}

FakeSerialPort::~FakeSerialPort() {
  state_->open = false;
}

bool FakeSerialPort::fail(int err) {
  error_ = err;
  return false;
}

std::string FakeSerialPort::errorText() const {
  return error_ == 0 ? std::string() : std::string(std::strerror(error_));
}

bool FakeSerialPort::speaksBusLanguage() const {
  return settings_.baudRate == 115200 && settings_.byteSize == 8 && settings_.parity == 0 &&
         settings_.stopBits == 0;
}

bool FakeSerialPort::setLineSettings(const platform::LineSettings& s) {
  if (state_->ioFails) return fail(EIO);
  if (state_->refusesLineSettings) return fail(EINVAL);
  settings_ = s;
  return true;
}

bool FakeSerialPort::getLineSettings(platform::LineSettings& s) {
  if (state_->ioFails) return fail(EIO);
  s = settings_;
  return true;
}

bool FakeSerialPort::setTimeouts(const platform::Timeouts& t) {
  if (state_->ioFails) return fail(EIO);
  timeouts_ = t;
  return true;
}

bool FakeSerialPort::setupQueues(uint32_t, uint32_t) {
  return !state_->ioFails || fail(EIO);
}

bool FakeSerialPort::purgeReceive() {
  if (state_->ioFails) return fail(EIO);
  const uint32_t now = platform::clock().tickCount();
  while (!incoming_.empty() && int32_t(incoming_.front().atMs - now) <= 0) {
    incoming_.pop_front();
  }
  return true;
}

bool FakeSerialPort::write(const void* data, uint32_t n, uint32_t& written) {
  written = 0;
  if (state_->ioFails) return fail(EIO);
  written = n;
  if (!speaksBusLanguage()) return true;  // noise to the receivers
  const uint32_t now = platform::clock().tickCount();
  for (const ReplyPiece& p : bus_.feed(std::string_view(static_cast<const char*>(data), n), now)) {
    // Keep arrival order: a piece never overtakes bytes already on their way.
    auto pos = incoming_.end();
    while (pos != incoming_.begin() && int32_t(std::prev(pos)->atMs - p.dueMs) > 0) --pos;
    std::deque<Due> bytes;
    for (char c : p.bytes) bytes.push_back({p.dueMs, c});
    incoming_.insert(pos, bytes.begin(), bytes.end());
  }
  return true;
}

bool FakeSerialPort::readByte(char& byte, uint32_t& got) {
  got = 0;
  if (state_->ioFails) return fail(EIO);
  platform::Clock& clock = platform::clock();
  const uint32_t now = clock.tickCount();
  const uint32_t limit = timeouts_.readTotalConstant;
  if (!incoming_.empty()) {
    const int32_t wait = int32_t(incoming_.front().atMs - now);
    if (wait <= int32_t(limit)) {
      if (wait > 0) clock.sleep(uint32_t(wait));
      byte = incoming_.front().byte;
      incoming_.pop_front();
      got = 1;
      return true;
    }
  }
  clock.sleep(limit);
  return true;
}

void FakeSerialBackend::attach(const std::string& portName, Bus& bus) {
  state(portName)->bus = &bus;
}

std::shared_ptr<FakePortState> FakeSerialBackend::state(const std::string& portName) {
  auto& s = ports_[portName];
  if (!s) s = std::make_shared<FakePortState>();
  return s;
}

void FakeSerialBackend::setOpenFails(const std::string& portName, bool fails) {
  state(portName)->openFails = fails;
}

void FakeSerialBackend::setRefusesLineSettings(const std::string& portName, bool refuses) {
  state(portName)->refusesLineSettings = refuses;
}

void FakeSerialBackend::setIoFails(const std::string& portName, bool fails) {
  state(portName)->ioFails = fails;
}

std::string FakeSerialBackend::devicePath(const std::string& portName) const {
  auto it = ports_.find(portName);
  return it != ports_.end() && it->second->bus ? "sim:" + portName : std::string();
}

bool FakeSerialBackend::isOpen(const std::string& portName) const {
  auto it = ports_.find(portName);
  return it != ports_.end() && it->second->open;
}

std::unique_ptr<platform::SerialPort> FakeSerialBackend::open(const std::string& portName,
                                                              std::string* error) {
  attempts_.push_back(portName);
  auto it = ports_.find(portName);
  int err = 0;
  if (it == ports_.end() || !it->second->bus) {
    err = ENOENT;
  } else if (it->second->openFails) {
    err = EACCES;
  } else if (it->second->open) {
    err = EBUSY;
  }
  lastOpenError_ = err;
  if (err != 0) {
    if (error)
      *error = err == ENOENT ? "Not mapped to a device." : platform::describeOpenError("", err);
    return nullptr;
  }
  return std::make_unique<FakeSerialPort>(*it->second->bus, it->second);
}

}  // namespace sim
