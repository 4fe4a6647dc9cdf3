// The guide, the colour legend and the about box; a language switch.
#include <sys/stat.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QLabel>
#include <QTest>
#include <QTimer>

#include "About.h"
#include "Browser.h"
#include "Colors.h"
#include "Files.h"
#include "FormatSettings.h"
#include "Guide.h"
#include "InfosColors.h"
#include "Log.h"
#include "QtText.h"
#include "SpeedButton.h"
#include "UiFixture.h"

namespace {

using SmallWindowsTest = UiTest;

TEST_F(SmallWindowsTest, TheGuideGrowsWithALongTextInItsWidth) {
  TfmGuide guide;
  guide.show();
  EXPECT_EQ(guide.GuideState, -1);
  guide.SetMsg("Source Files Scanner : Lumbrick code is maintained here.", "Short.");
  const int shortHeight = guide.height();
  std::string text;
  for (int i = 0; i < 12; ++i) text += "For automated maintenance, use upper left <Scan> button. ";
  guide.SetMsg("Source Files Scanner : Lumbrick code is maintained here.", text + "\r\n\r\nThe end.");
  EXPECT_EQ(guide.width(), 441);
  EXPECT_GT(guide.height(), shortHeight + 4 * guide.fontMetrics().height());
  QCoreApplication::processEvents();
  EXPECT_GE(guide.lbText->height(), guide.lbText->heightForWidth(guide.lbText->width()));
  EXPECT_EQ(FontColor(guide.lbHeader), clYellow);
  EXPECT_EQ(FontColor(guide.lbText), clWhite);
}

TEST_F(SmallWindowsTest, TheAboutBoxShowsJulyOfTheLocale) {
  {
    TfmAboutBox box;
    EXPECT_EQ(box.Caption(), "Lumbrick");
    EXPECT_EQ(As(box.ProductName->text()), "Lumbrick 1.11b");
    EXPECT_EQ(As(box.Version->text()), "July 2006");
  }
  FormatSettings.LongMonthNames[6] = "juillet";  // a French locale's name
  TfmAboutBox box;
  EXPECT_EQ(As(box.Version->text()), "Juillet 2006");
}

bool WaitForFile(const std::string& path) {
  QDeadlineTimer deadline(10000);
  while (!FileExists(path) && !deadline.hasExpired()) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  return FileExists(path);
}

TEST_F(SmallWindowsTest, TheSiteLabelOpensTheHelpIndexOfTheLanguage) {
  BrowserPath = dir.Write("browser.sh", "#!/bin/sh\nprintf '%s\\n' \"$@\" > \"$(dirname \"$0\")/browser.tmp\"\n"
                                        "mv \"$(dirname \"$0\")/browser.tmp\" \"$(dirname \"$0\")/browser.out\"\n");
  chmod(BrowserPath.c_str(), 0755);
  SetLanguage(2);
  TfmAboutBox box;
  box.show();
  EXPECT_EQ(As(box.lbSite->text()), ProgramDir() + "Help/Fr/index.htm");
  QTest::mouseClick(box.imLogo, Qt::LeftButton);
  ASSERT_TRUE(WaitForFile(dir.File("browser.out")));
  EXPECT_EQ(dir.Read("browser.out"), ProgramDir() + "Help/Fr/index.htm\n");
}

TEST_F(SmallWindowsTest, TheLegendColoursTheFourCodeStates) {
  TfmInfosColors legend;
  EXPECT_EQ(legend.Caption(), "Colors And Pictograms");
  EXPECT_EQ(As(legend.lbCodeIgnored2->text()), "Lumbrick Code is Ignored");
  EXPECT_EQ(FontColor(legend.lbCodeCorrect), clBlue);
  EXPECT_EQ(FontColor(legend.lbCodeIncorrect), clRed);
  EXPECT_EQ(FontColor(legend.lbCodeMissing), clTeal);
  EXPECT_EQ(FontColor(legend.lbCodeIgnored2), clPurple);
  EXPECT_EQ(legend.Image9->pixmap().size(), QSize(12, 12));
}

TEST_F(SmallWindowsTest, ALanguageSwitchTranslatesTheWindows) {
  TfmGuide guide;
  TfmLog log;
  SetLanguage(2);
  guide.TranslateFirst();
  log.TranslateFirst();
  EXPECT_EQ(guide.Caption(), "Guide   F11   (F1 pour l'aide)");
  EXPECT_EQ(log.Caption(), " Journal des op\xE9rations");
  EXPECT_EQ(log.btOk->Caption(), "Fermer");
  EXPECT_EQ(As(log.btOk->toolTip()), "Fermer la fen\xEAtre");
  // The dialogs are made anew at each opening, in the language of the day.
  TfmInfosColors legend;
  EXPECT_EQ(legend.Caption(), "Couleurs et pictogrammes");
  EXPECT_EQ(As(legend.lbSourceFiles->text()), "Fichiers sources");
  EXPECT_EQ(As(legend.lbCodeCorrect->text()), "Code Lumbrick correct");
  EXPECT_EQ(FontColor(legend.lbCodeCorrect), clBlue);
  TfmAboutBox box;
  EXPECT_EQ(box.Caption(), "Lumbrick");
  SetLanguage(1);
  guide.TranslateFirst();
  EXPECT_EQ(guide.Caption(), "Guide   F11   (F1 for Help)");
}

TEST_F(SmallWindowsTest, EscapeClosesTheLegend) {
  TfmInfosColors legend;
  bool closedByEscape = false;
  QTimer::singleShot(0, &legend, [&] {
    QTest::keyClick(&legend, Qt::Key_Escape);
    closedByEscape = !legend.isVisible();
  });
  QTimer::singleShot(2000, &legend, [&] { legend.close(); });  // the test's own way out
  legend.ShowModal();
  EXPECT_TRUE(closedByEscape);
}

}  // namespace
