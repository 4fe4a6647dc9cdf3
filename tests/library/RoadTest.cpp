// The road of one exception: question, enable states, report window, and the
// handler's own failure.
#include "Files.h"
#include "LibraryFixture.h"

namespace {

using ::testing::HasSubstr;

void Fail(const std::string& message) try {
  throw EConvertError(message);
} catch (...) {
  VIX->Push("Procedure Fail");
  throw;
}

using RoadTest = LibraryTest;

TEST_F(RoadTest, AsksWithTheMessageAFullStopAndTheQuestion) {
  dialogs.Answer(mrNo);
  Run([] { Fail("'abc' is not a valid integer value"); });
  ASSERT_EQ(dialogs.Shown().size(), 1u);
  const DialogRequest& q = dialogs.Last();
  EXPECT_EQ(q.kind, DialogRequest::Kind::MessageDlg);
  EXPECT_EQ(q.type, TMsgDlgType::mtError);
  EXPECT_EQ(q.buttons, mbYes | mbNo);
  EXPECT_EQ(q.text, "'abc' is not a valid integer value.\n\r\n\rView more informations ?");
}

TEST_F(RoadTest, TheFullStopRuleFollowsTheLastByte) {
  const std::pair<const char*, const char*> cases[] = {
      {"", "\n\r\n\rView more informations ?"},
      {"Stop!", "Stop!\n\r\n\rView more informations ?"},
      {"Why?", "Why?.\n\r\n\rView more informations ?"},
      {"Done.", "Done.\n\r\n\rView more informations ?"},
      {"List (3)", "List (3)\n\r\n\rView more informations ?"},
      {"Code 7", "Code 7.\n\r\n\rView more informations ?"},
  };
  for (const auto& [message, shown] : cases) {
    dialogs.Answer(mrNo);
    Run([m = std::string(message)] { Fail(m); });
    EXPECT_EQ(dialogs.Last().text, shown) << message;
  }
}

TEST_F(RoadTest, YesShowsTheWindowWithTheMessageAndTheTechnicalText) {
  lib->Language = 2;
  Run([] { Fail("Boom"); });
  EXPECT_EQ(dialogs.Last().text, "Boom.\n\r\n\rVoir plus d'informations ?");
  EXPECT_EQ(Window().shown, 1);
  EXPECT_EQ(Window().language, 2);
  EXPECT_EQ(Window().exceptionText, "Boom");  // without the full stop
  EXPECT_EQ(Window().technicalText, lib->TechInfo());
  EXPECT_THAT(lib->TechInfo(), HasSubstr("\r- Procedure Fail\r *** EConvertError : Boom\r"));
  EXPECT_EQ(lib->StationId, "None");  // station settings loaded for the window
}

TEST_F(RoadTest, NoBuildsNothingAndShowsNoWindow) {
  dialogs.Answer(mrNo);
  Run([] { Fail("Boom"); });
  EXPECT_EQ(Window().shown, 0);
  EXPECT_EQ(lib->TechInfo(), "");
  EXPECT_FALSE(FileExists(dir.File("Lumbrick.ini")));
}

TEST_F(RoadTest, DisabledShowsOnlyTheStandardBox) {
  lib->Disable(1);
  Run([] { Fail("Boom"); });
  ASSERT_EQ(dialogs.Shown().size(), 1u);
  const DialogRequest& box = dialogs.Last();
  EXPECT_EQ(box.kind, DialogRequest::Kind::MessageBox);
  EXPECT_EQ(box.flags, MB_OK | MB_ICONSTOP);
  EXPECT_EQ(box.title, "Dromlet");
  EXPECT_EQ(box.text, "Boom.");
  EXPECT_EQ(Window().shown, 0);
  EXPECT_TRUE(lib->StackList().empty());
}

TEST_F(RoadTest, EnableStatesRevertOnlyThroughProcessing) {
  struct Case {
    void (TLumbrick::*call)(int);
    int mode;
    int before;
    int after;
  };
  const Case cases[] = {
      {&TLumbrick::Enable, 1, 1, 1},  {&TLumbrick::Enable, 0, 2, -1}, {&TLumbrick::Enable, 5, 2, -1},
      {&TLumbrick::Disable, 1, -1, -1}, {&TLumbrick::Disable, 3, -2, 1},
  };
  for (const Case& c : cases) {
    lib->Enable(1);
    (lib->*c.call)(c.mode);
    EXPECT_EQ(lib->State(), c.before);
    try {
      Fail("x");
    } catch (...) {
    }
    EXPECT_EQ(lib->State(), c.before);  // a push does not touch the state
    dialogs.Answer(mrNo);
    Run([] { Fail("x"); });
    EXPECT_EQ(lib->State(), c.after);
  }
  // A one-shot state ends opposite, whatever came before it.
  lib->Disable(1);
  lib->Enable(2);
  dialogs.Answer(mrYes);
  Run([] { Fail("x"); });
  EXPECT_EQ(Window().shown, 1);
  EXPECT_EQ(lib->State(), -1);
  Run([] { Fail("y"); });
  EXPECT_EQ(dialogs.Last().kind, DialogRequest::Kind::MessageBox);
}

TEST_F(RoadTest, AFailingCustomHookEndsInTheHandlerErrorAndResetsAll) {
  lib->DebugMsg = "debug";
  lib->Enable(2);
  lib->OnCustomInfo = [](std::string&) { throw EInOutError("I/O error 5"); };
  Run([] { Fail("Boom"); });
  ASSERT_EQ(dialogs.Shown().size(), 2u);
  EXPECT_EQ(dialogs.Last().text, "Exception Handler Error");
  EXPECT_EQ(dialogs.Last().type, TMsgDlgType::mtError);
  EXPECT_EQ(dialogs.Last().buttons, static_cast<unsigned>(mbOK));
  EXPECT_EQ(Window().shown, 0);
  EXPECT_TRUE(lib->StackList().empty());
  EXPECT_EQ(lib->DebugMsg, "");
  EXPECT_EQ(lib->State(), -1);
}

// An exception while the window is shown (from its own buttons, say) is
// told in the standard box; the open window, and the report the user is
// writing, keep the exception they are about.
TEST_F(RoadTest, AnExceptionWhileTheWindowIsShownLeavesTheReportToTheFirst) {
  Window().onShow = [&] { Run([] { Fail("Second"); }); };
  Run([] { Fail("First"); });
  EXPECT_EQ(Window().shown, 1);
  EXPECT_EQ(dialogs.Last().kind, DialogRequest::Kind::MessageBox);
  EXPECT_EQ(dialogs.Last().text, "Second.");
  EXPECT_EQ(Window().exceptionText, "First");
  EXPECT_THAT(Window().technicalText, HasSubstr("EConvertError : First"));
  EXPECT_THAT(lib->TechInfo(), HasSubstr("EConvertError : First"));
  EXPECT_TRUE(lib->StackList().empty());
}

TEST_F(RoadTest, WithoutAReportWindowTheRoadEndsInTheHandlerError) {
  SetReportWindowFactory(nullptr);
  TLumbrick bare(nullptr);
  VIX = &bare;
  app.OnException = [&](TObject* s, Exception& e) { bare.HandleException(s, e); };
  Run([] { Fail("Boom"); });
  EXPECT_EQ(dialogs.Last().text, "Exception Handler Error");
}

}  // namespace
