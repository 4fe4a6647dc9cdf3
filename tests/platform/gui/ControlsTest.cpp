// The radio group, the list box, the open-file dialog's filter and the
// colours of controls.
#include <gtest/gtest.h>

#include <QLabel>
#include <QRadioButton>
#include <QTest>

#include "Colors.h"
#include "ExceptionRecorder.h"
#include "ListBox.h"
#include "QtFileDialogHost.h"
#include "RadioGroup.h"

namespace {

TEST(RadioGroupTest, OnClickRunsOnlyWhenTheUserChangesTheItem) {
  TRadioGroup group("Language", {"English", "French"});
  group.show();
  int clicks = 0;
  group.OnClick = [&](QObject* sender) {
    EXPECT_EQ(sender, &group);
    ++clicks;
  };
  EXPECT_EQ(group.ItemIndex(), -1);
  group.SetItemIndex(1);
  EXPECT_EQ(group.ItemIndex(), 1);
  EXPECT_TRUE(group.Item(1)->isChecked());
  EXPECT_EQ(clicks, 0);
  QTest::mouseClick(group.Item(0), Qt::LeftButton);
  EXPECT_EQ(group.ItemIndex(), 0);
  EXPECT_EQ(clicks, 1);
  QTest::mouseClick(group.Item(0), Qt::LeftButton);  // already selected
  EXPECT_EQ(clicks, 1);
  group.SetItemIndex(-1);
  EXPECT_EQ(group.ItemIndex(), -1);
  EXPECT_FALSE(group.Item(0)->isChecked());
}

TEST(RadioGroupTest, AFailingClickGoesToTheExceptionEvent) {
  ExceptionRecorder recorder;
  TRadioGroup group("", {"A", "B"});
  group.OnClick = [](QObject*) { throw EConvertError("radio"); };
  group.Item(1)->click();
  ASSERT_EQ(recorder.seen.size(), 1u);
  EXPECT_EQ(recorder.seen[0].message, "radio");
}

TEST(ListBoxTest, OnClickRunsForMouseClicksAndKeyboardMovesOnly) {
  TListBox list;
  list.addItems({"a", "b", "c"});
  list.resize(100, 100);
  list.show();
  int clicks = 0;
  list.OnClick = [&](QObject*) { ++clicks; };
  list.SetItemIndex(1);
  EXPECT_EQ(clicks, 0);
  QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualItemRect(list.item(2)).center());
  EXPECT_EQ(list.ItemIndex(), 2);
  EXPECT_EQ(clicks, 1);
  QTest::keyClick(&list, Qt::Key_Up);
  EXPECT_EQ(list.ItemIndex(), 1);
  EXPECT_EQ(clicks, 2);
  QTest::keyClick(&list, Qt::Key_Home);
  QTest::keyClick(&list, Qt::Key_Up);  // nowhere to go: no click
  EXPECT_EQ(clicks, 3);
}

TEST(OpenDialogTest, TheFilterBecomesQtsForm) {
  EXPECT_EQ(QtFileFilter("Exe Files (*.exe)|*.exe|All Files (*.*)|*.*"), "Exe Files (*.exe);;All Files (*.*)");
  EXPECT_EQ(QtFileFilter("Text (*.txt)|*.txt"), "Text (*.txt)");
  EXPECT_EQ(QtFileFilter(""), "");
}

TEST(ColorsTest, FontColourIsReadBack) {
  QLabel label;
  SetFontColor(&label, clNavy);
  EXPECT_EQ(FontColor(&label), QColor(0, 0, 0x80));
  SetFontColor(&label, clTeal);
  EXPECT_EQ(FontColor(&label), QColor(0, 0x80, 0x80));
}

}  // namespace
