// The technical information text: one string, items joined by a bare CR.
#include <array>

#include "DateTime.h"
#include "Files.h"
#include "FormatSettings.h"
#include "Lumbrick.h"
#include "Screen.h"
#include "SysUtils.h"
#include "SystemInfo.h"

namespace {

class TextBuilder {
 public:
  explicit TextBuilder(std::string first) : text_(std::move(first)) {}
  void Line(std::string_view line) {
    text_ += '\r';
    text_ += line;
  }
  void Blank() { text_ += '\r'; }
  void Section(std::string_view heading) {
    Blank();
    Line(heading);
  }
  std::string Take() { return std::move(text_); }

 private:
  std::string text_;
};

std::string Thousands(std::uint64_t n) { return FormatFloat("0,", static_cast<double>(n)); }
std::string Megabytes(std::uint64_t bytes) { return Thousands(bytes >> 20); }

template <std::size_t N>
std::string Joined(const std::array<std::string, N>& items) {
  std::string out;
  for (std::size_t i = 0; i < N; ++i) {
    if (i) out += ';';
    out += items[i];
  }
  return out;
}

std::string Joined(const std::array<int, 7>& items) {
  std::string out;
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (i) out += ';';
    out += IntToStr(items[i]);
  }
  return out;
}

std::string Flag(bool b) { return b ? "True" : "False"; }

void StackListSection(TextBuilder& t, const std::vector<std::string>& stack, const std::string& debugMsg,
                      const Exception& E) {
  // Outermost routine first, each line one blank deeper; the exception line
  // stands one blank deeper than the innermost routine.
  std::string prefix = "- ";
  for (auto it = stack.rbegin(); it != stack.rend(); ++it) {
    t.Line(prefix + *it);
    prefix.insert(prefix.begin(), ' ');
  }
  if (!stack.empty()) prefix.erase(prefix.size() - 3, 2);
  prefix += "*** ";
  t.Line(prefix + E.ClassName() + " : " + E.Message());
  if (!debugMsg.empty()) t.Line(prefix + "DebugMsg : " + debugMsg);
}

void ScreenSection(TextBuilder& t) {
  t.Section("=== Screen ===");
  const ScreenEntry active = Screen->ActiveForm();
  t.Line(Format("ActiveForm=%s (%s)", {active.name, active.caption}));
  t.Line(Format("ActiveControl=%s", {Screen->ActiveControlName()}));
  const auto forms = Screen->Forms();
  t.Line(Format("VisibleFormsCount=%d", {forms.size()}));
  for (std::size_t i = 0; i < forms.size(); ++i)
    t.Line(Format("%d=%s (%s)", {i + 1, forms[i].name, forms[i].caption}));
  const auto custom = Screen->CustomForms();
  t.Line(Format("VisibleCustomFormsCount=%d", {custom.size()}));
  for (std::size_t i = 0; i < custom.size(); ++i)
    t.Line(Format("%d=%s (%s)", {i + 1, custom[i].name, custom[i].caption}));
  const auto modules = Screen->DataModules();
  t.Line(Format("DataModulesCount=%d", {modules.size()}));
  for (std::size_t i = 0; i < modules.size(); ++i) t.Line(Format("%d=%s", {i + 1, modules[i]}));
}

void ApplicationSection(TextBuilder& t) {
  t.Section("=== Application ===");
  t.Line("Title=" + Application->Title);
  t.Line(Application->Active() ? "Application=Active" : "Application=NOT Active");
  t.Line("ExeName=" + Application->ExeName());
  const FileDetails exe = FindFileDetails(Application->ExeName()).value_or(FileDetails{});
  t.Line(Format("Size=%s", {Thousands(exe.size)}));
  t.Line(Format("Date=%s", {DateTimeToStr(exe.date)}));
  t.Line("HelpFile=" + Application->HelpFile);
  t.Line("CurrentHelpFile=" + Application->CurrentHelpFile());
  t.Line("IsRightToLeft=" + Flag(Application->IsRightToLeft()));
}

void OperatingSystemSection(TextBuilder& t) {
  t.Section("=== Operating System ===");
  TOSVersionInfo os;
  if (GetVersionEx(os)) {
    t.Line(Format("OS Version %d.%d %s", {os.MajorVersion, os.MinorVersion, os.CSDVersion}));
    t.Line(Format("- BuildNumber %d", {os.BuildNumber}));
    t.Line(Format("- Platform Id = %d", {os.PlatformId}));
  } else {
    t.Line("*** No Information Available ***");
  }
}

void MemorySection(TextBuilder& t) {
  t.Section("=== GlobalMemoryStatus ===");
  const TMemoryStatus m = GlobalMemoryStatus();
  t.Line(Format("MemoryLoad=%d %s", {m.MemoryLoad, "%"}));
  t.Line(Format("TotalPhys=%s MB", {Megabytes(m.TotalPhys)}));
  t.Line(Format("AvailPhys=%s MB (%s)", {Megabytes(m.AvailPhys), Thousands(m.AvailPhys)}));
  t.Line(Format("TotalPageFile=%s", {Thousands(m.TotalPageFile)}));
  t.Line(Format("AvailPageFile=%s", {Thousands(m.AvailPageFile)}));
  t.Line(Format("TotalVirtual=%s MB", {Megabytes(m.TotalVirtual)}));
  t.Line(Format("AvailVirtual=%s MB (%s)", {Megabytes(m.AvailVirtual), Thousands(m.AvailVirtual)}));
}

void RegionalSection(TextBuilder& t) {
  const TFormatSettings& f = FormatSettings;
  t.Section("=== Currency and Date/Time Formats ===");
  t.Line("CurrencyString=" + f.CurrencyString);
  t.Line(Format("CurrencyFormat=%d", {f.CurrencyFormat}));
  t.Line(Format("NegCurrFormat=%d", {f.NegCurrFormat}));
  t.Line(std::string("ThousandSeparator=") + f.ThousandSeparator);
  t.Line(std::string("DecimalSeparator=") + f.DecimalSeparator);
  t.Line(Format("CurrencyDecimals=%d", {f.CurrencyDecimals}));
  t.Line(std::string("DateSeparator=") + f.DateSeparator);
  t.Line("ShortDateFormat=" + f.ShortDateFormat);
  t.Line("LongDateFormat=" + f.LongDateFormat);
  t.Line(std::string("TimeSeparator=") + f.TimeSeparator);
  t.Line("TimeAMString=" + f.TimeAMString);
  t.Line("TimePMString=" + f.TimePMString);
  t.Line("ShortTimeFormat=" + f.ShortTimeFormat);
  t.Line("LongTimeFormat=" + f.LongTimeFormat);
  t.Line("ShortMonthNames=" + Joined(f.ShortMonthNames));
  t.Line("LongMonthNames=" + Joined(f.LongMonthNames));
  t.Line("ShortDayNames=" + Joined(f.ShortDayNames));
  t.Line("LongDayNames=" + Joined(f.LongDayNames));
  t.Line(Format("SysLocale : DefaultLCID=%d;PriLangID=%d;SubLangID=%d;%s",
                {SysLocale.DefaultLCID, SysLocale.PriLangID, SysLocale.SubLangID,
                 "FarEast=" + Flag(SysLocale.FarEast) + ";MiddleEast=" + Flag(SysLocale.MiddleEast)}));
  t.Line("EraNames=" + Joined(f.EraNames));
  t.Line("EraYearOffsets=" + Joined(f.EraYearOffsets));
  t.Line(Format("TwoDigitYearCenturyWindow=%d", {f.TwoDigitYearCenturyWindow}));
  t.Line(std::string("ListSeparator=") + f.ListSeparator);
}

}  // namespace

void TLumbrick::BuildTechnicalInfo(const Exception& E) {
  std::vector<std::string> stack;
  {
    std::lock_guard lock(FStackLock);
    FLastExceptAddr = RaiseAddress();  // this exception's list is complete
    stack = FStackList.Names();
  }
  TextBuilder t("***** Lumbrick Technical Informations *****");
  t.Blank();
  t.Line(DateTimeToStr(Now()));
  t.Line(std::string(E.ClassName()) + " : " + E.Message());
  t.Section("=== Stack List ===");
  StackListSection(t, stack, DebugMsg, E);
  ScreenSection(t);
  ApplicationSection(t);
  OperatingSystemSection(t);
  MemorySection(t);
  RegionalSection(t);
  if (OnCustomInfo) {
    std::string info;
    OnCustomInfo(info);
    t.Section(info);
  }
  t.Section("***** End *****");
  FTechInfo = t.Take();
}
