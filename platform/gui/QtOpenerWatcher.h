// Watches the openers the programs start (Process.h) from the GUI thread's
// event loop, so the windows keep answering while an opener runs. Each
// opener's end is seen through its process descriptor (polled where the
// system has none); the ended child is reaped there, and when it failed its
// failure is told at once, guarded, in the GUI thread.
#pragma once

#include <memory>
#include <vector>

#include "Process.h"

class QObject;

class QtOpenerWatcher final : public OpenerWatcher {
 public:
  QtOpenerWatcher();
  // Openers still running are left to run.
  ~QtOpenerWatcher() override;
  QtOpenerWatcher(const QtOpenerWatcher&) = delete;
  QtOpenerWatcher& operator=(const QtOpenerWatcher&) = delete;

  // GUI thread only.
  void Watch(pid_t pid, std::function<void()> onFailure) override;
  // The openers watched and not yet seen to end.
  std::size_t Count() const { return openers_.size(); }

 private:
  struct Opener;
  // Looks whether the opener ended: reaps it and tells its failure.
  void Check(pid_t pid);

  std::vector<std::unique_ptr<Opener>> openers_;
};
