// The failures of pages 1, 2, 4 and 5: what the user sees, the stack list of
// the report, and the library's state around each failure.
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <cmath>

#include "DemoFixture.h"
#include "Lumbrick.h"
#include "QtText.h"
#include "RadioGroup.h"
#include "SysUtils.h"

namespace {

using ::testing::ElementsAre;
using ::testing::MatchesRegex;

const char* const kQuestion = "\n\r\n\rView more informations ?";
const char* const kConvert = "'Enter a number' is not a valid floating point value";
const char* const kInvalidOp = "Invalid floating point operation";
// The host's access-violation message, as the report prints it.
const char* const kAccessViolation =
    "Access violation at address [0-9A-F]{16} in module '[^']+'\\. Read of address [0-9A-F]{16}";

class FailureTest : public DemoTest {
 protected:
  FailureTest() {
    WriteIniWithBrowser();
    Open();
  }

  TfmMain& fm() { return *window; }

  // The user switches the library off for good on page 4.
  void DisableByUser() {
    fm().SetPageControlIndex(4);
    fm().OnActivePageChanged();
    fm().rgOnOff->Item(1)->click();
    ASSERT_TRUE(fm().DisabledByUser());
    ASSERT_EQ(VIX->State(), -1);
    dialogs.Clear();
  }

  // The only dialog shown: the library's question for the message.
  void ExpectQuestionOnly(const std::string& message) {
    ASSERT_EQ(dialogs.Shown().size(), 1u);
    const DialogRequest& q = dialogs.Last();
    EXPECT_EQ(q.kind, DialogRequest::Kind::MessageDlg);
    EXPECT_EQ(q.type, TMsgDlgType::mtError);
    EXPECT_EQ(q.buttons, mbYes | mbNo);
    EXPECT_EQ(q.text, WithFullStop(message) + kQuestion);
    EXPECT_EQ(Report().shown, 1);
  }

  // The only dialog shown: the platform's standard error box.
  void ExpectStandardBoxOnly(const std::string& message) {
    ASSERT_EQ(dialogs.Shown().size(), 1u);
    const DialogRequest& box = dialogs.Last();
    EXPECT_EQ(box.kind, DialogRequest::Kind::MessageBox);
    EXPECT_EQ(box.flags, MB_OK | MB_ICONSTOP);
    EXPECT_EQ(box.title, "dromlet");
    EXPECT_EQ(box.text, WithFullStop(message));
    EXPECT_EQ(Report().shown, 0);
  }

  // The only dialog shown: a plain message box with this text.
  void ExpectMessageOnly(const std::string& text) {
    ASSERT_EQ(dialogs.Shown().size(), 1u);
    EXPECT_EQ(dialogs.Last().kind, DialogRequest::Kind::ShowMessage);
    EXPECT_EQ(dialogs.Last().text, text);
    EXPECT_EQ(Report().shown, 0);
  }

  void Calc(QLineEdit* edit, const char* text, QPushButton* button) {
    edit->setText(Qs(text));
    dialogs.Clear();
    Report().shown = 0;
    button->click();
  }
};

std::string LastDialogText(const ScriptedDialogs& d) { return d.Shown().empty() ? "" : d.Last().text; }

// Page 1.

TEST_F(FailureTest, BugWithoutLumbrickShowsTheStandardBoxOnce) {
  fm().btSimpleWithout->click();
  ASSERT_EQ(dialogs.Shown().size(), 1u);
  EXPECT_EQ(dialogs.Last().kind, DialogRequest::Kind::MessageBox);
  EXPECT_EQ(dialogs.Last().flags, MB_OK | MB_ICONSTOP);
  EXPECT_THAT(dialogs.Last().text, MatchesRegex(std::string(kAccessViolation) + "\\."));
  EXPECT_EQ(Report().shown, 0);
  // The one-shot state has ended with that failure: the library is on again.
  EXPECT_EQ(VIX->State(), 1);
  EXPECT_TRUE(VIX->StackList().empty());
}

TEST_F(FailureTest, BugWithoutLumbrickWhenTheUserDisabledIt) {
  DisableByUser();
  fm().btSimpleWithout->click();
  ASSERT_EQ(dialogs.Shown().size(), 1u);
  EXPECT_EQ(dialogs.Last().kind, DialogRequest::Kind::MessageBox);
  EXPECT_EQ(VIX->State(), -1);
}

TEST_F(FailureTest, BugWithLumbrickIsReportedAndNothingFollowsIt) {
  fm().btSimpleWith->click();
  ASSERT_EQ(dialogs.Shown().size(), 1u);  // no "This message will not be displayed"
  EXPECT_EQ(dialogs.Last().kind, DialogRequest::Kind::MessageDlg);
  EXPECT_THAT(dialogs.Last().text,
              MatchesRegex(std::string(kAccessViolation) + "\\.\n\r\n\rView more informations \\?"));
  EXPECT_EQ(Report().shown, 1);
  EXPECT_THAT(StackSection(), ElementsAre("- procedure TfmMain.btSimpleWithClick",
                                          MatchesRegex(std::string(" \\*\\*\\* EAccessViolation : ") +
                                                       kAccessViolation)));
  EXPECT_EQ(VIX->State(), 1);
}

TEST_F(FailureTest, BugWithLumbrickIsReportedOnceWhenTheUserDisabledIt) {
  DisableByUser();
  fm().btSimpleWith->click();
  EXPECT_EQ(dialogs.Last().kind, DialogRequest::Kind::MessageDlg);
  EXPECT_EQ(Report().shown, 1);
  EXPECT_EQ(StackSection().front(), "- procedure TfmMain.btSimpleWithClick");
  EXPECT_EQ(VIX->State(), -1);  // off again, as the user chose
}

TEST_F(FailureTest, AnsweringNoShowsNoReport) {
  dialogs.Answer(mrNo);
  fm().btSimpleWith->click();
  EXPECT_EQ(dialogs.Shown().size(), 1u);
  EXPECT_EQ(Report().shown, 0);
  EXPECT_TRUE(VIX->StackList().empty());
}

// Page 2.

TEST_F(FailureTest, SquareRootWithoutProtection) {
  Calc(fm().ed2Num, "Enter a number", fm().bt2Calc);
  ExpectQuestionOnly(kConvert);
  EXPECT_THAT(StackSection(), ElementsAre("- Procedure TfmMain.bt2CalcClick",
                                          std::string(" *** EConvertError : ") + kConvert));
  Calc(fm().ed2Num, "-100", fm().bt2Calc);
  ExpectQuestionOnly(kInvalidOp);
  EXPECT_THAT(StackSection(), ElementsAre("- Procedure TfmMain.bt2CalcClick", " - Function TfmMain.Calc2",
                                          "  *** EInvalidOp : Invalid floating point operation"));
  Calc(fm().ed2Num, "100", fm().bt2Calc);
  ExpectMessageOnly("Result = 10");
}

TEST_F(FailureTest, SquareRootWithConversionErrorsHandled) {
  Calc(fm().ed2Num, "Enter a number", fm().bt2CalcPartiallyProtected);
  ExpectMessageOnly("'Enter a number' cannot be converted into a number");
  Calc(fm().ed2Num, "-100", fm().bt2CalcPartiallyProtected);
  ExpectQuestionOnly(kInvalidOp);
  EXPECT_THAT(StackSection(), ElementsAre("- Procedure TfmMain.bt2CalcPartiallyProtectedClick",
                                          " - Function TfmMain.Calc2",
                                          "  *** EInvalidOp : Invalid floating point operation"));
  Calc(fm().ed2Num, "2.25", fm().bt2CalcPartiallyProtected);
  ExpectMessageOnly("Result = 1.5");

  IsEnglish = false;
  Calc(fm().ed2Num, "abc", fm().bt2CalcPartiallyProtected);
  ExpectMessageOnly("'abc' ne peut \xEAtre converti en nombre");
}

TEST_F(FailureTest, SquareRootWithEveryErrorHandled) {
  Calc(fm().ed2Num, "Enter a number", fm().bt2CalcProtected);
  ExpectMessageOnly(kConvert);
  Calc(fm().ed2Num, "-100", fm().bt2CalcProtected);
  ExpectMessageOnly(kInvalidOp);
  // The library was not involved, but Calc2 had pushed its name on the way.
  EXPECT_THAT(VIX->StackList(), ElementsAre("Function TfmMain.Calc2"));
  Calc(fm().ed2Num, "100", fm().bt2CalcProtected);
  ExpectMessageOnly("Result = 10");
}

TEST_F(FailureTest, SquareRootFailuresGetTheStandardBoxWhenTheUserDisabledTheLibrary) {
  DisableByUser();
  Calc(fm().ed2Num, "-100", fm().bt2Calc);
  ExpectStandardBoxOnly(kInvalidOp);
  EXPECT_EQ(VIX->State(), -1);
}

// Page 4.

TEST_F(FailureTest, CalculateReportsEveryFailure) {
  Calc(fm().ed4Num, "Enter a number", fm().bt4Calc);
  ExpectQuestionOnly(kConvert);
  EXPECT_THAT(StackSection(), ElementsAre("- Procedure TfmMain.bt4CalcClick",
                                          std::string(" *** EConvertError : ") + kConvert));
  Calc(fm().ed4Num, "15", fm().bt4Calc);
  ExpectQuestionOnly(kInvalidOp);
  EXPECT_THAT(StackSection(), ElementsAre("- Procedure TfmMain.bt4CalcClick", " - Function TfmMain.UglyCalc",
                                          "  *** EInvalidOp : Invalid floating point operation"));
  Calc(fm().ed4Num, "1", fm().bt4Calc);
  ExpectMessageOnly("Result = " + FloatToStr(std::sqrt(std::cos(1.0))));
  EXPECT_EQ(LastDialogText(dialogs), "Result = 0.735052587144716");
}

TEST_F(FailureTest, DisableAndCalculateHidesOnlyTheConversionFailure) {
  Calc(fm().ed4Num, "Enter a number", fm().bt4CalcDisabled);
  ExpectStandardBoxOnly(kConvert);
  EXPECT_EQ(VIX->State(), 1);  // on again after the one-shot
  Calc(fm().ed4Num, "15", fm().bt4CalcDisabled);
  ExpectQuestionOnly(kInvalidOp);
  EXPECT_THAT(StackSection(), ElementsAre("- Procedure TfmMain.bt4CalcDisabledClick",
                                          " - Function TfmMain.UglyCalc",
                                          "  *** EInvalidOp : Invalid floating point operation"));
  EXPECT_EQ(VIX->State(), 1);
  Calc(fm().ed4Num, "1", fm().bt4CalcDisabled);
  ExpectMessageOnly("Result = 0.735052587144716");
  EXPECT_EQ(VIX->State(), 1);
}

TEST_F(FailureTest, WithTheLibraryDisabledByTheUserCalculateGetsTheStandardBox) {
  DisableByUser();
  Calc(fm().ed4Num, "15", fm().bt4Calc);
  ExpectStandardBoxOnly(kInvalidOp);
  EXPECT_EQ(VIX->State(), -1);
}

TEST_F(FailureTest, WithTheLibraryDisabledByTheUserDisableAndCalculateReportsOnce) {
  DisableByUser();
  Calc(fm().ed4Num, "Enter a number", fm().bt4CalcDisabled);
  ExpectStandardBoxOnly(kConvert);
  EXPECT_EQ(VIX->State(), -1);
  Calc(fm().ed4Num, "15", fm().bt4CalcDisabled);
  ExpectQuestionOnly(kInvalidOp);
  EXPECT_EQ(VIX->State(), -1);  // off again after the report
  // With 1 the result is shown and the one-time enablement stays pending:
  // the next failure anywhere is reported, once.
  Calc(fm().ed4Num, "1", fm().bt4CalcDisabled);
  ExpectMessageOnly("Result = 0.735052587144716");
  EXPECT_EQ(VIX->State(), 2);
  Calc(fm().ed2Num, "-100", fm().bt2Calc);
  ExpectQuestionOnly(kInvalidOp);
  Calc(fm().ed2Num, "-100", fm().bt2Calc);
  ExpectStandardBoxOnly(kInvalidOp);
}

// Page 5.

TEST_F(FailureTest, DebugMsgNamesTheFailingLine) {
  const std::string caption = fm().Caption();
  for (int run = 0; run < 5; ++run) {
    dialogs.Clear();
    fm().btUseDebugMsg->click();
    ExpectQuestionOnly("List index out of bounds (10)");
    EXPECT_THAT(StackSection(),
                ElementsAre("- Procedure TfmMain.btUseDebugMsgClick",
                            " *** EStringListError : List index out of bounds (10)",
                            " *** DebugMsg : Last Line Executed : Caption := Caption + StringList[Idx+1];  "
                            "(Idx = 9, StringList.Count = 10)"));
    EXPECT_EQ(fm().Caption(), caption);
    EXPECT_EQ(VIX->DebugMsg, "");
    Report().shown = 0;
  }
}

TEST_F(FailureTest, DebugMsgInFrench) {
  fm().rgLanguage->Item(1)->click();
  dialogs.Clear();
  fm().btUseDebugMsg->click();
  EXPECT_EQ(StackSection().back(),
            " *** DebugMsg : Derni\xE8re ligne ex\xE9" "cut\xE9" "e : Caption := Caption + StringList[Idx+1];  "
            "(Idx = 9, StringList.Count = 10)");
}

}  // namespace
