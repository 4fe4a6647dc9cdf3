#include "LoggedOperation.h"

#include "Log.h"
#include "Lumbrick.h"

void RunLogged(const std::string& Title, const std::function<void()>& Work) try {
  fmLog->StartLog(Title);
  try {
    Work();
    fmLog->Success = true;
  } catch (...) {
    fmLog->TerminateLog();
    throw;
  }
  fmLog->TerminateLog();
} catch (...) {
  VIX->Push("Procedure RunLogged");
  throw;
}
