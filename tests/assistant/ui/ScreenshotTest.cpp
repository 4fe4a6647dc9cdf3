// Each window as a user sees it, in both languages, rendered offscreen and
// kept as a PNG beside the test program: corvane-<window>-<en|fr>.png; the
// log scrolled sideways, and the report window over the log as the screen
// stacks them.
#include <QApplication>
#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QScrollBar>
#include <QSet>
#include <QTest>
#include <QToolButton>
#include <algorithm>

#include "About.h"
#include "EditorOptions.h"
#include "Guide.h"
#include "GuiScreen.h"
#include "InfosColors.h"
#include "Log.h"
#include "Lumbrick.h"
#include "ModalAnswer.h"
#include "Pictures.h"
#include "RefusalReasons.h"
#include "ReportWindow.h"
#include "TfmLumbrick.h"
#include "Translator.h"
#include "UiFixture.h"

namespace {

struct Shot {
  int language;
  const char* suffix;
};

void Settle() {
  for (int i = 0; i < 5; ++i) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

// The screen as the window manager stacks the programs' windows: the ones
// that stay on top over the others, and within each layer the window active
// last over the others (windows that are no form lowest).
QImage Screen() {
  std::vector<QWidget*> windows;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->isVisible() && !dynamic_cast<TForm*>(w)) windows.push_back(w);
  const std::vector<TForm*>& forms = TGuiScreen::FormList();  // the last active first
  for (auto it = forms.rbegin(); it != forms.rend(); ++it)
    if ((*it)->isVisible()) windows.push_back(*it);
  std::stable_sort(windows.begin(), windows.end(), [](QWidget* a, QWidget* b) {
    return !a->windowFlags().testFlag(Qt::WindowStaysOnTopHint) && b->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
  });
  QRect area(0, 0, 1, 1);  // from the screen's top left corner on
  for (QWidget* w : windows) area |= w->geometry();
  QImage screen(area.right() + 1, area.bottom() + 1, QImage::Format_RGB32);
  screen.fill(QColor(0x3A, 0x6E, 0xA5));
  QPainter painter(&screen);
  for (QWidget* w : windows) painter.drawPixmap(w->geometry().topLeft(), w->grab());
  return screen;
}

// A Scan All as the log shows it, with a routine the scan refused to edit,
// and why, on a line far wider than the log.
void FillScanAll(TfmLog& log) {
  log.StartLog("/home/user/Greenhouse/Greenhouse.dpr : " + Trt("Scan All Source Files"));
  log.ChangeMsg("Beds.pas\t" + Trt("Code Added") + " : 12\t" + Trt(" Updated") + " : 2\t" + Trt(" Removed") + " : 0");
  log.AddMsg("(clRed)Beds.pas\tprocedure TBed.Sow(const Seeds: array of TSeed; Row, Column: Integer);\t" +
             Trt(RefusedKeywordsOnLines));
  log.AddMsg("(clRed)Plants.pas\tunit Plants;\t" + Trt(RefusedConditionalUses));
  log.AddMsg("Plants.pas\t" + Trt("Code Added") + " : 7\t" + Trt(" Updated") + " : 0\t" + Trt(" Removed") + " : 1");
  log.AddBlank();
  log.AddMsg("2" + Trt(" Source Files Scanned"));
  log.Success = true;
  log.TerminateLog();
  log.lbLog->SetItemIndex(-1);
}

void RefreshListFails() try {
  throw EConvertError("'12a' is not a valid integer value");
} catch (...) {
  VIX->Push("Procedure TfmMain.btRefreshListClick");
  throw;
}

class ScreenshotTest : public UiTest, public ::testing::WithParamInterface<Shot> {
 protected:
  ScreenshotTest() { SetLanguage(GetParam().language); }

  // Shows the window, lets it settle, saves it and checks it is not blank.
  void Keep(QWidget& window, const char* name) {
    window.show();
    Settle();
    Save(window.grab().toImage(), name);
  }

  // Saves the picture and checks it is not blank.
  void Save(const QImage& shot, const char* name) {
    const QString file = QStringLiteral(TEST_ARTIFACT_DIR "/corvane-%1-%2.png").arg(name, GetParam().suffix);
    ASSERT_TRUE(shot.save(file)) << file.toStdString();
    QSet<QRgb> colours;
    for (int y = 0; y < shot.height(); y += 2)
      for (int x = 0; x < shot.width(); x += 2) colours.insert(shot.pixel(x, y));
    EXPECT_GT(colours.size(), 8) << name << " looks blank";
  }
};

TEST_P(ScreenshotTest, TheOperationLog) {
  TfmLog log;
  // As a Scan All writes it.
  log.StartLog("/home/user/Greenhouse/Greenhouse.dpr : " + Trt("Scan All Source Files"));
  log.ChangeMsg("Beds.pas\t" + Trt("Code Added") + " : 12\t" + Trt(" Updated") + " : 2\t" + Trt(" Removed") + " : 0");
  log.AddMsg("(clRed)Journal.pas\t" + Trt("Impossible to Read File"));
  log.AddMsg("Plants.pas\t" + Trt("Code Added") + " : 7\t" + Trt(" Updated") + " : 0\t" + Trt(" Removed") + " : 1");
  log.AddMsg("(clRed)Seasons.pas\t" + Trt("File has Errors"));
  // A routine the scan left unchanged, and why.
  log.AddMsg("(clRed)Plants.pas\tprocedure TPlant.Water(Amount: Integer);\t" + Trt("Begin and end stand on one line"));
  log.AddBlank();
  log.AddMsg("4" + Trt(" Source Files Scanned"));
  log.ShowCancel();
  log.DisplayInfoPlus("Seasons.pas");
  log.Success = true;
  log.TerminateLog();
  log.lbLog->SetItemIndex(2);
  Keep(log, "log");
}

// Moved sideways by two clicks on the scroll bar's right arrow: every word
// once, where it belongs.
TEST_P(ScreenshotTest, TheOperationLogScrolledSideways) {
  TfmLog log;
  FillScanAll(log);
  Settle();
  QScrollBar* bar = log.lbLog->horizontalScrollBar();
  ASSERT_GT(bar->maximum(), 0);
  for (int i = 0; i < 2; ++i) QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() - 4, bar->height() / 2));
  EXPECT_GT(bar->value(), 0);
  Keep(log, "log-scrolled");
}

// After a failure during Refresh List and Yes to "View more informations ?",
// the report window stands over the log and the guide.
TEST_P(ScreenshotTest, TheReportWindowOverTheLog) {
  VIX->Language = GetParam().language;
  TfmLog log;
  FillScanAll(log);
  TfmGuide guide;
  guide.SetMsg(Trt("Source Files of Application : source files related to the application are listed here."),
               Trt("Select the files to update, then click <Update Code> button."));
  guide.show();
  Settle();
  ASSERT_NE(dynamic_cast<TfmLumbrick*>(fmLumbrick), nullptr);
  dialogs.Answer(mrYes);
  QImage screen;
  QImage report;  // the report window alone
  QPoint at;      // where it stands on the screen
  ModalAnswer answer([&](QWidget* shown) {
    Settle();
    screen = Screen();
    report = shown->grab().toImage().convertToFormat(QImage::Format_RGB32);
    at = shown->geometry().topLeft();
    shown->findChild<QToolButton*>("btClose")->click();
  });
  try {
    RefreshListFails();
  } catch (Exception& E) {
    VIX->HandleException(nullptr, E);
  }
  EXPECT_TRUE(answer.Done());
  ASSERT_FALSE(screen.isNull());
  Save(screen, "report-over-log");
  // Nothing covers it.
  EXPECT_EQ(screen.copy(QRect(at, report.size())), report);
}

TEST_P(ScreenshotTest, TheGuide) {
  TfmGuide guide;
  guide.SetMsg(Trt("Source Files Scanner : Lumbrick code is maintained here."),
               Trt("For automated maintenance, use upper left <Scan> button.") + "\r\n\r\n" +
                   Trt("For manual maintenance, use <Add Code>...<Ignore Code> buttons."));
  Keep(guide, "guide");
}

TEST_P(ScreenshotTest, TheColourLegend) {
  TfmInfosColors legend;
  Keep(legend, "legend");
}

TEST_P(ScreenshotTest, TheAboutBox) {
  TfmAboutBox box;
  Keep(box, "about");
}

TEST_P(ScreenshotTest, TheScannerOptions) {
  TfmScanOptions options;
  Keep(options, "options");
}

INSTANTIATE_TEST_SUITE_P(Languages, ScreenshotTest,
                         ::testing::Values(Shot{1, "en"}, Shot{2, "fr"}),
                         [](const ::testing::TestParamInfo<Shot>& i) { return std::string(i.param.suffix); });

// Every picture on one sheet, at its size and four times larger, with the
// legend's 12 x 12 square of each pictogram: corvane-pictures.png.
TEST(PictureSheetTest, EveryPictureOnOneSheet) {
  std::vector<QPixmap> row1, row2;
  for (int i = 0; i < UnitPictures().Count(); ++i) row1.push_back(UnitPictures().Picture(i));
  for (int i = 0; i < ProcPictures().Count(); ++i) row1.push_back(ProcPictures().Picture(i));
  row1.push_back(BugPictures().Picture(0));
  row1.push_back(AppliPictures().Picture(0));
  row1.push_back(ArrowGlyph(true));
  row1.push_back(ArrowGlyph(false));
  for (int k = 0; k <= static_cast<int>(TGlyph::Refresh); ++k) row2.push_back(Glyph(static_cast<TGlyph>(k)));
  const int cell = 72;
  QImage sheet(cell * static_cast<int>(std::max(row1.size(), row2.size())), 2 * cell + 60, QImage::Format_RGB32);
  sheet.fill(QColor(0xF0, 0xF0, 0xF0));
  QPainter painter(&sheet);
  const auto draw = [&](const std::vector<QPixmap>& row, int y) {
    for (std::size_t i = 0; i < row.size(); ++i) {
      const int x = static_cast<int>(i) * cell;
      painter.drawPixmap(x + 4, y + 4, row[i]);
      painter.drawPixmap(x + 4, y + 24, row[i].copy(2, 2, 12, 12));
      painter.drawPixmap(QRect(x + 24, y + 4, 64 - 20, 64 - 20), row[i]);
    }
  };
  draw(row1, 0);
  draw(row2, cell);
  painter.drawPixmap(4, 2 * cell + 4, LogoPicture());
  painter.end();
  ASSERT_TRUE(sheet.save(QStringLiteral(TEST_ARTIFACT_DIR "/corvane-pictures.png")));
}

}  // namespace
