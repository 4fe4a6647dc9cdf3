// The scanner window as a user sees it, a secured unit shown with a routine
// selected, in both languages: corvane-editor-<en|fr>.png beside the tests;
// then the unit's summary.
#include <QCoreApplication>
#include <QImage>
#include <QSet>

#include "AppObjects.h"
#include "EditorFixture.h"
#include "ScanActions.h"

namespace {

class EditorScreenshotTest : public EditorTest, public ::testing::WithParamInterface<int> {};

TEST_P(EditorScreenshotTest, TheScannerWindow) {
  SetLanguage(GetParam());
  OpenProject({{"Unit1.pas", units::Unit1}, {"Unit2.pas", units::Unit2}, {"Broken.pas", units::Broken},
               {"Nested.pas", units::Nested}});
  ScanActions = {0, 2, 3};
  OpenEditor();
  editor->miScanAll->trigger();
  editor->resize(1000, editor->height());
  ClickRow(editor->sgProcs, 1);
  ClickRow(editor->sgProcs, 0);
  for (int i = 0; i < 5; ++i) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  const QImage shot = editor->grab().toImage();
  const QString file = QStringLiteral(TEST_ARTIFACT_DIR "/corvane-editor-%1.png").arg(GetParam() == 1 ? "en" : "fr");
  ASSERT_TRUE(shot.save(file)) << file.toStdString();
  // The unit's summary with its counts: corvane-editor-summary-<en|fr>.png.
  ClickRow(editor->sgSources, 0);
  for (int i = 0; i < 5; ++i) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  const QString summary =
      QStringLiteral(TEST_ARTIFACT_DIR "/corvane-editor-summary-%1.png").arg(GetParam() == 1 ? "en" : "fr");
  ASSERT_TRUE(editor->grab().toImage().save(summary)) << summary.toStdString();
  QSet<QRgb> colours;
  for (int y = 0; y < shot.height(); y += 2)
    for (int x = 0; x < shot.width(); x += 2) colours.insert(shot.pixel(x, y));
  EXPECT_GT(colours.size(), 8) << "the window looks blank";
}

INSTANTIATE_TEST_SUITE_P(Languages, EditorScreenshotTest, ::testing::Values(1, 2),
                         [](const ::testing::TestParamInfo<int>& i) { return i.param == 1 ? "en" : "fr"; });

}  // namespace
