#include "platform/Clock.h"

#include <chrono>
#include <thread>

namespace platform {
namespace {

class RealClock : public Clock {
 public:
  uint32_t tickCount() override {
    using namespace std::chrono;
    return static_cast<uint32_t>(
        duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
  }
  void sleep(uint32_t ms) override { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }
};

RealClock realClock;
Clock* current = &realClock;

}  // namespace

Clock& clock() {
  return *current;
}

void setClock(Clock* c) {
  current = c ? c : &realClock;
}

ScopedClock::ScopedClock(Clock& c) : previous_(&clock()) {
  setClock(&c);
}

ScopedClock::~ScopedClock() {
  setClock(previous_);
}

}  // namespace platform
