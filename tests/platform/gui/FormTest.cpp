#include "Form.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <vector>

#include "ExceptionRecorder.h"
#include "Guard.h"
#include "ModalAnswer.h"

namespace {

// A dialog whose buttons set modal results, as designed forms do.
class ChoiceForm : public TForm {
 public:
  ChoiceForm() {
    SetName("fmChoice");
    Add("btOk", mrOk);
    Add("btNo", mrNo);
    Add("btNothing", mrNone);
  }
  bool refuse = false;

 protected:
  void FormCloseQuery(bool& canClose) override { canClose = !refuse; }

 private:
  void Add(const char* name, int result) {
    auto* button = new QPushButton(QString::fromLatin1(name), this);
    button->setObjectName(QString::fromLatin1(name));
    QObject::connect(button, &QPushButton::clicked, this,
                     Guarded(this, [this, result] { SetModalResult(result); }));
  }
};

TEST(Form, NameAndCaption) {
  TForm form;
  form.SetName("fmMain");
  form.SetCaption(" Lumbrick Example - June 2006");
  EXPECT_EQ(form.Name(), "fmMain");
  EXPECT_EQ(form.objectName(), QStringLiteral("fmMain"));
  EXPECT_EQ(form.windowTitle(), QStringLiteral(" Lumbrick Example - June 2006"));
  form.SetCaption("Informations sur l'exception \xE9");
  EXPECT_EQ(form.windowTitle(), QString::fromUtf8("Informations sur l'exception é"));
  EXPECT_EQ(form.Caption(), "Informations sur l'exception \xE9");
  EXPECT_TRUE(form.isWindow());
}

TEST(Form, ShowModalReturnsTheResultAButtonSets) {
  ChoiceForm form;
  ModalAnswer answer(ModalAnswer::Click("btNo"));
  EXPECT_EQ(form.ShowModal(), mrNo);
  EXPECT_TRUE(answer.Done());
  EXPECT_FALSE(form.isVisible());
  EXPECT_FALSE(form.IsModal());
  EXPECT_EQ(form.ModalResult(), mrNo);
}

TEST(Form, AModalFormCanBeShownAgain) {
  ChoiceForm form;
  ModalAnswer answer(ModalAnswer::Click("btOk"));
  answer.Then(ModalAnswer::Click("btNo"));
  EXPECT_EQ(form.ShowModal(), mrOk);
  EXPECT_EQ(form.ShowModal(), mrNo);
  EXPECT_TRUE(answer.Done());
}

TEST(Form, ClosingAModalFormAnswersCancel) {
  ChoiceForm form;
  ModalAnswer answer([](QWidget* modal) { modal->close(); });
  EXPECT_EQ(form.ShowModal(), mrCancel);
}

TEST(Form, AZeroResultLeavesTheFormOpen) {
  ChoiceForm form;
  bool stillShown = false;
  ModalAnswer answer([&](QWidget* modal) {
    ModalAnswer::Click("btNothing")(modal);
    stillShown = modal->isVisible() && QApplication::activeModalWidget() == modal;
    ModalAnswer::Click("btOk")(modal);
  });
  EXPECT_EQ(form.ShowModal(), mrOk);
  EXPECT_TRUE(stillShown);
}

TEST(Form, TheCloseQueryCanRefuseAModalResult) {
  ChoiceForm form;
  form.refuse = true;
  int resultWhileRefused = -1;
  ModalAnswer answer([&](QWidget* modal) {
    ModalAnswer::Click("btOk")(modal);
    resultWhileRefused = form.ModalResult();
    EXPECT_TRUE(modal->isVisible());
    form.refuse = false;
    ModalAnswer::Click("btNo")(modal);
  });
  EXPECT_EQ(form.ShowModal(), mrNo);
  EXPECT_EQ(resultWhileRefused, mrNone);
}

TEST(Form, ShowingAVisibleFormModallyIsAnInvalidOperation) {
  ChoiceForm form;
  form.show();
  try {
    form.ShowModal();
    FAIL() << "no exception";
  } catch (const EInvalidOperation& e) {
    EXPECT_STREQ(e.ClassName(), "EInvalidOperation");
    EXPECT_EQ(e.Message(), "Cannot make a visible window modal");
  }
  EXPECT_TRUE(form.isVisible());
  EXPECT_FALSE(form.IsModal());
}

TEST(Form, ShowModalInsideTheModalShowFailsGuarded) {
  ExceptionRecorder recorder;
  ChoiceForm form;
  auto* again = new QPushButton(&form);
  again->setObjectName("btAgain");
  QObject::connect(again, &QPushButton::clicked, &form,
                   Guarded(&form, [&] { form.ShowModal(); }));
  ModalAnswer answer([](QWidget* modal) {
    ModalAnswer::Click("btAgain")(modal);
    ModalAnswer::Click("btOk")(modal);
  });
  EXPECT_EQ(form.ShowModal(), mrOk);
  ASSERT_EQ(recorder.seen.size(), 1u);
  EXPECT_EQ(recorder.seen[0].className, "EInvalidOperation");
}

TEST(Form, ModalFormsNest) {
  ChoiceForm outer;
  ChoiceForm inner;
  int innerResult = -1;
  auto* open = new QPushButton(&outer);
  open->setObjectName("btOpen");
  QObject::connect(open, &QPushButton::clicked, &outer,
                   Guarded(&outer, [&] { innerResult = inner.ShowModal(); }));
  ModalAnswer answer(ModalAnswer::Click("btOpen"));
  answer.Then(ModalAnswer::Click("btNo")).Then(ModalAnswer::Click("btOk"));
  EXPECT_EQ(outer.ShowModal(), mrOk);
  EXPECT_EQ(innerResult, mrNo);
  EXPECT_TRUE(answer.Done());
}

TEST(Form, AResultOnAModelessFormDoesNotCloseIt) {
  ChoiceForm form;
  form.show();
  form.SetModalResult(mrOk);
  EXPECT_TRUE(form.isVisible());
  EXPECT_EQ(form.ModalResult(), mrOk);
}

TEST(Form, AFormDeletedWhileModalEndsTheShow) {
  auto* form = new ChoiceForm;
  ModalAnswer answer([](QWidget* modal) { delete modal; });
  EXPECT_EQ(form->ShowModal(), mrCancel);
}

// Always-on-top windows of the program (a guide, a log) never cover the
// modal form being answered; once it closes it stacks as it did before, and
// it opens again where it was.
TEST(Form, AModalFormStandsAboveEveryWindowWhileItIsShown) {
  TForm log;
  log.setWindowFlag(Qt::WindowStaysOnTopHint);
  log.show();
  TForm opener;
  opener.show();
  auto* form = new ChoiceForm;
  form->setParent(&opener, Qt::Window);
  form->setGeometry(42, 45, 300, 200);
  bool onTop = false;
  QWidget* modal = nullptr;
  QWidget* parent = nullptr;
  std::vector<QRect> places;
  const auto look = [&](QWidget* shown) {
    onTop = shown->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
    modal = QApplication::activeModalWidget();
    parent = shown->parentWidget();
    places.push_back(shown->geometry());
    ModalAnswer::Click("btOk")(shown);
  };
  ModalAnswer answer(look);
  EXPECT_EQ(form->ShowModal(), mrOk);
  EXPECT_TRUE(answer.Done());
  EXPECT_TRUE(onTop);
  EXPECT_EQ(modal, form);
  EXPECT_EQ(parent, &opener);
  EXPECT_FALSE(form->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  EXPECT_TRUE(form->isWindow());
  ModalAnswer again(look);
  EXPECT_EQ(form->ShowModal(), mrOk);
  EXPECT_TRUE(onTop);
  ASSERT_EQ(places.size(), 2u);
  EXPECT_EQ(places[1], places[0]);
  // A window on top of its own stays so.
  log.hide();
  ModalAnswer close([](QWidget* shown) { shown->close(); });
  EXPECT_EQ(log.ShowModal(), mrCancel);
  EXPECT_TRUE(log.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

}  // namespace
