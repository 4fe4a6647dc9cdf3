// Waiting in tests while the event loop runs: for a condition (a thread's
// notification arrives through it) or for a file (a started process writes
// it). False when it did not come in time.
#pragma once

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <string>

#include "Files.h"

template <class Condition>
bool WaitUntil(Condition condition, int timeoutMs = 10000) {
  QDeadlineTimer deadline(timeoutMs);
  while (!condition()) {
    if (deadline.hasExpired()) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  }
  return true;
}

inline bool WaitForFile(const std::string& path, int timeoutMs = 10000) {
  return WaitUntil([&] { return FileExists(path); }, timeoutMs);
}
