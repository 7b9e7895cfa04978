// Process-wide millisecond clock: the tick count and the sleep that every wait and
// time-out of the programs goes through. Tests install a VirtualClock so that time-outs
// cost no real time.
#pragma once

#include <cstdint>

namespace platform {

class Clock {
 public:
  virtual ~Clock() = default;
  // Milliseconds since an arbitrary start; wraps like a 32-bit tick count.
  virtual uint32_t tickCount() = 0;
  // Blocks for ms milliseconds (a virtual clock just moves on).
  virtual void sleep(uint32_t ms) = 0;
};

// The clock in force: the real one unless a test installed another.
Clock& clock();
// Installs c as the process-wide clock; nullptr restores the real one. Not owned.
void setClock(Clock* c);

// A clock that only moves when told to (or when something sleeps on it).
class VirtualClock : public Clock {
 public:
  explicit VirtualClock(uint32_t start = 1000) : now_(start) {}
  uint32_t tickCount() override { return now_; }
  void sleep(uint32_t ms) override { now_ += ms; }
  void advance(uint32_t ms) { now_ += ms; }

 private:
  uint32_t now_;
};

// Installs a clock for the lifetime of the object and restores the previous one after.
class ScopedClock {
 public:
  explicit ScopedClock(Clock& c);
  ~ScopedClock();
  ScopedClock(const ScopedClock&) = delete;
  ScopedClock& operator=(const ScopedClock&) = delete;

 private:
  Clock* previous_;
};

}  // namespace platform
