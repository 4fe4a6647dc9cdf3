// The translator: the assistant's texts are written in English in the code;
// in French each is looked up in a dictionary read at start-up from
// "Dialogs.ini" (number=English text, after a line "[Text]") and
// "DialogsFr.ini" ([Text] number=French text). Problems of both files go to
// "Translator.log" beside them.
#pragma once

#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "IniFile.h"
#include "StringList.h"

// 1 English; any other value French. Starts in English, so that a text shown
// before the settings are read needs no dictionary.
extern int Language;

class TDialogsItem {
 public:
  TDialogsItem(int ANum, std::string AText);
  int Num;
  std::string Traduction;  // the English text until a French one is read
};

// English texts in ascending order, compared without regard to letter case;
// a text equal to one already held replaces that entry's item.
class TDialogs {
 public:
  // Index of the entry that now holds Text.
  int AddSource(int Num, const std::string& Text);
  // AddSource of each record in turn, sorted once rather than one insertion
  // at a time.
  void AddSources(const std::vector<std::pair<int, std::string>>& Records);
  // Index of Text (any letter case), or -1.
  int FindItemIndex(const std::string& Text) const;
  int Count() const { return static_cast<int>(FEntries.size()); }
  // These raise EStringListError for an index outside the list.
  std::string GetTraduction(int Index) const;
  void SetTraduction(int Index, const std::string& Text);
  int GetNumDialog(int Index) const;
  std::string GetTexte(int Index) const;

 private:
  struct TEntry {
    std::string Text;
    TDialogsItem Item;
  };
  void CheckIndex(int Index) const;  // EStringListError outside the list
  std::vector<TEntry> FEntries;
};

class TTextTranslator {
 public:
  // Loads the dictionary from the files in ADir and writes "Translator.log"
  // there when it can (a log it cannot write is left out). Fails when
  // "Dialogs.ini" cannot be read or has no "[Text]" line (the log is
  // written all the same).
  explicit TTextTranslator(const std::string& ADir);
  ~TTextTranslator();
  TTextTranslator(const TTextTranslator&) = delete;
  TTextTranslator& operator=(const TTextTranslator&) = delete;

  // The lines of AFileName after its first line that is exactly "[Text]".
  void LoadIniDialogs(const std::string& AFileName, TStringList& Lines);
  void LoadDialogs();
  // The help pages of the current language.
  std::string GetHelpDir() const;
  std::string Tr(const std::string& S) const;
  // The text in ALanguage (1 English, any other value French), whatever the
  // current language.
  std::string Tr(const std::string& S, int ALanguage) const;
  // The texts looked up in French that "Dialogs.ini" does not list, trimmed
  // as looked up. With "Translator.log", which names the listed texts that
  // have no French, it tells what the tables lack for the texts shown.
  const std::set<std::string>& Unlisted() const { return FUnlisted; }

  std::unique_ptr<TIniFile> IniDialogs;
  TDialogs Dialogs;
  std::string Dir;  // with its trailing "/"
  std::string DialogsFile;
  std::string DialogsFrFile;

 private:
  mutable std::set<std::string> FUnlisted;
};

// The one translator, set by the program at start-up.
extern TTextTranslator* TextTranslator;

// The text in the current language. English needs no translator; French
// without one shows the English text.
std::string Trt(const std::string& S);
// The text in ALanguage, whatever the current language: for a layout that
// must fit the texts of both languages.
std::string TrtIn(int ALanguage, const std::string& S);
// N in decimal, with "0" put in front while it has at most three characters.
std::string Int4(int N);
