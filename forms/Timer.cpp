#include "forms/Timer.h"

#include "forms/Application.h"

namespace forms {

Timer::Timer(QObject* parent) : QObject(parent) {
  QObject::connect(&timer_, &QTimer::timeout, this, [this] { invokeHandler(OnTimer); });
  restart();
}

void Timer::setInterval(int ms) {
  interval_ = std::max(ms, 0);
  restart();
}

void Timer::setEnabled(bool on) {
  enabled_ = on;
  restart();
}

void Timer::restart() {
  if (enabled_ && interval_ > 0)
    timer_.start(interval_);
  else
    timer_.stop();
}

bool Timer::fire() {
  if (!enabled_ || interval_ == 0) return false;
  invokeHandler(OnTimer);
  return true;
}

}  // namespace forms
