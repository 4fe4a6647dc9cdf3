// The scanner options dialog: the live example, validation, the modal
// results and what they store.
#include <QCoreApplication>
#include <QImage>
#include <QLineEdit>
#include <QTimer>

#include "CheckListBox.h"
#include "Colors.h"
#include "ComboBox.h"
#include "EditorOptions.h"
#include "RichEdit.h"
#include "ScanActions.h"
#include "Settings.h"
#include "SpeedButton.h"
#include "UiColors.h"
#include "UiFixture.h"

namespace {

class ScanOptionsTest : public UiTest {
 protected:
  // Shows a dialog modally and runs Act on it from inside its modal loop, as
  // the user would act; returns the modal result.
  int RunModal(const std::function<void(TfmScanOptions&)>& Act) {
    TfmScanOptions fm;
    QTimer::singleShot(0, &fm, [&] { Act(fm); });
    return fm.ShowModal();
  }
  // The user picks an item.
  static void Pick(TComboBox* Box, int Index) {
    Box->setCurrentIndex(Index);
    Box->activated(Index);
  }
  static void Tick(TfmScanOptions& Fm, int Index, bool Checked) {
    Fm.clbPush->item(Index)->setCheckState(Checked ? Qt::Checked : Qt::Unchecked);
  }
  static std::vector<std::string> Example(const TfmScanOptions& Fm) {
    std::vector<std::string> lines;
    for (int i = 0; i < Fm.rExample->LineCount(); ++i) lines.push_back(Fm.rExample->Lines(i));
    return lines;
  }
  // The colour of each line's first visible character.
  static std::vector<QColor> Colours(const TfmScanOptions& Fm) {
    std::vector<QColor> colours;
    const std::string text = Fm.rExample->Text();
    std::size_t start = 0;
    for (int i = 0; i < Fm.rExample->LineCount(); ++i) {
      const std::string line = Fm.rExample->Lines(i);
      colours.push_back(Fm.rExample->ColorAt(static_cast<int>(start + line.find_first_not_of(' '))));
      start += line.size() + 2;
    }
    return colours;
  }

  const std::string push = "VIX.Push('UnitHouse.pas : Procedure THouse.Draw(HouseColor : TColor)')";
};

TEST_F(ScanOptionsTest, FreshSettingsGiveTheDefaultsAndTheEightExampleLines) {
  TfmScanOptions fm;
  fm.show();
  EXPECT_EQ(Example(fm), (std::vector<std::string>{
                             "Procedure THouse.Draw(HouseColor : TColor);",
                             "Begin",
                             "    Try",
                             "        Canvas.Brush.Color := HouseColor;",
                             "        ...",
                             "        Canvas.LineTo(X, Y);",
                             "    Except " + push + "; Raise; End;",
                             "End;",
                         }));
  EXPECT_EQ(Colours(fm), (std::vector<QColor>{clBlack, clBlack, clBlue, clBlack, clBlack, clBlack, clBlue, clBlack}));
  for (TComboBox* list : {fm.cbCorrectCode, fm.cbIncorrectCode, fm.cbMissingCode, fm.cbReindentAdded,
                          fm.cbReindentRemoved, fm.cbExcept})
    EXPECT_EQ(list->ItemIndex(), 0) << list->objectName().toStdString();
  EXPECT_EQ(fm.cbCorrectCode->Text(), "Nothing");
  EXPECT_EQ(fm.cbIncorrectCode->Text(), "Update Code");
  EXPECT_EQ(fm.cbMissingCode->Text(), "Add Missing Code");
  EXPECT_EQ(fm.cbQuellumVar->Text(), "VIX");
  for (int i = 0; i < 5; ++i) EXPECT_TRUE(fm.clbPush->Checked(i));
  EXPECT_EQ((std::vector<int>{fm.ActionIfCorrect, fm.ActionIfIncorrect, fm.ActionIfMissing}), (std::vector<int>{0, 2, 3}));
  EXPECT_TRUE(fm.cbCorrectCode->hasFocus() || !fm.isActiveWindow());
}

TEST_F(ScanOptionsTest, TheExampleFollowsTheReindentAndLayoutChoices) {
  TfmScanOptions fm;
  fm.show();
  Pick(fm.cbReindentAdded, 1);
  EXPECT_EQ(Example(fm)[3], "    Canvas.Brush.Color := HouseColor;");
  Pick(fm.cbExcept, 1);
  EXPECT_EQ(Example(fm), (std::vector<std::string>{
                             "Procedure THouse.Draw(HouseColor : TColor);",
                             "Begin",
                             "    Try",
                             "    Canvas.Brush.Color := HouseColor;",
                             "    ...",
                             "    Canvas.LineTo(X, Y);",
                             "    Except",
                             "        " + push + "; Raise;",
                             "    End;",
                             "End;",
                         }));
  Pick(fm.cbExcept, 2);
  Tick(fm, 0, false);
  Tick(fm, 4, false);
  Pick(fm.cbQuellumVar, 1);  // "Lumbrick"
  const std::vector<std::string> lines = Example(fm);
  ASSERT_EQ(lines.size(), 11u);
  EXPECT_EQ(lines[7], "        Lumbrick.Push('Procedure THouse.Draw');");
  EXPECT_EQ(lines[8], "        Raise;");
  EXPECT_EQ(Colours(fm)[8], clBlue);
}

TEST_F(ScanOptionsTest, InvalidVariableNamesAreRefusedAndNothingIsStored) {
  const TCodeOptions before = CodeOptions;
  for (const std::string name : {"", "my var", "1abc"}) {
    dialogs.Clear();
    const int result = RunModal([&](TfmScanOptions& fm) {
      fm.cbQuellumVar->lineEdit()->setText(QString::fromStdString(name));
      fm.btValidate->click();
      EXPECT_TRUE(fm.isVisible());
      fm.btCancel->click();
    });
    EXPECT_EQ(result, 2);
    ASSERT_EQ(dialogs.Shown().size(), 1u) << name;
    EXPECT_EQ(dialogs.Last().type, TMsgDlgType::mtError);
    EXPECT_EQ(dialogs.Last().text, name + " is not a Valid Delphi Identifier.");
  }
  EXPECT_EQ(CodeOptions, before);
  EXPECT_EQ(Settings(), "");
}

TEST_F(ScanOptionsTest, WithoutThePushParametersTheRoutineNameIsAskedFor) {
  const int result = RunModal([&](TfmScanOptions& fm) {
    for (int i = 0; i < 5; ++i) Tick(fm, i, false);
    EXPECT_EQ(Example(fm)[6], "    Except VIX.Push(''); Raise; End;");
    dialogs.Answer(mrNo);
    fm.btValidate->click();  // No: the dialog stays open, nothing stored
    EXPECT_TRUE(fm.isVisible());
    EXPECT_EQ(Settings(), "");
    dialogs.Answer(mrYes).Answer(mrNo);  // confirmed; not all files at once
    fm.btValidate->click();
  });
  EXPECT_EQ(result, 1);
  ASSERT_EQ(dialogs.Shown().size(), 3u);
  EXPECT_EQ(dialogs.Shown()[0].text, "No Routine Name in Push Parameters. Confirm ?");
  EXPECT_EQ(dialogs.Shown()[1].text, "No Routine Name in Push Parameters. Confirm ?");
  EXPECT_EQ(dialogs.Shown()[2].text, "Start Scanning All Sources Files ?");
  EXPECT_EQ(CodeOptions.PushParams, (std::array<bool, 5>{false, false, false, false, false}));
}

TEST_F(ScanOptionsTest, TheRoutineNameQuestionFollowsTheNameBoxAlone) {
  const int result = RunModal([&](TfmScanOptions& fm) {
    Tick(fm, 3, false);  // Name
    dialogs.Answer(mrNo);
    fm.btValidate->click();
    EXPECT_TRUE(fm.isVisible());
    Tick(fm, 3, true);
    Tick(fm, 2, false);  // Prefix
    dialogs.Answer(mrNo);  // not all files at once
    fm.btValidate->click();
  });
  EXPECT_EQ(result, 1);
  ASSERT_EQ(dialogs.Shown().size(), 2u);
  EXPECT_EQ(dialogs.Shown()[0].text, "No Routine Name in Push Parameters. Confirm ?");
  EXPECT_EQ(dialogs.Shown()[1].text, "Start Scanning All Sources Files ?");
}

TEST_F(ScanOptionsTest, ALayoutWithoutItemIsShownAsNoneAndStoredAgain) {
  dir.Write("prog/Corvane.ini", "[Options]\r\nExceptLines=2\r\n");
  const int result = RunModal([&](TfmScanOptions& fm) {
    EXPECT_EQ(fm.cbExcept->ItemIndex(), -1);
    EXPECT_EQ(Example(fm).size(), 7u);
    EXPECT_EQ(Example(fm)[6], "End;");
    dialogs.Answer(mrNo);
    fm.btValidate->click();
  });
  EXPECT_EQ(result, 1);
  EXPECT_EQ(CodeOptions.ExceptLines, 2);
  EXPECT_NE(Settings().find("ExceptLines=2\r\n"), std::string::npos);
}

TEST_F(ScanOptionsTest, CancelAndTheCloseButtonChangeNothing) {
  ScanActions = {1, 1, 0};
  TCodeOptions options;
  options.QuellumVar = "Kept";
  CodeOptions = options;
  const auto change = [](TfmScanOptions& fm) {
    Pick(fm.cbMissingCode, 1);
    Pick(fm.cbExcept, 2);
  };
  EXPECT_EQ(RunModal([&](TfmScanOptions& fm) {
              change(fm);
              fm.btCancel->click();
            }),
            2);
  EXPECT_EQ(RunModal([&](TfmScanOptions& fm) {
              change(fm);
              fm.close();  // the close button
            }),
            2);
  EXPECT_EQ(ScanActions.Correct, 1);
  EXPECT_EQ(ScanActions.Incorrect, 1);
  EXPECT_EQ(ScanActions.Missing, 0);
  EXPECT_EQ(CodeOptions, options);
  EXPECT_EQ(Settings(), "");
  EXPECT_TRUE(dialogs.Shown().empty());
}

TEST_F(ScanOptionsTest, ValidateStoresTheChoicesAndScanAllGivesEight) {
  const int result = RunModal([&](TfmScanOptions& fm) {
    Pick(fm.cbIncorrectCode, 1);  // Remove Code
    Pick(fm.cbMissingCode, 1);    // Nothing
    Pick(fm.cbExcept, 1);         // On 3 Lines
    for (int i : {0, 1, 4}) Tick(fm, i, false);
    fm.btValidate->click();  // unanswered: Yes, scan all
  });
  EXPECT_EQ(result, 8);
  EXPECT_EQ(ScanActions.Correct, 0);
  EXPECT_EQ(ScanActions.Incorrect, 1);
  EXPECT_EQ(ScanActions.Missing, 0);
  EXPECT_EQ(CodeOptions.ExceptLines, 3);
  EXPECT_EQ(Settings(),
            "[Options]\r\n"
            "ExceptLines=3\r\n"
            "ReindentAddedCode=Yes\r\n"
            "ReindentRemovedCode=Yes\r\n"
            "QuellumVar=VIX\r\n"
            "PushParams(1)=No\r\n"
            "PushParams(2)=No\r\n"
            "PushParams(3)=Yes\r\n"
            "PushParams(4)=Yes\r\n"
            "PushParams(5)=No\r\n");
}

TEST_F(ScanOptionsTest, ATypedNameIsTheOneValidatedAndStored) {
  RunModal([&](TfmScanOptions& fm) {
    fm.cbQuellumVar->lineEdit()->setText("Catcher");  // typed, the box still has the focus
    dialogs.Answer(mrNo);
    fm.btValidate->click();
  });
  EXPECT_EQ(CodeOptions.QuellumVar, "Catcher");
  EXPECT_NE(Settings().find("QuellumVar=Catcher\r\n"), std::string::npos);
}

TEST_F(ScanOptionsTest, TheEditableVariableBoxIsWhiteOnItsGreyPanel) {
  TfmScanOptions fm;
  fm.show();
  QCoreApplication::processEvents();
  const QImage box = fm.cbQuellumVar->grab().toImage();
  EXPECT_EQ(QColor(box.pixel(box.width() / 2, box.height() / 2)), clWhite);
  // The example, read-only, stays grey.
  const QImage example = fm.rExample->viewport()->grab().toImage();
  EXPECT_EQ(QColor(example.pixel(example.width() - 3, example.height() - 3)), clPanelGrey);
}

}  // namespace
