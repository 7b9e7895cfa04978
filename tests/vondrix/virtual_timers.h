// Runs the program's timers on the virtual clock, as the event loop would run them in real
// time: each enabled timer ticks every interval ms from the moment it is seen enabled; a
// tick that falls due while a handler runs comes once, right after it.
#pragma once

#include <QObject>
#include <algorithm>
#include <map>
#include <vector>

#include "forms/Timer.h"
#include "platform/Clock.h"

class VirtualTimers {
 public:
  VirtualTimers(platform::VirtualClock& clock, std::vector<QObject*> owners)
      : clock_(clock), owners_(std::move(owners)) {}

  // Runs the timers for ms milliseconds of the clock.
  void runFor(uint32_t ms) {
    const uint32_t end = clock_.tickCount() + ms;
    for (;;) {
      forms::Timer* next = nullptr;
      uint32_t due = 0;
      for (forms::Timer* t : enabledTimers()) {
        auto [it, fresh] = due_.try_emplace(t, clock_.tickCount() + uint32_t(t->interval()));
        if (!next || int32_t(it->second - due) < 0) next = t, due = it->second;
      }
      if (!next || int32_t(due - end) > 0) break;
      if (int32_t(due - clock_.tickCount()) > 0) clock_.advance(due - clock_.tickCount());
      next->fire();
      due_[next] = std::max(due + uint32_t(next->interval()), clock_.tickCount(),
                            [](uint32_t a, uint32_t b) { return int32_t(a - b) < 0; });
    }
    if (int32_t(end - clock_.tickCount()) > 0) clock_.advance(end - clock_.tickCount());
  }

 private:
  std::vector<forms::Timer*> enabledTimers() {
    std::vector<forms::Timer*> out;
    std::map<forms::Timer*, uint32_t> kept;
    for (QObject* owner : owners_)
      for (QObject* child : owner->findChildren<QObject*>())
        if (auto* t = dynamic_cast<forms::Timer*>(child); t && t->enabled() && t->interval() > 0) {
          out.push_back(t);
          if (auto it = due_.find(t); it != due_.end()) kept.insert(*it);
        }
    due_ = std::move(kept);  // a timer switched off starts afresh when switched on again
    return out;
  }

  platform::VirtualClock& clock_;
  std::vector<QObject*> owners_;
  std::map<forms::Timer*, uint32_t> due_;
};
