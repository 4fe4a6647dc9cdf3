// Numbered HTML bug reports written from a model file.
#include <limits>
#include <optional>

#include "DateTime.h"
#include "Dialogs.h"
#include "Files.h"
#include "Lumbrick.h"
#include "ReportWindow.h"
#include "SysUtils.h"

namespace {

const char kMarker[] = "<textarea name=\"talumbrick\"";

// Inside the model's textarea only a closing tag can end the element; its
// opening "<" is written as a character reference, which the browser shows
// as "<" again. Every other byte goes in unchanged.
std::string ProtectTextarea(std::string text) {
  static const std::string closing = "</textarea";
  const std::string lower = LowerCase(text);
  std::string out;
  out.reserve(text.size());
  std::size_t from = 0;
  for (std::size_t at = lower.find(closing); at != std::string::npos; at = lower.find(closing, at + 1)) {
    out.append(text, from, at - from);
    out += "&lt;";
    from = at + 1;
  }
  out.append(text, from, std::string::npos);
  return out;
}

bool HasFolder(const std::string& path) { return path.find(PathDelim) != std::string::npos; }

// At least four digits: 0007, 0123, 12345.
std::string NumberText(int number) { return Format("%.4d", {number}); }

std::string NumberedReportFile(const std::string& folder, int number) {
  return folder + "BugReport_" + NumberText(number) + ".htm";
}

// The first number after `last` whose report does not exist in the folder,
// so that numbering started again (a lost or unreadable "Lumbrick.ini")
// replaces no older report; nothing when no larger number can be stored.
std::optional<int> NextFreeReportNumber(int last, const std::string& folder) {
  for (int n = last; n < std::numeric_limits<int>::max();) {
    ++n;
    if (!FileExists(NumberedReportFile(folder, n))) return n;
  }
  return std::nullopt;
}

}  // namespace

int TLumbrick::CreateBugReport(std::string AModelFile, std::string& ReportFile, bool AskOverwrite,
                               std::string& ErrorMsg) {
  int result = -1;
  std::string content;
  std::string number;

  if (!FileExists(AModelFile)) AModelFile = AppPath + ExtractFileName(AModelFile);
  if (!FileExists(AModelFile)) {
    result = 2;
    ErrorMsg = GetMessage(2) + AModelFile;
  }

  if (result == -1) {
    std::optional<std::string> model = ReadFileBytes(AModelFile);
    if (!model) throw EFOpenError("Cannot open file \"" + AModelFile + "\"");
    std::string text = std::move(*model);
    if (auto nul = text.find('\0'); nul != std::string::npos) text.resize(nul);

    const std::size_t p = LowerCase(text).find(kMarker);
    const std::size_t q = p == std::string::npos ? p : text.find('>', p);
    if (q == std::string::npos) {
      result = 3;
      ErrorMsg = GetMessage(1) + AModelFile;
    } else {
      LoadStationSettings();
      const std::optional<int> next = NextFreeReportNumber(LastReportNum, AppPath);
      if (!next) {
        // The settings file can count no further.
        result = 4;
        ErrorMsg = GetMessage(4) + FIniFile->FileName();
      } else {
        // Stored or not, the report is written: its number was found free,
        // so no older report is replaced.
        FIniFile->WriteInteger("Section", "LastReportNum", *next);
        FIniFile->UpdateFile();
        LastReportNum = *next;
        number = NumberText(LastReportNum);

        std::string block = "********** BugReport " + number + " **********\r";
        block += "Creation : " + DateTimeToStr(Now()) + "\r";
        block += "Station Id : " + StationId + "\r\r";
        const TReportWindow* window = fmLumbrick;
        block += "***** " + (window ? window->UserDescCaption() : std::string()) + " *****\r";
        if (window)
          for (const std::string& line : window->UserDescLines()) block += line + "\r\n";
        block += "\r\r";
        block += FTechInfo;

        content.reserve(text.size() + block.size() + 64);
        content.append(text, 0, q + 1);
        content += ProtectTextarea(std::move(block));
        content.append(text, q + 1, std::string::npos);
      }
    }
  }

  if (result == -1) {
    ReportFile = Trim(ReportFile);  // blanks and control characters
    if (ReportFile.empty()) ReportFile = NumberedReportFile(AppPath, LastReportNum);
    if (!HasFolder(ReportFile)) ReportFile = AppPath + ReportFile;
    bool ask = FileExists(ReportFile) && AskOverwrite;
    bool probed = false;
    if (!FileExists(ReportFile)) {
      probed = CreateNewFile(ReportFile);
      if (!probed) {
        ReportFile = AppPath + "BugReport.htm";
        ask = FileExists(ReportFile) && AskOverwrite;
      }
    }
    bool proceed = true;
    if (ask)
      proceed = MessageDlg(ReportFile + GetMessage(6), TMsgDlgType::mtConfirmation, mbYes | mbNo) == mrYes;
    if (proceed) {
      // Written beside and renamed: a failed write leaves no half report.
      if (ReplaceFileBytes(ReportFile, content)) {
        result = 0;
      } else {
        if (probed) DeleteFile(ReportFile);
        result = 4;
        ErrorMsg = GetMessage(4) + ReportFile;
      }
    } else {
      result = 4;
      ErrorMsg = GetMessage(5);
    }
  }
  return result;
}

void TLumbrick::CreateAndOpenBugReport() {
  std::string report;
  std::string error;
  const int r = CreateBugReport(ModelFile, report, false, error);
  if (r != 0) {
    ShowMessage(GetMessage(7) + "\n\r" + error);
  } else if (!(OnOpenBrowser && OnOpenBrowser(report))) {
    OpenBrowserFailed(report);
  }
  // The station settings' failure, after the report it did not stop.
  TellSettingsFailure();
}

void TLumbrick::OpenBrowserFailed(const std::string& ReportFile) {
  ShowMessage(GetMessage(8) + ReportFile + GetMessage(9));
}
