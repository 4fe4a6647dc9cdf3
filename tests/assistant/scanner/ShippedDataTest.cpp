// The data files the assistant ships beside the program: the translation
// tables load without a single complaint and translate, read through the
// real translator from a copy of the shipped folder; every help page the
// program opens is there in both languages, and the links between pages
// lead somewhere.
#include <gmock/gmock.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <regex>

#include "Files.h"
#include "RefusalReasons.h"
#include "ScannerFixture.h"
#include "StringList.h"
#include "SysUtils.h"
#include "Translator.h"

namespace {

namespace fs = std::filesystem;

const std::string Shipped = ASSISTANT_DATA_DIR;

// The records of a translation file after its "[Text]" line, by number.
std::map<int, std::string> Records(const std::string& File) {
  TStringList lines;
  lines.LoadFromFile(File);
  std::map<int, std::string> records;
  bool inText = false;
  for (int i = 0; i < lines.Count(); ++i) {
    const std::string& line = lines.Strings(i);
    const std::size_t eq = line.find('=');
    if (inText && eq != std::string::npos && line[0] != ';') records[std::stoi(line.substr(0, eq))] = line.substr(eq + 1);
    inText = inText || line == "[Text]";
  }
  return records;
}

class ShippedDataTest : public ScannerTest {
 protected:
  void SetUp() override {
    fs::copy(Shipped, dir.Path(), fs::copy_options::recursive | fs::copy_options::overwrite_existing);
  }
  std::map<int, std::string> English() const { return Records(Shipped + "/Dialogs.ini"); }
  std::map<int, std::string> French() const { return Records(Shipped + "/DialogsFr.ini"); }
};

TEST_F(ShippedDataTest, TheTranslationFilesLoadWithAnEmptyLog) {
  TTextTranslator t(dir.Path());
  EXPECT_EQ(dir.Read("Translator.log"), "");
  EXPECT_EQ(t.Dialogs.Count(), static_cast<int>(English().size()));  // no text listed twice
}

TEST_F(ShippedDataTest, EveryFrenchTextHasItsEnglishNumberAndBothAreTrimmed) {
  const auto english = English();
  const auto french = French();
  for (const auto& [num, text] : french) {
    EXPECT_TRUE(english.count(num)) << num << "=" << text;
    EXPECT_EQ(text, Trim(text)) << num;
  }
  for (const auto& [num, text] : english) EXPECT_EQ(text, Trim(text)) << num;
}

// The scanner's refusal reasons reach the user through the translator.
TEST_F(ShippedDataTest, EveryRefusalReasonHasAFrenchText) {
  TTextTranslator t(dir.Path());
  for (const char* reason : AllRefusalReasons) EXPECT_NE(t.Dialogs.FindItemIndex(reason), -1) << reason;
}

// Dialog filters are pairs of a caption and a mask: the French keeps the
// number of pairs and every mask.
TEST_F(ShippedDataTest, FiltersKeepTheirMasks) {
  const auto french = French();
  const std::regex mask(R"(\|(\*\.[a-z*]+)(\||$))");
  for (const auto& [num, text] : English()) {
    if (text.find('|') == std::string::npos) continue;
    const auto masks = [&](const std::string& s) {
      std::vector<std::string> found;
      for (std::sregex_iterator it(s.begin(), s.end(), mask), end; it != end; ++it) found.push_back((*it)[1]);
      return std::make_pair(std::count(s.begin(), s.end(), '|'), found);
    };
    EXPECT_EQ(masks(french.at(num)), masks(text)) << num;
  }
}

// The files are Windows-1252: an accented letter is one byte, never the two
// bytes of its UTF-8 form.
TEST_F(ShippedDataTest, AccentsAreWindows1252) {
  for (const char* name : {"Dialogs.ini", "DialogsFr.ini"}) {
    const std::string bytes = ReadFileBytes(Shipped + "/" + name).value_or("");
    EXPECT_EQ(bytes.find('\xc3'), std::string::npos) << name;
  }
  EXPECT_NE(ReadFileBytes(Shipped + "/DialogsFr.ini").value_or("").find("=Fran\xe7" "ais / French\r\n"),
            std::string::npos);
}

TEST_F(ShippedDataTest, TheProgramsTextsComeOutInFrench) {
  TTextTranslator t(dir.Path());
  TextTranslator = &t;
  Language = 2;
  EXPECT_EQ(Trt(" Operation Log"), " Journal des op\xe9rations");
  EXPECT_EQ(Trt("Save "), "Enregistrer ");
  EXPECT_EQ(Trt("colors AND pictograms"), "Couleurs et pictogrammes");
  EXPECT_EQ(Trt("French / Fran\xe7" "ais"), "Fran\xe7" "ais / French");
  EXPECT_EQ(Trt(" is not a Valid Delphi Identifier."), " n'est pas un identificateur Delphi valide.");
  Language = 1;
  EXPECT_EQ(Trt(" Operation Log"), " Operation Log");
  TextTranslator = nullptr;
}

// The pages the menus, the windows' F1 and their help buttons open.
const char* const HelpPages[] = {"index.htm",   "applis.htm", "sources.htm", "scanner.htm",       "scanner_errors.htm",
                                 "options.htm", "ql_ref.htm", "ql_assist.htm", "ql_implementation.htm"};

TEST_F(ShippedDataTest, EveryHelpPageIsThereInBothLanguages) {
  TTextTranslator t(dir.Path());
  for (int language : {1, 2}) {
    Language = language;
    for (const char* page : HelpPages) EXPECT_TRUE(FileExists(t.GetHelpDir() + page)) << t.GetHelpDir() << page;
  }
}

// The shipped pages: Windows-1252 declared and written, every relative link
// and every anchor it names found.
TEST_F(ShippedDataTest, PagesDeclareTheirCharsetAndTheirLinksLeadSomewhere) {
  const std::regex link(R"re((?:href|src)="([^"]*)")re");
  const std::regex utf8("[\xc2-\xf4][\x80-\xbf]");
  std::vector<fs::path> pages{fs::path(Shipped) / "vixModel.htm"};
  for (const auto& f : fs::recursive_directory_iterator(fs::path(Shipped) / "Help"))
    if (f.path().extension() == ".htm") pages.push_back(f.path());
  EXPECT_EQ(pages.size(), 1 + 2 * std::size(HelpPages));
  for (const fs::path& page : pages) {
    const std::string html = ReadFileBytes(page.string()).value_or("");
    EXPECT_NE(LowerCase(html).find("charset=windows-1252"), std::string::npos) << page;
    EXPECT_FALSE(std::regex_search(html, utf8)) << page;
    for (std::sregex_iterator it(html.begin(), html.end(), link), end; it != end; ++it) {
      const std::string target = (*it)[1];
      if (target.find(':') != std::string::npos) continue;  // another site
      const std::size_t hash = target.find('#');
      const fs::path file = hash == 0 ? page : page.parent_path() / target.substr(0, hash);
      ASSERT_TRUE(fs::is_regular_file(file)) << page << ": " << target;
      if (hash != std::string::npos) {
        const std::string anchor = "id=\"" + target.substr(hash + 1) + "\"";
        EXPECT_NE(ReadFileBytes(file.string()).value_or("").find(anchor), std::string::npos) << page << ": " << target;
      }
    }
  }
  EXPECT_NE(ReadFileBytes(Shipped + "/vixModel.htm").value_or("").find("<textarea name=\"taLumbrick\""),
            std::string::npos);
}

}  // namespace
