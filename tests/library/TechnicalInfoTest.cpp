// The technical information text, byte for byte, with the clock, locale,
// OS, memory, screen and stack fixed.
#include "AccessViolation.h"
#include "LibraryFixture.h"

namespace {

std::string JoinCR(const std::vector<std::string>& lines) {
  std::string out;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i) out += '\r';
    out += lines[i];
  }
  return out;
}

void Inner() try {
  throw EConvertError("'x1' is not a valid integer value");
} catch (...) {
  VIX->Push("Procedure A");
  throw;
}

void Outer() try {
  Inner();
} catch (...) {
  VIX->Push("Procedure B");
  throw;
}

class TechnicalInfoTest : public LibraryTest {
 protected:
  std::vector<std::string> Head(const std::vector<std::string>& stack) {
    std::vector<std::string> lines = {"***** Lumbrick Technical Informations *****", "",
                                      "6/15/2006 2:30:45 PM", "EConvertError : 'x1' is not a valid integer value",
                                      "", "=== Stack List ==="};
    lines.insert(lines.end(), stack.begin(), stack.end());
    return lines;
  }
  std::vector<std::string> Body() {
    return {"",
            "=== Screen ===",
            "ActiveForm=fmMain (Dromlet)",
            "ActiveControl=btRaise",
            "VisibleFormsCount=2",
            "1=fmMain (Dromlet)",
            "2=fmLumbrick (Exception Informations)",
            "VisibleCustomFormsCount=2",
            "1=fmMain (Dromlet)",
            "2=fmLumbrick (Exception Informations)",
            "DataModulesCount=0",
            "",
            "=== Application ===",
            "Title=Dromlet",
            "Application=NOT Active",
            "ExeName=" + dir.File("Dromlet"),
            "Size=1,234,567",
            "Date=5/1/2006 10:20:30 AM",
            "HelpFile=",
            "CurrentHelpFile=",
            "IsRightToLeft=False",
            "",
            "=== Operating System ===",
            "OS Version 6.1 Linux #1 SMP Debian",
            "- BuildNumber 76",
            "- Platform Id = 2",
            "",
            "=== GlobalMemoryStatus ===",
            "MemoryLoad=54 %",
            "TotalPhys=24,576 MB",
            "AvailPhys=12,288 MB (12,884,914,233)",
            "TotalPageFile=34,359,738,368",
            "AvailPageFile=21,474,836,480",
            "TotalVirtual=134,217,727 MB",
            "AvailVirtual=134,217,262 MB (140,737,000,000,000)",
            "",
            "=== Currency and Date/Time Formats ===",
            "CurrencyString=$",
            "CurrencyFormat=0",
            "NegCurrFormat=0",
            "ThousandSeparator=,",
            "DecimalSeparator=.",
            "CurrencyDecimals=2",
            "DateSeparator=/",
            "ShortDateFormat=M/d/yyyy",
            "LongDateFormat=dddd, MMMM dd, yyyy",
            "TimeSeparator=:",
            "TimeAMString=AM",
            "TimePMString=PM",
            "ShortTimeFormat=h:mm AMPM",
            "LongTimeFormat=h:mm:ss AMPM",
            "ShortMonthNames=Jan;Feb;Mar;Apr;May;Jun;Jul;Aug;Sep;Oct;Nov;Dec",
            "LongMonthNames=January;February;March;April;May;June;July;August;September;October;November;December",
            "ShortDayNames=Sun;Mon;Tue;Wed;Thu;Fri;Sat",
            "LongDayNames=Sunday;Monday;Tuesday;Wednesday;Thursday;Friday;Saturday",
            "SysLocale : DefaultLCID=1033;PriLangID=9;SubLangID=1;FarEast=False;MiddleEast=False",
            "EraNames=;;;;;;",
            "EraYearOffsets=0;0;0;0;0;0;0",
            "TwoDigitYearCenturyWindow=50",
            "ListSeparator=,"};
  }
};

TEST_F(TechnicalInfoTest, WholeTextWithTwoRoutinesAndNoHook) {
  Run(Outer);
  auto lines = Head({"- Procedure B", " - Procedure A", "  *** EConvertError : 'x1' is not a valid integer value"});
  for (auto& l : Body()) lines.push_back(l);
  lines.insert(lines.end(), {"", "***** End *****"});
  EXPECT_EQ(lib->TechInfo(), JoinCR(lines));
  EXPECT_EQ(lib->TechInfo().find('\n'), std::string::npos);
}

TEST_F(TechnicalInfoTest, WholeTextWithDebugMessageAndCustomBlock) {
  lib->DebugMsg = "Idx = 9 - StringList.Count = 10";
  lib->OnCustomInfo = [](std::string& info) {
    info = "stale";  // the hook sets the whole value
    info = "\r=== Custom ===\rVersion = 1\r=== End ===";
  };
  Run(Outer);
  auto lines = Head({"- Procedure B", " - Procedure A", "  *** EConvertError : 'x1' is not a valid integer value",
                     "  *** DebugMsg : Idx = 9 - StringList.Count = 10"});
  for (auto& l : Body()) lines.push_back(l);
  lines.insert(lines.end(), {"", "", "=== Custom ===", "Version = 1", "=== End ===", "", "***** End *****"});
  EXPECT_EQ(lib->TechInfo(), JoinCR(lines));
}

TEST_F(TechnicalInfoTest, StackSectionIndentsByDepth) {
  const auto section = [&](const std::string& text) {
    const auto from = text.find("=== Stack List ===\r") + 19;
    return text.substr(from, text.find("\r\r=== Screen") - from);
  };
  Run([] { throw EConvertError("bare"); });
  EXPECT_EQ(section(lib->TechInfo()), "- *** EConvertError : bare");

  Run([]() { try { throw EConvertError("one"); } catch (...) { VIX->Push("Procedure Only"); throw; } });
  EXPECT_EQ(section(lib->TechInfo()), "- Procedure Only\r *** EConvertError : one");

  lib->DebugMsg = "d";
  Run([] { throw EConvertError("bare"); });
  EXPECT_EQ(section(lib->TechInfo()), "- *** EConvertError : bare\r- *** DebugMsg : d");
}

TEST_F(TechnicalInfoTest, AFailedVersionQueryPrintsOneLine) {
  host.osAvailable = false;
  Run(Outer);
  EXPECT_THAT(lib->TechInfo(),
              ::testing::HasSubstr("\r=== Operating System ===\r*** No Information Available ***\r\r=== Global"));
}

// A real read through a null pointer inside protected routines.
struct TNeverCreated {
  int Tag;
};
TNeverCreated* volatile fmNeverCreated = nullptr;

int ReadTag() try {
  return fmNeverCreated->Tag;
} catch (...) {
  VIX->Push("Function ReadTag");
  throw;
}

void ClickCaption() try {
  const int tag = ReadTag();
  ADD_FAILURE() << "read through a null pointer went on: " << tag;
} catch (...) {
  VIX->Push("Procedure TfmMain.btCaptionClick");
  throw;
}

TEST_F(TechnicalInfoTest, ARealNullReadIsReportedAsAccessViolation) {
  InstallAccessViolationHandler();
  Run(ClickCaption);
  ASSERT_EQ(Window().shown, 1);
  const std::string& text = lib->TechInfo();
  EXPECT_THAT(text, ::testing::HasSubstr("\r- Procedure TfmMain.btCaptionClick\r - Function ReadTag\r"
                                         "  *** EAccessViolation : Access violation at address "));
  EXPECT_THAT(text, ::testing::HasSubstr(". Read of address 0000000000000000\r"));
}

}  // namespace
