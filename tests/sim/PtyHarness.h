// Serves a Bus on the master side of a pseudo-terminal, in real time, on a thread of its
// own, so that a program (or a test) can open the slave device as its serial port.
//
// The slave is set raw (no echo, no CR/NL translation) and the harness keeps a slave
// descriptor open itself: when the program closes and reopens its port, the master never
// sees a hang-up and the device stays usable. Reply pieces are written when due (a
// monotonic ms clock: latency, split gaps and late replies take real time here), never
// sooner than the floor given at construction (kMinPtyLatencyMs unless told otherwise)
// after the line.
//
// The bus belongs to the caller and must outlive the harness; while the harness runs,
// touch it only through withBus(), which holds the lock the serving thread uses.
#pragma once

#include <cstdint>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "sim/Bus.h"

namespace sim {

class PtyHarness {
 public:
  // start() raises the bus's reply latency to at least the floor. The programs purge the
  // receive queue right after each write; a reply sooner than the floor can fall into that
  // gap when the machine is busy, so a test with a lower floor should run alone.
  static constexpr uint32_t kMinPtyLatencyMs = 20;

  explicit PtyHarness(Bus& bus, uint32_t latencyFloorMs = kMinPtyLatencyMs)
      : bus_(bus), latencyFloorMs_(latencyFloorMs) {}
  ~PtyHarness();
  PtyHarness(const PtyHarness&) = delete;
  PtyHarness& operator=(const PtyHarness&) = delete;

  // Creates the pseudo-terminal and starts serving; false with the reason in *error.
  bool start(std::string* error = nullptr);
  // Stops serving and closes the pseudo-terminal (also done by the destructor).
  void stop();

  // Path of the slave device ("/dev/pts/7"); empty before start().
  const std::string& slavePath() const { return slavePath_; }

  template <class F>
  auto withBus(F&& f) {
    std::lock_guard<std::mutex> lock(mutex_);
    return f(bus_);
  }

 private:
  void serve();

  Bus& bus_;
  const uint32_t latencyFloorMs_;
  std::mutex mutex_;
  std::thread thread_;
  int master_ = -1;
  int heldSlave_ = -1;
  int wake_[2] = {-1, -1};
  std::string slavePath_;
  std::vector<ReplyPiece> due_;  // serving thread only
};

}  // namespace sim
