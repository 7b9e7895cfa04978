// Runs an action when a scope is left, however it is left (return or exception), so that a
// flag, a timer or a window that a handler switched comes back on every way out.
//
//   net.Detecting = true;
//   ScopeExit done([&] { net.Detecting = false; });
#pragma once

#include <utility>

namespace vondrix {

template <class Action>
class ScopeExit {
 public:
  explicit ScopeExit(Action action) : action_(std::move(action)) {}
  // The action must not throw: it may run while an exception is on its way out.
  ~ScopeExit() { action_(); }
  ScopeExit(const ScopeExit&) = delete;
  ScopeExit& operator=(const ScopeExit&) = delete;

 private:
  Action action_;
};

}  // namespace vondrix
