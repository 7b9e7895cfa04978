// A timer: runs OnTimer every interval milliseconds while enabled (on the event loop, as
// a real QTimer). Changing the interval or enabling it starts the count afresh. An
// interval of 0 never ticks. Ticks do not pile up: a tick that is overdue while a handler
// runs comes once.
#pragma once

#include <QObject>
#include <QTimer>

#include "forms/Events.h"

namespace forms {

class Timer : public QObject {
 public:
  // Enabled with an interval of 1000 ms, as a new timer on a form is.
  explicit Timer(QObject* parent);

  void setInterval(int ms);
  int interval() const { return interval_; }
  void setEnabled(bool on);
  bool enabled() const { return enabled_; }

  // Runs one tick now, as the timer would, if it is enabled; returns whether it ran.
  // Lets tests tick without waiting.
  bool fire();

  NotifyEvent OnTimer;

 private:
  void restart();
  QTimer timer_;
  int interval_ = 1000;
  bool enabled_ = true;
};

}  // namespace forms
