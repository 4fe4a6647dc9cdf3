// The translator: reading "Dialogs.ini" and "DialogsFr.ini", the log of their
// problems, and the blank rules of the lookup.
#include <gmock/gmock.h>

#include <filesystem>
#include <iterator>
#include <random>

#include "ScannerFixture.h"
#include "Translator.h"

namespace {

using ::testing::ElementsAre;

const char* const DialogsIni =
    "; what stands before the list is free\r\n"
    "[Other]\r\n"
    "9=not read\r\n"
    "[Text]\r\n"
    "1=Close\r\n"
    "no equals here\r\n"
    "=Empty number\r\n"
    "abc=Word number\r\n"
    "3=a=b c\r\n"
    "4=\r\n"
    "5=CLOSE\r\n"
    "\r\n"
    "[Text]\r\n"
    "6=Save  \r\n"
    "7=Open\r\n"
    "8=open\r\n"
    "10=R\xe9sum\xe9\r\n";

const char* const DialogsFrIni =
    "[Text]\r\n"
    "0001=never looked up\r\n"
    "0003=a=b c fr\r\n"
    "0005=Fermer\r\n"
    "0006=\r\n"
    "0010=R\xe9sum\xe9 fr\r\n";

class TranslatorTest : public ScannerTest {
 protected:
  TTextTranslator& Make(const std::string& dialogs = DialogsIni, const std::string& french = DialogsFrIni) {
    dir.Write("Dialogs.ini", dialogs);
    dir.Write("DialogsFr.ini", french);
    translator = std::make_unique<TTextTranslator>(dir.Path());
    return *translator;
  }
  std::vector<std::string> Texts() const {
    std::vector<std::string> texts;
    for (int i = 0; i < translator->Dialogs.Count(); ++i) texts.push_back(translator->Dialogs.GetTexte(i));
    return texts;
  }
  std::unique_ptr<TTextTranslator> translator;
};

TEST_F(TranslatorTest, DictionaryFromTheLinesAfterTheFirstTextLine) {
  TTextTranslator& t = Make();
  EXPECT_EQ(t.Dir, dir.Path());
  EXPECT_EQ(t.DialogsFile, dir.File("Dialogs.ini"));
  EXPECT_EQ(t.DialogsFrFile, dir.File("DialogsFr.ini"));
  // Sorted without regard to case; duplicates kept once, spelled as the first.
  EXPECT_THAT(Texts(), ElementsAre("", "a=b c", "Close", "Open", "R\xe9sum\xe9", "Save  "));
  const TDialogs& d = t.Dialogs;
  EXPECT_EQ(d.GetNumDialog(d.FindItemIndex("close")), 5);  // numbered as the last
  EXPECT_EQ(d.GetTraduction(d.FindItemIndex("Close")), "Fermer");
  EXPECT_EQ(d.GetNumDialog(d.FindItemIndex("OPEN")), 8);
  EXPECT_EQ(d.GetTraduction(d.FindItemIndex("Open")), "open");  // no French: the last spelling
  EXPECT_EQ(d.FindItemIndex("not read"), -1);
  EXPECT_EQ(d.FindItemIndex("Save"), -1);
  EXPECT_EQ(d.FindItemIndex("r\xc9SUM\xc9"), d.FindItemIndex("R\xe9sum\xe9"));  // accented capitals too
}

TEST_F(TranslatorTest, TheLogIsWrittenByteForByte) {
  Make();
  EXPECT_EQ(dir.Read("Translator.log"),
            "no equals here : no = sign\r\n"
            "=Empty number : incoherent number\r\n"
            "abc=Word number : incoherent number\r\n"
            "[Text] : no = sign\r\n"
            "0004= : pas de traduction\r\n"
            "0008=Open : pas de traduction\r\n"
            "0006=Save   : pas de traduction\r\n");
}

TEST_F(TranslatorTest, AnEmptyLogIsAnEmptyFile) {
  dir.Write("Translator.log", "old contents");
  Make("[Text]\r\n1=Close\r\n", "[Text]\r\n0001=Fermer\r\n");
  EXPECT_EQ(dir.Read("Translator.log"), "");
}

TEST_F(TranslatorTest, ALogThatCannotBeWrittenStopsNothing) {
  std::filesystem::create_directory(dir.File("Translator.log"));
  TTextTranslator& t = Make();
  Language = 2;
  EXPECT_EQ(t.Tr("Close"), "Fermer");
}

TEST_F(TranslatorTest, MissingFrenchFileLogsEveryEntry) {
  dir.Write("Dialogs.ini", "[Text]\r\n12=Close\r\n7=About\r\n");
  TTextTranslator t(dir.Path());
  EXPECT_EQ(dir.Read("Translator.log"), "0007=About : pas de traduction\r\n0012=Close : pas de traduction\r\n");
  Language = 2;
  EXPECT_EQ(t.Tr("Close"), "Close");
}

TEST_F(TranslatorTest, EnglishCutsTheCommentAndKeepsTheBlanks) {
  TTextTranslator& t = Make();
  Language = 1;
  EXPECT_EQ(t.Tr("Close //the window"), "Close");
  EXPECT_EQ(t.Tr("  Close  "), "  Close  ");
  EXPECT_EQ(t.Tr("a//b"), "a//b");
  EXPECT_EQ(t.Tr(""), "");
}

TEST_F(TranslatorTest, FrenchPutsTheOuterBlanksBackOneForOne) {
  TTextTranslator& t = Make();
  for (int language : {2, 0, 3}) {
    Language = language;
    EXPECT_EQ(t.Tr("  Close "), "  Fermer ") << language;
  }
  EXPECT_EQ(t.Tr("close"), "Fermer");
  EXPECT_EQ(t.Tr("a=b c"), "a=b c fr");
  EXPECT_EQ(t.Tr("  Unknown "), "  Unknown ");
  EXPECT_EQ(t.Tr("Unknown //c"), "Unknown //c");  // the comment stays in French
  EXPECT_EQ(t.Tr("Close //c"), "Close //c");
  EXPECT_EQ(t.Tr("\tClose\r\n"), "Fermer");        // only blanks come back
  EXPECT_EQ(t.Tr(""), "");
  EXPECT_EQ(t.Tr("   "), "   ");  // counted once, not as leading and trailing
  EXPECT_EQ(t.Tr("r\xe9sum\xe9"), "R\xe9sum\xe9 fr");
}

// What the tables lack: the texts looked up in French that they do not list,
// once each as looked up; English looks nothing up.
TEST_F(TranslatorTest, UnlistedTextsAreKeptAsLookedUp) {
  TTextTranslator& t = Make();
  Language = 1;
  t.Tr("English only");
  Language = 2;
  for (const char* text : {"  Close ", "Unknown //c", " Unknown //c", "Open", "   ", "", "Save", "\tMissing\r\n"})
    t.Tr(text);
  EXPECT_THAT(t.Unlisted(), ElementsAre("Missing", "Save", "Unknown //c"));  // "Save  " is never found
}

TEST_F(TranslatorTest, TrtUsesTheInstalledTranslator) {
  TTextTranslator& t = Make();
  Language = 2;
  EXPECT_EQ(Trt("Close //x"), "Close");  // no translator installed: English
  TextTranslator = &t;
  EXPECT_EQ(Trt(" Close"), " Fermer");
  Language = 1;
  EXPECT_EQ(Trt("Close //x"), "Close");
  TextTranslator = nullptr;
}

// A layout fitted to both languages asks for each in turn: the language
// asked for answers, whichever is current.
TEST_F(TranslatorTest, TheLookupInAGivenLanguageIgnoresTheCurrentOne) {
  TTextTranslator& t = Make();
  TextTranslator = &t;
  Language = 1;
  EXPECT_EQ(t.Tr(" Close //x", 2), " Close //x");  // the comment is part of the French lookup
  EXPECT_EQ(t.Tr(" Close", 2), " Fermer");
  EXPECT_EQ(TrtIn(2, " Close"), " Fermer");
  Language = 2;
  EXPECT_EQ(t.Tr(" Close //x", 1), " Close");
  EXPECT_EQ(TrtIn(1, " Close //x"), " Close");
  EXPECT_EQ(Trt(" Close"), " Fermer");
  TextTranslator = nullptr;
}

TEST_F(TranslatorTest, HelpFolderOfTheLanguage) {
  dir.Write("Dialogs.ini", "[Text]\r\n");
  TTextTranslator t(dir.Path().substr(0, dir.Path().size() - 1));  // without its "/"
  EXPECT_EQ(t.Dir, dir.Path());
  Language = 1;
  EXPECT_EQ(t.GetHelpDir(), dir.Path() + "Help/");
  Language = 2;
  EXPECT_EQ(t.GetHelpDir(), dir.Path() + "Help/Fr/");
}

TEST_F(TranslatorTest, Int4) {
  EXPECT_EQ(Int4(5), "0005");
  EXPECT_EQ(Int4(7), "0007");
  EXPECT_EQ(Int4(123), "0123");
  EXPECT_EQ(Int4(9999), "9999");
  EXPECT_EQ(Int4(10000), "10000");
}

TEST_F(TranslatorTest, MissingDialogsFileFailsTheCreationAfterWritingAnEmptyLog) {
  dir.Write("Translator.log", "old contents");
  try {
    TTextTranslator t(dir.Path());
    FAIL() << "created";
  } catch (const EFOpenError&) {
    EXPECT_THAT(VIX->StackList(), ElementsAre("Procedure TTextTranslator.LoadIniDialogs",
                                              "Procedure TTextTranslator.LoadDialogs",
                                              "Constructor TTextTranslator.Create"));
  }
  EXPECT_EQ(dir.Read("Translator.log"), "");
}

TEST_F(TranslatorTest, ATextLineInAnotherCaseOrWithBlanksOpensNoList) {
  for (const std::string header : {"[text]", " [Text]", "[Text] "}) {
    dir.Write("Dialogs.ini", header + "\r\n1=Close\r\n");
    EXPECT_THROW(TTextTranslator t(dir.Path()), Exception) << header;
    EXPECT_EQ(dir.Read("Translator.log"), "");
  }
}

TEST_F(TranslatorTest, TheFrenchTableIsReadAsTheSettingsFileReadsIt) {
  // Another section with the same key, the section's name in another case,
  // blanks around a key and a value, quotes, a key given twice (the first
  // wins) and the section given twice.
  TTextTranslator& t = Make("[Text]\r\n1=Close\r\n2=Open\r\n3=Save\r\n4=Quit\r\n",
                            "[Other]\r\n0001=autre\r\n[text]\r\n 0001 = Fermer \r\n0002=\"Ouvrir\"\r\n0001=second\r\n"
                            "[Text]\r\n0003=Enregistrer\r\n0002=later\r\n");
  Language = 2;
  for (const char* english : {"Close", "Open", "Save", "Quit"}) {
    const std::string french = t.IniDialogs->ReadString("Text", Int4(t.Dialogs.GetNumDialog(t.Dialogs.FindItemIndex(english))), "");
    EXPECT_EQ(t.Tr(english), french.empty() ? english : french) << english;
  }
  EXPECT_EQ(t.Tr("Close"), "Fermer");
  EXPECT_EQ(t.Tr("Open"), "Ouvrir");
  EXPECT_EQ(dir.Read("Translator.log"), "0004=Quit : pas de traduction\r\n");
}

TEST_F(TranslatorTest, RecordsAddedInOneGoMakeTheDictionaryOfOneAtATime) {
  std::mt19937 rng(15);
  const char* words[] = {"Close", "close", "CLOSE", "Open", "Save as", "save AS", "R\xe9sum\xe9", "R\xc9SUM\xc9", "", "a=b"};
  for (int round = 0; round < 50; ++round) {
    std::vector<std::pair<int, std::string>> records;
    for (int i = 0; i < 12; ++i) records.emplace_back(static_cast<int>(rng() % 100), words[rng() % std::size(words)]);
    TDialogs inOneGo;
    TDialogs oneByOne;
    inOneGo.AddSource(7, "Open");  // entries already there take part too
    oneByOne.AddSource(7, "Open");
    inOneGo.AddSources(records);
    for (const auto& [num, text] : records) oneByOne.AddSource(num, text);
    ASSERT_EQ(inOneGo.Count(), oneByOne.Count());
    for (int i = 0; i < inOneGo.Count(); ++i) {
      EXPECT_EQ(inOneGo.GetTexte(i), oneByOne.GetTexte(i));
      EXPECT_EQ(inOneGo.GetNumDialog(i), oneByOne.GetNumDialog(i));
      EXPECT_EQ(inOneGo.GetTraduction(i), oneByOne.GetTraduction(i));
    }
  }
}

TEST_F(TranslatorTest, AnIndexOutsideTheDictionaryRaises) {
  TTextTranslator& t = Make();
  EXPECT_THROW(t.Dialogs.GetTexte(t.Dialogs.Count()), EStringListError);
  EXPECT_THROW(t.Dialogs.GetNumDialog(-1), EStringListError);
}

}  // namespace
