// The unit's summary in the scanner window's memo: its columns line up and
// stay apart in both languages and at any font size, it gives the file's
// own size, no counts for a unit that could not be rated, and the figures
// of the latest scan after Scan All.
#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include "AppObjects.h"
#include "Dialogs.h"
#include "EditorFixture.h"
#include "LineBreaks.h"
#include "QtText.h"
#include "RichEdit.h"
#include "ScanActions.h"
#include "SpeedButton.h"
#include "SysUtils.h"
#include "Translator.h"

namespace {

class EditorSummaryTest : public EditorTest {
 protected:
  // The x of the memo line that begins with Heading at each TAB (where the
  // text before it ends) and after it (where the next column starts).
  std::vector<std::pair<qreal, qreal>> Tabs(const std::string& Heading) const {
    QTextDocument& doc = *editor->mCode->document();
    std::vector<std::pair<qreal, qreal>> tabs;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
      if (!block.text().startsWith(Qs(Heading))) continue;
      doc.documentLayout()->blockBoundingRect(block);  // lays the line out
      const QTextLine line = block.layout()->lineAt(0);
      for (int i = 0; i < block.text().size(); ++i)
        if (block.text()[i] == QLatin1Char('\t')) tabs.push_back({line.cursorToX(i), line.cursorToX(i + 1)});
    }
    return tabs;
  }
  // The columns of the three lines of counts start at the same places, each
  // a blank's width or more after the text before it.
  void ExpectLinedUp() const {
    const qreal blank = QFontMetricsF(editor->mCode->font()).horizontalAdvance(QLatin1Char(' '));
    const auto initial = Tabs(Trt("Initial Code Status"));
    const auto actual = Tabs(Trt("Actual Code Status"));
    const auto changes = Tabs(Trt("Code Modifications"));
    ASSERT_EQ(initial.size(), 4u);
    ASSERT_EQ(actual.size(), 4u);
    ASSERT_EQ(changes.size(), 3u);
    for (std::size_t k = 0; k < 4; ++k) {
      EXPECT_EQ(initial[k].second, actual[k].second) << k;
      if (k < 3) {
        EXPECT_EQ(initial[k].second, changes[k].second) << k;
      }
    }
    for (const auto* line : {&initial, &actual, &changes})
      for (const auto& [end, start] : *line) EXPECT_GE(start - end, blank);
  }
};

class EditorSummaryColumnsTest : public EditorSummaryTest, public ::testing::WithParamInterface<int> {};

TEST_P(EditorSummaryColumnsTest, TheCountsLineUpAndStayApartAtAnyFontSize) {
  SetLanguage(GetParam());
  OpenProject({{"Unit1.pas", units::Unit1}, {"Unit2.pas", units::Unit2}});
  OpenEditor();
  // Wide and narrow counts: 15 missing, 12345 ignored at first.
  UnitAt(0).Scanner->InitialCodeStatus = {15, 0, 0, 12345};
  ClickRow(editor->sgSources, 1);
  ClickRow(editor->sgSources, 0);
  ExpectLinedUp();
  dialogs.Answer(mrOk, "20");
  editor->btMemoFont->click();
  ExpectLinedUp();
  // Routine code keeps the host's tab stops.
  ClickRow(editor->sgProcs, 2);
  EXPECT_TRUE(editor->mCode->document()->begin().blockFormat().tabPositions().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Languages, EditorSummaryColumnsTest, ::testing::Values(1, 2),
                         [](const ::testing::TestParamInfo<int>& i) { return i.param == 1 ? "en" : "fr"; });

TEST_F(EditorSummaryTest, AUnitWithLFLineBreaksShowsItsFileSize) {
  const std::string source = CRLFToLF(units::Unit2);
  OpenProject({{"Unit2.pas", source}});
  OpenEditor();
  EXPECT_EQ(MemoLines().at(3), IntToStr(static_cast<int>(source.size())) + " Bytes, 15 Lines");
}

TEST_F(EditorSummaryTest, AUnitWhoseScanFailedShowsNoCounts) {
  OpenProject({{"Broken.pas", units::Broken}});
  OpenEditor();
  for (const std::string& line : MemoLines()) {
    EXPECT_EQ(line.find(" : "), std::string::npos) << line;
    EXPECT_EQ(line.find("Routines"), std::string::npos) << line;
  }
  EXPECT_EQ(MemoLines().at(3), IntToStr(static_cast<int>(units::Broken.size())) + " Bytes, 13 Lines");
}

TEST_F(EditorSummaryTest, AfterScanAllTheShownUnitShowsItsNewFigures) {
  OpenProject({{"Unit1.pas", units::Unit1}, {"Unit2.pas", units::Unit2}});
  ScanActions = {0, 2, 3};
  OpenEditor(true);
  EXPECT_EQ(editor->ShownUnit(), &UnitAt(0));
  EXPECT_EQ(MemoLines().back(), "Code Modifications\tAdded : 2\tUpdated : 1\tRemoved : 0");
  EXPECT_EQ(editor->GetRI(0)->State, 1);  // Alpha: its block added
}

}  // namespace
