#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <fstream>

#include "JpegImage.h"
#include "TempDir.h"

namespace {

// A picture encoded by Qt's own writer, to be read back by libjpeg.
std::string Jpeg(const QImage& image) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  EXPECT_TRUE(image.save(&buffer, "JPG", 95));
  return bytes.toStdString();
}

TEST(JpegImageTest, DecodesAPicture) {
  QImage source(40, 30, QImage::Format_RGB32);
  source.fill(QColor(200, 30, 30));
  TempDir dir;
  const QImage image = LoadJpegImage(dir.Write("red.jpg", Jpeg(source)));
  ASSERT_FALSE(image.isNull());
  EXPECT_EQ(image.size(), QSize(40, 30));
  const QColor pixel = image.pixelColor(20, 15);
  EXPECT_NEAR(pixel.red(), 200, 6);
  EXPECT_NEAR(pixel.green(), 30, 6);
  EXPECT_NEAR(pixel.blue(), 30, 6);
}

TEST(JpegImageTest, AMissingOrDamagedPictureGivesANullImage) {
  TempDir dir;
  QImage source(64, 64, QImage::Format_RGB32);
  source.fill(Qt::darkGreen);
  const std::string jpeg = Jpeg(source);
  EXPECT_TRUE(LoadJpegImage(dir.File("missing.jpg")).isNull());
  EXPECT_TRUE(LoadJpegImage(dir.Write("empty.jpg", "")).isNull());
  EXPECT_TRUE(LoadJpegImage(dir.Write("text.jpg", "not a picture at all")).isNull());
  EXPECT_TRUE(LoadJpegImage(dir.Write("cut.jpg", jpeg.substr(0, jpeg.size() / 2))).isNull());
  std::string scrambled = jpeg;
  for (std::size_t i = jpeg.size() / 3; i < jpeg.size() / 3 + 64; ++i) scrambled[i] = '\xFF';
  EXPECT_TRUE(LoadJpegImage(dir.Write("scrambled.jpg", scrambled)).isNull());
  // Still decodes a good one afterwards.
  EXPECT_FALSE(LoadJpegImage(dir.Write("good.jpg", jpeg)).isNull());
}

}  // namespace
