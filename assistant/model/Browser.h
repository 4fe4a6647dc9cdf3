// Starting programs and the web browser.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "Process.h"

// The web browser: a program path, or a bare name looked up on PATH
// ([System] Navigator of the settings file).
extern std::string BrowserPath;
// The browser of a new installation: the host's default opener.
inline constexpr const char* DefaultBrowserPath = HostBrowser;

// Starts the command line as a new process without waiting for it: the
// process id, 0 when it could not be started.
std::uint32_t WinExecute(const std::string& CommandLine);
// Starts BrowserPath on a file or address (in double quotes when it holds a
// blank) without waiting for it; False when it could not be started. When
// the browser ends in failure later (an opener with no browser to hand the
// page to), OnFailure runs then, in the GUI thread; one that runs on shows
// the page.
bool StartBrowser(const std::string& FileName, std::function<void()> OnFailure);
// The library's open-browser hook: StartBrowser on a written report, whose
// later failure the library tells as it tells a browser that could not be
// started.
bool OpenInBrowser(const std::string& FileName);
