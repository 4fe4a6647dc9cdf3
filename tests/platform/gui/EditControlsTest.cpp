// The controls the assistant's windows are built from: combo boxes, the
// check list, the rich edit's positions, the owner-drawn list, the speed
// button, the status bar, the busy guards and the folder chooser.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QTest>

#include "BusyGuards.h"
#include "CheckListBox.h"
#include "Colors.h"
#include "ComboBox.h"
#include "FileDialogs.h"
#include "GuiStatusBar.h"
#include "ModalAnswer.h"
#include "OwnerDrawListBox.h"
#include "RichEdit.h"
#include "SpeedButton.h"
#include "TempDir.h"
#include "WaitUntil.h"

namespace {

TEST(ComboBoxTest, OnClickRunsForTheUsersPicksOnly) {
  QWidget window;
  TComboBox box(TComboBox::TStyle::DropDownList, &window);
  box.SetItems({"Nothing", "Remove Code"});
  window.show();
  int clicks = 0;
  box.OnClick = [&](QObject* sender) {
    EXPECT_EQ(sender, &box);
    ++clicks;
  };
  box.SetItemIndex(1);
  box.SetItemIndex(0);
  EXPECT_EQ(clicks, 0);
  QTest::keyClick(&box, Qt::Key_Down);
  EXPECT_EQ(box.ItemIndex(), 1);
  EXPECT_EQ(clicks, 1);
  box.SetItems({"Rien", "Retirer"});  // renamed in place
  EXPECT_EQ(box.ItemIndex(), 1);
  EXPECT_EQ(box.Text(), "Retirer");
  box.SetItemIndex(-1);
  EXPECT_EQ(box.ItemIndex(), -1);
}

TEST(ComboBoxTest, AnEditableBoxKeepsTypedTextAndTellsWhenTheFocusLeaves) {
  QWidget window;
  TComboBox box(TComboBox::TStyle::DropDown, &window);
  QLineEdit other(&window);
  other.move(0, 40);
  box.SetItems({"VIX", "Lumbrick"});
  window.show();
  window.activateWindow();
  ASSERT_TRUE(WaitUntil([&] { return window.isActiveWindow(); }));
  int exits = 0;
  box.OnExit = [&](QObject*) { ++exits; };
  box.setFocus();
  ASSERT_TRUE(WaitUntil([&] { return box.hasFocus(); }));
  QTest::keyClicks(box.lineEdit(), "Catch");
  EXPECT_EQ(box.ItemIndex(), -1);
  EXPECT_EQ(box.Text().substr(box.Text().size() - 5), "Catch");
  EXPECT_EQ(exits, 0);
  other.setFocus();
  EXPECT_EQ(exits, 1);
  box.SetText("Lumbrick");
  EXPECT_EQ(box.ItemIndex(), 1);
}

TEST(CheckListBoxTest, OnClickCheckRunsForTheUsersTogglesAndColumnsRunDown) {
  TCheckListBox list;
  list.resize(561, 36);
  list.SetColumns(3);
  for (const char* item : {"UnitName", "Type", "Prefix", "Name", "Params"}) list.Add(item);
  list.show();
  int toggles = 0;
  list.OnClickCheck = [&](QObject*) { ++toggles; };
  list.SetChecked(3, true);
  EXPECT_TRUE(list.Checked(3));
  EXPECT_EQ(toggles, 0);
  list.item(1)->setCheckState(Qt::Checked);  // what a click on its box does
  EXPECT_EQ(toggles, 1);
  EXPECT_EQ(list.ItemIndex(), 1);
  EXPECT_THROW(list.Checked(5), EStringListError);
  // Two rows a column: Prefix tops the second column, Params the third.
  QCoreApplication::processEvents();
  EXPECT_EQ(list.visualItemRect(list.item(2)).top(), list.visualItemRect(list.item(0)).top());
  EXPECT_EQ(list.visualItemRect(list.item(4)).top(), list.visualItemRect(list.item(0)).top());
  EXPECT_GT(list.visualItemRect(list.item(2)).left(), 150);
  EXPECT_GT(list.visualItemRect(list.item(4)).left(), 340);
}

TEST(RichEditTest, PositionsCountALineBreakAsTwo) {
  TRichEdit memo;
  memo.SetText("ab\r\ncd\r\nef", clBlack);
  EXPECT_EQ(memo.Text(), "ab\r\ncd\r\nef");
  EXPECT_EQ(memo.LineCount(), 3);
  EXPECT_EQ(memo.DocumentPosition(0), 0);
  EXPECT_EQ(memo.DocumentPosition(2), 2);  // the CR: the end of line 0
  EXPECT_EQ(memo.DocumentPosition(3), 2);  // the LF too
  EXPECT_EQ(memo.DocumentPosition(4), 3);  // c
  EXPECT_EQ(memo.DocumentPosition(8), 6);  // e
  EXPECT_EQ(memo.PlatformPosition(6), 8);
  memo.SetColor(4, 6, clPurple);  // "cd", the break, "ef"
  EXPECT_EQ(memo.ColorAt(3 + 1), clPurple);
  EXPECT_EQ(memo.ColorAt(9), clPurple);
  EXPECT_EQ(memo.ColorAt(1), clBlack);
  memo.Clear();
  EXPECT_EQ(memo.LineCount(), 0);
  memo.AddLine("status", clNavy);
  memo.AddLine("\r\nSource File has Errors :", clRed);
  EXPECT_EQ(memo.Text(), "status\r\n\r\nSource File has Errors :");
  EXPECT_EQ(memo.ColorAt(10), clRed);
}

TEST(OwnerDrawListBoxTest, OnlyTheRowsInViewAreDrawn) {
  TOwnerDrawListBox list(16);
  list.resize(300, 160);
  std::vector<int> drawn;
  list.OnDrawItem = [&](QPainter& canvas, int index, const QRect& rect, TOwnerDrawState) {
    canvas.fillRect(rect, canvas.brush());
    drawn.push_back(index);
  };
  for (int i = 0; i < 20000; ++i) list.AddRow();
  list.SetItemIndex(19999);
  list.show();
  drawn.clear();
  list.viewport()->grab();
  EXPECT_LE(drawn.size(), 12u);
  ASSERT_FALSE(drawn.empty());
  EXPECT_EQ(*std::max_element(drawn.begin(), drawn.end()), 19999);
  int clicks = 0;
  list.OnClick = [&](QObject*) { ++clicks; };
  QTest::keyClick(&list, Qt::Key_Up);
  EXPECT_EQ(list.ItemIndex(), 19998);
  EXPECT_EQ(clicks, 1);
  list.Clear();
  EXPECT_EQ(list.Count(), 0);
  EXPECT_EQ(list.ItemIndex(), -1);
}

TEST(SpeedButtonTest, ItShowsItsFontColourAndLeavesTheFocus) {
  QWidget window;
  QLineEdit edit(&window);
  TSpeedButton button(&window);
  button.move(0, 30);
  button.SetCaption("Add Code");
  EXPECT_EQ(button.toolButtonStyle(), Qt::ToolButtonTextBesideIcon);
  SetFontColor(&button, clGray);
  EXPECT_EQ(FontColor(&button), clGray);
  EXPECT_EQ(button.palette().color(QPalette::ButtonText), clGray);
  window.show();
  edit.setFocus();
  QTest::mouseClick(&button, Qt::LeftButton);
  EXPECT_FALSE(button.hasFocus());
}

TEST(StatusBarTest, TheSimpleTextIsWhatWindowlessCodeWrote) {
  TGuiStatusBar bar;
  TStatusBar& seen = bar;
  seen.SetSimpleText("  Scanning Unit1.pas");
  EXPECT_EQ(bar.SimpleText(), "  Scanning Unit1.pas");
}

TEST(BusyGuardsTest, TheCursorAndTheWindowComeBackAfterAFailure) {
  QWidget window;
  try {
    THourGlass hourglass;
    TDisabledWindow disabled(&window);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    EXPECT_FALSE(window.isEnabled());
    throw EAbort("cancelled");
  } catch (const EAbort&) {
  }
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
  EXPECT_TRUE(window.isEnabled());
}

// While an operation runs, a shown window takes neither keys nor the input of
// its popup menus; a window shown later (the operation's own message box)
// does. Afterwards both reach the window again.
TEST(BusyGuardsTest, AHeldWindowTakesNoKeyAndItsPopupMenuNoInput) {
  QWidget window;
  QLineEdit edit(&window);
  QMenu menu(&window);
  int triggered = 0;
  QObject::connect(menu.addAction("Go"), &QAction::triggered, [&] { ++triggered; });
  window.show();
  QLineEdit later;
  const auto pickFromMenu = [&] {
    menu.popup(window.mapToGlobal(QPoint(0, 0)));
    QTest::keyClick(&menu, Qt::Key_Down);
    QTest::keyClick(&menu, Qt::Key_Return);
    menu.hide();
  };
  {
    const TOperation operation(nullptr);
    later.show();
    QTest::keyClicks(&edit, "abc");
    pickFromMenu();
    QTest::keyClicks(&later, "x");
  }
  EXPECT_EQ(edit.text(), "");
  EXPECT_EQ(triggered, 0);
  EXPECT_EQ(later.text(), "x");
  QTest::keyClicks(&edit, "abc");
  pickFromMenu();
  EXPECT_EQ(edit.text(), "abc");
  EXPECT_EQ(triggered, 1);
}

// The end of an operation begun inside a running one gives back nothing: the
// outer one's end does.
TEST(BusyGuardsTest, AnOperationInsideAnotherHoldsTheWindowsUntilTheOuterEnds) {
  QWidget window;
  QLineEdit edit(&window);
  window.show();
  {
    const TOperation outer(nullptr);
    { const TOperation inner(nullptr); }
    EXPECT_TRUE(TOperation::Running());
    EXPECT_TRUE(TOperation::Holds(&window));
    QTest::keyClicks(&edit, "abc");
    EXPECT_EQ(edit.text(), "");
  }
  EXPECT_FALSE(TOperation::Running());
  QTest::keyClicks(&edit, "abc");
  EXPECT_EQ(edit.text(), "abc");
}

TEST(FolderChooserTest, TheQtHostChoosesAFolder) {
  TempDir dir;
  dir.Write("Lib/readme", "x");
  std::string folder = dir.Path();
  ModalAnswer answer(ModalAnswer::Type(QString::fromStdString(dir.File("Lib")), "Choose", "fileNameEdit"));
  ASSERT_TRUE(SelectDirectory(folder));
  EXPECT_TRUE(answer.Done());
  EXPECT_EQ(folder, dir.File("Lib"));
  ModalAnswer cancel(ModalAnswer::Click("Cancel"));
  EXPECT_FALSE(SelectDirectory(folder));
  EXPECT_EQ(folder, dir.File("Lib"));
}

}  // namespace
