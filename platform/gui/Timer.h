// The platform's timer component over QTimer: while Enabled, OnTimer runs
// every Interval milliseconds in the GUI thread, guarded like every handler.
#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

#include "Component.h"

class TTimer final : public QObject, public TObject {
 public:
  explicit TTimer(QObject* parent = nullptr);

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  int Interval() const { return interval_; }
  void SetInterval(int ms);

  int Tag = 0;
  std::function<void(QObject* Sender)> OnTimer;

  // One tick now, as the timer's expiry runs it; nothing while disabled.
  // Tests drive the timer through it instead of the wall clock.
  void Tick();

 private:
  void Update();

  QTimer timer_;
  bool enabled_ = true;
  int interval_ = 1000;
};
