#include "LoggedOperation.h"

#include "Log.h"
#include "Lumbrick.h"
#include "TryFinally.h"

void RunLogged(const std::string& Title, const std::function<void()>& Work) try {
  fmLog->StartLog(Title);
  TryFinally(
      [&] {
        Work();
        fmLog->Success = true;
      },
      [] { fmLog->TerminateLog(); });
} catch (...) {
  VIX->Push("Procedure RunLogged");
  throw;
}
