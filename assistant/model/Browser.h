// Starting programs and the web browser.
#pragma once

#include <cstdint>
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
// blank); True when it took the page (RunOpener). The library's
// open-browser hook.
bool OpenInBrowser(const std::string& FileName);
