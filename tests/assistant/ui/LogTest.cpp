// The operation log window: operations from start to end, cancel, progress
// while hidden, the drawing of its lines and the saved file.
#include "ProgressLabel.h"
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFontMetrics>
#include <QPainter>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <functional>

#include <sys/stat.h>

#include "Application.h"
#include "Colors.h"
#include "Files.h"
#include "DateTime.h"
#include "Log.h"
#include "LogLine.h"
#include "Lumbrick.h"
#include "ModalAnswer.h"
#include "OperationLog.h"
#include "QtFileDialogHost.h"
#include "QtText.h"
#include "ScanProgress.h"
#include "SpeedButton.h"
#include "UiFixture.h"
#include "WithoutRoot.h"

namespace {

class LogTest : public UiTest {
 protected:
  LogTest() { fmLog = &log; }
  static TDateTime At(int hour, int min, int sec, int msec, int day = 15) {
    return EncodeDate(2006, 6, day) + EncodeTime(hour, min, sec, msec);
  }
  std::string Info() const { return log.lbInfo->Text(); }
  std::string InfoPlus() const { return log.lbInfoPlus->Text(); }
  std::vector<std::string> Lines() const {
    std::vector<std::string> lines;
    for (int i = 0; i < log.LineCount(); ++i) lines.push_back(log.Lines(i));
    return lines;
  }

  TfmLog log;
};

TEST_F(LogTest, ItIsTheOperationLogWhileItExists) {
  EXPECT_EQ(OperationLog(), &log);
  AddMsg("from the model");
  DisplayInfoPlus("from the scanner");
  EXPECT_EQ(Lines(), std::vector<std::string>{"from the model"});
  EXPECT_EQ(InfoPlus(), "from the scanner");
  {
    TfmLog second;
    EXPECT_EQ(OperationLog(), &second);
  }
  EXPECT_EQ(OperationLog(), nullptr);
}

struct Ending {
  const char* name;
  bool success;
  bool cancelled;
  const char* status;
};

class LogEndingTest : public LogTest, public ::testing::WithParamInterface<Ending> {};

TEST_P(LogEndingTest, AnOperationEndsWithItsStatusWordAndElapsedTime) {
  host.SetNow(At(14, 30, 45, 0));
  log.StartLog("Refresh List");
  EXPECT_TRUE(log.isVisible());
  EXPECT_FALSE(log.btSave->isEnabled());
  EXPECT_TRUE(log.btCancel->isHidden());
  log.ShowCancel();
  EXPECT_FALSE(log.btCancel->isHidden());
  log.ChangeMsg("Unit1.pas");  // the blank line under the title
  log.AddMsg("(clRed)Unit2.pas\tImpossible to Read File");
  log.AddBlank();
  log.DisplayInfoPlus("Scanning");
  if (GetParam().cancelled) log.btCancel->click();
  log.Success = GetParam().success;
  host.SetNow(At(14, 30, 47, 500));
  log.TerminateLog();

  EXPECT_EQ(Lines(), (std::vector<std::string>{"Refresh List", "Unit1.pas", "(clRed)Unit2.pas\tImpossible to Read File", ""}));
  EXPECT_EQ(Info(), std::string(GetParam().status) + " (2.5 s)");
  EXPECT_EQ(InfoPlus(), "");
  EXPECT_FALSE(log.Cancelled());
  EXPECT_TRUE(log.btSave->isEnabled());
  EXPECT_TRUE(log.btCancel->isHidden());
}

INSTANTIATE_TEST_SUITE_P(Endings, LogEndingTest,
                         ::testing::Values(Ending{"Success", true, false, "Terminated"},
                                           Ending{"Cancel", true, true, "Aborted by User"},
                                           Ending{"Abnormal", false, false, "Abnormal Termination"}),
                         [](const ::testing::TestParamInfo<Ending>& i) { return std::string(i.param.name); });

TEST_F(LogTest, AnOperationAcrossMidnightShowsItsRealLength) {
  host.SetNow(At(23, 59, 59, 0, 15));
  log.StartLog("Scan All");
  log.Success = true;
  host.SetNow(At(0, 0, 1, 250, 16));
  log.TerminateLog();
  EXPECT_EQ(Info(), "Terminated (2.25 s)");
}

TEST_F(LogTest, ChangeMsgReplacesOnlyTheLineLastAdded) {
  log.ChangeMsg("nothing yet");
  EXPECT_EQ(log.LineCount(), 0);
  log.AddMsg("a");
  log.AddMsg("b");
  log.lbLog->SetItemIndex(0);
  log.ChangeMsg("b2");
  EXPECT_EQ(Lines(), (std::vector<std::string>{"a", "b2"}));
  EXPECT_EQ(log.lbLog->ItemIndex(), 0);  // the selection is left alone
  log.ClearLog();
  log.ChangeMsg("after clear");
  EXPECT_EQ(log.LineCount(), 0);
}

TEST_F(LogTest, CancelDuringALoopEndsItWithTheSilentAbortAndTheCleanUpRuns) {
  log.StartLog("Scan All");
  log.ShowCancel();
  // The user clicks Cancel while the loop runs: the click arrives through
  // the events that the progress calls process.
  QTimer::singleShot(0, log.btCancel, [this] { QTest::mouseClick(log.btCancel, Qt::LeftButton); });
  // Events are looked at once a screen frame: the loop runs for a while,
  // however fast its calls.
  QDeadlineTimer deadline(10000);
  int done = 0;
  bool aborted = false, cleanedUp = false;
  try {
    for (; !deadline.hasExpired(); ++done) log.DisplayInfo("Unit" + std::to_string(done));
    log.Success = true;
  } catch (const EAbort&) {
    aborted = true;
  }
  log.TerminateLog();
  cleanedUp = true;

  EXPECT_TRUE(aborted);
  EXPECT_FALSE(deadline.hasExpired());
  EXPECT_TRUE(cleanedUp);
  EXPECT_EQ(Info(), "Aborted by User (0 s)");
  EXPECT_TRUE(log.btSave->isEnabled());
  EXPECT_TRUE(log.btCancel->isHidden());
  // Outside an operation the request is gone: progress shows and goes on.
  EXPECT_NO_THROW(log.DisplayInfo("idle"));
  EXPECT_EQ(Info(), "idle");
  log.StartLog("Next");
  EXPECT_NO_THROW(log.DisplayInfo("runs"));
}

// An operation keeps the window shown (OperationTest): hidden, it serves
// the progress of work outside operations.
TEST_F(LogTest, WhileHiddenProgressGoesToTheStatusBarAndNeverAborts) {
  log.SetCancelled(true);
  EXPECT_NO_THROW(log.DisplayInfo("A"));
  EXPECT_NO_THROW(log.DisplayInfoPlus("B"));
  EXPECT_EQ(Status(), "  A - B");
  EXPECT_TRUE(log.Cancelled());  // a loop's own test still sees the request
}

TEST(LogLineTest, AColourMarkerIsRemovedAndColoursTheLineIgnoringCase) {
  const auto runs = LogLineRuns("(CLRED)Unit1.pas", 0, false, clBlack);
  ASSERT_EQ(runs.size(), 1u);
  EXPECT_EQ(runs[0].X, 4);
  EXPECT_EQ(runs[0].Text, "Unit1.pas");
  EXPECT_EQ(runs[0].Color, clRed);
  EXPECT_EQ(LogLineRuns("(clBlue)x", 0, true, clWhite)[0].Color, clBlue);  // selected, no column
}

TEST(LogLineTest, OtherBracketsAreRemovedOrKeptButNeverColour) {
  const auto other = LogLineRuns("(clGreen)text", 0, false, clBlack);
  EXPECT_EQ(other[0].Text, "text");
  EXPECT_EQ(other[0].Color, clBlack);
  EXPECT_EQ(LogLineRuns("(no close", 0, false, clBlack)[0].Text, "(no close");
  EXPECT_EQ(LogLineRuns(")(clRed)", 0, false, clBlack)[0].Text, ")(clRed)");
  EXPECT_EQ(LogLineRuns(")(clRed)", 0, false, clBlack)[0].Color, clBlack);
}

TEST(LogLineTest, ColumnsStartAt4And250And370AndAreWhiteWhenSelected) {
  const auto runs = LogLineRuns("(clRed)Unit1.pas\tCode Added : 3\tCode Removed : 1", 0, false, clBlack);
  ASSERT_EQ(runs.size(), 3u);
  EXPECT_EQ(runs[0].X, 4);
  EXPECT_EQ(runs[1].X, 250);
  EXPECT_EQ(runs[2].X, 370);
  EXPECT_EQ(runs[2].Text, "Code Removed : 1");
  EXPECT_EQ(runs[2].Color, clRed);
  const auto selected = LogLineRuns("a\tb\tc\td", 0, true, clWhite);
  EXPECT_EQ(selected[3].X, 490);
  for (const TLogRun& run : selected) EXPECT_EQ(run.Color, clWhite);
}

// Scrolled sideways, the row's left edge lies left of the view: every
// column moves with it.
TEST(LogLineTest, TheColumnsFollowTheRowsLeftEdge) {
  const auto runs = LogLineRuns("Unit1.pas\tCode Added : 3\tCode Removed : 1", -300, false, clBlack);
  ASSERT_EQ(runs.size(), 3u);
  EXPECT_EQ(runs[0].X, -296);
  EXPECT_EQ(runs[1].X, -50);
  EXPECT_EQ(runs[2].X, 70);
  const TTextWidth wide = [](const std::string&) { return 400; };
  EXPECT_EQ(LogLineRuns("a\tb", -300, false, clBlack, wide)[1].X, -296 + 400 + 8);
}

// Pixels of the row's rectangle [x0, x1) that are of a colour.
int CountPixels(const QImage& image, int row, int x0, int x1, const std::function<bool(QColor)>& is) {
  int n = 0;
  for (int y = row * 16; y < row * 16 + 16; ++y)
    for (int x = x0; x < x1; ++x)
      if (is(image.pixelColor(x, y))) ++n;
  return n;
}

TEST_F(LogTest, ThePaintedRowsShowTheColourAndTheColumns) {
  log.show();
  log.AddMsg("(clRed)WWWW");
  log.AddMsg("W\tW\tW");
  log.lbLog->SetItemIndex(-1);
  const QImage shot = log.lbLog->viewport()->grab().toImage();
  const auto red = [](QColor c) { return c.red() > 200 && c.green() < 60 && c.blue() < 60; };
  const auto dark = [](QColor c) { return c.lightness() < 100; };
  EXPECT_GT(CountPixels(shot, 0, 0, 100, red), 20);
  EXPECT_EQ(CountPixels(shot, 0, 0, 100, dark), 0) << "the marker itself was drawn";
  EXPECT_GT(CountPixels(shot, 1, 250, 262, dark), 5);
  EXPECT_GT(CountPixels(shot, 1, 370, 382, dark), 5);
  EXPECT_EQ(CountPixels(shot, 1, 20, 250, dark), 0);
  EXPECT_EQ(CountPixels(shot, 1, 262, 370, dark), 0);
}

TEST_F(LogTest, SaveWritesTheRawLinesAndSaysWhere) {
  log.StartLog("Refresh List");
  log.ChangeMsg("(clRed)Unit1.pas\tImpossible to Read File");
  log.Success = true;
  log.TerminateLog();
  const std::string file = dir.File("saved.txt");
  files.Answer(file);
  log.btSave->click();

  EXPECT_EQ(dir.Read("saved.txt"), "Refresh List\r\n(clRed)Unit1.pas\tImpossible to Read File\r\n");
  ASSERT_EQ(files.shown.size(), 1u);
  EXPECT_EQ(files.shown[0].kind, FileDialogRequest::Kind::Save);
  EXPECT_EQ(files.shown[0].title, "Save Log into Text File");
  EXPECT_EQ(files.shown[0].filter, "Text Files (*.txt)|*.txt|All Files (*.*)|*.*");
  EXPECT_EQ(files.shown[0].defaultExt, "txt");
  EXPECT_EQ(files.shown[0].initialDir, ProgramDir());
  ASSERT_EQ(dialogs.Shown().size(), 1u);
  EXPECT_EQ(dialogs.Last().type, TMsgDlgType::mtInformation);
  EXPECT_EQ(dialogs.Last().text, "Log Saved in " + file);

  files.Answer(std::nullopt);  // cancelled: nothing happens
  log.btSave->click();
  EXPECT_EQ(dialogs.Shown().size(), 1u);
}

// A save that cannot be made, under a name whose folder part is a file or in
// a folder that does not exist: a plain error box says which file and why,
// nothing reaches the library, and the lines and the files stay as they were.
TEST_F(LogTest, AFailedSaveSaysWhichFileAndWhyAndKeepsTheLines) {
  log.AddMsg("(clRed)Unit1.pas\tImpossible to Read File");
  log.AddMsg("line");
  const std::string plain = dir.Write("plain.txt", "kept");
  const std::vector<std::pair<std::string, std::string>> failures{
      {plain + "/saved.txt", "Not a directory"}, {dir.File("no/such/folder/saved.txt"), "No such file or directory"}};
  for (const auto& [file, reason] : failures) {
    files.Answer(file);
    log.btSave->click();
    EXPECT_EQ(dialogs.Last().type, TMsgDlgType::mtError);
    EXPECT_EQ(dialogs.Last().text, "Cannot create file \"" + file + "\". " + reason);
    EXPECT_FALSE(std::filesystem::exists(file));
  }
  EXPECT_EQ(dialogs.Shown().size(), 2u);
  EXPECT_EQ(Lines(), (std::vector<std::string>{"(clRed)Unit1.pas\tImpossible to Read File", "line"}));
  EXPECT_EQ(dir.Read("plain.txt"), "kept");
}

// In a folder the user may not write (as an ordinary user: root would write
// there): the same box with the system's reason.
TEST_F(LogTest, WithoutRootASaveInAReadOnlyFolderSaysPermissionDenied) {
  log.AddMsg("line");
  const std::string folder = dir.File("locked/");
  std::filesystem::create_directories(folder);
  ASSERT_TRUE(GiveToChild(dir.Path()));
  ASSERT_TRUE(GiveToChild(folder));
  ::chmod(folder.c_str(), 0555);
  const std::string file = folder + "saved.txt";
  files.Answer(file);
  const std::string failure = RunWithoutRoot([&]() -> std::string {
    log.btSave->click();
    if (dialogs.Shown().size() != 1) return "dialogs shown: " + std::to_string(dialogs.Shown().size());
    if (dialogs.Last().text != "Cannot create file \"" + file + "\". Permission denied")
      return "shown: " + dialogs.Last().text;
    return Lines() == std::vector<std::string>{"line"} ? std::string() : "lines lost";
  });
  EXPECT_EQ(failure, "");
  EXPECT_FALSE(std::filesystem::exists(file));
}

// A name picked in the real save dialog that Windows-1252 cannot hold is
// refused with a plain box showing it as the file system spells it.
TEST_F(LogTest, ASaveNameOutsideWindows1252IsRefusedPlainly) {
  log.AddMsg("line");
  const std::string picked = dir.File("\xE4\xB8\xAD\xE6\x96\x87.txt");
  QtFileDialogHost real;
  FileDialogHost* scripted = SetFileDialogHost(&real);
  {
    ModalAnswer answer(ModalAnswer::Type(QString::fromStdString(picked), "Save", "fileNameEdit"));
    log.btSave->click();
    EXPECT_TRUE(answer.Done());
  }
  SetFileDialogHost(scripted);
  ASSERT_EQ(dialogs.Shown().size(), 1u);
  EXPECT_EQ(dialogs.Last().type, TMsgDlgType::mtError);
  EXPECT_EQ(dialogs.Last().text, picked + "\r\nCannot be Used : its Name Holds Characters Outside Windows-1252");
  EXPECT_TRUE(dialogs.Last().textIsUtf8);
  EXPECT_FALSE(std::filesystem::exists(picked));
  EXPECT_EQ(Lines(), std::vector<std::string>{"line"});
}

// A line that shows a name only UTF-8 can spell is drawn as it is spelt, and
// a log that holds one is saved in UTF-8 whole.
TEST_F(LogTest, AUtf8LineIsDrawnAsSpeltAndTheLogIsSavedInUtf8) {
  const std::string primer = "\xD0\x9F\xD1\x80\xD0\xB8\xD0\xBC\xD0\xB5\xD1\x80.pas";
  log.AddMsg("Fen\xEAtre");  // Windows-1252
  AddMsgUtf8(primer);
  EXPECT_FALSE(log.LineIsUtf8(0));
  EXPECT_TRUE(log.LineIsUtf8(1));
  const QRect rect(0, 0, 300, 16);
  const auto paint = [&](const std::function<void(QPainter&)>& Draw) {
    QImage image(rect.size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(log.lbLog->font());
    painter.setPen(Qt::black);
    painter.setBrush(Qt::white);
    Draw(painter);
    return image;
  };
  const QImage drawn = paint([&](QPainter& Canvas) { log.lbLogDrawItem(Canvas, 1, rect, {}); });
  const QImage spelt = paint([&](QPainter& Canvas) {
    Canvas.drawText(QRect(4, 0, 0x7FFF, 16), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                    QString::fromStdString(primer));
  });
  EXPECT_TRUE(drawn == spelt);

  files.Answer(dir.File("saved.txt"));
  log.btSave->click();
  EXPECT_EQ(dir.Read("saved.txt"), "Fen\xC3\xAAtre\r\n" + primer + "\r\n");
  log.ChangeMsg("Unit1.pas");  // the line last added, now Windows-1252
  EXPECT_FALSE(log.LineIsUtf8(1));
}

TEST_F(LogTest, ALongColumnPushesTheNextOneAndTheListScrollsToTheLineEnd) {
  log.show();
  const std::string heading = "procedure TfmMain.lbAppsDrawItem(Index: Integer);";
  const std::string reason = "Other keywords share the begin or the end line";
  log.AddMsg("(clRed)Unit1.pas\t" + heading + "\t" + reason);
  log.lbLog->SetItemIndex(-1);
  QCoreApplication::processEvents();
  const QFontMetrics metrics(log.lbLog->font());
  const int headingEnd = 250 + metrics.horizontalAdvance(Qs(heading));
  ASSERT_LT(headingEnd + 8, log.lbLog->viewport()->width());
  const QImage shot = log.lbLog->viewport()->grab().toImage();
  const auto red = [](QColor c) { return c.red() > 150 && c.green() < 100 && c.blue() < 100; };
  // The reason starts after the heading, not over it.
  EXPECT_EQ(CountPixels(shot, 0, headingEnd + 1, headingEnd + 6, red), 0);
  EXPECT_GT(CountPixels(shot, 0, headingEnd + 6, shot.width(), red), 20);
  // Its end is within reach.
  const QScrollBar* bar = log.lbLog->horizontalScrollBar();
  EXPECT_GE(bar->maximum() + log.lbLog->viewport()->width(),
            headingEnd + 8 + metrics.horizontalAdvance(Qs(reason)));
  log.StartLog("Scan All");  // a new operation starts narrow
  EXPECT_EQ(bar->maximum(), 0);
}

// A Scan All's refusal line, far wider than the log, and a line of counts.
const char* const kRefusal =
    "(clRed)Plants.pas\tprocedure TPlant.Water(Amount: Integer; const Hours: array of Integer);\t"
    "Other keywords share the begin or the end line, compiler directives leave no safe place for the block";
const char* const kCounts = "Beds.pas\tCode Added : 0\t Updated : 0\t Removed : 0\t Ignored : 0";

// The first Count rows of the list as drawn.
QImage Rows(const TfmLog& log, int count) {
  QCoreApplication::processEvents();
  const QImage shot = log.lbLog->viewport()->grab().toImage();
  return shot.copy(0, 0, shot.width(), count * 16);
}

// How many pixels of Shot differ from Whole seen From pixels further right.
int Differences(const QImage& shot, const QImage& whole, int from) {
  int n = 0;
  for (int y = 0; y < shot.height(); ++y)
    for (int x = 0; x < shot.width(); ++x)
      if (x + from >= whole.width() || shot.pixel(x, y) != whole.pixel(x + from, y)) ++n;
  return n;
}

TEST_F(LogTest, ScrolledSidewaysTheRowsAreTheSameTextMovedUpToTheLineEnd) {
  log.show();
  log.AddMsg(kRefusal);
  log.AddMsg(kCounts);
  log.lbLog->SetItemIndex(-1);
  const QImage start = Rows(log, 2);
  QScrollBar* bar = log.lbLog->horizontalScrollBar();
  ASSERT_GT(bar->maximum(), 0);

  // A click on the right arrow: the thumb and the text move the same way.
  QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() - 4, bar->height() / 2));
  const int step = bar->value();
  ASSERT_GT(step, 0);
  const QImage moved = Rows(log, 2);
  // Then all the way to the end.
  for (int i = 0; i < 100 && bar->value() < bar->maximum(); ++i)
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() - 4, bar->height() / 2));
  ASSERT_EQ(bar->value(), bar->maximum());
  const int end = bar->value();
  const QImage last = Rows(log, 2);

  // The rows whole, in a log wide enough to show them unscrolled.
  const int viewWidth = log.lbLog->viewport()->width();
  log.resize(log.width() + end + 40, log.height());
  bar->setValue(0);
  const QImage whole = Rows(log, 2);
  ASSERT_EQ(log.lbLog->horizontalScrollBar()->maximum(), 0);
  ASSERT_GE(whole.width(), viewWidth + end);
  EXPECT_EQ(Differences(start, whole, 0), 0);
  EXPECT_EQ(Differences(moved, whole, step), 0) << "after one click on the arrow";
  EXPECT_EQ(Differences(last, whole, end), 0) << "at the end";
  // The refusal's last word is in view at the end.
  const QFontMetrics metrics(log.lbLog->font());
  const TTextWidth width = [&](const std::string& Text) { return metrics.horizontalAdvance(Qs(Text)); };
  EXPECT_LE(LogLineWidth(kRefusal, width) - end, viewWidth);
  const auto red = [](QColor c) { return c.red() > 150 && c.green() < 100 && c.blue() < 100; };
  const int lineEnd = LogLineWidth(kRefusal, width) - end;
  EXPECT_GT(CountPixels(last, 0, lineEnd - 20, lineEnd, red), 5);
}

// The scrollable width starts again from nothing with every operation.
TEST_F(LogTest, AfterAWideLogIsClearedALineWiderThanTheViewStillScrolls) {
  log.show();
  log.AddMsg(std::string(kRefusal) + "\t" + kRefusal);
  log.StartLog("Scan All");
  QCoreApplication::processEvents();
  const QScrollBar* bar = log.lbLog->horizontalScrollBar();
  EXPECT_EQ(bar->maximum(), 0);
  log.AddMsg(kRefusal);
  QCoreApplication::processEvents();
  const QFontMetrics metrics(log.lbLog->font());
  const int lineWidth = LogLineWidth(kRefusal, [&](const std::string& Text) { return metrics.horizontalAdvance(Qs(Text)); });
  ASSERT_GT(lineWidth, log.lbLog->viewport()->width());
  EXPECT_GE(bar->maximum() + log.lbLog->viewport()->width(), lineWidth);
}

}  // namespace
