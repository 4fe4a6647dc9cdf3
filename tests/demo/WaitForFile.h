// Waits, letting the event loop run, until a file exists (a started process
// writes it); false when it did not appear in time.
#pragma once

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <string>

#include "Files.h"

inline bool WaitForFile(const std::string& path, int timeoutMs = 10000) {
  QDeadlineTimer deadline(timeoutMs);
  while (!FileExists(path)) {
    if (deadline.hasExpired()) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  }
  return true;
}
