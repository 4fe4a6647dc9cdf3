#include "GuiApplication.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QObject>

#include "ExceptionRecorder.h"
#include "Form.h"
#include "Guard.h"
#include "WaitUntil.h"

namespace {

TEST(GuiApplication, IsTheApplicationAndProvidesTheRealDialogs) {
  ASSERT_NE(dynamic_cast<TGuiApplication*>(Application), nullptr);
  DialogHost* current = SetDialogHost(nullptr);
  SetDialogHost(current);
  EXPECT_NE(dynamic_cast<QtDialogHost*>(current), nullptr);
}

// An object whose event override throws without a guard of its own.
class Unguarded : public QObject, public TObject {
 protected:
  bool event(QEvent* e) override {
    if (e->type() == QEvent::User) throw EInOutError("I/O error 103");
    return QObject::event(e);
  }
};

TEST(GuiApplication, AnExceptionThatEscapedAHandlerStillReachesTheExceptionEvent) {
  ExceptionRecorder recorder;
  Unguarded object;
  QEvent sent(QEvent::User);
  EXPECT_FALSE(QCoreApplication::sendEvent(&object, &sent));
  ASSERT_EQ(recorder.seen.size(), 1u);
  EXPECT_EQ(recorder.seen[0].sender, static_cast<TObject*>(&object));
  EXPECT_EQ(recorder.seen[0].className, "EInOutError");
  EXPECT_EQ(recorder.seen[0].message, "I/O error 103");

  // From the event loop too, and the loop goes on.
  QCoreApplication::postEvent(&object, new QEvent(QEvent::User));
  bool after = false;
  QMetaObject::invokeMethod(&object, [&] { after = true; }, Qt::QueuedConnection);
  EXPECT_TRUE(WaitUntil([&] { return after; }));
  EXPECT_EQ(recorder.seen.size(), 2u);
}

TEST(GuiApplication, ABadPointerBecomesAnAccessViolation) {
  ExceptionRecorder recorder;
  TForm form;
  RunGuarded(&form, [] {
    volatile int* nowhere = nullptr;
    [[maybe_unused]] int value = *nowhere;
  });
  ASSERT_EQ(recorder.seen.size(), 1u);
  EXPECT_EQ(recorder.seen[0].className, "EAccessViolation");
  EXPECT_NE(recorder.seen[0].message.find("Access violation at address"), std::string::npos);
}

TEST(GuiApplication, ProcessMessagesRunsWhatIsPending) {
  bool ran = false;
  QMetaObject::invokeMethod(qApp, [&] { ran = true; }, Qt::QueuedConnection);
  Application->ProcessMessages();
  EXPECT_TRUE(ran);
}

TEST(GuiApplication, TheActiveFormsHelpFileComesFirst) {
  Application->HelpFile = "Dromlet.chm";
  EXPECT_EQ(Application->CurrentHelpFile(), "Dromlet.chm");

  TForm form;
  form.show();
  form.activateWindow();
  ASSERT_TRUE(WaitUntil([&] { return QApplication::activeWindow() == &form; }));
  EXPECT_TRUE(Application->Active());
  EXPECT_EQ(Application->CurrentHelpFile(), "Dromlet.chm");
  form.HelpFile = "Options.htm";
  EXPECT_EQ(Application->CurrentHelpFile(), "Options.htm");
  Application->HelpFile.clear();
}

TEST(GuiApplication, RightToLeftFollowsTheLayoutDirection) {
  EXPECT_FALSE(Application->IsRightToLeft());
  QGuiApplication::setLayoutDirection(Qt::RightToLeft);
  EXPECT_TRUE(Application->IsRightToLeft());
  QGuiApplication::setLayoutDirection(Qt::LeftToRight);
}

}  // namespace
