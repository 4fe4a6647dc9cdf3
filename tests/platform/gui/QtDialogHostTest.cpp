// Real dialogs, shown and answered as a user would.
#include "QtDialogHost.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <stdexcept>

#include "Application.h"
#include "Form.h"
#include "ModalAnswer.h"

namespace {

struct SeenBox {
  QString name, title, text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QStringList buttonNames, buttonTexts;  // left to right
  QString defaultButton;
};

// Records what the box shows, then runs the answer.
ModalAnswer::Step Inspect(SeenBox& seen, ModalAnswer::Step answer) {
  return [&seen, answer](QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    if (!box) throw std::runtime_error("not a message box");
    seen.name = box->objectName();
    seen.title = box->windowTitle();
    seen.text = box->text();
    seen.icon = box->icon();
    QList<QAbstractButton*> buttons = box->buttons();
    std::sort(buttons.begin(), buttons.end(), [](QAbstractButton* a, QAbstractButton* b) {
      return a->mapToGlobal(QPoint()).x() < b->mapToGlobal(QPoint()).x();
    });
    for (QAbstractButton* b : buttons) {
      seen.buttonNames << b->objectName();
      seen.buttonTexts << b->text();
    }
    if (box->defaultButton()) seen.defaultButton = box->defaultButton()->objectName();
    answer(modal);
  };
}

ModalAnswer::Step Key(int key) {
  return [key](QWidget* modal) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(modal, &press);
  };
}

// Always-on-top windows of the program (a guide, a log) never hide the
// question being answered.
TEST(QtDialogHost, ABoxBelongsToTheActiveWindowAndStaysOnTop) {
  TForm form;
  form.show();
  form.activateWindow();
  QTRY_VERIFY(QApplication::activeWindow() == &form);
  QWidget* owner = nullptr;
  bool onTop = false;
  ModalAnswer answer([&](QWidget* modal) {
    owner = modal->parentWidget();
    onTop = modal->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
    ModalAnswer::Click("btOK")(modal);
  });
  ShowMessage("Seen");
  EXPECT_TRUE(answer.Done());
  EXPECT_EQ(owner, &form);
  EXPECT_TRUE(onTop);
}

// A modal dialog that is shown owns the boxes it opens, even while another
// window holds the activation.
TEST(QtDialogHost, AShownModalDialogOwnsTheBoxesItOpens) {
  TForm opener;
  opener.show();
  TForm dialog;
  QWidget* active = nullptr;
  QWidget* owner = nullptr;
  ModalAnswer answer([&](QWidget*) {
    opener.activateWindow();
    QTRY_VERIFY(QApplication::activeWindow() == &opener);
    active = QApplication::activeWindow();
    ShowMessage("From the dialog");
    dialog.close();
  });
  answer.Then([&](QWidget* box) {
    owner = box->parentWidget();
    ModalAnswer::Click("btOK")(box);
  });
  dialog.ShowModal();
  EXPECT_TRUE(answer.Done());
  EXPECT_EQ(active, &opener);
  EXPECT_EQ(owner, &dialog);
}

// The window a box belongs to goes while the box is open, the box with it:
// the box is not looked at again and its answer is lost.
TEST(QtDialogHost, ABoxWhoseOwnerWentIsNotTouched) {
  auto* owner = new TForm;
  owner->show();
  owner->activateWindow();
  QTRY_VERIFY(QApplication::activeWindow() == owner);
  ModalAnswer answer([&](QWidget* box) {
    ModalAnswer::Click("btYes")(box);
    delete owner;
  });
  EXPECT_EQ(MessageDlg("Remove it ?", TMsgDlgType::mtConfirmation, mbYes | mbNo), mrCancel);
  EXPECT_TRUE(answer.Done());

  owner = new TForm;
  owner->show();
  owner->activateWindow();
  QTRY_VERIFY(QApplication::activeWindow() == owner);
  ModalAnswer typed([&](QWidget* box) {
    ModalAnswer::Type(QStringLiteral("Bench 4"))(box);
    delete owner;
  });
  std::string value = "None";
  EXPECT_FALSE(InputQuery("Station Label", "Enter New Station Label", value));
  EXPECT_EQ(value, "None");
}

// A name the file system gave, in UTF-8, shown as it is spelt.
TEST(QtDialogHost, AUtf8TextShowsAsTheFileSystemSpellsIt) {
  SeenBox seen;
  ModalAnswer answer(Inspect(seen, ModalAnswer::Click("btOK")));
  MessageDlgUtf8("/home/ren\xC3\xA9/\xCE\xB1\xCE\xB2\xCE\xB3 \xE2\x98\x83.pas\r\nCannot be Used", TMsgDlgType::mtError,
                 mbOK);
  EXPECT_TRUE(answer.Done());
  EXPECT_EQ(seen.text, QString::fromUtf8("/home/ren\u00e9/\u03b1\u03b2\u03b3 \u2603.pas\nCannot be Used"));
}

TEST(QtDialogHost, AMessageDialogIsAnsweredByItsButton) {
  SeenBox seen;
  ModalAnswer answer(Inspect(seen, ModalAnswer::Click("btNo")));
  EXPECT_EQ(MessageDlg("Boom.\n\r\n\rView more informations ?", TMsgDlgType::mtError, mbYes | mbNo),
            mrNo);
  EXPECT_TRUE(answer.Done());
  EXPECT_EQ(seen.name, QStringLiteral("MessageDlg"));
  EXPECT_EQ(seen.title, QStringLiteral("Error"));
  EXPECT_EQ(seen.text, QStringLiteral("Boom.\n\nView more informations ?"));
  EXPECT_EQ(seen.icon, QMessageBox::Critical);
  EXPECT_EQ(seen.buttonNames, (QStringList{"btYes", "btNo"}));
  EXPECT_EQ(seen.buttonTexts, (QStringList{"&Yes", "&No"}));
  EXPECT_EQ(seen.defaultButton, QStringLiteral("btYes"));
}

TEST(QtDialogHost, EveryButtonInTheOriginalOrderAndText) {
  SeenBox seen;
  ModalAnswer answer(Inspect(seen, ModalAnswer::Click("Yes to All")));
  const TMsgDlgButtons all = mbYes | mbNo | mbOK | mbCancel | mbAbort | mbRetry | mbIgnore |
                             mbAll | mbNoToAll | mbYesToAll | mbHelp;
  EXPECT_EQ(MessageDlg("All of them", TMsgDlgType::mtWarning, all), mrYesToAll);
  EXPECT_EQ(seen.icon, QMessageBox::Warning);
  EXPECT_EQ(seen.title, QStringLiteral("Warning"));
  EXPECT_EQ(seen.buttonNames,
            (QStringList{"btYes", "btNo", "btOK", "btCancel", "btAbort", "btRetry", "btIgnore",
                         "btAll", "btNoToAll", "btYesToAll", "btHelp"}));
  EXPECT_EQ(seen.buttonTexts,
            (QStringList{"&Yes", "&No", "OK", "Cancel", "&Abort", "&Retry", "&Ignore", "&All",
                         "N&o to All", "Yes to &All", "&Help"}));
  EXPECT_EQ(seen.defaultButton, QStringLiteral("btOK"));
}

TEST(QtDialogHost, EachButtonGivesItsModalResult) {
  const std::pair<TMsgDlgBtn, int> cases[] = {
      {mbYes, mrYes}, {mbNo, mrNo}, {mbOK, mrOk}, {mbCancel, mrCancel}, {mbAbort, mrAbort},
      {mbRetry, mrRetry}, {mbIgnore, mrIgnore}, {mbAll, mrAll}, {mbNoToAll, mrNoToAll},
      {mbYesToAll, mrYesToAll}};
  const char* names[] = {"btYes", "btNo", "btOK", "btCancel", "btAbort",
                         "btRetry", "btIgnore", "btAll", "btNoToAll", "btYesToAll"};
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    ModalAnswer answer(ModalAnswer::Click(names[i]));
    EXPECT_EQ(MessageDlg("?", TMsgDlgType::mtConfirmation, cases[i].first | mbCancel),
              cases[i].second)
        << names[i];
  }
}

TEST(QtDialogHost, EscapePressesCancelElseNo) {
  ModalAnswer noCancel(Key(Qt::Key_Escape));
  EXPECT_EQ(MessageDlg("Sure?", TMsgDlgType::mtConfirmation, mbYes | mbNo), mrNo);
  ModalAnswer withCancel(Key(Qt::Key_Escape));
  EXPECT_EQ(MessageDlg("Save?", TMsgDlgType::mtConfirmation, mbYes | mbNo | mbCancel), mrCancel);
}

TEST(QtDialogHost, HelpKeepsTheDialogOpen) {
  bool openAfterHelp = false;
  ModalAnswer answer([&](QWidget* modal) {
    ModalAnswer::Click("btHelp")(modal);
    openAfterHelp = modal->isVisible();
    ModalAnswer::Click("btOK")(modal);
  });
  EXPECT_EQ(MessageDlg("Read the guide", TMsgDlgType::mtInformation, mbOK | mbHelp), mrOk);
  EXPECT_TRUE(openAfterHelp);
}

TEST(QtDialogHost, TheTextIsShownAsItIsNeverAsMarkup) {
  SeenBox seen;
  ModalAnswer answer(Inspect(seen, ModalAnswer::Click("btOK")));
  ShowMessage("<b>Result</b> = 1,5 & \xE9t\xE9\r\nsecond line");
  EXPECT_EQ(seen.name, QStringLiteral("ShowMessage"));
  EXPECT_EQ(seen.title, QString::fromStdString(Application->Title));
  EXPECT_EQ(seen.text, QString::fromUtf8("<b>Result</b> = 1,5 & été\nsecond line"));
  EXPECT_EQ(seen.icon, QMessageBox::NoIcon);
  EXPECT_EQ(seen.buttonNames, QStringList{"btOK"});
}

TEST(QtDialogHost, ThePlainMessageBoxFollowsItsFlags) {
  SeenBox seen;
  ModalAnswer answer(Inspect(seen, ModalAnswer::Click("btYes")));
  EXPECT_EQ(MessageBox("Overwrite?", "Corvane", MB_YESNO | MB_ICONWARNING | 0x100), mrYes);
  EXPECT_EQ(seen.name, QStringLiteral("MessageBox"));
  EXPECT_EQ(seen.title, QStringLiteral("Corvane"));
  EXPECT_EQ(seen.icon, QMessageBox::Warning);
  EXPECT_EQ(seen.buttonNames, (QStringList{"btYes", "btNo"}));
  EXPECT_EQ(seen.defaultButton, QStringLiteral("btNo"));  // MB_DEFBUTTON2

  ModalAnswer escape(Inspect(seen = {}, Key(Qt::Key_Escape)));
  EXPECT_EQ(MessageBox("Go on?", "Dromlet", MB_OKCANCEL | MB_ICONQUESTION), mrCancel);
  EXPECT_EQ(seen.icon, QMessageBox::Question);
  EXPECT_EQ(seen.buttonTexts, (QStringList{"OK", "Cancel"}));

  ModalAnswer stop(Inspect(seen = {}, ModalAnswer::Click("OK")));
  EXPECT_EQ(MessageBox("Bad.", "Dromlet", MB_OK | MB_ICONSTOP), mrOk);
  EXPECT_EQ(seen.icon, QMessageBox::Critical);
}

TEST(QtDialogHost, AnInputQueryIsTypedAndConfirmed) {
  QString title, prompt, initial;
  ModalAnswer answer([&](QWidget* modal) {
    title = modal->windowTitle();
    auto* edit = modal->findChild<QLineEdit*>(QStringLiteral("edValue"));
    if (!edit) throw std::runtime_error("no edValue");
    initial = edit->text();
    ModalAnswer::Type(QString::fromUtf8("Poste de Ren\u00e9"))(modal);
  });
  std::string value = "None";
  EXPECT_TRUE(InputQuery("Station Label", "Enter New Station Label", value));
  EXPECT_EQ(value, "Poste de Ren\xE9");
  EXPECT_EQ(title, QStringLiteral("Station Label"));
  EXPECT_EQ(initial, QStringLiteral("None"));
}

TEST(QtDialogHost, ACancelledInputQueryLeavesTheValue) {
  ModalAnswer answer(ModalAnswer::Type(QStringLiteral("changed"), QStringLiteral("btCancel")));
  std::string value = "None";
  EXPECT_FALSE(InputQuery("Station Label", "Enter New Station Label", value));
  EXPECT_EQ(value, "None");

  ModalAnswer box(ModalAnswer::Type(QStringLiteral("12"), QStringLiteral("OK")));
  EXPECT_EQ(InputBox("Code Font Size", "Enter New Font Size", "10"), "12");
}

}  // namespace
