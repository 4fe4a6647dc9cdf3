// The scanner window's grids: showing a unit and a routine, the drawing of
// the rows, the navigation between routines, and the code view's colours.
#include <QCoreApplication>
#include <filesystem>
#include <QImage>
#include <QPainter>
#include <QTest>

#include "AppObjects.h"
#include "Colors.h"
#include "EditorFixture.h"
#include "ImageList.h"
#include "RichEdit.h"
#include "SpeedButton.h"
#include "UiColors.h"

namespace {

class EditorSelectionTest : public EditorTest {
 protected:
  // Whether the picture is drawn at (X, Y) of the image, over Background.
  static bool Shows(const QImage& Image, int X, int Y, const QPixmap& Picture, const QColor& Background) {
    QImage expected(16, 16, QImage::Format_RGB32);
    expected.fill(Background);
    QPainter(&expected).drawPixmap(0, 0, Picture);
    return Image.copy(X, Y, 16, 16).convertToFormat(QImage::Format_RGB32) == expected;
  }
  // The x of the first pixel of Row that is not the background, from x 28 on.
  static int TextStart(const QImage& Image, int Row, const QColor& Background) {
    for (int x = 28; x < Image.width(); ++x)
      for (int y = Row * 16; y < Row * 16 + 16; ++y)
        if (QColor(Image.pixel(x, y)) != Background) return x;
    return -1;
  }
  std::vector<QColor> ButtonColours() const {
    std::vector<QColor> colours;
    for (TSpeedButton* b : {editor->btAddCode, editor->btUpdateCode, editor->btRemoveCode, editor->btIgnoreCode})
      colours.push_back(FontColor(b));
    return colours;
  }
  // The colour of each character of the memo from Start for Length.
  std::vector<QColor> ColoursAt(int Start, int Length) const {
    std::vector<QColor> colours;
    for (int i = Start; i < Start + Length; ++i) colours.push_back(editor->mCode->ColorAt(i));
    return colours;
  }
  // The memo text's position of Text (its index in the CR LF text).
  int At(const std::string& Text) const { return static_cast<int>(editor->mCode->Text().find(Text)); }

  const std::vector<QColor> allGrey{clGray, clGray, clGray, clGray};
};

TEST_F(EditorSelectionTest, AUnitWithErrorsShowsItsErrorInRedWithOneEmptyRoutineRow) {
  OpenProject({{"Broken.pas", units::Broken}});
  OpenEditor();
  EXPECT_EQ(UnitAt(0).Status, "Error");
  EXPECT_EQ(editor->sgProcs->RowCount(), 1);
  EXPECT_EQ(editor->GetRI(0), nullptr);
  const std::vector<std::string> memo = MemoLines();
  ASSERT_GE(memo.size(), 4u);
  EXPECT_EQ(memo[0], UnitPath("Broken.pas"));
  EXPECT_EQ(std::vector<std::string>(memo.end() - 4, memo.end()),
            (std::vector<std::string>{"", "Source File has Errors :", "Error 52: Error in Keywords at line 10",
                                      "Unexpected end"}));
  EXPECT_EQ(editor->mCode->ColorAt(0), clNavy);
  EXPECT_EQ(editor->mCode->ColorAt(At("Source File has Errors")), clRed);
  EXPECT_EQ(editor->mCode->ColorAt(At("Unexpected end")), clRed);
  // The Error pictogram, and nothing happens on the empty routine row.
  EXPECT_TRUE(Shows(Rows(editor->sgSources), 1, 0, editor->imUnits.Picture(1), clNavy));
  editor->sgProcs->setFocus();
  QTest::keyClick(editor->sgProcs, Qt::Key_Down, Qt::ShiftModifier | Qt::ControlModifier);
  editor->btAddCode->click();
  EXPECT_EQ(ButtonColours(), allGrey);
  EXPECT_EQ(UnitAt(0).Scanner->FileState, 0);
}

TEST_F(EditorSelectionTest, RoutineZeroIsShownWhenTheRoutineRowMovesAndTheSummaryStaysWhenItWasZero) {
  OpenProject({{"Unit1.pas", units::Unit1}, {"Unit2.pas", units::Unit2}});
  OpenEditor();
  // Row 0 already current at the first show: the summary stays.
  EXPECT_EQ(editor->ShownUnit(), &UnitAt(0));
  EXPECT_EQ(MemoLines().at(0), UnitPath("Unit1.pas"));
  EXPECT_EQ(editor->sgProcs->RowCount(), 6);

  ClickRow(editor->sgProcs, 2);
  EXPECT_EQ(MemoLines().at(0), "procedure Gamma;");
  EXPECT_EQ(ButtonColours(), (std::vector<QColor>{clGray, clBlack, clBlack, clBlack}));

  ClickRow(editor->sgSources, 1);
  EXPECT_EQ(editor->ShownUnit(), &UnitAt(1));
  EXPECT_EQ(editor->sgProcs->Row(), 0);
  EXPECT_EQ(MemoLines().at(0), "procedure Two;");
  EXPECT_EQ(ButtonColours(), allGrey);

  ClickRow(editor->sgSources, 0);
  EXPECT_EQ(MemoLines().at(0), UnitPath("Unit1.pas"));
  EXPECT_EQ(ButtonColours(), allGrey);
  EXPECT_TRUE(editor->isEnabled());
}

TEST_F(EditorSelectionTest, TheErrorAndScannedPictogramsNeverShowTogether) {
  OpenProject({{"Unit1.pas", units::Unit1}, {"Unit2.pas", units::Unit2}});
  OpenEditor();
  UnitAt(0).Scanned = true;
  UnitAt(0).Status = "error";  // any letter case
  UnitAt(0).Scanner->FileState = 1;
  UnitAt(1).Scanned = true;
  UnitAt(1).Scanner->FileState = 2;
  editor->sgSources->Invalidate();
  const QImage rows = Rows(editor->sgSources);
  const QColor grid = editor->sgSources->palette().color(QPalette::Base);
  EXPECT_TRUE(Shows(rows, 1, 0, editor->imUnits.Picture(1), clNavy));
  EXPECT_TRUE(Shows(rows, 16, 0, editor->imUnits.Picture(2), clNavy));
  EXPECT_TRUE(Shows(rows, 1, 16, editor->imUnits.Picture(0), grid));
  EXPECT_TRUE(Shows(rows, 16, 16, editor->imUnits.Picture(3), grid));
}

TEST_F(EditorSelectionTest, LevelsAboveOneIndentTheHeadingByFourBlanksALevel) {
  OpenProject({{"Nested.pas", units::Nested}});
  OpenEditor();
  ASSERT_EQ(editor->sgProcs->RowCount(), 3);
  EXPECT_EQ(editor->GetRI(2)->Level, 3);
  editor->GetRI(1)->Level = 0;
  QFont font = editor->sgProcs->font();
  font.setStyleStrategy(QFont::NoAntialias);
  editor->sgProcs->setFont(font);
  editor->sgProcs->setColumnWidth(0, 400);
  editor->sgProcs->resize(400, 100);
  const QImage rows = Rows(editor->sgProcs);
  const QColor grid = editor->sgProcs->palette().color(QPalette::Base);
  // Row 0 is current: white on navy; the others in the Missing colour.
  const int level1 = TextStart(rows, 0, clNavy);
  EXPECT_EQ(TextStart(rows, 1, grid), level1);
  const int blank = QFontMetrics(font).horizontalAdvance(QStringLiteral("        "));
  EXPECT_NEAR(TextStart(rows, 2, grid), level1 + blank, 2);
  bool teal = false;
  for (int x = 28; x < rows.width(); ++x) teal = teal || QColor(rows.pixel(x, 16 + 8)) == clTeal;
  EXPECT_TRUE(teal);
}

TEST_F(EditorSelectionTest, SearchesByStateStopAtTheFirstAndLastRoutineOfTheState) {
  OpenProject({{"Unit1.pas", units::Unit1}});
  OpenEditor();
  ClickRow(editor->sgProcs, 1);
  ASSERT_EQ(editor->sgProcs->Row(), 1);
  editor->axUpCode->trigger();  // the first Correct routine: no wrap
  EXPECT_EQ(editor->sgProcs->Row(), 1);
  editor->axDnCode->trigger();
  EXPECT_EQ(editor->sgProcs->Row(), 5);
  editor->axDnCode->trigger();  // the last one
  EXPECT_EQ(editor->sgProcs->Row(), 5);
  editor->btUpProc->click();  // State -1, like Epsilon
  EXPECT_EQ(editor->sgProcs->Row(), 4);
  // Insert runs the previous-state search: Delta is the only Ignored one.
  ClickRow(editor->sgProcs, 3);
  QTest::keyClick(editor->sgProcs, Qt::Key_Insert);
  EXPECT_EQ(editor->sgProcs->Row(), 3);
  EXPECT_EQ(MemoLines().at(0), "procedure Delta;");
}

TEST_F(EditorSelectionTest, ShiftCtrlDownMovesBySameStateThenBySameColourFromThere) {
  OpenProject({{"Unit1.pas", units::Unit1}});
  OpenEditor();
  ClickRow(editor->sgProcs, 1);
  ClickRow(editor->sgProcs, 0);
  // From Alpha (State -1): Beta, the next unchanged routine; from Beta
  // (Correct): Zeta. From Alpha alone Ctrl would reach Epsilon.
  QTest::keyClick(editor->sgProcs, Qt::Key_Down, Qt::ShiftModifier | Qt::ControlModifier);
  EXPECT_EQ(editor->sgProcs->Row(), 5);
  EXPECT_EQ(MemoLines().at(0), "procedure Zeta;");
  // The arrows that look for the same colour take the routine's colour.
  const QImage arrow = editor->btDownCode->Glyph().toImage();
  EXPECT_EQ(QColor(arrow.pixel(5, 5)), clBlue);
  EXPECT_EQ(qAlpha(arrow.pixel(0, 0)), 0);
  QTest::keyClick(editor->sgProcs, Qt::Key_Up, Qt::ControlModifier);
  EXPECT_EQ(editor->sgProcs->Row(), 1);
}

TEST_F(EditorSelectionTest, TheCodeViewColoursExactlyTheTryAndTheExceptClauseThroughItsSemicolon) {
  OpenProject({{"Unit1.pas", units::Unit1}});
  OpenEditor();
  ClickRow(editor->sgProcs, 5);  // Zeta: a four-line clause, eight lines down
  const std::string text = editor->mCode->Text();
  const int tryAt = At("Try");
  const int exceptAt = At("Except");
  const int endAt = static_cast<int>(text.find("End;"));
  const int length = endAt + 4 - exceptAt;
  EXPECT_EQ(ColoursAt(tryAt, 3), std::vector<QColor>(3, clBlue));
  EXPECT_EQ(editor->mCode->ColorAt(tryAt - 1), clBlack);
  for (int i = exceptAt; i < exceptAt + length; ++i) {
    if (text[static_cast<std::size_t>(i)] == '\r' || text[static_cast<std::size_t>(i)] == '\n') continue;
    EXPECT_EQ(editor->mCode->ColorAt(i), clBlue) << i << " " << text.substr(static_cast<std::size_t>(i), 8);
  }
  EXPECT_EQ(editor->mCode->ColorAt(exceptAt - 1), clBlack);
  // The routine's own end, on the line after the clause's ";".
  ASSERT_EQ(text.substr(static_cast<std::size_t>(endAt) + 4, 6), "\r\nend;");
  EXPECT_EQ(editor->mCode->ColorAt(endAt + 6), clBlack);

  ClickRow(editor->sgProcs, 0);  // Alpha: no block, nothing coloured
  const std::string alpha = editor->mCode->Text();
  for (int i = 0; i < static_cast<int>(alpha.size()); ++i) {
    if (alpha[static_cast<std::size_t>(i)] == '\r' || alpha[static_cast<std::size_t>(i)] == '\n') continue;
    ASSERT_EQ(editor->mCode->ColorAt(i), clBlack) << i;
  }
}

TEST_F(EditorSelectionTest, AStrayCarriageReturnDoesNotShiftTheColours) {
  std::string source = units::Unit1;
  const std::size_t zeta = source.find("    WriteLn('zeta');");
  source.insert(zeta + 4, "{x}\r");  // a CR on its own inside the body
  OpenProject({{"Unit1.pas", source}});
  OpenEditor();
  ClickRow(editor->sgProcs, 5);
  const int exceptAt = At("Except");
  EXPECT_EQ(editor->mCode->ColorAt(exceptAt), clBlue);
  EXPECT_EQ(editor->mCode->ColorAt(exceptAt - 1), clBlack);
  EXPECT_EQ(ColoursAt(At("Try"), 3), std::vector<QColor>(3, clBlue));
}

TEST_F(EditorSelectionTest, ASelectionThatStopsLeavesNoRoutineOfTheUnitShownBefore) {
  OpenProject({{"Unit1.pas", units::Unit1}, {"Unit2.pas", units::Unit2}});
  OpenEditor();
  ClickRow(editor->sgProcs, 2);
  // Without a current application the selection stops at once.
  std::unique_ptr<TAppli> appli = std::move(CurrentAppli);
  ClickRow(editor->sgSources, 1);
  EXPECT_EQ(editor->ShownUnit(), nullptr);
  for (int row = 0; row < editor->sgProcs->RowCount(); ++row) EXPECT_EQ(editor->GetRI(row), nullptr);
  EXPECT_TRUE(editor->isEnabled());
  EXPECT_EQ(Status(), "");
  CurrentAppli = std::move(appli);
  editor->btUpdateCode->click();
  EXPECT_EQ(UnitAt(0).Scanner->FileState, 0);
}

TEST_F(EditorSelectionTest, AUnitThatCanNoLongerBeReadIsNotShownWithTheTextReadBefore) {
  OpenProject({{"Unit1.pas", units::Unit1}});
  OpenEditor();
  TSourceScanner& s = *UnitAt(0).Scanner;
  ClickRow(editor->sgProcs, 4);
  editor->btAddCode->click();
  ASSERT_EQ(s.FileState, 1);
  ASSERT_TRUE(editor->close());
  std::filesystem::remove(UnitPath("Unit1.pas"));
  OpenEditor();
  EXPECT_EQ(s.Text, "");
  EXPECT_EQ(editor->sgProcs->RowCount(), 1);
  EXPECT_EQ(editor->GetRI(0), nullptr);
  EXPECT_EQ(UnitAt(0).Status, "Error");
}

TEST_F(EditorSelectionTest, ThePreviousSearchesReachTheFirstRoutineAndEndTheLast) {
  OpenProject({{"Unit1.pas", units::Unit1}});
  OpenEditor();
  ClickRow(editor->sgProcs, 4);  // Epsilon, Missing like Alpha
  editor->axUpCode->trigger();
  EXPECT_EQ(editor->sgProcs->Row(), 0);
  ClickRow(editor->sgProcs, 1);  // Beta, unchanged like Alpha
  editor->btUpProc->click();
  EXPECT_EQ(editor->sgProcs->Row(), 0);
  QTest::keyClick(editor->sgProcs, Qt::Key_End);
  EXPECT_EQ(editor->sgProcs->Row(), 5);
  EXPECT_EQ(MemoLines().at(0), "procedure Zeta;");
}

TEST_F(EditorSelectionTest, ASelectionThatStopsStillHighlightsTheRowPicked) {
  OpenProject({{"Unit1.pas", units::Unit1}, {"Unit2.pas", units::Unit2}});
  OpenEditor();
  std::unique_ptr<TAppli> appli = std::move(CurrentAppli);
  ClickRow(editor->sgSources, 1);  // stops with the silent abort
  EXPECT_EQ(editor->sgSources->Row(), 1);
  EXPECT_EQ(editor->ShownUnit(), nullptr);
  CurrentAppli = std::move(appli);
}

TEST_F(EditorSelectionTest, AWindowFreedAfterANewerOneExistsLeavesItTheScannerWindow) {
  OpenProject({{"Unit2.pas", units::Unit2}});
  OpenEditor();
  const QPointer<TfmEditor> old = editor;
  ASSERT_TRUE(editor->close());  // freed at the next event pass
  OpenEditor();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(old.isNull());
  EXPECT_EQ(fmEditor, editor.data());
  EXPECT_FALSE(EditorAbsent);
}

}  // namespace
