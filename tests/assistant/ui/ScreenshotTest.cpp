// Each window as a user sees it, in both languages, rendered offscreen and
// kept as a PNG beside the test program: corvane-<window>-<en|fr>.png.
#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QSet>

#include "About.h"
#include "EditorOptions.h"
#include "Guide.h"
#include "InfosColors.h"
#include "Log.h"
#include "Pictures.h"
#include "Translator.h"
#include "UiFixture.h"

namespace {

struct Shot {
  int language;
  const char* suffix;
};

class ScreenshotTest : public UiTest, public ::testing::WithParamInterface<Shot> {
 protected:
  ScreenshotTest() { SetLanguage(GetParam().language); }

  // Shows the window, lets it settle, saves it and checks it is not blank.
  void Keep(QWidget& window, const char* name) {
    window.show();
    for (int i = 0; i < 5; ++i) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    const QImage shot = window.grab().toImage();
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
