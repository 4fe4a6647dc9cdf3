#include "GuiScreen.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QSpinBox>
#include <memory>

#include "Form.h"
#include "WaitUntil.h"

// Found by argument lookup from the comparisons of gtest and std::vector.
static bool operator==(const ScreenEntry& a, const ScreenEntry& b) {
  return a.name == b.name && a.caption == b.caption;
}
static void PrintTo(const ScreenEntry& e, std::ostream* os) {
  *os << e.name << " (" << e.caption << ")";
}

namespace {

std::unique_ptr<TForm> MakeForm(const char* name, const char* caption) {
  auto form = std::make_unique<TForm>();
  form->SetName(name);
  form->SetCaption(caption);
  return form;
}

bool Activate(TForm& form) {
  form.show();
  form.raise();
  form.activateWindow();
  return WaitUntil([&] { return QApplication::activeWindow() == &form; });
}

TEST(GuiScreen, IsTheScreenOfTheWindowedApplication) {
  EXPECT_NE(dynamic_cast<TGuiScreen*>(Screen), nullptr);
}

TEST(GuiScreen, ListsEveryLiveFormHiddenOnesIncludedInCreationOrder) {
  auto main = MakeForm("fmMain", " Lumbrick Example - June 2006");
  auto report = MakeForm("fmLumbrick", "Exception Informations");
  auto accented = MakeForm("fmAbout", "\xC0 propos");
  main->show();

  const std::vector<ScreenEntry> expected = {
      {"fmMain", " Lumbrick Example - June 2006"},
      {"fmLumbrick", "Exception Informations"},
      {"fmAbout", "\xC0 propos"}};
  EXPECT_EQ(Screen->Forms(), expected);
  EXPECT_EQ(Screen->CustomForms(), expected);
  EXPECT_TRUE(Screen->DataModules().empty());

  report.reset();
  EXPECT_EQ(Screen->Forms(), (std::vector<ScreenEntry>{expected[0], expected[2]}));
}

TEST(GuiScreen, TheActiveFormComesFirst) {
  auto main = MakeForm("fmMain", "Main");
  auto log = MakeForm("fmLog", "Log");
  auto guide = MakeForm("fmGuide", "Guide");
  auto* edit = new QLineEdit(log.get());
  edit->setObjectName("edFilter");
  new QLineEdit(log.get());

  ASSERT_TRUE(Activate(*main));
  ASSERT_TRUE(Activate(*log));
  edit->setFocus();
  ASSERT_TRUE(WaitUntil([&] { return edit->hasFocus(); }));

  EXPECT_EQ(Screen->ActiveForm(), (ScreenEntry{"fmLog", "Log"}));
  EXPECT_EQ(Screen->ActiveControlName(), "edFilter");
  const std::vector<ScreenEntry> expected = {{"fmLog", "Log"}, {"fmMain", "Main"}, {"fmGuide", "Guide"}};
  EXPECT_EQ(Screen->Forms(), expected);
}

TEST(GuiScreen, AnInnerWidgetWithFocusNamesItsControl) {
  auto form = MakeForm("fmOptions", "Options");
  auto* spin = new QSpinBox(form.get());
  spin->setObjectName("seFontSize");
  ASSERT_TRUE(Activate(*form));
  spin->setFocus();
  ASSERT_TRUE(WaitUntil([&] { return spin->hasFocus(); }));
  EXPECT_EQ(Screen->ActiveControlName(), "seFontSize");
}

TEST(GuiScreen, WithoutAnActiveFormTheLinesAreEmpty) {
  {
    auto form = MakeForm("fmGone", "Gone");
    ASSERT_TRUE(Activate(*form));
  }
  auto hidden = MakeForm("fmHidden", "Hidden");
  EXPECT_EQ(Screen->ActiveForm(), ScreenEntry{});
  EXPECT_EQ(Screen->ActiveControlName(), "");
}

}  // namespace
