// The main window on each page in each language, as a user sees it after a
// little work, kept as PNGs beside the test program:
// corvane-main-<applis|units>-<en|fr>.png.
#include <QImage>
#include <QSet>

#include "AppObjects.h"
#include "Files.h"
#include "Log.h"
#include "MainFixture.h"
#include "PageControl.h"
#include "SpeedButton.h"

namespace {

class MainScreenshotTest : public MainTest, public ::testing::WithParamInterface<int> {
 protected:
  void Keep(const char* page) {
    window->showNormal();
    window->resize(1000, 480);
    Settle();
    const QImage shot = window->grab().toImage();
    const QString file =
        QStringLiteral(TEST_ARTIFACT_DIR "/corvane-main-%1-%2.png").arg(page, GetParam() == 1 ? "en" : "fr");
    ASSERT_TRUE(shot.save(file)) << file.toStdString();
    QSet<QRgb> colours;
    for (int y = 0; y < shot.height(); y += 2)
      for (int x = 0; x < shot.width(); x += 2) colours.insert(shot.pixel(x, y));
    EXPECT_GT(colours.size(), 8) << page << " looks blank";
  }
};

TEST_P(MainScreenshotTest, BothPages) {
  WriteSettings("[GUI]\r\nLanguage=" + std::to_string(GetParam()) + "\r\n");
  TfmMain& fm = Open();
  const std::string gone = WriteProject("Orchard", {"Trees"});
  Register(gone);
  Register(WriteProject("Meadow", {"Grass", "Flowers"}));
  OpenProject(Sample());
  ASSERT_TRUE(DeleteFile(gone));
  fmLog->hide();
  // One unit ignored, one ticked, one in error, the last selected.
  fm.clbFiles->SetItemIndex(1);
  fm.btIgnore->click();
  ClickRow(fm.clbFiles, 2, 7);
  CurrentAppli->Units.GetUnit(0)->Status = "Error";
  fm.UnitList_To_clbFiles();
  fm.clbFiles->SetChecked(2, true);
  fm.clbFiles->SetItemIndex(3);
  Keep("units");
  ChoosePage(fm.tsApplis);
  fm.lbApps->SetItemIndex(2);
  fm.lbApps->OnClick(fm.lbApps);
  Keep("applis");
}

INSTANTIATE_TEST_SUITE_P(Languages, MainScreenshotTest, ::testing::Values(1, 2),
                         [](const ::testing::TestParamInfo<int>& i) { return std::string(i.param == 1 ? "en" : "fr"); });

}  // namespace
