// Waiting for something the event loop brings, without Qt's QTRY macros (whose failures
// gtest would not see).
#pragma once

#include <QDeadlineTimer>
#include <QTest>
#include <functional>

namespace forms {

inline bool waitUntil(const std::function<bool()>& done, int ms = 3000) {
  QDeadlineTimer deadline(ms);
  while (!done()) {
    if (deadline.hasExpired()) return false;
    QTest::qWait(5);
  }
  return true;
}

}  // namespace forms
