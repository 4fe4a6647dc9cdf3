// The main window's list controls: the owner-drawn list's check boxes, the
// header control and the page control.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QTest>

#include "Exceptions.h"
#include "HeaderControl.h"
#include "OwnerDrawListBox.h"
#include "PageControl.h"

namespace {

void ClickRow(TOwnerDrawListBox& list, int row, int x, Qt::KeyboardModifiers keys = {}) {
  const QRect rect = list.visualRect(list.model()->index(row, 0));
  QTest::mouseClick(list.viewport(), Qt::LeftButton, keys, QPoint(x, rect.center().y()));
}

TEST(OwnerDrawListBoxTest, ABoxClickTogglesItsMarkAndCodeRunsNothing) {
  TOwnerDrawListBox list(16);
  list.resize(300, 160);
  list.SetCheckBoxes(true);
  int left = -1;
  list.OnDrawItem = [&](QPainter& canvas, int, const QRect& rect, TOwnerDrawState) {
    canvas.fillRect(rect, canvas.brush());
    left = rect.left();
  };
  std::vector<int> clicks;
  list.OnClickCheck = [&](QObject*) { clicks.push_back(list.ItemIndex()); };
  list.SetCount(3);
  list.SetChecked(2, true);
  EXPECT_TRUE(clicks.empty());
  list.show();
  list.viewport()->grab();
  EXPECT_EQ(left, TOwnerDrawListBox::CheckWidth);
  ClickRow(list, 1, 5);
  EXPECT_TRUE(list.Checked(1));
  EXPECT_EQ(clicks, std::vector<int>{1});  // the row clicked is the current one
  ClickRow(list, 0, 100);                    // beside the box: a selection only
  EXPECT_FALSE(list.Checked(0));
  QTest::keyClick(list.viewport(), Qt::Key_Space);
  EXPECT_TRUE(list.Checked(0));
  EXPECT_EQ(clicks, (std::vector<int>{1, 0}));
  list.SetCount(3);
  EXPECT_FALSE(list.Checked(2));
}

void Mouse(QWidget* target, QEvent::Type type, int x, Qt::MouseButtons held) {
  QMouseEvent e(type, QPointF(x, 8), target->mapToGlobal(QPointF(x, 8)), Qt::LeftButton, held, {});
  QApplication::sendEvent(target, &e);
}

TEST(HeaderControlTest, ADragIsReportedOnceAtTheReleaseAndFixedSectionsStay) {
  THeaderControl header(4);
  header.resize(400, 17);
  header.SetSectionFixed(0, 20);
  header.SetSectionAllowClick(0, false);
  header.SetSectionWidth(1, 100);
  header.SetSectionWidth(2, 100);
  header.SetSectionText(1, "Source File");
  std::vector<int> resized, clicked;
  header.OnSectionResize = [&](THeaderControl* sender, int section) {
    EXPECT_EQ(sender, &header);
    resized.push_back(section);
  };
  header.OnSectionClick = [&](THeaderControl*, int section) { clicked.push_back(section); };
  header.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&header));
  EXPECT_TRUE(resized.empty());
  EXPECT_EQ(header.SectionWidth(3), 400 - 220);  // the last takes the rest
  const int edge = header.SectionLeft(2) - 1;    // the right edge of section 1
  Mouse(header.viewport(), QEvent::MouseButtonPress, edge, Qt::LeftButton);
  for (int x = edge; x <= edge + 80; x += 20) Mouse(header.viewport(), QEvent::MouseMove, x, Qt::LeftButton);
  EXPECT_TRUE(resized.empty());
  Mouse(header.viewport(), QEvent::MouseButtonRelease, edge + 80, Qt::NoButton);
  EXPECT_EQ(resized, std::vector<int>{1});
  EXPECT_EQ(header.SectionWidth(1), 180);
  EXPECT_EQ(header.SectionWidth(3), 400 - 300);
  QTest::mouseClick(header.viewport(), Qt::LeftButton, {}, QPoint(header.SectionLeft(2) + 30, 8));
  QTest::mouseClick(header.viewport(), Qt::LeftButton, {}, QPoint(5, 8));
  EXPECT_EQ(clicked, std::vector<int>{2});
  EXPECT_EQ(header.SectionText(1), "Source File");
  EXPECT_EQ(resized.size(), 1u);
}

TEST(PageControlTest, ARefusedChangeKeepsThePageAndCodeChangesAskNothing) {
  TPageControl pages;
  QWidget* first = new QWidget;
  QWidget* second = new QWidget;
  pages.addTab(first, "One");
  pages.addTab(second, "Two");
  pages.show();
  bool allow = false;
  std::vector<QWidget*> shownWhileAsked;
  int changes = 0;
  pages.OnChanging = [&](QObject*, bool& AllowChange) {
    shownWhileAsked.push_back(pages.ActivePage());
    AllowChange = allow;
  };
  pages.OnChange = [&](QObject*) { ++changes; };
  pages.setCurrentWidget(second);  // as a click on its tab
  EXPECT_EQ(pages.ActivePage(), first);
  EXPECT_EQ(shownWhileAsked, std::vector<QWidget*>{first});
  EXPECT_EQ(changes, 0);
  allow = true;
  pages.setCurrentWidget(second);
  EXPECT_EQ(pages.ActivePage(), second);
  EXPECT_EQ(changes, 1);
  pages.SetActivePage(first);
  EXPECT_EQ(shownWhileAsked.size(), 2u);
  EXPECT_EQ(changes, 1);
  // A handler that fails refuses the change.
  pages.OnChanging = [](QObject*, bool&) { throw EAbort("refused"); };
  pages.setCurrentWidget(second);
  EXPECT_EQ(pages.ActivePage(), first);
}

}  // namespace
