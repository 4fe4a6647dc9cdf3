// Starting a program from a command line, as the platform's process start
// does: the first word is the program, double quotes group blanks.
#pragma once

#include <sys/types.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// Splits a command line into words: blanks separate, double quotes group
// (the quotes themselves are dropped), "" inside quotes gives one quote.
std::vector<std::string> SplitCommandLine(const std::string& commandLine);

// Starts the program in the background (searched on PATH when the word holds
// no "/"), its words converted as file names are (FileNames.h), and returns
// its process id, or 0 when it could not be started. The
// child is reaped when it ends.
std::uint32_t StartProcess(const std::string& commandLine);

// Watches the openers that StartOpener starts. The windowed application
// installs one that sees each end from the event loop and tells a failure in
// the GUI thread; without one an opener is only reaped when it ends.
class OpenerWatcher {
 public:
  virtual ~OpenerWatcher() = default;
  // Takes over the started child: reaps it once it ended and, when it failed
  // (OpenerFailed), runs onFailure then. A child still running when the
  // watcher goes is left to run.
  virtual void Watch(pid_t pid, std::function<void()> onFailure) = 0;
};

// Installs a watcher (nullptr: none). Returns the previous one.
OpenerWatcher* SetOpenerWatcher(OpenerWatcher* watcher);

// Whether a child's wait status tells a failed opener: an exit status other
// than 0, or an end by a signal.
bool OpenerFailed(int waitStatus);

// Starts a program that opens a file or address (a browser, or the
// desktop's opener, which hands the page on and ends) without waiting for
// it; false when it could not be started. The installed watcher runs
// onFailure whenever the program ends in failure (an opener that found no
// browser); one still running is a browser showing the page.
bool StartOpener(const std::string& commandLine, std::function<void()> onFailure);

// The web browser of a new installation. The programs were written for a
// fixed Internet Explorer path; on this host it is the desktop's opener.
inline constexpr const char* HostBrowser = "/usr/bin/xdg-open";

// The command line that opens a file or address in a browser: the browser in
// double quotes, a blank, then the file, in double quotes when it holds a
// blank.
std::string BrowserCommandLine(const std::string& browser, const std::string& file);
