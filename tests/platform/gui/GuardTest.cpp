#include "Guard.h"

#include <gtest/gtest.h>

#include <QPushButton>
#include <QSpinBox>
#include <stdexcept>

#include "ExceptionRecorder.h"
#include "Form.h"
#include "ScriptedDialogs.h"

namespace {

class GuardedHandlers : public ::testing::Test {
 protected:
  GuardedHandlers() {
    bad->setObjectName("btBad");
    good->setObjectName("btGood");
  }
  TForm form;
  QPushButton* bad = new QPushButton(&form);
  QPushButton* good = new QPushButton(&form);
};

TEST_F(GuardedHandlers, AThrowingClickReachesTheExceptionEventAndTheProgramGoesOn) {
  ExceptionRecorder recorder;
  int goodClicks = 0;
  QObject::connect(bad, &QPushButton::clicked, &form, Guarded(&form, [] {
    throw EConvertError("'x' is not a valid integer value");
  }));
  QObject::connect(good, &QPushButton::clicked, &form, Guarded(&form, [&] { ++goodClicks; }));

  bad->click();
  ASSERT_EQ(recorder.seen.size(), 1u);
  EXPECT_EQ(recorder.seen[0].sender, &form);
  EXPECT_EQ(recorder.seen[0].className, "EConvertError");
  EXPECT_EQ(recorder.seen[0].message, "'x' is not a valid integer value");

  good->click();
  bad->click();
  EXPECT_EQ(goodClicks, 1);
  EXPECT_EQ(recorder.seen.size(), 2u);
}

TEST_F(GuardedHandlers, AHandlerTakesTheLeadingSignalArgumentsItWants) {
  QSpinBox* spin = new QSpinBox(&form);
  int value = -1;
  int calls = 0;
  QObject::connect(spin, &QSpinBox::valueChanged, &form, Guarded(&form, [&](int v) { value = v; }));
  QObject::connect(spin, &QSpinBox::valueChanged, &form, Guarded(&form, [&] { ++calls; }));
  spin->setValue(7);
  EXPECT_EQ(value, 7);
  EXPECT_EQ(calls, 1);
}

TEST_F(GuardedHandlers, AForeignExceptionArrivesAsAnException) {
  ExceptionRecorder recorder;
  QObject::connect(bad, &QPushButton::clicked, &form,
                   Guarded(&form, [] { throw std::runtime_error("boom"); }));
  bad->click();
  ASSERT_EQ(recorder.seen.size(), 1u);
  EXPECT_EQ(recorder.seen[0].className, "Exception");
  EXPECT_EQ(recorder.seen[0].message, "boom");
}

TEST_F(GuardedHandlers, TheSilentAbortReachesNothing) {
  ScriptedDialogs dialogs;
  QObject::connect(bad, &QPushButton::clicked, &form, Guarded(&form, [] { Abort(); }));
  bad->click();
  EXPECT_TRUE(dialogs.Shown().empty());

  ExceptionRecorder recorder;
  bad->click();
  EXPECT_TRUE(recorder.seen.empty());
}

// Without an exception event the user sees the standard exception box.
TEST_F(GuardedHandlers, WithoutAnExceptionEventTheStandardBoxShowsTheMessage) {
  ASSERT_FALSE(Application->OnException);
  ScriptedDialogs dialogs;
  std::string message;
  QObject::connect(bad, &QPushButton::clicked, &form,
                   Guarded(&form, [&] { throw Exception(message); }));

  const std::pair<std::string, std::string> cases[] = {
      {"abc", "abc."}, {"abc!", "abc!"}, {"", ""}, {"why?", "why?."}, {"done.", "done."},
      {"list (a)", "list (a)"}, {"code 7", "code 7."}};
  for (const auto& [raised, shown] : cases) {
    message = raised;
    dialogs.Clear();
    bad->click();
    ASSERT_EQ(dialogs.Shown().size(), 1u) << raised;
    const DialogRequest& box = dialogs.Last();
    EXPECT_EQ(box.kind, DialogRequest::Kind::MessageBox);
    EXPECT_EQ(box.flags, MB_OK | MB_ICONSTOP);
    EXPECT_EQ(box.title, Application->Title);
    EXPECT_EQ(box.text, shown) << raised;
  }
}

class RefusingForm : public TForm {
 public:
  bool refuse = false;
  bool fail = false;

 protected:
  void FormCloseQuery(bool& canClose) override {
    if (fail) throw EInOutError("cannot save");
    canClose = !refuse;
  }
};

TEST(GuardedOverrides, AFailingCloseQueryKeepsTheFormOpenAndReachesTheExceptionEvent) {
  ExceptionRecorder recorder;
  RefusingForm form;
  form.show();
  form.fail = true;
  EXPECT_FALSE(form.close());
  EXPECT_TRUE(form.isVisible());
  ASSERT_EQ(recorder.seen.size(), 1u);
  EXPECT_EQ(recorder.seen[0].sender, &form);
  EXPECT_EQ(recorder.seen[0].className, "EInOutError");

  form.fail = false;
  form.refuse = true;
  EXPECT_FALSE(form.close());
  form.refuse = false;
  EXPECT_TRUE(form.close());
  EXPECT_FALSE(form.isVisible());
  EXPECT_EQ(recorder.seen.size(), 1u);
}

}  // namespace
