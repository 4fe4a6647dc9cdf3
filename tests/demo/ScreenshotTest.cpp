// The window as a user sees it: rendered offscreen on the introduction page,
// kept as a PNG beside the test program.
#include <QFontDatabase>
#include <QFontInfo>
#include <QImage>
#include <QLabel>
#include <QSet>
#include <fstream>

#include "DemoFixture.h"

namespace {

using ScreenshotTest = DemoTest;

// Pixels of the region darker than the background: text drawn there.
int DarkPixels(const QImage& image, const QRect& region) {
  int dark = 0;
  for (int y = region.top(); y <= region.bottom(); ++y)
    for (int x = region.left(); x <= region.right(); ++x)
      if (qGray(image.pixel(x, y)) < 96) ++dark;
  return dark;
}

TEST_F(ScreenshotTest, TheIntroductionRendersWithTextAndPicture) {
  ASSERT_FALSE(QFontDatabase::families().isEmpty()) << "no font family on this host";
  std::ifstream in(DEMO_SOURCE_DIR "/Marroway.jpg", std::ios::binary);
  dir.Write("Marroway.jpg", std::string(std::istreambuf_iterator<char>(in), {}));
  WriteIniWithBrowser();
  TfmMain& fm = Open();
  EXPECT_FALSE(QFontInfo(fm.lb01->font()).family().isEmpty());

  const QImage shot = fm.grab().toImage();
  ASSERT_EQ(shot.size(), QSize(726, 484));
  ASSERT_TRUE(shot.save(QStringLiteral(TEST_ARTIFACT_DIR "/dromlet-introduction.png")));

  QSet<QRgb> colours;
  for (int y = 0; y < shot.height(); y += 3)
    for (int x = 0; x < shot.width(); x += 3) colours.insert(shot.pixel(x, y));
  EXPECT_GT(colours.size(), 20) << "the window looks blank";

  const QRect prose = fm.lb01->geometry().translated(fm.lb01->mapTo(&fm, QPoint(0, 0)) - fm.lb01->pos());
  EXPECT_GT(DarkPixels(shot, prose), 200) << "the introduction's prose was not drawn";
  const QRect picture(fm.imMarroway->mapTo(&fm, QPoint(0, 0)), fm.imMarroway->size());
  QSet<QRgb> pictureColours;
  for (int y = picture.top(); y <= picture.bottom(); y += 2)
    for (int x = picture.left(); x <= picture.right(); x += 2) pictureColours.insert(shot.pixel(x, y));
  EXPECT_GT(pictureColours.size(), 50) << "the side panel's picture is missing";
}

}  // namespace
