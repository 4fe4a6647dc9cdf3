// Starting a program from a command line, as the platform's process start
// does: the first word is the program, double quotes group blanks.
#pragma once

#include <chrono>
#include <cstdint>
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

// Starts a program that opens a file or address (a browser, or the
// desktop's opener, which hands the page on and ends) and waits for its
// result: true when it ended successfully, or still runs after the patience
// (a browser showing the page); false when it could not be started or ended
// with a failure (an opener that found no browser).
bool RunOpener(const std::string& commandLine, std::chrono::milliseconds patience = std::chrono::seconds(3));

// The web browser of a new installation. The programs were written for a
// fixed Internet Explorer path; on this host it is the desktop's opener.
inline constexpr const char* HostBrowser = "/usr/bin/xdg-open";

// The command line that opens a file or address in a browser: the browser in
// double quotes, a blank, then the file, in double quotes when it holds a
// blank.
std::string BrowserCommandLine(const std::string& browser, const std::string& file);
