// One operation under the operation log, as every caller runs it: StartLog
// with its title (the log window shows), the work, Success when the work ran
// to its end, and TerminateLog in every case, also after a failure or the
// silent abort, which then goes on to the caller.
#pragma once

#include <functional>
#include <string>

void RunLogged(const std::string& Title, const std::function<void()>& Work);
