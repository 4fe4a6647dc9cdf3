// Progress and cancel as the scanner sees the operation log: the log window
// implements this and installs itself; tests install their own. Without one,
// progress texts go nowhere and nothing is ever cancelled.
#pragma once

#include <string>

class TScanProgress {
 public:
  virtual ~TScanProgress() = default;
  // The second progress line; an empty text clears it. While the log is shown
  // and its cancel request is set, this raises the silent abort (EAbort).
  virtual void DisplayInfoPlus(const std::string& Text) = 0;
  // The cancel request of the running operation.
  virtual bool Cancelled() const = 0;
  // False while a new progress text would not be shown yet (a screen shows
  // one a frame): callers of many texts a second may skip composing them.
  virtual bool ProgressDue() const { return true; }
  // A long stretch of work without a new text: while the log is shown, it
  // answers as at a progress text (looks for events once a frame, raises the
  // silent abort once Cancel was pressed); the progress lines stay.
  virtual void Pulse() {}
};

// Installs a log (nullptr: none). Returns the previous one.
TScanProgress* SetScanProgress(TScanProgress* Progress);

// What the scanner calls; both do nothing while no log is installed.
void DisplayInfoPlus(const std::string& Text);
bool ScanCancelled();
// A log is installed and would show a new progress text now.
bool ScanProgressDue();
// Called often in a long stretch without progress texts, so that Cancel
// answers there too; costs next to nothing between two screen frames.
void ScanPulse();
