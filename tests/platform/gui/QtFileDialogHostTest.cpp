// Real file dialogs, shown and answered as a user would, on the filters
// written as on Windows.
#include "QtFileDialogHost.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <filesystem>

#include "ModalAnswer.h"
#include "TempDir.h"

namespace {

namespace fs = std::filesystem;

// The names the dialog lists.
std::vector<std::string> Names(QFileDialog& dialog) {
  auto* view = dialog.findChild<QAbstractItemView*>(QStringLiteral("listView"));
  std::vector<std::string> result;
  const QAbstractItemModel* model = view->model();
  for (int row = 0; row < model->rowCount(view->rootIndex()); ++row)
    result.push_back(model->index(row, 0, view->rootIndex()).data().toString().toStdString());
  std::sort(result.begin(), result.end());
  return result;
}

// The names the dialog lists, once it lists Count of them.
std::vector<std::string> Listed(QFileDialog& dialog, std::size_t count) {
  static_cast<void>(QTest::qWaitFor([&] { return Names(dialog).size() == count; }, 5000));  // the caller compares
  return Names(dialog);
}

// The names the dialog lists once its model has settled: the model applies
// a newly chosen filter a moment after the choice, from its timers.
std::vector<std::string> Settled(QFileDialog& dialog) {
  QTest::qWait(300);
  return Names(dialog);
}

// The user picks a filter in the list of file types.
void ChooseFilter(QFileDialog& dialog, int index) {
  auto* types = dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
  types->setCurrentIndex(index);
  emit types->activated(index);
  emit types->textActivated(types->currentText());
}

QPushButton* OpenButton(QFileDialog& dialog) {
  return dialog.findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"))->button(QDialogButtonBox::Open);
}

class QtFileDialogHostTest : public ::testing::Test {
 protected:
  QtFileDialogHostTest() {
    fs::permissions(dir.Write("browser", "#!/bin/sh\n"), fs::perms::owner_all | fs::perms::group_exec |
                                                            fs::perms::others_exec);
    dir.Write("notes.txt", "");
    dir.Write("README", "");
    fs::create_directory(dir.File("sub"));
  }
  // An open dialog as the assistant's: a file that must exist.
  FileDialogRequest Request(const std::string& Filter, const std::string& DefaultExt) const {
    return {FileDialogRequest::Kind::Open, "", dir.Path(), "", Filter, DefaultExt, true};
  }

  TempDir dir;
  QtFileDialogHost host;
};

TEST_F(QtFileDialogHostTest, AProgramIsAnExecutableFileWhateverItsName) {
  std::vector<std::string> programs, all;
  QStringList filters;
  bool openEnabled = false;
  ModalAnswer answer([&](QWidget* modal) {
    auto& dialog = *qobject_cast<QFileDialog*>(modal);
    filters = dialog.nameFilters();
    programs = Listed(dialog, 2);
    ChooseFilter(dialog, 1);
    all = Listed(dialog, 4);
    ChooseFilter(dialog, 0);
    QTest::keyClicks(dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit")), "browser");
    openEnabled = OpenButton(dialog)->isEnabled();
    OpenButton(dialog)->click();
    if (dialog.isVisible()) dialog.reject();  // the name was refused
  });
  std::string chosen;
  EXPECT_TRUE(host.Show(Request("Program Files (*.exe)|*.exe|All Files (*.*)|*.*", "exe"), chosen));
  EXPECT_TRUE(answer.Done());
  EXPECT_EQ(filters, (QStringList{"Program Files (*.exe)", "All Files (*.*)"}));
  EXPECT_EQ(programs, (std::vector<std::string>{"browser", "sub"}));
  EXPECT_EQ(all, (std::vector<std::string>{"README", "browser", "notes.txt", "sub"}));
  EXPECT_TRUE(openEnabled);
  EXPECT_EQ(chosen, dir.File("browser"));
}

// A browser may be a program without a dot in its name: "All Files (*.*)"
// lists it, also once the dialog's model has applied the choice.
TEST_F(QtFileDialogHostTest, AllFilesListsANameWithoutADotOnceTheListHasSettled) {
  std::vector<std::string> all, settled;
  ModalAnswer answer([&](QWidget* modal) {
    auto& dialog = *qobject_cast<QFileDialog*>(modal);
    static_cast<void>(Listed(dialog, 2));
    ChooseFilter(dialog, 1);
    all = Listed(dialog, 4);
    settled = Settled(dialog);
    dialog.reject();
  });
  std::string chosen;
  EXPECT_FALSE(host.Show(Request("Exe Files (*.exe)|*.exe|All Files (*.*)|*.*", "exe"), chosen));
  EXPECT_TRUE(answer.Done());
  const std::vector<std::string> expected{"README", "browser", "notes.txt", "sub"};
  EXPECT_EQ(all, expected);
  EXPECT_EQ(settled, expected);
}

TEST_F(QtFileDialogHostTest, ATypedNameOfAFileThatDoesNotExistIsRefused) {
  bool openEnabled = true, stillShown = false;
  ModalAnswer answer([&](QWidget* modal) {
    auto& dialog = *qobject_cast<QFileDialog*>(modal);
    QTest::keyClicks(dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit")), "missing.pas");
    openEnabled = OpenButton(dialog)->isEnabled();
    static_cast<QDialog&>(dialog).accept();  // as Enter in the name box does
    stillShown = dialog.isVisible();
    dialog.reject();
  });
  answer.Then(ModalAnswer::Click("OK"));  // Qt's "File not found" box
  std::string chosen = "kept";
  EXPECT_FALSE(host.Show(Request("Delphi Source Files (*.pas)|*.pas|All Files (*.*)|*.*", "pas"), chosen));
  EXPECT_TRUE(answer.Done());
  EXPECT_FALSE(openEnabled);
  EXPECT_TRUE(stillShown);
  ASSERT_EQ(answer.Titles().size(), 2u);
  EXPECT_EQ(chosen, "kept");
}

}  // namespace
