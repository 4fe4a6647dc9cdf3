// Lumbrick: collects the routines an exception leaves and reports it.
//
// Every protected routine of a host program ends in an except part that
// calls VIX->Push with its own name and rethrows; the host routes the
// application's exception event to VIX->HandleException, which asks the user,
// builds the technical text, shows the report window and, on request, writes
// a numbered HTML bug report.
#pragma once

#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Application.h"
#include "Component.h"
#include "Exceptions.h"
#include "IniFile.h"
#include "StackList.h"

class TLumbrick;
class TReportWindow;

// Sets the whole of Info to the host's own block of the technical text.
using TCustomInfoEvent = std::function<void(std::string& Info)>;
// Opens a written report; true when a browser was started for it. A browser
// started that fails later (an opener with no browser to hand the report to)
// is told to the library through OpenBrowserFailed.
using TOpenBrowserFunc = bool (*)(const std::string& FileName);

class TLumbrick : public TComponent {
 public:
  explicit TLumbrick(TComponent* AOwner);
  ~TLumbrick() override;

  // The application exception event. Never lets an exception out.
  void HandleException(TObject* Sender, Exception& E) noexcept;
  // Records RoutineName for the exception being handled; a no-op outside a
  // catch clause or for an exception that is not an Exception. Safe to call
  // from any thread.
  void Push(std::string_view RoutineName) noexcept;
  // Mode 1: for good; any other Mode: for the next processed exception only.
  void Enable(int Mode);
  void Disable(int Mode);

  // Written by the host.
  std::string DebugMsg;
  std::string ModelFile;
  int Language = 1;  // 1 English, anything else French
  TCustomInfoEvent OnCustomInfo;
  TOpenBrowserFunc OnOpenBrowser = nullptr;
  // Read by the host: the program's folder, with its trailing "/".
  std::string AppPath;

  // Station settings ("Lumbrick.ini"), loaded at the first report window.
  // A file that cannot be read or saved (a read-only program folder, say)
  // stops nothing: from then on they are kept in memory for the run, and
  // the user is told once, in a plain box, after what could not be saved.
  std::string StationId;
  int LastReportNum = 0;
  void LoadStationSettings();
  // Writes the station label through to "Lumbrick.ini".
  void SetStationId(const std::string& id);

  // Report writer. Results: 0 written, 2 model missing, 3 marker missing,
  // 4 overwrite refused or write failed. A report takes the first number
  // after LastReportNum whose "BugReport_<number>.htm" does not exist yet,
  // so no older report is replaced; with none left below the largest
  // integer, the result is 4 and the settings file is named. A number that
  // "Lumbrick.ini" cannot store does not stop the report: CreateAndOpen-
  // BugReport tells that failure after the report, once.
  int CreateBugReport(std::string AModelFile, std::string& ReportFile, bool AskOverwrite, std::string& ErrorMsg);
  void CreateAndOpenBugReport();
  // Tells the user where the report is, as when no browser could be started
  // for it: the host's open-browser hook calls it when the browser it
  // started for ReportFile ended in failure.
  void OpenBrowserFailed(const std::string& ReportFile);

  // State, for the host's tests and the timing page.
  int State() const { return FState; }
  std::vector<std::string> StackList() const;
  const std::string& TechInfo() const { return FTechInfo; }
  TReportWindow* ReportWindow() const { return FWindow.get(); }

 private:
  bool ProcessException(Exception& E);
  bool AskViewMore(const Exception& E);
  void BuildTechnicalInfo(const Exception& E);
  void ResetAfterProcessing();
  // Tells, once, why the station settings are kept in memory.
  void TellSettingsFailure();

  std::unique_ptr<TIniFile> FIniFile;
  RaiseAddress FLastExceptAddr;
  mutable std::mutex FStackLock;  // pushes may come from worker threads
  TStackList FStackList;
  int FState = 1;
  std::string FTechInfo;
  std::unique_ptr<TReportWindow> FWindow;
  bool FReportShown = false;     // while the report window is shown
  // Why the station settings are kept in memory, until it is told: the
  // message that says so (read or save) and the system's reason.
  struct SettingsFailure {
    int message = 0;
    std::string reason;
  };
  std::optional<SettingsFailure> FSettingsFailure;
};

extern TLumbrick* VIX;

// The library's message table, in the language of VIX.
void GetMessage(int Index, std::string& Text);
std::string GetMessage(int Index);
