#include "Timer.h"

#include "Application.h"

TTimer::TTimer(QObject* parent) : QObject(parent) {
  connect(&timer_, &QTimer::timeout, this, [this] { Tick(); });
  Update();
}

void TTimer::SetEnabled(bool enabled) {
  enabled_ = enabled;
  Update();
}

void TTimer::SetInterval(int ms) {
  interval_ = ms;
  Update();
}

void TTimer::Update() {
  if (enabled_ && interval_ > 0) {
    timer_.start(interval_);
  } else {
    timer_.stop();
  }
}

void TTimer::Tick() {
  if (!enabled_ || !OnTimer) return;
  RunGuarded(this, [this] { OnTimer(this); });
}
