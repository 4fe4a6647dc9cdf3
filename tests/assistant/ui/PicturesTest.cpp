// The pictures: legible at 12 x 12 and told apart without colour, the arrows
// recoloured by a border fill, one pixmap shared by every window.
#include <QImage>
#include <QPainter>

#include "FloodFill.h"
#include "Pictures.h"
#include "UiFixture.h"

namespace {

using PicturesTest = UiTest;

// The picture as a colour-blind eye sees it on white: grey levels.
QImage Grey(const QPixmap& picture) {
  QImage onWhite(picture.size(), QImage::Format_RGB32);
  onWhite.fill(Qt::white);
  QPainter(&onWhite).drawPixmap(0, 0, picture);
  return onWhite.convertToFormat(QImage::Format_Grayscale8);
}

TEST_F(PicturesTest, ThePictogramsFitTheirCentreAndDifferInShape) {
  std::vector<std::pair<std::string, QPixmap>> pictograms;
  for (int i = 0; i < 5; ++i) pictograms.emplace_back("unit " + std::to_string(i), UnitPictures().Picture(i));
  for (int i = 0; i < 4; ++i) pictograms.emplace_back("routine " + std::to_string(i), ProcPictures().Picture(i));
  pictograms.emplace_back("ignored unit", BugPictures().Picture(0));
  EXPECT_EQ(UnitPictures().Count(), 5);
  EXPECT_EQ(ProcPictures().Count(), 4);

  for (const auto& [name, picture] : pictograms) {
    ASSERT_EQ(picture.size(), QSize(16, 16)) << name;
    const QImage image = picture.toImage();
    int inside = 0, outside = 0;
    for (int y = 0; y < 16; ++y)
      for (int x = 0; x < 16; ++x) {
        const bool drawn = qAlpha(image.pixel(x, y)) > 0;
        (x >= 2 && x < 14 && y >= 2 && y < 14 ? inside : outside) += drawn;
      }
    EXPECT_EQ(outside, 0) << name << " spills out of its 12 x 12 square";
    EXPECT_GT(inside, 12) << name << " is hardly drawn";
  }
  for (std::size_t a = 0; a < pictograms.size(); ++a)
    for (std::size_t b = a + 1; b < pictograms.size(); ++b) {
      const QImage ga = Grey(pictograms[a].second), gb = Grey(pictograms[b].second);
      int differ = 0;
      for (int y = 2; y < 14; ++y)
        for (int x = 2; x < 14; ++x) differ += std::abs(qGray(ga.pixel(x, y)) - qGray(gb.pixel(x, y))) > 64;
      EXPECT_GE(differ, 10) << pictograms[a].first << " looks like " << pictograms[b].first;
    }
}

TEST_F(PicturesTest, ABorderFillRecoloursTheWholeArrowAndNothingElse) {
  for (bool up : {true, false}) {
    const QImage arrow = ArrowGlyph(up).toImage().convertToFormat(QImage::Format_ARGB32);
    const QRgb background = arrow.pixel(0, 0);
    ASSERT_NE(arrow.pixel(5, 5), background) << "(5, 5) lies outside the arrow";
    QImage filled = arrow;
    const QRgb teal = qRgb(0x00, 0x80, 0x80);
    BorderFill(filled, QPoint(5, 5), background, teal);
    int arrowPixels = 0;
    for (int y = 0; y < 16; ++y)
      for (int x = 0; x < 16; ++x) {
        const bool isArrow = arrow.pixel(x, y) != background;
        arrowPixels += isArrow;
        EXPECT_EQ(filled.pixel(x, y), isArrow ? teal : background) << x << "," << y;
      }
    EXPECT_GT(arrowPixels, 40);
  }
}

TEST_F(PicturesTest, EveryWindowGetsTheSamePixmap) {
  EXPECT_EQ(UnitPictures().Picture(3).cacheKey(), Glyph(TGlyph::Save).cacheKey());
  EXPECT_EQ(Glyph(TGlyph::Help).cacheKey(), Glyph(TGlyph::Help).cacheKey());
  EXPECT_EQ(LogoPicture().size(), QSize(48, 48));
  EXPECT_FALSE(AppliPictures().Icon(0).isNull());
  for (int k = 0; k <= static_cast<int>(TGlyph::Refresh); ++k)
    EXPECT_EQ(Glyph(static_cast<TGlyph>(k)).size(), QSize(16, 16)) << k;
}

}  // namespace
