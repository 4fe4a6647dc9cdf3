// Runs the event loop until a condition holds (window activation, for one,
// arrives asynchronously); false when it did not within the time.
#pragma once

#include <QCoreApplication>
#include <QDeadlineTimer>

template <class Condition>
bool WaitUntil(Condition condition, int timeoutMs = 5000) {
  QDeadlineTimer deadline(timeoutMs);
  while (!condition()) {
    if (deadline.hasExpired()) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  }
  return true;
}
